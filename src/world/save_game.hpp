// The saved game: everything a game needs to go on exactly as it would have gone on
// (the ground of the level and of the levels still to come, the units, the crates, the
// gold, the tutorial flags, whose turn it is, the gameplay generator and, in a fight, the
// gathered fighters), as one plain record, its JSON text and its file beside the
// player's levels. A file that is not a whole, valid save is refused as a whole.
#pragma once

#include "world/world_record.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <array>
#include <cstdint>
#include <string>

// The format written; a file naming a later one is left alone.
constexpr std::int32_t kSaveVersion = 1;
constexpr std::int32_t kLastLevel = 10;
// The future levels a save carries: every generated level after the first one played.
constexpr int kMaxSavedLevels = kLastLevel;
// Gold above this is not a value the game can reach: the file was edited.
constexpr std::int32_t kMaxSavedGold = 1000000;
// A unit's maximum life above this was not made by the game.
constexpr float kMaxSavedLife = 100000.f;

// Bits of SaveData::cellFlags, one word per cell: the occupancy of the board as it stood.
enum : std::int32_t { CELL_WALKABLE = 1, CELL_HERO = 2, CELL_ENEMY = 4, CELL_CRATE = 8 };

struct SavedHero {
    std::int32_t type = 0;
    sf::Vector2f position;
    std::int32_t moving = 0;
    MapWalk walk;
    std::int32_t interactPending = 0;
    UnitStats stats;
    std::int32_t maxMovePoints = kMaxPathCells;
    std::int32_t movePoints = 0;
    friend bool operator==(const SavedHero&, const SavedHero&) = default;
};

struct SavedEnemy {
    std::int32_t type = 0;
    sf::Vector2f position;
    std::int32_t moving = 0;
    MapWalk walk;
    std::int32_t acted = 0;
    UnitStats stats;
    std::int32_t maxMovePoints = kMaxPathCells;
    friend bool operator==(const SavedEnemy&, const SavedEnemy&) = default;
};

struct SavedCrate {
    GridPos cell;
    std::int32_t opened = 0;
    friend bool operator==(const SavedCrate&, const SavedCrate&) = default;
};

struct SavedLevel {
    std::int32_t level = 0;
    LevelCodes codes{};
    friend bool operator==(const SavedLevel&, const SavedLevel&) = default;
};

struct SaveData {
    std::int32_t version = kSaveVersion;
    std::int32_t level = 1;
    std::int32_t gold = 0;
    std::int32_t playerTurn = 1;
    std::int32_t startTutorialShown = 0;
    std::int32_t fightTutorialShown = 0;
    // The gameplay generator; in a fight, as it stood before the fight drew its hands.
    std::string randomState;
    LevelCodes tileCodes{};
    std::array<std::int32_t, kCellCount> cellFlags{};
    std::array<SavedLevel, kMaxSavedLevels> futureLevels{};
    std::int32_t futureLevelCount = 0;
    std::array<SavedHero, kMaxPlayers> heroes{};
    std::int32_t heroCount = 0;
    std::int32_t leaderAlive = 1;
    std::int32_t selectedIndex = 0;
    std::array<SavedEnemy, kMaxEnemies> enemies{};
    std::int32_t enemyCount = 0;
    std::array<SavedCrate, kCrateCount> crates{};
    std::int32_t crateCount = 0;
    // 1 when the game was saved as a fight opened: Continue opens it again on `encounter`.
    std::int32_t inFight = 0;
    Encounter encounter;
    friend bool operator==(const SaveData&, const SaveData&) = default;
};

// The game as it stands. The levels still to come are read from the world's level folder.
SaveData captureSave(const WorldGame* world);
// Builds the world from the save with the builders a new game uses, writes the levels still
// to come into `levelFolder` (where the game reads them), sets the gameplay generator and,
// for a save taken in a fight, opens that fight again. The save must have passed
// saveFromJson's checks.
void restoreSave(WorldGame* world, const SaveData* save, sf::RenderWindow* window, const std::string& levelFolder);

std::string saveToJson(const SaveData* save);
enum class SaveParse { Ok, Invalid, Newer };
// Reads and checks the whole text. On Ok fills *save; otherwise leaves it untouched and
// says what is wrong in *error.
SaveParse saveFromJson(const std::string& text, SaveData* save, std::string* error);
// A digest of every saved field (through the canonical text).
std::uint64_t hashSaveData(const SaveData* save);
