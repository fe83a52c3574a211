#include "core/atomic_write.hpp"
#include "core/sound.hpp"
#include "menus/menu_test_support.hpp"
#include "support/silent_output.hpp"

#include <filesystem>

using namespace menutest;

namespace {

struct Values {
    std::int32_t musicEnable, musicVolume, soundEnable, soundVolume;
};

void expectValues(const SettingsMenu& m, Values v) {
    EXPECT_EQ(m.musicEnable, v.musicEnable);
    EXPECT_EQ(m.musicVolume, v.musicVolume);
    EXPECT_EQ(m.soundEnable, v.soundEnable);
    EXPECT_EQ(m.soundVolume, v.soundVolume);
}

// Reads `content` as a settings file into a record that starts with `start`.
SettingsMenu readSettings(const TempFolder& tmp, const std::string& content, Values start = {7, 7, 7, 7}) {
    const std::string path = tmp.file("Settings.txt");
    writeFile(path, content);
    SettingsMenu menu;
    menu.musicEnable = start.musicEnable;
    menu.musicVolume = start.musicVolume;
    menu.soundEnable = start.soundEnable;
    menu.soundVolume = start.soundVolume;
    loadSettings(&menu, path);
    return menu;
}

// A game whose settings panel reads and writes a private file, opened over the main menu.
std::unique_ptr<MainData> gameWithSettingsFile(const TempFolder& tmp, const std::string& content) {
    auto game = makeTestGame();
    const std::string path = tmp.file("Settings.txt");
    writeFile(path, content);
    game->settingsMenu = SettingsMenu{};
    initSettingsMenu(&game->settingsMenu, path);
    applyMusicSettings(&game->settingsMenu, game->music.get());
    applySoundSettings(&game->settingsMenu);
    game->sceneState = SCENE_MENU_SETTINGS;
    return game;
}

float trackLeft(const sf::Sprite& bar) { return bar.getGlobalBounds().left + 10.f; }
float trackEnd(const sf::Sprite& bar) { return bar.getGlobalBounds().left + 10.f + bar.getGlobalBounds().width - 19.f; }

} // namespace

TEST(Settings, FileKeysInAnyOrderUnknownWordsSkippedLastValueWins) {
    TempFolder tmp;
    SettingsMenu m = readSettings(tmp, "Sound_Volume 40\nhello world 12\nMusic_Volume 10 Music_Enable 1\n"
                                       "Sound_Enable 0 Music_Volume 33\n");
    expectValues(m, {1, 33, 0, 40});
    // Keys are case-sensitive.
    m = readSettings(tmp, "music_volume 5 SOUND_VOLUME 6\n");
    expectValues(m, {7, 7, 7, 7});
}

