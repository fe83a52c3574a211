// Crates and camps, driven as a player would: clicks through the board's mouse handler,
// frames through its update with a fixed dt.
#include "app/game.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"
#include "world/camp.hpp"
#include "world/crates.hpp"
#include "world/level_change.hpp"
#include "world/level_file.hpp"
#include "world/level_generator.hpp"
#include "world/tile_catalogue.hpp"
#include "temp_level_folder.hpp"

#include <SFML/Window/Mouse.hpp>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

constexpr float kFrame = 1.f / 60.f;

// The board's camera drives the test window's view; put the plain view back afterwards.
struct BoardWindow {
    sf::RenderWindow& window = testWindow();
    BoardWindow() { sf::Mouse::setPosition({960, 540}, window); } // away from the scrolling edges
    ~BoardWindow() {
        Camera camera;
        initCamera(&camera);
        setWindowView(&window, &camera.view);
    }
};

// Open ground with the camp screen and the crate pictures built, no crate lying anywhere.
std::unique_ptr<WorldGame> campBoard(BoardWindow& w) {
    auto world = makeOpenBoard();
    resetCamera(&world->camera, &w.window);
    initHud(&world->hud, &world->party, world->camera.topLeft);
    toggleHud(&world->hud);
    initCamp(&world->camp);
    initCrates(&world->crates, &world->tileMap);
    for (Tile& tile : world->tileMap.tiles) tile.crateHere = 0;
    world->crates.count = 0;
    world->party.leaderAlive = 1;
    world->gold = 100;
    return world;
}

void putCrate(WorldGame* world, GridPos cell) {
    tileAt(world, cell).crateHere = 1;
    sf::Sprite& crate = world->crates.sprites[static_cast<std::size_t>(world->crates.count++)];
    crate = createSprite(*world->crates.closedTexture);
    crate.setPosition(corner(cell));
}

void press(WorldGame* world, BoardWindow& w, sf::Vector2i screen) {
    const sf::Event::MouseButtonEvent event{sf::Mouse::Left, screen.x, screen.y};
    mousePressedWorldGame(world, event, &w.window);
}

sf::Vector2i screenOfCell(const WorldGame* world, GridPos cell) {
    const sf::Vector2f t = world->camera.topLeft;
    return {cell.x * kCellSize + 64 - static_cast<int>(t.x), cell.y * kCellSize + 64 - static_cast<int>(t.y)};
}

// Screen position of the centre of something drawn in world pixels.
sf::Vector2i screenOfBounds(const WorldGame* world, sf::FloatRect bounds) {
    const sf::Vector2f t = world->camera.topLeft;
    return {static_cast<int>(bounds.left + bounds.width / 2.f - t.x), static_cast<int>(bounds.top + bounds.height / 2.f - t.y)};
}

// Select the hero on `from`, then order its move to `to`, both by clicks on the map.
void orderMove(WorldGame* world, BoardWindow& w, GridPos from, GridPos to) {
    press(world, w, screenOfCell(world, from));
    press(world, w, screenOfCell(world, to));
}

void runFrames(WorldGame* world, BoardWindow& w, int frames) {
    for (int i = 0; i < frames; ++i) updateWorldGame(kFrame, world, &w.window);
}

// Frames until no hero walks (or the camp screen stops them).
void walkUntilStill(WorldGame* world, BoardWindow& w) {
    for (int frame = 0; frame < 600 && anyPlayerMoving(world) && !world->camp.open; ++frame)
        updateWorldGame(kFrame, world, &w.window);
}

int crateSpritesOpened(const WorldGame* world) {
    int opened = 0;
    for (std::int32_t k = 0; k < world->crates.count; ++k)
        opened += world->crates.sprites[static_cast<std::size_t>(k)].getTexture() == world->crates.openedTexture ? 1 : 0;
    return opened;
}

} // namespace

