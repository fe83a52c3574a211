// The board's side of walking: showing a hero's move range, planning a unit's walk and
// claiming its end cell, and keeping each cell's occupant flags true to the units on it.
#pragma once

#include "world/path_search.hpp"
#include "world/world_record.hpp"

#include <cstdint>

// Shows the range square of every cell the hero on `start` reaches with `movePoints`
// steps (red on a lone enemy's cell, plain elsewhere).
void showRange(WorldGame* world, std::int32_t movePoints, GridPos start);
// Selects hero `index` (standing still, move points left): its range shown from its cell.
// Returns false, changing nothing, for any other hero.
bool selectHero(WorldGame* world, std::int32_t index);
// Plans the walk of unit `unitIndex` of `side` from `start` toward `goal`, stores it in
// the unit and moves the unit's claim to the path's end.
void findPath(WorldGame* world, GridPos start, GridPos goal, std::int32_t side, std::int32_t unitIndex);
// Stores the first cells of `found` as the walk of unit `index` of `side` and moves its
// claim to the walk's end. A hero takes the whole path or nothing (it is only sent to a
// cell it reaches); an enemy walks as far as its move points allow.
void storePath(WorldGame* world, std::int32_t side, std::int32_t index, GridPos start, const GridPath* found);
// Cell of the party player nearest to `cell` (ties to the lower party index).
GridPos findClosestPlayer(const WorldGame* world, GridPos cell);

// Moves the claim of hero (enemy) `index` from one cell to another. The cell left keeps
// its flag while another unit of the same side still holds it.
void movePlayerOnGrid(WorldGame* world, std::int32_t index, GridPos from, GridPos to);
void moveEnemyOnGrid(WorldGame* world, std::int32_t index, GridPos from, GridPos to);
// Frees the cell held by hero (enemy) `index`, before it leaves its list.
void releasePlayerCell(WorldGame* world, std::int32_t index);
void releaseEnemyCell(WorldGame* world, std::int32_t index);