TEST(Settings, MissingKeyOrMissingFileLeavesValuesAsTheyWere) {
    TempFolder tmp;
    SettingsMenu m = readSettings(tmp, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\n", {0, 0, 0, 0});
    expectValues(m, {1, 25, 1, 0});

    SettingsMenu none;
    none.musicVolume = 12;
    loadSettings(&none, tmp.file("no-such-file.txt"));
    EXPECT_EQ(none.musicVolume, 12);
}

TEST(Settings, NonIntegerValueLeavesTheFieldAndIsReadAgainAsAWord) {
    TempFolder tmp;
    SettingsMenu m = readSettings(tmp, "Music_Volume Sound_Volume 40 Music_Enable loud Sound_Enable 12abc\n");
    expectValues(m, {7, 7, 7, 40});
    // A key at the very end of the file has no value: nothing changes.
    m = readSettings(tmp, "Music_Volume");
    expectValues(m, {7, 7, 7, 7});
    // Values are read into their ranges: 0 to 1 for the toggles, 0 to 100 for the volumes,
    // however far out the number lies.
    m = readSettings(tmp, "Music_Volume 150 Sound_Volume -3 Music_Enable +1 Sound_Enable 2");
    expectValues(m, {1, 100, 1, 0});
    m = readSettings(tmp, "Music_Volume 99999999999 Sound_Volume -2147483648 Music_Enable -1 Sound_Enable "
                          "-99999999999999999999999999999999999999999999");
    expectValues(m, {0, 100, 0, 0});
}

TEST(Settings, OverlongWordIsSkippedWholeAndGarbageChangesNothing) {
    TempFolder tmp;
    // Split into pieces of 50 characters, this word would end in a key followed by 77.
    const std::string longWord = std::string(50, 'x') + "Music_Volume";
    SettingsMenu m = readSettings(tmp, longWord + " 77 Sound_Volume 9");
    expectValues(m, {7, 7, 7, 9});
    // A very long word before a key does not hide the key.
    m = readSettings(tmp, std::string(5000, 'y') + "\nSound_Enable 0");
    expectValues(m, {7, 7, 0, 7});

    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    m = readSettings(tmp, garbage);
    expectValues(m, {7, 7, 7, 7});
}

TEST(Settings, ApplyWritesTheFiveLinesAndLeavesNoTemporaryFile) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 0\nSound_Volume 40\n");
    SettingsMenu& menu = game->settingsMenu;
    clickSprite(game.get(), menu.musicSpeaker); // music off
    clickSprite(game.get(), menu.soundSpeaker); // sound on
    EXPECT_EQ(menu.musicSpeaker.getTexture(), menu.mutedSpeakerTexture);
    EXPECT_EQ(menu.soundSpeaker.getTexture(), menu.speakerTexture);
    clickSprite(game.get(), menu.apply.sprite);
    EXPECT_EQ(readFile(menu.filePath), "Music_Enable 0\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 40\nEnemy_Speed 0\n");
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(menu.filePath)));
    EXPECT_EQ(game->sceneState, SCENE_MENU_SETTINGS);
}

TEST(Settings, FailedSaveKeepsTheOldFileWhole) {
    TempFolder tmp;
    const std::string path = tmp.file("Settings.txt");
    writeFile(path, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 25\n");
    // The temporary file cannot be created where a folder already has its name.
    std::filesystem::create_directories(temporaryPathFor(path));
    SettingsMenu m;
    m.musicVolume = 80;
    EXPECT_FALSE(saveSettings(&m, path));
    EXPECT_EQ(readFile(path), "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 25\n");

    EXPECT_FALSE(saveSettings(&m, tmp.file("missing-folder/Settings.txt")));
    EXPECT_FALSE(std::filesystem::exists(tmp.file("missing-folder")));
}

TEST(Settings, TogglesSurviveBackButTheFileWaitsForApply) {
    TempFolder tmp;
    const std::string original = "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 25\n";
    auto game = gameWithSettingsFile(tmp, original);
    SettingsMenu& menu = game->settingsMenu;
    clickSprite(game.get(), menu.soundSpeaker);
    EXPECT_EQ(menu.soundEnable, 0);
    clickSprite(game.get(), menu.back.sprite);
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    game->sceneState = SCENE_MENU_SETTINGS;
    EXPECT_EQ(menu.soundEnable, 0);
    EXPECT_EQ(menu.soundSpeaker.getTexture(), menu.mutedSpeakerTexture);
    EXPECT_EQ(readFile(menu.filePath), original);
}

TEST(Settings, MissingFileShowsEverythingAtZero) {
    TempFolder tmp;
    auto game = makeTestGame();
    SettingsMenu& menu = game->settingsMenu;
    menu = SettingsMenu{};
    initSettingsMenu(&menu, tmp.file("absent.txt"));
    expectValues(menu, {0, 0, 0, 0});
    EXPECT_EQ(menu.musicSpeaker.getTexture(), menu.mutedSpeakerTexture);
    EXPECT_EQ(menu.musicText.getString().toAnsiString(), "0%");
    EXPECT_FLOAT_EQ(menu.musicCursor.getPosition().x, trackLeft(menu.musicBar));
}

TEST(Settings, DraggingTheMusicCursorClampsToTheTrackAndLeavesTheSoundRowAlone) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 40\n");
    SettingsMenu& menu = game->settingsMenu;
    expectDrawn(menu.musicCursor);
    const float soundX = menu.soundCursor.getPosition().x;
    const float cursorY = menu.musicCursor.getPosition().y;

    const sf::Vector2i c = centreOf(menu.musicCursor);
    dispatchEvent(game.get(), mousePressEvent(c.x, c.y));
    EXPECT_EQ(menu.musicDragging, 1u);
    EXPECT_EQ(menu.soundDragging, 0u);

    moveTo(game.get(), 5000, 10); // far right, far above: the y plays no part
    EXPECT_TRUE(menu.musicVolume == 100 || menu.musicVolume == 99) << menu.musicVolume;
    EXPECT_EQ(menu.musicText.getString().toAnsiString(), std::to_string(menu.musicVolume) + "%");
    EXPECT_FLOAT_EQ(menu.musicCursor.getPosition().x, trackEnd(menu.musicBar));
    EXPECT_FLOAT_EQ(menu.musicCursor.getPosition().y, cursorY);

    moveTo(game.get(), -400, 900);
    EXPECT_EQ(menu.musicVolume, 0);
    EXPECT_EQ(menu.musicText.getString().toAnsiString(), "0%");
    EXPECT_FLOAT_EQ(menu.musicCursor.getPosition().x, trackLeft(menu.musicBar));

    const float middle = (trackLeft(menu.musicBar) + trackEnd(menu.musicBar)) / 2.f;
    moveTo(game.get(), static_cast<int>(middle), 0);
    EXPECT_GE(menu.musicVolume, 48);
    EXPECT_LE(menu.musicVolume, 52);

    EXPECT_EQ(menu.soundVolume, 40);
    EXPECT_FLOAT_EQ(menu.soundCursor.getPosition().x, soundX);

    dispatchEvent(game.get(), mouseReleaseEvent(0, 0));
    const std::int32_t held = menu.musicVolume;
    moveTo(game.get(), 5000, 0);
    EXPECT_EQ(menu.musicVolume, held) << "the drag ends with the release";
}

