// A level change as the shell makes it when the last enemy falls: the next level's ground
// read and built, its enemies placed, the party scattered, crates placed (startNextLevel).
// Needs a display (run under Xvfb): the board's camera switches the window's view.
#include "core/camera.hpp"
#include "core/random.hpp"
#include "world/level_change.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_StartNextLevel(benchmark::State& state) {
    sf::RenderWindow window(sf::VideoMode(1920, 1080), "level change", sf::Style::None);
    auto world = std::make_unique<WorldGame>();
    initCamera(&world->camera);
    seedRandom(42);
    const std::int32_t team[4] = {1, 1, 2, 3};
    initWorldGame(world.get(), team);
    for (auto _ : state) {
        state.PauseTiming();
        // Back on level 1 with the level cleared, as when the last enemy has just fallen.
        world->level = 1;
        for (std::uint32_t i = 0; i < world->enemies.count; ++i) world->enemies.enemies[i] = WorldEnemy{};
        world->enemies.count = 0;
        applyCamera(&world->camera, &window, 0);
        state.ResumeTiming();
        startNextLevel(world.get(), &window);
        benchmark::DoNotOptimize(world->enemies.count);
    }
}
BENCHMARK(BM_StartNextLevel)->Unit(benchmark::kMillisecond);

} // namespace
