// The game always thinks in a 1920x1080 picture. The window may be another size
// (a desktop without that full-screen mode, or a normal window): the picture is scaled
// with its aspect kept, black bars fill the rest, and every mouse position is mapped
// back to 1920x1080 game coordinates here, before any scene sees it.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/Window/Event.hpp>

#include <string>

constexpr unsigned kGameWidth = 1920;
constexpr unsigned kGameHeight = 1080;

// Viewport (fractions of the window) where the 1920x1080 picture is shown.
sf::FloatRect letterboxViewport(sf::Vector2u windowSize);
// Window pixel -> game pixel. Points in the black bars are clamped to the picture's edge.
sf::Vector2i windowToGame(sf::Vector2i pixel, sf::Vector2u windowSize);
// Rewrites the coordinates of mouse events in place (others are left alone).
void mapEventToGame(sf::Event* event, sf::Vector2u windowSize);
// The mouse position polled now, in game coordinates.
sf::Vector2i gameMousePosition(const sf::Window& window);
// Sets `view` on the window with the letterbox viewport of the window's size.
void setWindowView(sf::RenderWindow* window, sf::View* view);

// Whether a display can be opened at all (on X11: the one DISPLAY names). Without one the
// windowing library aborts the process, so the game asks first. On failure `why` says
// what is missing, in one line. On success the check's connection stays open until
// openGameWindow has made the window (or releaseDisplayCheck is called): an X server that
// resets when its last client leaves would otherwise reset between the check and the
// window, and the window's own connection would land inside the reset.
bool displayAvailable(std::string* why);
// Closes the connection displayAvailable kept open (nothing when none is).
void releaseDisplayCheck();

// Opens the game window: full-screen 1920x1080 when the desktop offers it, else the best
// full-screen mode; OSTREVALD_WINDOWED=1 opens a normal window instead. Then releases the
// display check's connection.
void openGameWindow(sf::RenderWindow* window);
