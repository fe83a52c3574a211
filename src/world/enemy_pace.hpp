// The map enemies' turn at the speed in force (WorldGame::enemySpeed). Normal walks as it
// always did; Fast plays the enemy banner and every walk in half the time; Instant skips the
// banner and resolves every enemy's move in the frame the turn reaches them, stopping only
// where a fight opens, exactly where the walk at Normal would have opened it.
#pragma once

#include "world/world_record.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// One frame of the enemies' turn on the map: the banner, then the moves.
void updatePacedEnemyTurn(WorldGame* world, sf::RenderWindow* window, float dt);
