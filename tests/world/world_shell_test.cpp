// The world scene driven through the shell's real event handlers and frame steps.
#include "app/game.hpp"
#include "core/random.hpp"
#include "core/sound.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"

#include <SFML/Window/Mouse.hpp>

#include <gtest/gtest.h>

namespace {

const GridPos kHeroCells[4] = {{6, 7}, {1, 1}, {1, 8}, {1, 12}};
const GridPos kEnemyCells[4] = {{20, 4}, {22, 8}, {24, 12}, {26, 2}};

// A new game on open ground with every unit on a known cell.
std::unique_ptr<MainData> worldGame() {
    auto game = makeTestGame();
    // Keep the real pointer away from the screen edges: the camera polls it.
    sf::Mouse::setPosition({960, 540}, game->window);
    seedRandom(11);
    const std::int32_t team[4] = {1, 1, 2, 3};
    initWorldGame(&game->world, team);
    game->sceneState = SCENE_WORLD;
    // A new game opens the map's tutorial; two clicks page through it.
    clickAt(game.get(), 960, 540);
    clickAt(game.get(), 960, 540);
    WorldGame& world = game->world;
    for (Tile& tile : world.tileMap.tiles) {
        tile.walkable = 1;
        tile.heroHere = tile.enemyHere = tile.camp = tile.crateHere = 0;
    }
    for (std::uint32_t i = 0; i < world.party.count; ++i) {
        world.party.players[i].body.sprite.setPosition(corner(kHeroCells[i]));
        world.party.players[i].mpSprite.setPosition(corner(kHeroCells[i]));
        tileAt(&world, kHeroCells[i]).walkable = 0;
        tileAt(&world, kHeroCells[i]).heroHere = 1;
    }
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) {
        world.enemies.enemies[i].body.sprite.setPosition(corner(kEnemyCells[i]));
        tileAt(&world, kEnemyCells[i]).walkable = 0;
        tileAt(&world, kEnemyCells[i]).enemyHere = 1;
    }
    return game;
}

// Screen position of the centre of a cell in the close view.
sf::Vector2i screenOf(const MainData* game, GridPos cell) {
    const sf::Vector2f t = game->world.camera.topLeft;
    return {cell.x * kCellSize + 64 - static_cast<int>(t.x), cell.y * kCellSize + 64 - static_cast<int>(t.y)};
}

void enableDebug(MainData* game) {
    const sf::Keyboard::Key chord[4] = {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F, sf::Keyboard::J};
    for (auto key : chord) dispatchEvent(game, keyPressEvent(key));
    for (auto key : chord) dispatchEvent(game, keyReleaseEvent(key));
    ASSERT_EQ(game->debugMode, 1);
}

void press(MainData* game, sf::Keyboard::Key key) {
    dispatchEvent(game, keyPressEvent(key));
    dispatchEvent(game, keyReleaseEvent(key));
}

} // namespace

