// How fast the enemies' turns play, on the map and in a fight. The speed changes only how
// long the player watches: what the enemies do is the same at every speed.
#pragma once

#include <cstdint>

enum class EnemySpeed : std::int32_t { Normal = 0, Fast = 1, Instant = 2 };
constexpr std::int32_t kEnemySpeedCount = 3;

// How many seconds of the enemies' turn pass in one second of play (Instant has no wait at all).
inline float enemyTimeScale(EnemySpeed speed) { return speed == EnemySpeed::Fast ? 2.f : 1.f; }
