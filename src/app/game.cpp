#include "app/game.hpp"

#include "core/asset_cache.hpp"
#include "core/atomic_write.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "world/level_change.hpp"
#include "world/level_generator.hpp"

#include <filesystem>

// The frame loop: start-up, the update and draw of the scene that sceneState selects, the
// cursor, and the two rules that end a level. Events are routed in input_routing.cpp.

namespace {



// The world as it stands under the pause menu, the settings panel and the defeat screen.
void drawWorldUnderMenu(MainData* data) { drawWorldGame(&data->world, data->window, data->debugMode); }

} // namespace

void initGame(MainData* data) {
    openGameWindow(&data->window);
    initGameInWindow(data);
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
    // A start killed while it wrote leaves temporary files behind: clear them first.
    removeStaleTemporaryFiles(kLevelFolder);
    removeStaleTemporaryFiles(std::filesystem::path(kSettingsFilePath).parent_path().string());
    generateLevels(kLevelFolder, stdout); // fresh maps for levels 3 to 10 at every start
    initSceneState(&data->sceneState);
    initMainMenu(&data->mainMenu);
    initSettingsMenu(&data->settingsMenu);
    initPauseMenu(&data->pauseMenu);
    initTeamSelect(&data->teamSelect);
    initCamera(&data->world.camera);
    setWindowView(&data->window, &data->world.camera.view);
    initCredits(&data->credits);
    initMusic(data->music.get());
    // The music follows the settings file from the first frame on.
    applyMusicSettings(&data->settingsMenu, data->music.get());
    data->cursorTexture = &createTexture(kCursorTexturePath);
    data->cursorSprite = createSprite(*data->cursorTexture);
    // Without its picture the game's pointer would be invisible: the system's one stands in.
    data->window.setMouseCursorVisible(data->cursorTexture->getSize().x == 0);
    // Show the pointer where the mouse already is, not in the corner until it first moves.
    const sf::Vector2i mouse = gameMousePosition(data->window);
    data->mousePosition = {static_cast<float>(mouse.x), static_cast<float>(mouse.y)};
    data->world.camera.pointer = mouse;
    followCameraCursor(data);
    data->debugMode = 0;
    data->transitionTimer = 0.f;
}

void handleEvents(MainData* data) {
    while (data->window.pollEvent(data->event)) {
        if (data->event.type == sf::Event::Resized) {
            // Keep the 1920x1080 picture letterboxed in the new window size.
            setWindowView(&data->window, &data->world.camera.view);
            continue;
        }
        mapEventToGame(&data->event, data->window.getSize());
        dispatchEvent(data, data->event);
    }
}

sf::Vector2f viewTopLeft(const MainData* data) {
    const sf::View& view = data->window.getView();
    return view.getCenter() - view.getSize() / 2.f;
}

void updateCursor(MainData* data, sf::Event::MouseMoveEvent move) {
    data->mousePosition = {static_cast<float>(move.x), static_cast<float>(move.y)};
    data->world.camera.pointer = {move.x, move.y};
    followCameraCursor(data);
}

void followCameraCursor(MainData* data) {
    const sf::View& view = data->window.getView();
    const float zoom = view.getSize().x / static_cast<float>(kGameWidth);
    const sf::Vector2f topLeft = view.getCenter() - view.getSize() / 2.f;
    data->cursorSprite.setScale(zoom, zoom);
    data->cursorSprite.setPosition(topLeft + data->mousePosition * zoom);
}

void applyTransitionEndRule(MainData* data, std::int32_t* transitionFinished, float dt) {
    if (*transitionFinished != 1) return;
    data->transitionTimer += dt;
    if (data->transitionTimer >= kTransitionHoldSeconds) {
        *transitionFinished = 0;
        data->sceneState = SCENE_WORLD;
        applyCamera(&data->world.camera, &data->window, 0);
        data->transitionTimer = 0.f;
    }
}

namespace {

// The screens that end a game are shown in the plain screen view, which stands still.
void showScreenView(MainData* data) {
    Camera& camera = data->world.camera;
    if (camera.mode == CAMERA_OVERVIEW) toggleCameraMode(&camera, &data->window);
    applyCamera(&camera, &data->window, 1);
    camera.scrollStep = {0, 0};
}

} // namespace

void checkLevelComplete(MainData* data) {
    if (data->world.enemies.count != 0) return;
    // A fight still being closed, or a hero still walking onto the last enemy, finishes first.
    if (data->world.phase != WORLD_PHASE_MAP) return;
    if (data->world.level >= 10) {
        initWinScreen(&data->winScreen);
        setSceneState(&data->sceneState, SCENE_WIN);
        showScreenView(data);
        return;
    }
    goToNextLevel(data);
}

