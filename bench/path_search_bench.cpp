// Cost of the world map's searches: one path search in its worst cases, the move range of
// a hero with 5 move points, and the planning of a whole enemy turn on the largest level.
#include "core/random.hpp"
#include "world/path_search.hpp"
#include "world/board_moves.hpp"
#include "world/world_game.hpp"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

Tile& tileAt(WorldGame* world, GridPos cell) { return world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))]; }

std::unique_ptr<WorldGame> openBoard() {
    auto world = std::make_unique<WorldGame>();
    for (Tile& tile : world->tileMap.tiles) tile.walkable = 1;
    return world;
}

// Walls in every other column with the gap alternating between the top and bottom rows:
// the only way across is a serpentine through the whole board.
std::unique_ptr<WorldGame> mazeBoard() {
    auto world = openBoard();
    for (int column = 1; column < kMapColumns; column += 2)
        for (int row = 0; row < kMapRows; ++row) {
            const bool gap = (column / 2) % 2 == 0 ? row == kMapRows - 1 : row == 0;
            if (!gap) tileAt(world.get(), {column, row}).walkable = 0;
        }
    return world;
}

void placeHero(WorldGame* world, std::int32_t type, GridPos cell) {
    const std::int32_t index = static_cast<std::int32_t>(world->party.count);
    world->party.players[static_cast<std::size_t>(index)].type = type;
    addWorldPlayer(&world->party, index, {static_cast<float>(cell.x * kCellSize), static_cast<float>(cell.y * kCellSize)});
    world->party.count += 1;
    tileAt(world, cell).walkable = 0;
    tileAt(world, cell).heroHere = 1;
}

// One enemy search and its claim, undone afterwards so every iteration starts alike.
void runEnemySearch(benchmark::State& state, WorldGame* world, GridPos start, GridPos goal) {
    world->enemies.count = 1;
    world->enemies.enemies[0] = WorldEnemy{};
    tileAt(world, start).walkable = 0;
    tileAt(world, start).enemyHere = 1;
    for (auto _ : state) {
        findPath(world, start, goal, SIDE_ENEMY, 0);
        WorldEnemy& enemy = world->enemies.enemies[0];
        benchmark::DoNotOptimize(enemy.walk.length);
        if (enemy.walk.length > 0) moveEnemyOnGrid(world, 0, walkEnd(&enemy.walk), start);
    }
}

void BM_FindPathOpenBoardCornerToCorner(benchmark::State& state) {
    auto world = openBoard();
    tileAt(world.get(), {29, 16}).heroHere = 1;
    tileAt(world.get(), {29, 16}).walkable = 0;
    runEnemySearch(state, world.get(), {0, 0}, {29, 16});
}
BENCHMARK(BM_FindPathOpenBoardCornerToCorner);

// The goal is walled in: the search closes every cell of the board before giving up.
void BM_FindPathOpenBoardUnreachable(benchmark::State& state) {
    auto world = openBoard();
    for (GridPos wall : {GridPos{28, 16}, GridPos{29, 15}}) tileAt(world.get(), wall).walkable = 0;
    runEnemySearch(state, world.get(), {0, 0}, {29, 16});
}
BENCHMARK(BM_FindPathOpenBoardUnreachable);

void BM_FindPathMaze(benchmark::State& state) {
    auto world = mazeBoard();
    runEnemySearch(state, world.get(), {0, 0}, {29, 16});
}
BENCHMARK(BM_FindPathMaze);

void BM_ShowRangeFiveMovePoints(benchmark::State& state) {
    auto world = openBoard();
    placeHero(world.get(), PLAYER_REM, {15, 8});
    for (auto _ : state) {
        showRange(world.get(), 5, {15, 8});
        benchmark::DoNotOptimize(world->party.rangeSquares[0].visible);
    }
}
BENCHMARK(BM_ShowRangeFiveMovePoints);

// Level 10: four heroes on the left, thirteen enemies on the right, a fifth of the ground
// blocked. Each iteration plans every enemy in list order, then undoes the claims.
void BM_PlanEnemyTurnThirteenEnemies(benchmark::State& state) {
    auto world = openBoard();
    seedRandom(99);
    for (Tile& tile : world->tileMap.tiles) tile.walkable = randomInt() % 5 == 0 ? 0 : 1;
    for (int row = 0; row < kMapRows; ++row) tileAt(world.get(), {14, row}).walkable = 1; // keep the sides joined
    const GridPos heroes[4] = {{1, 2}, {3, 6}, {2, 10}, {4, 14}};
    for (int i = 0; i < 4; ++i) placeHero(world.get(), i == 0 ? PLAYER_IRINA : PLAYER_LIGHT, heroes[i]);
    GridPos starts[13];
    for (int i = 0; i < 13; ++i) {
        starts[i] = {25 + i % 5, 1 + i};
        WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(i)];
        enemy.type = i == 0 ? ENEMY_BOSS : ENEMY_LIGHT;
        addWorldEnemy(&world->enemies, i, {static_cast<float>(starts[i].x * kCellSize),
                                           static_cast<float>(starts[i].y * kCellSize)});
        tileAt(world.get(), starts[i]).walkable = 0;
        tileAt(world.get(), starts[i]).enemyHere = 1;
    }
    world->enemies.count = 13;
    std::int64_t cellsPlanned = 0;
    for (auto _ : state) {
        for (std::int32_t i = 0; i < 13; ++i) {
            planEnemyMove(world.get(), i);
            cellsPlanned += world->enemies.enemies[static_cast<std::size_t>(i)].walk.length;
        }
        for (std::int32_t i = 12; i >= 0; --i) {
            WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(i)];
            if (enemy.walk.length > 0)
                moveEnemyOnGrid(world.get(), static_cast<std::int32_t>(i), walkEnd(&enemy.walk), starts[i]);
            enemy.body.moving = 0; // nobody walked: every enemy stays on its start cell
        }
        resetEnemyTurn(&world->enemies);
    }
    // Cells walked per turn: 65 when all thirteen enemies find their full five cells.
    state.counters["cellsPerTurn"] =
        benchmark::Counter(static_cast<double>(cellsPlanned), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlanEnemyTurnThirteenEnemies);

} // namespace
