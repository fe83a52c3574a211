#include "core/user_folders.hpp"

#include "core/atomic_write.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kAppFolder = "ostrevald";
// A settings file is a few short lines; a larger file in the old place is not ours.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isAbsolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

std::string homeFromPasswordDatabase() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir) return "";
    return found->pw_dir;
}

// A folder for the levels of this run alone, in the runtime folder of the session, or else
// the temporary folder.
std::string makeTemporaryLevels() {
    std::string root = variable("XDG_RUNTIME_DIR");
    std::error_code ec;
    if (!isAbsolute(root) || !fs::is_directory(root, ec)) root = variable("TMPDIR");
    if (!isAbsolute(root) || !fs::is_directory(root, ec)) root = "/tmp";
    std::string pattern = root + "/ostrevald-levels-XXXXXX";
    if (!mkdtemp(pattern.data())) return "";
    return pattern;
}

} // namespace

UserFolderSources userFolderSources(const std::string& userDirOption) {
    UserFolderSources sources;
    sources.userDir = userDirOption.empty() ? variable("OSTREVALD_HOME") : userDirOption;
    sources.home = variable("HOME");
    if (!isAbsolute(sources.home)) sources.home = homeFromPasswordDatabase();
    sources.configHome = variable("XDG_CONFIG_HOME");
    sources.dataHome = variable("XDG_DATA_HOME");
    return sources;
}

UserFolders userFoldersFrom(const UserFolderSources& sources) {
    if (!sources.userDir.empty()) {
        std::error_code ec;
        fs::path folder = fs::absolute(sources.userDir, ec);
        const std::string own = ec ? sources.userDir : folder.lexically_normal().string();
        return {own, own};
    }
    const bool haveHome = isAbsolute(sources.home);
    std::string configHome = sources.configHome;
    if (!isAbsolute(configHome)) configHome = haveHome ? sources.home + "/.config" : "";
    std::string dataHome = sources.dataHome;
    if (!isAbsolute(dataHome)) dataHome = haveHome ? sources.home + "/.local/share" : "";
    UserFolders folders;
    if (!dataHome.empty()) folders.levels = dataHome + "/" + kAppFolder;
    if (!configHome.empty()) folders.settings = configHome + "/" + kAppFolder;
    return folders;
}

UserFolders resolveUserFolders(const std::string& userDirOption) {
    return userFoldersFrom(userFolderSources(userDirOption));
}

std::string prepareFolder(const std::string& folder) {
    if (folder.empty()) return "no home folder is known (HOME is not set)";
    // Each missing part is made on its own, so every folder made gets mode 0700.
    std::string part;
    std::size_t at = 0;
    while (at != std::string::npos) {
        const std::size_t next = folder.find('/', at + 1);
        part = folder.substr(0, next);
        at = next;
        if (part.empty() || part == "/") continue;
        struct stat info {};
        if (stat(part.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) return part + " is not a folder";
            continue;
        }
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return std::string("cannot create ") + part + " (" + std::strerror(errno) + ")";
    }
    // The only sure test that files can be made there is to make one.
    const std::string probe = folder + "/.ostrevald-probe-" + std::to_string(getpid());
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return std::string("cannot write in ") + folder + " (" + std::strerror(errno) + ")";
    close(fd);
    unlink(probe.c_str());
    return "";
}

bool ensureFolder(const std::string& folder) { return prepareFolder(folder).empty(); }

std::vector<std::string> prepareUserFolders(UserFolders* folders, std::string* temporaryLevels) {
    temporaryLevels->clear();
    const std::string levelsProblem = prepareFolder(folders->levels);
    // One folder for both (OSTREVALD_HOME) is tried once.
    const bool shared = folders->settings == folders->levels;
    std::string settingsProblem = shared ? levelsProblem : prepareFolder(folders->settings);
    std::string levelsMessage;
    if (!levelsProblem.empty()) {
        *temporaryLevels = makeTemporaryLevels();
        if (temporaryLevels->empty()) {
            levelsMessage = levelsProblem + ": the generated levels cannot be written this run";
        } else {
            levelsMessage = levelsProblem + ": this run keeps its generated levels in " + *temporaryLevels +
                            ", removed when it ends";
            folders->levels = *temporaryLevels;
            // Without any home the run's own folder holds its settings too.
            if (folders->settings.empty()) {
                folders->settings = *temporaryLevels;
                settingsProblem.clear();
            }
        }
    }
    std::vector<std::string> messages;
    if (!settingsProblem.empty() && settingsProblem == levelsProblem) {
        messages.push_back(levelsMessage + "; settings changes are not saved");
    } else {
        if (!levelsMessage.empty()) messages.push_back(levelsMessage);
        if (!settingsProblem.empty()) messages.push_back(settingsProblem + ": settings changes are not saved this run");
    }
    return messages;
}

std::string settingsFilePathIn(const UserFolders& folders) { return folders.settings + "/" + kSettingsFileName; }

bool adoptOldSettings(const std::string& settingsFile, const std::string& oldSettingsFile) {
    std::error_code ec;
    if (fs::exists(settingsFile, ec) || ec) return false;
    if (!fs::is_regular_file(oldSettingsFile, ec) || fs::file_size(oldSettingsFile, ec) > kMaxSettingsBytes || ec)
        return false;
    std::ifstream old(oldSettingsFile, std::ios::binary);
    if (!old) return false;
    const std::string text((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
    return writeFileAtomically(settingsFile, text) == WriteResult::Written;
}
