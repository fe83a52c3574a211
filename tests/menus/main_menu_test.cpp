#include "menus/menu_test_support.hpp"

#include "core/resources.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

using namespace menutest;

namespace {

sf::Vector2f pos(const sf::Sprite& s) { return s.getPosition(); }

} // namespace

TEST(MainMenu, ClickWhileButtonsOverlapMeansPlay) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    // On the first frames all four buttons hang at the same place.
    EXPECT_EQ(pos(menu.play.sprite), pos(menu.exit.sprite));
    expectDrawn(menu.play.sprite);
    const sf::Vector2i c = centreOf(menu.play.sprite);
    ASSERT_TRUE(menu.exit.sprite.getGlobalBounds().contains(sf::Vector2f(c)));
    ASSERT_TRUE(menu.settings.sprite.getGlobalBounds().contains(sf::Vector2f(c)));
    clickAt(game.get(), c.x, c.y);
    EXPECT_EQ(game->sceneState, SCENE_TEAM_SELECT);
}

TEST(MainMenu, DropInMovesAt500PixelsPerSecondAndClampsExactlyWithChains) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    stepSeconds(game.get(), 0.1f);
    EXPECT_FLOAT_EQ(pos(menu.play.sprite).y, 220.f);
    EXPECT_FLOAT_EQ(pos(menu.chains[0]).y, 220.f);

    // A long update overshoots Play (rest 278), Settings (428) and Credits (578): each is put
    // exactly on its rest y, its chain with it. Exit (728) is still on its way.
    updateMainMenu(&menu, 0.9f);
    const std::array<const MenuButton*, 3> settled = {&menu.play, &menu.settings, &menu.credits};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pos(settled[i]->sprite), sf::Vector2f(960.f, kMainMenuRestY[i])) << i;
        EXPECT_EQ(pos(menu.chains[i]), sf::Vector2f(960.f, kMainMenuRestY[i])) << i;
    }
    EXPECT_FLOAT_EQ(pos(menu.exit.sprite).y, 670.f);
    EXPECT_EQ(menu.buttonsArrived, 0u);

    updateMainMenu(&menu, 5.f);
    EXPECT_EQ(pos(menu.exit.sprite), sf::Vector2f(960.f, 728.f));
    EXPECT_EQ(pos(menu.chains[3]), sf::Vector2f(960.f, 728.f));
    EXPECT_EQ(menu.buttonsArrived, 0u) << "raised only on the frame after Exit settled";
    stepGame(game.get(), 1.f / 60.f);
    EXPECT_EQ(menu.buttonsArrived, 1u);
}

TEST(MainMenu, ButtonsActInFirstHitOrderOnceArrived) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    stepSeconds(game.get(), 3.1f);
    ASSERT_EQ(menu.buttonsArrived, 1u);

    clickSprite(game.get(), menu.settings.sprite);
    EXPECT_EQ(game->sceneState, SCENE_MENU_SETTINGS);
    game->sceneState = SCENE_MAIN_MENU;
    clickSprite(game.get(), menu.credits.sprite);
    EXPECT_EQ(game->sceneState, SCENE_CREDITS);
    game->sceneState = SCENE_MAIN_MENU;

    // Right clicks do nothing on the main menu.
    clickSprite(game.get(), menu.play.sprite, sf::Mouse::Right);
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);

    clickSprite(game.get(), menu.exit.sprite);
    EXPECT_FALSE(game->window.isOpen());
}

// The menu only tells what was chosen: the scene, the window and the world stay as they are.
TEST(MainMenu, APressReturnsTheChoiceAndLeavesTheRestToTheShell) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    stepSeconds(game.get(), 3.1f);
    const auto pressOn = [&](const MenuButton& button) {
        const sf::Vector2i c = centreOf(button.sprite);
        return mousePressedMainMenu(&menu, static_cast<float>(c.x), static_cast<float>(c.y));
    };
    EXPECT_EQ(pressOn(menu.exit), MainMenuChoice::Quit);
    EXPECT_EQ(pressOn(menu.credits), MainMenuChoice::Credits);
    EXPECT_EQ(pressOn(menu.settings), MainMenuChoice::Settings);
    EXPECT_EQ(mousePressedMainMenu(&menu, 5.f, 5.f), MainMenuChoice::None);
    EXPECT_TRUE(game->window.isOpen());
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(pressOn(menu.play), MainMenuChoice::Play);
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(menu.buttonsArrived, 0u) << "Play puts the drop-in back for the next visit";
}

TEST(MainMenu, HoverShowsTheHoverPictureOnlyUnderTheMouse) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    stepSeconds(game.get(), 3.f);
    expectDrawn(menu.credits.sprite);
    const sf::Vector2i c = centreOf(menu.credits.sprite);
    moveTo(game.get(), c.x, c.y);
    EXPECT_EQ(menu.credits.sprite.getTexture(), menu.credits.hoverTexture);
    EXPECT_EQ(menu.play.sprite.getTexture(), menu.play.normalTexture);
    moveTo(game.get(), 5, 5);
    EXPECT_EQ(menu.credits.sprite.getTexture(), menu.credits.normalTexture);
}

