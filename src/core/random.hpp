// The game's one random generator. Every random draw in the game goes through it,
// so a seed reproduces a whole run (OSTREVALD_SEED, tests, bug reports).
#pragma once

#include <cstdint>

constexpr int kRandomMax = 0x7FFFFFFF;

void seedRandom(std::uint32_t seed);
// Seeds from OSTREVALD_SEED when it holds a number, otherwise from the current time.
// Returns the seed used.
std::uint32_t seedRandomFromEnvironment();
// A value in [0, kRandomMax], used like the C library's rand().
int randomInt();
// A value in [low, high] (inclusive); low when high < low.
int randomRange(int low, int high);
