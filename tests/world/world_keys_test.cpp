// The keyboard on the map and in the battle, the enemies' reach and taking back a move,
// all driven through the shell's event dispatch.
#include "app/game.hpp"
#include "core/random.hpp"
#include "fight/fight_keys.hpp"
#include "fight/fight_test_support.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"
#include "world/enemy_reach.hpp"
#include "world/move_undo.hpp"
#include "world/world_keys.hpp"

#include <SFML/Window/Mouse.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const GridPos kHeroCells[4] = {{6, 7}, {1, 1}, {1, 8}, {1, 12}};
const GridPos kEnemyCells[4] = {{20, 4}, {21, 4}, {24, 12}, {12, 14}};

// Puts a unit on `cell`, freeing the cell it stood on.
void freeCell(WorldGame& world, GridPos cell) {
    if (!cellOnBoard(cell)) return;
    tileAt(&world, cell).walkable = 1;
    tileAt(&world, cell).heroHere = tileAt(&world, cell).enemyHere = 0;
}
void placeHero(WorldGame& world, std::uint32_t i, GridPos cell) {
    freeCell(world, playerCell(&world.party.players[i]));
    world.party.players[i].body.sprite.setPosition(corner(cell));
    world.party.players[i].mpSprite.setPosition(corner(cell));
    tileAt(&world, cell).walkable = 0;
    tileAt(&world, cell).heroHere = 1;
}

void placeEnemy(WorldGame& world, std::uint32_t i, GridPos cell) {
    freeCell(world, enemyCell(&world.enemies.enemies[i]));
    world.enemies.enemies[i].body.sprite.setPosition(corner(cell));
    tileAt(&world, cell).walkable = 0;
    tileAt(&world, cell).enemyHere = 1;
}

// A new game on open ground, the tutorial paged through, every unit on a known cell.
std::unique_ptr<MainData> keysGame() {
    auto game = makeTestGame();
    sf::Mouse::setPosition({960, 540}, game->window); // the camera polls the real pointer
    seedRandom(23);
    const std::int32_t team[4] = {1, 1, 2, 3};
    initWorldGame(&game->world, team);
    game->sceneState = SCENE_WORLD;
    clickAt(game.get(), 960, 540);
    clickAt(game.get(), 960, 540);
    WorldGame& world = game->world;
    for (Tile& tile : world.tileMap.tiles) {
        tile.walkable = 1;
        tile.heroHere = tile.enemyHere = tile.camp = tile.crateHere = 0;
    }
    for (std::uint32_t i = 0; i < world.party.count; ++i) placeHero(world, i, kHeroCells[i]);
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) placeEnemy(world, i, kEnemyCells[i]);
    return game;
}

sf::Vector2i screenOf(const MainData* game, GridPos cell) {
    const sf::Vector2f t = game->world.camera.topLeft;
    return {cell.x * kCellSize + 64 - static_cast<int>(t.x), cell.y * kCellSize + 64 - static_cast<int>(t.y)};
}

void press(MainData* game, sf::Keyboard::Key key) {
    dispatchEvent(game, keyPressEvent(key));
    dispatchEvent(game, keyReleaseEvent(key));
}

void pointAt(MainData* game, GridPos cell) {
    const sf::Vector2i at = screenOf(game, cell);
    dispatchEvent(game, mouseMoveEvent(at.x, at.y));
}

// Selects the hero on `from` and sends it to `to`, then lets it walk there.
void moveHero(MainData* game, GridPos from, GridPos to) {
    const sf::Vector2i a = screenOf(game, from);
    clickAt(game, a.x, a.y);
    const sf::Vector2i b = screenOf(game, to);
    clickAt(game, b.x, b.y);
    for (int frames = 0; anyPlayerMoving(&game->world) && frames < 400; ++frames) stepFrames(game, 1, 0.05f);
    stepFrames(game, 1, 0.05f);
}

int shownCount(const ReachCells& cells) {
    int n = 0;
    for (std::uint8_t c : cells) n += c;
    return n;
}
bool shown(const ReachCells& cells, GridPos cell) { return cells[static_cast<std::size_t>(cellIndex(cell))] != 0; }

