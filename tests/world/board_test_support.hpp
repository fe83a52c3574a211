// Boards built by hand for the world tests: open ground, walls, and units put on chosen
// cells with the same flags the game's placement sets.
#pragma once

#include "world/board_moves.hpp"
#include "world/placement.hpp"
#include "world/world_game.hpp"

#include <initializer_list>
#include <memory>

// A world with the party, enemy and HUD assets loaded, no units and every cell open ground.
std::unique_ptr<WorldGame> makeOpenBoard();
// Clears units and makes every cell walkable ground (code 1).
void openGround(WorldGame* world);
void blockCells(WorldGame* world, std::initializer_list<GridPos> cells);
// Every cell of the board not listed is blocked.
void onlyOpen(WorldGame* world, std::initializer_list<GridPos> cells);
// Adds a hero / an enemy of `type` standing on `cell`; returns its index.
std::int32_t putPlayer(WorldGame* world, std::int32_t type, GridPos cell);
std::int32_t putEnemy(WorldGame* world, std::int32_t type, GridPos cell);
const Tile& tileAt(const WorldGame* world, GridPos cell);
Tile& tileAt(WorldGame* world, GridPos cell);
int visibleSquareCount(const WorldGame* world);
bool squareVisible(const WorldGame* world, GridPos cell);
sf::Vector2f corner(GridPos cell);
