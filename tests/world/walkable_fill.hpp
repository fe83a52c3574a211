// Flood fill over the walkable cells of a level (4 neighbours), for reachability checks.
#pragma once

#include "world/level_file.hpp"
#include "world/tile_catalogue.hpp"

#include <array>
#include <vector>

inline bool cellWalkable(const LevelCodes& codes, int cell) {
    return tileKind(codes[static_cast<std::size_t>(cell)]) != TILE_OBSTACLE;
}

// Marks in `seen` every walkable cell reachable from `start` (which must be walkable).
inline void fillWalkable(const LevelCodes& codes, int start, std::array<bool, kCellCount>* seen) {
    std::vector<int> stack{start};
    (*seen)[static_cast<std::size_t>(start)] = true;
    while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        const int next[4] = {p % kMapColumns < kMapColumns - 1 ? p + 1 : -1, p % kMapColumns > 0 ? p - 1 : -1,
                             p + kMapColumns < kCellCount ? p + kMapColumns : -1, p - kMapColumns};
        for (int n : next)
            if (n >= 0 && !(*seen)[static_cast<std::size_t>(n)] && cellWalkable(codes, n)) {
                (*seen)[static_cast<std::size_t>(n)] = true;
                stack.push_back(n);
            }
    }
}
