#include "world/path_search.hpp"


#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum : std::uint8_t { NODE_NONE = 0, NODE_OPEN = 1, NODE_CLOSED = 2 };

// One entry of the open set. Among equal costs the node that joined the open set first
// is taken, exactly as a scan of an insertion-ordered list that keeps the first minimum.
struct OpenEntry {
    double f;
    std::int32_t order;
    std::int32_t cell;
};

// Heap ordering: the top is the smallest f, then the smallest insertion order.
bool laterThan(const OpenEntry& a, const OpenEntry& b) {
    if (a.f != b.f) return a.f > b.f;
    return a.order > b.order;
}

} // namespace

bool cellPassable(const Tile& tile, std::int32_t side) {
    if (tile.walkable) return true;
    if (tile.heroHere && tile.enemyHere) return false;
    return side == SIDE_PLAYER ? tile.enemyHere != 0 : tile.heroHere != 0;
}

GridFill moveRange(const TileMap* map, std::int32_t movePoints, GridPos start, std::int32_t side) {
    return floodFillGrid(&start, 1, movePoints < 0 ? 0 : movePoints, [map, side](std::int32_t index) {
        return cellPassable(map->tiles[static_cast<std::size_t>(index)], side);
    });
}

void searchPath(const TileMap* map, GridPos start, GridPos goal, std::int32_t side, GridPath* result) {
    result->length = 0;
    result->reachedGoal = 0;
    if (!cellOnBoard(start)) return;

    std::array<std::uint8_t, kCellCount> state{};
    std::array<std::int32_t, kCellCount> g{};
    std::array<double, kCellCount> f{};
    std::array<std::int32_t, kCellCount> order{};
    std::array<std::int16_t, kCellCount> parent{};
    // Every cell joins the open set once and is re-costed at most four times.
    std::array<OpenEntry, kCellCount * 5 + 1> heap;
    std::size_t heapSize = 0;
    std::int32_t nextOrder = 0;

    const std::int32_t startIndex = cellIndex(start);
    state[static_cast<std::size_t>(startIndex)] = NODE_OPEN;
    parent[static_cast<std::size_t>(startIndex)] = -1;
    f[static_cast<std::size_t>(startIndex)] = 0.0; // the start is taken first whatever its estimate
    order[static_cast<std::size_t>(startIndex)] = nextOrder++;
    heap[heapSize++] = {0.0, 0, startIndex};

    // Where the walk ends when the goal cannot be reached: the closed cell nearest to
    // the goal (the first one closed among equals), so a blocked unit still closes in.
    std::int32_t nearest = startIndex;
    double nearestDistance = cellDistance(start, goal);
    std::int32_t lastClosed = startIndex;
    while (heapSize > 0) {
        std::pop_heap(heap.begin(), heap.begin() + static_cast<std::ptrdiff_t>(heapSize), laterThan);
        const OpenEntry top = heap[--heapSize];
        const std::size_t current = static_cast<std::size_t>(top.cell);
        if (state[current] != NODE_OPEN || f[current] != top.f) continue; // superseded by a cheaper entry
        state[current] = NODE_CLOSED;
        lastClosed = top.cell;
        const GridPos cell{top.cell % kMapColumns, top.cell / kMapColumns};
        if (cell == goal) break;
        if (cellDistance(cell, goal) < nearestDistance) {
            nearest = top.cell;
            nearestDistance = cellDistance(cell, goal);
        }
        for (int k = 0; k < 4; ++k) {
            const GridPos next = neighbourCell(cell, k);
            if (!cellOnBoard(next)) continue;
            const std::size_t n = static_cast<std::size_t>(cellIndex(next));
            if (!cellPassable(map->tiles[n], side) || state[n] == NODE_CLOSED) continue;
            const std::int32_t newG = g[current] + 1;
            if (state[n] == NODE_OPEN) {
                if (g[n] <= newG) continue;
            } else {
                state[n] = NODE_OPEN;
                order[n] = nextOrder++;
            }
            g[n] = newG;
            f[n] = static_cast<double>(newG) + cellDistance(next, goal);
            parent[n] = static_cast<std::int16_t>(current);
            if (heapSize < heap.size()) {
                heap[heapSize++] = {f[n], order[n], static_cast<std::int32_t>(n)};
                std::push_heap(heap.begin(), heap.begin() + static_cast<std::ptrdiff_t>(heapSize), laterThan);
            }
        }
    }

    const bool reached = cellOnBoard(goal) && lastClosed == cellIndex(goal);
    const std::int32_t end = reached ? lastClosed : nearest;
    // Walk back from the end cell to the start, then lay the cells out in walking order.
    std::int32_t length = 0;
    for (std::int32_t c = end; c != startIndex && c >= 0; c = parent[static_cast<std::size_t>(c)]) ++length;
    result->length = length;
    std::int32_t k = length - 1;
    for (std::int32_t c = end; c != startIndex && c >= 0; c = parent[static_cast<std::size_t>(c)], --k)
        result->cells[static_cast<std::size_t>(k)] = {c % kMapColumns, c / kMapColumns};
    result->reachedGoal = reached ? 1 : 0;
}

