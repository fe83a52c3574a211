// Every screen's frame against the floor, all in one run (argument "now" 1: as the game
// draws it; 0: the layers this version changed drawn as before, one sprite at a time,
// blended and whole). The floor (bench_support.hpp): 510 plain 64x64 sprites at scale 2
// from 100 textures, all on the screen, drawn one at a time. Each screen frame (its update
// where it has one, then its draw) is paired with a floor frame drawn just before it, into
// the same 1920x1080 render texture, each waited for with glFinish (the software driver
// rasterises only then). x_floor is the ratio of their summed times, so load from other
// processes hits both alike; repetitions run the screens again pass after pass. The battle
// is also set against the world close view frame for frame (BM_BattleAgainstWorld: x_world
// with no hero selected, x_world_range with one selected and its range shown). The ground
// alone and a cleared frame show what every map frame pays at least.
//
// The screens as a player sees them: the map mid-turn (tutorial read, the HUD up), and the
// same with a hero selected and its range shown; the overview (M held); team selection
// after one pick; the main menu with its buttons arrived and the walkers out; a battle in
// full swing (a hand fanned, a card's arrow out, every enemy just hit); the level
// transition halfway through its road; the shop's front and hire pages.
#include "core/asset_cache.hpp"
#include "core/camera.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "fight/fight_paths.hpp"
#include "fight/fight_scene.hpp"
#include "menus/main_menu.hpp"
#include "menus/shop.hpp"
#include "menus/team_select.hpp"
#include "world/level_transition.hpp"
#include "world/tile_catalogue.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include "bench_support.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr float kDt = 1.f / 60.f;

enum Screen : int {
    SCREEN_WORLD_CLOSE,
    SCREEN_WORLD_OVERVIEW,
    SCREEN_TEAM_SELECT,
    SCREEN_MAIN_MENU,
    SCREEN_BATTLE,
    SCREEN_TRANSITION,
    SCREEN_SHOP_FRONT,
    SCREEN_SHOP_HIRE,
    SCREEN_WORLD_RANGE,
    SCREEN_GROUND_ONLY,
    SCREEN_CLEAR_ONLY,
    SCREEN_COUNT
};
const char* const kScreenNames[SCREEN_COUNT] = {"world_close", "world_overview", "team_select", "main_menu",
                                                "battle",      "transition",     "shop_front",  "shop_hire",
                                                "world_close_range", "ground_only", "clear_only"};