TEST(WorldShell, AWholeTurnThroughTheRealHandlers) {
    auto game = worldGame();
    WorldGame& world = game->world;
    const WorldPlayer& hero = world.party.players[0];

    // Select the hero, then order a move three cells to the right.
    const sf::Vector2i heroAt = screenOf(game.get(), kHeroCells[0]);
    dispatchEvent(game.get(), mouseMoveEvent(heroAt.x, heroAt.y));
    clickAt(game.get(), heroAt.x, heroAt.y);
    ASSERT_EQ(visibleSquareCount(&world), 61) << "open ground around the hero";
    const sf::Vector2i target = screenOf(game.get(), {9, 7});
    clickAt(game.get(), target.x, target.y);
    ASSERT_EQ(hero.body.moving, 1);
    EXPECT_EQ(hero.movePoints, 2);
    saveGameScreenshot(game.get(), "world_path_arrow");

    // The end-turn button refuses while the hero walks.
    const sf::Vector2i button{1664 + 126, 1005 + 34};
    dispatchEvent(game.get(), mouseMoveEvent(button.x, button.y));
    clickAt(game.get(), button.x, button.y);
    EXPECT_EQ(world.playerTurn, 1);

    int frames = 0;
    while (hero.body.moving && frames++ < 300) stepFrames(game.get(), 1, 0.05f);
    ASSERT_EQ(hero.body.moving, 0);
    EXPECT_EQ(playerCell(&hero), (GridPos{9, 7}));
    EXPECT_EQ(hero.body.sprite.getPosition(), corner({9, 7}));

    clickAt(game.get(), button.x, button.y);
    ASSERT_EQ(world.playerTurn, 0);
    EXPECT_EQ(world.camera.mode, CAMERA_OVERVIEW);
    EXPECT_EQ(world.hud.visible, 0);
    std::array<GridPos, 4> before{};
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) before[i] = enemyCell(&world.enemies.enemies[i]);

    // The enemies' banner, their walks, the allies' banner, then the player's turn again.
    bool walkShot = false, enemyBannerShot = false, allyBannerShot = false;
    frames = 0;
    while (!(world.playerTurn == 1 && world.banners.allyHidden == 1) && frames++ < 1500) {
        stepFrames(game.get(), 1, 0.05f);
        if (!enemyBannerShot && !world.banners.enemyHidden && world.banners.holdTimer > 0.f)
            enemyBannerShot = saveGameScreenshot(game.get(), "world_enemy_banner");
        if (!walkShot && world.enemies.enemies[1].body.moving) walkShot = saveGameScreenshot(game.get(), "world_enemy_turn");
        if (!allyBannerShot && !world.banners.allyHidden && world.banners.holdTimer > 0.f)
            allyBannerShot = saveGameScreenshot(game.get(), "world_ally_banner");
    }
    ASSERT_EQ(world.playerTurn, 1);
    EXPECT_EQ(world.banners.allyHidden, 1);
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
    EXPECT_EQ(world.hud.visible, 1);
    EXPECT_EQ(hero.movePoints, 5);
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) {
        const WorldEnemy& enemy = world.enemies.enemies[i];
        const GridPos now = enemyCell(&enemy);
        EXPECT_EQ(enemy.body.sprite.getPosition(), corner(now));
        EXPECT_EQ(std::abs(now.x - before[i].x) + std::abs(now.y - before[i].y), 5) << "enemy " << i;
        EXPECT_EQ(tileAt(&world, now).enemyHere, 1);
        EXPECT_EQ(enemy.acted, 0);
    }
    EXPECT_EQ(game->sceneState, SCENE_WORLD);

    // A new player turn: the hero can be selected again.
    const sf::Vector2i again = screenOf(game.get(), {9, 7});
    clickAt(game.get(), again.x, again.y);
    EXPECT_GT(visibleSquareCount(&world), 0);
    saveGameScreenshot(game.get(), "world_range");
}

// Holding the right button (or Space) plays the enemies' turn at Instant: every enemy walks
// its whole way in the frame the turn ends, their footsteps sound once in that frame, and
// letting go brings back the speed of the settings.
TEST(WorldShell, HoldingTheRightButtonPlaysTheEnemiesTurnInOneFrame) {
    auto game = worldGame();
    WorldGame& world = game->world;
    std::array<GridPos, 4> before{};
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) before[i] = enemyCell(&world.enemies.enemies[i]);
    const sf::Vector2i button{1664 + 126, 1005 + 34};
    dispatchEvent(game.get(), mouseMoveEvent(button.x, button.y));
    dispatchEvent(game.get(), mousePressEvent(960, 540, sf::Mouse::Right));
    setSoundVolume(40.f);
    stepFrames(game.get(), 1, 0.05f);
    resetSoundBooks();
    clickAt(game.get(), button.x, button.y);
    ASSERT_EQ(world.playerTurn, 0);
    stepFrames(game.get(), 1, 0.05f);
    EXPECT_EQ(world.playerTurn, 1) << "the whole turn in one frame";
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) {
        const WorldEnemy& enemy = world.enemies.enemies[i];
        const GridPos now = enemyCell(&enemy);
        EXPECT_EQ(enemy.body.sprite.getPosition(), corner(now));
        EXPECT_EQ(std::abs(now.x - before[i].x) + std::abs(now.y - before[i].y), 5) << "enemy " << i;
        EXPECT_EQ(tileAt(&world, now).enemyHere, 1);
    }
    const auto step = static_cast<std::size_t>(Sound::EnemyStep);
    EXPECT_EQ(soundBooks().asked[step], 5 * static_cast<int>(world.enemies.count));
    EXPECT_EQ(soundBooks().played[step], 1) << "one footstep sound for the frame, not a storm";

    // Let go: the settings' Normal speed walks again.
    dispatchEvent(game.get(), mouseReleaseEvent(960, 540, sf::Mouse::Right));
    int frames = 0;
    while (!world.banners.allyHidden && frames++ < 200) stepFrames(game.get(), 1, 0.05f);
    clickAt(game.get(), button.x, button.y);
    ASSERT_EQ(world.playerTurn, 0);
    stepFrames(game.get(), 5, 0.05f);
    EXPECT_EQ(world.playerTurn, 0);
    EXPECT_EQ(world.banners.enemyHidden, 0) << "the enemies' banner shows again";
}

