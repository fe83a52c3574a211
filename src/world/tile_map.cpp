#include "world/tile_map.hpp"

#include "core/random.hpp"
#include "core/resources.hpp"
#include "world/level_file.hpp"
#include "world/tile_atlas.hpp"
#include "world/tile_catalogue.hpp"

#include <cstdio>

namespace {
// Debug overlay colours: obstacles red, camps blue (translucent).
const sf::Color kObstacleOverlayColour(255, 0, 0, 100);
const sf::Color kCampOverlayColour(0, 0, 255, 100);

// Cell `index`'s two ground triangles: the atlas area `area` at twice its size on the
// cell, split along the same diagonal as a sprite's quad; nothing at all for an empty area.
void setGroundCellArea(TileMap* map, int index, sf::IntRect area) {
    sf::Vertex* v = &map->groundVertices[static_cast<std::size_t>(index * kGroundVerticesPerCell)];
    const float x = static_cast<float>((index % kMapColumns) * kCellSize);
    const float y = static_cast<float>((index / kMapColumns) * kCellSize);
    if (!map->tileAtlas || area.width == 0 || area.height == 0) {
        for (int k = 0; k < kGroundVerticesPerCell; ++k) v[k] = sf::Vertex(sf::Vector2f(x, y));
        return;
    }
    const float w = static_cast<float>(area.width), h = static_cast<float>(area.height);
    const float u = static_cast<float>(area.left), t = static_cast<float>(area.top);
    const sf::Vertex topLeft({x, y}, {u, t});
    const sf::Vertex bottomLeft({x, y + 2.f * h}, {u, t + h});
    const sf::Vertex topRight({x + 2.f * w, y}, {u + w, t});
    const sf::Vertex bottomRight({x + 2.f * w, y + 2.f * h}, {u + w, t + h});
    v[0] = topLeft;
    v[1] = bottomLeft;
    v[2] = topRight;
    v[3] = topRight;
    v[4] = bottomLeft;
    v[5] = bottomRight;
}

void setGroundCell(TileMap* map, int index, int code) {
    setGroundCellArea(map, index,
                      isValidTileCode(code) && map->tileTextures[static_cast<std::size_t>(code - 1)]
                          ? map->tileAtlasAreas[static_cast<std::size_t>(code - 1)]
                          : sf::IntRect());
}

void drawOverlays(sf::RenderTarget& target, const TileMap* map) {
    for (const sf::RectangleShape& overlay : map->tileOverlays)
        if (overlay.getFillColor().a != 0) target.draw(overlay);
}

} // namespace

void initTileMap(TileMap* map) {
    loadTileTextures(map);
    map->tiles = {};
    map->tileCodes.fill(0);
    for (sf::RectangleShape& overlay : map->tileOverlays) overlay = sf::RectangleShape();
    loadLevel(map, 1, kLevelFolder);
    printLevel(map);
    buildTileMap(map, kMapColumns, kMapRows);
}

void loadTileTextures(TileMap* map) {
    for (int code = kFirstTileCode; code <= kLastTileCode; ++code) {
        const std::string path = tilePicturePath(code);
        const sf::Texture* texture = path.empty() ? nullptr : &createTexture(path);
        if (texture && texture->getSize().x == 0) texture = nullptr; // unreadable file: draw nothing
        map->tileTextures[static_cast<std::size_t>(code - 1)] = texture;
    }
    GroundSheets sheets{};
    for (int sheet = 0; sheet < kGroundSheetCount; ++sheet) {
        const sf::Texture* texture = &createTexture(kGroundSheetPaths[sheet]);
        sheets[static_cast<std::size_t>(sheet)] = texture->getSize().x ? texture : nullptr;
    }
    const TileAtlasLayout layout = layoutTileAtlas(map->tileTextures, sheets);
    map->tileAtlasAreas = layout.areas;
    map->groundLookAreas = layout.lookAreas;
    map->tileAtlas = cachedTileAtlas(map->tileTextures, layout, sheets);
}

bool loadLevel(TileMap* map, int level, const std::string& generatedFolder) {
    return loadLevelFile(map, levelFileFor(generatedFolder, level));
}

bool loadLevelFile(TileMap* map, const std::string& path) {
    LevelCodes codes{};
    if (readLevelFile(path, &codes) != LEVEL_READ_OK) return false;
    map->tileCodes = codes;
    return true;
}

