// The button every menu screen uses: a normal and a hover look, one sprite, hit tests on
// the sprite's current global bounds. The two looks are either two pictures (main menu,
// pause menu, settings, end screens) or the two rows of one button sheet (the shop).
// Main and pause menu buttons hang on chains and drop in from the top of the screen.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <span>

struct MenuButton {
    const sf::Texture* normalTexture = nullptr;
    const sf::Texture* hoverTexture = nullptr;
    sf::Sprite sprite;
    // Button sheets: both looks are areas of the one texture. Empty areas mean whole pictures.
    sf::IntRect normalArea;
    sf::IntRect hoverArea;
};

// Buttons and chains drop in at this speed (pixels per second, downwards).
constexpr float kMenuDropSpeed = 500.f;
// A chain hangs this many pixels above its button's anchor.
constexpr float kChainHang = 40.f;

// Loads both pictures and creates the sprite on the normal one, origin top centre.
void initMenuButton(MenuButton* button, const char* normalPath, const char* hoverPath);
// Origin (0, 0) instead of top centre.
void initMenuButtonTopLeft(MenuButton* button, const char* normalPath, const char* hoverPath);
// A button on a two-row sheet: origin (0, 0), showing `normalArea`, at `position`, scaled.
void initSheetMenuButton(MenuButton* button, const char* sheetPath, sf::IntRect normalArea, sf::IntRect hoverArea,
                         float scale, sf::Vector2f position);
// Hover look while (x, y) lies inside the button, normal look otherwise.
void hoverMenuButton(MenuButton* button, float x, float y);
bool menuButtonHit(const MenuButton* button, float x, float y);

// The hover rule for every button of a screen at once, from a mouse-move event.
void hoverMenuButtons(std::span<MenuButton* const> buttons, sf::Event::MouseMoveEvent move);

// A chain sprite hanging above its button, at `position`.
sf::Sprite createChainSprite(const sf::Texture& chainTexture, sf::Vector2f position);
// One drop-in step for one button and its chain: moves both down by speed * dt while the
// button is above restY, and clamps both exactly to (its x, restY) once it passes it.
void dropMenuButton(MenuButton* button, sf::Sprite* chain, float restY, float dt);
// One drop-in step for a column of chained buttons (buttons[i] hangs on chains[i] and
// rests at restY[i] + offsetY). Returns 1 when the last button had already settled at the
// start of the step: the column counts as arrived on the frame after its last button stops.
std::uint32_t dropMenuButtons(std::span<MenuButton* const> buttons, std::span<sf::Sprite> chains,
                              std::span<const float> restY, float offsetY, float dt);
// Puts a button and its chain at `position`.
void placeMenuButton(MenuButton* button, sf::Sprite* chain, sf::Vector2f position);
// Draws the buttons in the order given (the last one on top).
void drawMenuButtons(std::span<MenuButton* const> buttons, sf::RenderTarget& target);
// Draws a column of chained buttons: every chain, then the buttons from the last to the
// first, so the first button of the column lies on top where they overlap.
void drawChainedMenuButtons(std::span<MenuButton* const> buttons, std::span<const sf::Sprite> chains,
                            sf::RenderTarget& target);

// The plain 1920x1080 screen view with the window's current viewport (letterbox kept),
// for panels drawn at a fixed place on screen whatever the camera shows underneath.
sf::View screenViewOf(const sf::View& current);