TEST(Camp, AHeroStoppingOnACampHealsTenForTwentyGoldUpToItsMaximumWhileTheBoardWaits) {
    BoardWindow w;
    auto world = campBoard(w);
    putPlayer(world.get(), PLAYER_REM, {3, 5});
    putPlayer(world.get(), PLAYER_LIGHT, {3, 9});
    putEnemy(world.get(), ENEMY_HEAVY, {20, 5});
    tileAt(world.get(), {5, 5}).camp = 1;
    world->party.players[0].stats.life = 95;

    // The Light sets off on a long walk, Rem on a short one to the camp.
    orderMove(world.get(), w, {3, 9}, {8, 9});
    orderMove(world.get(), w, {3, 5}, {5, 5});
    EXPECT_EQ(world->party.players[0].interactPending, 1);
    EXPECT_EQ(world->party.players[1].interactPending, 0);
    walkUntilStill(world.get(), w);
    ASSERT_EQ(world->camp.open, 1);
    EXPECT_EQ(world->camp.player, 0);
    EXPECT_EQ(world->camp.portrait.getTexture(), world->party.types[PLAYER_REM]);
    EXPECT_EQ(world->camp.lifeBar.getTextureRect().width, 243) << "95 of 100 life";
    EXPECT_EQ(world->camp.background.getPosition(), world->camera.topLeft + sf::Vector2f(960.f, 540.f));

    // The board waits: the Light stops mid-walk, no turn passes.
    const WorldPlayer& light = world->party.players[1];
    ASSERT_EQ(light.body.moving, 1);
    const sf::Vector2f lightAt = light.body.sprite.getPosition();
    runFrames(world.get(), w, 120);
    EXPECT_EQ(light.body.sprite.getPosition(), lightAt);
    EXPECT_EQ(world->playerTurn, 1);
    // A click on the map beside the screen selects nobody.
    press(world.get(), w, screenOfCell(world.get(), {3, 9}));
    EXPECT_EQ(visibleSquareCount(world.get()), 0);

    const sf::Vector2i heal = screenOfBounds(world.get(), world->camp.healButton.getGlobalBounds());
    press(world.get(), w, heal);
    EXPECT_EQ(world->party.players[0].stats.life, 100) << "never above the maximum";
    EXPECT_EQ(world->gold, 80);
    EXPECT_EQ(world->camp.lifeBar.getTextureRect().width, 256);
    EXPECT_EQ(isAnimationFinished(&world->camp.healAnimation), 0) << "the heal effect plays";
    runFrames(world.get(), w, 90);
    EXPECT_EQ(isAnimationFinished(&world->camp.healAnimation), 1);

    // At full life the button does nothing and costs nothing.
    press(world.get(), w, heal);
    EXPECT_EQ(world->party.players[0].stats.life, 100);
    EXPECT_EQ(world->gold, 80);
    EXPECT_EQ(isAnimationFinished(&world->camp.healAnimation), 1);

    // The cross closes the screen; the Light walks on to its cell.
    press(world.get(), w, screenOfBounds(world.get(), world->camp.cross.getGlobalBounds()));
    EXPECT_EQ(world->camp.open, 0);
    EXPECT_EQ(world->party.players[0].interactPending, 0);
    walkUntilStill(world.get(), w);
    EXPECT_EQ(playerCell(&light), (GridPos{8, 9}));
    EXPECT_EQ(world->camp.open, 0);
}

TEST(Camp, NineteenGoldHealsNothing) {
    BoardWindow w;
    auto world = campBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {2, 2});
    tileAt(world.get(), {2, 4}).camp = 1;
    world->party.players[0].stats.life = 40;
    world->gold = 19;
    orderMove(world.get(), w, {2, 2}, {2, 4});
    walkUntilStill(world.get(), w);
    ASSERT_EQ(world->camp.open, 1);
    press(world.get(), w, screenOfBounds(world.get(), world->camp.healButton.getGlobalBounds()));
    EXPECT_EQ(world->party.players[0].stats.life, 40);
    EXPECT_EQ(world->gold, 19);
    EXPECT_EQ(world->camp.lifeBar.getTextureRect().width, campLifeBarWidth(40, 100.f));
    EXPECT_EQ(isAnimationFinished(&world->camp.healAnimation), 1);
}

