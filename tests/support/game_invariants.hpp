// What must hold after every frame of a game, whatever the player did: the board's cell
// flags agree with the units on them, the lists stay within their sizes, life and gold
// stay in range, and the scene, world phase and fight slots are consistent.
#pragma once

#include "app/game.hpp"

#include <string>

// An empty string when every rule holds; otherwise the first broken rule, in words.
std::string checkGameInvariants(const MainData* game);
// The same for the board alone.
std::string checkBoardInvariants(const WorldGame* world);
