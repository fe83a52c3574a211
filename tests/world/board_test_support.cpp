#include "world/board_test_support.hpp"

std::unique_ptr<WorldGame> makeOpenBoard() {
    auto world = std::make_unique<WorldGame>();
    initCamera(&world->camera);
    initParty(&world->party);
    loadEnemyTextures(&world->enemies);
    openGround(world.get());
    return world;
}

void openGround(WorldGame* world) {
    for (Tile& tile : world->tileMap.tiles) {
        tile.walkable = 1;
        tile.heroHere = tile.enemyHere = tile.camp = tile.crateHere = 0;
    }
    world->tileMap.tileCodes.fill(1);
    world->party.count = 0;
    world->enemies.count = 0;
    hideRange(&world->party);
}

void blockCells(WorldGame* world, std::initializer_list<GridPos> cells) {
    for (GridPos cell : cells) tileAt(world, cell).walkable = 0;
}

void onlyOpen(WorldGame* world, std::initializer_list<GridPos> cells) {
    for (Tile& tile : world->tileMap.tiles) tile.walkable = 0;
    for (GridPos cell : cells) tileAt(world, cell).walkable = 1;
}

std::int32_t putPlayer(WorldGame* world, std::int32_t type, GridPos cell) {
    const std::int32_t index = static_cast<std::int32_t>(world->party.count);
    world->party.players[static_cast<std::size_t>(index)].type = type;
    addWorldPlayer(&world->party, index, corner(cell));
    world->party.count += 1;
    tileAt(world, cell).walkable = 0;
    tileAt(world, cell).heroHere = 1;
    return index;
}

std::int32_t putEnemy(WorldGame* world, std::int32_t type, GridPos cell) {
    const std::int32_t index = static_cast<std::int32_t>(world->enemies.count);
    world->enemies.enemies[static_cast<std::size_t>(index)].type = type;
    addWorldEnemy(&world->enemies, index, corner(cell));
    world->enemies.count += 1;
    tileAt(world, cell).walkable = 0;
    tileAt(world, cell).enemyHere = 1;
    return index;
}

const Tile& tileAt(const WorldGame* world, GridPos cell) { return world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))]; }
Tile& tileAt(WorldGame* world, GridPos cell) { return world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))]; }

int visibleSquareCount(const WorldGame* world) {
    int n = 0;
    for (const RangeSquare& square : world->party.rangeSquares) n += square.visible ? 1 : 0;
    return n;
}

bool squareVisible(const WorldGame* world, GridPos cell) {
    return world->party.rangeSquares[static_cast<std::size_t>(cellIndex(cell))].visible != 0;
}

sf::Vector2f corner(GridPos cell) {
    return {static_cast<float>(cell.x * kCellSize), static_cast<float>(cell.y * kCellSize)};
}
