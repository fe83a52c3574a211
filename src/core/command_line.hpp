// The game's command line: what a player or a packager may ask for at start.
//   ostrevald [--windowed] [--seed N] [--data-dir DIR] [--user-dir DIR] [--self-test]
//   ostrevald --help | --version
#pragma once

#include <cstdint>
#include <string>

struct CommandLine {
    bool windowed = false;
    bool selfTest = false;
    bool seedGiven = false;
    std::uint32_t seed = 0;
    std::string dataDir; // "" when not given
    std::string userDir; // "" when not given
};

struct CommandLineOutcome {
    bool play = true;     // false: the program ends now with exitCode
    int exitCode = 0;     // 0 after --help or --version, 2 after a wrong command line
    std::string output;   // for standard output (help, version)
    std::string error;    // for standard error (what was wrong, then the usage)
};

const char* gameVersion();
CommandLineOutcome parseCommandLine(int argc, const char* const* argv, CommandLine* line);
