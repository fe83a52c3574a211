// Helpers for tests that drive the real game: a real window (under Xvfb), the real
// records, synthesized events sent through the real handlers, fixed-dt steps, screenshots.
#pragma once

#include "app/game.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>

// One 1920x1080 window for the whole test process (created on first use).
sf::RenderWindow& testWindow();

// A game set up exactly as at start-up, in its own window of the given size.
std::unique_ptr<MainData> makeTestGame(unsigned width = 1920, unsigned height = 1080);

// Advances the game `frames` times by `dt` through stepGame and draws each frame.
void stepFrames(MainData* data, int frames, float dt = 1.f / 60.f);
// Lets `seconds` of game time pass in frames of the longest step a frame may take (no drawing).
void stepSeconds(MainData* data, float seconds);

// Synthesized events, coordinates in game pixels.
sf::Event mousePressEvent(int x, int y, sf::Mouse::Button button = sf::Mouse::Left);
sf::Event mouseReleaseEvent(int x, int y, sf::Mouse::Button button = sf::Mouse::Left);
sf::Event mouseMoveEvent(int x, int y);
sf::Event keyPressEvent(sf::Keyboard::Key key);
sf::Event keyReleaseEvent(sf::Keyboard::Key key);
// Left click: press then release.
void clickAt(MainData* data, int x, int y);

// How many pixels of two pictures of one size differ.
int differingPixels(const sf::Image& a, const sf::Image& b);

// Saves what the window shows now (after renderGame or a draw) to a PNG. Returns false on failure.
bool saveScreenshot(sf::RenderWindow& window, const std::string& path);
// renderGame, then a screenshot into the screenshot folder (OSTREVALD_SCREENSHOT_DIR or ./screenshots).
bool saveGameScreenshot(MainData* data, const std::string& name);
