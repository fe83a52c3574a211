#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/display.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"

#include <gtest/gtest.h>

#include <set>

namespace {

// Click on the centre of a cell (world pixels).
void clickCell(WorldGame* world, GridPos cell) {
    clickBoard(world, cell.x * kCellSize + 64, cell.y * kCellSize + 64);
}

// The camera the board toggles lives in the world; the test window takes its view.
struct BoardWindow {
    sf::RenderWindow& window = testWindow();
    ~BoardWindow() {
        Camera camera;
        initCamera(&camera);
        setWindowView(&window, &camera.view);
    }
};

} // namespace

TEST(Board, NewGamePlacesTheChosenTeamAndFourEnemiesInTheirColumns) {
    auto world = std::make_unique<WorldGame>();
    initCamera(&world->camera);
    seedRandom(7);
    const std::int32_t team[4] = {2, 3, 1, 1};
    initWorldGame(world.get(), team);
    ASSERT_EQ(world->party.count, 4u);
    EXPECT_EQ(world->party.players[0].type, PLAYER_REM);
    EXPECT_EQ(world->party.players[1].type, PLAYER_SHIELD);
    EXPECT_EQ(world->party.players[2].type, PLAYER_LIGHT);
    EXPECT_EQ(world->party.players[3].type, PLAYER_LIGHT);
    ASSERT_EQ(world->enemies.count, 4u);
    EXPECT_TRUE(world->enemies.enemies[0].type == ENEMY_TANK || world->enemies.enemies[0].type == ENEMY_BOSS);
    std::set<std::int32_t> cells;
    for (std::uint32_t i = 0; i < world->party.count; ++i) {
        const GridPos cell = playerCell(&world->party.players[i]);
        EXPECT_LE(cell.x, 4);
        EXPECT_EQ(tileAt(world.get(), cell).heroHere, 1);
        EXPECT_EQ(tileAt(world.get(), cell).walkable, 0);
        cells.insert(cellIndex(cell));
    }
    for (std::uint32_t i = 0; i < world->enemies.count; ++i) {
        const WorldEnemy& enemy = world->enemies.enemies[i];
        if (i > 0) {
            EXPECT_LE(enemy.type, ENEMY_SHIELD);
        }
        EXPECT_GE(enemyCell(&enemy).x, 25);
        EXPECT_EQ(tileAt(world.get(), enemyCell(&enemy)).enemyHere, 1);
        cells.insert(cellIndex(enemyCell(&enemy)));
    }
    EXPECT_EQ(cells.size(), 8u) << "every unit on its own cell";
    destroyWorldGame(world.get());
    EXPECT_EQ(world->party.count, 0u);
    EXPECT_EQ(world->enemies.count, 0u);
    EXPECT_EQ(world->party.selectedIndex, -1);
}

TEST(Board, PlacementEndsAndSaysSoWhenNoCellQualifies) {
    auto world = makeOpenBoard();
    for (int row = 0; row < kMapRows; ++row)
        for (int column = 0; column < 5; ++column) tileAt(world.get(), {column, row}).walkable = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(spawnPlayer(world.get(), 1), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(world->party.count, 0u);
}

TEST(Board, PlacementNeverUsesAPocketCutOffFromTheOtherSide) {
    auto world = makeOpenBoard();
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        seedRandom(seed);
        openGround(world.get());
        // Left band: a closed pocket at (2,3) and one open cell (0,10) on a road to the right.
        for (int row = 0; row < kMapRows; ++row)
            for (int column = 0; column < 5; ++column) tileAt(world.get(), {column, row}).walkable = 0;
        tileAt(world.get(), {2, 3}).walkable = 1;
        tileAt(world.get(), {0, 10}).walkable = 1;
        for (int column = 1; column < 5; ++column) tileAt(world.get(), {column, 10}).walkable = 1;
        ASSERT_EQ(spawnLeader(world.get(), 1), 1);
        const GridPos cell = playerCell(&world->party.players[0]);
        EXPECT_FALSE(cell == (GridPos{2, 3})) << "seed " << seed;
        EXPECT_EQ(cell.y, 10) << "seed " << seed;
    }
}