TEST(WorldShell, HoldingMShowsTheWholeMapOnlyOnThePlayersTurn) {
    auto game = worldGame();
    WorldGame& world = game->world;
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M));
    EXPECT_EQ(world.camera.mode, CAMERA_OVERVIEW);
    EXPECT_EQ(world.hud.visible, 0);
    stepFrames(game.get(), 3);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M)); // key repeat: nothing more
    EXPECT_EQ(world.camera.mode, CAMERA_OVERVIEW);
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::M));
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
    EXPECT_EQ(world.hud.visible, 1);
    EXPECT_EQ(world.camera.topLeft, sf::Vector2f(0.f, 0.f));

    world.playerTurn = 0;
    press(game.get(), sf::Keyboard::M);
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
}

TEST(WorldShell, EscapeInTheOverviewComesBackToTheCloseViewWithTheHud) {
    auto game = worldGame();
    WorldGame& world = game->world;
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M));
    ASSERT_EQ(world.camera.mode, CAMERA_OVERVIEW);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    EXPECT_EQ(world.camera.mode, CAMERA_CLOSE);
    EXPECT_EQ(world.hud.visible, 1);
    EXPECT_EQ(world.camera.scrollStep, sf::Vector2i(0, 0));
}

TEST(WorldShell, OverviewFreezesTheScreenFixedOverlays) {
    auto game = worldGame();
    WorldGame& world = game->world;
    world.camera.scrollStep = {20, 0}; // as left by a scroll just before the overview
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M));
    const sf::Vector2f bar = world.hud.barSprite.getPosition();
    stepFrames(game.get(), 5);
    EXPECT_EQ(world.hud.barSprite.getPosition(), bar);
    EXPECT_EQ(world.camera.scrollStep, sf::Vector2i(0, 0));
}

TEST(WorldShell, DebugKeysEndTheTurnRestoreMovesAndRemoveTheLastHero) {
    auto game = worldGame();
    WorldGame& world = game->world;
    press(game.get(), sf::Keyboard::Space);
    EXPECT_EQ(world.playerTurn, 1) << "debug keys are off";
    enableDebug(game.get());

    world.party.players[2].movePoints = 1;
    press(game.get(), sf::Keyboard::E);
    EXPECT_EQ(world.party.players[2].movePoints, 5);

    const GridPos lastCell = kHeroCells[3];
    press(game.get(), sf::Keyboard::Z);
    EXPECT_EQ(world.party.count, 3u);
    EXPECT_EQ(tileAt(&world, lastCell).heroHere, 0);
    EXPECT_EQ(tileAt(&world, lastCell).walkable, 1);
    EXPECT_EQ(world.hud.visible, 1);
    EXPECT_EQ(world.hud.portraitSprites[3].getTexture(), nullptr);
    EXPECT_EQ(world.party.leaderAlive, 1);

    world.phase = WORLD_PHASE_FIGHT;
    press(game.get(), sf::Keyboard::Space);
    EXPECT_EQ(world.playerTurn, 1) << "no turn change outside the map phase";
    press(game.get(), sf::Keyboard::T);
    EXPECT_EQ(world.phase, WORLD_PHASE_MAP);
    press(game.get(), sf::Keyboard::Space);
    EXPECT_EQ(world.playerTurn, 0);
    EXPECT_EQ(world.camera.mode, CAMERA_OVERVIEW);
}

TEST(WorldShell, HoverOverAPortraitOpensTheCharacterSheet) {
    auto game = worldGame();
    WorldGame& world = game->world;
    const sf::FloatRect frame = world.hud.frameSprites[1].getGlobalBounds();
    dispatchEvent(game.get(), mouseMoveEvent(static_cast<int>(frame.left + frame.width / 2.f),
                                             static_cast<int>(frame.top + frame.height / 2.f)));
    EXPECT_EQ(world.hud.hovered, (std::array<std::int32_t, 4>{0, 1, 0, 0}));
    saveGameScreenshot(game.get(), "world_hud_sheet");
    dispatchEvent(game.get(), mouseMoveEvent(900, 600));
    EXPECT_EQ(world.hud.hovered, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
}
