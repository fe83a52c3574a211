// Shore pieces: which of a water cell's 8 neighbours are water, reduced to what its picture
// can show. A side neighbour that is land puts a shore along that side; a corner neighbour
// matters only where both sides beside it are water (a small bank in that corner), so the
// 256 neighbour patterns come down to 47 pieces. Shared by the game, which picks a piece
// for each cell, and by assetgen, which draws them in this order.
#pragma once

#include <array>
#include <cstdint>

namespace shore {

// One bit per neighbour, set when that neighbour is water.
enum Neighbour : unsigned { N = 1, NE = 2, E = 4, SE = 8, S = 16, SW = 32, W = 64, NW = 128 };

constexpr int kPieceCount = 47;
// Sheet layout: pieces left to right, then top to bottom, 8 to a row of 64-pixel cells.
constexpr int kSheetColumns = 8;
constexpr int kSheetRows = 6;
constexpr int kCellPixels = 64;

// The pattern with every corner dropped whose two sides are not both water.
constexpr unsigned reduce(unsigned mask) {
    mask &= 0xffu;
    if (!((mask & N) && (mask & E))) mask &= ~unsigned(NE);
    if (!((mask & S) && (mask & E))) mask &= ~unsigned(SE);
    if (!((mask & S) && (mask & W))) mask &= ~unsigned(SW);
    if (!((mask & N) && (mask & W))) mask &= ~unsigned(NW);
    return mask;
}

// The 47 reduced patterns in increasing order: piece k shows pieceMasks()[k].
constexpr std::array<std::uint8_t, kPieceCount> pieceMasks() {
    std::array<std::uint8_t, kPieceCount> masks{};
    int count = 0;
    for (unsigned mask = 0; mask < 256u; ++mask)
        if (reduce(mask) == mask && count < kPieceCount) masks[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(mask);
    return masks;
}

// The piece showing `mask` (any of the 256 patterns).
constexpr int pieceOf(unsigned mask) {
    const unsigned reduced = reduce(mask);
    constexpr std::array<std::uint8_t, kPieceCount> masks = pieceMasks();
    for (int k = 0; k < kPieceCount; ++k)
        if (masks[static_cast<std::size_t>(k)] == reduced) return k;
    return -1;
}

// The piece whose neighbours are all water: plain open water, no shore.
constexpr int kOpenWaterPiece = kPieceCount - 1;

// Bridge banks: one sheet of 47 pieces per bridge picture, in this order of codes, each
// sheet's pieces laid out as above; the sheets two across and five down.
constexpr std::array<int, 10> kBridgeCodes = {95, 96, 132, 133, 134, 135, 136, 137, 138, 139};
constexpr int kBridgeBlocksAcross = 2;

// Road ends: a marker or a tent with the road arriving from some of its four sides, and a
// desert road reaching only those sides. Column = arms (1 N, 2 E, 4 S, 8 W, summed); row 0
// the markers, row 1 the tents, row 2 the roads.
enum Arm : int { ARM_N = 1, ARM_E = 2, ARM_S = 4, ARM_W = 8 };
constexpr int kArmPatterns = 16;
constexpr int kRoadEndRows = 3;
// The sides each bridge of kBridgeCodes joins.
constexpr std::array<int, 10> kBridgeDeckArms = {
    ARM_E | ARM_W,         ARM_N | ARM_S,         ARM_N | ARM_W,         ARM_N | ARM_E,         ARM_E | ARM_S,
    ARM_S | ARM_W,         ARM_N | ARM_E | ARM_W, ARM_N | ARM_E | ARM_S, ARM_E | ARM_S | ARM_W, ARM_N | ARM_S | ARM_W,
};

// Decorated sand: cells of sand with one small thing on it, 4 to a row.
constexpr int kDecorCount = 16;
constexpr int kDecorColumns = 4;

} // namespace shore
