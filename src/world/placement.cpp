#include "world/placement.hpp"

#include "core/random.hpp"
#include "world/tile_catalogue.hpp"

#include <cstdio>

namespace {

constexpr int kEnemyBandFirstColumn = kMapColumns - kSpawnBandWidth;

// Tiles a unit could ever stand on: free ground, or ground a unit holds now.
bool terrainOpen(const Tile& tile) { return tile.walkable || tile.heroHere || tile.enemyHere; }

// Marks every cell joined through open terrain to some open cell of the band of columns
// [firstColumn, firstColumn + 5): a unit placed outside this set could never meet the other side.
GridFill cellsJoinedToBand(const WorldGame* world, int firstColumn) {
    std::array<GridPos, kMapRows * kSpawnBandWidth> seeds{};
    int seedCount = 0;
    auto open = [world](std::int32_t index) { return terrainOpen(world->tileMap.tiles[static_cast<std::size_t>(index)]); };
    for (int row = 0; row < kMapRows; ++row)
        for (int column = firstColumn; column < firstColumn + kSpawnBandWidth; ++column)
            if (open(cellIndex({column, row}))) seeds[static_cast<std::size_t>(seedCount++)] = {column, row};
    return floodFillGrid(seeds.data(), seedCount, -1, open);
}

enum class SpawnSide { Hero, Enemy };

bool isLeaderExcludedCode(std::int32_t code) { return code == TILE_HOUSE || code == TILE_HOUSE2 || code == TILE_FIELD; }

// Draws cells of the side's band until one qualifies; after kSpawnDraws misses takes the
// first qualifying cell of the band in reading order. False when no cell qualifies.
bool findSpawnCell(const WorldGame* world, SpawnSide side, bool leader, GridPos* found) {
    const GridFill joined =
        cellsJoinedToBand(world, side == SpawnSide::Hero ? kEnemyBandFirstColumn : 0);
    auto qualifies = [&](GridPos cell) {
        const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
        if (!world->tileMap.tiles[index].walkable || !joined.reached(static_cast<std::int32_t>(index))) return false;
        return !(leader && isLeaderExcludedCode(world->tileMap.tileCodes[index]));
    };
    for (int draw = 0; draw < kSpawnDraws; ++draw) {
        GridPos cell;
        // The column is drawn before the row.
        cell.x = side == SpawnSide::Hero ? randomInt() % kSpawnBandWidth : kMapColumns - 1 - randomInt() % kSpawnBandWidth;
        cell.y = randomInt() % kMapRows;
        if (qualifies(cell)) {
            *found = cell;
            return true;
        }
    }
    const int firstColumn = side == SpawnSide::Hero ? 0 : kEnemyBandFirstColumn;
    for (int row = 0; row < kMapRows; ++row)
        for (int column = firstColumn; column < firstColumn + kSpawnBandWidth; ++column)
            if (qualifies({column, row})) {
                *found = {column, row};
                return true;
            }
    return false;
}

std::int32_t placePlayer(WorldGame* world, std::int32_t type, bool leader) {
    Party& party = world->party;
    if (party.count >= kMaxPlayers) {
        std::fprintf(stderr, "The party is full: no hero of type %d placed\n", type);
        return 0;
    }
    GridPos cell;
    if (!findSpawnCell(world, SpawnSide::Hero, leader, &cell)) {
        std::fprintf(stderr, "No free cell in columns 0 to 4 joined to the enemies' side: no hero of type %d placed\n",
                     type);
        return 0;
    }
    Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
    tile.walkable = 0;
    tile.heroHere = 1;
    const std::int32_t index = static_cast<std::int32_t>(party.count);
    party.players[static_cast<std::size_t>(index)].type = type;
    addWorldPlayer(&party, index, cellCorner(cell));
    party.count += 1;
    return 1;
}

std::int32_t placeEnemy(WorldGame* world, bool first) {
    EnemyList& list = world->enemies;
    if (list.count >= kMaxEnemies) {
        std::fprintf(stderr, "The enemy list is full: no enemy placed\n");
        return 0;
    }
    GridPos cell;
    if (!findSpawnCell(world, SpawnSide::Enemy, false, &cell)) {
        std::fprintf(stderr, "No free cell in columns 25 to 29 joined to the heroes' side: no enemy placed\n");
        return 0;
    }
    Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
    tile.walkable = 0;
    tile.enemyHere = 1;
    // The type is drawn once the cell is found: one Tank or Boss first, then the others.
    const std::int32_t type = first ? ENEMY_TANK + randomInt() % 2 : randomInt() % 3;
    const std::int32_t index = static_cast<std::int32_t>(list.count);
    list.enemies[static_cast<std::size_t>(index)].type = type;
    addWorldEnemy(&list, index, cellCorner(cell));
    list.count += 1;
    return 1;
}

} // namespace

std::int32_t spawnLeader(WorldGame* world, std::int32_t pick) { return placePlayer(world, pick - 1, true); }
std::int32_t spawnPlayer(WorldGame* world, std::int32_t pick) { return placePlayer(world, pick + 2, false); }
std::int32_t spawnFirstEnemy(WorldGame* world) { return placeEnemy(world, true); }
std::int32_t spawnEnemy(WorldGame* world) { return placeEnemy(world, false); }

void spawnParty(WorldGame* world, const std::int32_t chosenTeam[4]) {
    spawnLeader(world, chosenTeam[0]);
    for (int i = 1; i < 4; ++i) spawnPlayer(world, chosenTeam[i]);
}

void spawnEnemies(WorldGame* world, std::int32_t count) {
    if (count <= 0) return;
    spawnFirstEnemy(world);
    for (std::int32_t i = 1; i < count; ++i) spawnEnemy(world);
}


void scatterParty(WorldGame* world) {
    Party& party = world->party;
    for (std::uint32_t i = 0; i < party.count && i < kMaxPlayers; ++i) {
        WorldPlayer& player = party.players[i];
        GridPos cell;
        if (!findSpawnCell(world, SpawnSide::Hero, false, &cell)) {
            // Nowhere to go on this map: the hero keeps its place and its claim on it.
            cell = playerCell(&player);
            std::fprintf(stderr, "No free cell in columns 0 to 4 for hero %u: it stays at (%d, %d)\n", i, cell.x, cell.y);
        }
        player.body.sprite.setPosition(cellCorner(cell));
        player.mpSprite.setPosition(cellCorner(cell));
        if (!cellOnBoard(cell)) continue;
        Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
        tile.walkable = 0;
        tile.heroHere = 1;
    }
}