TEST(Camp, TwentyGoldBuysExactlyOneHeal) {
    BoardWindow w;
    auto world = campBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {2, 2});
    tileAt(world.get(), {2, 4}).camp = 1;
    world->party.players[0].stats.life = 40;
    world->gold = kHealCost;
    orderMove(world.get(), w, {2, 2}, {2, 4});
    walkUntilStill(world.get(), w);
    ASSERT_EQ(world->camp.open, 1);
    const sf::Vector2i heal = screenOfBounds(world.get(), world->camp.healButton.getGlobalBounds());
    press(world.get(), w, heal);
    EXPECT_EQ(world->party.players[0].stats.life, 40 + kHealAmount);
    EXPECT_EQ(world->gold, 0);
    press(world.get(), w, heal); // nothing left to pay with
    EXPECT_EQ(world->party.players[0].stats.life, 40 + kHealAmount);
    EXPECT_EQ(world->gold, 0);
}

TEST(Arrival, OnlyAMovesEndCountsAndACrateShowsItsGoldAtItsCellForTwoSeconds) {
    BoardWindow w;
    auto world = campBoard(w);
    seedRandom(5);
    putPlayer(world.get(), PLAYER_TUNGSTENE, {2, 5});
    putCrate(world.get(), {3, 5});
    tileAt(world.get(), {4, 5}).camp = 1;

    // Across the crate and the camp to the cell beyond: nothing opens.
    orderMove(world.get(), w, {2, 5}, {6, 5});
    ASSERT_EQ(world->party.players[0].walk.length, 4);
    EXPECT_EQ(world->party.players[0].interactPending, 0);
    walkUntilStill(world.get(), w);
    EXPECT_EQ(playerCell(&world->party.players[0]), (GridPos{6, 5}));
    EXPECT_EQ(world->camp.open, 0);
    EXPECT_EQ(world->gold, 100);
    EXPECT_EQ(tileAt(world.get(), {3, 5}).crateHere, 1);
    EXPECT_EQ(crateSpritesOpened(world.get()), 0);
    EXPECT_GE(world->crates.goldTextTimer, kGoldTextSeconds);

    // Back onto the crate, across the camp: the crate opens, the camp does not.
    resetPartyTurn(&world->party);
    orderMove(world.get(), w, {6, 5}, {3, 5});
    walkUntilStill(world.get(), w);
    EXPECT_EQ(world->camp.open, 0);
    const std::int32_t gain = world->gold - 100;
    EXPECT_GE(gain, 5);
    EXPECT_LE(gain, 19);
    EXPECT_EQ(tileAt(world.get(), {3, 5}).crateHere, 0);
    EXPECT_EQ(crateSpritesOpened(world.get()), 1);
    EXPECT_EQ(world->party.players[0].interactPending, 0);
    EXPECT_EQ(world->crates.goldText.getString().toAnsiString(), "+" + std::to_string(gain));
    EXPECT_EQ(world->crates.goldText.getPosition(), corner({3, 5})) << "at the crate's cell, in world pixels";
    w.window.clear();
    drawWorldGame(world.get(), w.window, 0);
    saveScreenshot(w.window, "screenshots/crate_gold_text.png");

    // Shown for two seconds of frames, then hidden.
    runFrames(world.get(), w, 110);
    EXPECT_LT(world->crates.goldTextTimer, kGoldTextSeconds);
    runFrames(world.get(), w, 15);
    EXPECT_GE(world->crates.goldTextTimer, kGoldTextSeconds);

    // An opened crate gives nothing more.
    resetPartyTurn(&world->party);
    orderMove(world.get(), w, {3, 5}, {3, 6});
    walkUntilStill(world.get(), w);
    resetPartyTurn(&world->party);
    orderMove(world.get(), w, {3, 6}, {3, 5});
    EXPECT_EQ(world->party.players[0].interactPending, 0);
    walkUntilStill(world.get(), w);
    EXPECT_EQ(world->gold, 100 + gain);
}

