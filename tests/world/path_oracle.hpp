// The shortest-path search written the plain way, for checking the game's fast one: the
// open list scanned for the first lowest cost, the closed list appended to. The fast
// search must take exactly the same path on any board.
#pragma once

#include "world/path_search.hpp"

#include <cstddef>
#include <vector>

struct OracleNode {
    GridPos position;
    std::int32_t g = 0;
    double f = 0.0;
    int parent = -1; // index in the closed list
};

// The cells from the start's successor to the goal (or to the closed cell nearest the
// goal, the first closed among equals, when the goal cannot be reached).
inline std::vector<GridPos> referencePath(const TileMap* map, GridPos start, GridPos goal, std::int32_t side) {
    std::vector<OracleNode> open{{start, 0, cellDistance(start, goal), -1}};
    std::vector<OracleNode> closed;
    auto find = [](const std::vector<OracleNode>& list, GridPos cell) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].position == cell) return static_cast<int>(i);
        return -1;
    };
    const GridPos steps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    while (!open.empty()) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < open.size(); ++i)
            if (open[i].f < open[best].f) best = i;
        closed.push_back(open[best]);
        open.erase(open.begin() + static_cast<std::ptrdiff_t>(best));
        const int current = static_cast<int>(closed.size()) - 1;
        const OracleNode here = closed.back();
        if (here.position == goal) break;
        for (GridPos step : steps) {
            const GridPos next{here.position.x + step.x, here.position.y + step.y};
            if (!cellOnBoard(next)) continue;
            const Tile& tile = map->tiles[static_cast<std::size_t>(cellIndex(next))];
            const bool passable = tile.walkable || (side == SIDE_PLAYER ? tile.enemyHere : tile.heroHere);
            if (!passable || find(closed, next) >= 0) continue;
            const int waiting = find(open, next);
            if (waiting >= 0) {
                OracleNode& node = open[static_cast<std::size_t>(waiting)];
                if (node.g > here.g + 1) {
                    node.g = here.g + 1;
                    node.f = node.g + cellDistance(next, goal);
                    node.parent = current;
                }
            } else {
                open.push_back({next, here.g + 1, here.g + 1 + cellDistance(next, goal), current});
            }
        }
    }
    int end = static_cast<int>(closed.size()) - 1;
    if (!(closed[static_cast<std::size_t>(end)].position == goal)) {
        end = 0;
        for (std::size_t i = 0; i < closed.size(); ++i)
            if (cellDistance(closed[i].position, goal) < cellDistance(closed[static_cast<std::size_t>(end)].position, goal))
                end = static_cast<int>(i);
    }
    std::vector<GridPos> reversed;
    for (int node = end; node >= 0 && !(closed[static_cast<std::size_t>(node)].position == start);
         node = closed[static_cast<std::size_t>(node)].parent)
        reversed.push_back(closed[static_cast<std::size_t>(node)].position);
    return {reversed.rbegin(), reversed.rend()};
}
