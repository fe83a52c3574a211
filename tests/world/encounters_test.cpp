#include "core/display.hpp"
#include "core/random.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"
#include "world/encounters.hpp"
#include "support/game_invariants.hpp"
#include "world/level_change.hpp"
#include "world/level_generator.hpp"
#include "world/temp_level_folder.hpp"
#include "world/tile_catalogue.hpp"

#include <gtest/gtest.h>

#include <set>

namespace {

void clickCell(WorldGame* world, GridPos cell) { clickBoard(world, cell.x * kCellSize + 64, cell.y * kCellSize + 64); }

// The board's camera drives the test window's view; put the plain view back afterwards.
struct BoardWindow {
    sf::RenderWindow& window = testWindow();
    ~BoardWindow() {
        Camera camera;
        initCamera(&camera);
        setWindowView(&window, &camera.view);
    }
};

// A board with the fight's pictures loaded, the camera on the test window.
std::unique_ptr<WorldGame> fightBoard(BoardWindow& w) {
    auto world = makeOpenBoard();
    resetCamera(&world->camera, &w.window);
    initHud(&world->hud, &world->party, world->camera.topLeft);
    toggleHud(&world->hud);
    world->party.leaderAlive = 1;
    world->gold = 100;
    return world;
}

// The board's invariants hold, and no meeting was left open after a fight.
void expectBoardConsistent(const WorldGame* world) {
    EXPECT_EQ(checkBoardInvariants(world), "");
    for (int index = 0; index < kCellCount; ++index) {
        const Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(index)];
        EXPECT_FALSE(tile.heroHere && tile.enemyHere) << "a meeting left open on cell " << index;
    }
}

// Levels 3 to 10 of one seed, in a folder of their own, read by `world`.
struct GeneratedLevels {
    TempLevelFolder folder;
    GeneratedLevels(WorldGame* world, std::uint32_t seed) {
        seedRandom(seed);
        generateLevels(folder.folder(), nullptr);
        world->generatedLevelFolder = folder.folder();
    }
};

} // namespace

TEST(Encounters, AFightGathersThreeASideFromTheCellThenTheRingInOrder) {
    BoardWindow w;
    auto world = fightBoard(w);
    // Heroes: on the fight cell, ring 0 (top-left), ring 3 (right), ring 5 (below).
    putPlayer(world.get(), PLAYER_IRINA, {10, 9});  // 0: ring 5, fourth: stays out
    putPlayer(world.get(), PLAYER_LIGHT, {11, 8});  // 1: ring 3
    putPlayer(world.get(), PLAYER_HEAVY, {9, 7});   // 2: ring 0
    putPlayer(world.get(), PLAYER_SHIELD, {10, 8}); // 3: the fight cell
    // Enemies: fight cell, ring 2 (top-right), ring 6 (bottom-left), ring 7 (left).
    putEnemy(world.get(), ENEMY_LIGHT, {9, 8});  // 0: ring 7, stays out
    putEnemy(world.get(), ENEMY_HEAVY, {9, 9});  // 1: ring 6
    putEnemy(world.get(), ENEMY_SHIELD, {10, 8}); // 2: fight cell
    putEnemy(world.get(), ENEMY_BOSS, {11, 7});  // 3: ring 2

    checkFightStart(world.get(), &w.window);
    ASSERT_EQ(world->phase, WORLD_PHASE_FIGHT);

    ASSERT_EQ(world->encounter.playerCount, 3);
    EXPECT_EQ(world->encounter.players[0].unitIndex, 3);
    EXPECT_EQ(world->encounter.players[1].unitIndex, 2);
    EXPECT_EQ(world->encounter.players[2].unitIndex, 1);
    EXPECT_EQ(world->party.players[0].stats.unitIndex, -1) << "the fourth hero stays on the map";
    EXPECT_EQ(world->party.players[3].stats.unitIndex, 3);
    ASSERT_EQ(world->encounter.enemyCount, 3);
    EXPECT_EQ(world->encounter.enemies[0].unitIndex, 2);
    EXPECT_EQ(world->encounter.enemies[1].unitIndex, 3);
    EXPECT_EQ(world->encounter.enemies[2].unitIndex, 1);
    EXPECT_EQ(world->encounter.enemies[1].type, ENEMY_BOSS);
    EXPECT_EQ(world->enemies.enemies[0].stats.unitIndex, -1);
    EXPECT_EQ(world->cursorHidden, 1);
    EXPECT_EQ(world->hud.visible, 0);
    EXPECT_EQ(w.window.getView().getCenter(), sf::Vector2f(960.f, 540.f)) << "the fight is drawn in screen pixels";
    EXPECT_EQ(world->fight.allies.count, 3);
    EXPECT_EQ(world->fight.enemies.count, 3);
}

