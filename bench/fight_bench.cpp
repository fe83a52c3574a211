// Costs of the card battle: opening a fight of three against three, one fight frame
// (update and draw at 1920x1080 with a hand fanned, a card's arrow out and hit effects live)
// beside a world map frame drawn the same way in the same run, and a hundred fights opened
// and closed (the cached pictures and the resident memory must stay flat).
//
// Frames are drawn into a 1920x1080 render texture and waited for with glFinish, so the
// software GL driver's rasterising is counted.
#include "core/asset_cache.hpp"
#include "core/camera.hpp"
#include "core/random.hpp"
#include "fight/fight_paths.hpp"
#include "fight/fight_scene.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Context.hpp>

#include "bench_support.hpp"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct FightRig {
    sf::RenderTexture target;
    std::unique_ptr<FightScene> scene = std::make_unique<FightScene>();
    std::unique_ptr<WorldGame> world;
};

FightRig& rig() {
    static FightRig r;
    static bool built = false;
    if (built) return r;
    built = true;
    r.target.create(1920, 1080);
    r.target.setActive(true);
    return r;
}

const UnitStats kHeroes[3] = {initialUnitStats(PLAYER_IRINA), initialUnitStats(PLAYER_REM),
                              initialUnitStats(PLAYER_LIGHT)};
const UnitStats kEnemies[3] = {initialUnitStats(ENEMY_LIGHT), initialUnitStats(ENEMY_TANK),
                               initialUnitStats(ENEMY_SHIELD)};

void openThreeAgainstThree(FightScene& scene) { quietly([&] { initFightScene(&scene, kHeroes, 3, kEnemies, 3); }); }

sf::Vector2f centreOf(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {b.left + b.width / 2.f, b.top + b.height / 2.f};
}

void moveTo(FightScene& scene, sf::Vector2f p) {
    sf::Event::MouseMoveEvent move{static_cast<int>(p.x), static_cast<int>(p.y)};
    mouseMovedFightScene(&scene, move);
}

// A fight in full swing: the first ally selected, a card picked with its arrow on the
// Tank, the enemies just hit.
void setUpBusyFight(FightScene& scene) {
    openThreeAgainstThree(scene);
    quietly([&] {
        for (int i = 0; i < 150; ++i) updateFightScene(&scene, 1.f / 60.f);
        moveTo(scene, centreOf(scene.allies.allies[0].fighter.body.sprite));
        updateFightScene(&scene, 1.f / 60.f);
        mousePressedFightScene(&scene);
        updateFightScene(&scene, 1.f / 60.f);
        const sf::FloatRect card = scene.allies.allies[0].hand.cards[4].sprite.getGlobalBounds();
        moveTo(scene, {card.left + card.width - 20.f, card.top + card.height / 2.f});
        updateFightScene(&scene, 1.f / 60.f);
        mousePressedFightScene(&scene);
        moveTo(scene, centreOf(scene.enemies.enemies[1].fighter.body.sprite));
        updateFightScene(&scene, 1.f / 60.f);
    });
}

// The enemies just struck by a card for all of them (allies are struck in the other turn).
void keepHitsLive(FightScene& scene) {
    for (FightEnemy& enemy : scene.enemies.enemies) enemy.fighter.hit = 1;
}

