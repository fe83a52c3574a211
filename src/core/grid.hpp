// The board's geometry, in one place: 30 columns by 17 rows of 128-pixel cells, cell
// index = row * 30 + column, the four neighbours in the board's fixed order, and the one
// breadth-first flood fill that every search over the board uses (move range, spawn
// placement, the level generator's playability check).
#pragma once

#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

constexpr int kMapColumns = 30;
constexpr int kMapRows = 17;
constexpr int kCellCount = kMapColumns * kMapRows;
constexpr int kCellSize = 128;

struct GridPos {
    std::int32_t x = 0; // column
    std::int32_t y = 0; // row
    friend bool operator==(const GridPos&, const GridPos&) = default;
};

// Direction of one step on the grid (paths, arrows and walking animations).
enum : std::int32_t { DIR_UP = 1, DIR_RIGHT = 2, DIR_DOWN = 3, DIR_LEFT = 4 };

// The four neighbours, in the order every search visits them: up, right, down, left.
inline constexpr std::array<GridPos, 4> kNeighbourSteps = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

constexpr bool cellOnBoard(GridPos cell) {
    return cell.x >= 0 && cell.x < kMapColumns && cell.y >= 0 && cell.y < kMapRows;
}
constexpr std::int32_t cellIndex(GridPos cell) { return cell.y * kMapColumns + cell.x; }
constexpr GridPos cellAtIndex(std::int32_t index) { return {index % kMapColumns, index / kMapColumns}; }
constexpr GridPos neighbourCell(GridPos cell, int k) {
    return {cell.x + kNeighbourSteps[static_cast<std::size_t>(k)].x, cell.y + kNeighbourSteps[static_cast<std::size_t>(k)].y};
}

// The cell a unit at pixel position `position` stands on (truncated).
GridPos cellOfPosition(sf::Vector2f position);
// The top-left pixel of a cell.
sf::Vector2f cellCorner(GridPos cell);
// Direction of one step from `from` to the adjacent `to` (column compared first).
std::int32_t stepDirection(GridPos from, GridPos to);
// Straight-line distance between two cells, in cells.
double cellDistance(GridPos a, GridPos b);

// Steps from the nearest seed to every cell (kUnreached where the fill did not go).
struct GridFill {
    static constexpr std::int16_t kUnreached = -1;
    std::array<std::int16_t, kCellCount> steps;
    bool reached(std::int32_t index) const { return steps[static_cast<std::size_t>(index)] != kUnreached; }
};

// Breadth-first fill from the seeds (always reached) through cells `canEnter(index)`
// accepts, at most `maxSteps` steps from a seed (negative: no limit). Seeds off the board
// are ignored.
template <class CanEnter>
GridFill floodFillGrid(const GridPos* seeds, int seedCount, int maxSteps, CanEnter canEnter) {
    GridFill fill;
    fill.steps.fill(GridFill::kUnreached);
    std::array<std::int32_t, kCellCount> queue;
    int head = 0, tail = 0;
    for (int s = 0; s < seedCount; ++s) {
        if (!cellOnBoard(seeds[s])) continue;
        const std::int32_t index = cellIndex(seeds[s]);
        if (fill.reached(index)) continue;
        fill.steps[static_cast<std::size_t>(index)] = 0;
        queue[static_cast<std::size_t>(tail++)] = index;
    }
    while (head < tail) {
        const std::int32_t index = queue[static_cast<std::size_t>(head++)];
        const std::int16_t steps = fill.steps[static_cast<std::size_t>(index)];
        if (maxSteps >= 0 && steps >= maxSteps) continue;
        const GridPos cell = cellAtIndex(index);
        for (int k = 0; k < 4; ++k) {
            const GridPos next = neighbourCell(cell, k);
            if (!cellOnBoard(next)) continue;
            const std::int32_t n = cellIndex(next);
            if (fill.reached(n) || !canEnter(n)) continue;
            fill.steps[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(steps + 1);
            queue[static_cast<std::size_t>(tail++)] = n;
        }
    }
    return fill;
}
