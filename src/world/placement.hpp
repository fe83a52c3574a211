// Where units start: the heroes in the five left columns, the enemies in the five right
// ones, each on a free cell joined by open ground to the other side's columns.
#pragma once

#include "world/world_record.hpp"

#include <cstdint>

// Placement. Each returns 1 when the unit was placed, 0 when no cell qualified (the
// reason is written to standard error and nothing is placed).
std::int32_t spawnLeader(WorldGame* world, std::int32_t pick);
std::int32_t spawnPlayer(WorldGame* world, std::int32_t pick);
std::int32_t spawnFirstEnemy(WorldGame* world);
std::int32_t spawnEnemy(WorldGame* world);
void spawnParty(WorldGame* world, const std::int32_t chosenTeam[4]);
void spawnEnemies(WorldGame* world, std::int32_t count);

// Gives every hero, in party order, a new cell drawn as for spawnPlayer (a new level).
void scatterParty(WorldGame* world);