void expectHeroOn(const WorldGame& world, std::uint32_t hero, GridPos cell, std::int32_t movePoints) {
    const WorldPlayer& player = world.party.players[hero];
    EXPECT_EQ(playerCell(&player), cell);
    EXPECT_EQ(player.body.sprite.getPosition(), corner(cell));
    EXPECT_EQ(player.mpSprite.getPosition(), corner(cell));
    EXPECT_EQ(player.movePoints, movePoints);
    EXPECT_EQ(tileAt(&world, cell).heroHere, 1);
    EXPECT_EQ(tileAt(&world, cell).walkable, 0);
}

} // namespace

TEST(MapKeys, TabSelectsTheNextHeroThatCanMoveAndEnterEndsTheTurnOnce) {
    auto game = keysGame();
    WorldGame& world = game->world;
    world.party.players[1].movePoints = 0; // spent: Tab passes it by
    world.party.selectedIndex = 0;
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(world.party.selectedIndex, 2);
    EXPECT_EQ(world.party.selectedCell, kHeroCells[2]);
    EXPECT_TRUE(squareVisible(&world, {1, 10})) << "the range of the hero selected by Tab";
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(world.party.selectedIndex, 3);
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(world.party.selectedIndex, 0) << "wraps round, past the spent hero";
    EXPECT_TRUE(squareVisible(&world, {8, 7}));
    EXPECT_FALSE(squareVisible(&world, {1, 10})) << "the earlier range is gone";
    // A hero picked while the view looks elsewhere is brought into view.
    focusCamera(&world.camera, {3800.f, 2150.f});
    stepFrames(game.get(), 1);
    press(game.get(), sf::Keyboard::Tab);
    stepFrames(game.get(), 1);
    const GridPos shown = playerCell(&world.party.players[static_cast<std::size_t>(world.party.selectedIndex)]);
    const sf::Vector2f from = world.camera.topLeft;
    EXPECT_GT(static_cast<float>(shown.x * kCellSize), from.x);
    EXPECT_LT(static_cast<float>((shown.x + 1) * kCellSize), from.x + 1920.f);
    EXPECT_GT(static_cast<float>(shown.y * kCellSize), from.y + 120.f);
    EXPECT_LT(static_cast<float>((shown.y + 1) * kCellSize), from.y + 1080.f);
    const std::int32_t selectedBeforeTheEnemies = world.party.selectedIndex;

    // The tutorial box takes no keys.
    world.dialog.visible = 1;
    press(game.get(), sf::Keyboard::Enter);
    EXPECT_EQ(world.playerTurn, 1);
    world.dialog.visible = 0;

    press(game.get(), sf::Keyboard::Enter);
    EXPECT_EQ(world.playerTurn, 0);
    EXPECT_EQ(world.camera.mode, CAMERA_OVERVIEW);
    // Enter held down repeats: the enemies' turn is not cut short by it.
    press(game.get(), sf::Keyboard::Enter);
    EXPECT_EQ(world.playerTurn, 0);
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(world.party.selectedIndex, selectedBeforeTheEnemies);
}

