// The enemy-turn speed in force: the player's setting, or Instant while Space or the right
// mouse button is held (a hurried player need not open the settings).
#pragma once

#include "app/main_data.hpp"
#include "core/enemy_speed.hpp"

EnemySpeed enemySpeedInForce(const MainData* data);
