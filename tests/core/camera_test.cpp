#include "core/camera.hpp"
#include "support/test_window.hpp"

#include <gtest/gtest.h>

TEST(Camera, TopRightCornerScrollsUpSixFramesAndRightNinetySix) {
    sf::RenderWindow& window = testWindow();
    Camera camera;
    initCamera(&camera);
    int upFrames = 0, rightFrames = 0;
    for (int frame = 0; frame < 150; ++frame) {
        updateCameraAt(&camera, &window, {1919, 0});
        upFrames += camera.scrollStep.y == -20;
        rightFrames += camera.scrollStep.x == 20;
    }
    EXPECT_EQ(upFrames, 6) << "the top row rises clear of the top bar";
    EXPECT_EQ(rightFrames, 96);
    EXPECT_EQ(camera.view.getCenter(), sf::Vector2f(2880.f, 420.f));
    EXPECT_EQ(camera.topLeft, sf::Vector2f(1920.f, -120.f));
    EXPECT_EQ(camera.scrollStep, sf::Vector2i(0, 0));
    EXPECT_EQ(camera.savedTopLeft, camera.topLeft);
}

TEST(Camera, BottomLeftLimitsAndStepIsPerFrameNotPerSecond) {
    sf::RenderWindow& window = testWindow();
    Camera camera;
    initCamera(&camera);
    updateCameraAt(&camera, &window, {1, 1079});
    EXPECT_EQ(camera.scrollStep, sf::Vector2i(0, 20)); // left edge: already at the limit
    for (int i = 0; i < 200; ++i) updateCameraAt(&camera, &window, {960, 1079});
    EXPECT_EQ(camera.view.getCenter().y, 1620.f);
    EXPECT_EQ(camera.topLeft.y, 1080.f);
}

TEST(Camera, OverviewIgnoresEdgesAndTogglesBackToTheSameView) {
    sf::RenderWindow& window = testWindow();
    Camera camera;
    initCamera(&camera);
    for (int i = 0; i < 5; ++i) updateCameraAt(&camera, &window, {1919, 540});
    const sf::Vector2f closeCenter = camera.view.getCenter();
    toggleCameraMode(&camera, &window);
    EXPECT_EQ(camera.mode, static_cast<std::uint32_t>(CAMERA_OVERVIEW));
    EXPECT_EQ(camera.view.getSize(), sf::Vector2f(3840.f, 2160.f));
    EXPECT_EQ(camera.view.getCenter(), sf::Vector2f(1920.f, 1080.f));
    updateCameraAt(&camera, &window, {1919, 1079});
    EXPECT_EQ(camera.scrollStep, sf::Vector2i(20, 0)) << "overview keeps the last step";
    toggleCameraMode(&camera, &window);
    EXPECT_EQ(camera.view.getSize(), sf::Vector2f(1920.f, 1080.f));
    EXPECT_EQ(camera.view.getCenter(), closeCenter);
}

TEST(Camera, ScreenViewAndBackRestoreTheWorldView) {
    sf::RenderWindow& window = testWindow();
    Camera camera;
    initCamera(&camera);
    for (int i = 0; i < 7; ++i) updateCameraAt(&camera, &window, {1919, 1079});
    const sf::Vector2f center = camera.view.getCenter();
    const sf::Vector2f topLeft = camera.topLeft;
    applyCamera(&camera, &window, 1);
    EXPECT_EQ(window.getView().getCenter(), sf::Vector2f(960.f, 540.f));
    applyCamera(&camera, &window, 0);
    EXPECT_EQ(window.getView().getCenter(), center);
    EXPECT_EQ(camera.topLeft, topLeft);
    resetCamera(&camera, &window);
    EXPECT_EQ(camera.topLeft, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(camera.scrollStep, sf::Vector2i(0, 0));
}

TEST(Camera, FocusCentresInWholeStepsInsideTheMapAndReportsTheJumpAsTheStep) {
    sf::RenderWindow& window = testWindow();
    Camera camera;
    initCamera(&camera);
    for (int i = 0; i < 10; ++i) updateCameraAt(&camera, &window, {1919, 1079});
    const sf::Vector2f from = camera.topLeft;

    focusCamera(&camera, {1995.f, 1203.f});
    EXPECT_EQ(camera.topLeft, from) << "nothing moves before the update";
    updateCameraAt(&camera, &window, {1919, 1079}); // a pointer at the edge does not add to the jump
    EXPECT_EQ(camera.view.getCenter(), sf::Vector2f(2000.f, 1200.f));
    EXPECT_EQ(camera.topLeft, sf::Vector2f(1040.f, 660.f));
    EXPECT_EQ(camera.scrollStep, sf::Vector2i(1040 - static_cast<int>(from.x), 660 - static_cast<int>(from.y)));
    EXPECT_EQ(window.getView().getCenter(), camera.view.getCenter());
    updateCameraAt(&camera, &window, {960, 540});
    EXPECT_EQ(camera.scrollStep, sf::Vector2i(0, 0)) << "done once";

    // Near the corners the view stops where the scrolling does.
    focusCamera(&camera, {100.f, 50.f});
    updateCameraAt(&camera, &window, {960, 540});
    EXPECT_EQ(camera.topLeft, sf::Vector2f(0.f, -120.f));
    focusCamera(&camera, {3800.f, 2150.f});
    updateCameraAt(&camera, &window, {960, 540});
    EXPECT_EQ(camera.topLeft, sf::Vector2f(1920.f, 1080.f));
    EXPECT_EQ(camera.view.getCenter(), sf::Vector2f(2880.f, 1620.f));

    // Asked during the overview, it waits for the close view.
    focusCamera(&camera, {1000.f, 600.f});
    toggleCameraMode(&camera, &window);
    updateCameraAt(&camera, &window, {960, 540});
    EXPECT_EQ(camera.mode, static_cast<std::uint32_t>(CAMERA_OVERVIEW));
    toggleCameraMode(&camera, &window);
    updateCameraAt(&camera, &window, {960, 540});
    EXPECT_EQ(camera.topLeft, sf::Vector2f(40.f, 60.f));
    resetCamera(&camera, &window);
}