TEST(Board, LeaderAvoidsCampAndFieldCodesWhileCompanionsMayStandThere) {
    auto world = makeOpenBoard();
    for (int row = 0; row < kMapRows; ++row)
        for (int column = 0; column < 5; ++column) world->tileMap.tileCodes[static_cast<std::size_t>(cellIndex({column, row}))] = 83;
    world->tileMap.tileCodes[static_cast<std::size_t>(cellIndex({4, 16}))] = 1;
    seedRandom(3);
    ASSERT_EQ(spawnLeader(world.get(), 3), 1);
    EXPECT_EQ(playerCell(&world->party.players[0]), (GridPos{4, 16}));
    EXPECT_EQ(world->party.players[0].type, PLAYER_TUNGSTENE);
    ASSERT_EQ(spawnPlayer(world.get(), 2), 1);
    EXPECT_EQ(world->party.players[1].type, PLAYER_HEAVY);
}

TEST(Board, ClickSelectsAHeroOrdersAMoveAndDismissesTheRange) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {3, 3});
    putPlayer(world.get(), PLAYER_LIGHT, {3, 6});
    clickCell(world.get(), {3, 6});
    EXPECT_EQ(world->party.selectedIndex, 1);
    EXPECT_EQ(world->party.selectedCell, (GridPos{3, 6}));
    EXPECT_TRUE(squareVisible(world.get(), {3, 6}));
    EXPECT_FALSE(squareVisible(world.get(), {3, 3})); // the other hero blocks

    clickCell(world.get(), {20, 6}); // outside the range: dismissal only
    EXPECT_EQ(visibleSquareCount(world.get()), 0);
    EXPECT_EQ(world->party.players[1].body.moving, 0);

    clickCell(world.get(), {3, 6});
    clickCell(world.get(), {3, 6}); // its own cell again: a new selection, never a zero-length walk
    EXPECT_EQ(world->party.players[1].body.moving, 0);
    EXPECT_GT(visibleSquareCount(world.get()), 0);

    clickCell(world.get(), {5, 7});
    const WorldPlayer& light = world->party.players[1];
    EXPECT_EQ(light.body.moving, 1);
    EXPECT_EQ(light.walk.length, 3);
    EXPECT_EQ(light.movePoints, 2);
    EXPECT_EQ(light.mpSprite.getTextureRect(), sf::IntRect(15, 0, 15, 15));
    EXPECT_EQ(visibleSquareCount(world.get()), 0);
    EXPECT_EQ(tileAt(world.get(), {5, 7}).heroHere, 1);
    EXPECT_EQ(tileAt(world.get(), {3, 6}).heroHere, 0);
    int arrowPieces = 0;
    for (const PathArrowPiece& piece : light.arrow) arrowPieces += piece.visible;
    EXPECT_EQ(arrowPieces, 4);

    clickCell(world.get(), {3, 6}); // the walker is not selectable
    EXPECT_EQ(world->party.selectedIndex, 1);
    EXPECT_EQ(visibleSquareCount(world.get()), 0);
}

TEST(Board, HeroWithoutMovePointsIsNotSelected) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {3, 3});
    putPlayer(world.get(), PLAYER_LIGHT, {4, 3});
    world->party.players[1].movePoints = 0;
    clickCell(world.get(), {3, 3});
    ASSERT_TRUE(squareVisible(world.get(), {5, 3}));
    clickCell(world.get(), {4, 3}); // hidden square under a spent hero: the range goes
    EXPECT_EQ(world->party.selectedIndex, 0);
    EXPECT_EQ(visibleSquareCount(world.get()), 0);
}

TEST(Board, EndTurnIsRefusedWhileAHeroWalksAndThenSwitchesToTheOverview) {
    BoardWindow w;
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {3, 3});
    world->hud.visible = 1;
    clickCell(world.get(), {3, 3});
    clickCell(world.get(), {5, 3});
    ASSERT_EQ(world->party.players[0].body.moving, 1);
    toggleTurn(world.get(), &w.window);
    EXPECT_EQ(world->playerTurn, 1);
    EXPECT_EQ(world->banners.enemyHidden, 1);

    for (int frame = 0; frame < 200 && world->party.players[0].body.moving; ++frame) updatePlayerMoves(world.get(), 0.05f);
    toggleTurn(world.get(), &w.window);
    EXPECT_EQ(world->playerTurn, 0);
    EXPECT_EQ(world->banners.enemyHidden, 0);
    EXPECT_EQ(world->camera.mode, CAMERA_OVERVIEW);
    EXPECT_EQ(world->hud.visible, 0);
    EXPECT_EQ(world->party.players[0].movePoints, 5) << "move points come back as the enemies start";

    toggleTurn(world.get(), &w.window);
    EXPECT_EQ(world->playerTurn, 1);
    EXPECT_EQ(world->banners.allyHidden, 0);
    EXPECT_EQ(world->camera.mode, CAMERA_CLOSE);
    EXPECT_EQ(world->hud.visible, 1);
}

