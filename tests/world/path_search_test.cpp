#include "core/random.hpp"
#include "world/board_test_support.hpp"
#include "world/path_oracle.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<GridPos> searched(const WorldGame* world, GridPos start, GridPos goal, std::int32_t side) {
    GridPath found;
    searchPath(&world->tileMap, start, goal, side, &found);
    return {found.cells.begin(), found.cells.begin() + found.length};
}

} // namespace

TEST(PathSearch, RangeOfFiveOnOpenGroundIsTheSixtyOneCellDiamond) {
    auto world = makeOpenBoard();
    const GridPos start{10, 8};
    putPlayer(world.get(), PLAYER_REM, start);
    showRange(world.get(), 5, start);
    EXPECT_EQ(visibleSquareCount(world.get()), 61);
    for (int row = 0; row < kMapRows; ++row)
        for (int column = 0; column < kMapColumns; ++column)
            EXPECT_EQ(squareVisible(world.get(), {column, row}), std::abs(column - 10) + std::abs(row - 8) <= 5)
                << column << "," << row;
}

TEST(PathSearch, RangeAtTheBoardCornerStaysOnTheBoard) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_REM, {0, 0});
    showRange(world.get(), 5, {0, 0});
    EXPECT_EQ(visibleSquareCount(world.get()), 21); // one quarter of the diamond, edges included
}

TEST(PathSearch, WallWithAGapShowsCellsBehindItOnlyWhenTheDetourFits) {
    auto world = makeOpenBoard();
    for (int row = 0; row < kMapRows; ++row)
        if (row != 7) blockCells(world.get(), {{12, row}});
    const GridPos start{10, 8};
    putPlayer(world.get(), PLAYER_IRINA, start);
    showRange(world.get(), 5, start);
    EXPECT_TRUE(squareVisible(world.get(), {12, 7}));  // the gap, 3 steps
    EXPECT_TRUE(squareVisible(world.get(), {13, 8}));  // 5 steps through the gap
    EXPECT_TRUE(squareVisible(world.get(), {14, 7}));  // 5 steps
    EXPECT_FALSE(squareVisible(world.get(), {14, 8})); // 4 steps straight, 6 around
    EXPECT_FALSE(squareVisible(world.get(), {12, 8})); // the wall itself
    EXPECT_FALSE(squareVisible(world.get(), {13, 5})); // 7 steps around
}

TEST(PathSearch, EnemyCellsAreMarkedAndTheRangeGoesOnWhileHeroesBlock) {
    auto world = makeOpenBoard();
    const GridPos start{10, 8};
    putPlayer(world.get(), PLAYER_IRINA, start);
    putPlayer(world.get(), PLAYER_LIGHT, {10, 6});
    putEnemy(world.get(), ENEMY_HEAVY, {12, 8});
    showRange(world.get(), 3, start);
    ASSERT_TRUE(squareVisible(world.get(), {12, 8}));
    EXPECT_EQ(world->party.rangeSquares[static_cast<std::size_t>(cellIndex({12, 8}))].sprite.getTexture(),
              world->party.squareEnemyTexture);
    EXPECT_EQ(world->party.rangeSquares[static_cast<std::size_t>(cellIndex({11, 8}))].sprite.getTexture(),
              world->party.squareFreeTexture);
    EXPECT_TRUE(squareVisible(world.get(), {13, 8})); // beyond the enemy
    EXPECT_FALSE(squareVisible(world.get(), {10, 6})); // another hero
    EXPECT_FALSE(squareVisible(world.get(), {10, 5})); // straight behind it: 3 steps, but 5 around
    EXPECT_TRUE(squareVisible(world.get(), start));
}

