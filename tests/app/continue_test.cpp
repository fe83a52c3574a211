#include "app/autosave.hpp"
#include "core/atomic_write.hpp"
#include "menus/menu_test_support.hpp"
#include "world/save_file.hpp"

#include <filesystem>

using namespace menutest;

namespace {

// Play, then the four picks of team selection, as a player clicks them.
void startNewGame(MainData* game) {
    stepSeconds(game, 3.f); // the buttons have dropped in
    clickSprite(game, game->mainMenu.play.sprite);
    for (int pick = 0; pick < 4; ++pick) {
        stepFrames(game, 2);
        clickSprite(game, game->teamSelect.button);
    }
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
}

// Escape, then Exit to menu.
void exitToMenu(MainData* game) {
    dispatchEvent(game, keyPressEvent(sf::Keyboard::Escape));
    dispatchEvent(game, keyReleaseEvent(sf::Keyboard::Escape));
    ASSERT_EQ(game->sceneState, SCENE_PAUSE);
    stepSeconds(game, 3.f);
    // The menu lies over the map where the view stands: its button is clicked on the screen.
    const sf::Vector2i exit = centreOf(game->pauseMenu.exitToMenu.sprite) - sf::Vector2i(game->world.camera.topLeft);
    clickAt(game, exit.x, exit.y);
    ASSERT_EQ(game->sceneState, SCENE_MAIN_MENU);
}

} // namespace

TEST(Continue, ResumesTheSavedLevelAndGoldThroughTheMenus) {
    auto game = makeTestGame();
    EXPECT_EQ(game->mainMenu.continueShown, 0) << "no save: no Continue";
    EXPECT_FALSE(std::filesystem::exists(saveFileOf(game.get())));
    // Without a save, a click where Continue would rest is Play's.
    stepSeconds(game.get(), 3.f);
    dispatchEvent(game.get(), mousePressEvent(960, static_cast<int>(kMainMenuContinueRestY) + 50));
    EXPECT_EQ(game->sceneState, SCENE_TEAM_SELECT);
    game->sceneState = SCENE_MAIN_MENU;

    startNewGame(game.get());
    stepFrames(game.get(), 3);
    settleSaves(game.get());
    ASSERT_TRUE(std::filesystem::exists(saveFileOf(game.get()))) << "the first level's start is saved";

    // Level 2 through the debug key, the shop and the road: saved at its start.
    enableDebug(game.get());
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Right));
    ASSERT_EQ(game->sceneState, SCENE_SHOP);
    game->shop.shopGold = 137;
    stepFrames(game.get(), 2);
    clickSprite(game.get(), game->shop.next.sprite);
    for (int i = 0; i < 2000 && game->sceneState != SCENE_WORLD; ++i) stepGame(game.get(), 1.f / 20.f);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    stepFrames(game.get(), 3);
    ASSERT_EQ(game->world.level, 2);
    const std::int32_t gold = game->world.gold;
    EXPECT_EQ(gold, 137) << "the shop's gold is the level's";
    const std::uint32_t heroes = game->world.party.count;

    exitToMenu(game.get());
    EXPECT_EQ(game->mainMenu.continueShown, 1) << "Exit to menu keeps the last autosave";
    game->world.gold = 0;
    game->world.level = 7;
    stepSeconds(game.get(), 3.f);
    clickSprite(game.get(), game->mainMenu.continueButton.sprite);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->world.level, 2);
    EXPECT_EQ(game->world.gold, gold);
    EXPECT_EQ(game->world.party.count, heroes);
    EXPECT_GT(game->world.enemies.count, 0u);
    stepFrames(game.get(), 10);
    EXPECT_EQ(game->sceneState, SCENE_WORLD) << "the continued game plays on";

    // Winning ends the saved game: nothing is left to continue.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::W));
    stepFrames(game.get(), 2);
    ASSERT_EQ(game->sceneState, SCENE_WIN);
    EXPECT_FALSE(std::filesystem::exists(saveFileOf(game.get())));
}

TEST(Continue, ADamagedSaveIsRefusedAndThePlayerIsTold) {
    auto game = makeTestGame();
    startNewGame(game.get());
    stepFrames(game.get(), 3);
    settleSaves(game.get());
    const std::string path = saveFileOf(game.get());
    ASSERT_TRUE(std::filesystem::exists(path));
    exitToMenu(game.get());
    ASSERT_EQ(game->mainMenu.continueShown, 1);

    // Damaged with no backup to fall back on.
    writeFileAtomically(path, "{\"format\": \"ostrevald-save\", \"version\": 1, \"level\": 99}");
    std::remove(saveBackupPath(path).c_str());
    refreshSavedGame(game.get());
    EXPECT_EQ(game->mainMenu.continueShown, 0);
    EXPECT_FALSE(game->mainMenu.message.getString().isEmpty());
    EXPECT_TRUE(std::filesystem::exists(saveCorruptPath(path)));
    renderGame(game.get()); // the message is drawn with the menu
}

TEST(Continue, AnUnwritableFolderKeepsTheGamePlayingAndSaysItCannotSave) {
    auto game = makeTestGame();
    TempFolder folder;
    writeFileAtomically(folder.file("blocker"), "a file where a folder should be");
    game->folders.levels = folder.file("blocker") + "/levels";
    game->world.generatedLevelFolder = game->folders.levels;
    enterWorld(game.get());
    stepFrames(game.get(), 3);
    settleSaves(game.get());
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->saveFailed, 1);
    exitToMenu(game.get());
    EXPECT_EQ(game->mainMenu.continueShown, 0);
    EXPECT_FALSE(game->mainMenu.message.getString().isEmpty());
}

TEST(Continue, ASaveOfANewerVersionIsLeftAloneAndANewGameReplacesAnOldOne) {
    auto game = makeTestGame();
    startNewGame(game.get());
    stepFrames(game.get(), 3);
    const std::string path = saveFileOf(game.get());
    exitToMenu(game.get());

    const std::string newer = "{\"format\": \"ostrevald-save\", \"version\": 99, \"whatever\": [1, 2]}";
    writeFileAtomically(path, newer);
    refreshSavedGame(game.get());
    EXPECT_EQ(game->mainMenu.continueShown, 0);
    EXPECT_FALSE(game->mainMenu.message.getString().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(saveCorruptPath(path)));

    // Play: the new game's first autosave takes the save's place.
    startNewGame(game.get());
    stepFrames(game.get(), 3);
    settleSaves(game.get());
    SaveData read;
    ASSERT_EQ(readSaveFile(path, &read).status, SaveLoad::Loaded);
    EXPECT_EQ(read.level, 1);
    EXPECT_EQ(read.gold, game->world.gold);
    EXPECT_EQ(read.heroCount, static_cast<std::int32_t>(game->world.party.count));
}