TEST(Settings, AnyReleaseInAnySceneEndsTheDrags) {
    auto game = makeTestGame();
    for (SceneState scene : {SCENE_MAIN_MENU, SCENE_WORLD, SCENE_TEAM_SELECT, SCENE_CREDITS, SCENE_SHOP}) {
        game->sceneState = scene;
        game->settingsMenu.musicDragging = 1;
        game->settingsMenu.soundDragging = 1;
        dispatchEvent(game.get(), mouseReleaseEvent(3, 3, sf::Mouse::Right));
        EXPECT_EQ(game->settingsMenu.musicDragging, 0u) << scene;
        EXPECT_EQ(game->settingsMenu.soundDragging, 0u) << scene;
    }
}

TEST(Settings, PercentTextsOfDifferentWidthsShareOneCentredColumn) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Volume 5 Sound_Volume 100");
    SettingsMenu& menu = game->settingsMenu;
    ASSERT_EQ(menu.musicText.getString().toAnsiString(), "5%");
    ASSERT_EQ(menu.soundText.getString().toAnsiString(), "100%");
    ASSERT_LT(menu.musicText.getGlobalBounds().width, menu.soundText.getGlobalBounds().width);
    const auto centreX = [](const sf::Text& t) { return t.getPosition().x + t.getGlobalBounds().width / 2.f; };
    EXPECT_NEAR(centreX(menu.musicText), centreX(menu.soundText), 0.5f);
    EXPECT_LT(menu.musicText.getPosition().y, menu.soundText.getPosition().y);
}

TEST(Settings, OutOfRangeValuesAreShownOnTheirBarsAndWrittenBackInRange) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Enable 1 Music_Volume 150 Sound_Enable 1 Sound_Volume -2147483648");
    SettingsMenu& menu = game->settingsMenu;
    EXPECT_EQ(menu.musicText.getString().toAnsiString(), "100%");
    EXPECT_EQ(menu.soundText.getString().toAnsiString(), "0%");
    EXPECT_FLOAT_EQ(menu.musicCursor.getPosition().x, trackEnd(menu.musicBar)) << "the knob stays on its bar";
    EXPECT_FLOAT_EQ(menu.soundCursor.getPosition().x, trackLeft(menu.soundBar));
    EXPECT_FLOAT_EQ(menu.soundCursor.getPosition().y, menu.soundBar.getGlobalBounds().top +
                                                           menu.soundBar.getGlobalBounds().height / 2.f);
    EXPECT_FLOAT_EQ(game->music->volume, 100.f);
    clickSprite(game.get(), menu.apply.sprite);
    EXPECT_EQ(readFile(menu.filePath), "Music_Enable 1\nMusic_Volume 100\nSound_Enable 1\nSound_Volume 0\nEnemy_Speed 0\n");
}