TEST(PathSearch, EqualCostTiesGiveStraightPathsWithDirections) {
    auto world = makeOpenBoard();
    const std::int32_t hero = putPlayer(world.get(), PLAYER_REM, {2, 5});
    findPath(world.get(), {2, 5}, {6, 5}, SIDE_PLAYER, hero);
    const WorldPlayer& player = world->party.players[static_cast<std::size_t>(hero)];
    ASSERT_EQ(player.walk.length, 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(player.walk.cells[static_cast<std::size_t>(k)], (GridPos{3 + k, 5})); // walking order
        EXPECT_EQ(player.walk.dirs[static_cast<std::size_t>(k)], DIR_RIGHT);
    }
    // The claim moved from the start to the destination.
    EXPECT_EQ(tileAt(world.get(), {2, 5}).walkable, 1);
    EXPECT_EQ(tileAt(world.get(), {2, 5}).heroHere, 0);
    EXPECT_EQ(tileAt(world.get(), {6, 5}).walkable, 0);
    EXPECT_EQ(tileAt(world.get(), {6, 5}).heroHere, 1);

    EXPECT_EQ(searched(world.get(), {8, 9}, {8, 4}, SIDE_ENEMY),
              (std::vector<GridPos>{{8, 8}, {8, 7}, {8, 6}, {8, 5}, {8, 4}}));
}

TEST(PathSearch, DiagonalGoalTakesTheSameShortestPathAsTheListSearch) {
    auto world = makeOpenBoard();
    const std::vector<GridPos> path = searched(world.get(), {3, 3}, {6, 6}, SIDE_PLAYER);
    EXPECT_EQ(path, referencePath(&world->tileMap, {3, 3}, {6, 6}, SIDE_PLAYER));
    EXPECT_EQ(path.size(), 6u);
}

TEST(PathSearch, MatchesTheListSearchOnRandomBoards) {
    auto world = makeOpenBoard();
    seedRandom(1234);
    for (int board = 0; board < 40; ++board) {
        openGround(world.get());
        for (Tile& tile : world->tileMap.tiles) tile.walkable = randomInt() % 100 < 30 ? 0 : 1;
        for (int i = 0; i < 6; ++i) tileAt(world.get(), {randomInt() % kMapColumns, randomInt() % kMapRows}).heroHere = 1;
        const GridPos start{randomInt() % kMapColumns, randomInt() % kMapRows};
        const GridPos goal{randomInt() % kMapColumns, randomInt() % kMapRows};
        for (std::int32_t side : {SIDE_PLAYER, SIDE_ENEMY})
            EXPECT_EQ(searched(world.get(), start, goal, side), referencePath(&world->tileMap, start, goal, side))
                << "board " << board << " side " << side;
    }
}

TEST(PathSearch, EnemyKeepsFiveCellsOfALongPathAndClaimsTheFifth) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {13, 5});
    const std::int32_t far = putEnemy(world.get(), ENEMY_LIGHT, {20, 5});
    findPath(world.get(), {20, 5}, findClosestPlayer(world.get(), {20, 5}), SIDE_ENEMY, far);
    const WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(far)];
    ASSERT_EQ(enemy.walk.length, 5);
    EXPECT_EQ(enemy.walk.cells[0], (GridPos{19, 5})); // walking order
    EXPECT_EQ(enemy.walk.cells[4], (GridPos{15, 5}));
    EXPECT_EQ(enemy.walk.dirs[0], DIR_LEFT);
    EXPECT_EQ(tileAt(world.get(), {15, 5}).enemyHere, 1);
    EXPECT_EQ(tileAt(world.get(), {15, 5}).walkable, 0);
    EXPECT_EQ(tileAt(world.get(), {20, 5}).enemyHere, 0);
    EXPECT_EQ(tileAt(world.get(), {20, 5}).walkable, 1);
    EXPECT_EQ(tileAt(world.get(), {19, 5}).enemyHere, 0) << "only the end of the walk is claimed";

    const std::int32_t near = putEnemy(world.get(), ENEMY_HEAVY, {13, 8});
    findPath(world.get(), {13, 8}, {13, 5}, SIDE_ENEMY, near);
    const WorldEnemy& close = world->enemies.enemies[static_cast<std::size_t>(near)];
    ASSERT_EQ(close.walk.length, 3);
    EXPECT_EQ(walkEnd(&close.walk), (GridPos{13, 5}));
    EXPECT_EQ(tileAt(world.get(), {13, 5}).heroHere, 1);
    EXPECT_EQ(tileAt(world.get(), {13, 5}).enemyHere, 1) << "both on one cell: a fight cell";
}