TEST(EnemyReach, PointingAnEnemyMarksItsNextWalkAndAltMarksEveryEnemys) {
    auto game = keysGame();
    WorldGame& world = game->world;
    // In the first screen: a wall, two enemies side by side, a hero below them.
    const GridPos reachEnemies[4] = {{10, 3}, {11, 3}, {13, 7}, {4, 4}};
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) placeEnemy(world, i, reachEnemies[i]);
    blockCells(&world, {{8, 0}, {8, 1}, {8, 2}, {8, 3}, {8, 4}, {8, 5}});
    placeHero(world, 0, {10, 6});

    EXPECT_EQ(shownCount(shownEnemyReach(&world)), 0);
    pointAt(game.get(), reachEnemies[0]);
    const ReachCells first = shownEnemyReach(&world);
    EXPECT_TRUE(shown(first, reachEnemies[0]));
    EXPECT_TRUE(shown(first, {9, 3}));
    EXPECT_FALSE(shown(first, {7, 3})) << "behind the wall: too far round it";
    EXPECT_TRUE(shown(first, {8, 6})) << "round the wall's end in five";
    EXPECT_FALSE(shown(first, {11, 3})) << "another enemy's cell is closed to it";
    EXPECT_TRUE(shown(first, {12, 3})) << "round the other enemy in four";
    EXPECT_FALSE(shown(first, {15, 3})) << "five in a line, but seven round the other enemy";
    EXPECT_TRUE(shown(first, {10, 6})) << "a lone hero's cell: a meeting";
    for (int i = 0; i < kCellCount; ++i)
        if (first[static_cast<std::size_t>(i)]) {
            const GridPos cell = cellAtIndex(i);
            EXPECT_LE(std::abs(cell.x - 10) + std::abs(cell.y - 3), 5) << cell.x << "," << cell.y;
        }
    EXPECT_EQ(world.enemyReach.vertexCount, 0) << "nothing drawn yet";
    saveGameScreenshot(game.get(), "enemy_reach");
    EXPECT_EQ(world.enemyReach.vertexCount, 6 * shownCount(first)) << "one picture per marked cell";

    // Each enemy pointed at in turn; Alt then marks all of them together.
    ReachCells together{};
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) {
        pointAt(game.get(), reachEnemies[i]);
        const ReachCells one = shownEnemyReach(&world);
        EXPECT_GT(shownCount(one), 0) << "enemy " << i;
        for (int c = 0; c < kCellCount; ++c) together[static_cast<std::size_t>(c)] |= one[static_cast<std::size_t>(c)];
    }
    pointAt(game.get(), {10, 2}); // open ground: no enemy
    EXPECT_EQ(shownCount(shownEnemyReach(&world)), 0);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::LAlt));
    EXPECT_EQ(shownEnemyReach(&world), together);
    EXPECT_GT(shownCount(together), shownCount(first));
    saveGameScreenshot(game.get(), "enemy_reach_all");
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::LAlt));
    EXPECT_EQ(shownCount(shownEnemyReach(&world)), 0);

    // A lost focus lets go of Alt; the enemies' turn shows no marks.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::RAlt));
    sf::Event lost;
    lost.type = sf::Event::LostFocus;
    dispatchEvent(game.get(), lost);
    EXPECT_EQ(shownCount(shownEnemyReach(&world)), 0);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::RAlt));
    world.playerTurn = 0;
    EXPECT_EQ(shownCount(shownEnemyReach(&world)), 0);
}

TEST(MoveUndo, UTakesBackTheTurnsMovesLastFirst) {
    auto game = keysGame();
    WorldGame& world = game->world;
    press(game.get(), sf::Keyboard::U);
    EXPECT_FALSE(canUndoHeroMove(&world)) << "nothing to take back";

    moveHero(game.get(), kHeroCells[0], {9, 7});
    moveHero(game.get(), {9, 7}, {9, 8});
    moveHero(game.get(), kHeroCells[2], {3, 8});
    expectHeroOn(world, 0, {9, 8}, 1);
    EXPECT_EQ(world.moveUndo.count, 3);
    saveGameScreenshot(game.get(), "undo_button");

    press(game.get(), sf::Keyboard::U);
    expectHeroOn(world, 2, kHeroCells[2], 5);
    EXPECT_EQ(tileAt(&world, {3, 8}).heroHere, 0);
    EXPECT_EQ(tileAt(&world, {3, 8}).walkable, 1);
    EXPECT_EQ(world.party.selectedIndex, 2) << "the hero taken back is selected again";
    EXPECT_TRUE(squareVisible(&world, {3, 8}));

    // The button beside End Turn does the same.
    const sf::Vector2i button{1584 + 34, 1005 + 34};
    dispatchEvent(game.get(), mouseMoveEvent(button.x, button.y));
    EXPECT_EQ(world.moveUndo.buttonHovered, 1);
    clickAt(game.get(), button.x, button.y);
    expectHeroOn(world, 0, {9, 7}, 2);
    press(game.get(), sf::Keyboard::U);
    expectHeroOn(world, 0, kHeroCells[0], 5);
    EXPECT_EQ(tileAt(&world, {9, 7}).heroHere, 0);
    press(game.get(), sf::Keyboard::U);
    expectHeroOn(world, 0, kHeroCells[0], 5);

    // Not while the hero walks: it would jump out of its walk.
    const sf::Vector2i a = screenOf(game.get(), kHeroCells[0]);
    clickAt(game.get(), a.x, a.y);
    const sf::Vector2i b = screenOf(game.get(), {6, 10});
    clickAt(game.get(), b.x, b.y);
    stepFrames(game.get(), 2, 0.05f);
    press(game.get(), sf::Keyboard::U);
    EXPECT_EQ(world.party.players[0].body.moving, 1);
    EXPECT_EQ(world.party.players[0].movePoints, 2);
}

