#include "core/atomic_write.hpp"
#include "menus/menu_test_support.hpp"
#include "world/level_file.hpp"

#include <filesystem>

using namespace menutest;

namespace {

void pressChord(MainData* data) {
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F, sf::Keyboard::J})
        dispatchEvent(data, keyPressEvent(key));
}

} // namespace

TEST(Shell, DebugChordFlipsOnEveryKeyPressWhileHeld) {
    auto game = makeTestGame();
    pressChord(game.get()); // the J press completes the chord
    EXPECT_EQ(game->debugMode, 1);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::J)); // key repeat flips again
    EXPECT_EQ(game->debugMode, 0);
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::F));
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::A));
    EXPECT_EQ(game->debugMode, 0) << "chord broken: no flip";
}

TEST(Shell, CursorStaysUnderTheMouseInEveryViewAndEveryCameraChange) {
    auto game = makeTestGame();
    dispatchEvent(game.get(), mouseMoveEvent(300, 200));
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(300.f, 200.f));
    enterWorld(game.get());
    // Scrolled close view: the cursor lies in world pixels under the mouse.
    for (int i = 0; i < 32; ++i) updateCameraAt(&game->world.camera, &game->window, {1919, 1079});
    const sf::Vector2f topLeft = game->world.camera.topLeft;
    ASSERT_NE(topLeft, sf::Vector2f(0.f, 0.f));
    game->world.camera.scrollStep = {0, 0};
    dispatchEvent(game.get(), mouseMoveEvent(300, 200));
    EXPECT_EQ(game->cursorSprite.getPosition(), topLeft + sf::Vector2f(300.f, 200.f));

    // M shows the half-size overview: the cursor is placed again at once, without a move.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::M));
    ASSERT_EQ(game->world.camera.mode, CAMERA_OVERVIEW);
    renderGame(game.get());
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(600.f, 400.f));
    EXPECT_EQ(game->cursorSprite.getScale(), sf::Vector2f(2.f, 2.f));
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::M));
    renderGame(game.get());
    EXPECT_EQ(game->cursorSprite.getPosition(), topLeft + sf::Vector2f(300.f, 200.f));
    EXPECT_EQ(game->cursorSprite.getScale(), sf::Vector2f(1.f, 1.f));

    // The enemies' turn switches to the overview by itself: the same holds.
    toggleTurn(&game->world, &game->window);
    stepGame(game.get(), 1.f / 60.f);
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(600.f, 400.f));

    // After the game, the credits are drawn in the screen view: the cursor is in screen pixels.
    game->world.enemies.count = 0;
    game->world.level = 10;
    stepGame(game.get(), 1.f / 60.f);
    ASSERT_EQ(game->sceneState, SCENE_WIN);
    game->sceneState = SCENE_CREDITS;
    dispatchEvent(game.get(), mouseMoveEvent(700, 500));
    renderGame(game.get());
    EXPECT_EQ(game->cursorSprite.getPosition(), sf::Vector2f(700.f, 500.f));
    EXPECT_EQ(game->cursorSprite.getScale(), sf::Vector2f(1.f, 1.f));
}

TEST(Shell, TheSystemPointerStandsInWheneverThePointerOnShowHasNoPicture) {
    auto game = makeTestGame();
    enterWorld(game.get());
    renderGame(game.get());
    EXPECT_EQ(game->systemCursorShown, 0);

    // A fight hides the game's pointer and draws its own: without its picture, none would show.
    const sf::Texture missing;
    game->world.cursorHidden = 1;
    game->world.fight.fightCursor.texture = &missing;
    renderGame(game.get());
    EXPECT_EQ(game->systemCursorShown, 1);
    // The pause menu over the fight shows the game's pointer again.
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Escape));
    ASSERT_EQ(game->sceneState, SCENE_PAUSE);
    renderGame(game.get());
    EXPECT_EQ(game->systemCursorShown, 0);
    game->sceneState = SCENE_WORLD;
    game->world.fight.fightCursor.texture = game->cursorTexture; // a picture that loaded
    renderGame(game.get());
    EXPECT_EQ(game->systemCursorShown, 0);

    // On the map, the game's own pointer without its picture.
    game->world.cursorHidden = 0;
    game->world.fight.fightCursor.texture = nullptr;
    game->cursorTexture = &missing;
    renderGame(game.get());
    EXPECT_EQ(game->systemCursorShown, 1);
}

