// The loaded level: one Tile per cell of the 30x17 board, the codes read from the
// level file and the catalogue pictures they select.
#pragma once

#include "core/grid.hpp"
#include "world/ground_looks.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <array>
#include <cstdint>
#include <string>

constexpr int kTileCatalogueSize = 144;
// The ground is drawn as two triangles per cell.
constexpr int kGroundVerticesPerCell = 6;
constexpr int kGroundVertexCount = kCellCount * kGroundVerticesPerCell;

struct Tile {
    sf::Sprite sprite;
    std::int32_t walkable = 0;
    std::int32_t heroHere = 0;
    std::int32_t enemyHere = 0;
    std::int32_t camp = 0;
    std::int32_t crateHere = 0;
};

// The board's ground: one Tile per cell, the codes read from the level file, the
// catalogue pictures they select and the debug overlays. The ground is drawn in one go
// from groundVertices over tileAtlas (every catalogue picture in one texture); each cell's
// sprite shows the same picture at the same place.
struct TileMap {
    std::array<Tile, kCellCount> tiles{};
    std::array<std::int32_t, kCellCount> tileCodes{};
    std::array<const sf::Texture*, kTileCatalogueSize> tileTextures{};
    std::array<sf::RectangleShape, kCellCount> tileOverlays;
    // Null when the pictures do not fit one texture: the ground is then drawn cell by cell.
    const sf::Texture* tileAtlas = nullptr;
    std::array<sf::IntRect, kTileCatalogueSize> tileAtlasAreas{}; // entry c - 1: code c's picture
    // Where each ground look lies in tileAtlas (empty: not held), the look each cell shows
    // (kNoGroundLook: its own picture) and the cosmetic draw that scattered the decorations.
    std::array<sf::IntRect, kGroundLookCount> groundLookAreas{};
    std::array<std::int16_t, kCellCount> groundLooks{};
    std::uint32_t groundLookSeed = 0;
    // Cell i owns vertices 6i to 6i + 5; a cell without a picture keeps them all on one
    // point, so it draws nothing.
    std::array<sf::Vertex, kGroundVertexCount> groundVertices{};
};

// Loads the catalogue pictures, clears the board, then loads, prints and builds level 1.
void initTileMap(TileMap* map);
// Points tileTextures at the 144 catalogue pictures (null where an entry has no picture
// or its file cannot be read), and tileAtlas at the atlas of them (built once).
void loadTileTextures(TileMap* map);
// Reads the file of `level` into tileCodes: "LevelNN.txt" of the authored levels' folder
// for levels 1 and 2, of `generatedFolder` for the later ones. A file that cannot be
// opened prints "Open file error !!!"; one that is not a valid level is reported on
// standard error. Either way tileCodes keeps its previous content; returns true when it
// was replaced.
bool loadLevel(TileMap* map, int level, const std::string& generatedFolder);
// loadLevel for any level file path; returns true when tileCodes was replaced.
bool loadLevelFile(TileMap* map, const std::string& path);
// Rebuilds every cell's sprite, overlay and flags from tileCodes (always 30 x 17), then
// gives each cell its ground look: shores and bridge banks where water meets sand, and a
// scatter of decorations on plain sand from one draw of the cosmetic generator (made only
// when the board has sand, so the authored levels draw nothing).
void buildTileMap(TileMap* map, int columns, int rows);
// Each cell shows the look groundLookOf gives it with groundLookSeed, where the atlas holds it.
void applyGroundLooks(TileMap* map);
// Each cell shows its own code's picture, without any look (comparisons, benchmarks).
void showPlainGround(TileMap* map);
// Sets one cell's sprite and kind from `code`: obstacles get `obstacleColour` as overlay
// and lose walkable, camps get the blue overlay and the camp flag. A code outside 1 to 144
// draws nothing and stays walkable.
void applyTileType(TileMap* map, int index, int code, sf::Color obstacleColour);
// The ground, and with `showOverlays` the debug overlays, onto any target. The ground is
// one draw without blending (every ground picture is opaque).
void drawTileMap(sf::RenderTarget& target, const TileMap* map, int showOverlays);
// The same picture drawn one cell sprite at a time, blended: the reference the batched
// ground is checked and timed against.
void drawTileMapSprites(sf::RenderTarget& target, const TileMap* map, int showOverlays);
// Debug dump of the codes to standard output.
void printLevel(const TileMap* map);