void buildTileMap(TileMap* map, int columns, int rows) {
    // The board is always 30 x 17; larger requests would index past the arrays.
    if (columns > kMapColumns) columns = kMapColumns;
    if (rows > kMapRows) rows = kMapRows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = row * kMapColumns + column;
            const float x = static_cast<float>(column * kCellSize), y = static_cast<float>(row * kCellSize);
            // Each cell's shape and sprite are replaced, never added: rebuilding for a
            // new level keeps exactly one of each per cell.
            sf::RectangleShape& overlay = map->tileOverlays[static_cast<std::size_t>(index)];
            overlay = sf::RectangleShape(sf::Vector2f(static_cast<float>(kCellSize), static_cast<float>(kCellSize)));
            overlay.setPosition(x, y);
            overlay.setFillColor(sf::Color::Transparent);
            Tile& tile = map->tiles[static_cast<std::size_t>(index)];
            tile.walkable = 1;
            tile.camp = 0; // a camp of the previous level must not survive on this cell
            applyTileType(map, index, map->tileCodes[static_cast<std::size_t>(index)], kObstacleOverlayColour);
            tile.sprite.setPosition(x, y);
            tile.sprite.setScale(2.f, 2.f);
        }
    }
    map->groundLooks.fill(kNoGroundLook); // every cell shows its own picture now
    map->groundLookSeed = hasDecoratableGround(map->tileCodes) ? static_cast<std::uint32_t>(cosmeticRandomInt()) : 0u;
    applyGroundLooks(map);
}

void applyGroundLooks(TileMap* map) {
    showPlainGround(map);
    for (int index = 0; index < kCellCount; ++index) {
        const int look = groundLookOf(map->tileCodes, index, map->groundLookSeed);
        const sf::IntRect area = look >= 0 ? map->groundLookAreas[static_cast<std::size_t>(look)] : sf::IntRect();
        if (!map->tileAtlas || area.width == 0) {
            map->groundLooks[static_cast<std::size_t>(index)] = kNoGroundLook;
            continue;
        }
        map->groundLooks[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(look);
        setGroundCellArea(map, index, area);
        // The cell's sprite shows the same atlas cell, so both ways of drawing agree.
        Tile& tile = map->tiles[static_cast<std::size_t>(index)];
        tile.sprite = createSprite(*map->tileAtlas);
        tile.sprite.setTextureRect(area);
        tile.sprite.setPosition(static_cast<float>((index % kMapColumns) * kCellSize),
                                static_cast<float>((index / kMapColumns) * kCellSize));
        tile.sprite.setScale(2.f, 2.f);
    }
}

void showPlainGround(TileMap* map) {
    for (int index = 0; index < kCellCount; ++index) {
        if (map->groundLooks[static_cast<std::size_t>(index)] == kNoGroundLook) continue;
        const int code = map->tileCodes[static_cast<std::size_t>(index)];
        const sf::Texture* texture =
            isValidTileCode(code) ? map->tileTextures[static_cast<std::size_t>(code - 1)] : nullptr;
        Tile& tile = map->tiles[static_cast<std::size_t>(index)];
        tile.sprite = texture ? createSprite(*texture) : sf::Sprite();
        tile.sprite.setPosition(static_cast<float>((index % kMapColumns) * kCellSize),
                                static_cast<float>((index / kMapColumns) * kCellSize));
        tile.sprite.setScale(2.f, 2.f);
        setGroundCell(map, index, code);
        map->groundLooks[static_cast<std::size_t>(index)] = kNoGroundLook;
    }
}

void applyTileType(TileMap* map, int index, int code, sf::Color obstacleColour) {
    if (index < 0 || index >= kCellCount) return;
    Tile& tile = map->tiles[static_cast<std::size_t>(index)];
    const sf::Texture* texture =
        isValidTileCode(code) ? map->tileTextures[static_cast<std::size_t>(code - 1)] : nullptr;
    tile.sprite = texture ? createSprite(*texture) : sf::Sprite();
    tile.sprite.setPosition(static_cast<float>((index % kMapColumns) * kCellSize),
                            static_cast<float>((index / kMapColumns) * kCellSize));
    tile.sprite.setScale(2.f, 2.f);
    setGroundCell(map, index, code);
    sf::RectangleShape& overlay = map->tileOverlays[static_cast<std::size_t>(index)];
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

void drawTileMap(sf::RenderTarget& target, const TileMap* map, int showOverlays) {
    if (!map->tileAtlas) {
        drawTileMapSprites(target, map, showOverlays);
        return;
    }
    // The pictures are opaque and the cells never overlap, so writing the texels straight
    // through gives what blending each sprite in would; empty cells cover no pixel.
    sf::RenderStates states(sf::BlendNone);
    states.texture = map->tileAtlas;
    target.draw(map->groundVertices.data(), map->groundVertices.size(), sf::Triangles, states);
    if (showOverlays) drawOverlays(target, map);
}

void drawTileMapSprites(sf::RenderTarget& target, const TileMap* map, int showOverlays) {
    for (int column = 0; column < kMapColumns; ++column) {
        for (int row = 0; row < kMapRows; ++row) {
            const std::size_t index = static_cast<std::size_t>(row * kMapColumns + column);
            const Tile& tile = map->tiles[index];
            if (tile.sprite.getTexture()) target.draw(tile.sprite);
            if (showOverlays && map->tileOverlays[index].getFillColor().a != 0) target.draw(map->tileOverlays[index]);
        }
    }
}

void printLevel(const TileMap* map) {
    std::printf("TileType:\n");
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column)
            std::printf("%d ", map->tileCodes[static_cast<std::size_t>(row * kMapColumns + column)]);
        std::printf("\n");
    }
}
