#include "core/random.hpp"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <random>
#include <sstream>

namespace {
std::mt19937& generator() {
    static std::mt19937 engine(5489u);
    return engine;
}
// Draws that change only what the screen shows (idle-frame offsets, menu walkers,
// portraits) use their own engine, so how long a player idles in a menu never shifts
// the game's own draws.
std::mt19937& cosmeticGenerator() {
    static std::mt19937 engine(0x5EEDu);
    return engine;
}
struct ChosenSeed {
    bool chosen = false;
    std::uint32_t seed = 0;
};
ChosenSeed& chosenSeed() {
    static ChosenSeed chosen;
    return chosen;
}
std::string engineState(const std::mt19937& engine) {
    std::ostringstream out;
    out << engine;
    return out.str();
}
bool setEngineState(std::mt19937* engine, const std::string& state) {
    // Exactly 624 words and the position, nothing before, between or after but spaces.
    std::istringstream in(state);
    std::mt19937 candidate;
    in >> candidate;
    if (in.fail()) return false;
    in >> std::ws;
    if (!in.eof()) return false;
    *engine = candidate;
    return true;
}
} // namespace

std::string randomState() { return engineState(generator()); }
bool setRandomState(const std::string& state) { return setEngineState(&generator(), state); }
bool validRandomState(const std::string& state) {
    std::mt19937 scratch;
    return setEngineState(&scratch, state);
}
std::string cosmeticRandomState() { return engineState(cosmeticGenerator()); }
bool setCosmeticRandomState(const std::string& state) { return setEngineState(&cosmeticGenerator(), state); }

void chooseStartSeed(std::uint32_t seed) { chosenSeed() = {true, seed}; }

void seedRandom(std::uint32_t seed) {
    generator().seed(seed);
    cosmeticGenerator().seed(seed ^ 0x9E3779B9u);
}

std::uint32_t seedRandomFromEnvironment() {
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (chosenSeed().chosen) {
        seed = chosenSeed().seed;
    } else if (const char* text = std::getenv("OSTREVALD_SEED")) {
        char* end = nullptr;
        errno = 0;
        const unsigned long long value = std::strtoull(text, &end, 10);
        if (end != text && *end == '\0' && errno == 0) seed = static_cast<std::uint32_t>(value);
    }
    seedRandom(seed);
    return seed;
}

int randomInt() { return static_cast<int>(generator()() & 0x7FFFFFFFu); }

int randomRange(int low, int high) {
    if (high <= low) return low;
    const unsigned span = static_cast<unsigned>(high - low) + 1u;
    return low + static_cast<int>(static_cast<unsigned>(randomInt()) % span);
}

int cosmeticRandomInt() { return static_cast<int>(cosmeticGenerator()() & 0x7FFFFFFFu); }

int cosmeticRandomRange(int low, int high) {
    if (high <= low) return low;
    const unsigned span = static_cast<unsigned>(high - low) + 1u;
    return low + static_cast<int>(static_cast<unsigned>(cosmeticRandomInt()) % span);
}
