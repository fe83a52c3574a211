// The enemies' turn on the map at Instant speed, on level 10 with its 13 enemies: every
// enemy plans its way and walks it in the one frame the turn begins in, which must fit in a
// frame of the game (16.7 ms at 60 frames a second). Needs a display (run under Xvfb): the
// board's camera switches the window's view.
#include "core/camera.hpp"
#include "core/random.hpp"
#include "world/level_change.hpp"
#include "world/level_generator.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include "bench_support.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

void BM_InstantEnemyTurnOnLevelTen(benchmark::State& state) {
    sf::RenderWindow window(sf::VideoMode(1920, 1080), "enemy turn", sf::Style::None);
    const std::filesystem::path levels =
        std::filesystem::temp_directory_path() / ("ostrevald_bench_levels_" + std::to_string(getpid()));
    std::filesystem::create_directories(levels);
    auto start = std::make_unique<WorldGame>();
    quietly([&] {
        seedRandom(42);
        generateLevels(levels.string(), stdout);
        initCamera(&start->camera);
        start->startTutorialShown = 1;
        start->fightTutorialShown = 1;
        start->generatedLevelFolder = levels.string();
        const std::int32_t team[4] = {1, 1, 2, 3};
        initWorldGame(start.get(), team);
        start->level = 9; // the next level is the last one, with 10 + 3 enemies
        for (std::uint32_t i = 0; i < start->enemies.count; ++i) start->enemies.enemies[i] = WorldEnemy{};
        start->enemies.count = 0;
        startNextLevel(start.get(), &window);
    });
    const ShopPurchases none{};
    // Back from the shop without a hire: the first update places nobody new.
    quietly([&] { updateWorldGame(1.f / 60.f, start.get(), &window, &none); });
    if (start->enemies.count != 13) state.SkipWithError("level 10 should hold 13 enemies");
    auto world = std::make_unique<WorldGame>();
    int unfinished = 0;
    int walked = 0; // cells the enemies crossed in the last turn
    for (auto _ : state) {
        state.PauseTiming();
        *world = *start;
        world->enemySpeed = EnemySpeed::Instant;
        quietly([&] { toggleTurn(world.get(), &window); }); // the player ends the turn
        state.ResumeTiming();
        updateWorldGame(1.f / 60.f, world.get(), &window, &none);
        state.PauseTiming();
        if (!world->playerTurn && world->phase == WORLD_PHASE_MAP) unfinished += 1;
        walked = 0;
        for (std::uint32_t i = 0; i < world->enemies.count; ++i) {
            const GridPos from = enemyCell(&start->enemies.enemies[i]), to = enemyCell(&world->enemies.enemies[i]);
            walked += std::abs(from.x - to.x) + std::abs(from.y - to.y);
        }
        state.ResumeTiming();
    }
    if (unfinished > 0) state.SkipWithError("the enemies' turn did not end within the frame");
    state.counters["enemies"] = static_cast<double>(start->enemies.count);
    state.counters["cells walked"] = static_cast<double>(walked);
    std::filesystem::remove_all(levels);
}
BENCHMARK(BM_InstantEnemyTurnOnLevelTen)->Unit(benchmark::kMillisecond);

} // namespace
