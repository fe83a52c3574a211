// Level files: "TileType" followed by the 510 tile codes of the 30x17 board in row order
// (row 0 first, each row from column 0 to 29), separated by any whitespace.
#pragma once

#include "core/grid.hpp"

#include <array>
#include <cstdint>
#include <string>

using LevelCodes = std::array<std::int32_t, kCellCount>;

inline constexpr const char* kLevelFolder = "Assets/Level";
inline constexpr const char* kOpenFileError = "Open file error !!!";

// Levels 1 and 2 are authored and lie in kLevelFolder; the later ones are generated at
// every start into a folder the shell chooses.
constexpr int kFirstGeneratedLevel = 3;

// "<folder>/LevelNN.txt" with the level number printed as "%02d".
std::string levelFilePath(const std::string& folder, int level);
// The file of `level`: an authored level's in kLevelFolder, a generated one's in
// `generatedFolder`.
std::string levelFileFor(const std::string& generatedFolder, int level);

// Parses the text of a level file. On success fills *codes and returns true; otherwise
// leaves *codes untouched and describes the first problem in *error.
bool parseLevelText(const std::string& text, LevelCodes* codes, std::string* error);

enum LevelReadStatus {
    LEVEL_READ_OK = 0,
    LEVEL_READ_OPEN_FAILED = 1, // "Open file error !!!" printed to standard output
    LEVEL_READ_INVALID = 2,     // the problem printed to standard error
};

// Reads and checks a level file. *codes changes only when the whole file is valid.
LevelReadStatus readLevelFile(const std::string& path, LevelCodes* codes);

// The text the game writes: "TileType\n", then each row as 30 codes and "\n". Padded
// codes use "%02d " (the refined layout), unpadded ones "%d " (the raw random ground).
std::string formatLevelText(const LevelCodes& codes, bool padded);

// Writes `text` to `path` through a temporary file in the same folder that replaces the
// old file only once it is complete, so a crash or a full disk never leaves half a level.
// Prints "Open file error !!!" when the temporary file cannot be created, and a message on
// standard error when writing it fails. Returns true once the file is in place.
bool writeLevelText(const std::string& path, const std::string& text);
