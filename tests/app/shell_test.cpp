#include "app/game.hpp"
#include "support/test_window.hpp"

#include <gtest/gtest.h>

namespace {

void pressChord(MainData* data) {
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F, sf::Keyboard::J})
        dispatchEvent(data, keyPressEvent(key));
}

} // namespace

TEST(Shell, StartsOnMainMenuWithCursorAndDebugOff) {
    auto game = makeTestGame();
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(game->debugMode, 0);
    EXPECT_GT(game->cursorTexture->getSize().x, 0u);
}

TEST(Shell, DebugChordFlipsOnEveryKeyPressWhileHeld) {
    auto game = makeTestGame();
    pressChord(game.get()); // the J press completes the chord
    EXPECT_EQ(game->debugMode, 1);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::J)); // key repeat flips again
    EXPECT_EQ(game->debugMode, 0);
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::F));
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::A));
    EXPECT_EQ(game->debugMode, 0) << "chord broken: no flip";
}

TEST(Shell, UnusedSceneThreeDrawsOnlyBlackAndTheCursorAndIgnoresInput) {
    auto game = makeTestGame();
    game->sceneState = SCENE_UNUSED;
    for (const sf::Event& e : {mousePressEvent(960, 540), mousePressEvent(5, 5, sf::Mouse::Right), keyPressEvent(sf::Keyboard::Escape),
                               mouseReleaseEvent(960, 540)})
        dispatchEvent(game.get(), e);
    dispatchEvent(game.get(), mouseMoveEvent(100, 100));
    stepFrames(game.get(), 3);
    EXPECT_EQ(game->sceneState, SCENE_UNUSED);
    renderGame(game.get());
    sf::Texture shot;
    ASSERT_TRUE(shot.create(1920, 1080));
    shot.update(game->window);
    const sf::Image image = shot.copyToImage();
    EXPECT_EQ(image.getPixel(960, 540), sf::Color::Black);
    EXPECT_EQ(image.getPixel(1900, 1000), sf::Color::Black);
    // The cursor's tip sits at the mouse position (its top-left is the hot spot).
    EXPECT_NE(image.getPixel(101, 103), sf::Color::Black);
}

TEST(Shell, CursorStaysUnderTheMouseInEveryViewAndEveryCameraChange) {
    auto game = makeTestGame();
    dispatchEvent(game.get(), mouseMoveEvent(300, 200));
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(300.f, 200.f));
    const std::int32_t team[4] = {1, 1, 1, 1};
    initWorldGame(&game->world, team);
    game->sceneState = SCENE_WORLD;
    // Scrolled close view: the cursor lies in world pixels under the mouse.
    for (int i = 0; i < 32; ++i) updateCameraAt(&game->world.camera, &game->window, {1919, 1079});
    const sf::Vector2f topLeft = game->world.camera.topLeft;
    ASSERT_NE(topLeft, sf::Vector2f(0.f, 0.f));
    game->world.camera.scrollStep = {0, 0};
    dispatchEvent(game.get(), mouseMoveEvent(300, 200));
    EXPECT_EQ(game->cursorSprite.getPosition(), topLeft + sf::Vector2f(300.f, 200.f));

    // M shows the half-size overview: the cursor is placed again at once, without a move.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M));
    ASSERT_EQ(game->world.camera.mode, CAMERA_OVERVIEW);
    renderGame(game.get());
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(600.f, 400.f));
    EXPECT_EQ(game->cursorSprite.getScale(), sf::Vector2f(2.f, 2.f));
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::M));
    renderGame(game.get());
    EXPECT_EQ(game->cursorSprite.getPosition(), topLeft + sf::Vector2f(300.f, 200.f));
    EXPECT_EQ(game->cursorSprite.getScale(), sf::Vector2f(1.f, 1.f));

    // The enemies' turn switches to the overview by itself: the same holds.
    toggleTurn(&game->world, &game->window);
    stepGame(game.get(), 1.f / 60.f);
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(600.f, 400.f));

    // After the game, the credits are drawn in the screen view: the cursor is in screen pixels.
    game->world.enemies.count = 0;
    game->world.level = 10;
    stepGame(game.get(), 1.f / 60.f);
    ASSERT_EQ(game->sceneState, SCENE_WIN);
    game->sceneState = SCENE_CREDITS;
    dispatchEvent(game.get(), mouseMoveEvent(700, 500));
    renderGame(game.get());
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(700.f, 500.f));
    EXPECT_EQ(game->cursorSprite.getScale(), sf::Vector2f(1.f, 1.f));
}

TEST(Shell, ASecondSwitchToTheScreenViewKeepsTheSavedWorldView) {
    auto game = makeTestGame();
    Camera& camera = game->world.camera;
    for (int i = 0; i < 20; ++i) updateCameraAt(&camera, &game->window, {1919, 1079});
    const sf::Vector2f scrolled = camera.view.getCenter();
    ASSERT_NE(scrolled, sf::Vector2f(960.f, 540.f));
    applyCamera(&camera, &game->window, 1);
    applyCamera(&camera, &game->window, 1); // e.g. win and defeat in one frame
    EXPECT_EQ(camera.view.getCenter(), sf::Vector2f(960.f, 540.f));
    applyCamera(&camera, &game->window, 0);
    EXPECT_EQ(camera.view.getCenter(), scrolled);
    EXPECT_EQ(game->window.getView().getCenter(), scrolled);
}

TEST(Shell, TransitionEndRuleWaitsTwelveTenthsOfASecondThenReturnsToTheWorld) {
    auto game = makeTestGame();
    game->sceneState = SCENE_LEVEL_TRANSITION;
    std::int32_t finished = 0;
    applyTransitionEndRule(game.get(), &finished, 5.f);
    EXPECT_EQ(game->transitionTimer, 0.f) << "nothing counts before the animation ends";
    finished = 1;
    for (int i = 0; i < 11; ++i) applyTransitionEndRule(game.get(), &finished, 0.1f);
    EXPECT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION);
    applyTransitionEndRule(game.get(), &finished, 0.15f);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(game->transitionTimer, 0.f);
}

TEST(Shell, ClosingTheWindowEndsTheLoopAndScreenshotsAreSaved) {
    auto game = makeTestGame();
    EXPECT_TRUE(saveGameScreenshot(game.get(), "shell_start"));
    sf::Event close{};
    close.type = sf::Event::Closed;
    dispatchEvent(game.get(), close);
    EXPECT_FALSE(game->window.isOpen());
    destroyGame(game.get());
}

TEST(Shell, LostFocusForgetsHeldKeysSoTheChordCannotStick) {
    auto game = makeTestGame();
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F})
        dispatchEvent(game.get(), keyPressEvent(key));
    sf::Event lost{};
    lost.type = sf::Event::LostFocus;
    dispatchEvent(game.get(), lost);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::J));
    EXPECT_EQ(game->debugMode, 0);
}