TEST(MoveUndo, RefusedOnceACrateACampAFightOrTheEnemiesAnswered) {
    auto game = keysGame();
    WorldGame& world = game->world;

    // A plain move, then one onto a crate: the crate answered, neither comes back.
    moveHero(game.get(), kHeroCells[0], {8, 7});
    tileAt(&world, {10, 7}).crateHere = 1;
    const std::int32_t gold = world.gold;
    moveHero(game.get(), {8, 7}, {10, 7});
    EXPECT_GT(world.gold, gold);
    press(game.get(), sf::Keyboard::U);
    expectHeroOn(world, 0, {10, 7}, 1);

    // A camp visited.
    tileAt(&world, {3, 8}).camp = 1;
    moveHero(game.get(), kHeroCells[2], {3, 8});
    EXPECT_EQ(world.camp.open, 1);
    press(game.get(), sf::Keyboard::U);
    world.camp.open = 0;
    press(game.get(), sf::Keyboard::U);
    expectHeroOn(world, 2, {3, 8}, 3);

    // The enemies moved.
    moveHero(game.get(), kHeroCells[3], {3, 12});
    EXPECT_TRUE(canUndoHeroMove(&world));
    press(game.get(), sf::Keyboard::Enter);
    for (int frames = 0; !(world.playerTurn && world.banners.allyHidden) && frames < 2000; ++frames)
        stepFrames(game.get(), 1, 0.05f);
    ASSERT_EQ(world.playerTurn, 1);
    press(game.get(), sf::Keyboard::U);
    EXPECT_EQ(playerCell(&world.party.players[3]), (GridPos{3, 12}));

    // A fight: the hero walks onto an enemy.
    placeEnemy(world, 3, {14, 2});
    placeHero(world, 1, {12, 2});
    moveHero(game.get(), {12, 2}, {12, 3});
    ASSERT_TRUE(canUndoHeroMove(&world));
    testing::internal::CaptureStdout();
    moveHero(game.get(), {12, 3}, {14, 2});
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(world.phase, WORLD_PHASE_FIGHT);
    EXPECT_EQ(world.moveUndo.count, 0);
    EXPECT_FALSE(undoHeroMove(&world));
}

