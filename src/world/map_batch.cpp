#include "world/map_batch.hpp"

#include "core/resources.hpp"
#include "world/tile_map.hpp"

#include <memory>
#include <string>
#include <vector>

PictureAtlas mapPictureAtlas() {
    std::vector<const sf::Texture*> pictures;
    for (const char* sheet : kPlayerSheetPaths) pictures.push_back(&createTexture(sheet));
    for (const char* sheet : kEnemySheetPaths) pictures.push_back(&createTexture(sheet));
    for (const char* path : {kSquareFreePath, kSquareEnemyPath, kMoveDigitsPath}) pictures.push_back(&createTexture(path));
    for (const char* piece : kArrowPieceNames) pictures.push_back(&createTexture(std::string(kMoveArrowFolder) + piece + ".png"));
    for (const char* path : {kCrateClosedPath, kCrateOpenedPath, kHudBarPath, kHudLeaderFramePath, kHudFramePath,
                             kHudGoldIconPath, kHudSheetPath, kHudEndTurnPath})
        pictures.push_back(&createTexture(path));
    return cachedPictureAtlas("map", pictures);
}

void preloadMapPictures() {
    auto ground = std::make_unique<TileMap>();
    loadTileTextures(ground.get());
    mapPictureAtlas();
}

SpriteBatch mapSpriteBatch(MapBatch* batch) {
    SpriteBatch list;
    list.vertices = batch->vertices;
    list.atlas = batch->atlas;
    return list;
}
