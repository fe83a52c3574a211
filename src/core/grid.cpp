#include "core/grid.hpp"

#include <cmath>

GridPos cellOfPosition(sf::Vector2f position) {
    return {static_cast<std::int32_t>(position.x / static_cast<float>(kCellSize)),
            static_cast<std::int32_t>(position.y / static_cast<float>(kCellSize))};
}

sf::Vector2f cellCorner(GridPos cell) {
    return {static_cast<float>(cell.x * kCellSize), static_cast<float>(cell.y * kCellSize)};
}

std::int32_t stepDirection(GridPos from, GridPos to) {
    if (to.x < from.x) return DIR_LEFT;
    if (to.x > from.x) return DIR_RIGHT;
    if (to.y < from.y) return DIR_UP;
    return DIR_DOWN;
}

double cellDistance(GridPos a, GridPos b) {
    const std::int32_t dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}
