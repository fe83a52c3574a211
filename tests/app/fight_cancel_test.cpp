// Escape and the right button in a battle, through the game's own event handling: they
// take back the card held and close the deck view before Escape means the pause menu.
#include "fight/fight_test_support.hpp"
#include "menus/menu_test_support.hpp"
#include "world/board_test_support.hpp"
#include "world/encounters.hpp"

#include <gtest/gtest.h>

using namespace menutest;

namespace {

sf::Vector2i centre(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {static_cast<int>(b.left + b.width / 2.f), static_cast<int>(b.top + b.height / 2.f)};
}

// Moves the mouse there, lets a frame pass, presses `button`.
void pressAt(MainData* game, sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
    dispatchEvent(game, mouseMoveEvent(at.x, at.y));
    stepFrames(game, 1);
    dispatchEvent(game, mousePressEvent(at.x, at.y, button));
    dispatchEvent(game, mouseReleaseEvent(at.x, at.y, button));
}

void escape(MainData* game) {
    dispatchEvent(game, keyPressEvent(sf::Keyboard::Escape));
    dispatchEvent(game, keyReleaseEvent(sf::Keyboard::Escape));
}

// A hand card of the first ally, picked up as a player does.
void pickFirstCard(MainData* game) {
    FightScene& fight = game->world.fight;
    pressAt(game, centre(fight.allies.allies[0].fighter.body.sprite));
    pressAt(game, {960, 300});
    const sf::Vector2f card = fighttest::visiblePointOf(fight.allies.allies[0].hand, 2);
    pressAt(game, {static_cast<int>(card.x), static_cast<int>(card.y)});
    ASSERT_GE(heldCard(fight.allies).owner, 0);
}

} // namespace

TEST(FightCancel, EscapeAndTheRightButtonDropTheCardAndCloseTheDeckViewThenEscapePauses) {
    auto game = makeTestGame();
    enterWorld(game.get());
    WorldGame& world = game->world;
    testing::internal::CaptureStdout();
    putEnemy(&world, ENEMY_LIGHT, playerCell(&world.party.players[0]));
    checkFightStart(&world, &game->window);
    ASSERT_EQ(world.phase, WORLD_PHASE_FIGHT);
    world.dialog.visible = 0;
    stepSeconds(game.get(), 3.f); // the opening banner has passed
    FightScene& fight = world.fight;

    pickFirstCard(game.get());
    escape(game.get());
    EXPECT_EQ(heldCard(fight.allies).owner, -1);
    EXPECT_EQ(game->sceneState, SCENE_WORLD) << "Escape took the card back: no pause";
    EXPECT_EQ(fight.allies.allies[0].fighter.stats.actionPoints, 3);

    pickFirstCard(game.get());
    pressAt(game.get(), {960, 300}, sf::Mouse::Right);
    EXPECT_EQ(heldCard(fight.allies).owner, -1);
    EXPECT_EQ(fight.allies.allies[0].fighter.stats.actionPoints, 3);

    pressAt(game.get(), centre(fight.deckPile.backSprite));
    ASSERT_EQ(fight.deckPile.deckViewOpen, 1);
    escape(game.get());
    EXPECT_EQ(fight.deckPile.deckViewOpen, 0);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);

    // Nothing left to take back: Escape is the pause menu's again.
    escape(game.get());
    EXPECT_EQ(game->sceneState, SCENE_PAUSE);
    testing::internal::GetCapturedStdout();
}
