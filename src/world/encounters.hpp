// Meetings on the map: a hero and an enemy on one cell open the card battle with up to
// three fighters a side gathered around it, and the battle's outcome is written back
// onto the board (survivors keep their life, the dead leave the map, 40 gold per enemy).
#pragma once

#include "fight/fight_end_banner.hpp" // kGoldPerEnemy: the fight shows what the board pays
#include "world/world_record.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

// The cells a unit at `position` covers: its left cell (truncated) and its right cell
// (truncated after adding 0.99 cell); the same cell exactly when the unit stands on it.
GridPos leftCellOf(sf::Vector2f position);
GridPos rightCellOf(sf::Vector2f position);

// Looks for the first hero and enemy standing on one cell (heroes in party order, then
// enemies in list order) and opens the fight there. Run last in every map frame.
void checkFightStart(WorldGame* world, sf::RenderWindow* window);
// Gathers the fighters around `cell`, switches to the screen view and opens the fight.
void startFight(WorldGame* world, GridPos cell, sf::RenderWindow* window);
// Up to three heroes (enemies): those standing on `cell` first, then those on the eight
// cells around it, from the top-left clockwise. Each gathered unit's index in its list is
// written into its own stats and into the copy handed to the fight.
void collectFightPlayers(Encounter* encounter, Party* party, const TileMap* map, GridPos cell);
void collectFightEnemies(Encounter* encounter, EnemyList* list, const TileMap* map, GridPos cell);
// Opens the card battle on the fighters already gathered into `encounter`: the screen view,
// the first fight's tutorial and the fight's own start (hands and intents drawn).
void openFight(WorldGame* world, sf::RenderWindow* window);
// Writes the fight's outcome back, enemies first, matching units by `unitIndex`.
void endFight(WorldGame* world, sf::RenderWindow* window);
void applyEnemyFightResults(WorldGame* world);
void applyPlayerFightResults(WorldGame* world);
// The fight branch of the frame update: runs the fight and closes it once it is over.
void updateFightPhase(WorldGame* world, sf::RenderWindow* window, float dt);
// Debug: removes enemy `index` from the map (nothing for an index out of the list).
void killEnemy(WorldGame* world, std::int32_t index);
// Escape or a right click during a fight: what the fight has to cancel (the end banner's
// wait, the deck view, the card held). Returns whether there was something.
bool cancelInFight(WorldGame* world);
