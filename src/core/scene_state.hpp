// Which half of the world scene runs.
#pragma once

#include <cstdint>

using WorldPhase = std::int32_t;

enum : WorldPhase {
    WORLD_PHASE_MAP = 1,
    WORLD_PHASE_FIGHT = 2,
};

inline void initWorldPhase(WorldPhase* phase) { *phase = WORLD_PHASE_MAP; }
inline void setWorldPhase(WorldPhase* phase, WorldPhase value) { *phase = value; }
