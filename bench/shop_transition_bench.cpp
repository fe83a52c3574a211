// The first frame of the shop and of the level transition at 1920x1080: the record set up,
// one update and one draw, waited for until the graphics card has finished it. "Cold" runs
// start from an empty picture cache (every file decoded again), "warm" ones from a full one.
// Needs a display (run under Xvfb). The floor (one opaque full-screen picture) tells how
// fast the graphics driver fills a screen on this machine.
#include "core/asset_cache.hpp"
#include "core/resources.hpp"
#include "menus/shop.hpp"
#include "world/level_transition.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Context.hpp>

#include "bench_support.hpp"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr float kFrameDt = 1.f / 60.f;

sf::RenderTexture& canvas() {
    static sf::RenderTexture texture;
    static const bool created = texture.create(1920, 1080);
    (void)created;
    return texture;
}

void shopFrame(Shop* shop, sf::RenderTexture& target) {
    openShop(shop, 2, 450);
    updateShop(shop, kFrameDt);
    target.clear();
    drawShop(shop, target);
    target.display();
    finishDrawing();
}

void transitionFrame(LevelTransition* transition, int sheet, bool init, sf::RenderTexture& target) {
    if (init) initLevelTransition(transition);
    startLevelTransition(transition, sheet);
    updateLevelTransition(transition, kFrameDt);
    target.clear();
    drawLevelTransition(transition, target);
    target.display();
    finishDrawing();
}

// The floor every full screen pays: one opaque 1920x1080 picture drawn and waited for.
void BM_FloorOneScreenPicture(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    sf::Sprite table = createSprite(createTexture(kShopTablePath));
    table.setScale(4.f, 4.f);
    for (auto _ : state) {
        target.clear();
        target.draw(table);
        target.display();
        finishDrawing();
    }
}
BENCHMARK(BM_FloorOneScreenPicture)->Unit(benchmark::kMillisecond);

void BM_ShopFirstFrameWarm(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    auto shop = std::make_unique<Shop>();
    shopFrame(shop.get(), target); // fills the cache
    for (auto _ : state) shopFrame(shop.get(), target);
}
BENCHMARK(BM_ShopFirstFrameWarm)->Unit(benchmark::kMillisecond);

void BM_ShopFirstFrameCold(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    for (auto _ : state) {
        state.PauseTiming();
        auto shop = std::make_unique<Shop>();
        clearAssetCache();
        state.ResumeTiming();
        shopFrame(shop.get(), target);
    }
}
BENCHMARK(BM_ShopFirstFrameCold)->Unit(benchmark::kMillisecond);

// The shop's hire page once open: one ordinary frame (update and draw).
void BM_ShopHirePageFrame(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    auto shop = std::make_unique<Shop>();
    openShop(shop.get(), 2, 450);
    shop->hirePageOpen = 1;
    for (auto _ : state) {
        updateShop(shop.get(), kFrameDt);
        target.clear();
        drawShop(shop.get(), target);
        target.display();
        finishDrawing();
    }
}
BENCHMARK(BM_ShopHirePageFrame)->Unit(benchmark::kMillisecond);

void BM_TransitionFirstFrameWarm(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    auto transition = std::make_unique<LevelTransition>();
    initLevelTransition(transition.get());
    for (int sheet = kTransitionFirstSheet; sheet <= kTransitionLastSheet; ++sheet)
        transitionFrame(transition.get(), sheet, false, target);
    int sheet = kTransitionFirstSheet;
    for (auto _ : state) {
        transitionFrame(transition.get(), sheet, false, target);
        sheet = sheet == kTransitionLastSheet ? kTransitionFirstSheet : sheet + 1;
    }
}
BENCHMARK(BM_TransitionFirstFrameWarm)->Unit(benchmark::kMillisecond);

// The usual case in play: the road after a level is shown once per game, so its sheet is
// decoded on the first frame (the table and frame are already in the cache from start-up).
void BM_TransitionFirstFrameNewRoad(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    auto transition = std::make_unique<LevelTransition>();
    int sheet = kTransitionFirstSheet;
    for (auto _ : state) {
        state.PauseTiming();
        clearAssetCache();
        initLevelTransition(transition.get());
        state.ResumeTiming();
        transitionFrame(transition.get(), sheet, false, target);
        sheet = sheet == kTransitionLastSheet ? kTransitionFirstSheet : sheet + 1;
    }
}
BENCHMARK(BM_TransitionFirstFrameNewRoad)->Unit(benchmark::kMillisecond);

void BM_TransitionFirstFrameCold(benchmark::State& state) {
    sf::RenderTexture& target = canvas();
    auto transition = std::make_unique<LevelTransition>();
    for (auto _ : state) {
        state.PauseTiming();
        clearAssetCache();
        state.ResumeTiming();
        transitionFrame(transition.get(), kTransitionFirstSheet, true, target);
    }
}
BENCHMARK(BM_TransitionFirstFrameCold)->Unit(benchmark::kMillisecond);

} // namespace
