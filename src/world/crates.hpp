// Crates: three on every level. A hero that ends its move on one opens it: the party gains
// 5 to 19 gold, shown over the crate for two seconds, and the crate stays open for the
// rest of the level.
#pragma once

#include "core/sprite_batch.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kCrateOpenedPath = "Assets/Sprites/Crate/Tile_box_opened.png";
inline constexpr const char* kCrateClosedPath = "Assets/Sprites/Crate/Tile_box.png";

// Crates lying on every level.
constexpr int kCrateCount = 3;
constexpr std::int32_t kCrateGoldRange = 20; // a draw of 0 to 19 ...
constexpr std::int32_t kCrateGoldMin = 5;    // ... raised to 5 when below
constexpr float kGoldTextSeconds = 2.f;
constexpr unsigned kGoldTextSize = 50;
// The crate's marker on the debug overlay.
inline const sf::Color kCrateOverlayColour{255, 215, 0, 100};

// The crates of the level: the first `count` sprites lie on the board.
struct CrateSet {
    const sf::Texture* openedTexture = nullptr;
    const sf::Texture* closedTexture = nullptr;
    std::array<sf::Sprite, kCrateCount> sprites;
    std::int32_t count = 0;
    sf::Text goldText;
    float goldTextTimer = kGoldTextSeconds; // seconds since the last crate's gold showed; hidden from 2 on
};

// The crate pictures, the three crates of level 1 on `map` (marked on the debug overlay)
// and the hidden gold text. On level 1 the crates are placed before the units.
void initCrates(CrateSet* crates, TileMap* map);
// The three crates of a new level, on walkable cells that are not houses or fields. Two
// crates may share a cell. `level` only names the level in a warning.
void placeCrates(CrateSet* crates, TileMap* map, std::int32_t level);
// Opens the crate(s) on cell (column, row): gold added to *gold, the gain shown there, the
// opened look.
void openCrate(CrateSet* crates, TileMap* map, std::int32_t* gold, std::int32_t column, std::int32_t row);
void updateGoldTextTimer(CrateSet* crates, float dt);
void drawCrates(const CrateSet* crates, SpriteBatch* batch, sf::RenderTarget& target);
// The gain of the last crate opened, while it shows.
void drawCrateGold(const CrateSet* crates, sf::RenderTarget& target);
