// The loaded level: one Tile per cell of the 30x17 board, the codes read from the
// level file and the catalogue pictures they select.
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstdint>
#include <string>

constexpr int kMapColumns = 30;
constexpr int kMapRows = 17;
constexpr int kCellCount = kMapColumns * kMapRows;
constexpr int kCellSize = 128;
constexpr int kTileCatalogueSize = 144;

struct Tile {
    sf::Sprite sprite;
    std::int32_t walkable = 0;
    std::int32_t heroHere = 0;
    std::int32_t enemyHere = 0;
    std::int32_t camp = 0;
    std::int32_t crateHere = 0;
};

struct WorldGame;

// Loads the catalogue pictures, clears the board, then loads, prints and builds level 1.
void initTileMap(WorldGame* world);
// Points tileTextures at the 144 catalogue pictures (null where an entry has no picture
// or its file cannot be read).
void loadTileTextures(WorldGame* world);
// Reads "Assets/Level/LevelNN.txt" into tileCodes. A file that cannot be opened prints
// "Open file error !!!"; one that is not a valid level is reported on standard error.
// Either way tileCodes keeps its previous content.
void loadLevel(WorldGame* world, int level);
// loadLevel for any level file path; returns true when tileCodes was replaced.
bool loadLevelFile(WorldGame* world, const std::string& path);
// Rebuilds every cell's sprite, overlay and flags from tileCodes (always 30 x 17).
void buildTileMap(WorldGame* world, int columns, int rows);
// Sets one cell's sprite and kind from `code`: obstacles get `obstacleColour` as overlay
// and lose walkable, camps get the blue overlay and the camp flag. A code outside 1 to 144
// draws nothing and stays walkable.
void applyTileType(WorldGame* world, int index, int code, sf::Color obstacleColour);
void drawTileMap(sf::RenderWindow* window, WorldGame* world, int showOverlays);
// drawTileMap onto any target (the map renderer draws into a texture).
void drawTileMapOn(sf::RenderTarget* target, const WorldGame* world, int showOverlays);
// Debug dump of the codes to standard output.
void printLevel(const WorldGame* world);
void destroyTileMap(WorldGame* world);
