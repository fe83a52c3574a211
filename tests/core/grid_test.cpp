#include "core/grid.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Grid, FloodFillCountsStepsAroundWallsAndStopsAtItsLimit) {
    auto open = [](std::int32_t) { return true; };
    const GridPos centre{10, 8};
    const GridFill diamond = floodFillGrid(&centre, 1, 2, open);
    int reached = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (!diamond.reached(i)) continue;
        ++reached;
        const GridPos cell = cellAtIndex(i);
        EXPECT_EQ(diamond.steps[static_cast<std::size_t>(i)], std::abs(cell.x - 10) + std::abs(cell.y - 8));
    }
    EXPECT_EQ(reached, 13) << "a 2-step diamond on open ground";

    // A wall with one gap: the cell just behind it is reached the long way round.
    auto walled = [](std::int32_t index) {
        const GridPos cell = cellAtIndex(index);
        return !(cell.x == 11 && cell.y != 2);
    };
    const GridFill around = floodFillGrid(&centre, 1, -1, walled);
    EXPECT_FALSE(around.reached(cellIndex({11, 8})));
    EXPECT_EQ(around.steps[static_cast<std::size_t>(cellIndex({12, 8}))], 14); // up 6, over 2, down 6
}

TEST(Grid, FloodFillFromSeveralSeedsKeepsTheNearestAndIgnoresSeedsOffTheBoard) {
    const GridPos seeds[3] = {{0, 0}, {-1, 4}, {29, 16}};
    const GridFill fill = floodFillGrid(seeds, 3, -1, [](std::int32_t) { return true; });
    EXPECT_EQ(fill.steps[static_cast<std::size_t>(cellIndex({0, 0}))], 0);
    EXPECT_EQ(fill.steps[static_cast<std::size_t>(cellIndex({29, 16}))], 0);
    EXPECT_EQ(fill.steps[static_cast<std::size_t>(cellIndex({0, 4}))], 4) << "the seed off the board is ignored";
    EXPECT_EQ(fill.steps[static_cast<std::size_t>(cellIndex({28, 15}))], 2);
    // Seeds are reached even where nothing may be entered.
    const GridFill closed = floodFillGrid(seeds, 3, -1, [](std::int32_t) { return false; });
    int reached = 0;
    for (int i = 0; i < kCellCount; ++i) reached += closed.reached(i) ? 1 : 0;
    EXPECT_EQ(reached, 2);
}

TEST(Grid, PositionsMapToCellsByTruncation) {
    EXPECT_EQ(cellOfPosition({127.9f, 128.f}), (GridPos{0, 1}));
    EXPECT_EQ(cellCorner({3, 2}), sf::Vector2f(384.f, 256.f));
    EXPECT_EQ(cellOfPosition(cellCorner({29, 16})), (GridPos{29, 16}));
    EXPECT_FALSE(cellOnBoard({30, 0}));
    EXPECT_FALSE(cellOnBoard({0, -1}));
    EXPECT_EQ(stepDirection({5, 5}, {5, 4}), DIR_UP);
    EXPECT_EQ(stepDirection({5, 5}, {4, 5}), DIR_LEFT);
}