TEST(Encounters, ResultsComeBackByUnitIndexWhileRemovalsShiftTheLists) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_REM, {4, 4});     // leader, not in the fight
    putPlayer(world.get(), PLAYER_LIGHT, {10, 8});  // 1
    putPlayer(world.get(), PLAYER_HEAVY, {10, 7});  // 2
    putEnemy(world.get(), ENEMY_LIGHT, {20, 2});    // 0: not in the fight
    putEnemy(world.get(), ENEMY_HEAVY, {10, 8});    // 1
    putEnemy(world.get(), ENEMY_SHIELD, {11, 9});   // 2
    putEnemy(world.get(), ENEMY_LIGHT, {9, 8});     // 3
    checkFightStart(world.get(), &w.window);
    ASSERT_EQ(world->phase, WORLD_PHASE_FIGHT);
    ASSERT_EQ(world->encounter.enemyCount, 3); // 1 (cell), 2 (ring 4), 3 (ring 7)
    ASSERT_EQ(world->encounter.playerCount, 2);

    // The battle's outcome: enemies 1 and 2 die, 3 survives with 7; Light survives with 55, Heavy dies.
    world->fight.enemies.enemies[0].fighter.stats.life = 0;
    world->fight.enemies.enemies[1].fighter.stats.life = -4;
    world->fight.enemies.enemies[2].fighter.stats.life = 7;
    world->fight.allies.allies[0].fighter.stats.life = 55;
    world->fight.allies.allies[1].fighter.stats.life = 0;
    world->phase = WORLD_PHASE_MAP; // as the fight phase ends before the results come back
    endFight(world.get(), &w.window);

    ASSERT_EQ(world->enemies.count, 2u);
    EXPECT_EQ(world->enemies.enemies[0].type, ENEMY_LIGHT);
    EXPECT_EQ(enemyCell(&world->enemies.enemies[1]), (GridPos{9, 8})) << "the survivor is the right unit";
    EXPECT_EQ(world->enemies.enemies[1].stats.life, 7);
    EXPECT_EQ(world->enemies.enemies[1].stats.unitIndex, -1);
    EXPECT_EQ(world->gold, 100 + 2 * kGoldPerEnemy);
    ASSERT_EQ(world->party.count, 2u);
    EXPECT_EQ(world->party.players[1].type, PLAYER_LIGHT);
    EXPECT_EQ(world->party.players[1].stats.life, 55);
    EXPECT_EQ(world->party.players[1].stats.unitIndex, -1);
    EXPECT_EQ(world->party.leaderAlive, 1) << "a companion's death does not lose the game";
    EXPECT_EQ(world->cursorHidden, 0);
    EXPECT_EQ(world->hud.visible, 1);
    // The Light still stands on the cell it won; the dead left theirs.
    EXPECT_EQ(tileAt(world.get(), {10, 8}).heroHere, 1);
    EXPECT_EQ(tileAt(world.get(), {10, 8}).enemyHere, 0);
    EXPECT_EQ(tileAt(world.get(), {10, 7}).walkable, 1);
    EXPECT_EQ(tileAt(world.get(), {11, 9}).walkable, 1);
    expectBoardConsistent(world.get());
}

TEST(Encounters, TheLeaderFallingInAFightLosesTheGame) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_TUNGSTENE, {6, 6});
    putPlayer(world.get(), PLAYER_SHIELD, {2, 2});
    putEnemy(world.get(), ENEMY_BOSS, {6, 6});
    checkFightStart(world.get(), &w.window);
    world->fight.allies.allies[0].fighter.stats.life = 0;
    world->fight.enemies.enemies[0].fighter.stats.life = 12;
    endFight(world.get(), &w.window);
    EXPECT_EQ(world->party.leaderAlive, 0);
    ASSERT_EQ(world->party.count, 1u);
    EXPECT_EQ(world->party.players[0].type, PLAYER_SHIELD);
    EXPECT_EQ(world->enemies.enemies[0].stats.life, 12);
    expectBoardConsistent(world.get());
}

