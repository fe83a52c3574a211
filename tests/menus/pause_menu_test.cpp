#include "menus/menu_test_support.hpp"

using namespace menutest;

namespace {

// Screen position of the centre of a sprite that lives in world coordinates.
sf::Vector2i screenCentre(const MainData* game, const sf::Sprite& sprite) {
    const sf::Vector2i c = centreOf(sprite);
    const sf::Vector2f tl = game->world.camera.topLeft;
    return {c.x - static_cast<int>(tl.x), c.y - static_cast<int>(tl.y)};
}

void pressEscape(MainData* game) {
    dispatchEvent(game, keyPressEvent(sf::Keyboard::Escape));
    dispatchEvent(game, keyReleaseEvent(sf::Keyboard::Escape));
}

void pause(MainData* game) { pressEscape(game); }

// What the window shows now, read back.
sf::Image shownFrame(MainData* game) {
    renderGame(game);
    sf::Texture frame;
    frame.create(game->window.getSize().x, game->window.getSize().y);
    frame.update(game->window);
    return frame.copyToImage();
}

// Mean of r + g + b over the 64 x 64 block at `corner`.
int brightness(const sf::Image& image, sf::Vector2u corner) {
    long sum = 0;
    for (unsigned y = corner.y; y < corner.y + 64; ++y)
        for (unsigned x = corner.x; x < corner.x + 64; ++x) {
            const sf::Color c = image.getPixel(x, y);
            sum += c.r + c.g + c.b;
        }
    return static_cast<int>(sum / (64 * 64));
}

void settle(MainData* game) { stepSeconds(game, 3.1f); }

} // namespace

TEST(PauseMenu, OpensInTheMiddleOfTheScreenWhereverTheCameraIsAndReactsUnderTheMouse) {
    auto game = makeTestGame();
    enterWorld(game.get());
    scrollToBottomRight(game.get());
    const sf::Vector2f offset = game->world.camera.topLeft;
    ASSERT_GT(offset.x, 0.f);
    ASSERT_GT(offset.y, 0.f);

    pause(game.get());
    ASSERT_EQ(game->sceneState, SCENE_PAUSE);
    PauseMenu& menu = game->pauseMenu;
    EXPECT_EQ(menu.title.getPosition(), sf::Vector2f(960.f + offset.x, offset.y));
    EXPECT_EQ(menu.resume.sprite.getPosition(), sf::Vector2f(960.f + offset.x, 170.f + offset.y));
    EXPECT_EQ(menu.chains[2].getPosition(), sf::Vector2f(960.f + offset.x, 170.f + offset.y));

    settle(game.get());
    EXPECT_EQ(menu.buttonsArrived, 1u);
    EXPECT_EQ(menu.settings.sprite.getPosition(), sf::Vector2f(960.f + offset.x, 428.f + offset.y));

    expectDrawn(menu.settings.sprite);
    const sf::Vector2i settings = screenCentre(game.get(), menu.settings.sprite);
    EXPECT_GT(settings.x, 0);
    EXPECT_LT(settings.x, 1920);
    moveTo(game.get(), settings.x, settings.y);
    EXPECT_EQ(menu.settings.sprite.getTexture(), menu.settings.hoverTexture);
    EXPECT_EQ(menu.resume.sprite.getTexture(), menu.resume.normalTexture);

    const sf::Vector2i resume = screenCentre(game.get(), menu.resume.sprite);
    dispatchEvent(game.get(), mousePressEvent(resume.x, resume.y, sf::Mouse::Right));
    EXPECT_EQ(game->sceneState, SCENE_PAUSE) << "right clicks do nothing";
    clickAt(game.get(), resume.x, resume.y);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(menu.buttonsArrived, 0u);
}

TEST(PauseMenu, PressDuringTheDropInMeansResume) {
    auto game = makeTestGame();
    enterWorld(game.get());
    pause(game.get());
    PauseMenu& menu = game->pauseMenu;
    expectDrawn(menu.resume.sprite);
    const sf::Vector2i c = screenCentre(game.get(), menu.resume.sprite);
    ASSERT_TRUE(menu.exitToMenu.sprite.getGlobalBounds().contains(sf::Vector2f(c)));
    clickAt(game.get(), c.x, c.y);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
}

