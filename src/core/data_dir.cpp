#include "core/data_dir.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

// Set by the build for this file: the data folder of the install prefix, the same folder
// relative to the installed executable, and the source tree's Assets/.
#ifndef OSTREVALD_INSTALLED_DATA_DIR
#define OSTREVALD_INSTALLED_DATA_DIR ""
#endif
#ifndef OSTREVALD_RELATIVE_DATA_DIR
#define OSTREVALD_RELATIVE_DATA_DIR "../share/ostrevald"
#endif
#ifndef OSTREVALD_SOURCE_DATA_DIR
#define OSTREVALD_SOURCE_DATA_DIR ""
#endif

namespace {

namespace fs = std::filesystem;

constexpr const char* kAssetsPrefix = "Assets/";
// Files and folders every copy of the data holds; a folder without them is not the data.
constexpr const char* kDataMarkers[] = {"Level/Level01.txt", "Level/Level02.txt", "Sprites"};

std::string& currentDataDir() {
    static std::string folder;
    return folder;
}

std::string absoluteOf(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string executablePath() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

} // namespace

DataDirSearch dataDirSearch(const std::string& option) {
    DataDirSearch search;
    if (!option.empty()) {
        search.chosen = option;
        search.chosenBy = "--data-dir";
    } else if (const char* variable = std::getenv("OSTREVALD_DATA_DIR"); variable && *variable) {
        search.chosen = variable;
        search.chosenBy = "OSTREVALD_DATA_DIR";
    }
    search.executable = executablePath();
    search.installed = OSTREVALD_INSTALLED_DATA_DIR;
    search.sourceTree = OSTREVALD_SOURCE_DATA_DIR;
    return search;
}

std::vector<std::string> dataDirCandidates(const DataDirSearch& search) {
    if (!search.chosen.empty()) return {withoutTrailingSlash(absoluteOf(search.chosen))};
    std::vector<std::string> candidates;
    if (!search.executable.empty()) {
        const fs::path beside = fs::path(search.executable).parent_path();
        candidates.push_back((beside / OSTREVALD_RELATIVE_DATA_DIR).lexically_normal().string());
        candidates.push_back((beside / "Assets").string());
    }
    for (const std::string& folder : {search.installed, search.sourceTree}) {
        // An install under its own prefix finds the same folder beside the executable.
        bool seen = folder.empty();
        for (const std::string& earlier : candidates) seen = seen || earlier == folder;
        if (!seen) candidates.push_back(folder);
    }
    return candidates;
}

bool holdsGameData(const std::string& folder) {
    std::error_code ec;
    for (const char* marker : kDataMarkers)
        if (!fs::exists(fs::path(folder) / marker, ec)) return false;
    return true;
}

DataDirChoice findDataDir(const DataDirSearch& search) {
    const std::vector<std::string> candidates = dataDirCandidates(search);
    for (const std::string& folder : candidates)
        if (holdsGameData(folder)) return {folder, ""};
    DataDirChoice choice;
    if (!search.chosen.empty()) {
        choice.error = "the folder given by " + search.chosenBy + " (" + candidates.front() +
                       ") does not hold the game's data (Level/Level01.txt, Sprites/)";
        return choice;
    }
    choice.error = "the game's data was not found (looked in";
    for (std::size_t i = 0; i < candidates.size(); ++i) choice.error += (i == 0 ? " " : ", ") + candidates[i];
    choice.error += "); name its folder with --data-dir DIR or OSTREVALD_DATA_DIR";
    return choice;
}

void setDataDir(const std::string& folder) { currentDataDir() = withoutTrailingSlash(folder); }

const std::string& dataDir() { return currentDataDir(); }

std::string dataPath(const std::string& path) {
    const std::string& folder = currentDataDir();
    if (folder.empty() || path.compare(0, 7, kAssetsPrefix) != 0) return path;
    return folder + "/" + path.substr(7);
}