TEST(MainMenu, WalkersWaitTheirDelayThenWalkLeft) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    for (int i = 0; i < kMenuHeroCount; ++i) {
        EXPECT_FLOAT_EQ(pos(menu.walkers[i]).x, 2000.f);
        EXPECT_GE(pos(menu.walkers[i]).y, 509.f);
        EXPECT_LE(pos(menu.walkers[i]).y, 952.f);
        EXPECT_EQ(menu.walkDelay[i], std::floor(menu.walkDelay[i])) << "whole seconds";
        EXPECT_GE(menu.walkDelay[i], 0.f);
        EXPECT_LE(menu.walkDelay[i], 11.f);
    }
    // A delay of 0 walks from the very first frame; a delay of 3 waits.
    menu.walkDelay[0] = 0.f;
    menu.walkDelay[1] = 3.f;
    stepSeconds(game.get(), 0.1f);
    EXPECT_FLOAT_EQ(pos(menu.walkers[0]).x, 1990.f);
    EXPECT_FLOAT_EQ(pos(menu.walkers[1]).x, 2000.f);
    const sf::IntRect frame = menu.walkers[0].getTextureRect();
    EXPECT_EQ(frame.top, 64) << "walking-left row";
    EXPECT_EQ(frame.width, 64);
    EXPECT_EQ(frame.height, 64);
}

TEST(MainMenu, WalkerPastTheLeftEdgeRespawnsAndWaitsAgain) {
    seedRandom(7);
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    menu.walkers[2].setPosition(-99.f, 600.f);
    menu.walkDelay[2] = 0.f;
    menu.walkTimer[2] = 50.f;
    stepGame(game.get(), 0.02f); // moves it to -101
    EXPECT_FLOAT_EQ(pos(menu.walkers[2]).x, 2000.f);
    EXPECT_GE(pos(menu.walkers[2]).y, 509.f);
    EXPECT_LE(pos(menu.walkers[2]).y, 952.f);
    EXPECT_FLOAT_EQ(menu.walkTimer[2], 0.f);
    EXPECT_EQ(menu.walkDelay[2], std::floor(menu.walkDelay[2]));

    // It waits for its new delay before walking again.
    menu.walkDelay[2] = 2.f;
    stepSeconds(game.get(), 1.9f);
    EXPECT_FLOAT_EQ(pos(menu.walkers[2]).x, 2000.f);
    stepSeconds(game.get(), 0.6f);
    EXPECT_LT(pos(menu.walkers[2]).x, 2000.f);
    EXPECT_GE(pos(menu.walkers[2]).x, 1945.f);
}

TEST(MainMenu, MainMenuKeepsRunningUnderTheSettingsPanelWithoutTakingTheMouse) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    stepSeconds(game.get(), 3.f);
    clickSprite(game.get(), menu.settings.sprite);
    ASSERT_EQ(game->sceneState, SCENE_MENU_SETTINGS);
    const float x = pos(menu.walkers[0]).x;
    menu.walkDelay[0] = 0.f;
    stepSeconds(game.get(), 0.5f);
    EXPECT_LT(pos(menu.walkers[0]).x, x);
    const sf::Vector2i c = centreOf(menu.play.sprite);
    moveTo(game.get(), c.x, c.y);
    EXPECT_EQ(menu.play.sprite.getTexture(), menu.play.normalTexture);
}

namespace {

sf::Image renderMainMenu(sf::RenderTexture& target, MainMenu* menu) {
    target.clear(sf::Color::Magenta); // shows through anything the cheaper drawing leaves out
    drawMainMenu(menu, target);
    target.display();
    return target.getTexture().copyToImage();
}


} // namespace

// The opaque backdrop is written without blending and around the title's opaque middle,
// and the title drawn from its lettering only; the screen must look exactly as when both whole pictures were blended in, while the
// buttons drop in and once they hang still with a message under them.
TEST(MainMenu, CheaperBackdropAndTitleShowTheSamePixelsAsBlendingTheWholePictures) {
    auto game = makeTestGame();
    MainMenu& menu = game->mainMenu;
    EXPECT_EQ(menu.backgroundOpaque, 1);
    ASSERT_GT(menu.backgroundStrips.count, 0) << "the title hides part of the backdrop";
    const sf::Texture& titleTexture = *menu.title.getTexture();
    const sf::FloatRect titleDrawn = menu.title.getGlobalBounds();
    EXPECT_GT(titleDrawn.width * titleDrawn.height, 0.f);
    EXPECT_LT(titleDrawn.width * titleDrawn.height,
              static_cast<float>(titleTexture.getSize().x * titleTexture.getSize().y)) << "the title's margins are left out";

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        if (pass == 1) {
            menu.walkDelay.fill(0.f);
            stepSeconds(game.get(), 3.f);
            ASSERT_EQ(menu.buttonsArrived, 1u);
            setMainMenuMessage(&menu, "The save could not be read.");
        }
        MainMenu whole = menu;
        whole.backgroundOpaque = 0;
        whole.backgroundStrips = BackdropStrips{};
        whole.title = createSprite(titleTexture);
        whole.title.setOrigin(whole.title.getLocalBounds().width / 2.f, 0.f);
        whole.title.setPosition(kMainMenuButtonX, 0.f);
        const sf::Image cheaper = renderMainMenu(target, &menu);
        EXPECT_EQ(differingPixels(cheaper, renderMainMenu(target, &whole)), 0);
        // The title is really on screen: without it the picture changes.
        MainMenu without = menu;
        without.title = sf::Sprite();
        EXPECT_GT(differingPixels(cheaper, renderMainMenu(target, &without)), 1000);
    }
}
