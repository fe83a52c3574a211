// Scene changes against one frame's budget (16.7 ms at 60 frames a second): opening the
// shop, starting the level transition, the level change, a fight opening and a new game,
// each timed together with the first frame it shows (update, draw into a 1920x1080 render
// texture, waited for with glFinish). "first_in_run": the first time in a process, right
// after what the game's start-up does (the cache emptied, then preloadScenePictures and
// preloadSceneDrawing, untimed); "again": every later time. mean_ms and worst_ms per run;
// x_budget is the mean over 16.7 ms. With repetitions, the "max" row gives the worst of
// all of them. Needs a display (run under Xvfb).
#include "app/scene_preload.hpp"
#include "core/asset_cache.hpp"
#include "core/camera.hpp"
#include "core/random.hpp"
#include "fight/fight_scene.hpp"
#include "menus/shop.hpp"
#include "world/level_change.hpp"
#include "world/level_transition.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include "bench_support.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr float kDt = 1.f / 60.f;
constexpr double kBudgetMs = 1000.0 / 60.0;

struct ChangeRig {
    sf::RenderWindow window{sf::VideoMode(1920, 1080), "scene changes", sf::Style::None};
    sf::RenderTexture target;
};

ChangeRig& rig() {
    static ChangeRig r;
    static const bool created = r.target.create(1920, 1080);
    (void)created;
    return r;
}

// What the game's start-up does before any scene change: every picture read, every
// scene drawn once unseen (into the target the changes are drawn into).
void startUp(ChangeRig& r) {
    r.target.setActive(true);
    quietly([&] {
        preloadScenePictures();
        preloadSceneDrawing(r.target);
    });
    finishDrawing(); // start-up ends long before the first change: nothing of it is left to draw
}

// The scene change and its first frame, drawn and waited for. Returns milliseconds.
double timedChange(ChangeRig& r, const std::function<void()>& change, const std::function<void()>& draw) {
    const Clock::time_point start = Clock::now();
    change();
    r.target.setActive(true);
    r.target.setView(r.target.getDefaultView());
    r.target.clear(sf::Color::Black);
    draw();
    r.target.display();
    finishDrawing();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void startNewGame(WorldGame* world) {
    seedRandom(99);
    initCamera(&world->camera);
    const std::int32_t team[4] = {1, 2, 3, 1};
    initWorldGame(world, team);
}

const UnitStats kHeroes[3] = {initialUnitStats(PLAYER_IRINA), initialUnitStats(PLAYER_REM), initialUnitStats(PLAYER_LIGHT)};
const UnitStats kEnemies[3] = {initialUnitStats(ENEMY_LIGHT), initialUnitStats(ENEMY_TANK), initialUnitStats(ENEMY_SHIELD)};

enum Change : int { CHANGE_SHOP, CHANGE_TRANSITION, CHANGE_LEVEL, CHANGE_FIGHT, CHANGE_NEW_GAME, CHANGE_COUNT };
const char* const kChangeNames[CHANGE_COUNT] = {"open_shop", "start_transition", "level_change", "fight_opening", "new_game"};

// One change, with the records it needs built beforehand (untimed). Returns milliseconds.
double measureChange(ChangeRig& r, int change, int round) {
    double ms = 0.0;
    quietly([&] {
        switch (change) {
        case CHANGE_SHOP: {
            auto shop = std::make_unique<Shop>();
            ms = timedChange(r, [&] { openShop(shop.get(), 2, 450); updateShop(shop.get(), kDt); },
                             [&] { drawShop(shop.get(), r.target); });
            break;
        }
        case CHANGE_TRANSITION: {
            auto transition = std::make_unique<LevelTransition>();
            initLevelTransition(transition.get()); // at start-up in the game
            const std::int32_t sheet = kTransitionFirstSheet + round % (kTransitionLastSheet - kTransitionFirstSheet + 1);
            ms = timedChange(r, [&] { startLevelTransition(transition.get(), sheet); updateLevelTransition(transition.get(), kDt); },
                             [&] { drawLevelTransition(transition.get(), r.target); });
            break;
        }
        case CHANGE_LEVEL: {
            auto world = std::make_unique<WorldGame>();
            startNewGame(world.get());
            for (std::uint32_t i = 0; i < world->enemies.count; ++i) world->enemies.enemies[i] = WorldEnemy{};
            world->enemies.count = 0; // the last enemy has fallen
            applyCamera(&world->camera, &r.window, 0);
            ms = timedChange(r, [&] { startNextLevel(world.get(), &r.window); },
                             [&] { drawWorldGame(world.get(), r.target, 0); });
            destroyWorldGame(world.get());
            break;
        }
        case CHANGE_FIGHT: {
            auto scene = std::make_unique<FightScene>();
            ms = timedChange(r, [&] { initFightScene(scene.get(), kHeroes, 3, kEnemies, 3); updateFightScene(scene.get(), kDt); },
                             [&] { drawFightScene(scene.get(), r.target); });
            destroyFightScene(scene.get());
            break;
        }
        case CHANGE_NEW_GAME: {
            auto world = std::make_unique<WorldGame>();
            ms = timedChange(r, [&] { startNewGame(world.get()); }, [&] { drawWorldGame(world.get(), r.target, 0); });
            destroyWorldGame(world.get());
            break;
        }
        default: break;
        }
    });
    return ms;
}

void BM_SceneChange(benchmark::State& state) {
    ChangeRig& r = rig();
    const int change = static_cast<int>(state.range(0));
    const bool firstInRun = state.range(1) != 0;
    if (!firstInRun) {
        startUp(r);
        measureChange(r, change, 0); // the first time, not counted
    }
    double total = 0.0, worst = 0.0;
    int round = 0;
    for (auto _ : state) {
        if (firstInRun) {
            clearAssetCache();
            startUp(r);
        }
        const double ms = measureChange(r, change, round++);
        total += ms;
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.SetLabel(std::string(kChangeNames[change]) + (firstInRun ? " first_in_run" : " again"));
    const double mean = state.iterations() > 0 ? total / static_cast<double>(state.iterations()) : 0.0;
    state.counters["mean_ms"] = mean;
    state.counters["worst_ms"] = worst;
    state.counters["x_budget"] = mean / kBudgetMs;
}
BENCHMARK(BM_SceneChange)
    ->ArgNames({"change", "first_in_run"})
    ->ArgsProduct({{CHANGE_SHOP, CHANGE_TRANSITION, CHANGE_LEVEL, CHANGE_FIGHT, CHANGE_NEW_GAME}, {1, 0}})
    ->Iterations(5)
    ->ComputeStatistics("max", [](const std::vector<double>& runs) { return *std::max_element(runs.begin(), runs.end()); })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
