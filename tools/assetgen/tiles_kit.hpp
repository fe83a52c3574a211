// Shared drawing kit for the 64x64 ground tiles of the world map.
//
// Every base texture (grass, sand, water, trodden earth) is built from noise that wraps at
// 64 pixels, so a tile's left column continues any other tile's right column. Pieces that
// join (roads, ground borders, lake shores, bridges) are all drawn by one rule: a tile is a
// cell of an "inner" material (earth, road, water, deck) whose sides are either open (the
// material runs on into the neighbour) or closed (a band of the outer ground, 16 pixels deep,
// lies along that edge). Because the bands sit at the same rows/columns on every piece, any
// two pieces whose touching sides agree join without a seam.
#pragma once

#include "art.hpp"

#include <array>
#include <string>
#include <vector>

namespace tiles {

constexpr int kTile = 64;
constexpr int kBand = 16; // depth of the outer ground along a closed side (road band 16..47)

enum Side { N = 0, E = 1, S = 2, W = 3 };

inline int wrap64(int v) { return v & 63; }

// Value noise whose lattice wraps every 64 pixels (period must divide 64).
float wrapNoise(int x, int y, int period, int seed);
// Sum of three octaves of wrapNoise, in [0, 1).
float wrapFbm(int x, int y, int seed);
// hashNoise on coordinates taken modulo 64.
float wrapHash(int x, int y, int seed);

// Picks a colour of a dark->light ramp for value v in [0, 1], ordered-dithered between steps.
sf::Color rampColor(const std::vector<int>& ramp, float v, int x, int y);

// Like rampColor but with hard steps: only a narrow zone around each step is dithered
// (cel shading for rock and relief).
sf::Color rampStep(const std::vector<int>& ramp, float v, int x, int y, float zone = 0.3f);

// Writes a pixel at wrapped coordinates (used by base textures so their marks cross edges).
void pxWrap(art::Canvas& c, int x, int y, sf::Color col);

// ---- Base ground textures (fill the whole tile) ----
// `variant` changes the marks in the tile's interior only; the 8-pixel border is shared by
// every variant so all tiles of one ground join.
void paintGrass(art::Canvas& c, int variant);
void paintSand(art::Canvas& c, int variant);
void paintWater(art::Canvas& c, int variant);
void paintEarth(art::Canvas& c, int variant);

// ---- Cells with open / closed sides ----
struct Cell {
    std::array<bool, 4> open{};  // N, E, S, W: the inner material continues across this side
    std::array<bool, 4> diag{};  // NE, SE, SW, NW: the diagonal neighbour is inner too
                                 // (only matters where both adjoining sides are open)
};
Cell cellOpen(bool n, bool e, bool s, bool w);          // diagonals closed (a strip / road)
Cell cellArea(bool n, bool e, bool s, bool w);          // diagonals open where both sides are
int openCount(const Cell& c);

struct Edge {
    int depth = kBand;  // depth of the outer band along a closed side
    int jitter = 1;     // +-jitter pixels of wobble along the band edge
    int round = 5;      // corner rounding radius
    int seed = 0;       // wobble pattern
    int capRound = 0;   // > 0: a dead end is drawn as a semicircle (round end)
};
// True where the pixel (x, y) shows the inner material. Works for coordinates just outside
// the tile too (it extends the tile's own rule), which lets callers find borders.
bool cellInside(const Cell& cell, const Edge& e, int x, int y);
// Fills `mask` (64*64) with cellInside.
std::vector<unsigned char> cellMask(const Cell& cell, const Edge& e);
// Distance (0..maxD) from an inner pixel to the nearest outer pixel (4-neighbour steps),
// maxD+1 when further. Outer pixels get 0.
std::vector<int> insideDistance(const Cell& cell, const Edge& e, int maxD);
std::vector<int> outsideDistance(const Cell& cell, const Edge& e, int maxD);

// Wheel ruts for a road cell: true where a rut runs.
bool rutAt(const Cell& cell, int x, int y);

// ---- Volumes lit from the top-left ----
struct Ball {
    float x, y, r;     // centre and radius in pixels
    float z = 0;       // height offset (bigger: in front)
    int tone = 0;      // shifts the ramp index (+1 lighter, -1 darker)
};
// Shades a union of spheres into `c` with the ramp; a darker crease separates overlapping balls.
// `grain` adds leafy/rocky noise of that amplitude.
void shadeBalls(art::Canvas& c, const std::vector<Ball>& balls, const std::vector<int>& ramp, float grain,
                int seed, float bias = 0.f);
// Light value in [0, 1] of a surface normal (nx, ny, nz), light from the top-left and above.
float lightOf(float nx, float ny, float nz);

// ---- Props over ground ----
// Outlines the prop in Ink, casts its flat shadow down-right onto the ground, then lays it over.
void placeProp(art::Canvas& ground, art::Canvas prop, int shadowDx = 4, int shadowDy = 3);

// Saves one tile picture under Sprites/BackgroundTile/<name>.png; checks it is 64x64 and
// fully opaque and the name is not empty.
void saveTile(const art::Canvas& c, const std::string& name);

// ---- Water pieces shared by the lake, the bridges and the shore sheets ----
// A water cell with a sandy shore along each closed side and a bank in each closed corner.
art::Canvas lakeCell(const Cell& cell, int variant);
// True where lakeCell(cell, ...) shows water.
bool lakeWaterAt(const Cell& cell, int x, int y);
// A bridge deck joining the open sides of `cell`, laid over `c`; `water` tells where `c` is water.
void bridgeDeckOver(art::Canvas& c, const Cell& cell, int variant, const std::function<bool(int, int)>& water);

// ---- Desert pieces the road ends reuse ----
// A desert road on sand whose band joins the open sides of `cell`.
art::Canvas desertRoadCell(const Cell& cell, int variant);
// The waymark of a road end (its trodden patch and post) over `ground`.
art::Canvas pathMarkerOver(art::Canvas ground);
// The tent (a camp) over `ground`, with its shadow.
art::Canvas tentOver(art::Canvas ground);

// Ramps used across tiles.
extern const std::vector<int> kLeafRamp;
extern const std::vector<int> kStoneRamp;
extern const std::vector<int> kSandstoneRamp;
extern const std::vector<int> kWoodRamp;

// The tile groups.
void genGreenGround();   // grass, trodden earth, roads, fields
void genGreenRelief();   // cliffs and hills
void genGreenProps();    // trees, stump, houses
void genDesertGround();  // sand, roads, cheminN2, desert hill
void genWaterTiles();    // water, lake, bridges
void genDesertProps();   // rocks, barrels, crates, bones, tent, palm
void genGroundEdges();   // shore and bridge-bank sheets, decorated sand

} // namespace tiles
