// The game's pointer: placed under the mouse in whatever view the window draws with, and
// the system's pointer standing in whenever the picture of the pointer on show is missing.
#pragma once

#include "app/main_data.hpp"

#include <SFML/Window/Event.hpp>

// The top-left of what the window shows now: the scrolled world view on the map, the plain
// screen view over a fight or a menu. Screen-fixed menus drawn over the world sit there.
sf::Vector2f viewTopLeft(const MainData* data);
// Remembers the mouse position and places the cursor there.
void updateCursor(MainData* data, sf::Event::MouseMoveEvent move);
// Places the cursor under the last mouse position in the view the window draws with now
// (scrolled, half-size overview, or the plain screen view of menus, fights and transitions),
// so it follows every scroll and every change of camera mode at once.
void followCameraCursor(MainData* data);
// Hands the scene on show a move to where the pointer stands: at every frame in the menus
// (their buttons drop in and change pages under a still pointer) and once when the world
// comes back, so that a hover look always belongs to the button under the pointer.
void pointSceneAtCursor(MainData* data);
// The pointer left the window: nothing is under it any more.
void cursorLeftWindow(MainData* data);
// Draws the game's pointer, unless a fight draws its own, and shows the system's pointer
// while the picture of the pointer on show is missing.
void drawCursor(MainData* data);
// Shows or hides the system's pointer (the window is told only of changes unless `force`).
void showSystemCursor(MainData* data, bool shown, bool force = false);