TEST(Settings, APressReturnsBackAndTheShellReturnsToWhatThePanelWasOpenedOver) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 25\n");
    SettingsMenu& menu = game->settingsMenu;
    const sf::Vector2i back = centreOf(menu.back.sprite);
    EXPECT_EQ(mousePressedSettingsMenu(&menu, mousePressEvent(back.x, back.y).mouseButton), SettingsChoice::Back);
    EXPECT_EQ(mousePressedSettingsMenu(&menu, mousePressEvent(5, 5).mouseButton), SettingsChoice::None);
    EXPECT_EQ(game->sceneState, SCENE_MENU_SETTINGS) << "the panel changes no scene itself";
    clickAt(game.get(), back.x, back.y);
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    enterWorld(game.get());
    game->sceneState = SCENE_SETTINGS;
    clickAt(game.get(), back.x, back.y);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
}

TEST(Settings, MusicVolumeFollowsTheToggleAndTheDragLive) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Enable 1\nMusic_Volume 60\nSound_Enable 1\nSound_Volume 25\n");
    SettingsMenu& menu = game->settingsMenu;
    EXPECT_FLOAT_EQ(game->music->volume, 60.f);
    clickSprite(game.get(), menu.musicSpeaker);
    EXPECT_FLOAT_EQ(game->music->volume, 0.f);
    clickSprite(game.get(), menu.musicSpeaker);
    EXPECT_FLOAT_EQ(game->music->volume, 60.f);

    const sf::Vector2i c = centreOf(menu.musicCursor);
    dispatchEvent(game.get(), mousePressEvent(c.x, c.y));
    moveTo(game.get(), -1000, c.y);
    EXPECT_FLOAT_EQ(game->music->volume, 0.f);
    moveTo(game.get(), static_cast<int>((trackLeft(menu.musicBar) + trackEnd(menu.musicBar)) / 2.f), c.y);
    EXPECT_FLOAT_EQ(game->music->volume, static_cast<float>(menu.musicVolume));
    EXPECT_GT(game->music->volume, 40.f);
}

TEST(Settings, PanelOverTheScrolledWorldIsHitInScreenCoordinates) {
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "");
    enterWorld(game.get());
    scrollToBottomRight(game.get());
    game->sceneState = SCENE_SETTINGS;
    SettingsMenu& menu = game->settingsMenu;
    const sf::Vector2i c = centreOf(menu.soundCursor);
    dispatchEvent(game.get(), mousePressEvent(c.x, c.y));
    EXPECT_EQ(menu.soundDragging, 1u);
    moveTo(game.get(), 5000, c.y);
    EXPECT_TRUE(menu.soundVolume == 100 || menu.soundVolume == 99);
    dispatchEvent(game.get(), mouseReleaseEvent(c.x, c.y));
    clickSprite(game.get(), menu.back.sprite);
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
}

