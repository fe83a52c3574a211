// The keys of the world scene: on the map, Tab selects the next hero with move points
// left, Enter ends the turn, U takes back the last move and Alt (held) shows every enemy's
// reach; during a fight the battle's own keys. Key caps on the HUD name them.
#pragma once

#include "world/world_record.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>

void keyPressedWorldGame(WorldGame* world, sf::Keyboard::Key key, sf::RenderWindow* window);
void keyReleasedWorldGame(WorldGame* world, sf::Keyboard::Key key);
// The window lost the keyboard: every held key counts as released.
void releaseWorldKeys(WorldGame* world);
// Selects the next hero after the selected one (in party order, wrapping) that stands still
// with move points left. Returns its index, or -1 when none can move.
std::int32_t selectNextMovableHero(WorldGame* world);
// The key caps of the map's buttons, on the player's turn with the HUD shown.
void drawMapKeyHints(const WorldGame* world, sf::RenderTarget& target);
