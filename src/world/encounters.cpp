#include "world/encounters.hpp"

#include "core/random.hpp"
#include "core/sound.hpp"
#include "world/board_moves.hpp"
#include "world/dialog_box.hpp"

#include <cmath>
#include <cstdio>

namespace {

// The ring around a meeting cell, from the top-left clockwise.
constexpr GridPos kRing[8] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};

// A unit takes part only where it stands: not walking, and on exactly one cell.
bool standingOn(const MapUnitBody& body, GridPos cell) {
    const sf::Vector2f p = body.sprite.getPosition();
    return !body.moving && leftCellOf(p) == cell && rightCellOf(p) == cell;
}

template <class UnitAt, class Take>
void gatherAround(GridPos cell, std::int32_t unitCount, UnitAt unitAt, Take take, std::int32_t* gathered,
                  bool (*cellHolds)(const Tile&), const TileMap& map) {
    *gathered = 0;
    // The one place the side's limit is kept: a unit is taken only while a seat is free.
    auto gatherOn = [&](GridPos where) {
        for (std::int32_t i = 0; i < unitCount; ++i)
            if (*gathered < kMaxFighters && standingOn(unitAt(i), where)) take(i);
    };
    gatherOn(cell);
    for (const GridPos step : kRing) {
        const GridPos where{cell.x + step.x, cell.y + step.y};
        if (!cellOnBoard(where) || !cellHolds(map.tiles[static_cast<std::size_t>(cellIndex(where))])) continue;
        gatherOn(where);
    }
}

bool holdsHero(const Tile& tile) { return tile.heroHere != 0; }
bool holdsEnemy(const Tile& tile) { return tile.enemyHere != 0; }

const Tile& tileOf(const WorldGame* world, GridPos cell) {
    return world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
}

std::int32_t findPlayerByFightIndex(const WorldGame* world, std::int32_t unitIndex) {
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i)
        if (world->party.players[i].stats.unitIndex == unitIndex) return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t findEnemyByFightIndex(const WorldGame* world, std::int32_t unitIndex) {
    for (std::uint32_t i = 0; i < world->enemies.count && i < kMaxEnemies; ++i)
        if (world->enemies.enemies[i].stats.unitIndex == unitIndex) return static_cast<std::int32_t>(i);
    return -1;
}

} // namespace

GridPos leftCellOf(sf::Vector2f position) {
    return {static_cast<std::int32_t>(std::trunc(static_cast<double>(position.x) / kCellSize)),
            static_cast<std::int32_t>(std::trunc(static_cast<double>(position.y) / kCellSize))};
}

GridPos rightCellOf(sf::Vector2f position) {
    return {static_cast<std::int32_t>(std::trunc(static_cast<double>(position.x) / kCellSize + 0.99)),
            static_cast<std::int32_t>(std::trunc(static_cast<double>(position.y) / kCellSize + 0.99))};
}

void checkFightStart(WorldGame* world, sf::RenderWindow* window) {
    if (world->phase != WORLD_PHASE_MAP) return;
    for (std::uint32_t p = 0; p < world->party.count && p < kMaxPlayers; ++p) {
        const sf::Vector2f hero = world->party.players[p].body.sprite.getPosition();
        const GridPos heroLeft = leftCellOf(hero), heroRight = rightCellOf(hero);
        if (!cellOnBoard(heroLeft) || !cellOnBoard(heroRight)) continue;
        if (!tileOf(world, heroLeft).enemyHere || !tileOf(world, heroRight).enemyHere) continue;
        for (std::uint32_t e = 0; e < world->enemies.count && e < kMaxEnemies; ++e) {
            const sf::Vector2f enemy = world->enemies.enemies[e].body.sprite.getPosition();
            const GridPos enemyLeft = leftCellOf(enemy), enemyRight = rightCellOf(enemy);
            if (!cellOnBoard(enemyLeft) || !cellOnBoard(enemyRight)) continue;
            if (!tileOf(world, enemyLeft).heroHere || !tileOf(world, enemyRight).heroHere) continue;
            if (!(enemyLeft == heroLeft)) continue;
            std::printf("%d | %d\n", heroLeft.x, heroLeft.y);
            startFight(world, heroLeft, window);
            return;
        }
    }
}

void collectFightPlayers(Encounter* encounter, Party* party, const TileMap* map, GridPos cell) {
    gatherAround(
        cell, static_cast<std::int32_t>(party->count),
        [&](std::int32_t i) -> const MapUnitBody& { return party->players[static_cast<std::size_t>(i)].body; },
        [&](std::int32_t i) {
            WorldPlayer& player = party->players[static_cast<std::size_t>(i)];
            player.stats.unitIndex = i;
            encounter->players[static_cast<std::size_t>(encounter->playerCount)] = player.stats;
            encounter->playerCount += 1;
        },
        &encounter->playerCount, holdsHero, *map);
}

void collectFightEnemies(Encounter* encounter, EnemyList* list, const TileMap* map, GridPos cell) {
    gatherAround(
        cell, static_cast<std::int32_t>(list->count),
        [&](std::int32_t i) -> const MapUnitBody& { return list->enemies[static_cast<std::size_t>(i)].body; },
        [&](std::int32_t i) {
            WorldEnemy& enemy = list->enemies[static_cast<std::size_t>(i)];
            enemy.stats.unitIndex = i;
            encounter->enemies[static_cast<std::size_t>(encounter->enemyCount)] = enemy.stats;
            encounter->enemyCount += 1;
        },
        &encounter->enemyCount, holdsEnemy, *map);
}

