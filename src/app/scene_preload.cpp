#include "app/scene_preload.hpp"

#include "core/asset_cache.hpp"
#include "core/camera.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/unit_stats.hpp"
#include "core/visible_area.hpp"
#include "fight/fight_scene.hpp"
#include "menus/end_screens.hpp"
#include "menus/shop.hpp"
#include "world/level_transition.hpp"
#include "world/map_batch.hpp"
#include "world/world_assets.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <memory>
#include <string>

namespace {

constexpr float kFrameSeconds = 1.f / 60.f;

// Both random generators as they were when made, put back when it ends: what start-up
// rehearses deals hands and places units, and a seed must play the same game without it.
struct RandomStateKeeper {
    std::string gameplay = randomState();
    std::string cosmetic = cosmeticRandomState();
    ~RandomStateKeeper() {
        setRandomState(gameplay);
        setCosmeticRandomState(cosmetic);
    }
};

// A battle of three against three, as the first one of a game opens.
std::unique_ptr<FightScene> makeBattle() {
    const UnitStats heroes[] = {initialUnitStats(PLAYER_IRINA), initialUnitStats(PLAYER_REM),
                                initialUnitStats(PLAYER_TUNGSTENE)};
    const UnitStats enemies[] = {initialUnitStats(ENEMY_LIGHT), initialUnitStats(ENEMY_HEAVY),
                                 initialUnitStats(ENEMY_SHIELD)};
    auto scene = std::make_unique<FightScene>();
    initFightScene(scene.get(), heroes, 3, enemies, 3);
    return scene;
}

// The board's own pictures a new game opens: the camp screen, the tutorial box, the undo
// button and the key hints.
void preloadBoardPictures() {
    for (const AssetRequirement& row : boardAssetRequirements())
        if (row.path.ends_with(".png")) createTexture(row.path);
}

} // namespace

void preloadScenePictures() {
    preloadMapPictures();
    preloadBoardPictures();
    preloadFightScene(); // every fighter of both sides, with what a battle with fighters reads
    auto shop = std::make_unique<Shop>();
    openShop(shop.get(), 0, 0);
    auto transition = std::make_unique<LevelTransition>();
    initLevelTransition(transition.get());
    for (std::int32_t sheet = kTransitionFirstSheet; sheet <= kTransitionLastSheet; ++sheet) {
        startLevelTransition(transition.get(), sheet);
        if (transition->sheetTexture->getSize().x > 0)
            visibleFrameArea(transition->sheetPath.data(), transition->sheetSprite.getTextureRect());
    }
    // The end screens: a won or lost game changes screens at once too.
    auto won = std::make_unique<WinScreen>();
    initWinScreen(won.get());
    auto lost = std::make_unique<DefeatScreen>();
    initDefeatScreen(lost.get());
    preloadSceneGlyphs();
}

void preloadSceneGlyphs() {
    for (const SceneTextStyle& style : kSceneTextStyles) {
        const sf::Font& font = cachedFont(style.font);
        for (sf::Uint32 letter = kFirstShownLetter; letter <= kLastShownLetter; ++letter) {
            font.getGlyph(letter, style.size, false, 0.f);
            if (style.outline > 0.f) font.getGlyph(letter, style.size, false, style.outline);
        }
    }
}

void preloadSceneDrawing(sf::RenderTarget& target) {
    const RandomStateKeeper keeper;
    auto shop = std::make_unique<Shop>();
    openShop(shop.get(), 2, 0);
    updateShop(shop.get(), kFrameSeconds);
    auto transition = std::make_unique<LevelTransition>();
    initLevelTransition(transition.get());
    startLevelTransition(transition.get(), kTransitionFirstSheet);
    updateLevelTransition(transition.get(), kFrameSeconds);
    auto world = std::make_unique<WorldGame>();
    initCamera(&world->camera);
    const std::int32_t team[4] = {PLAYER_IRINA, PLAYER_REM, PLAYER_TUNGSTENE, PLAYER_LIGHT};
    initWorldGame(world.get(), team);
    auto battle = makeBattle();
    updateFightScene(battle.get(), kFrameSeconds);
    auto won = std::make_unique<WinScreen>();
    initWinScreen(won.get());
    updateWinScreen(won.get(), kFrameSeconds);
    auto lost = std::make_unique<DefeatScreen>();
    initDefeatScreen(lost.get());

    const sf::View kept = target.getView();
    sf::View pixel = target.getDefaultView();
    const sf::Vector2u size = target.getSize();
    pixel.setViewport({0.f, 0.f, 1.f / static_cast<float>(size.x > 0 ? size.x : 1),
                       1.f / static_cast<float>(size.y > 0 ? size.y : 1)});
    target.setView(pixel);
    drawShop(shop.get(), target);
    drawLevelTransition(transition.get(), target);
    drawWorldGame(world.get(), target, 0);
    drawFightScene(battle.get(), target);
    drawWinScreen(won.get(), target);
    drawDefeatScreen(lost.get(), target);
    target.setView(kept);
    target.clear(sf::Color::Black);

    destroyFightScene(battle.get());
    destroyWorldGame(world.get());
}
