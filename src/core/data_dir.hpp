// Where the game's read-only data lies. Every file the game reads under Assets/ is named in
// the code by its place in the repository ("Assets/Sprites/..."); dataPath() turns that name
// into the file to open, inside the one data folder chosen at start. The data folder holds
// what the repository's Assets/ folder holds (Level/, Sprites/, Fonts/, ...).
#pragma once

#include <string>
#include <vector>

// Where to look, in order: the folder named on the command line (or by OSTREVALD_DATA_DIR),
// folders beside the executable (a relocatable install, an unpacked archive), the folder
// of the install prefix the game was built for, and the source tree's Assets/.
struct DataDirSearch {
    std::string chosen;       // --data-dir or OSTREVALD_DATA_DIR; "" when neither is given
    std::string chosenBy;     // how it was given, for the message ("--data-dir", ...)
    std::string executable;   // the running program's own path; "" when unknown
    std::string installed;    // <prefix>/share/ostrevald as configured at build time
    std::string sourceTree;   // <source>/Assets
};

struct DataDirChoice {
    std::string folder; // "" when none was found
    std::string error;  // one line saying why, when none was found
};

// The search of this run: the option (or else the environment variable), this
// executable's path and the folders compiled in.
DataDirSearch dataDirSearch(const std::string& option);
// The folders tried, in order (a chosen folder is the only one tried).
std::vector<std::string> dataDirCandidates(const DataDirSearch& search);
// The first candidate that holds the game's data.
DataDirChoice findDataDir(const DataDirSearch& search);
// Whether `folder` holds the game's data: its two hand-made levels and its pictures.
bool holdsGameData(const std::string& folder);

// The data folder every dataPath() resolves into. Until it is set (tests, tools), names
// stay relative to the working directory, which is then the repository root.
void setDataDir(const std::string& folder);
const std::string& dataDir();
// "Assets/<rest>" -> "<data folder>/<rest>"; any other path is returned unchanged.
std::string dataPath(const std::string& path);
