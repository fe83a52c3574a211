// Where the game writes files of its own: the generated levels and the settings file. The
// shell resolves the folders once at start and hands each writer the one it needs; nothing
// else decides where a file is written.
#pragma once

#include <string>

struct UserFolders {
    std::string levels;   // generated levels 3 to 10
    std::string settings; // the settings file
};

// OSTREVALD_HOME=DIR puts every written file under DIR (tests, portable use); otherwise the
// files stay beside the game's data as they always have.
UserFolders resolveUserFolders();
// Makes the folder (and its parents) when missing; false when it cannot be made.
bool ensureFolder(const std::string& folder);