struct ScreenRig {
    sf::RenderTexture target;
    SpriteFloor floor;
    sf::View screenView{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
    sf::View overview{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
    std::unique_ptr<WorldGame> world = std::make_unique<WorldGame>();
    std::unique_ptr<WorldGame> worldRange = std::make_unique<WorldGame>();
    std::unique_ptr<TeamSelect> teamSelect = std::make_unique<TeamSelect>();
    std::unique_ptr<MainMenu> mainMenu = std::make_unique<MainMenu>();
    std::unique_ptr<FightScene> fight = std::make_unique<FightScene>();
    std::unique_ptr<LevelTransition> transition = std::make_unique<LevelTransition>();
    std::unique_ptr<Shop> shop = std::make_unique<Shop>();
    std::unique_ptr<Shop> hireShop = std::make_unique<Shop>();
    // The same screens with the changed layers as they were drawn before.
    std::unique_ptr<Shop> shopBefore = std::make_unique<Shop>();
    std::unique_ptr<Shop> hireShopBefore = std::make_unique<Shop>();
};

void setUpWorld(WorldGame& world, bool selectHero) {
    seedRandom(2024);
    initCamera(&world.camera);
    const std::int32_t team[4] = {1, 2, 3, 1};
    initWorldGame(&world, team);
    world.dialog.visible = 0; // the tutorial read
    world.banners.allyHidden = 1;
    world.banners.enemyHidden = 1;
    if (!selectHero) return;
    // The first hero selected: its range is shown.
    const sf::Vector2f at = world.party.players[0].body.sprite.getPosition();
    clickBoard(&world, static_cast<std::int32_t>(at.x) + 40, static_cast<std::int32_t>(at.y) + 40);
}

void setUpFight(FightScene& scene) {
    const UnitStats heroes[3] = {initialUnitStats(PLAYER_IRINA), initialUnitStats(PLAYER_REM),
                                 initialUnitStats(PLAYER_LIGHT)};
    const UnitStats enemies[3] = {initialUnitStats(ENEMY_LIGHT), initialUnitStats(ENEMY_TANK),
                                  initialUnitStats(ENEMY_SHIELD)};
    initFightScene(&scene, heroes, 3, enemies, 3);
    auto centre = [](const sf::Sprite& sprite) {
        const sf::FloatRect b = sprite.getGlobalBounds();
        return sf::Event::MouseMoveEvent{static_cast<int>(b.left + b.width / 2.f), static_cast<int>(b.top + b.height / 2.f)};
    };
    for (int i = 0; i < 150; ++i) updateFightScene(&scene, kDt);
    mouseMovedFightScene(&scene, centre(scene.allies.allies[0].fighter.body.sprite));
    updateFightScene(&scene, kDt);
    mousePressedFightScene(&scene);
    updateFightScene(&scene, kDt);
    const sf::FloatRect card = scene.allies.allies[0].hand.cards[4].sprite.getGlobalBounds();
    mouseMovedFightScene(&scene, {static_cast<int>(card.left + card.width - 20.f), static_cast<int>(card.top + card.height / 2.f)});
    updateFightScene(&scene, kDt);
    mousePressedFightScene(&scene);
    mouseMovedFightScene(&scene, centre(scene.enemies.enemies[1].fighter.body.sprite));
    updateFightScene(&scene, kDt);
}

ScreenRig& rig() {
    static ScreenRig r;
    static bool built = false;
    if (built) return r;
    built = true;
    r.target.create(1920, 1080);
    r.target.setActive(true);
    r.overview.setCenter(1920.f, 1080.f);
    r.overview.zoom(2.f);
    quietly([] {
        setUpWorld(*r.world, false);
        setUpWorld(*r.worldRange, true);
        initTeamSelect(r.teamSelect.get());
        // One pick made: the first slot is filled and the carousel shows the companions.
        const sf::FloatRect select = r.teamSelect->button.getGlobalBounds();
        mousePressedTeamSelect(r.teamSelect.get(), select.left + 5.f, select.top + 5.f);
        initMainMenu(r.mainMenu.get());
        for (int i = 0; i < 600; ++i) updateMainMenu(r.mainMenu.get(), kDt);
        setUpFight(*r.fight);
        initLevelTransition(r.transition.get());
        startLevelTransition(r.transition.get(), 3);
        for (int i = 0; i < 60; ++i) updateLevelTransition(r.transition.get(), kDt);
        openShop(r.shop.get(), 2, 450);
        openShop(r.hireShop.get(), 2, 450);
        r.hireShop->hirePageOpen = 1;
    });
    for (auto [now, before] : {std::pair{r.shop.get(), r.shopBefore.get()}, std::pair{r.hireShop.get(), r.hireShopBefore.get()}}) {
        *before = *now;
        before->notePad = createSprite(createTexture(kShopNotePadPath));
        before->notePad.setScale(4.f, 4.f);
        before->tableOpaque = 0;
        before->tableStrips = BackdropStrips{};
    }
    // The floor: the field's 64x64 picture.
    initSpriteFloor(&r.floor, createTexture(tilePicturePath(TILE_FIELD)).copyToImage());
    return r;
}

double timeFrame(ScreenRig& r, const sf::View& view, const std::function<void()>& draw) {
    return ::timeFrame(r.target, view, draw);
}

// Every pile of effects in the battle, so that they can be drawn one effect at a time.
std::vector<ImpactSet*> impactSets(FightScene& scene) {
    std::vector<ImpactSet*> sets;
    for (Ally& ally : scene.allies.allies) {
        sets.push_back(&ally.fighter.hitEffect);
        sets.push_back(&ally.attackBoostEffect);
        sets.push_back(&ally.defenseBoostEffect);
    }
    for (FightEnemy& enemy : scene.enemies.enemies) sets.push_back(&enemy.fighter.hitEffect);
    return sets;
}

std::vector<FighterBody*> fighterBodies(FightScene& scene) {
    std::vector<FighterBody*> bodies;
    for (Ally& ally : scene.allies.allies) bodies.push_back(&ally.fighter.body);
    for (FightEnemy& enemy : scene.enemies.enemies) bodies.push_back(&enemy.fighter.body);
    return bodies;
}

void drawScreenBefore(ScreenRig& r, int screen);

void drawScreen(ScreenRig& r, int screen, bool now) {
    if (!now) {
        drawScreenBefore(r, screen);
        return;
    }
    switch (screen) {
    case SCREEN_WORLD_CLOSE:
        r.world->hud.visible = 1;
        drawWorldGame(r.world.get(), r.target, 0);
        break;
    case SCREEN_WORLD_OVERVIEW:
        r.world->hud.visible = 0;
        drawWorldGame(r.world.get(), r.target, 0);
        break;
    case SCREEN_WORLD_RANGE:
        r.worldRange->hud.visible = 1;
        drawWorldGame(r.worldRange.get(), r.target, 0);
        break;
    case SCREEN_GROUND_ONLY: drawTileMap(r.target, &r.world->tileMap, 0); break;
    case SCREEN_TEAM_SELECT:
        updateTeamSelect(r.teamSelect.get(), kDt);
        drawTeamSelect(r.teamSelect.get(), r.target);
        break;
    case SCREEN_MAIN_MENU:
        updateMainMenu(r.mainMenu.get(), kDt);
        drawMainMenu(r.mainMenu.get(), r.target);
        break;
    case SCREEN_BATTLE:
        for (FightEnemy& enemy : r.fight->enemies.enemies) enemy.fighter.hit = 1;
        updateFightScene(r.fight.get(), kDt);
        drawFightScene(r.fight.get(), r.target);
        break;
    case SCREEN_TRANSITION:
        // Halfway along the road, every frame (the animation is held there).
        drawLevelTransition(r.transition.get(), r.target);
        break;
    case SCREEN_SHOP_FRONT:
        updateShop(r.shop.get(), kDt);
        drawShop(r.shop.get(), r.target);
        break;
    case SCREEN_SHOP_HIRE:
        updateShop(r.hireShop.get(), kDt);
        drawShop(r.hireShop.get(), r.target);
        break;
    default: break;
    }
}

// The changed layers as they were: the map's sprites and the battle's effects each drawn
// on its own picture, the shop's and the transition's pictures whole and blended.
void drawScreenBefore(ScreenRig& r, int screen) {
    switch (screen) {
    case SCREEN_WORLD_CLOSE:
    case SCREEN_WORLD_OVERVIEW:
    case SCREEN_WORLD_RANGE: {
        WorldGame& world = screen == SCREEN_WORLD_RANGE ? *r.worldRange : *r.world;
        const PictureAtlas atlas = world.mapBatch.atlas;
        world.mapBatch.atlas = PictureAtlas{};
        drawScreen(r, screen, true);
        world.mapBatch.atlas = atlas;
        break;
    }
    case SCREEN_BATTLE: {
        std::vector<PictureAtlas> atlases;
        for (ImpactSet* set : impactSets(*r.fight)) {
            atlases.push_back(set->atlas);
            set->atlas = PictureAtlas{};
        }
        const BackdropStrips shown = r.fight->background.shown;
        const OpaqueSplit bar = r.fight->hudBattleSplit;
        const sf::Sprite wholeBar = r.fight->hudBattle;
        r.fight->background.shown = BackdropStrips{};
        r.fight->hudBattleSplit = OpaqueSplit{};
        r.fight->hudBattle = sf::Sprite(createTexture(kHudBattlePath));
        std::vector<const char*> bodies;
        for (FighterBody* body : fighterBodies(*r.fight)) {
            bodies.push_back(body->path);
            body->path = nullptr; // the whole frame
        }
        drawScreen(r, screen, true);
        r.fight->background.shown = shown;
        r.fight->hudBattleSplit = bar;
        r.fight->hudBattle = wholeBar;
        std::size_t b = 0;
        for (FighterBody* body : fighterBodies(*r.fight)) body->path = bodies[b++];
        std::size_t k = 0;
        for (ImpactSet* set : impactSets(*r.fight)) set->atlas = atlases[k++];
        break;
    }
    case SCREEN_TEAM_SELECT: { // the whole table under the pad and the whole title picture
        TeamSelect& t = *r.teamSelect;
        const BackdropStrips strips = t.tableStrips;
        const sf::Sprite title = t.title;
        t.tableStrips = BackdropStrips{};
        t.title = createSprite(*title.getTexture());
        t.title.setPosition(260.f, 100.f);
        drawScreen(r, screen, true);
        t.tableStrips = strips;
        t.title = title;
        break;
    }
    case SCREEN_MAIN_MENU: { // the whole backdrop blended and the whole title picture
        MainMenu& menu = *r.mainMenu;
        const sf::Sprite title = menu.title;
        const BackdropStrips strips = menu.backgroundStrips;
        menu.backgroundOpaque = 0;
        menu.backgroundStrips = BackdropStrips{};
        menu.title = createSprite(*title.getTexture());
        menu.title.setOrigin(menu.title.getLocalBounds().width / 2.f, 0.f);
        menu.title.setPosition(kMainMenuButtonX, 0.f);
        drawScreen(r, screen, true);
        menu.backgroundOpaque = 1;
        menu.backgroundStrips = strips;
        menu.title = title;
        break;
    }
    case SCREEN_TRANSITION: // the table, the frame and the road's whole frame, blended
        r.target.draw(r.transition->tableSprite);
        r.target.draw(r.transition->frameSprite);
        r.target.draw(r.transition->sheetSprite);
        break;
    case SCREEN_SHOP_FRONT:
        updateShop(r.shopBefore.get(), kDt);
        drawShop(r.shopBefore.get(), r.target);
        break;
    case SCREEN_SHOP_HIRE:
        updateShop(r.hireShopBefore.get(), kDt);
        drawShop(r.hireShopBefore.get(), r.target);
        break;
    default: drawScreen(r, screen, true); break;
    }
}

// The battle against the world close view, frame for frame in turn, so that both meet the
// same load: x_world is the ratio of their summed times.
void BM_BattleAgainstWorld(benchmark::State& state) {
    ScreenRig& r = rig();
    double world = 0.0, worldRange = 0.0, battle = 0.0;
    for (auto _ : state) {
        world += timeFrame(r, r.screenView, [&r] { drawScreen(r, SCREEN_WORLD_CLOSE, true); });
        worldRange += timeFrame(r, r.screenView, [&r] { drawScreen(r, SCREEN_WORLD_RANGE, true); });
        const double frame = timeFrame(r, r.screenView, [&r] { drawScreen(r, SCREEN_BATTLE, true); });
        battle += frame;
        state.SetIterationTime(frame);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["world_ms"] = frames > 0 ? 1000.0 * world / frames : 0.0;
    state.counters["x_world"] = world > 0 ? battle / world : 0.0;
    state.counters["x_world_range"] = worldRange > 0 ? battle / worldRange : 0.0;
}
BENCHMARK(BM_BattleAgainstWorld)->MinTime(1.0)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ScreenAgainstFloor(benchmark::State& state) {
    ScreenRig& r = rig();
    const int screen = static_cast<int>(state.range(0));
    const bool now = state.range(1) != 0;
    const sf::View& view = screen == SCREEN_WORLD_OVERVIEW ? r.overview : r.screenView;
    double floorSeconds = 0.0, frameSeconds = 0.0;
    for (auto _ : state) {
        floorSeconds += timeFrame(r, view, [&r] { drawSpriteFloor(r.floor, r.target); });
        const double frame = timeFrame(r, view, [&r, screen, now] { drawScreen(r, screen, now); });
        frameSeconds += frame;
        state.SetIterationTime(frame);
    }
    state.SetLabel(std::string(kScreenNames[screen]) + (now ? "" : " (before)"));
    const double frames = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = frames > 0 ? 1000.0 * floorSeconds / frames : 0.0;
    state.counters["x_floor"] = floorSeconds > 0 ? frameSeconds / floorSeconds : 0.0;
}
void screenArguments(benchmark::internal::Benchmark* b) {
    for (int now = 0; now <= 1; ++now)
        for (int screen = 0; screen < SCREEN_COUNT; ++screen) {
            const bool changed = screen == SCREEN_WORLD_CLOSE || screen == SCREEN_WORLD_OVERVIEW ||
                                 screen == SCREEN_WORLD_RANGE || screen == SCREEN_BATTLE ||
                                 screen == SCREEN_TRANSITION || screen == SCREEN_SHOP_FRONT || screen == SCREEN_SHOP_HIRE ||
                                 screen == SCREEN_TEAM_SELECT || screen == SCREEN_MAIN_MENU;
            if (now || changed) b->Args({screen, now});
        }
}
BENCHMARK(BM_ScreenAgainstFloor)
    ->ArgNames({"screen", "now"})
    ->Apply(screenArguments)
    ->MinTime(1.0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
