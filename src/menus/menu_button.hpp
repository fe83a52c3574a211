// The button every menu screen uses: a normal and a hover picture, one sprite, hit tests
// on the sprite's current global bounds. Main and pause menu buttons hang on chains and
// drop in from the top of the screen.
#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>

#include <cstdint>

struct MenuButton {
    const sf::Texture* normalTexture = nullptr;
    const sf::Texture* hoverTexture = nullptr;
    sf::Sprite sprite;
};

// Buttons and chains drop in at this speed (pixels per second, downwards).
constexpr float kMenuDropSpeed = 500.f;
// A chain hangs this many pixels above its button's anchor.
constexpr float kChainHang = 40.f;

// Loads both pictures and creates the sprite on the normal one, origin top centre.
void initMenuButton(MenuButton* button, const char* normalPath, const char* hoverPath);
// Origin (0, 0) instead of top centre.
void initMenuButtonTopLeft(MenuButton* button, const char* normalPath, const char* hoverPath);
// Hover picture while (x, y) lies inside the button, normal picture otherwise.
void hoverMenuButton(MenuButton* button, float x, float y);
bool menuButtonHit(const MenuButton* button, float x, float y);
// A chain sprite hanging above its button, at `position`.
sf::Sprite createChainSprite(const sf::Texture& chainTexture, sf::Vector2f position);
// One drop-in step for one button and its chain: moves both down by speed * dt while the
// button is above restY, and clamps both exactly to (its x, restY) once it passes it.
void dropMenuButton(MenuButton* button, sf::Sprite* chain, float restY, float dt);
// Puts a button and its chain at `position`.
void placeMenuButton(MenuButton* button, sf::Sprite* chain, sf::Vector2f position);

// The plain 1920x1080 screen view with the window's current viewport (letterbox kept),
// for panels drawn at a fixed place on screen whatever the camera shows underneath.
sf::View screenViewOf(const sf::View& current);