TEST(PathSearch, ClosestPlayerTiesGoToTheEarlierHero) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_REM, {10, 2});
    putPlayer(world.get(), PLAYER_LIGHT, {10, 8});
    putPlayer(world.get(), PLAYER_HEAVY, {14, 5});
    EXPECT_EQ(findClosestPlayer(world.get(), {10, 5}), (GridPos{10, 2}));
    EXPECT_EQ(findClosestPlayer(world.get(), {13, 5}), (GridPos{14, 5}));
    EXPECT_DOUBLE_EQ(cellDistance({0, 0}, {3, 4}), 5.0);
}

TEST(PathSearch, BoxedInEnemyStoresNothingAndKeepsItsClaim) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_REM, {2, 2});
    const std::int32_t boxed = putEnemy(world.get(), ENEMY_TANK, {29, 16});
    putEnemy(world.get(), ENEMY_LIGHT, {28, 16});
    blockCells(world.get(), {{29, 15}});
    planEnemyMove(world.get(), boxed);
    const WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(boxed)];
    EXPECT_EQ(enemy.walk.length, 0);
    EXPECT_EQ(enemy.acted, 1);
    EXPECT_EQ(enemy.body.moving, 0);
    EXPECT_EQ(tileAt(world.get(), {29, 16}).enemyHere, 1);
}

TEST(PathSearch, SecondEnemyTreatsTheFirstOnesClaimAsBlocked) {
    auto world = makeOpenBoard();
    onlyOpen(world.get(), {});
    for (int column = 5; column <= 20; ++column) tileAt(world.get(), {column, 5}).walkable = 1;
    putPlayer(world.get(), PLAYER_IRINA, {5, 5});
    const std::int32_t first = putEnemy(world.get(), ENEMY_LIGHT, {11, 5});
    const std::int32_t second = putEnemy(world.get(), ENEMY_LIGHT, {12, 5});
    planEnemyMove(world.get(), first);
    planEnemyMove(world.get(), second);
    const WorldEnemy& a = world->enemies.enemies[static_cast<std::size_t>(first)];
    const WorldEnemy& b = world->enemies.enemies[static_cast<std::size_t>(second)];
    ASSERT_EQ(a.walk.length, 5);
    ASSERT_GT(b.walk.length, 0);
    EXPECT_EQ(walkEnd(&a.walk), (GridPos{6, 5}));
    EXPECT_EQ(walkEnd(&b.walk), (GridPos{7, 5}));
    EXPECT_EQ(b.body.moving, 1);
}

TEST(PathSearch, UnreachableTargetWalksTowardTheNearestReachableCellAtMostFiveCells) {
    auto world = makeOpenBoard();
    for (int row = 0; row < kMapRows; ++row) blockCells(world.get(), {{10, row}}); // a full wall
    putPlayer(world.get(), PLAYER_IRINA, {2, 8});
    const std::int32_t index = putEnemy(world.get(), ENEMY_SHIELD, {25, 8});
    planEnemyMove(world.get(), index);
    const WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
    ASSERT_GT(enemy.walk.length, 0);
    ASSERT_LE(enemy.walk.length, 5);
    GridPos previous{25, 8};
    for (int k = 0; k < enemy.walk.length; ++k) {
        const GridPos cell = enemy.walk.cells[static_cast<std::size_t>(k)];
        EXPECT_EQ(std::abs(cell.x - previous.x) + std::abs(cell.y - previous.y), 1);
        EXPECT_GT(cell.x, 10);
        previous = cell;
    }
    EXPECT_EQ(tileAt(world.get(), previous).enemyHere, 1);
    EXPECT_EQ(previous, (GridPos{20, 8})) << "five cells on the way to (11, 8), next to the wall";
}