double timed(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One frame, drawn and waited for.
double drawFrame(FightRig& r, const std::function<void()>& draw) {
    return timed([&] {
        r.target.setView(r.target.getDefaultView());
        r.target.clear(sf::Color::Black);
        draw();
        r.target.display();
        finishDrawing();
    });
}

// The first fight of a run decodes every picture of the battle.
void BM_OpenFightFirstTime(benchmark::State& state) {
    FightRig& r = rig();
    const bool cold = findCachedTexture(kCardSheetPath) == nullptr;
    for (auto _ : state) {
        state.SetIterationTime(timed([&] { openThreeAgainstThree(*r.scene); }));
        destroyFightScene(&*r.scene);
    }
    state.counters["cold"] = cold ? 1 : 0;
}
BENCHMARK(BM_OpenFightFirstTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every later fight: the pictures are in the cache.
void BM_OpenFight(benchmark::State& state) {
    FightRig& r = rig();
    openThreeAgainstThree(*r.scene);
    destroyFightScene(&*r.scene);
    for (auto _ : state) {
        state.SetIterationTime(timed([&] { openThreeAgainstThree(*r.scene); }));
        destroyFightScene(&*r.scene);
    }
}
BENCHMARK(BM_OpenFight)->UseManualTime()->Unit(benchmark::kMillisecond);

WorldGame& worldMap(FightRig& r) {
    if (!r.world) {
        r.world = std::make_unique<WorldGame>();
        quietly([&] {
            seedRandom(2024);
            initCamera(&r.world->camera);
            const std::int32_t team[4] = {1, 2, 3, 1};
            initWorldGame(r.world.get(), team);
        });
        r.world->hud.visible = 1;
    }
    return *r.world;
}

// A fight frame (update and draw), each paired with a world map frame drawn just before it
// in the same way; x_world is the ratio of their summed times.
void BM_FightFrame(benchmark::State& state) {
    FightRig& r = rig();
    FightScene& scene = *r.scene;
    setUpBusyFight(scene);
    WorldGame& world = worldMap(r);
    double worldSeconds = 0.0;
    double fightSeconds = 0.0;
    double updateSeconds = 0.0;
    for (auto _ : state) {
        worldSeconds += drawFrame(r, [&] { drawWorldGame(&world, r.target, 0); });
        keepHitsLive(scene);
        const double update = timed([&] { updateFightScene(&scene, 1.f / 60.f); });
        const double frame = update + drawFrame(r, [&] { drawFightScene(&scene, r.target); });
        updateSeconds += update;
        fightSeconds += frame;
        state.SetIterationTime(frame);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["update_ms"] = frames > 0 ? 1000.0 * updateSeconds / frames : 0.0;
    state.counters["world_ms"] = frames > 0 ? 1000.0 * worldSeconds / frames : 0.0;
    state.counters["x_world"] = worldSeconds > 0 ? fightSeconds / worldSeconds : 0.0;
    destroyFightScene(&scene);
}
BENCHMARK(BM_FightFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

long residentKilobytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A hundred fights opened, played a little, drawn and closed: what the run holds afterwards.
// (Each frame is waited for: the software driver keeps queued frames in memory until then.)
void BM_HundredFightsOpenedAndClosed(benchmark::State& state) {
    FightRig& r = rig();
    FightScene& scene = *r.scene;
    openThreeAgainstThree(scene); // warm the cache and the glyphs once
    quietly([&] { for (int i = 0; i < 3; ++i) updateFightScene(&scene, 1.f / 60.f); });
    drawFrame(r, [&] { drawFightScene(&scene, r.target); });
    destroyFightScene(&scene);
    const std::size_t texturesBefore = cachedAssetCount();
    const long rssBefore = residentKilobytes();
    for (auto _ : state) {
        for (int fight = 0; fight < 100; ++fight) {
            openThreeAgainstThree(scene);
            quietly([&] { for (int i = 0; i < 3; ++i) updateFightScene(&scene, 1.f / 60.f); });
            drawFrame(r, [&] { drawFightScene(&scene, r.target); });
            destroyFightScene(&scene);
        }
    }
    state.counters["cached_before"] = static_cast<double>(texturesBefore);
    state.counters["cached_after"] = static_cast<double>(cachedAssetCount());
    state.counters["rss_kb_before"] = static_cast<double>(rssBefore);
    state.counters["rss_kb_after"] = static_cast<double>(residentKilobytes());
}
BENCHMARK(BM_HundredFightsOpenedAndClosed)->Iterations(3)->Unit(benchmark::kMillisecond);

// What the game's start-up pays for the battle: every fighter's sheet read and the visible
// part of each of their frames measured, from an empty cache.
void BM_PreloadFightScene(benchmark::State& state) {
    sf::Context context;
    for (auto _ : state) {
        state.PauseTiming();
        clearAssetCache();
        state.ResumeTiming();
        preloadFightScene();
    }
}
BENCHMARK(BM_PreloadFightScene)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
