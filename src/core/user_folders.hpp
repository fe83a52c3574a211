// Where the game writes files of its own: the generated levels and the settings file. The
// start-up resolves the folders once and hands each writer the one it needs; nothing else
// decides where a file is written. The folders follow the XDG base directories:
//   settings          $XDG_CONFIG_HOME/ostrevald  (default ~/.config/ostrevald)
//   generated levels  $XDG_DATA_HOME/ostrevald    (default ~/.local/share/ostrevald)
// A variable that does not hold an absolute path is ignored, as the XDG rules say.
// OSTREVALD_HOME=DIR (or --user-dir DIR) puts all of them in DIR (tests, portable use).
#pragma once

#include <string>
#include <vector>

struct UserFolders {
    std::string levels;   // generated levels 3 to 10
    std::string settings; // the settings file
};

// What decides the folders, as read from the command line and the environment.
struct UserFolderSources {
    std::string userDir;    // --user-dir, else OSTREVALD_HOME
    std::string home;       // HOME, else the home of the password database
    std::string configHome; // XDG_CONFIG_HOME
    std::string dataHome;   // XDG_DATA_HOME
};

inline constexpr const char* kSettingsFileName = "Settings.txt";

UserFolderSources userFolderSources(const std::string& userDirOption);
// The folders those sources name; both empty when no home folder is known at all.
UserFolders userFoldersFrom(const UserFolderSources& sources);
// userFoldersFrom(userFolderSources(userDirOption)).
UserFolders resolveUserFolders(const std::string& userDirOption = "");

// Makes the folder and any missing parent, each with mode 0700, and checks that a file can
// be created in it. Returns "" when the folder is ready, else the reason (one phrase).
std::string prepareFolder(const std::string& folder);
// prepareFolder(folder) is "".
bool ensureFolder(const std::string& folder);

// Readies both folders for a run. A levels folder that cannot be used is replaced by a
// private temporary folder (its path goes to *temporaryLevels, "" otherwise; remove it when
// the run ends), so the run still has its levels; a settings folder that cannot be written
// is kept as it is: the settings found there (or the defaults) are read, and changes are not
// saved. Returns one message line per folder that could not be used.
std::vector<std::string> prepareUserFolders(UserFolders* folders, std::string* temporaryLevels);

// <settings folder>/Settings.txt
std::string settingsFilePathIn(const UserFolders& folders);
// The first start after an update: when the player's settings file does not exist yet,
// the one found in the old place (the data folder's, which earlier versions wrote) becomes
// its starting content. Returns true when it was copied.
bool adoptOldSettings(const std::string& settingsFile, const std::string& oldSettingsFile);
