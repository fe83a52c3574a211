#include "world/crates.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "world/camp.hpp"

#include <cstdio>

namespace {

// Camps of codes 30 and 82 and the tile 83 never hold a crate (a tent camp, 118, may).
bool crateExcludedCode(std::int32_t code) { return code == 30 || code == 82 || code == 83; }

bool crateCellQualifies(const WorldGame* world, GridPos cell) {
    const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
    return world->tileMap.tiles[index].walkable && !crateExcludedCode(world->tileMap.tileCodes[index]);
}

// Draws cells (column before row) until one qualifies; after kSpawnDraws misses takes the
// first qualifying cell in reading order. False when no cell of the board qualifies.
bool findCrateCell(const WorldGame* world, GridPos* found) {
    for (int draw = 0; draw < kSpawnDraws; ++draw) {
        GridPos cell;
        cell.x = randomInt() % kMapColumns;
        cell.y = randomInt() % kMapRows;
        if (crateCellQualifies(world, cell)) {
            *found = cell;
            return true;
        }
    }
    for (std::int32_t index = 0; index < kCellCount; ++index)
        if (crateCellQualifies(world, cellAtIndex(index))) {
            *found = cellAtIndex(index);
            return true;
        }
    return false;
}

void loadCrateTextures(WorldGame* world) {
    if (!world->crateOpenedTexture) world->crateOpenedTexture = &createTexture(kCrateOpenedPath);
    if (!world->crateClosedTexture) world->crateClosedTexture = &createTexture(kCrateClosedPath);
}

void placeCrateSet(WorldGame* world, bool markOverlay) {
    loadCrateTextures(world);
    world->crateCount = 0;
    // Nothing of the last level's crates stays shown.
    world->goldTextTimer = kGoldTextSeconds;
    for (int k = 0; k < kCrateCount; ++k) {
        GridPos cell;
        if (!findCrateCell(world, &cell)) {
            std::fprintf(stderr, "No walkable cell for a crate on level %d\n", world->level);
            return;
        }
        const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
        world->tileMap.tiles[index].crateHere = 1;
        if (markOverlay) world->tileMap.tileOverlays[index].setFillColor(kCrateOverlayColour);
        sf::Sprite& crate = world->crates[static_cast<std::size_t>(world->crateCount)];
        crate = createSprite(*world->crateClosedTexture);
        crate.setPosition(cellCorner(cell));
        world->crateCount += 1;
    }
}

} // namespace

void initCrates(WorldGame* world) {
    world->crateOpenedTexture = &createTexture(kCrateOpenedPath);
    world->crateClosedTexture = &createTexture(kCrateClosedPath);
    if (!world->font) world->font = &cachedFont(kPixelFontPath);
    world->goldText = sf::Text();
    world->goldText.setFont(*world->font);
    world->goldText.setCharacterSize(kGoldTextSize);
    world->goldText.setFillColor(sf::Color::White);
    char tempTab[50];
    std::snprintf(tempTab, sizeof tempTab, "+%d", 0);
    world->goldText.setString(tempTab);
    world->goldText.setPosition(1770.f, 100.f);
    placeCrateSet(world, true);
}

void placeCrates(WorldGame* world) { placeCrateSet(world, false); }

void openCrate(WorldGame* world, std::int32_t column, std::int32_t row) {
    const GridPos cell{column, row};
    if (!cellOnBoard(cell)) return;
    std::int32_t gain = randomInt() % kCrateGoldRange;
    if (gain < kCrateGoldMin) gain = kCrateGoldMin;
    world->gold += gain;
    world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))].crateHere = 0;
    char tempTab[50];
    std::snprintf(tempTab, sizeof tempTab, "+%d", gain);
    world->goldText.setString(tempTab);
    world->goldText.setPosition(cellCorner(cell));
    world->goldTextTimer = 0.f;
    loadCrateTextures(world);
    // Crates sharing the cell open together, for one gain.
    for (std::int32_t k = 0; k < world->crateCount && k < kCrateCount; ++k) {
        sf::Sprite& crate = world->crates[static_cast<std::size_t>(k)];
        if (crate.getPosition() == cellCorner(cell)) setSpriteTexture(&crate, *world->crateOpenedTexture, true);
    }
}

void updateGoldTextTimer(WorldGame* world, float dt) {
    if (world->goldTextTimer < kGoldTextSeconds) world->goldTextTimer += dt;
}

void checkArrival(WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->party.count || index >= kMaxPlayers) return;
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    if (player.body.moving || !player.interactPending) return;
    const GridPos cell = playerCell(&player);
    if (!cellOnBoard(cell)) {
        player.interactPending = 0;
        return;
    }
    const Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
    if (tile.enemyHere) {
        // An enemy holds the cell: the meeting opens a fight instead.
        player.interactPending = 0;
        return;
    }
    if (tile.camp) {
        // One camp screen at a time: a second hero arriving keeps its errand for later.
        if (!world->campOpen) toggleCampScreen(world, index);
        return;
    }
    if (tile.crateHere) openCrate(world, cell.x, cell.y);
    player.interactPending = 0;
}

void drawCrates(const WorldGame* world, sf::RenderTarget& target) {
    for (std::int32_t k = 0; k < world->crateCount && k < kCrateCount; ++k)
        target.draw(world->crates[static_cast<std::size_t>(k)]);
}
