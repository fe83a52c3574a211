// The ground pictures of the catalogue copied side by side into one texture, so that the
// whole board's ground is a single draw. Codes that share a picture share its place; each
// picture is framed by a rim repeating its own edge pixels, so a sample that lands just
// past an edge (camera scroll, overview zoom) reads what the lone picture would give.
#pragma once

#include "world/ground_looks.hpp"
#include "world/tile_catalogue.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>

// Pixels of repeated edge around each picture in the atlas.
constexpr int kTileAtlasRim = 2;

using TilePictures = std::array<const sf::Texture*, kLastTileCode>;
// The sheets the ground looks are cut from (GroundSheet order); null for a sheet not loaded.
using GroundSheets = std::array<const sf::Texture*, kGroundSheetCount>;

struct TileAtlasLayout {
    // Entry c - 1: where code c's picture lies in the atlas, rim excluded (empty when the
    // code has no picture).
    std::array<sf::IntRect, kLastTileCode> areas{};
    sf::Vector2u size;   // the whole atlas, in pixels (0 x 0 when there is nothing to hold)
    int pictureCount = 0; // distinct pictures placed
    // Look l's cell (ground_looks.hpp), rim excluded; empty when its sheet is missing or
    // too small to hold it.
    std::array<sf::IntRect, kGroundLookCount> lookAreas{};
    int lookCount = 0; // looks placed
};

// Places every distinct picture of `pictures` (entry c - 1 for code c, null for none) in a
// grid of equal slots, in code order, then every look the sheets hold.
TileAtlasLayout layoutTileAtlas(const TilePictures& pictures, const GroundSheets& sheets = {});

// The atlas of `pictures` laid out as `layout`, built on first use and kept in the one
// cache. Null when there is nothing to hold, when a picture is not fully opaque (the atlas
// is drawn without blending) or when the atlas would exceed the card's largest texture:
// the board then draws cell by cell.
const sf::Texture* cachedTileAtlas(const TilePictures& pictures, const TileAtlasLayout& layout,
                                   const GroundSheets& sheets = {});
