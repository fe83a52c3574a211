// Crates: three on every level. A hero that ends its move on one opens it: the party gains
// 5 to 19 gold, shown over the crate for two seconds, and the crate stays open for the
// rest of the level.
#pragma once

#include "world/world_record.hpp"

#include <cstdint>

inline constexpr const char* kCrateOpenedPath = "Assets/Sprites/Crate/Tile_box_opened.png";
inline constexpr const char* kCrateClosedPath = "Assets/Sprites/Crate/Tile_box.png";

constexpr std::int32_t kCrateGoldRange = 20; // a draw of 0 to 19 ...
constexpr std::int32_t kCrateGoldMin = 5;    // ... raised to 5 when below
constexpr float kGoldTextSeconds = 2.f;
constexpr unsigned kGoldTextSize = 50;
// The crate's marker on the debug overlay.
inline const sf::Color kCrateOverlayColour{255, 215, 0, 100};

// The crate pictures, the three crates of level 1 (marked on the debug overlay) and the
// hidden gold text. On level 1 the crates are placed before the units.
void initCrates(WorldGame* world);
// The three crates of a new level, on walkable cells that are not camp codes 30 or 82 nor
// code 83. Two crates may share a cell.
void placeCrates(WorldGame* world);
// Opens the crate(s) on cell (column, row): gold, the gain shown there, the opened look.
void openCrate(WorldGame* world, std::int32_t column, std::int32_t row);
void updateGoldTextTimer(WorldGame* world, float dt);
// After a step of hero `index`: when it has stopped at the end of a move planned onto a
// camp or a crate, opens the camp screen (a camp wins over a crate on the same cell) or
// the crate. Cells crossed on the way do not count.
void checkArrival(WorldGame* world, std::int32_t index);
void drawCrates(const WorldGame* world, sf::RenderTarget& target);
