// The grid searches of the world map: the move range shown for a selected hero, the
// shortest-path search that plans a hero's or an enemy's walk, and an enemy's target.
#pragma once

#include "core/path_list.hpp"
#include "world/tile_map.hpp"

#include <array>

#include <cstdint>

struct WorldGame;

enum : std::int32_t { SIDE_ENEMY = 0, SIDE_PLAYER = 1 };

// Shows the range square of every cell the player can reach from `start` with
// `movePoints` steps through cells that are walkable or hold an enemy (the start included).
void showRange(WorldGame* world, std::int32_t movePoints, GridPos start);
// Shortest 4-neighbour path from `start` to `goal` for the unit `unitIndex` of `side`.
// Stores the path in the unit (see storePlayerPath / storeEnemyPath) and moves its claim.
// When the goal cannot be reached the path leads to the reachable cell nearest to it.
void findPath(WorldGame* world, GridPos start, GridPos goal, std::int32_t side, std::int32_t unitIndex);
// Cell of the party player nearest to `cell` (ties to the lower party index).
GridPos findClosestPlayer(const WorldGame* world, GridPos cell);
double cellDistance(GridPos a, GridPos b);
// Move a unit's claim on the board from one cell to another.
void movePlayerOnGrid(WorldGame* world, GridPos from, GridPos to);
void moveEnemyOnGrid(WorldGame* world, GridPos from, GridPos to);

bool cellOnBoard(GridPos cell);
std::int32_t cellIndex(GridPos cell);

// The search result, the cells from the start's successor to the end cell, in walking
// order. Exposed for the two store functions and for tests.
struct GridPath {
    std::array<GridPos, kCellCount> cells{};
    std::int32_t length = 0;
    std::int32_t reachedGoal = 0;
};
// Runs the search alone, without storing or claiming anything.
void searchPath(const WorldGame* world, GridPos start, GridPos goal, std::int32_t side, GridPath* result);
void storePlayerPath(WorldGame* world, std::int32_t index, GridPos start, const GridPath* found);
void storeEnemyPath(WorldGame* world, std::int32_t index, GridPos start, const GridPath* found);