TEST(Board, BannerGrowsHoldsForASecondAndHidesWhileTheTurnWaits) {
    BoardWindow w;
    auto world = makeOpenBoard();
    world->banners.allyTexture = &createTexture(kAllyBannerPath);
    world->banners.ally = createSprite(*world->banners.allyTexture);
    world->banners.ally.setScale(0.f, 0.f);
    world->camera.topLeft = {400.f, 100.f};
    world->banners.allyHidden = 0;
    float elapsed = 0.f, scale = 0.f;
    const float dt = 0.1f;
    while (!world->banners.allyHidden && elapsed < 10.f) {
        updateTurnBanners(&world->banners, world->camera.topLeft, dt);
        elapsed += dt;
        if (elapsed < 1.3f) {
            EXPECT_GT(world->banners.ally.getScale().x, scale) << "grows every frame";
            scale = world->banners.ally.getScale().x;
        }
        if (elapsed > 1.4f && !world->banners.allyHidden) {
            EXPECT_EQ(world->banners.ally.getScale(), sf::Vector2f(1.f, 1.f));
        }
    }
    EXPECT_NEAR(elapsed, 2.4f, 0.15f);
    EXPECT_EQ(world->banners.ally.getScale(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(world->banners.holdTimer, 0.f);
}

TEST(Board, AllyBannerFollowsTheCameraWhileItShows) {
    BoardWindow w;
    auto world = makeOpenBoard();
    world->banners.allyTexture = &createTexture(kAllyBannerPath);
    world->banners.ally = createSprite(*world->banners.allyTexture);
    world->banners.ally.setScale(0.f, 0.f);
    world->banners.allyHidden = 0;
    world->camera.topLeft = {400.f, 100.f};
    updateTurnBanners(&world->banners, world->camera.topLeft, 0.1f);
    const sf::Vector2f before = world->banners.ally.getPosition();
    world->camera.topLeft = {1000.f, 700.f};
    updateTurnBanners(&world->banners, world->camera.topLeft, 0.1f);
    EXPECT_EQ(world->banners.ally.getPosition() - before, sf::Vector2f(600.f, 600.f));
}

TEST(Board, EnemiesActOneAtATimeThenHandTheTurnBack) {
    BoardWindow w;
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {5, 5});
    putEnemy(world.get(), ENEMY_TANK, {20, 5});
    putEnemy(world.get(), ENEMY_LIGHT, {20, 9});
    world->playerTurn = 0;
    world->camera.mode = CAMERA_CLOSE;
    updateEnemyMoves(world.get(), &w.window, 0.05f);
    const WorldEnemy& first = world->enemies.enemies[0];
    const WorldEnemy& second = world->enemies.enemies[1];
    EXPECT_EQ(first.body.moving, 1);
    EXPECT_EQ(second.acted, 0);
    int frames = 1;
    while (first.body.moving && frames < 500) {
        updateEnemyMoves(world.get(), &w.window, 0.05f);
        EXPECT_EQ(second.acted, 0) << "the next enemy waits for the walker";
        ++frames;
    }
    EXPECT_EQ(enemyCell(&first), (GridPos{15, 5}));
    for (; frames < 1000 && world->playerTurn == 0; ++frames) updateEnemyMoves(world.get(), &w.window, 0.05f);
    EXPECT_EQ(world->playerTurn, 1);
    EXPECT_EQ(second.acted, 0) << "reset for the next enemy turn";
    EXPECT_EQ(cellDistance(enemyCell(&second), {5, 5}) < cellDistance({20, 9}, {5, 5}), true);
    EXPECT_EQ(tileAt(world.get(), enemyCell(&second)).enemyHere, 1);
    EXPECT_EQ(tileAt(world.get(), {20, 9}).enemyHere, 0);
}
