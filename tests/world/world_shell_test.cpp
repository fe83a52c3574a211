// The world scene driven through the shell's real event handlers and frame steps.
#include "app/game.hpp"
#include "core/random.hpp"
#include "core/sound.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"
#include "world/hud_lives.hpp"

#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

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

// Frames of the game without drawing them.
void advance(MainData* game, int frames, float dt = 1.f / 60.f) {
    for (int i = 0; i < frames; ++i) stepGame(game, dt);
}

// What the window shows now, read back.
sf::Image shownFrame(MainData* game) {
    renderGame(game);
    sf::Texture frame;
    frame.create(1920, 1080);
    frame.update(game->window);
    return frame.copyToImage();
}

// The party as a player sees it: the middle of the box of the heroes' cells lies in the
// middle of the screen, unless the view stands against the map's edge on that side.
void expectViewOnParty(const WorldGame& world) {
    GridPos low{kMapColumns, kMapRows}, high{-1, -1};
    for (std::uint32_t i = 0; i < world.party.count; ++i) {
        const GridPos cell = playerCell(&world.party.players[i]);
        low = {std::min(low.x, cell.x), std::min(low.y, cell.y)};
        high = {std::max(high.x, cell.x), std::max(high.y, cell.y)};
    }
    const sf::Vector2f middle{(low.x + high.x + 1) * kCellSize / 2.f, (low.y + high.y + 1) * kCellSize / 2.f};
    const sf::Vector2f t = world.camera.topLeft;
    const sf::Vector2f centre = world.camera.view.getCenter();
    EXPECT_EQ(centre, t + sf::Vector2f(960.f, 540.f)) << "the view and its corner agree";
    EXPECT_TRUE(std::abs(centre.x - middle.x) <= 10.f || (middle.x < centre.x && t.x == 0.f) ||
                (middle.x > centre.x && t.x == 1920.f))
        << "party x " << middle.x << ", view centre x " << centre.x;
    EXPECT_TRUE(std::abs(centre.y - middle.y) <= 10.f || (middle.y < centre.y && t.y == 0.f) ||
                (middle.y > centre.y && t.y == 1080.f))
        << "party y " << middle.y << ", view centre y " << centre.y;
}

// Puts hero `index` on `cell`, moving its claim there.
void moveHero(WorldGame* world, std::int32_t index, GridPos cell) {
    WorldPlayer& hero = world->party.players[static_cast<std::size_t>(index)];
    movePlayerOnGrid(world, index, playerCell(&hero), cell);
    hero.body.sprite.setPosition(corner(cell));
    hero.mpSprite.setPosition(corner(cell));
}