TEST(Shell, ASecondSwitchToTheScreenViewKeepsTheSavedWorldView) {
    auto game = makeTestGame();
    Camera& camera = game->world.camera;
    for (int i = 0; i < 20; ++i) updateCameraAt(&camera, &game->window, {1919, 1079});
    const sf::Vector2f scrolled = camera.view.getCenter();
    ASSERT_NE(scrolled, sf::Vector2f(960.f, 540.f));
    applyCamera(&camera, &game->window, 1);
    applyCamera(&camera, &game->window, 1); // e.g. win and defeat in one frame
    EXPECT_EQ(camera.view.getCenter(), sf::Vector2f(960.f, 540.f));
    applyCamera(&camera, &game->window, 0);
    EXPECT_EQ(camera.view.getCenter(), scrolled);
    EXPECT_EQ(game->window.getView().getCenter(), scrolled);
}

TEST(Shell, TransitionEndRuleWaitsTwelveTenthsOfASecondThenReturnsToTheWorld) {
    auto game = makeTestGame();
    game->sceneState = SCENE_LEVEL_TRANSITION;
    std::int32_t finished = 0;
    applyTransitionEndRule(game.get(), &finished, 5.f);
    EXPECT_EQ(game->transitionTimer, 0.f) << "nothing counts before the animation ends";
    finished = 1;
    for (int i = 0; i < 11; ++i) applyTransitionEndRule(game.get(), &finished, 0.1f);
    EXPECT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION);
    applyTransitionEndRule(game.get(), &finished, 0.15f);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(game->transitionTimer, 0.f);
}

// The first frame after a level has loaded carries the time the loading took.
TEST(Shell, ASlowFrameSlowsTheLevelTransitionInsteadOfCuttingItShort) {
    auto game = makeTestGame();
    enterWorld(game.get());
    enableDebug(game.get());
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Right)); // the level is cleared
    ASSERT_EQ(game->sceneState, SCENE_SHOP);
    clickSprite(game.get(), game->shop.next.sprite);
    ASSERT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION);
    const sf::IntRect firstFrame = game->levelTransition.sheetSprite.getTextureRect();

    stepGame(game.get(), 2.5f);
    EXPECT_EQ(game->levelTransition.finished, 0);
    EXPECT_EQ(game->levelTransition.sheetSprite.getTextureRect(), firstFrame);

    // Fifteen frames at eight a second, then the last one held for 1.2 s.
    int frames = 0;
    while (game->sceneState == SCENE_LEVEL_TRANSITION && frames < 1000) {
        stepGame(game.get(), 1.f / 60.f);
        ++frames;
    }
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_GT(frames, 160);
}

TEST(Shell, HiresBoughtInTheShopOpenedByTheDebugKeyJoinTheParty) {
    auto game = makeTestGame();
    enterWorld(game.get());
    WorldGame& world = game->world;
    world.gold = 500;
    enableDebug(game.get());
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Z)); // room for one more
    ASSERT_EQ(world.party.count, 3u);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::K));
    ASSERT_EQ(game->sceneState, SCENE_SHOP);
    clickSprite(game.get(), game->shop.frontHire.sprite);
    clickSprite(game.get(), game->shop.hire.sprite);
    ASSERT_EQ(game->shop.hiredCount, 1);
    clickSprite(game.get(), game->shop.returnButton.sprite);
    clickSprite(game.get(), game->shop.next.sprite);
    ASSERT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION);
    stepSeconds(game.get(), 4.f);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    ASSERT_EQ(world.party.count, 4u);
    EXPECT_EQ(world.party.players[3].type, PLAYER_LIGHT);
    EXPECT_EQ(world.gold, 300);
}

