// The world board: a new game, turns, clicks on the map, walking and what a hero finds at
// the end of its move. The record itself is in world_record.hpp.
#pragma once

#include "world/world_record.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

// Starts a new game with the team chosen in team selection: chosenTeam[0] is the leader
// pick (1 Irina, 2 Rem, 3 Tungstene), chosenTeam[1..3] the companions (1 Light, 2 Heavy, 3 Shield).
void initWorldGame(WorldGame* world, const std::int32_t chosenTeam[4]);
void destroyWorldGame(WorldGame* world);
// One frame of the board, or of the fight while one is open. `purchases` (may be null) is
// what the party bought in the shop, applied at the first map update after it.
void updateWorldGame(float dt, WorldGame* world, sf::RenderWindow* window, const ShopPurchases* purchases = nullptr);
void drawWorldGame(WorldGame* world, sf::RenderTarget& target, std::int32_t debugMode);
// Mouse positions are in game pixels (screen); the board adds the camera's top-left.
void mousePressedWorldGame(WorldGame* world, sf::Event::MouseButtonEvent press, sf::RenderWindow* window);
void mouseMovedWorldGame(WorldGame* world, sf::Event::MouseMoveEvent move);
// A left click at world pixel (x, y): selects a hero, orders a move or dismisses the range.
void clickBoard(WorldGame* world, std::int32_t x, std::int32_t y);
// The enemies' turn starts, or the player's comes back. Asked while a hero walks, the
// end of the player's turn waits for the walk (endQueuedTurn).
void toggleTurn(WorldGame* world, sf::RenderWindow* window);
// After a map frame: ends the turn asked for during a walk once no hero walks any more;
// forgets it when the walk led into a fight or a camp.
void endQueuedTurn(WorldGame* world, sf::RenderWindow* window);
// After a step of hero `index`: when it has stopped at the end of a move planned onto a
// camp or a crate, opens the camp screen (a camp wins over a crate on the same cell) or
// the crate. Cells crossed on the way do not count.
void checkArrival(WorldGame* world, std::int32_t index);
void updatePlayerMoves(WorldGame* world, float dt);
void updateEnemyMoves(WorldGame* world, sf::RenderWindow* window, float dt);
// Plans the walk of enemy `index` toward the nearest hero, claims its end cell and sets
// it acting (and walking when it has somewhere to go).
void planEnemyMove(WorldGame* world, std::int32_t index);

std::int32_t anyPlayerMoving(const WorldGame* world);