void goToNextLevel(MainData* data) {
    startNextLevel(&data->world, &data->window);
    openShop(&data->shop, static_cast<std::int32_t>(data->world.party.count), data->world.gold);
    setSceneState(&data->sceneState, SCENE_SHOP);
}

ShopPurchases shopPurchases(const Shop* shop) {
    ShopPurchases purchases;
    purchases.hiredCount = shop->hiredCount;
    for (std::size_t i = 0; i < purchases.recruitList.size() && i < shop->recruitList.size(); ++i)
        purchases.recruitList[i] = shop->recruitList[i];
    purchases.shopGold = shop->shopGold;
    return purchases;
}

void checkDefeat(MainData* data) {
    if (data->world.party.leaderAlive != 0) return;
    showScreenView(data);
    data->world.hud.visible = 0;
    initDefeatScreen(&data->defeatScreen);
    setSceneState(&data->sceneState, SCENE_DEFEAT);
}

void updateGame(MainData* data) { stepGame(data, data->clock.restart().asSeconds()); }

void stepGame(MainData* data, float dt) {
    switch (data->sceneState) {
    case SCENE_WORLD: {
        const ShopPurchases purchases = shopPurchases(&data->shop);
        updateWorldGame(dt, &data->world, &data->window, &purchases);
        checkLevelComplete(data);
        checkDefeat(data);
        break;
    }
    case SCENE_SHOP:
        updateShop(&data->shop, dt);
        break;
    case SCENE_LEVEL_TRANSITION:
        updateLevelTransition(&data->levelTransition, dt);
        applyTransitionEndRule(data, &data->levelTransition.finished, dt);
        break;
    case SCENE_MAIN_MENU:
    case SCENE_MENU_SETTINGS:
        updateMainMenu(&data->mainMenu, dt);
        break;
    case SCENE_PAUSE:
        updatePauseMenu(&data->pauseMenu, dt, viewTopLeft(data));
        break;
    case SCENE_TEAM_SELECT:
        updateTeamSelect(&data->teamSelect, dt);
        break;
    case SCENE_WIN:
        updateWinScreen(&data->winScreen, dt);
        break;
    case SCENE_CREDITS:
        updateCredits(&data->credits, dt);
        break;
    default:
        break;
    }
    followCameraCursor(data);
}

void renderGame(MainData* data) {
    data->window.clear(sf::Color::Black);
    sf::RenderTarget& window = data->window;
    switch (data->sceneState) {
    case SCENE_MAIN_MENU:
        drawMainMenu(&data->mainMenu, window);
        break;
    case SCENE_WORLD:
        drawWorldGame(&data->world, window, data->debugMode);
        break;
    case SCENE_PAUSE:
        drawWorldUnderMenu(data);
        drawPauseMenu(&data->pauseMenu, window);
        break;
    case SCENE_SETTINGS:
        drawWorldUnderMenu(data);
        drawSettingsMenu(&data->settingsMenu, window);
        break;
    case SCENE_TEAM_SELECT:
        drawTeamSelect(&data->teamSelect, window);
        break;
    case SCENE_WIN:
        drawWinScreen(&data->winScreen, window);
        break;
    case SCENE_DEFEAT:
        drawWorldUnderMenu(data);
        drawDefeatScreen(&data->defeatScreen, window);
        break;
    case SCENE_CREDITS:
        drawCredits(&data->credits, window);
        break;
    case SCENE_SHOP:
        drawShop(&data->shop, window);
        break;
    case SCENE_LEVEL_TRANSITION:
        drawLevelTransition(&data->levelTransition, window);
        break;
    case SCENE_MENU_SETTINGS:
        drawMainMenu(&data->mainMenu, window);
        drawSettingsMenu(&data->settingsMenu, window);
        break;
    default:
        break;
    }
    // The fight draws its own cursor while it runs; the menus over it need the game's one.
    followCameraCursor(data);
    if (!(data->world.cursorHidden && data->sceneState == SCENE_WORLD)) data->window.draw(data->cursorSprite);
}

void drawGame(MainData* data) {
    renderGame(data);
    data->window.display();
}

void destroyGame(MainData* data) {
    destroyWorldGame(&data->world);
    destroyMainMenu(&data->mainMenu);
    destroyPauseMenu(&data->pauseMenu);
    destroySettingsMenu(&data->settingsMenu);
    destroyTeamSelect(&data->teamSelect);
    if (data->music && data->music->mainTheme) data->music->mainTheme->stop();
    data->window.close();
}
