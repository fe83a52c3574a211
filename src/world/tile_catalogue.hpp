// The tile catalogue: the 144 ground pictures a level file's codes select, and what
// each code means for movement. Code c (1 to 144) is entry c - 1.
#pragma once

#include <array>
#include <string>

enum TileKind {
    TILE_WALKABLE = 0, // heroes and enemies may enter
    TILE_OBSTACLE = 1, // may not be entered (red debug overlay)
    TILE_CAMP = 2,     // may be entered, heals (blue debug overlay)
};

struct TileCatalogueEntry {
    const char* name; // picture file name without ".png"; nullptr for an entry without a picture
    TileKind kind;
};

constexpr int kFirstTileCode = 1;
constexpr int kLastTileCode = 144;
inline constexpr const char* kTilePictureFolder = "Assets/Sprites/BackgroundTile/";

// Codes the rest of the world map refers to by meaning.
constexpr int TILE_WATER = 17;
constexpr int TILE_HOUSE = 30;
constexpr int TILE_HOUSE2 = 82;
constexpr int TILE_FIELD = 83;
constexpr int TILE_ROAD_HORIZONTAL = 84;
constexpr int TILE_ROAD_T_DOWN = 85;
constexpr int TILE_ROAD_L_LEFT_DOWN = 86;
constexpr int TILE_SAND = 87;
constexpr int TILE_ROAD_VERTICAL = 88;
constexpr int TILE_ROAD_T_LEFT = 89;
constexpr int TILE_ROAD_T_UP = 90;
constexpr int TILE_ROAD_T_RIGHT = 91;
constexpr int TILE_ROAD_L_LEFT_UP = 92;
constexpr int TILE_ROAD_L_RIGHT_UP = 93;
constexpr int TILE_ROAD_L_RIGHT_DOWN = 94;
constexpr int TILE_BRIDGE_HORIZONTAL = 95;
constexpr int TILE_BRIDGE_VERTICAL = 96;
constexpr int TILE_ROAD_CROSSING = 97;
constexpr int TILE_BARRELS = 98;
constexpr int TILE_TENT = 118;
constexpr int TILE_CRATE = 120;
constexpr int TILE_BONES = 122;
constexpr int TILE_SKULL = 123;
constexpr int TILE_HILL_TOP_LEFT = 124;
constexpr int TILE_HILL_SIDE = 125;
constexpr int TILE_HILL_BOTTOM_LEFT = 126;
constexpr int TILE_HILL_TOP = 127;
constexpr int TILE_HILL_BOTTOM = 128;
constexpr int TILE_HILL_TOP_RIGHT = 129;
constexpr int TILE_HILL_BOTTOM_RIGHT = 130;
constexpr int TILE_SAND_WALL = 131; // the sand picture, but an obstacle
constexpr int TILE_BRIDGE_L_LEFT_UP = 132;
constexpr int TILE_BRIDGE_L_RIGHT_UP = 133;
constexpr int TILE_BRIDGE_L_RIGHT_DOWN = 134;
constexpr int TILE_BRIDGE_L_LEFT_DOWN = 135;
constexpr int TILE_BRIDGE_T_UP = 136;    // joins left, up and right
constexpr int TILE_BRIDGE_T_RIGHT = 137; // joins up, right and down
constexpr int TILE_BRIDGE_T_DOWN = 138;  // joins left, down and right
constexpr int TILE_BRIDGE_T_LEFT = 139;  // joins up, left and down
constexpr int TILE_FOREST = 142;
constexpr int TILE_PATH_MARKER = 143;

const std::array<TileCatalogueEntry, kLastTileCode>& tileCatalogue();

// True for codes 1 to 144, the only ones that name a catalogue entry.
bool isValidTileCode(int code);
// The kind of a code; an invalid code counts as walkable (it draws nothing).
TileKind tileKind(int code);
// "Assets/Sprites/BackgroundTile/<name>.png", or "" for an invalid code or an entry
// without a picture (45 and 144).
std::string tilePicturePath(int code);
