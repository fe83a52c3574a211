// The map's units, their markers and the HUD drawn in as few calls as the ground: every
// picture they show (the heroes' and enemies' sheets, the range squares, the move digits,
// the path arrows, the crates, the HUD's pictures) lies in one atlas built once, and each
// layer gathers its sprites into one vertex list over it.
#pragma once

#include "core/sprite_batch.hpp"
#include "world/crates.hpp"
#include "world/hud.hpp"
#include "world/party.hpp"
#include "world/world_enemy.hpp"

#include <SFML/Graphics/Vertex.hpp>

#include <array>

// Every range square, and for each hero its digit, body and arrow, the enemies, the crates
// and the HUD's pictures: all the map ever gathers into one list.
constexpr int kMapBatchSprites = kCellCount + kMaxPlayers * (kArrowPieceCount + 2) + kMaxEnemies + kCrateCount + 16;

struct MapBatch {
    // No texture: every sprite is drawn on its own picture, one call each.
    PictureAtlas atlas;
    std::array<sf::Vertex, kMapBatchSprites * kSpriteBatchVerticesPerSprite> vertices{};
};

// The atlas of every picture the party, the enemies, the crates and the HUD can show,
// built once per run and kept in the cache (the pictures decoded on the way).
PictureAtlas mapPictureAtlas();
// Decodes every picture of the map (the ground's too) and builds both atlases, so that the
// first new game of a run has nothing left to read.
void preloadMapPictures();
// An empty list over the map's atlas and storage, for one frame.
SpriteBatch mapSpriteBatch(MapBatch* batch);