// The enemy-turn speed: a file from before it existed reads as Normal with its four values
// intact; the plate steps Normal, Fast, Instant and round, and Apply keeps the choice.
TEST(Settings, EnemySpeedIsReadWrittenAndSteppedWithoutDisturbingTheOlderKeys) {
    TempFolder tmp;
    SettingsMenu old = readSettings(tmp, "Music_Enable 1\nMusic_Volume 30\nSound_Enable 0\nSound_Volume 60\n", {0, 0, 0, 0});
    expectValues(old, {1, 30, 0, 60});
    EXPECT_EQ(chosenEnemySpeed(&old), EnemySpeed::Normal);
    const SettingsMenu instant = readSettings(tmp, "Enemy_Speed 2 Music_Volume 5");
    EXPECT_EQ(chosenEnemySpeed(&instant), EnemySpeed::Instant);
    SettingsMenu clamped = readSettings(tmp, "Enemy_Speed 9\nSound_Volume 12\n");
    EXPECT_EQ(clamped.enemySpeed, 2);
    EXPECT_EQ(clamped.soundVolume, 12);
    EXPECT_EQ(readSettings(tmp, "Enemy_Speed fast Enemy_Speed -4").enemySpeed, 0);

    auto game = gameWithSettingsFile(tmp, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 25\nEnemy_Speed 1\n");
    SettingsMenu& menu = game->settingsMenu;
    expectDrawn(menu.speedLabel);
    expectDrawn(menu.speedTag);
    EXPECT_EQ(menu.speedTag.getTexture(), menu.speedTextures[1]);
    clickSprite(game.get(), menu.speedTag);
    EXPECT_EQ(chosenEnemySpeed(&menu), EnemySpeed::Instant);
    EXPECT_EQ(menu.speedTag.getTexture(), menu.speedTextures[2]);
    clickSprite(game.get(), menu.speedTag);
    EXPECT_EQ(chosenEnemySpeed(&menu), EnemySpeed::Normal);
    EXPECT_EQ(menu.speedTag.getTexture(), menu.speedTextures[0]);
    clickSprite(game.get(), menu.speedTag);
    stepFrames(game.get(), 2);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "settings-enemy-speed-fast"));
    EXPECT_EQ(readFile(menu.filePath), "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 25\nEnemy_Speed 1\n");
    clickSprite(game.get(), menu.apply.sprite);
    SettingsValues written;
    parseSettingsText(readFile(menu.filePath), &written);
    EXPECT_EQ(written.enemySpeed, 1);
    EXPECT_EQ(written.musicVolume, 25);
}

// The sound row drives the effects live: every voice follows the cursor while it is dragged,
// letting go plays a sample at the new volume, and the speaker switched off silences them.
TEST(Settings, TheSoundVolumeReachesEveryVoiceLiveAndLettingGoPlaysASample) {
    useSilentAudioOutput();
    TempFolder tmp;
    auto game = gameWithSettingsFile(tmp, "Music_Enable 1\nMusic_Volume 25\nSound_Enable 1\nSound_Volume 40\n");
    SettingsMenu& menu = game->settingsMenu;
    EXPECT_FLOAT_EQ(soundVolume(), 40.f);
    for (int k = 0; k < kSoundVoices; ++k) playSound(static_cast<Sound>(k)); // every voice made
    const int voices = soundBooks().voicesMade;

    const sf::Vector2i c = centreOf(menu.soundCursor);
    dispatchEvent(game.get(), mousePressEvent(c.x, c.y));
    const float quarter = trackLeft(menu.soundBar) + (trackEnd(menu.soundBar) - trackLeft(menu.soundBar)) / 4.f;
    moveTo(game.get(), static_cast<int>(quarter), c.y);
    EXPECT_GE(menu.soundVolume, 23);
    EXPECT_LE(menu.soundVolume, 27);
    EXPECT_FLOAT_EQ(soundVolume(), static_cast<float>(menu.soundVolume)) << "before the drag ends";
    const auto volumes = voiceVolumes();
    for (int v = 0; v < voices; ++v) EXPECT_FLOAT_EQ(volumes[static_cast<std::size_t>(v)], soundVolume()) << "voice " << v;

    stepFrames(game.get(), 1);
    const int clicks = soundBooks().played[static_cast<int>(Sound::ButtonClick)];
    dispatchEvent(game.get(), mouseReleaseEvent(c.x, c.y));
    EXPECT_EQ(soundBooks().played[static_cast<int>(Sound::ButtonClick)], clicks + 1) << "the sample";
    stepFrames(game.get(), 1);
    dispatchEvent(game.get(), mouseReleaseEvent(c.x, c.y));
    EXPECT_EQ(soundBooks().played[static_cast<int>(Sound::ButtonClick)], clicks + 1) << "only a drag's release plays it";

    clickSprite(game.get(), menu.soundSpeaker);
    EXPECT_EQ(menu.soundEnable, 0);
    EXPECT_FLOAT_EQ(soundVolume(), 0.f);
    for (const float volume : voiceVolumes()) EXPECT_FLOAT_EQ(volume, 0.f);
    stepFrames(game.get(), 1);
    const int played = soundBooks().played[static_cast<int>(Sound::Hit)];
    playSound(Sound::Hit);
    EXPECT_EQ(soundBooks().played[static_cast<int>(Sound::Hit)], played) << "switched off";
}
