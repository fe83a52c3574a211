#include "menus/menu_test_support.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <cstring>

using namespace menutest;

namespace {

void expectBottomRight(const MenuButton& exit) {
    const sf::Vector2u size = exit.normalTexture->getSize();
    ASSERT_GT(size.x, 0u);
    EXPECT_EQ(exit.sprite.getPosition(),
              sf::Vector2f(1920.f - static_cast<float>(size.x) - 32.f, 1080.f - static_cast<float>(size.y) - 32.f));
}

} // namespace

TEST(EndScreens, ExitButtonsSitInTheBottomRightCornerFromThePictureSize) {
    auto game = makeTestGame();
    initWinScreen(&game->winScreen);
    initDefeatScreen(&game->defeatScreen);
    expectBottomRight(game->winScreen.exit);
    expectBottomRight(game->defeatScreen.exit);
    expectBottomRight(game->credits.exit);
    EXPECT_EQ(game->credits.exit.sprite.getOrigin(), sf::Vector2f(0.f, 0.f));
}

TEST(EndScreens, AnyMouseButtonOnTheExitReturnsToTheMainMenu) {
    auto game = makeTestGame();
    initWinScreen(&game->winScreen);
    initDefeatScreen(&game->defeatScreen);
    const std::array<std::pair<SceneState, const sf::Sprite*>, 3> screens = {{
        {SCENE_WIN, &game->winScreen.exit.sprite},
        {SCENE_DEFEAT, &game->defeatScreen.exit.sprite},
        {SCENE_CREDITS, &game->credits.exit.sprite},
    }};
    for (const auto& [scene, exit] : screens) {
        game->sceneState = scene;
        clickAt(game.get(), 20, 20); // beside the button: nothing
        EXPECT_EQ(game->sceneState, scene);
        clickSprite(game.get(), *exit, sf::Mouse::Right);
        EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU) << scene;
    }
    game->sceneState = SCENE_CREDITS;
    clickSprite(game.get(), game->credits.exit.sprite, sf::Mouse::Middle);
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
}

TEST(EndScreens, CreditColumnsSitSideBySideWithoutOverlapOnScreen) {
    auto game = makeTestGame();
    const Credits& credits = game->credits;
    const auto rightEdge = [](const sf::Text& t) { return t.getGlobalBounds().left + t.getGlobalBounds().width; };
    const float artistsLeft = credits.artistHeading.getGlobalBounds().left;
    // The artists' column starts right of the programmers' widest line and fits the screen.
    EXPECT_LT(rightEdge(credits.programmerHeading), artistsLeft);
    for (const sf::Text& name : credits.programmerNames) EXPECT_LT(rightEdge(name), artistsLeft);
    EXPECT_LT(rightEdge(credits.artistHeading), 1920.f);
    for (const sf::Text& name : credits.artistNames) EXPECT_LT(rightEdge(name), 1920.f);
}

TEST(EndScreens, EveryCreditLineIsShownUncut) {
    auto game = makeTestGame();
    for (int i = 0; i < kProgrammerNameCount; ++i)
        EXPECT_EQ(game->credits.programmerNames[i].getString().toAnsiString(), kProgrammerNames[i]);
    for (int i = 0; i < kArtistNameCount; ++i)
        EXPECT_EQ(game->credits.artistNames[i].getString().toAnsiString(), kArtistNames[i]);
    EXPECT_EQ(game->credits.programmerHeading.getString().toAnsiString(), "Programmeur :");
    EXPECT_EQ(game->credits.artistHeading.getString().toAnsiString(), "Graphist :");
}

TEST(EndScreens, WinScreenTextsAndAnimation) {
    auto game = makeTestGame();
    WinScreen& win = game->winScreen;
    initWinScreen(&win);
    EXPECT_EQ(win.title.getString().toAnsiString(), "Congratulation");
    EXPECT_EQ(win.message.getString().toAnsiString(), kWinMessage) << "the message fits its 250-byte buffer";
    EXPECT_EQ(win.picture.getTextureRect(), sf::IntRect(0, 0, 240, 135));
    game->sceneState = SCENE_WIN;
    stepSeconds(game.get(), 0.25f); // 10 frames per second
    EXPECT_EQ(win.picture.getTextureRect(), sf::IntRect(480, 0, 240, 135));
    game->sceneState = SCENE_CREDITS;
    stepSeconds(game.get(), 0.25f); // 5 frames per second
    EXPECT_EQ(game->credits.picture.getTextureRect(), sf::IntRect(240, 0, 240, 135));
}

