// Levels 3 to 10 are generated at every start: a random sand ground is refined by the
// passes below (water, forests, camps, roads and hills) and the map written to its level
// file. Each pass works on the 510 codes of one map, index =
// row * 30 + column; a neighbour outside the grid is never read or written.
#pragma once

#include "world/level_file.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

using RoadMask = std::array<std::int32_t, kCellCount>;

constexpr int kLastGeneratedLevel = 10;
// A refined map is kept only when playable; after this many failed tries a plain map
// (sand, tents and roads, nothing that blocks) is used instead.
constexpr int kMaxRefineAttempts = 64;
// Playability: at least this many walkable cells of the hero columns (0 to 4) and of the
// enemy columns (25 to 29) must lie in one 4-connected walkable region.
constexpr int kHeroSpawnLastColumn = 4;
constexpr int kEnemySpawnFirstColumn = 25;
constexpr int kMinReachableHeroCells = 8;
constexpr int kMinReachableEnemyCells = 20;
// Small pockets of sand cut off by water, trees or hills become walls; more than this
// many cut-off cells and the map is redrawn.
constexpr int kMaxSealedCells = 6;

// Writes <folder>/Level03.txt to Level10.txt, each refined in memory and written once. The
// road traces go to `trace` (nullptr: none). Stops with "Open file error !!!" at the first
// file that cannot be created. Returns the number of levels written.
int generateLevels(const std::string& folder, std::FILE* trace);

// The random ground: 97 in 100 sand, the rest barrels, crates and bones.
void randomGround(LevelCodes* codes);
// All passes on one map, repeated until the map is playable (see kMaxRefineAttempts); the
// road traces of the kept map are appended to *trace when trace is not null.
void refineCodes(LevelCodes* codes, std::string* trace);
// The passes in order, once.
void runPasses(LevelCodes* codes, std::string* trace);

// One water seed, then a lake (growLake) or a river (carveRiver, then placeBridges).
void placeWater(LevelCodes* codes);
// Four growth steps; hill pieces never turn to water.
void growLake(LevelCodes* codes);
// A walk from `seed` towards the top, then a widening scan downwards and sideways.
void carveRiver(LevelCodes* codes, int seed);
// Bridges where the river is one cell thick, stretched across their run of water.
void placeBridges(LevelCodes* codes);
// Two or three forests, each a seed tree then spreadForest. Never on water, tents or hills.
void plantForests(LevelCodes* codes);
// Grows the trees rightwards and downwards, about 40 at a time; never over water, bridges or hills.
void spreadForest(LevelCodes* codes);
// Two to four tents, each on its own cell, never on water, bridges or hills.
void placeCamps(LevelCodes* codes);
// Road ends beside tents and bridges, the roads between them, their pieces, then hills.
void layRoads(LevelCodes* codes, std::string* trace);
// Joins each road end (code 143) to the next one in index order by L-shaped runs in the
// mask, printing each pair and then the mask to *trace. Roads that end up side by side are
// thinned to one, keeping every road joined.
void connectPathMarkers(LevelCodes* codes, RoadMask* roadMask, std::string* trace);
// Gives every road cell the piece (or bridge piece, over water) that joins its neighbours.
void shapeRoads(LevelCodes* codes, const RoadMask& roadMask);
// Up to two 3x3 hills on sand; a hill never covers a tent or part of another hill.
void placeHills(LevelCodes* codes, const RoadMask& roadMask);

// True when one 4-connected region of walkable cells holds at least 8 cells of columns
// 0 to 4 and at least 20 of columns 25 to 29.
bool isLevelPlayable(const LevelCodes& codes);
// Turns sand cells that no unit can reach from the main (largest) walkable region into the
// same sand picture as an obstacle (131), so nothing is ever placed where it cannot be
// reached. Returns false, changing nothing, when a cell other than plain sand is cut off or
// more than kMaxSealedCells are (the map should be redrawn).
bool sealUnreachableCells(LevelCodes* codes);

int columnOf(int index);
int rowOf(int index);