// A crate pays 5 to 19: draws of 0 to 5 all pay the least, so 5 is the commonest gain.
TEST(Crates, EveryCratePaysFiveToNineteenAndLowDrawsPayFive) {
    BoardWindow w;
    auto world = campBoard(w);
    std::map<std::int32_t, int> gains;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        seedRandom(seed);
        putCrate(world.get(), {3, 5});
        const std::int32_t before = world->gold;
        openCrate(&world->crates, &world->tileMap, &world->gold, 3, 5);
        ++gains[world->gold - before];
        world->crates.count = 0;
    }
    EXPECT_EQ(gains.begin()->first, kCrateGoldMin);
    EXPECT_EQ(gains.rbegin()->first, 19);
    for (const auto& [gain, times] : gains)
        if (gain != kCrateGoldMin) {
            EXPECT_GT(gains[kCrateGoldMin], times) << "gain " << gain;
        }
}

TEST(Crates, TwoCratesOnOneCellPayOnceAndACampWinsOverACrateOnItsCell) {
    BoardWindow w;
    auto world = campBoard(w);
    seedRandom(9);
    putPlayer(world.get(), PLAYER_IRINA, {2, 2});
    putPlayer(world.get(), PLAYER_HEAVY, {2, 8});
    putCrate(world.get(), {4, 2});
    putCrate(world.get(), {4, 2});
    putCrate(world.get(), {4, 8});
    tileAt(world.get(), {4, 8}).camp = 1; // a tent camp under a crate

    orderMove(world.get(), w, {2, 2}, {4, 2});
    walkUntilStill(world.get(), w);
    const std::int32_t gain = world->gold - 100;
    EXPECT_GE(gain, 5);
    EXPECT_LE(gain, 19);
    EXPECT_EQ(crateSpritesOpened(world.get()), 2) << "both crates of the cell open, for one gain";

    orderMove(world.get(), w, {2, 8}, {4, 8});
    walkUntilStill(world.get(), w);
    EXPECT_EQ(world->camp.open, 1);
    EXPECT_EQ(world->camp.player, 1);
    EXPECT_EQ(world->gold, 100 + gain);
    EXPECT_EQ(tileAt(world.get(), {4, 8}).crateHere, 1);
    EXPECT_EQ(crateSpritesOpened(world.get()), 2);
}

TEST(Crates, PlacementKeepsToWalkableCellsOffHousesAndFieldsOnEveryLevelOverManySeeds) {
    BoardWindow w;
    auto world = campBoard(w);
    const std::set<std::int32_t> excluded = {TILE_HOUSE, TILE_HOUSE2, TILE_FIELD};
    TempLevelFolder generated;
    seedRandom(77);
    ASSERT_EQ(generateLevels(generated.folder(), nullptr), kLastGeneratedLevel - kFirstGeneratedLevel + 1);
    for (int level = 1; level <= kLastGeneratedLevel; ++level) {
        ASSERT_TRUE(loadLevel(&world->tileMap, level, generated.folder())) << "level " << level;
        buildTileMap(&world->tileMap, kMapColumns, kMapRows);
        for (std::uint32_t seed = 1; seed <= 60; ++seed) {
            seedRandom(seed);
            for (Tile& tile : world->tileMap.tiles) tile.crateHere = 0;
            placeCrates(&world->crates, &world->tileMap, level);
            ASSERT_EQ(world->crates.count, kCrateCount);
            std::set<std::int32_t> crateCells;
            for (std::int32_t k = 0; k < world->crates.count; ++k) {
                const sf::Sprite& crate = world->crates.sprites[static_cast<std::size_t>(k)];
                const GridPos cell = cellOfPosition(crate.getPosition());
                ASSERT_EQ(crate.getPosition(), corner(cell));
                const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
                EXPECT_EQ(world->tileMap.tiles[index].walkable, 1) << "level " << level << " seed " << seed;
                EXPECT_EQ(excluded.count(world->tileMap.tileCodes[index]), 0u) << "level " << level << " seed " << seed;
                EXPECT_EQ(crate.getTexture(), world->crates.closedTexture);
                crateCells.insert(cellIndex(cell));
            }
            int flagged = 0;
            for (const Tile& tile : world->tileMap.tiles) flagged += tile.crateHere;
            EXPECT_EQ(flagged, static_cast<int>(crateCells.size())) << "a flag on every crate's cell and nowhere else";
        }
    }
}

