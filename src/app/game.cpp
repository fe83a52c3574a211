#include "app/game.hpp"

#include "app/autosave.hpp"
#include "app/scene_preload.hpp"
#include "app/scenes.hpp"
#include "core/atomic_write.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "world/level_generator.hpp"

#include <algorithm>
#include <cstdio>

// Start-up, the frame loop and the end. Events are routed in input_routing.cpp.

namespace {

// The folders main() chose and readied (it reports what cannot be used), or, for tests and
// tools, the ones the environment names. A start killed while it wrote leaves temporary
// files behind: they are cleared first.
void readyUserFolders(MainData* data) {
    const bool chosen = !data->folders.levels.empty() && !data->folders.settings.empty();
    if (!chosen) data->folders = resolveUserFolders();
    for (const std::string* folder : {&data->folders.levels, &data->folders.settings}) {
        const std::string why = prepareFolder(*folder);
        if (!why.empty() && !chosen) std::fprintf(stderr, "Ostrevald: %s: %s\n", folder->c_str(), why.c_str());
        removeStaleTemporaryFiles(*folder);
    }
}

} // namespace

void initGame(MainData* data) {
    openGameWindow(&data->window);
    initGameInWindow(data);
    // The game reads every picture a scene change needs now, so that none of them waits
    // for the disk later, and draws each scene once unseen (tests and tools that start a
    // game in a window of their own skip it).
    preloadScenePictures();
    preloadSceneDrawing(data->window);
}

void initGameInWindow(MainData* data) {
    data->music = createMusicRecord();
    // A frame-rate limit paces the loop on every machine; vertical sync stays off (the
    // default) because combining the two makes the frame pacing fight itself.
    data->window.setFramerateLimit(60);
    seedRandomFromEnvironment();
    data->clock.restart();
    initLevelTransition(&data->levelTransition);
    preloadFightScene();
    readyUserFolders(data);
    generateLevels(data->folders.levels, stdout); // fresh maps for levels 3 to 10 at every start
    data->sceneState = SCENE_MAIN_MENU;
    initMainMenu(&data->mainMenu);
    refreshSavedGame(data);
    if (!data->startingSettingsFile.empty()) loadSettings(&data->settingsMenu, data->startingSettingsFile);
    initSettingsMenu(&data->settingsMenu, settingsFilePathIn(data->folders));
    initPauseMenu(&data->pauseMenu);
    initTeamSelect(&data->teamSelect);
    initCamera(&data->world.camera);
    setWindowView(&data->window, &data->world.camera.view);
    initCredits(&data->credits);
    initMusic(data->music.get());
    // The music follows the settings file from the first frame on.
    applyMusicSettings(&data->settingsMenu, data->music.get());
    initSounds();
    applySoundSettings(&data->settingsMenu);
    data->cursorTexture = &createTexture(kCursorTexturePath);
    data->cursorSprite = createSprite(*data->cursorTexture);
    // Without its picture the game's pointer would be invisible: the system's one stands in.
    showSystemCursor(data, data->cursorTexture->getSize().x == 0, true);
    // Show the pointer where the mouse already is, not in the corner until it first moves.
    const sf::Vector2i mouse = gameMousePosition(data->window);
    data->mousePosition = {static_cast<float>(mouse.x), static_cast<float>(mouse.y)};
    data->world.camera.pointer = mouse;
    followCameraCursor(data);
    data->debugMode = 0;
    data->transitionTimer = 0.f;
}

void handleEvents(MainData* data) {
    sf::Event event;
    while (data->window.pollEvent(event)) {
        if (event.type == sf::Event::Resized) {
            // Keep the 1920x1080 picture letterboxed in the new window size.
            setWindowView(&data->window, &data->world.camera.view);
            continue;
        }
        mapEventToGame(&event, data->window.getSize());
        dispatchEvent(data, event);
    }
}

void updateGame(MainData* data) { stepGame(data, data->clock.restart().asSeconds()); }

void stepGame(MainData* data, float dt) {
    // A slow frame (a level being loaded, the window dragged) would otherwise carry animations
    // and timers past whole parts of what they show.
    dt = std::min(dt, kMaxFrameSeconds);
    beginSoundFrame();
    const Scene& scene = sceneOf(data->sceneState);
    if (scene.update) scene.update(data, dt);
    pointSceneAtCursor(data);
    followCameraCursor(data);
}

void renderGame(MainData* data) {
    data->window.clear(sf::Color::Black);
    const Scene& scene = sceneOf(data->sceneState);
    if (scene.draw) scene.draw(data, data->window);
    drawCursor(data);
}

void drawGame(MainData* data) {
    renderGame(data);
    data->window.display();
}

void destroyGame(MainData* data) {
    finishSaves(&data->saveWriter); // the last autosave reaches the disk before the game closes
    destroyWorldGame(&data->world);
    if (data->music && data->music->mainTheme) data->music->mainTheme->stop();
    data->window.close();
}
