// Which half of the world scene runs: the map, or the card battle opened on it.
#pragma once

#include <cstdint>

using WorldPhase = std::int32_t;

enum : WorldPhase {
    WORLD_PHASE_MAP = 1,
    WORLD_PHASE_FIGHT = 2,
};