// The arrow pieces hero `index` shows, by position.
std::vector<sf::Vector2f> arrowShown(const WorldGame& world, std::size_t index) {
    std::vector<sf::Vector2f> shown;
    for (const PathArrowPiece& piece : world.party.players[index].arrow)
        if (piece.visible) shown.push_back(piece.sprite.getPosition());
    return shown;
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

    // End Turn pressed while the hero walks: the turn ends as soon as the walk does.
    const sf::Vector2i button{1664 + 126, 1005 + 34};
    dispatchEvent(game.get(), mouseMoveEvent(button.x, button.y));
    clickAt(game.get(), button.x, button.y);
    EXPECT_EQ(world.playerTurn, 1);

    int frames = 0;
    while (hero.body.moving && frames++ < 300) {
        EXPECT_EQ(world.playerTurn, 1) << "the walk is not cut short";
        stepFrames(game.get(), 1, 0.05f);
    }
    ASSERT_EQ(hero.body.moving, 0);
    EXPECT_EQ(playerCell(&hero), (GridPos{9, 7}));
    EXPECT_EQ(hero.body.sprite.getPosition(), corner({9, 7}));
    ASSERT_EQ(world.playerTurn, 0) << "the press was kept for the walk's end";
    clickAt(game.get(), button.x, button.y); // the enemies' turn takes no press
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

TEST(WorldShell, TheViewOpensANewGameALevelAndEveryPlayerTurnOnTheParty) {
    auto game = makeTestGame();
    sf::Mouse::setPosition({960, 540}, game->window);
    seedRandom(5);
    const std::int32_t team[4] = {2, 1, 2, 3};
    initWorldGame(&game->world, team);
    game->sceneState = SCENE_WORLD;
    WorldGame& world = game->world;
    stepFrames(game.get(), 1);
    expectViewOnParty(world);
    const sf::Vector2f leader = world.party.players[0].body.sprite.getPosition() - world.camera.topLeft;
    EXPECT_EQ(world.hud.barSprite.getPosition(), world.camera.topLeft) << "the HUD came along";
    EXPECT_GE(leader.y, 0.f);
    EXPECT_LE(leader.y, 1080.f - 128.f) << "the leader is on screen";
    clickAt(game.get(), 960, 540);
    clickAt(game.get(), 960, 540); // the tutorial's two pages
    world.party.players[1].stats.life = 35;
    world.party.players[3].stats.life = 80;
    EXPECT_TRUE(saveGameScreenshot(game.get(), "hud_portraits_life"));

    // The party in the middle of the map and the view pushed far from it: once the enemies
    // have walked, the player's turn opens on the party again.
    for (Tile& tile : world.tileMap.tiles) tile.walkable = !(tile.heroHere || tile.enemyHere);
    const GridPos middle[4] = {{14, 8}, {15, 9}, {13, 9}, {14, 10}};
    for (std::int32_t i = 0; i < 4; ++i) moveHero(&world, i, middle[i]);
    dispatchEvent(game.get(), mouseMoveEvent(1919, 1079));
    advance(game.get(), 200);
    ASSERT_EQ(world.camera.topLeft, sf::Vector2f(1920.f, 1080.f));
    dispatchEvent(game.get(), mouseMoveEvent(900, 600));
    clickAt(game.get(), 1664 + 126, 1005 + 34);
    ASSERT_EQ(world.playerTurn, 0);
    int frames = 0;
    while (!(world.playerTurn == 1 && world.banners.allyHidden == 1) && frames++ < 1500) advance(game.get(), 1, 0.05f);
    ASSERT_EQ(world.playerTurn, 1);
    ASSERT_EQ(world.phase, WORLD_PHASE_MAP) << "no enemy reached the party";
    expectViewOnParty(world);
    EXPECT_EQ(world.hud.endTurnSprite.getPosition(), world.camera.topLeft + kHudEndTurnOffset);

    // A level reached through the shop and the road opens on the party too.
    world.enemies.count = 0;
    stepFrames(game.get(), 1);
    ASSERT_EQ(game->sceneState, SCENE_SHOP);
    clickAt(game.get(), static_cast<int>(game->shop.next.sprite.getGlobalBounds().left) + 20,
            static_cast<int>(game->shop.next.sprite.getGlobalBounds().top) + 20);
    frames = 0;
    while (game->sceneState != SCENE_WORLD && frames++ < 2000) advance(game.get(), 1, 0.05f);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    stepFrames(game.get(), 2);
    EXPECT_EQ(world.level, 2);
    expectViewOnParty(world);
    EXPECT_EQ(world.hud.barSprite.getPosition(), world.camera.topLeft);
}

TEST(WorldShell, TheViewStopsAtTheMapsEdgesAndTheTopShowsNoVoid) {
    auto game = worldGame();
    WorldGame& world = game->world;
    dispatchEvent(game.get(), mouseMoveEvent(0, 0));
    advance(game.get(), 150);
    // The top row rises clear of the top bar; the bar covers the band above the map, so the
    // black beyond the map never shows.
    EXPECT_EQ(world.camera.topLeft, sf::Vector2f(0.f, -120.f));
    const sf::Image top = shownFrame(game.get());
    for (unsigned x = 0; x < 1920; x += 8)
        for (unsigned y = 0; y < 250; y += 6) ASSERT_NE(top.getPixel(x, y), sf::Color::Black) << x << "," << y;

    dispatchEvent(game.get(), mouseMoveEvent(1919, 1079));
    advance(game.get(), 150);
    EXPECT_EQ(world.camera.topLeft, sf::Vector2f(1920.f, 1080.f));
    const sf::Image bottom = shownFrame(game.get());
    for (unsigned x = 0; x < 1600; x += 16) ASSERT_NE(bottom.getPixel(x, 1079), sf::Color::Black) << x;
}

TEST(WorldShell, PointingAtAReachableSquareShowsTheArrowTheClickWillFollow) {
    auto game = worldGame();
    WorldGame& world = game->world;
    stepFrames(game.get(), 1);
    const auto pointAt = [&](GridPos cell) {
        const sf::Vector2i at = screenOf(game.get(), cell);
        dispatchEvent(game.get(), mouseMoveEvent(at.x, at.y));
    };
    pointAt({8, 9});
    EXPECT_TRUE(arrowShown(world, 0).empty()) << "no hero selected";

    const sf::Vector2i heroAt = screenOf(game.get(), kHeroCells[0]);
    clickAt(game.get(), heroAt.x, heroAt.y);
    ASSERT_GT(visibleSquareCount(&world), 0);
    pointAt({8, 9});
    const std::vector<sf::Vector2f> preview = arrowShown(world, 0);
    ASSERT_EQ(preview.size(), 5u) << "four steps and the start";
    EXPECT_EQ(world.party.players[0].arrow[0].sprite.getPosition(), corner({8, 9})) << "the head on the square";
    EXPECT_EQ(world.party.players[0].arrow[4].sprite.getPosition(), corner(kHeroCells[0])) << "the tail on the hero";
    EXPECT_TRUE(saveGameScreenshot(game.get(), "map_hover_path"));

    pointAt(kHeroCells[0]);
    EXPECT_TRUE(arrowShown(world, 0).empty()) << "the hero's own square";
    pointAt({16, 7});
    EXPECT_TRUE(arrowShown(world, 0).empty()) << "out of reach";
    pointAt({7, 7});
    EXPECT_EQ(arrowShown(world, 0).size(), 2u);

    // The click follows the arrow shown.
    pointAt({8, 9});
    const sf::Vector2i target = screenOf(game.get(), {8, 9});
    clickAt(game.get(), target.x, target.y);
    ASSERT_EQ(world.party.players[0].body.moving, 1);
    EXPECT_EQ(walkEnd(&world.party.players[0].walk), (GridPos{8, 9}));
    EXPECT_EQ(arrowShown(world, 0), preview);
    // Pointing elsewhere while it walks leaves its arrow alone.
    pointAt({7, 7});
    EXPECT_EQ(arrowShown(world, 0), preview);
}

TEST(WorldShell, EndTurnKeptForAWalkIsForgottenWhenTheWalkOpensTheCamp) {
    auto game = worldGame();
    WorldGame& world = game->world;
    stepFrames(game.get(), 1);
    tileAt(&world, {9, 7}).camp = 1;
    const sf::Vector2i heroAt = screenOf(game.get(), kHeroCells[0]);
    clickAt(game.get(), heroAt.x, heroAt.y);
    const sf::Vector2i camp = screenOf(game.get(), {9, 7});
    clickAt(game.get(), camp.x, camp.y);
    ASSERT_EQ(world.party.players[0].body.moving, 1);
    clickAt(game.get(), 1664 + 126, 1005 + 34);
    int frames = 0;
    while (world.party.players[0].body.moving && frames++ < 300) stepFrames(game.get(), 1, 0.05f);
    ASSERT_EQ(world.camp.open, 1);
    stepFrames(game.get(), 5);
    EXPECT_EQ(world.playerTurn, 1) << "the player heals first";
    toggleCampScreen(&world.camp, &world.party, 0, world.camera.topLeft); // the camp screen closed
    ASSERT_EQ(world.camp.open, 0);
    stepFrames(game.get(), 5);
    EXPECT_EQ(world.playerTurn, 1) << "the press was for the walk, not for after the camp";
}
