#include "core/random.hpp"
#include "support/game_invariants.hpp"
#include "world/board_test_support.hpp"

#include <gtest/gtest.h>

namespace {

void clickCell(WorldGame* world, GridPos cell) { clickBoard(world, cell.x * kCellSize + 64, cell.y * kCellSize + 64); }

// The one board checker of the whole suite, as a test expectation.
void expectFlagsMatchUnits(const WorldGame* world) { EXPECT_EQ(checkBoardInvariants(world), ""); }

} // namespace

TEST(BoardMoves, TwoEnemiesNeverEndOnOneHeroCell) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {10, 5});
    const std::int32_t first = putEnemy(world.get(), ENEMY_LIGHT, {12, 5});
    const std::int32_t second = putEnemy(world.get(), ENEMY_HEAVY, {10, 7});
    planEnemyMove(world.get(), first);
    const WorldEnemy& a = world->enemies.enemies[static_cast<std::size_t>(first)];
    ASSERT_EQ(enemyClaimedCell(&a), (GridPos{10, 5})) << "the first enemy reaches the hero";
    planEnemyMove(world.get(), second);
    const WorldEnemy& b = world->enemies.enemies[static_cast<std::size_t>(second)];
    EXPECT_NE(enemyClaimedCell(&b), (GridPos{10, 5})) << "the hero's cell is taken by the first enemy";
    EXPECT_EQ(cellDistance(enemyClaimedCell(&b), {10, 5}), 1.0) << "it still closes in";
    expectFlagsMatchUnits(world.get());
}

TEST(BoardMoves, TwoHeroesCannotBeOrderedOntoOneEnemyCell) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {3, 5});
    putPlayer(world.get(), PLAYER_LIGHT, {5, 7});
    putEnemy(world.get(), ENEMY_LIGHT, {5, 5});
    clickCell(world.get(), {3, 5});
    ASSERT_TRUE(squareVisible(world.get(), {5, 5}));
    clickCell(world.get(), {5, 5});
    ASSERT_EQ(playerClaimedCell(&world->party.players[0]), (GridPos{5, 5}));

    clickCell(world.get(), {5, 7});
    ASSERT_EQ(world->party.selectedIndex, 1);
    EXPECT_FALSE(squareVisible(world.get(), {5, 5})) << "the enemy is already being attacked";
    clickCell(world.get(), {5, 5});
    EXPECT_EQ(world->party.players[1].body.moving, 0);
    EXPECT_EQ(playerClaimedCell(&world->party.players[1]), (GridPos{5, 7}));
    expectFlagsMatchUnits(world.get());
}

TEST(BoardMoves, AUnitLeavingASharedCellKeepsTheFlagOfTheUnitStillThere) {
    auto world = makeOpenBoard();
    // A meeting cell: a hero and an enemy on (8, 8).
    const std::int32_t hero = putPlayer(world.get(), PLAYER_REM, {8, 8});
    const std::int32_t enemy = putEnemy(world.get(), ENEMY_SHIELD, {8, 8});
    clickCell(world.get(), {8, 8});
    clickCell(world.get(), {8, 10}); // the hero walks away
    ASSERT_EQ(playerClaimedCell(&world->party.players[static_cast<std::size_t>(hero)]), (GridPos{8, 10}));
    EXPECT_EQ(tileAt(world.get(), {8, 8}).heroHere, 0);
    EXPECT_EQ(tileAt(world.get(), {8, 8}).enemyHere, 1);
    EXPECT_EQ(tileAt(world.get(), {8, 8}).walkable, 0) << "the enemy still stands there";

    // An enemy leaving a cell a hero still holds keeps that hero's flag.
    putPlayer(world.get(), PLAYER_LIGHT, {20, 3});
    const std::int32_t other = putEnemy(world.get(), ENEMY_LIGHT, {20, 3});
    planEnemyMove(world.get(), other);
    EXPECT_EQ(tileAt(world.get(), {20, 3}).heroHere, 1);
    EXPECT_EQ(tileAt(world.get(), {20, 3}).walkable, 0);

    // Releasing a unit frees exactly its own flag.
    releaseEnemyCell(world.get(), enemy);
    EXPECT_EQ(tileAt(world.get(), {8, 8}).enemyHere, 0);
    EXPECT_EQ(tileAt(world.get(), {8, 8}).walkable, 1);
}

TEST(BoardMoves, AWholeEnemyTurnOnACrowdedBoardKeepsEveryFlagTrue) {
    auto world = makeOpenBoard();
    seedRandom(77);
    for (int round = 0; round < 30; ++round) {
        openGround(world.get());
        for (int i = 0; i < 40; ++i) blockCells(world.get(), {{randomRange(8, 21), randomRange(0, 16)}});
        for (int i = 0; i < 4; ++i) {
            const GridPos cell{randomRange(0, 6), randomRange(0, 16)};
            if (tileAt(world.get(), cell).walkable) putPlayer(world.get(), PLAYER_IRINA + i % 6, cell);
        }
        for (int i = 0; i < 12; ++i) {
            const GridPos cell{randomRange(9, 29), randomRange(0, 16)};
            if (tileAt(world.get(), cell).walkable) putEnemy(world.get(), i % 3, cell);
        }
        if (world->party.count == 0) continue;
        for (int turn = 0; turn < 4; ++turn) {
            for (std::uint32_t e = 0; e < world->enemies.count; ++e) {
                planEnemyMove(world.get(), static_cast<std::int32_t>(e));
                WorldEnemy& walker = world->enemies.enemies[e];
                for (int frame = 0; frame < 400 && walker.body.moving; ++frame) stepEnemy(&walker, 0.05f);
            }
            resetEnemyTurn(&world->enemies);
        }
        SCOPED_TRACE(round);
        expectFlagsMatchUnits(world.get());
    }
}
