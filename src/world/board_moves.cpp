#include "world/board_moves.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"

#include <algorithm>

namespace {

// Sets a cell's occupant flags from the units that hold it, leaving out the unit of
// `side` at `leaving` (the one moving away). Only called on cells a unit held, which are
// open ground: free again once nobody holds them.
void refreshOccupants(WorldGame* world, GridPos cell, std::int32_t side, std::int32_t leaving) {
    if (!cellOnBoard(cell)) return;
    Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
    std::int32_t heroes = 0, enemies = 0;
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i) {
        if (side == SIDE_PLAYER && static_cast<std::int32_t>(i) == leaving) continue;
        if (playerClaimedCell(&world->party.players[i]) == cell) ++heroes;
    }
    for (std::uint32_t i = 0; i < world->enemies.count && i < kMaxEnemies; ++i) {
        if (side == SIDE_ENEMY && static_cast<std::int32_t>(i) == leaving) continue;
        if (enemyClaimedCell(&world->enemies.enemies[i]) == cell) ++enemies;
    }
    tile.heroHere = heroes > 0 ? 1 : 0;
    tile.enemyHere = enemies > 0 ? 1 : 0;
    tile.walkable = tile.heroHere || tile.enemyHere ? 0 : 1;
}

void claimCell(WorldGame* world, GridPos cell, std::int32_t side) {
    if (!cellOnBoard(cell)) return;
    Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
    tile.walkable = 0;
    if (side == SIDE_PLAYER)
        tile.heroHere = 1;
    else
        tile.enemyHere = 1;
}

} // namespace

void showRange(WorldGame* world, std::int32_t movePoints, GridPos start) {
    if (!cellOnBoard(start)) return;
    Party& party = world->party;
    const GridFill range = moveRange(&world->tileMap, movePoints, start);
    for (std::int32_t index = 0; index < kCellCount; ++index) {
        if (!range.reached(index)) continue;
        const Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(index)];
        RangeSquare& square = party.rangeSquares[static_cast<std::size_t>(index)];
        const sf::Texture* texture = tile.enemyHere ? party.squareEnemyTexture : party.squareFreeTexture;
        if (texture) setSpriteTexture(&square.sprite, *texture, true);
        square.visible = 1;
    }
}

bool selectHero(WorldGame* world, std::int32_t index) {
    Party& party = world->party;
    if (index < 0 || static_cast<std::uint32_t>(index) >= party.count || index >= kMaxPlayers) return false;
    const WorldPlayer& player = party.players[static_cast<std::size_t>(index)];
    if (player.movePoints <= 0 || player.body.moving) return false;
    const GridPos cell = playerCell(&player);
    hideRange(&party);
    showRange(world, player.movePoints, cell);
    party.selectedCell = cell;
    party.selectedIndex = index;
    playSound(Sound::HeroSelected);
    return true;
}

void storePath(WorldGame* world, std::int32_t side, std::int32_t index, GridPos start, const GridPath* found) {
    MapWalk* walk = nullptr;
    std::int32_t longest = kMaxPathCells;
    if (side == SIDE_PLAYER) {
        if (index < 0 || static_cast<std::uint32_t>(index) >= world->party.count) return;
        walk = &world->party.players[static_cast<std::size_t>(index)].walk;
        clearWalk(walk);
        // A hero is only sent to a shown cell: anything else is refused, not half-walked.
        if (!found->reachedGoal || found->length > kMaxPathCells) return;
    } else {
        if (index < 0 || static_cast<std::uint32_t>(index) >= world->enemies.count) return;
        const WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
        walk = &world->enemies.enemies[static_cast<std::size_t>(index)].walk;
        clearWalk(walk);
        // An enemy walks as far as its move points take it toward the goal.
        longest = std::min(enemy.maxMovePoints, static_cast<std::int32_t>(kMaxPathCells));
    }
    const std::int32_t n = std::min(found->length, longest);
    if (n <= 0) return; // nowhere to go: the claim stays
    setWalk(walk, start, found->cells.data(), n);
    if (side == SIDE_PLAYER)
        movePlayerOnGrid(world, index, start, walkEnd(walk));
    else
        moveEnemyOnGrid(world, index, start, walkEnd(walk));
}

void findPath(WorldGame* world, GridPos start, GridPos goal, std::int32_t side, std::int32_t unitIndex) {
    GridPath found;
    searchPath(&world->tileMap, start, goal, side, &found);
    storePath(world, side, unitIndex, start, &found);
}

GridPos findClosestPlayer(const WorldGame* world, GridPos cell) {
    GridPos best{};
    double bestDistance = 0.0;
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i) {
        const GridPos other = playerCell(&world->party.players[i]);
        const double d = cellDistance(cell, other);
        if (i == 0 || d < bestDistance) {
            best = other;
            bestDistance = d;
        }
    }
    return best;
}

void movePlayerOnGrid(WorldGame* world, std::int32_t index, GridPos from, GridPos to) {
    if (from == to) return;
    // The walk is not stored as moving yet, so the mover is left out by index.
    refreshOccupants(world, from, SIDE_PLAYER, index);
    claimCell(world, to, SIDE_PLAYER);
}

void moveEnemyOnGrid(WorldGame* world, std::int32_t index, GridPos from, GridPos to) {
    if (from == to) return;
    refreshOccupants(world, from, SIDE_ENEMY, index);
    claimCell(world, to, SIDE_ENEMY);
}

void releasePlayerCell(WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->party.count) return;
    refreshOccupants(world, playerClaimedCell(&world->party.players[static_cast<std::size_t>(index)]), SIDE_PLAYER,
                     index);
}

void releaseEnemyCell(WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->enemies.count) return;
    refreshOccupants(world, enemyClaimedCell(&world->enemies.enemies[static_cast<std::size_t>(index)]), SIDE_ENEMY,
                     index);
}
