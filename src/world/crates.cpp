#include "world/crates.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "world/tile_catalogue.hpp"

#include <cstdio>

namespace {

// Random draws a crate makes before it scans the board for the first free cell.
constexpr int kCrateDraws = 200;

// The two house camps and the field never hold a crate (a tent camp may).
bool crateExcludedCode(std::int32_t code) { return code == TILE_HOUSE || code == TILE_HOUSE2 || code == TILE_FIELD; }

bool crateCellQualifies(const TileMap* map, GridPos cell) {
    const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
    return map->tiles[index].walkable && !crateExcludedCode(map->tileCodes[index]);
}

// Draws cells (column before row) until one qualifies; after kCrateDraws misses takes the
// first qualifying cell in reading order. False when no cell of the board qualifies.
bool findCrateCell(const TileMap* map, GridPos* found) {
    for (int draw = 0; draw < kCrateDraws; ++draw) {
        GridPos cell;
        cell.x = randomInt() % kMapColumns;
        cell.y = randomInt() % kMapRows;
        if (crateCellQualifies(map, cell)) {
            *found = cell;
            return true;
        }
    }
    for (std::int32_t index = 0; index < kCellCount; ++index)
        if (crateCellQualifies(map, cellAtIndex(index))) {
            *found = cellAtIndex(index);
            return true;
        }
    return false;
}

void loadCrateTextures(CrateSet* crates) {
    if (!crates->openedTexture) crates->openedTexture = &createTexture(kCrateOpenedPath);
    if (!crates->closedTexture) crates->closedTexture = &createTexture(kCrateClosedPath);
}

void placeCrateSet(CrateSet* crates, TileMap* map, std::int32_t level, bool markOverlay) {
    loadCrateTextures(crates);
    crates->count = 0;
    // Nothing of the last level's crates stays shown.
    crates->goldTextTimer = kGoldTextSeconds;
    for (int k = 0; k < kCrateCount; ++k) {
        GridPos cell;
        if (!findCrateCell(map, &cell)) {
            std::fprintf(stderr, "No walkable cell for a crate on level %d\n", level);
            return;
        }
        const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
        map->tiles[index].crateHere = 1;
        if (markOverlay) map->tileOverlays[index].setFillColor(kCrateOverlayColour);
        sf::Sprite& crate = crates->sprites[static_cast<std::size_t>(crates->count)];
        crate = createSprite(*crates->closedTexture);
        crate.setPosition(cellCorner(cell));
        crates->count += 1;
    }
}

} // namespace

void initCrates(CrateSet* crates, TileMap* map) {
    crates->openedTexture = &createTexture(kCrateOpenedPath);
    crates->closedTexture = &createTexture(kCrateClosedPath);
    crates->goldText = sf::Text();
    crates->goldText.setFont(cachedFont(kPixelFontPath));
    crates->goldText.setCharacterSize(kGoldTextSize);
    crates->goldText.setFillColor(sf::Color::White);
    char tempTab[50];
    std::snprintf(tempTab, sizeof tempTab, "+%d", 0);
    crates->goldText.setString(tempTab);
    crates->goldText.setPosition(1770.f, 100.f);
    placeCrateSet(crates, map, 1, true);
}

void placeCrates(CrateSet* crates, TileMap* map, std::int32_t level) { placeCrateSet(crates, map, level, false); }

void openCrate(CrateSet* crates, TileMap* map, std::int32_t* gold, std::int32_t column, std::int32_t row) {
    const GridPos cell{column, row};
    if (!cellOnBoard(cell)) return;
    std::int32_t gain = randomInt() % kCrateGoldRange;
    if (gain < kCrateGoldMin) gain = kCrateGoldMin;
    *gold += gain;
    playSound(Sound::CrateGold);
    map->tiles[static_cast<std::size_t>(cellIndex(cell))].crateHere = 0;
    char tempTab[50];
    std::snprintf(tempTab, sizeof tempTab, "+%d", gain);
    crates->goldText.setString(tempTab);
    crates->goldText.setPosition(cellCorner(cell));
    crates->goldTextTimer = 0.f;
    loadCrateTextures(crates);
    // Crates sharing the cell open together, for one gain.
    for (std::int32_t k = 0; k < crates->count && k < kCrateCount; ++k) {
        sf::Sprite& crate = crates->sprites[static_cast<std::size_t>(k)];
        if (crate.getPosition() == cellCorner(cell)) setSpriteTexture(&crate, *crates->openedTexture, true);
    }
}

void updateGoldTextTimer(CrateSet* crates, float dt) {
    if (crates->goldTextTimer < kGoldTextSeconds) crates->goldTextTimer += dt;
}

void drawCrates(const CrateSet* crates, SpriteBatch* batch, sf::RenderTarget& target) {
    for (std::int32_t k = 0; k < crates->count && k < kCrateCount; ++k)
        batchSprite(batch, crates->sprites[static_cast<std::size_t>(k)], target);
}

void drawCrateGold(const CrateSet* crates, sf::RenderTarget& target) {
    if (crates->goldTextTimer < kGoldTextSeconds) target.draw(crates->goldText);
}
