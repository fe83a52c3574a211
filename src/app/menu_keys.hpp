// The keys the menus answer: Escape leaves the pause menu (Resume) and the settings panel
// (Back), the way it opened the pause menu from the map.
#pragma once

#include "app/main_data.hpp"

#include <SFML/Window/Keyboard.hpp>

// Acts on a key pressed in a menu scene; true when the key was used (nothing else sees it).
// A key held down (the window repeating its press) is not pressed again.
bool pressMenuKey(MainData* data, sf::Keyboard::Key key, bool repeated);