TEST(Crates, ANewLevelsCratesAvoidTheUnitsAndACrowdedBoardNeverHangs) {
    BoardWindow w;
    auto world = campBoard(w);
    putPlayer(world.get(), PLAYER_IRINA, {1, 1});
    putPlayer(world.get(), PLAYER_SHIELD, {1, 2});
    TempLevelFolder generated;
    seedRandom(78);
    generateLevels(generated.folder(), nullptr);
    world->generatedLevelFolder = generated.folder();
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        seedRandom(seed);
        world->level = 1 + static_cast<std::int32_t>(seed % 9);
        world->enemies.count = 0;
        testing::internal::CaptureStdout();
        startNextLevel(world.get(), &w.window);
        testing::internal::GetCapturedStdout();
        ASSERT_EQ(world->crates.count, kCrateCount);
        for (std::int32_t k = 0; k < world->crates.count; ++k) {
            const GridPos cell = cellOfPosition(world->crates.sprites[static_cast<std::size_t>(k)].getPosition());
            EXPECT_EQ(tileAt(world.get(), cell).heroHere, 0) << "seed " << seed;
            EXPECT_EQ(tileAt(world.get(), cell).enemyHere, 0) << "seed " << seed;
            EXPECT_EQ(tileAt(world.get(), cell).crateHere, 1);
        }
    }

    // One cell of plain ground among camps: every crate lies on it.
    openGround(world.get());
    world->tileMap.tileCodes.fill(30);
    world->tileMap.tileCodes[static_cast<std::size_t>(cellIndex({17, 11}))] = 1;
    placeCrates(&world->crates, &world->tileMap, world->level);
    ASSERT_EQ(world->crates.count, kCrateCount);
    for (std::int32_t k = 0; k < kCrateCount; ++k)
        EXPECT_EQ(world->crates.sprites[static_cast<std::size_t>(k)].getPosition(), corner({17, 11}));

    // No cell for a crate at all: none is placed, and nothing waits for one.
    tileAt(world.get(), {17, 11}).walkable = 0;
    for (Tile& tile : world->tileMap.tiles) tile.crateHere = 0;
    testing::internal::CaptureStderr();
    placeCrates(&world->crates, &world->tileMap, world->level);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("crate"), std::string::npos);
    EXPECT_EQ(world->crates.count, 0);
}

