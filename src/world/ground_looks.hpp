// Ground looks: what a cell shows in place of its own picture, chosen from its neighbours
// and a cosmetic scatter. Water and bridges whose land neighbours are all sand get a shore or
// a bank (world/shore_pieces.hpp); a road-end marker or a tent that a road reaches gets the
// road's band running in; some plain sand cells get a small plant, stones, flowers or tracks. Codes, walkability and every gameplay draw stay as they are: a look is only a
// different cell of the ground atlas, drawn in the same single pass as the rest.
#pragma once

#include "world/level_file.hpp"
#include "world/shore_pieces.hpp"

#include <cstdint>

constexpr int kNoGroundLook = -1;
// Look numbers: the 47 shores, then 47 banks for each bridge picture, then the decorations.
constexpr int kShoreLookFirst = 0;
constexpr int kBridgeLookFirst = kShoreLookFirst + shore::kPieceCount;
constexpr int kDecorLookFirst = kBridgeLookFirst + static_cast<int>(shore::kBridgeCodes.size()) * shore::kPieceCount;
constexpr int kRoadEndLookFirst = kDecorLookFirst + shore::kDecorCount; // markers, tents, then roads
constexpr int kGroundLookCount = kRoadEndLookFirst + shore::kRoadEndRows * shore::kArmPatterns;

// About one plain sand cell in this many carries a decoration.
constexpr int kDecorOneIn = 7;

// The sheets the looks are cut from, and the cell of each look on its sheet.
enum GroundSheet {
    GROUND_SHEET_SHORE = 0,
    GROUND_SHEET_BRIDGES = 1,
    GROUND_SHEET_DECOR = 2,
    GROUND_SHEET_ROAD_ENDS = 3,
    kGroundSheetCount = 4
};
inline constexpr const char* kGroundSheetPaths[kGroundSheetCount] = {
    "Assets/Sprites/GroundEdges/SandShore.png",
    "Assets/Sprites/GroundEdges/BridgeShore.png",
    "Assets/Sprites/GroundEdges/SandDecor.png",
    "Assets/Sprites/GroundEdges/RoadEnds.png",
};
struct GroundLookCell {
    GroundSheet sheet = GROUND_SHEET_SHORE;
    int column = 0, row = 0; // in 64-pixel cells
};
GroundLookCell groundLookCell(int look);

// The sides (shore::Arm bits) a desert road or bridge picture joins; 0 for other codes.
int roadArms(int code);
// The sides along which the road, bridge, marker or tent of cell `index` is joined to a
// neighbour (shore::Arm bits): where either of the two leads into the other, or a marker
// meets a marker or its tent; never into sand, a hill or a palm. A road leaving the map
// keeps that side. 0 for other codes.
int roadLinks(const LevelCodes& codes, int index);

// Water, the bridges and the lake pieces: a shore's "open" side.
bool isWaterGround(int code);
// Codes whose picture is sand along all four edges (desert ground, roads, props, hills).
bool isSandEdgedGround(int code);
// Which of the 8 neighbours of `index` are water (shore::Neighbour bits); a neighbour off
// the board counts as water, so rivers run off the map without a shore.
unsigned waterNeighbours(const LevelCodes& codes, int index);
// The look of cell `index`, or kNoGroundLook for its own picture. `seed` (the cosmetic draw
// of the board) decides which sand cells are decorated and how.
int groundLookOf(const LevelCodes& codes, int index, std::uint32_t seed);
// True when some cell may be decorated, so the board needs a cosmetic seed.
bool hasDecoratableGround(const LevelCodes& codes);
