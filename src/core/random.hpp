// The game's two random generators. Every draw that decides the game (levels, placements,
// fights, intents, crate gold) goes through the gameplay generator; draws that only change
// the look of a screen (idle-frame offsets, menu walkers, portraits) go through the
// cosmetic one. One seed sets both, and since the cosmetic draws never touch the gameplay
// sequence, a seed reproduces a whole run however long the player idles in a menu
// (OSTREVALD_SEED, tests, bug reports).
#pragma once

#include <cstdint>
#include <string>

constexpr int kRandomMax = 0x7FFFFFFF;

void seedRandom(std::uint32_t seed);
// Seeds from the seed chosen on the command line, else from OSTREVALD_SEED when it holds a
// number, otherwise from the current time. Returns the seed used.
std::uint32_t seedRandomFromEnvironment();
// The seed every later seedRandomFromEnvironment() uses (--seed N).
void chooseStartSeed(std::uint32_t seed);
// A value in [0, kRandomMax], used like the C library's rand().
int randomInt();
// A value in [low, high] (inclusive); low when high < low.
int randomRange(int low, int high);

// The cosmetic generator: same contracts as randomInt and randomRange.
int cosmeticRandomInt();
int cosmeticRandomRange(int low, int high);

// The generators' whole state as text (the engine's own textual form), so a saved game
// goes on drawing exactly what the uninterrupted game would have drawn. The setters
// return false, leaving the generator as it was, for text that is not such a state.
std::string randomState();
bool setRandomState(const std::string& state);
// Whether `state` is a generator state the setters accept.
bool validRandomState(const std::string& state);
std::string cosmeticRandomState();
bool setCosmeticRandomState(const std::string& state);