void startFight(WorldGame* world, GridPos cell, sf::RenderWindow* window) {
    Encounter& encounter = world->encounter;
    collectFightPlayers(&encounter, &world->party, &world->tileMap, cell);
    collectFightEnemies(&encounter, &world->enemies, &world->tileMap, cell);
    for (std::int32_t k = 0; k < encounter.playerCount; ++k) {
        const UnitStats& stats = encounter.players[static_cast<std::size_t>(k)];
        std::printf("Index : %d\nType : %d\n", stats.unitIndex, stats.type);
    }
    std::printf("\n");
    // The game is saved as the fight opens, with the generator as it stands before the
    // hands are drawn: a fight continued from the save deals the same hands.
    world->fightRandomState = randomState();
    world->autosaveDue = 1;
    openFight(world, window);
}

void openFight(WorldGame* world, sf::RenderWindow* window) {
    Camera& camera = world->camera;
    if (camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&camera, window);
        toggleHud(&world->hud);
    }
    Encounter& encounter = world->encounter;
    playSound(Sound::FightOpen);
    world->phase = WORLD_PHASE_FIGHT;
    applyCamera(&camera, window, 1);
    if (camera.mode == CAMERA_CLOSE) toggleHud(&world->hud);
    world->cursorHidden = 1;
    // The first fight of a game teaches the card battle.
    if (world->fightTutorialShown == 0) {
        world->fightTutorialShown = 1;
        openDialog(&world->dialog, kTutorialSection, kFightTutorialFirstPage, kFightTutorialLastPage, WORLD_PHASE_FIGHT);
    }
    initFightScene(&world->fight, encounter.players.data(), encounter.playerCount, encounter.enemies.data(),
                   encounter.enemyCount);
}

void applyEnemyFightResults(WorldGame* world) {
    for (std::int32_t k = 0; k < world->encounter.enemyCount && k < kMaxFighters; ++k) {
        const UnitStats& fighter = world->fight.enemies.enemies[static_cast<std::size_t>(k)].fighter.stats;
        if (fighter.life > 0) {
            const std::int32_t index = findEnemyByFightIndex(world, fighter.unitIndex);
            if (index < 0) continue;
            WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
            enemy.stats.life = fighter.life;
            enemy.stats.unitIndex = -1;
            continue;
        }
        const std::int32_t index = findEnemyByFightIndex(world, world->encounter.enemies[static_cast<std::size_t>(k)].unitIndex);
        if (index < 0) continue;
        releaseEnemyCell(world, index);
        removeEnemy(&world->enemies, index);
        world->gold += kGoldPerEnemy;
    }
}

void applyPlayerFightResults(WorldGame* world) {
    for (std::int32_t k = 0; k < world->encounter.playerCount && k < kMaxFighters; ++k) {
        const UnitStats& fighter = world->fight.allies.allies[static_cast<std::size_t>(k)].fighter.stats;
        if (fighter.life > 0) {
            const std::int32_t index = findPlayerByFightIndex(world, fighter.unitIndex);
            if (index < 0) continue;
            WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
            player.stats.life = fighter.life;
            player.stats.unitIndex = -1;
            continue;
        }
        const std::int32_t index =
            findPlayerByFightIndex(world, world->encounter.players[static_cast<std::size_t>(k)].unitIndex);
        if (index < 0) continue;
        releasePlayerCell(world, index);
        killHero(&world->party, index);
    }
}

void endFight(WorldGame* world, sf::RenderWindow* window) {
    applyEnemyFightResults(world);
    applyPlayerFightResults(world);
    initHud(&world->hud, &world->party, world->camera.topLeft);
    setGoldText(&world->hud, world->gold, world->camera.topLeft); // right from the first frame drawn
    applyCamera(&world->camera, window, 0);
    world->cursorHidden = 0;
    if (world->camera.mode == CAMERA_CLOSE) toggleHud(&world->hud);
}

void updateFightPhase(WorldGame* world, sf::RenderWindow* window, float dt) {
    world->fight.enemySpeed = world->enemySpeed;
    updateFightScene(&world->fight, dt);
    if (!fightSceneDone(&world->fight)) return;
    world->phase = WORLD_PHASE_MAP;
    endFight(world, window);
    destroyFightScene(&world->fight);
    world->fight.turnButton.fightOver = 0;
    world->encounter.playerCount = 0;
    world->encounter.enemyCount = 0;
    applyCamera(&world->camera, window, 0);
    Camera& camera = world->camera;
    if (world->playerTurn && camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&camera, window);
    } else if (!world->playerTurn && camera.mode == CAMERA_CLOSE) {
        toggleCameraMode(&camera, window);
        toggleHud(&world->hud);
    }
    // A fight has been fought: the battle's tutorial is not for later fights.
    if (world->fightTutorialShown == 0) world->fightTutorialShown = 1;
}

void killEnemy(WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->enemies.count) return;
    const GridPos cell = enemyCell(&world->enemies.enemies[static_cast<std::size_t>(index)]);
    std::printf("%d | %d\n", cell.x, cell.y);
    releaseEnemyCell(world, index);
    removeEnemy(&world->enemies, index);
}

bool cancelInFight(WorldGame* world) {
    // The tutorial box, while open, keeps every press and key for itself.
    if (world->phase != WORLD_PHASE_FIGHT || world->dialog.visible) return false;
    return cancelFightScene(&world->fight);
}