TEST(Encounters, AFightHoldsASecondOnItsEndBannerTheVictoryShowingTheGoldPaidAndAClickSkipsIt) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {6, 6});
    putEnemy(world.get(), ENEMY_LIGHT, {6, 6});
    putEnemy(world.get(), ENEMY_HEAVY, {7, 6});
    testing::internal::CaptureStdout();
    checkFightStart(world.get(), &w.window);
    ASSERT_EQ(world->phase, WORLD_PHASE_FIGHT);
    world->dialog.visible = 0;
    for (int i = 0; i < 2; ++i) world->fight.enemies.enemies[static_cast<std::size_t>(i)].fighter.stats.life = 0;
    const FightEndBanner& banner = world->fight.endBanner;
    int frames = 0;
    while (world->phase == WORLD_PHASE_FIGHT && frames < 300) {
        updateWorldGame(1.f / 60.f, world.get(), &w.window);
        if (frames == 0) {
            EXPECT_EQ(banner.raised, 1);
            EXPECT_EQ(banner.victory, 1);
            EXPECT_EQ(banner.gold.getString().toAnsiString(), "+80 GOLD");
        }
        ++frames;
    }
    testing::internal::GetCapturedStdout();
    EXPECT_GE(frames, 55) << "about a second on the banner";
    EXPECT_LE(frames, 65);
    EXPECT_EQ(world->gold, 100 + 2 * kGoldPerEnemy) << "the gold the banner showed";
    expectBoardConsistent(world.get());

    // A lost fight shows the defeat, and a click ends the wait at once.
    putPlayer(world.get(), PLAYER_SHIELD, {12, 12});
    putEnemy(world.get(), ENEMY_BOSS, {12, 12});
    testing::internal::CaptureStdout();
    checkFightStart(world.get(), &w.window);
    ASSERT_EQ(world->phase, WORLD_PHASE_FIGHT);
    world->dialog.visible = 0;
    world->fight.allies.allies[0].fighter.stats.life = 0;
    updateWorldGame(1.f / 60.f, world.get(), &w.window);
    EXPECT_EQ(banner.raised, 1);
    EXPECT_EQ(banner.victory, 0);
    mousePressedWorldGame(world.get(), sf::Event::MouseButtonEvent{sf::Mouse::Left, 960, 540}, &w.window);
    updateWorldGame(1.f / 60.f, world.get(), &w.window);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(world->phase, WORLD_PHASE_MAP);
}

TEST(Encounters, AWalkerStoppingOnTheOtherSideOpensTheFightInItsArrivalFrameButCrossingDoesNot) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {3, 5});
    putEnemy(world.get(), ENEMY_LIGHT, {5, 5});
    putEnemy(world.get(), ENEMY_HEAVY, {3, 9});

    // Crossing: the hero walks through the enemy's cell to the cell beyond.
    clickCell(world.get(), {3, 5});
    clickCell(world.get(), {6, 5});
    ASSERT_EQ(world->party.players[0].walk.length, 3);
    for (int frame = 0; frame < 300 && world->party.players[0].body.moving; ++frame) {
        updateWorldGame(1.f / 60.f, world.get(), &w.window);
        ASSERT_EQ(world->phase, WORLD_PHASE_MAP) << "passing through is not a meeting (frame " << frame << ")";
    }
    EXPECT_EQ(playerCell(&world->party.players[0]), (GridPos{6, 5}));

    // Stopping: back onto the enemy's cell; the fight opens in the very frame the hero arrives.
    resetPartyTurn(&world->party);
    clickCell(world.get(), {6, 5});
    clickCell(world.get(), {5, 5});
    int arrivalFrame = -1, fightFrame = -1;
    for (int frame = 0; frame < 300 && fightFrame < 0; ++frame) {
        updateWorldGame(1.f / 60.f, world.get(), &w.window);
        if (arrivalFrame < 0 && !world->party.players[0].body.moving) arrivalFrame = frame;
        if (world->phase == WORLD_PHASE_FIGHT) fightFrame = frame;
    }
    EXPECT_GE(arrivalFrame, 0);
    EXPECT_EQ(fightFrame, arrivalFrame);
    EXPECT_EQ(world->encounter.enemyCount, 1);

    // An enemy stopping on a hero's cell opens one too, once the first fight is over.
    world->fight.enemies.enemies[0].fighter.stats.life = 0;
    world->fight.turnButton.fightOver = 1;
    endFight(world.get(), &w.window);
    destroyFightScene(&world->fight);
    world->phase = WORLD_PHASE_MAP;
    world->playerTurn = 0;
    world->banners.enemyHidden = 1;
    resetEnemyTurn(&world->enemies);
    ASSERT_EQ(world->enemies.count, 1u);
    world->party.players[0].body.sprite.setPosition(cellCorner({3, 6}));
    releasePlayerCell(world.get(), 0);
    tileAt(world.get(), {5, 5}).heroHere = 0;
    tileAt(world.get(), {5, 5}).walkable = 1;
    tileAt(world.get(), {3, 6}).heroHere = 1;
    tileAt(world.get(), {3, 6}).walkable = 0;
    for (int frame = 0; frame < 600 && world->phase == WORLD_PHASE_MAP; ++frame)
        updateWorldGame(1.f / 60.f, world.get(), &w.window);
    EXPECT_EQ(world->phase, WORLD_PHASE_FIGHT);
    EXPECT_EQ(enemyCell(&world->enemies.enemies[0]), (GridPos{3, 6}));
}

