#include "world/tile_map.hpp"

#include "core/resources.hpp"
#include "world/level_file.hpp"
#include "world/tile_catalogue.hpp"
#include "world/world_game.hpp"

#include <cstdio>

namespace {
// Debug overlay colours: obstacles red, camps blue (translucent).
const sf::Color kObstacleOverlayColour(255, 0, 0, 100);
const sf::Color kCampOverlayColour(0, 0, 255, 100);
} // namespace

void initTileMap(WorldGame* world) {
    loadTileTextures(world);
    world->tiles = {};
    world->tileCodes.fill(0);
    for (sf::RectangleShape& overlay : world->tileOverlays) overlay = sf::RectangleShape();
    world->level = 1;
    loadLevel(world, 1);
    printLevel(world);
    buildTileMap(world, kMapColumns, kMapRows);
}

void loadTileTextures(WorldGame* world) {
    for (int code = kFirstTileCode; code <= kLastTileCode; ++code) {
        const std::string path = tilePicturePath(code);
        const sf::Texture* texture = path.empty() ? nullptr : &createTexture(path);
        if (texture && texture->getSize().x == 0) texture = nullptr; // unreadable file: draw nothing
        world->tileTextures[static_cast<std::size_t>(code - 1)] = texture;
    }
}

void loadLevel(WorldGame* world, int level) { loadLevelFile(world, levelFilePath(kLevelFolder, level)); }

bool loadLevelFile(WorldGame* world, const std::string& path) {
    LevelCodes codes{};
    if (readLevelFile(path, &codes) != LEVEL_READ_OK) return false;
    world->tileCodes = codes;
    return true;
}

void buildTileMap(WorldGame* world, int columns, int rows) {
    // The board is always 30 x 17; larger requests would index past the arrays.
    if (columns > kMapColumns) columns = kMapColumns;
    if (rows > kMapRows) rows = kMapRows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = row * kMapColumns + column;
            const float x = static_cast<float>(column * kCellSize), y = static_cast<float>(row * kCellSize);
            // Each cell's shape and sprite are replaced, never added: rebuilding for a
            // new level keeps exactly one of each per cell.
            sf::RectangleShape& overlay = world->tileOverlays[static_cast<std::size_t>(index)];
            overlay = sf::RectangleShape(sf::Vector2f(static_cast<float>(kCellSize), static_cast<float>(kCellSize)));
            overlay.setPosition(x, y);
            overlay.setFillColor(sf::Color::Transparent);
            Tile& tile = world->tiles[static_cast<std::size_t>(index)];
            tile.walkable = 1;
            tile.camp = 0; // a camp of the previous level must not survive on this cell
            applyTileType(world, index, world->tileCodes[static_cast<std::size_t>(index)], kObstacleOverlayColour);
            tile.sprite.setPosition(x, y);
            tile.sprite.setScale(2.f, 2.f);
        }
    }
}

void applyTileType(WorldGame* world, int index, int code, sf::Color obstacleColour) {
    if (index < 0 || index >= kCellCount) return;
    Tile& tile = world->tiles[static_cast<std::size_t>(index)];
    const sf::Texture* texture =
        isValidTileCode(code) ? world->tileTextures[static_cast<std::size_t>(code - 1)] : nullptr;
    tile.sprite = texture ? createSprite(*texture) : sf::Sprite();
    tile.sprite.setPosition(static_cast<float>((index % kMapColumns) * kCellSize),
                            static_cast<float>((index / kMapColumns) * kCellSize));
    tile.sprite.setScale(2.f, 2.f);
    sf::RectangleShape& overlay = world->tileOverlays[static_cast<std::size_t>(index)];
    switch (tileKind(code)) {
    case TILE_OBSTACLE:
        overlay.setFillColor(obstacleColour);
        tile.walkable = 0;
        break;
    case TILE_CAMP:
        overlay.setFillColor(kCampOverlayColour);
        tile.camp = 1;
        break;
    case TILE_WALKABLE:
        break;
    }
}

void drawTileMap(sf::RenderWindow* window, WorldGame* world, int showOverlays) {
    drawTileMapOn(window, world, showOverlays);
}

void drawTileMapOn(sf::RenderTarget* target, const WorldGame* world, int showOverlays) {
    for (int column = 0; column < kMapColumns; ++column) {
        for (int row = 0; row < kMapRows; ++row) {
            const std::size_t index = static_cast<std::size_t>(row * kMapColumns + column);
            const Tile& tile = world->tiles[index];
            if (tile.sprite.getTexture()) target->draw(tile.sprite);
            if (showOverlays && world->tileOverlays[index].getFillColor().a != 0) target->draw(world->tileOverlays[index]);
        }
    }
}

void printLevel(const WorldGame* world) {
    std::printf("TileType:\n");
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column)
            std::printf("%d ", world->tileCodes[static_cast<std::size_t>(row * kMapColumns + column)]);
        std::printf("\n");
    }
}

// Every texture belongs to the shared cache and every sprite and shape is held by value,
// so there is nothing to release here.
void destroyTileMap(WorldGame* world) { (void)world; }
