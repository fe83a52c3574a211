// What the level generator's passes share: the cell and neighbour tests on a map's 510
// codes, and the road ends that both the full passes and the plain fallback map lay.
// Only the generator's own files include this.
#pragma once

#include "world/level_generator.hpp"
#include "world/tile_catalogue.hpp"

#include <cstddef>
#include <cstdint>

namespace levelgen {

constexpr int kLastIndex = kCellCount - 1;

// Hill pieces 124 to 130 block rivers, lakes, forests, camps and road markers.
inline bool isHill(int code) { return code >= TILE_HILL_TOP_LEFT && code <= TILE_HILL_BOTTOM_RIGHT; }
// The inner hill pieces 125 to 129, which the water seed and the bridges avoid.
inline bool isHillCore(int code) { return code >= TILE_HILL_SIDE && code <= TILE_HILL_TOP_RIGHT; }
// A whole hill with its sand-wall centre: forests and tents never land on any part of it.
inline bool isHillBlock(int code) { return isHill(code) || code == TILE_SAND_WALL; }
inline bool isBridge(int code) { return code == TILE_BRIDGE_HORIZONTAL || code == TILE_BRIDGE_VERTICAL; }
inline bool isWater(int code) { return code == TILE_WATER; }

inline bool hasRight(int p) { return columnOf(p) < kMapColumns - 1; }
inline bool hasLeft(int p) { return columnOf(p) > 0; }
inline bool hasDown(int p) { return rowOf(p) < kMapRows - 1; }
inline bool hasUp(int p) { return rowOf(p) > 0; }

inline std::int32_t& at(LevelCodes* codes, int index) { return (*codes)[static_cast<std::size_t>(index)]; }
inline std::int32_t at(const LevelCodes& codes, int index) { return codes[static_cast<std::size_t>(index)]; }
inline std::int32_t& maskAt(RoadMask* mask, int index) { return (*mask)[static_cast<std::size_t>(index)]; }
inline std::int32_t maskAt(const RoadMask& mask, int index) { return mask[static_cast<std::size_t>(index)]; }

// Neighbour tests: a neighbour outside the grid fails every test.
inline bool rightIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasRight(p) && test(at(codes, p + 1)); }
inline bool leftIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasLeft(p) && test(at(codes, p - 1)); }
inline bool downIs(const LevelCodes& codes, int p, bool (*test)(int)) {
    return hasDown(p) && test(at(codes, p + kMapColumns));
}
inline bool upIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasUp(p) && test(at(codes, p - kMapColumns)); }

// Road ends: the cell beside each tent (a path marker), and both ends of each bridge.
void markRoadEnds(LevelCodes* codes, RoadMask* roadMask);

} // namespace levelgen
