// Frame costs of the ground layers against the floor every drawing benchmark shares (510
// plain sprites, see bench_support.hpp). Every frame is drawn into a 1920x1080 render texture
// and waited for with glFinish, so the GL driver's rasterising is counted, not only the
// queuing of the draws (the software driver defers its work to the flush). Presenting to a
// window is left out: it costs every frame the same copy.
//
// Each measured frame is paired with a floor frame drawn just before it, and the counter
// x_floor is the ratio of their summed times: load from other processes hits both alike.
// Every screen's frame is timed in screen_floor_bench.cpp.
#include "core/asset_cache.hpp"
#include "core/camera.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "menus/end_screens.hpp"
#include "world/level_generator.hpp"
#include "world/tile_catalogue.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Context.hpp>

#include "bench_support.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

namespace {


struct FrameRig {
    sf::RenderTexture target;
    std::unique_ptr<WorldGame> world = std::make_unique<WorldGame>();
    SpriteFloor floor;
    sf::View closeView{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
    sf::View overview{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
};
FrameRig& rig() {
    static FrameRig r;
    static bool built = false;
    if (built) return r;
    built = true;
    r.target.create(1920, 1080);
    r.target.setActive(true);
    r.overview.setCenter(1920.f, 1080.f);
    r.overview.zoom(2.f);
    quietly([] {
        seedRandom(2024);
        initCamera(&r.world->camera);
        const std::int32_t team[4] = {1, 2, 3, 1};
        initWorldGame(r.world.get(), team);
    });
    initSpriteFloor(&r.floor, createTexture(tilePicturePath(TILE_FIELD)).copyToImage());
    return r;
}

double timeFrame(FrameRig& r, const sf::View& view, const std::function<void()>& draw) {
    return ::timeFrame(r.target, view, draw);
}

void drawFloor(FrameRig& r) { drawSpriteFloor(r.floor, r.target); }

// Times `draw` frame by frame, each after a floor frame in the same view.
void runAgainstFloor(benchmark::State& state, const sf::View& view, const std::function<void()>& draw) {
    FrameRig& r = rig();
    double floorSeconds = 0.0, frameSeconds = 0.0;
    for (auto _ : state) {
        floorSeconds += timeFrame(r, view, [&r] { drawFloor(r); });
        const double frame = timeFrame(r, view, draw);
        frameSeconds += frame;
        state.SetIterationTime(frame);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = frames > 0 ? 1000.0 * floorSeconds / frames : 0.0;
    state.counters["x_floor"] = floorSeconds > 0 ? frameSeconds / floorSeconds : 0.0;
}

// The ground alone, in the close view and the overview. Argument 1: batched; 0: one sprite
// per cell.
void BM_GroundLayer(benchmark::State& state) {
    FrameRig& r = rig();
    const TileMap& map = r.world->tileMap;
    const sf::View& view = state.range(1) ? r.overview : r.closeView;
    if (state.range(0))
        runAgainstFloor(state, view, [&] { drawTileMap(r.target, &map, 0); });
    else
        runAgainstFloor(state, view, [&] { drawTileMapSprites(r.target, &map, 0); });
}
BENCHMARK(BM_GroundLayer)
    ->ArgNames({"batched", "overview"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The world frame on a generated level (the party and enemies of the rig's level 1 standing
// on it). Argument looks 1: with its shores, banks, road ends and decorations, as the game
// draws it; 0: each cell showing its own code's picture, as before them. Either way the
// ground is one draw: the looks are other cells of the same atlas.
void BM_GeneratedLevelFrame(benchmark::State& state) {
    FrameRig& r = rig();
    TileMap& map = r.world->tileMap;
    const LevelCodes levelOne = map.tileCodes;
    seedRandom(7);
    LevelCodes generated{};
    for (int level = kFirstGeneratedLevel; level <= 5; ++level) { // the seed's level 5: a river with bridges
        randomGround(&generated);
        refineCodes(&generated, nullptr);
    }
    map.tileCodes = generated;
    buildTileMap(&map, kMapColumns, kMapRows);
    if (state.range(0) == 0) showPlainGround(&map);
    r.world->hud.visible = state.range(1) ? 0 : 1;
    runAgainstFloor(state, state.range(1) ? r.overview : r.closeView, [&] { drawWorldGame(r.world.get(), r.target, 0); });
    map.tileCodes = levelOne;
    buildTileMap(&map, kMapColumns, kMapRows);
    r.world->hud.visible = 1;
}
BENCHMARK(BM_GeneratedLevelFrame)
    ->ArgNames({"looks", "overview"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// What start-up paid before the credits' veil was left for the credits to read: decoding
// the 1920x1080 picture (into an image only; the game keeps its textures in the cache).
void BM_DecodeCreditsVeil(benchmark::State& state) {
    for (auto _ : state) {
        sf::Image veil;
        benchmark::DoNotOptimize(veil.loadFromFile(resolveAssetPath(kCreditsBlackPath)));
    }
}
BENCHMARK(BM_DecodeCreditsVeil)->Unit(benchmark::kMillisecond);

} // namespace
