#include "app/game.hpp"
#include "core/random.hpp"
#include "menus/menu_test_support.hpp"
#include "world/level_file.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace menutest;

namespace {

struct RunRecord {
    std::vector<std::string> levelFiles;
    std::vector<GridPos> heroCells;
    std::vector<GridPos> enemyCells;
    std::vector<std::int32_t> enemyTypes;
    int nextDraw = 0;
};

// Starts the game with `seed`, lets the main menu run for `idleFrames` frames, then plays
// Play and four Selects, and records what the seed decided.
RunRecord playWithSeed(const char* seed, int idleFrames) {
    setenv("OSTREVALD_SEED", seed, 1);
    auto game = makeTestGame();
    unsetenv("OSTREVALD_SEED");
    RunRecord run;
    // Levels 1 and 2 ship with the game; 3 to 10 are generated where this game writes.
    for (int level = 1; level <= 10; ++level)
        run.levelFiles.push_back(readFile(levelFilePath(level <= 2 ? kLevelFolder : game->folders.levels, level)));
    // Idling: the walkers of the main menu come and go, drawing their places and delays.
    for (int frame = 0; frame < idleFrames; ++frame) stepGame(game.get(), 1.f / 60.f);
    stepSeconds(game.get(), 3.f); // the buttons have dropped in
    clickSprite(game.get(), game->mainMenu.play.sprite);
    for (int pick = 0; pick < 4; ++pick) {
        stepFrames(game.get(), 2);
        clickSprite(game.get(), game->teamSelect.button);
    }
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    stepFrames(game.get(), 30);
    for (std::uint32_t i = 0; i < game->world.party.count; ++i)
        run.heroCells.push_back(playerCell(&game->world.party.players[i]));
    for (std::uint32_t i = 0; i < game->world.enemies.count; ++i) {
        run.enemyCells.push_back(enemyCell(&game->world.enemies.enemies[i]));
        run.enemyTypes.push_back(game->world.enemies.enemies[i].type);
    }
    run.nextDraw = randomInt();
    return run;
}

} // namespace

TEST(SeedReplay, IdlingInTheMainMenuChangesNothingTheSeedDecides) {
    const RunRecord quick = playWithSeed("4242", 0);
    const RunRecord idle = playWithSeed("4242", 1500); // 25 seconds of menu walkers
    ASSERT_EQ(quick.heroCells.size(), 4u);
    ASSERT_EQ(quick.enemyCells.size(), 4u);
    EXPECT_EQ(quick.levelFiles, idle.levelFiles);
    EXPECT_EQ(quick.heroCells, idle.heroCells);
    EXPECT_EQ(quick.enemyCells, idle.enemyCells);
    EXPECT_EQ(quick.enemyTypes, idle.enemyTypes);
    EXPECT_EQ(quick.nextDraw, idle.nextDraw) << "the gameplay sequence stands at the same place";

    // And the seed matters: another one places the party elsewhere or draws other levels.
    const RunRecord other = playWithSeed("977", 0);
    EXPECT_TRUE(other.levelFiles != quick.levelFiles || other.heroCells != quick.heroCells);
}