// An enemy half-way between a hero's cell and the cell it is heading for (another hero's)
// covers both, and both carry the flags of a meeting; but no unit stands on the other's
// cell yet. The fight opens only once it has arrived.
TEST(Encounters, OverlappingUnitsOnDifferentCellsDoNotMeetUntilOneArrives) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {6, 5}); // the walker's goal
    putPlayer(world.get(), PLAYER_LIGHT, {5, 5}); // on its way
    const std::int32_t index = putEnemy(world.get(), ENEMY_LIGHT, {4, 5});
    GridPath found;
    found.cells[0] = {5, 5};
    found.cells[1] = {6, 5};
    found.length = 2;
    found.reachedGoal = 1;
    storePath(world.get(), SIDE_ENEMY, index, {4, 5}, &found);
    WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
    enemy.body.moving = 1;
    ASSERT_EQ(tileAt(world.get(), {6, 5}).enemyHere, 1);

    const float halfWay = static_cast<float>(5 * kCellSize + kCellSize / 2);
    while (enemy.body.moving && enemy.body.sprite.getPosition().x < halfWay) stepEnemy(&enemy, 1.f / 60.f);
    ASSERT_EQ(enemy.body.moving, 1);
    const sf::FloatRect walker = enemy.body.sprite.getGlobalBounds();
    ASSERT_TRUE(walker.intersects(world->party.players[0].body.sprite.getGlobalBounds()));
    checkFightStart(world.get(), &w.window);
    EXPECT_EQ(world->phase, WORLD_PHASE_MAP) << "the enemy is still between two cells";

    while (enemy.body.moving) stepEnemy(&enemy, 1.f / 60.f);
    checkFightStart(world.get(), &w.window);
    EXPECT_EQ(world->phase, WORLD_PHASE_FIGHT);
    ASSERT_EQ(world->encounter.enemyCount, 1);
    EXPECT_EQ(world->encounter.players[0].unitIndex, 0) << "the hero on the arrival cell comes first";
}

TEST(LevelChange, AnEarlyLevelChangeTakesTheOldEnemiesAwayAndRestoresMovePoints) {
    BoardWindow w;
    auto world = fightBoard(w);
    GeneratedLevels levels(world.get(), 32);
    seedRandom(33);
    putPlayer(world.get(), PLAYER_IRINA, {12, 3});
    putPlayer(world.get(), PLAYER_LIGHT, {20, 10});
    putEnemy(world.get(), ENEMY_LIGHT, {15, 3});
    putEnemy(world.get(), ENEMY_TANK, {8, 12});
    world->level = 3;
    // Both heroes have moved this turn (one still walks) when the level is skipped.
    clickCell(world.get(), {12, 3});
    clickCell(world.get(), {12, 6});
    clickCell(world.get(), {20, 10});
    clickCell(world.get(), {21, 10});
    for (int frame = 0; frame < 30; ++frame) updateWorldGame(1.f / 60.f, world.get(), &w.window);
    ASSERT_LT(world->party.players[0].movePoints, kMaxPathCells);
    ASSERT_LT(world->party.players[1].movePoints, kMaxPathCells);

    startNextLevel(world.get(), &w.window);
    EXPECT_EQ(world->enemies.count, 7u) << "only the new level's enemies";
    for (std::uint32_t i = 0; i < world->enemies.count; ++i)
        EXPECT_GE(enemyCell(&world->enemies.enemies[i]).x, kMapColumns - 5) << "enemy " << i;
    for (std::uint32_t i = 0; i < world->party.count; ++i) {
        const WorldPlayer& player = world->party.players[i];
        EXPECT_EQ(player.movePoints, player.maxMovePoints) << "hero " << i;
        EXPECT_EQ(player.body.moving, 0);
    }
    expectBoardConsistent(world.get());
}

