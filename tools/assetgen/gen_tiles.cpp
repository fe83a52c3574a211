// Ground tiles of the world map: Assets/Sprites/BackgroundTile/*.png, 64x64, drawn at x2.
// The pieces and how they join are listed in docs/tiles.md.
#include "art.hpp"
#include "generators.hpp"
#include "tiles_kit.hpp"

void genTiles() {
    tiles::genGreenGround();
    tiles::genGreenRelief();
    tiles::genGreenProps();
    tiles::genDesertGround();
    tiles::genWaterTiles();
    tiles::genDesertProps();
    tiles::genGroundEdges();
}
