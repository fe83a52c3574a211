#include "support/game_invariants.hpp"

#include <array>
#include <cstdio>

namespace {

std::string broken(const char* format, int a = 0, int b = 0, int c = 0) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

bool validScene(SceneState scene) { return scene < kSceneCount; }

std::string checkFighters(const WorldGame* world) {
    const FightScene& fight = world->fight;
    if (world->encounter.playerCount < 0 || world->encounter.playerCount > kMaxFighters)
        return broken("fight players %d out of 0..3", world->encounter.playerCount);
    if (world->encounter.enemyCount < 0 || world->encounter.enemyCount > kMaxFighters)
        return broken("fight enemies %d out of 0..3", world->encounter.enemyCount);
    if (world->phase != WORLD_PHASE_FIGHT) return {};
    if (fight.allies.count != world->encounter.playerCount)
        return broken("fight shows %d allies for %d heroes handed over", fight.allies.count, world->encounter.playerCount);
    if (fight.enemies.count != world->encounter.enemyCount)
        return broken("fight shows %d enemies for %d handed over", fight.enemies.count, world->encounter.enemyCount);
    for (int k = 0; k < fight.allies.count; ++k) {
        const UnitStats& stats = fight.allies.allies[static_cast<std::size_t>(k)].fighter.stats;
        if (static_cast<float>(stats.life) > stats.maxLife) return broken("ally %d life %d above its maximum", k, stats.life);
        if (stats.unitIndex < 0 || static_cast<std::uint32_t>(stats.unitIndex) >= world->party.count)
            return broken("ally %d fights for hero %d of %d", k, stats.unitIndex, static_cast<int>(world->party.count));
    }
    for (int k = 0; k < fight.enemies.count; ++k) {
        const UnitStats& stats = fight.enemies.enemies[static_cast<std::size_t>(k)].fighter.stats;
        if (static_cast<float>(stats.life) > stats.maxLife) return broken("fight enemy %d life %d above its maximum", k, stats.life);
        if (stats.unitIndex < 0 || static_cast<std::uint32_t>(stats.unitIndex) >= world->enemies.count)
            return broken("fight enemy %d stands for enemy %d of %d", k, stats.unitIndex,
                          static_cast<int>(world->enemies.count));
    }
    return {};
}

} // namespace

std::string checkBoardInvariants(const WorldGame* world) {
    const Party& party = world->party;
    const EnemyList& enemies = world->enemies;
    if (party.count > kMaxPlayers) return broken("party of %d heroes", static_cast<int>(party.count));
    if (enemies.count > kMaxEnemies) return broken("%d enemies on the map", static_cast<int>(enemies.count));
    if (world->gold < 0) return broken("gold %d below zero", world->gold);
    if (world->phase != WORLD_PHASE_MAP && world->phase != WORLD_PHASE_FIGHT) return broken("world phase %d", world->phase);

    std::array<int, kCellCount> heroes{}, foes{};
    for (std::uint32_t i = 0; i < party.count; ++i) {
        const WorldPlayer& player = party.players[i];
        if (static_cast<float>(player.stats.life) > player.stats.maxLife)
            return broken("hero %d life %d above its maximum", static_cast<int>(i), player.stats.life);
        const GridPos cell = playerClaimedCell(&player);
        if (!cellOnBoard(cell)) return broken("hero %d off the board at (%d, %d)", static_cast<int>(i), cell.x, cell.y);
        ++heroes[static_cast<std::size_t>(cellIndex(cell))];
    }
    for (std::uint32_t i = 0; i < enemies.count; ++i) {
        const WorldEnemy& enemy = enemies.enemies[i];
        if (static_cast<float>(enemy.stats.life) > enemy.stats.maxLife)
            return broken("enemy %d life %d above its maximum", static_cast<int>(i), enemy.stats.life);
        const GridPos cell = enemyClaimedCell(&enemy);
        if (!cellOnBoard(cell)) return broken("enemy %d off the board at (%d, %d)", static_cast<int>(i), cell.x, cell.y);
        ++foes[static_cast<std::size_t>(cellIndex(cell))];
    }
    for (int index = 0; index < kCellCount; ++index) {
        const std::size_t i = static_cast<std::size_t>(index);
        const Tile& tile = world->tileMap.tiles[i];
        const GridPos cell = cellAtIndex(index);
        if (heroes[i] > 1) return broken("%d heroes on cell (%d, %d)", heroes[i], cell.x, cell.y);
        if (foes[i] > 1) return broken("%d enemies on cell (%d, %d)", foes[i], cell.x, cell.y);
        if (tile.heroHere != (heroes[i] > 0 ? 1 : 0))
            return broken("cell (%d, %d) hero flag %d disagrees with the party", cell.x, cell.y, tile.heroHere);
        if (tile.enemyHere != (foes[i] > 0 ? 1 : 0))
            return broken("cell (%d, %d) enemy flag %d disagrees with the enemies", cell.x, cell.y, tile.enemyHere);
        if ((heroes[i] || foes[i]) && tile.walkable) return broken("cell (%d, %d) walkable under a unit", cell.x, cell.y);
    }
    return checkFighters(world);
}

std::string checkGameInvariants(const MainData* game) {
    if (!validScene(game->sceneState)) return broken("scene %d", static_cast<int>(game->sceneState));
    switch (game->sceneState) {
    case SCENE_MAIN_MENU:
    case SCENE_TEAM_SELECT:
    case SCENE_MENU_SETTINGS:
    case SCENE_CREDITS:
        return {}; // no game on the board (or an old one the next Play replaces)
    default:
        break;
    }
    if (game->world.party.count < 1 && game->sceneState != SCENE_DEFEAT) return broken("an empty party plays on");
    return checkBoardInvariants(&game->world);
}
