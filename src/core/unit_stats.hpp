// The block of values every unit, hero or enemy, carries on the map and into a fight,
// and the unit types both sides know. The map and the fight share this header and
// nothing else of each other.
#pragma once

#include <cstdint>

// Hero types (world players, fight allies).
constexpr int kPlayerTypeCount = 6;
enum : std::int32_t { PLAYER_IRINA = 0, PLAYER_REM = 1, PLAYER_TUNGSTENE = 2, PLAYER_LIGHT = 3, PLAYER_HEAVY = 4,
                      PLAYER_SHIELD = 5 };

// Enemy types (world enemies, fight enemies).
constexpr int kEnemyTypeCount = 5;
enum : std::int32_t { ENEMY_LIGHT = 0, ENEMY_HEAVY = 1, ENEMY_SHIELD = 2, ENEMY_TANK = 3, ENEMY_BOSS = 4 };

// At most this many heroes and this many enemies take part in one fight.
constexpr int kMaxFighters = 3;

// Nineteen 32-bit values copied by value into and out of a fight. Only maxLife, life,
// type and unitIndex are used on the map; the fight gives the named values their meaning
// and the unnamed ones simply travel with the unit.
struct UnitStats {
    std::int32_t reserved0 = 0;
    std::int32_t reserved1 = 0;
    float maxLife = 100.f;
    std::int32_t life = 100;
    std::int32_t type = 0;
    std::int32_t attack = 20;
    std::int32_t reserved6 = 10;
    std::int32_t armorGift = 10;
    std::int32_t reserved8 = 5;
    std::int32_t armorGiftAll = 20;
    std::int32_t reserved10 = 10;
    std::int32_t reserved11 = 5;
    std::int32_t armorBreak = 30;
    std::int32_t reserved13 = 20;
    std::int32_t attackGift = 0;
    std::int32_t defenseGift = 0;
    std::int32_t actionPoints = 3;
    std::int32_t reserved17 = 0;
    std::int32_t unitIndex = -1;
    friend bool operator==(const UnitStats&, const UnitStats&) = default;
};
static_assert(sizeof(UnitStats) == 19 * 4, "UnitStats is nineteen 32-bit values");

// The stats every new unit starts with (heroes and enemies alike): full life, the given
// type, not gathered into a fight.
UnitStats initialUnitStats(std::int32_t type);
