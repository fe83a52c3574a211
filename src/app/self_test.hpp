// A quick check that an installed game can play: in a small window of its own it writes
// the generated levels into the player's folder, starts a new game with a default team and
// plays its first frames on the world map, then says in one line what it saw.
#pragma once

#include "core/user_folders.hpp"

#include <cstdint>
#include <string>

struct SelfTestReport {
    bool passed = false;
    std::string summary; // one line: what was checked, or what failed
};

constexpr std::int32_t kSelfTestFrames = 30;

SelfTestReport runSelfTest(const UserFolders& folders, std::int32_t frames);
