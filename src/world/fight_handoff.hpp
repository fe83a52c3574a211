// The fighters the map hands to a card battle: copies of the gathered heroes' and enemies'
// stats, in gathering order, each naming by `unitIndex` the map unit it stands for, so the
// outcome can be written back when the battle ends.
#pragma once

#include "core/unit_stats.hpp"
#include "fight/fight_scene.hpp"

#include <array>
#include <cstdint>

struct Encounter {
    std::int32_t playerCount = 0;
    std::int32_t enemyCount = 0;
    std::array<UnitStats, kMaxFighters> players{};
    std::array<UnitStats, kMaxFighters> enemies{};
    friend bool operator==(const Encounter&, const Encounter&) = default;
};
