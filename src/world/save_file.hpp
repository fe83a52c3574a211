// The save on disk: one file in the player's data folder, the one before it kept beside
// it as "<file>.bak". A file that cannot be read as a whole, valid save is renamed aside
// ("<file>.corrupt") and the backup tried; a save of a newer version is left untouched.
#pragma once

#include "world/save_game.hpp"

#include <string>

inline constexpr const char* kSaveFileName = "save.json";

enum class SaveLoad {
    Loaded,        // the save itself
    LoadedBackup,  // the save was refused (or missing) and the backup read instead
    NoSave,        // nothing to continue
    Refused,       // the save (and the backup, if any) refused and renamed aside
    Newer,         // written by a newer version of the game; left as it is
};

struct SaveLoadResult {
    SaveLoad status = SaveLoad::NoSave;
    // What the main menu tells the player; empty when there is nothing to tell.
    std::string message;
};

std::string saveFilePath(const std::string& folder);
std::string saveBackupPath(const std::string& path);
std::string saveCorruptPath(const std::string& path);

// Writes the save through the atomic writer, the previous one kept as the backup. Returns
// false (and says why on standard error) when it could not be written; the game goes on.
bool writeSaveFile(const std::string& path, const SaveData* save);
// The same for a save already turned into its text (saveToJson).
bool writeSaveText(const std::string& path, const std::string& text);
// Reads the save at `path` into *save (untouched unless something was loaded).
SaveLoadResult readSaveFile(const std::string& path, SaveData* save);
// The game is over: the save and its backup go.
void removeSaveFile(const std::string& path);
