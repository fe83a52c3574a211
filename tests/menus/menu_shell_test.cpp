#include "menus/menu_test_support.hpp"

using namespace menutest;

namespace {

sf::Vector2i screenCentre(const MainData* game, const sf::Sprite& sprite) {
    const sf::Vector2i c = centreOf(sprite);
    return {c.x - static_cast<int>(game->world.camera.topLeft.x), c.y - static_cast<int>(game->world.camera.topLeft.y)};
}

} // namespace

TEST(MenuShell, PlayThreeSelectsAndStartPutTheChosenPartyOnTheMap) {
    auto game = makeTestGame();
    stepFrames(game.get(), 5);
    clickSprite(game.get(), game->mainMenu.play.sprite); // Play wins while the buttons overlap
    ASSERT_EQ(game->sceneState, SCENE_TEAM_SELECT);
    stepFrames(game.get(), 2);

    TeamSelect& t = game->teamSelect;
    clickSprite(game.get(), t.rightArrow); // Rem
    clickSprite(game.get(), t.button);
    clickSprite(game.get(), t.rightArrow); // Heavy
    clickSprite(game.get(), t.button);
    clickSprite(game.get(), t.leftArrow); // Shield
    clickSprite(game.get(), t.button);
    stepFrames(game.get(), 2);
    clickSprite(game.get(), t.button); // Start with Light on show
    ASSERT_EQ(game->sceneState, SCENE_WORLD);

    const Party& party = game->world.party;
    ASSERT_EQ(party.count, 4u);
    EXPECT_EQ(party.players[0].type, PLAYER_REM);
    EXPECT_EQ(party.players[1].type, PLAYER_HEAVY);
    EXPECT_EQ(party.players[2].type, PLAYER_SHIELD);
    EXPECT_EQ(party.players[3].type, PLAYER_LIGHT);
    EXPECT_EQ(party.leaderAlive, 1);
    EXPECT_EQ(game->world.gold, 100);
}

TEST(MenuShell, ExitToMenuThenPlayStartsAFreshGameWithTheDropInAgain) {
    auto game = makeTestGame();
    stepSeconds(game.get(), 3.1f);
    ASSERT_EQ(game->mainMenu.buttonsArrived, 1u);
    clickSprite(game.get(), game->mainMenu.play.sprite);
    // Leaving by Play puts the buttons back for the next visit.
    EXPECT_EQ(game->mainMenu.play.sprite.getPosition(), sf::Vector2f(960.f, 170.f));
    EXPECT_EQ(game->mainMenu.chains[3].getPosition(), sf::Vector2f(960.f, 170.f));
    EXPECT_EQ(game->mainMenu.buttonsArrived, 0u);
    for (int i = 0; i < 4; ++i) clickSprite(game.get(), game->teamSelect.button);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    scrollToBottomRight(game.get());

    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    stepSeconds(game.get(), 3.1f);
    const sf::Vector2i exit = screenCentre(game.get(), game->pauseMenu.exitToMenu.sprite);
    clickAt(game.get(), exit.x, exit.y);
    ASSERT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(game->mainMenu.play.sprite.getPosition(), sf::Vector2f(960.f, 170.f)) << "the drop-in plays again";
    stepSeconds(game.get(), 0.1f);
    EXPECT_FLOAT_EQ(game->mainMenu.play.sprite.getPosition().y, 220.f);

    // The cursor is back in screen coordinates on the menu.
    dispatchEvent(game.get(), mouseMoveEvent(100, 200));
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(100.f, 200.f));

    clickSprite(game.get(), game->mainMenu.play.sprite);
    ASSERT_EQ(game->sceneState, SCENE_TEAM_SELECT);
    EXPECT_EQ(game->world.camera.topLeft, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(game->window.getView().getCenter(), sf::Vector2f(960.f, 540.f));
    EXPECT_EQ(game->teamSelect.pickCount, 0);
}

TEST(MenuShell, AfterADefeatPlayStartsAFreshGame) {
    auto game = makeTestGame();
    enterWorld(game.get(), {3, 3, 3, 3});
    game->world.party.leaderAlive = 0;
    stepGame(game.get(), 1.f / 60.f);
    ASSERT_EQ(game->sceneState, SCENE_DEFEAT);
    clickSprite(game.get(), game->defeatScreen.exit.sprite);
    ASSERT_EQ(game->sceneState, SCENE_MAIN_MENU);
    // The board keeps its state until Play releases it.
    EXPECT_EQ(game->world.party.count, 4u);
    stepSeconds(game.get(), 3.f);
    clickSprite(game.get(), game->mainMenu.play.sprite);
    for (int i = 0; i < 4; ++i) clickSprite(game.get(), game->teamSelect.button);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->world.party.leaderAlive, 1);
    EXPECT_EQ(game->world.party.players[0].type, PLAYER_IRINA);
    EXPECT_EQ(game->world.party.players[3].type, PLAYER_LIGHT);
}
