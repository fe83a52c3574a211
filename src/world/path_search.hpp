// The grid searches of the world map: the cells a hero can reach this turn and the
// shortest-path search that plans a hero's or an enemy's walk. Both read only the tile map.
#pragma once

#include "core/grid.hpp"
#include "world/tile_map.hpp"

#include <array>
#include <cstdint>

enum : std::int32_t { SIDE_ENEMY = 0, SIDE_PLAYER = 1 };

// Whether a unit of `side` may step onto `tile`: free ground, or a cell where one unit of
// the other side stands alone (a meeting). A cell that already holds a unit of the same
// side, or one of each, is closed: a cell never holds two heroes or two enemies.
bool cellPassable(const Tile& tile, std::int32_t side);

// The cells a unit of `side` standing on `start` reaches with `movePoints` steps through
// cells passable for it (the start always included): a hero's range, an enemy's reach.
GridFill moveRange(const TileMap* map, std::int32_t movePoints, GridPos start, std::int32_t side = SIDE_PLAYER);

// The search result, the cells from the start's successor to the end cell, in walking
// order.
struct GridPath {
    std::array<GridPos, kCellCount> cells{};
    std::int32_t length = 0;
    std::int32_t reachedGoal = 0;
};
// Shortest 4-neighbour path from `start` to `goal` through cells passable for `side`
// (the goal's own cell included). When the goal cannot be reached the path leads to the
// reachable cell nearest to it. Stores nothing and claims nothing.
void searchPath(const TileMap* map, GridPos start, GridPos goal, std::int32_t side, GridPath* result);