TEST(LevelChange, TheNextLevelStartsCleanWithNewEnemiesAndTheHiresJoinAfterTheShop) {
    BoardWindow w;
    auto world = fightBoard(w);
    GeneratedLevels levels(world.get(), 30);
    seedRandom(31);
    putPlayer(world.get(), PLAYER_IRINA, {12, 3});
    putPlayer(world.get(), PLAYER_LIGHT, {20, 10});
    for (Tile& tile : world->tileMap.tiles) tile.crateHere = 1;
    tileAt(world.get(), {7, 7}).camp = 1;
    world->level = 3;
    world->playerTurn = 0;
    startNextLevel(world.get(), &w.window);

    EXPECT_EQ(world->level, 4);
    EXPECT_EQ(world->playerTurn, 1);
    EXPECT_EQ(world->partyChanged, 1);
    EXPECT_EQ(world->enemies.count, 7u);
    for (std::uint32_t i = 0; i < world->party.count; ++i) {
        EXPECT_LE(playerCell(&world->party.players[i]).x, 4) << "scattered over the left columns";
        EXPECT_EQ(world->party.players[i].movePoints, kMaxPathCells);
    }
    // None of the old crates is left: the only crate flags are under the new level's crates.
    int crates = 0;
    for (const Tile& tile : world->tileMap.tiles) crates += tile.crateHere;
    ASSERT_EQ(world->crates.count, kCrateCount);
    EXPECT_GE(crates, 1);
    EXPECT_LE(crates, kCrateCount);
    for (std::int32_t k = 0; k < world->crates.count; ++k)
        EXPECT_EQ(tileAt(world.get(), cellOfPosition(world->crates.sprites[static_cast<std::size_t>(k)].getPosition())).crateHere, 1);
    // Camps only where the new ground has them.
    for (int index = 0; index < kCellCount; ++index) {
        const std::int32_t code = world->tileMap.tileCodes[static_cast<std::size_t>(index)];
        EXPECT_EQ(world->tileMap.tiles[static_cast<std::size_t>(index)].camp, code == TILE_HOUSE || code == TILE_HOUSE2 || code == TILE_TENT ? 1 : 0);
    }
    expectBoardConsistent(world.get());

    // The first map update after the shop adds the hires in buying order and does nothing else.
    ShopPurchases bought;
    bought.recruitList = {2, 3, 0, 0};
    bought.hiredCount = 2;
    bought.shopGold = 37;
    const sf::Vector2f before = world->party.players[0].body.sprite.getPosition();
    updateWorldGame(1.f / 60.f, world.get(), &w.window, &bought);
    ASSERT_EQ(world->party.count, 4u);
    EXPECT_EQ(world->party.players[2].type, PLAYER_HEAVY);
    EXPECT_EQ(world->party.players[3].type, PLAYER_SHIELD);
    EXPECT_EQ(world->gold, 37);
    EXPECT_EQ(world->partyChanged, 0);
    EXPECT_EQ(world->hud.visible, 1);
    EXPECT_EQ(world->party.players[0].body.sprite.getPosition(), before);
    expectBoardConsistent(world.get());
}

TEST(LevelChange, AnUnreadableLevelFileKeepsThePreviousGroundAndStillCompletes) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_REM, {1, 1});
    const auto codesBefore = world->tileMap.tileCodes;
    GeneratedLevels levels(world.get(), 30);
    world->level = 10; // there is no level 11 file
    startNextLevel(world.get(), &w.window);
    EXPECT_EQ(world->tileMap.tileCodes, codesBefore);
    EXPECT_EQ(world->level, 11);
    EXPECT_EQ(world->enemies.count, 14u);
    expectBoardConsistent(world.get());
}

TEST(Encounters, DebugKillEnemyRemovesOnlyAnExistingEnemyAndFreesItsCell) {
    BoardWindow w;
    auto world = fightBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {4, 4});
    putEnemy(world.get(), ENEMY_LIGHT, {4, 4});
    putEnemy(world.get(), ENEMY_HEAVY, {20, 4});
    killEnemy(world.get(), 5);
    killEnemy(world.get(), 0);
    ASSERT_EQ(world->enemies.count, 1u);
    EXPECT_EQ(world->enemies.enemies[0].type, ENEMY_HEAVY);
    EXPECT_EQ(tileAt(world.get(), {4, 4}).enemyHere, 0);
    EXPECT_EQ(tileAt(world.get(), {4, 4}).heroHere, 1);
    EXPECT_EQ(tileAt(world.get(), {4, 4}).walkable, 0);
}