TEST(BattleKeys, NumbersPickCardsTabPassesTheFallenAndEnterEndsTheTurn) {
    using namespace fighttest;
    auto game = keysGame();
    WorldGame& world = game->world;
    world.fightTutorialShown = 1;
    const std::vector<UnitStats> heroes = {hero(PLAYER_IRINA, 0), hero(PLAYER_LIGHT, 1), hero(PLAYER_HEAVY, 2)};
    const std::vector<UnitStats> foes = {foe(ENEMY_LIGHT, 0), foe(ENEMY_HEAVY, 1)};
    testing::internal::CaptureStdout();
    initFightScene(&world.fight, heroes.data(), 3, foes.data(), 2);
    testing::internal::GetCapturedStdout();
    world.phase = WORLD_PHASE_FIGHT;
    FightScene& scene = world.fight;

    press(game.get(), sf::Keyboard::Num1);
    EXPECT_EQ(heldCard(scene.allies).owner, -1) << "no hero selected: no hand to pick from";
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(ally(scene, 0).selected, 1);
    press(game.get(), sf::Keyboard::Num3);
    EXPECT_EQ(heldCard(scene.allies).owner, 0);
    EXPECT_EQ(heldCard(scene.allies).slot, 2);
    stepFrames(game.get(), 2);
    // No mouse has moved in this fight yet: every card still finds its place in the fan.
    for (int place = 0; place < kShownAtBuild; ++place)
        EXPECT_GT(ally(scene, 0).hand.cards[static_cast<std::size_t>(place)].sprite.getPosition().y, 900.f) << place;
    saveGameScreenshot(game.get(), "battle_key_hints");
    press(game.get(), sf::Keyboard::Num1);
    EXPECT_EQ(heldCard(scene.allies).slot, 0);

    // The card picked by its key goes where the mouse sends it.
    const std::int32_t kind = heldCard(scene.allies).kind;
    const sf::Vector2f target = kind >= kFirstSupportKind ? centreOf(ally(scene, 1).fighter.body.sprite)
                                                          : centreOf(enemy(scene, 0).fighter.body.sprite);
    dispatchEvent(game.get(), mouseMoveEvent(static_cast<int>(target.x), static_cast<int>(target.y)));
    stepFrames(game.get(), 1);
    clickAt(game.get(), static_cast<int>(target.x), static_cast<int>(target.y));
    EXPECT_EQ(ally(scene, 0).fighter.stats.actionPoints, kActionPointsPerTurn - 1);
    EXPECT_EQ(ally(scene, 0).hand.shownCount, kShownAtBuild - 1);
    press(game.get(), sf::Keyboard::Num5);
    EXPECT_EQ(heldCard(scene.allies).owner, -1) << "four cards left: no fifth place";
    press(game.get(), sf::Keyboard::Num4);
    EXPECT_EQ(heldCard(scene.allies).slot, 3);

    // Tab drops the card held and passes a fallen hero by.
    ally(scene, 2).fighter.stats.life = 0;
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(ally(scene, 1).selected, 1);
    EXPECT_EQ(ally(scene, 0).selected, 0);
    EXPECT_EQ(heldCard(scene.allies).owner, -1);
    press(game.get(), sf::Keyboard::Tab);
    EXPECT_EQ(ally(scene, 0).selected, 1);

    // D opens the deck view on the selected hero's deck and closes it.
    press(game.get(), sf::Keyboard::D);
    EXPECT_EQ(scene.deckPile.deckViewOpen, 1);
    EXPECT_EQ(scene.deckPile.view.heroType, ally(scene, 0).heroType);
    press(game.get(), sf::Keyboard::D);
    EXPECT_EQ(scene.deckPile.deckViewOpen, 0);

    // E ends the allies' turn; neither key ends anything during the enemies' turn.
    // The debug mode's E (restore the map's move points) keeps to the map.
    world.party.players[1].movePoints = 2;
    game->debugMode = 1;
    press(game.get(), sf::Keyboard::E);
    game->debugMode = 0;
    EXPECT_EQ(scene.turnButton.isAllyTurn, 0);
    EXPECT_EQ(world.party.players[1].movePoints, 2);
    stepFrames(game.get(), 1);
    press(game.get(), sf::Keyboard::Enter);
    press(game.get(), sf::Keyboard::Num1);
    EXPECT_EQ(heldCard(scene.allies).owner, -1);
    for (int frames = 0; !scene.turnButton.isAllyTurn && frames < 1000; ++frames) {
        testing::internal::CaptureStdout();
        stepFrames(game.get(), 1, 0.05f);
        testing::internal::GetCapturedStdout();
    }
    ASSERT_EQ(scene.turnButton.isAllyTurn, 1) << "the enemies' turn ran its whole course";
    press(game.get(), sf::Keyboard::Enter);
    EXPECT_EQ(scene.turnButton.isAllyTurn, 0);
}
