// The shell's side of saving: the autosave after a frame that reached a save point, the
// saved game offered in the main menu, Continue, and the end of a saved game.
#pragma once

#include "app/main_data.hpp"

#include <string>

std::string saveFileOf(const MainData* data);
// Hands the save to the writer when the world asked for one this frame (and lowers the
// request). A save that cannot be written leaves the game running; the main menu says so.
void autosaveWorld(MainData* data);
// Returns once every autosave handed over is on disk, its outcome noted.
void settleSaves(MainData* data);
// Reads the save for the main menu: Continue shows when it can be continued, and what
// happened to a refused save is told there.
void refreshSavedGame(MainData* data);
// Continue: the world as it was saved.
void continueSavedGame(MainData* data);
// A game won or lost is over: its save goes.
void endSavedGame(MainData* data);