TEST(EndScreens, DebugWShowsTheWinScreenOnTheNextFrame) {
    auto game = makeTestGame();
    enterWorld(game.get());
    enableDebug(game.get());
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::W));
    EXPECT_EQ(game->world.level, 10);
    EXPECT_EQ(game->world.enemies.count, 0u);
    stepGame(game.get(), 1.f / 60.f);
    EXPECT_EQ(game->sceneState, SCENE_WIN);
    EXPECT_EQ(game->window.getView().getCenter(), sf::Vector2f(960.f, 540.f));
}

TEST(EndScreens, DebugLAndQShowTheDefeatScreenOverTheMap) {
    for (auto key : {sf::Keyboard::L, sf::Keyboard::Q}) {
        auto game = makeTestGame();
        enterWorld(game.get());
        scrollToBottomRight(game.get());
        toggleCameraMode(&game->world.camera, &game->window);
        enableDebug(game.get());
        dispatchEvent(game.get(), keyPressEvent(key));
        stepGame(game.get(), 1.f / 60.f);
        EXPECT_EQ(game->sceneState, SCENE_DEFEAT);
        EXPECT_EQ(game->world.camera.mode, CAMERA_CLOSE);
        EXPECT_EQ(game->window.getView().getCenter(), sf::Vector2f(960.f, 540.f));
        EXPECT_EQ(game->world.hud.visible, 0);
        expectBottomRight(game->defeatScreen.exit);
    }
}

TEST(EndScreens, DebugKeysNeedDebugMode) {
    auto game = makeTestGame();
    enterWorld(game.get());
    const std::int32_t level = game->world.level;
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::W));
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::L));
    EXPECT_EQ(game->world.level, level);
    EXPECT_EQ(game->world.party.leaderAlive, 1);
}

// The credits' full-screen veil is a large picture: start-up leaves it unread, and the
// credits read it once, when the player first opens them.
TEST(EndScreens, CreditsVeilIsReadWhenTheCreditsOpenNotAtStartUp) {
    clearAssetCache(); // nothing is alive between tests: start from a fresh cache
    auto game = makeTestGame();
    EXPECT_EQ(findCachedTexture(kCreditsBlackPath), nullptr) << "start-up must not decode the veil";
    EXPECT_EQ(game->credits.black.getTexture(), nullptr);

    stepSeconds(game.get(), 3.f); // the menu buttons drop in
    clickSprite(game.get(), game->mainMenu.credits.sprite);
    ASSERT_EQ(game->sceneState, SCENE_CREDITS);
    stepFrames(game.get(), 1);
    const sf::Texture* veil = game->credits.black.getTexture();
    ASSERT_NE(veil, nullptr);
    EXPECT_EQ(veil, findCachedTexture(kCreditsBlackPath));
    EXPECT_EQ(veil->getSize(), sf::Vector2u(1920, 1080));
    EXPECT_EQ(game->credits.black.getPosition(), sf::Vector2f(0.f, 0.f));

    // Leaving and coming back reads nothing again.
    const std::size_t cached = cachedAssetCount();
    clickSprite(game.get(), game->credits.exit.sprite);
    ASSERT_EQ(game->sceneState, SCENE_MAIN_MENU);
    stepFrames(game.get(), 1);
    clickSprite(game.get(), game->mainMenu.credits.sprite);
    stepFrames(game.get(), 2);
    EXPECT_EQ(game->credits.black.getTexture(), veil);
    EXPECT_EQ(cachedAssetCount(), cached);
}

// Drawn before any update (as a first frame may be), the credits show the veil all the same.
TEST(EndScreens, CreditsDrawnBeforeAnyUpdateShowTheVeil) {
    auto game = makeTestGame();
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    const auto pixelAfter = [&target](const auto& draw) {
        target.clear(sf::Color::White);
        draw();
        target.display();
        return target.getTexture().copyToImage().getPixel(10, 10);
    };
    const sf::Color plain = pixelAfter([&] { target.draw(game->credits.picture); });
    const sf::Color shown = pixelAfter([&] { drawCredits(&game->credits, target); });
    EXPECT_NE(game->credits.black.getTexture(), nullptr);
    EXPECT_LT(shown.r + shown.g + shown.b, plain.r + plain.g + plain.b) << "the veil darkens the picture";
}