TEST(PauseMenu, ALongUpdateClampsEachButtonExactlyToItsRestY) {
    auto game = makeTestGame();
    enterWorld(game.get());
    scrollToBottomRight(game.get());
    const sf::Vector2f offset = game->world.camera.topLeft;
    pause(game.get());
    PauseMenu& menu = game->pauseMenu;
    updatePauseMenu(&menu, 0.5f, offset); // 250 px: past Resume's rest y, short of Settings'
    EXPECT_FLOAT_EQ(menu.resume.sprite.getPosition().y, 278.f + offset.y);
    EXPECT_FLOAT_EQ(menu.chains[0].getPosition().y, 278.f + offset.y);
    EXPECT_FLOAT_EQ(menu.settings.sprite.getPosition().y, 420.f + offset.y);
    updatePauseMenu(&menu, 10.f, offset);
    EXPECT_FLOAT_EQ(menu.settings.sprite.getPosition().y, 428.f + offset.y);
    EXPECT_FLOAT_EQ(menu.exitToMenu.sprite.getPosition().y, 578.f + offset.y);
    EXPECT_FLOAT_EQ(menu.chains[2].getPosition().y, 578.f + offset.y);
    EXPECT_FLOAT_EQ(menu.exitToMenu.sprite.getPosition().x, 960.f + offset.x);
}

TEST(PauseMenu, EscapeInOverviewReturnsToTheCloseViewFirst) {
    auto game = makeTestGame();
    enterWorld(game.get());
    toggleCameraMode(&game->world.camera, &game->window);
    ASSERT_EQ(game->world.camera.mode, CAMERA_OVERVIEW);
    pause(game.get());
    EXPECT_EQ(game->world.camera.mode, CAMERA_CLOSE);
    EXPECT_EQ(game->sceneState, SCENE_PAUSE);
}

TEST(PauseMenu, SettingsThenBackResumesTheWorldAndExitShowsTheMenuInTheScreenView) {
    auto game = makeTestGame();
    enterWorld(game.get());
    scrollToBottomRight(game.get());
    pause(game.get());
    settle(game.get());
    PauseMenu& menu = game->pauseMenu;

    expectDrawn(menu.settings.sprite);
    sf::Vector2i c = screenCentre(game.get(), menu.settings.sprite);
    clickAt(game.get(), c.x, c.y);
    ASSERT_EQ(game->sceneState, SCENE_SETTINGS);
    clickSprite(game.get(), game->settingsMenu.back.sprite);
    EXPECT_EQ(game->sceneState, SCENE_WORLD) << "Back goes straight back to the map";

    pause(game.get());
    settle(game.get());
    c = screenCentre(game.get(), menu.exitToMenu.sprite);
    clickAt(game.get(), c.x, c.y);
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(game->window.getView().getCenter(), sf::Vector2f(960.f, 540.f));
    EXPECT_EQ(menu.buttonsArrived, 0u);
}

// The menu only tells what was chosen; the shell changes the scene and, leaving for the main
// menu, ends the game.
TEST(PauseMenu, APressReturnsTheChoiceAndExitToMenuEndsTheGame) {
    auto game = makeTestGame();
    enterWorld(game.get());
    pause(game.get());
    settle(game.get());
    PauseMenu& menu = game->pauseMenu;
    const auto pressOn = [&](const MenuButton& button) {
        const sf::Vector2i c = centreOf(button.sprite);
        return mousePressedPauseMenu(&menu, static_cast<float>(c.x), static_cast<float>(c.y));
    };
    EXPECT_EQ(pressOn(menu.settings), PauseChoice::Settings);
    EXPECT_EQ(pressOn(menu.exitToMenu), PauseChoice::ExitToMenu);
    EXPECT_EQ(pressOn(menu.resume), PauseChoice::Resume);
    EXPECT_EQ(game->sceneState, SCENE_PAUSE);
    ASSERT_EQ(game->world.party.count, 4u);

    settle(game.get());
    const sf::Vector2i exit = screenCentre(game.get(), menu.exitToMenu.sprite);
    clickAt(game.get(), exit.x, exit.y);
    ASSERT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(game->world.party.count, 0u) << "the board is released with the game";
}

