// The world view: edge scrolling in close mode, the whole map at half size in overview
// mode, and the switch between the world view and the plain screen view.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

enum : std::uint32_t { CAMERA_CLOSE = 1, CAMERA_OVERVIEW = 2 };

struct Camera {
    sf::Vector2f topLeft;
    sf::Vector2f savedTopLeft;
    sf::View view;
    std::uint32_t mode = CAMERA_CLOSE;
    sf::FloatRect viewRect;
    sf::Vector2i scrollStep;
    sf::Vector2f savedCenter;
    // 1 while the plain screen view stands in for the world view (between applyCamera(.., 1)
    // and applyCamera(.., 0)): a second switch to the screen must not save the screen view.
    std::int32_t onScreenView = 0;
    // The last mouse position the window reported, in game pixels: edge scrolling follows
    // it, so the camera answers the same events every other part of the game sees.
    sf::Vector2i pointer{960, 540};
    // A centring asked for (focusCamera), done by the next close-view update.
    std::int32_t focusPending = 0;
    sf::Vector2f focusPoint;
};

constexpr int kCameraScrollStep = 20;
// The close view's top-left stays inside the map (3840 x 2176 pixels) but for the band above
// it that the top bar covers: it never shows what lies past the map's edges.
inline const sf::Vector2f kCameraTopLeftMax{1920.f, 1080.f};
// The view may rise this far above the map, so that the top row shows below the top bar;
// the bar covers that band across the whole screen.
inline const sf::Vector2f kCameraTopLeftMin{0.f, -120.f};

// The close view's top-left that centres `point` (world pixels): whole scroll steps,
// within the scrolling's limits.
sf::Vector2f cameraTopLeftCentredOn(sf::Vector2f point);
// Asks the next close-view update to centre the view on `point` at once; the jump is
// reported as that frame's scroll step, so everything fixed on the screen follows it.
void focusCamera(Camera* camera, sf::Vector2f point);

void initCamera(Camera* camera);
void resetCamera(Camera* camera, sf::RenderWindow* window);
// Edge scrolling from the last mouse position the window reported (`pointer`).
void updateCamera(Camera* camera, sf::RenderWindow* window);
// The same with a given mouse position in game coordinates.
void updateCameraAt(Camera* camera, sf::RenderWindow* window, sf::Vector2i mouse);
void toggleCameraMode(Camera* camera, sf::RenderWindow* window);
// toScreen 1: saves the world view (once) and shows the plain screen view; 0: restores it.
void applyCamera(Camera* camera, sf::RenderWindow* window, int toScreen);
