#include "world/save_file.hpp"

#include "core/atomic_write.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

// The largest save the game writes is far below this; anything larger is not a save.
constexpr std::streamoff kMaxSaveBytes = 4 * 1024 * 1024;

enum class FileRead { Missing, TooLarge, Read };

FileRead readWholeFile(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileRead::Missing;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxSaveBytes) return FileRead::TooLarge;
    in.seekg(0, std::ios::beg);
    std::ostringstream out;
    out << in.rdbuf();
    *text = out.str();
    return FileRead::Read;
}

enum class Attempt { Missing, Loaded, Invalid, Newer };

Attempt tryRead(const std::string& path, SaveData* save, std::string* error) {
    std::string text;
    const FileRead read = readWholeFile(path, &text);
    if (read == FileRead::Missing) return Attempt::Missing;
    if (read == FileRead::TooLarge) {
        *error = "the file is far too large";
        return Attempt::Invalid;
    }
    switch (saveFromJson(text, save, error)) {
    case SaveParse::Ok:
        return Attempt::Loaded;
    case SaveParse::Newer:
        return Attempt::Newer;
    case SaveParse::Invalid:
        break;
    }
    return Attempt::Invalid;
}

void setAside(const std::string& path, const std::string& error) {
    std::fprintf(stderr, "The save %s was refused (%s) and renamed to %s\n", path.c_str(), error.c_str(),
                 saveCorruptPath(path).c_str());
    std::rename(path.c_str(), saveCorruptPath(path).c_str());
}

} // namespace

std::string saveFilePath(const std::string& folder) { return folder + "/" + kSaveFileName; }
std::string saveBackupPath(const std::string& path) { return path + ".bak"; }
std::string saveCorruptPath(const std::string& path) { return path + ".corrupt"; }

bool writeSaveFile(const std::string& path, const SaveData* save) { return writeSaveText(path, saveToJson(save)); }

bool writeSaveText(const std::string& path, const std::string& text) {
    // The previous save becomes the backup in one rename; should the write below fail or
    // be cut short, the reader finds the backup whole.
    if (std::rename(path.c_str(), saveBackupPath(path).c_str()) != 0 && errno != ENOENT)
        std::fprintf(stderr, "The previous save %s could not be kept as a backup: %s\n", path.c_str(),
                     std::strerror(errno));
    const WriteResult result = writeFileAtomically(path, text);
    if (result == WriteResult::Written) return true;
    std::fprintf(stderr, "The game cannot be saved: %s could not be written\n", path.c_str());
    return false;
}

SaveLoadResult readSaveFile(const std::string& path, SaveData* save) {
    SaveLoadResult result;
    std::string error;
    SaveData loaded;
    const Attempt main = tryRead(path, &loaded, &error);
    if (main == Attempt::Loaded) {
        *save = loaded;
        result.status = SaveLoad::Loaded;
        return result;
    }
    if (main == Attempt::Newer) {
        std::fprintf(stderr, "The save %s was written by a newer version of the game; it is left as it is\n",
                     path.c_str());
        result.status = SaveLoad::Newer;
        result.message = "Your saved game needs a newer version of Ostrevald";
        return result;
    }
    if (main == Attempt::Invalid) setAside(path, error);

    const std::string backup = saveBackupPath(path);
    std::string backupError;
    const Attempt second = tryRead(backup, &loaded, &backupError);
    if (second == Attempt::Loaded) {
        *save = loaded;
        // The backup becomes the save again, so the next start finds it in its place.
        std::rename(backup.c_str(), path.c_str());
        result.status = SaveLoad::LoadedBackup;
        if (main == Attempt::Invalid) result.message = "Your save was damaged: the one before it was restored";
        return result;
    }
    if (second == Attempt::Newer) {
        result.status = main == Attempt::Invalid ? SaveLoad::Refused : SaveLoad::NoSave;
        if (main == Attempt::Invalid) result.message = "Your saved game was damaged and could not be read";
        return result;
    }
    if (second == Attempt::Invalid) setAside(backup, backupError);
    if (main == Attempt::Missing && second == Attempt::Missing) return result;
    result.status = SaveLoad::Refused;
    result.message = "Your saved game was damaged and could not be read";
    return result;
}

void removeSaveFile(const std::string& path) {
    std::remove(path.c_str());
    std::remove(saveBackupPath(path).c_str());
}
