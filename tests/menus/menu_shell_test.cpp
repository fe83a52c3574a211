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
    stepGame(game.get(), 3.f);
    stepGame(game.get(), 0.1f);
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
    stepGame(game.get(), 3.f);
    stepGame(game.get(), 0.1f);
    const sf::Vector2i exit = screenCentre(game.get(), game->pauseMenu.exitToMenu.sprite);
    clickAt(game.get(), exit.x, exit.y);
    ASSERT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(game->mainMenu.play.sprite.getPosition(), sf::Vector2f(960.f, 170.f)) << "the drop-in plays again";
    stepGame(game.get(), 0.1f);
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
    stepGame(game.get(), 3.f);
    clickSprite(game.get(), game->mainMenu.play.sprite);
    for (int i = 0; i < 4; ++i) clickSprite(game.get(), game->teamSelect.button);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->world.party.leaderAlive, 1);
    EXPECT_EQ(game->world.party.players[0].type, PLAYER_IRINA);
    EXPECT_EQ(game->world.party.players[3].type, PLAYER_LIGHT);
}

// Saves a picture of every menu screen (run with --gtest_also_run_disabled_tests; the
// folder is OSTREVALD_SCREENSHOT_DIR or ./screenshots).
TEST(MenuShell, DISABLED_ScreenshotsOfEveryScreen) {
    auto game = makeTestGame();
    stepFrames(game.get(), 3);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_main_dropin"));
    stepGame(game.get(), 3.f);
    game->mainMenu.walkDelay.fill(0.f);
    stepFrames(game.get(), 240);
    moveTo(game.get(), 960, 300);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_main"));

    clickSprite(game.get(), game->mainMenu.settings.sprite);
    moveTo(game.get(), 300, 800);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_settings_over_menu"));
    clickSprite(game.get(), game->settingsMenu.back.sprite);
    clickSprite(game.get(), game->mainMenu.credits.sprite);
    stepFrames(game.get(), 20);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_credits"));
    clickSprite(game.get(), game->credits.exit.sprite);

    clickSprite(game.get(), game->mainMenu.play.sprite);
    stepFrames(game.get(), 10);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_team_select_leader"));
    clickSprite(game.get(), game->teamSelect.rightArrow);
    clickSprite(game.get(), game->teamSelect.button);
    clickSprite(game.get(), game->teamSelect.button);
    clickSprite(game.get(), game->teamSelect.rightArrow);
    clickSprite(game.get(), game->teamSelect.button);
    const sf::Vector2i start = centreOf(game->teamSelect.button);
    moveTo(game.get(), start.x, start.y);
    stepFrames(game.get(), 10);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_team_select_start"));
    clickSprite(game.get(), game->teamSelect.button);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);

    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    stepFrames(game.get(), 90);
    const sf::Vector2i resume = screenCentre(game.get(), game->pauseMenu.resume.sprite);
    moveTo(game.get(), resume.x, resume.y);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_pause"));
    const sf::Vector2i settings = screenCentre(game.get(), game->pauseMenu.settings.sprite);
    clickAt(game.get(), settings.x, settings.y);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_settings_over_world"));
    clickSprite(game.get(), game->settingsMenu.back.sprite);

    game->world.party.leaderAlive = 0;
    stepFrames(game.get(), 1);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_defeat"));
    clickSprite(game.get(), game->defeatScreen.exit.sprite);

    initWinScreen(&game->winScreen);
    game->sceneState = SCENE_WIN;
    stepFrames(game.get(), 25);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "menu_win"));
}
