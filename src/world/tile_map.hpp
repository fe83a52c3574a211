// The loaded level: one Tile per cell of the 30x17 board, the codes read from the
// level file and the catalogue pictures they select.
#pragma once

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstdint>

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

void initTileMap(WorldGame* world);
void loadLevel(WorldGame* world, int level);
void buildTileMap(WorldGame* world, int columns, int rows);
void drawTileMap(sf::RenderWindow* window, WorldGame* world, int showOverlays);
void printLevel(const WorldGame* world);
void destroyTileMap(WorldGame* world);