TEST(Shell, EveryFileTheGameWritesGoesToItsUserFolders) {
    TempFolder tmp;
    const UserFolders folders{tmp.file("levels"), tmp.file("settings")};
    // A start killed while it wrote left half a level behind.
    std::filesystem::create_directories(folders.levels);
    const std::string stale = temporaryPathFor(levelFilePath(folders.levels, 4));
    writeFile(stale, "half a level");

    auto game = std::make_unique<MainData>();
    game->folders = folders;
    game->window.create(sf::VideoMode(1920, 1080), "Ostrevald test", sf::Style::None);
    initGameInWindow(game.get());
    EXPECT_FALSE(std::filesystem::exists(stale));
    for (int level = 3; level <= 10; ++level)
        EXPECT_TRUE(std::filesystem::is_regular_file(levelFilePath(folders.levels, level))) << level;

    // Apply on the settings panel writes into the settings folder.
    stepSeconds(game.get(), 3.1f);
    clickSprite(game.get(), game->mainMenu.settings.sprite);
    ASSERT_EQ(game->sceneState, SCENE_MENU_SETTINGS);
    clickSprite(game.get(), game->settingsMenu.apply.sprite);
    EXPECT_EQ(readFile(folders.settings + "/Settings.txt"),
              "Music_Enable 0\nMusic_Volume 0\nSound_Enable 0\nSound_Volume 0\nEnemy_Speed 0\n");
    clickSprite(game.get(), game->settingsMenu.back.sprite);

    // A game started from team selection reads its levels from where they were generated.
    clickSprite(game.get(), game->mainMenu.play.sprite);
    for (int i = 0; i < 4; ++i) clickSprite(game.get(), game->teamSelect.button);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->world.generatedLevelFolder, folders.levels);
}

TEST(Shell, ASettingsFolderThatCannotBeWrittenStillStartsFromTheShippedSettings) {
    // The player's settings folder lies below a plain file: nothing can be made there, not
    // even by root, so the shipped settings were never copied in; the start-up names them.
    TempFolder tmp;
    writeFile(tmp.file("plain"), "x");
    auto game = std::make_unique<MainData>();
    game->folders = {tmp.file("levels"), tmp.file("plain/settings")};
    game->startingSettingsFile = kShippedSettingsFilePath;
    game->window.create(sf::VideoMode(1920, 1080), "Ostrevald test", sf::Style::None);
    initGameInWindow(game.get());

    SettingsValues shipped{};
    parseSettingsText(readFile(kShippedSettingsFilePath), &shipped);
    ASSERT_EQ(shipped.musicEnable, 1) << "the shipped settings play music";
    const SettingsMenu& menu = game->settingsMenu;
    EXPECT_EQ(menu.musicEnable, shipped.musicEnable);
    EXPECT_EQ(menu.musicVolume, shipped.musicVolume);
    EXPECT_EQ(menu.soundEnable, shipped.soundEnable);
    EXPECT_EQ(menu.soundVolume, shipped.soundVolume);
    EXPECT_EQ(game->music->volume, static_cast<float>(shipped.musicVolume)) << "the run is not silent";

    // Apply cannot save: the panel goes on, the values stay and nothing appears on disk.
    stepSeconds(game.get(), 3.1f);
    clickSprite(game.get(), game->mainMenu.settings.sprite);
    ASSERT_EQ(game->sceneState, SCENE_MENU_SETTINGS);
    clickSprite(game.get(), game->settingsMenu.apply.sprite);
    EXPECT_EQ(game->settingsMenu.musicVolume, shipped.musicVolume);
    EXPECT_EQ(readFile(tmp.file("plain")), "x");
    EXPECT_TRUE(std::filesystem::is_regular_file(levelFilePath(tmp.file("levels"), 3)));
}

TEST(Shell, ClosingTheWindowEndsTheLoop) {
    auto game = makeTestGame();
    sf::Event close{};
    close.type = sf::Event::Closed;
    dispatchEvent(game.get(), close);
    EXPECT_FALSE(game->window.isOpen());
    destroyGame(game.get());
}

TEST(Shell, LostFocusForgetsHeldKeysSoTheChordCannotStick) {
    auto game = makeTestGame();
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F})
        dispatchEvent(game.get(), keyPressEvent(key));
    sf::Event lost{};
    lost.type = sf::Event::LostFocus;
    dispatchEvent(game.get(), lost);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::J));
    EXPECT_EQ(game->debugMode, 0);
}