// The camp screen through the shell: M (the overview) and Escape then Resume while it is
// open leave it centred on the screen with its buttons answering.
TEST(CampShell, TheCampScreenStaysCentredThroughTheOverviewAndThePause) {
    auto game = makeTestGame();
    sf::Mouse::setPosition({960, 540}, game->window);
    resetCamera(&game->world.camera, &game->window);
    seedRandom(3);
    const std::int32_t team[4] = {1, 1, 2, 3};
    initWorldGame(&game->world, team);
    game->sceneState = SCENE_WORLD;
    WorldGame& world = game->world;
    // The map's tutorial takes the first two clicks.
    clickAt(game.get(), 960, 540);
    clickAt(game.get(), 960, 540);
    ASSERT_EQ(world.dialog.visible, 0);

    // A scrolled view, then the leader walks onto a camp next to it.
    sf::Mouse::setPosition({1919, 1079}, game->window);
    dispatchEvent(game.get(), mouseMoveEvent(1919, 1079));
    stepFrames(game.get(), 12);
    sf::Mouse::setPosition({960, 540}, game->window);
    dispatchEvent(game.get(), mouseMoveEvent(960, 540));
    stepFrames(game.get(), 1);
    for (Tile& tile : world.tileMap.tiles) tile.camp = tile.crateHere = 0;
    WorldPlayer& leader = world.party.players[0];
    const GridPos from{8, 6};
    releasePlayerCell(&world, 0);
    leader.body.sprite.setPosition(corner(from));
    leader.mpSprite.setPosition(corner(from));
    tileAt(&world, from).walkable = 0;
    tileAt(&world, from).heroHere = 1;
    const GridPos camp{9, 6};
    tileAt(&world, camp).walkable = 1;
    tileAt(&world, camp).heroHere = tileAt(&world, camp).enemyHere = 0;
    tileAt(&world, camp).camp = 1;
    leader.stats.life = 60;
    const sf::Vector2f t = world.camera.topLeft;
    ASSERT_NE(t, sf::Vector2f(0.f, 0.f));
    auto screenOf = [&](GridPos cell) {
        return sf::Vector2i{cell.x * kCellSize + 64 - static_cast<int>(t.x), cell.y * kCellSize + 64 - static_cast<int>(t.y)};
    };
    clickAt(game.get(), screenOf(from).x, screenOf(from).y);
    clickAt(game.get(), screenOf(camp).x, screenOf(camp).y);
    for (int frame = 0; frame < 300 && !world.camp.open; ++frame) stepFrames(game.get(), 1, 0.05f);
    ASSERT_EQ(world.camp.open, 1);
    const sf::Vector2f centre = world.camera.topLeft + sf::Vector2f(960.f, 540.f);
    EXPECT_EQ(world.camp.background.getPosition(), centre);
    saveGameScreenshot(game.get(), "camp_heal_screen");

    auto healOnScreen = [&] {
        const sf::FloatRect b = world.camp.healButton.getGlobalBounds();
        const sf::Vector2f tl = world.camera.topLeft;
        return sf::Vector2i{static_cast<int>(b.left + b.width / 2.f - tl.x), static_cast<int>(b.top + b.height / 2.f - tl.y)};
    };

    // M: the screen keeps the close view, centred, and its heal button answers.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M));
    stepFrames(game.get(), 3, 0.05f);
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
    EXPECT_EQ(world.hud.visible, 1);
    EXPECT_EQ(world.camera.view.getCenter(), centre);
    EXPECT_EQ(world.camp.background.getPosition(), centre);
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::M));
    stepFrames(game.get(), 1, 0.05f);
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
    clickAt(game.get(), healOnScreen().x, healOnScreen().y);
    EXPECT_EQ(leader.stats.life, 70);
    EXPECT_EQ(world.gold, 80);

    // Escape, then Resume: the same.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    ASSERT_EQ(game->sceneState, SCENE_PAUSE);
    stepGame(game.get(), 3.f);
    stepGame(game.get(), 0.1f);
    const sf::FloatRect resume = game->pauseMenu.resume.sprite.getGlobalBounds();
    const sf::Vector2f tl = world.camera.topLeft;
    clickAt(game.get(), static_cast<int>(resume.left + resume.width / 2.f - tl.x),
            static_cast<int>(resume.top + resume.height / 2.f - tl.y));
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    stepFrames(game.get(), 2, 0.05f);
    EXPECT_EQ(world.camera.view.getCenter(), centre);
    EXPECT_EQ(world.camp.background.getPosition(), centre);
    clickAt(game.get(), healOnScreen().x, healOnScreen().y);
    EXPECT_EQ(leader.stats.life, 80);
    EXPECT_EQ(world.gold, 60);
    const sf::FloatRect cross = world.camp.cross.getGlobalBounds();
    clickAt(game.get(), static_cast<int>(cross.left + cross.width / 2.f - world.camera.topLeft.x),
            static_cast<int>(cross.top + cross.height / 2.f - world.camera.topLeft.y));
    EXPECT_EQ(world.camp.open, 0);
}
