// A player bot: plays whole games from the main menu to the win or defeat screen through
// the shell's event dispatch only (synthesized mouse moves and clicks, as a player makes
// them), with the game stepped by a fixed dt. It finds everything it clicks from the
// game's records (sprite bounds), never by calling game logic.
#pragma once

#include "app/game.hpp"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

enum class BotOutcome { Won, Lost, ReachedLevel, Stuck, BrokenRule };

struct BotGameReport {
    std::uint32_t seed = 0;
    BotOutcome outcome = BotOutcome::Stuck;
    std::int32_t levelReached = 1;
    long frames = 0;
    int fights = 0;
    int shopVisits = 0;
    int heals = 0;
    int hires = 0;
    int cratesOpened = 0;
    double slowestFrameMs = 0.0;  // update and draw of one drawn frame
    double slowestUpdateMs = 0.0; // update of one frame (every frame)
    // Where they happened: "map", "fight", "shop", ..., with "a -> b" for a frame that
    // changed screens, and the level.
    std::string slowestFrameAt;
    std::string slowestUpdateAt;
    long drawnFrames = 0;
    long framesOverBudget = 0; // drawn frames whose update and draw took more than 1/60 s
    std::string failure;         // the broken rule or where the game got stuck
    std::string lastScreenshot;  // saved when the game failed
    // Fingerprints of the board at every level start and of every fight's outcome.
    std::vector<std::uint64_t> levelHashes;
    std::vector<std::uint64_t> fightHashes;
    // Heroes on the board at every level start.
    std::vector<int> partyAtLevelStart;
    // The process's resident memory (kB) and the pictures and fonts in the cache at every
    // level start.
    std::vector<long> residentKbAtLevelStart;
    std::vector<std::size_t> cachedAtLevelStart;
    int continues = 0;      // games continued from their save (continueEverySaves)
    int fightContinues = 0; // of which, continued into the fight that had just opened
};

struct BotOptions {
    float dt = 1.f / 20.f;
    long maxFrames = 1000000;
    std::int32_t stopAtLevel = 0; // stop once this level has started (0: play to the end)
    bool stopAfterHire = false;   // stop once the level after the first shop visit with a hire has started
    int drawEvery = 10;           // draw one frame in this many, and every first frame of a scene or a fight (0: never)
    bool checkEveryFrame = true;  // run checkGameInvariants after every frame
    bool measureFrames = false;   // time updates, and update and draw of drawn frames
    int fightShotEvery = 0;       // save a screenshot of every Nth fight frame (0: none)
    int sceneShots = 0;           // save screenshots of the first frames of this many new screens
    // After every Nth autosave, the game is left and continued from the file, as after a
    // quit: the world is rebuilt from the save alone and the generator scrambled first (0: never).
    int continueEverySaves = 0;
};

// Plays one whole game in `game` (set up by makeTestGame with the seed in force).
BotGameReport playWholeGame(MainData* game, std::uint32_t seed, const BotOptions& options);
// Starts a game with `seed` (OSTREVALD_SEED), plays it and returns the report.
BotGameReport playSeed(std::uint32_t seed, const BotOptions& options);

const char* outcomeName(BotOutcome outcome);
// A short name for the screen shown: the scene, or "map" and "fight" on the board.
const char* screenName(SceneState scene, WorldPhase phase);
