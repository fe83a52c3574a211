// The shell's face: start-up, the frame loop, the routing of events through the table of
// scenes (scenes.hpp), and the end. The record is in main_data.hpp; every change of scene
// is in scene_changes.hpp.
#pragma once

#include "app/cursor.hpp"
#include "app/main_data.hpp"
#include "app/scene_changes.hpp"

#include <SFML/Window/Event.hpp>

// Opens the game window (see display.hpp) and sets every scene up.
void initGame(MainData* data);
// Everything initGame does after the window exists (tests bring their own window). Uses
// data->folders when they are filled, else resolveUserFolders().
void initGameInWindow(MainData* data);
void handleEvents(MainData* data);
// Routes one event, whose mouse coordinates are already in game pixels.
void dispatchEvent(MainData* data, const sf::Event& event);
// Advances the game by the frame clock's elapsed time.
void updateGame(MainData* data);
// Advances the game by dt seconds, at most kMaxFrameSeconds: the one path every update takes.
void stepGame(MainData* data, float dt);
// Clears, draws the scene and the cursor, and presents the frame.
void drawGame(MainData* data);
// Draws the frame without presenting it (screenshots read it back).
void renderGame(MainData* data);
void destroyGame(MainData* data);
