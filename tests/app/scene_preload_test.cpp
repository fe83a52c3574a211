// What start-up prepares for the scene changes, played through the shell as a player does:
// afterwards the first new game, level change, shop (both pages), road, battle and victory
// of a run read no file and draw no new letter into a font's page, and the preparation
// leaves both random generators where they were.
#include "app/scene_changes.hpp"
#include "app/scene_preload.hpp"
#include "core/asset_cache.hpp"
#include "core/random.hpp"
#include "menus/menu_test_support.hpp"
#include "world/board_test_support.hpp"
#include "world/encounters.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace menutest;

namespace {

// Every page of both fonts for the sizes the game may use, as pictures: a letter drawn
// for the first time changes its page.
constexpr unsigned kLargestCheckedSize = 64;

std::vector<sf::Image> fontPages() {
    std::vector<sf::Image> pages;
    for (const char* path : {kPixelFontPath, kDisplayFontPath})
        for (unsigned size = 1; size <= kLargestCheckedSize; ++size)
            pages.push_back(cachedFont(path).getTexture(size).copyToImage());
    return pages;
}

// The first font page found changed, as "font size", or "" when none did.
std::string changedPage(const std::vector<sf::Image>& before, const std::vector<sf::Image>& after) {
    for (std::size_t k = 0; k < before.size() && k < after.size(); ++k) {
        const bool sameSize = before[k].getSize() == after[k].getSize();
        if (!sameSize || differingPixels(before[k], after[k]) > 0)
            return std::string(k < kLargestCheckedSize ? "pixel font " : "display font ") +
                   std::to_string(k % kLargestCheckedSize + 1);
    }
    return "";
}

} // namespace

TEST(ScenePreload, AfterStartUpTheFirstSceneChangesReadNoFileAndDrawNoNewLetter) {
    auto game = makeTestGame();
    seedRandom(7);
    const std::string gameplay = randomState();
    const std::string cosmetic = cosmeticRandomState();
    testing::internal::CaptureStdout(); // the battle's traces
    preloadScenePictures();
    preloadSceneDrawing(game->window);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(randomState() == gameplay) << "start-up preparation drew from the gameplay generator";
    EXPECT_TRUE(cosmeticRandomState() == cosmetic) << "start-up preparation drew from the cosmetic generator";

    const std::size_t files = cachedAssetCount();
    const std::vector<sf::Image> pages = fontPages();
    auto expectNothingNew = [&](const char* change) {
        EXPECT_EQ(cachedAssetCount(), files) << change << " read a file start-up did not";
        EXPECT_EQ(changedPage(pages, fontPages()), "") << change << " drew a letter start-up did not";
    };

    TeamSelectChoice start;
    start.started = 1;
    start.team = {PLAYER_REM, PLAYER_TUNGSTENE, PLAYER_LIGHT, PLAYER_HEAVY};
    applyTeamSelectChoice(game.get(), start);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    stepFrames(game.get(), 2);
    expectNothingNew("a new game");

    enableDebug(game.get());
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Right)); // the level is cleared
    ASSERT_EQ(game->sceneState, SCENE_SHOP);
    stepFrames(game.get(), 2);
    clickSprite(game.get(), game->shop.frontHire.sprite);
    stepFrames(game.get(), 2);
    clickSprite(game.get(), game->shop.hire.sprite); // a hire, or the note that refuses it
    stepFrames(game.get(), 2);
    expectNothingNew("the level change and the shop");

    clickSprite(game.get(), game->shop.returnButton.sprite);
    clickSprite(game.get(), game->shop.next.sprite);
    ASSERT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION);
    stepFrames(game.get(), 2);
    stepSeconds(game.get(), 4.f);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    stepFrames(game.get(), 2);
    expectNothingNew("the road and the next level");

    WorldGame& world = game->world;
    putEnemy(&world, ENEMY_HEAVY, playerCell(&world.party.players[0]));
    testing::internal::CaptureStdout();
    checkFightStart(&world, &game->window);
    stepFrames(game.get(), 2);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(world.phase, WORLD_PHASE_FIGHT);
    expectNothingNew("a battle");

    // The last level cleared: the victory screen.
    world.phase = WORLD_PHASE_MAP;
    world.level = 10;
    world.enemies.count = 0;
    checkLevelComplete(game.get());
    ASSERT_EQ(game->sceneState, SCENE_WIN);
    stepFrames(game.get(), 2);
    expectNothingNew("the victory screen");
}