TEST(PauseMenu, EscapeResumesLeavesTheSettingsPanelAndAHeldKeyDoesNotFlicker) {
    auto game = makeTestGame();
    enterWorld(game.get());
    pause(game.get());
    ASSERT_EQ(game->sceneState, SCENE_PAUSE);
    stepFrames(game.get(), 10);
    pressEscape(game.get());
    EXPECT_EQ(game->sceneState, SCENE_WORLD) << "Escape resumes";
    EXPECT_EQ(game->pauseMenu.buttonsArrived, 0u) << "the next opening drops in again";

    // Escape from the settings panel goes back as Back does, over the world and the main menu.
    pause(game.get());
    settle(game.get());
    const sf::Vector2i settings = screenCentre(game.get(), game->pauseMenu.settings.sprite);
    clickAt(game.get(), settings.x, settings.y);
    ASSERT_EQ(game->sceneState, SCENE_SETTINGS);
    pressEscape(game.get());
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    game->sceneState = SCENE_MAIN_MENU;
    stepSeconds(game.get(), 3.f);
    clickSprite(game.get(), game->mainMenu.settings.sprite);
    ASSERT_EQ(game->sceneState, SCENE_MENU_SETTINGS);
    pressEscape(game.get());
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);

    // Held down, the key repeats its press: the menu stays open, then the map stays shown.
    game->sceneState = SCENE_WORLD;
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    ASSERT_EQ(game->sceneState, SCENE_PAUSE);
    for (int i = 0; i < 3; ++i) dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    EXPECT_EQ(game->sceneState, SCENE_PAUSE);
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::Escape));
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    for (int i = 0; i < 3; ++i) dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
}

TEST(PauseMenu, TheGameBehindTheMenuIsDarkened) {
    auto game = makeTestGame();
    enterWorld(game.get());
    stepFrames(game.get(), 2);
    // Points of the map clear of the menu's column and of the HUD.
    const sf::Vector2u points[3] = {{200, 600}, {1700, 500}, {400, 950}};
    const sf::Image before = shownFrame(game.get());
    pause(game.get());
    settle(game.get());
    const sf::Image after = shownFrame(game.get());
    for (const sf::Vector2u& p : points) {
        const int lit = brightness(before, p);
        ASSERT_GT(lit, 120) << "the map must show there";
        EXPECT_LT(brightness(after, p), lit * 2 / 3) << p.x << "," << p.y;
    }
    EXPECT_TRUE(saveGameScreenshot(game.get(), "pause_darkened"));
}

// A hover look belongs to the button under the pointer: buttons dropping in under a still
// pointer, and a menu opened again after the pointer moved elsewhere, answer at once.
TEST(PauseMenu, HoverFollowsThePointerWithoutAMove) {
    auto game = makeTestGame();
    enterWorld(game.get());
    pause(game.get());
    settle(game.get());
    PauseMenu& menu = game->pauseMenu;
    const sf::Vector2i resume = screenCentre(game.get(), menu.resume.sprite);
    moveTo(game.get(), resume.x, resume.y);
    ASSERT_EQ(menu.resume.sprite.getTexture(), menu.resume.hoverTexture);
    clickAt(game.get(), resume.x, resume.y);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);

    // Reopened with the pointer still there: the buttons drop in under it.
    pause(game.get());
    stepFrames(game.get(), 1);
    EXPECT_EQ(menu.resume.sprite.getTexture(), menu.resume.normalTexture) << "Resume has not come down yet";
    settle(game.get());
    stepFrames(game.get(), 1);
    EXPECT_EQ(menu.resume.sprite.getTexture(), menu.resume.hoverTexture) << "Resume came down under the pointer";

    // Resumed, the pointer moved away on the map, reopened: nothing is lit.
    pressEscape(game.get());
    moveTo(game.get(), 1500, 900);
    pause(game.get());
    stepFrames(game.get(), 1);
    settle(game.get());
    for (const MenuButton* button : {&menu.resume, &menu.settings, &menu.exitToMenu})
        EXPECT_EQ(button->sprite.getTexture(), button->normalTexture);

    // The pointer leaving the window takes every hover with it.
    const sf::Vector2i settings = screenCentre(game.get(), menu.settings.sprite);
    moveTo(game.get(), settings.x, settings.y);
    ASSERT_EQ(menu.settings.sprite.getTexture(), menu.settings.hoverTexture);
    sf::Event left{};
    left.type = sf::Event::MouseLeft;
    dispatchEvent(game.get(), left);
    stepFrames(game.get(), 1);
    EXPECT_EQ(menu.settings.sprite.getTexture(), menu.settings.normalTexture);
}
