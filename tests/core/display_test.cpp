#include "core/display.hpp"
#include "support/test_window.hpp"

#include <gtest/gtest.h>

TEST(Display, LetterboxKeepsTheAspectInWiderAndTallerWindows) {
    const sf::FloatRect same = letterboxViewport({1920, 1080});
    EXPECT_EQ(same, sf::FloatRect(0.f, 0.f, 1.f, 1.f));
    const sf::FloatRect tall = letterboxViewport({1280, 1024}); // 5:4 -> bars above and below
    EXPECT_FLOAT_EQ(tall.width, 1.f);
    EXPECT_NEAR(tall.height, 720.f / 1024.f, 1e-6);
    EXPECT_NEAR(tall.top, 152.f / 1024.f, 1e-6);
    const sf::FloatRect wide = letterboxViewport({2560, 1080}); // 21:9 -> bars left and right
    EXPECT_FLOAT_EQ(wide.height, 1.f);
    EXPECT_NEAR(wide.left, 320.f / 2560.f, 1e-6);
}

TEST(Display, WindowPixelsMapToGamePixelsAndBarsClampToTheEdge) {
    const sf::Vector2u size(1280, 1024);
    EXPECT_EQ(windowToGame({640, 152 + 360}, size), sf::Vector2i(960, 540));
    EXPECT_EQ(windowToGame({0, 152}, size), sf::Vector2i(0, 0));
    EXPECT_EQ(windowToGame({1279, 152 + 719}, size), sf::Vector2i(1918, 1078));
    EXPECT_EQ(windowToGame({1279, 1023}, size), sf::Vector2i(1918, 1079)); // in the lower bar
    EXPECT_EQ(windowToGame({5, 3}, size).y, 0);                            // in the upper bar
    // The far right of a wide screen reaches the scrolling edge.
    EXPECT_EQ(windowToGame({2559, 540}, {2560, 1080}).x, 1919);
}

TEST(Display, EventsAreMappedBeforeAnySceneSeesThem) {
    sf::Event press = mousePressEvent(640, 512);
    mapEventToGame(&press, {1280, 1024});
    EXPECT_EQ(press.mouseButton.x, 960);
    EXPECT_EQ(press.mouseButton.y, 540);
    sf::Event move = mouseMoveEvent(320, 152);
    mapEventToGame(&move, {1280, 1024});
    EXPECT_EQ(move.mouseMove.x, 480);
    EXPECT_EQ(move.mouseMove.y, 0);
    sf::Event key = keyPressEvent(sf::Keyboard::A);
    mapEventToGame(&key, {1280, 1024});
    EXPECT_EQ(key.key.code, sf::Keyboard::A);
}

TEST(Display, AGameInAnOddSizedWindowDrawsThroughTheLetterbox) {
    auto game = makeTestGame(1280, 1024);
    const sf::FloatRect vp = game->window.getView().getViewport();
    EXPECT_NEAR(vp.top, 152.f / 1024.f, 1e-6);
    // The camera's edge test sees game coordinates: the mapped far corner scrolls the view.
    updateCameraAt(&game->world.camera, &game->window, windowToGame({1279, 1023}, game->window.getSize()));
    EXPECT_EQ(game->world.camera.scrollStep, sf::Vector2i(0, 20));
    EXPECT_NEAR(game->window.getView().getViewport().top, 152.f / 1024.f, 1e-6) << "scrolling keeps the letterbox";
}
