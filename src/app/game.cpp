#include "app/game.hpp"
#include "world/board_moves.hpp"
#include "world/encounters.hpp"
#include "world/level_change.hpp"

#include "core/asset_cache.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/atomic_write.hpp"
#include "world/level_generator.hpp"

#include <filesystem>

#include <SFML/Window/Keyboard.hpp>

namespace {

bool keyHeld(const MainData* data, sf::Keyboard::Key key) {
    if (key < 0 || key >= sf::Keyboard::KeyCount) return false;
    return data->keysDown[static_cast<std::size_t>(key)] || sf::Keyboard::isKeyPressed(key);
}

// The top-left of what the window shows now: the scrolled world view on the map, the
// plain screen view over a fight. Screen-fixed menus drawn over the world sit there.
sf::Vector2f viewTopLeft(const MainData* data) {
    const sf::View& view = data->window.getView();
    return view.getCenter() - view.getSize() / 2.f;
}

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
    generateLevels(); // fresh maps for levels 3 to 10 at every start
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

void dispatchEvent(MainData* data, const sf::Event& event) {
    switch (event.type) {
    case sf::Event::Closed:
        data->window.close();
        break;
    case sf::Event::LostFocus:
        data->keysDown.fill(false);
        break;
    case sf::Event::KeyPressed:
        if (event.key.code >= 0 && event.key.code < sf::Keyboard::KeyCount)
            data->keysDown[static_cast<std::size_t>(event.key.code)] = true;
        keyPressedGame(event, data);
        break;
    case sf::Event::KeyReleased:
        if (event.key.code >= 0 && event.key.code < sf::Keyboard::KeyCount)
            data->keysDown[static_cast<std::size_t>(event.key.code)] = false;
        keyReleasedGame(event, data);
        break;
    case sf::Event::MouseButtonPressed:
        mousePressedGame(event, data);
        break;
    case sf::Event::MouseButtonReleased:
        mouseReleasedGame(event, data);
        break;
    case sf::Event::MouseMoved:
        data->event = event;
        mouseMovedGame(data);
        break;
    default:
        break;
    }
}

bool debugChordHeld(const MainData* data) {
    return keyHeld(data, sf::Keyboard::LControl) && keyHeld(data, sf::Keyboard::LShift) &&
           keyHeld(data, sf::Keyboard::F) && keyHeld(data, sf::Keyboard::J);
}

void keyPressedGame(const sf::Event& event, MainData* data) {
    if (debugChordHeld(data)) data->debugMode = data->debugMode ? 0 : 1;
    if (data->sceneState != SCENE_WORLD) return;
    Camera& camera = data->world.camera;
    WorldGame& world = data->world;
    // M held shows the whole map (only on the player's turn on the map, from the close view;
    // a fight keeps its own screen).
    if (event.key.code == sf::Keyboard::M && world.playerTurn == 1 && camera.mode == CAMERA_CLOSE &&
        world.phase == WORLD_PHASE_MAP) {
        toggleCameraMode(&camera, &data->window);
        world.hud.visible = 0;
    }
    if (event.key.code == sf::Keyboard::Escape) {
        if (camera.mode == CAMERA_OVERVIEW) {
            toggleCameraMode(&camera, &data->window);
            world.hud.visible = 1; // the HUD belongs to the close view
        }
        // The view stands still under the pause menu: no scroll step may move the cursor.
        camera.scrollStep = {0, 0};
        setSceneState(&data->sceneState, SCENE_PAUSE);
        openPauseMenu(&data->pauseMenu, viewTopLeft(data));
    }
    if (data->debugMode == 1) {
        switch (event.key.code) {
        case sf::Keyboard::E:
            if (!anyPlayerMoving(&world)) resetPartyTurn(&world.party);
            break;
        case sf::Keyboard::L:
        case sf::Keyboard::Q:
            data->world.party.leaderAlive = 0; // the next update shows the defeat screen
            break;
        case sf::Keyboard::T:
            setWorldPhase(&world.phase, WORLD_PHASE_MAP);
            break;
        case sf::Keyboard::Z:
            // The last hero dies; its cell is freed so nothing walks into a ghost.
            if (world.party.count > 0) {
                const std::int32_t last = static_cast<std::int32_t>(world.party.count) - 1;
                releasePlayerCell(&world, last);
                killHero(&world.party, last);
                initHud(&world.hud, &world.party, camera.topLeft);
                setGoldText(&world.hud, world.gold, camera.topLeft);
                toggleHud(&world.hud);
            }
            break;
        case sf::Keyboard::Space:
            if (world.phase == WORLD_PHASE_MAP) toggleTurn(&world, &data->window);
            break;
        case sf::Keyboard::W:
            data->world.enemies.count = 0; // the next update shows the win screen
            data->world.level = 10;
            break;
        case sf::Keyboard::A:
            killEnemy(&world, 0);
            break;
        case sf::Keyboard::K:
            // The shop is drawn in screen pixels: leave the scrolled view while it is open
            // (the level transition's end brings the world view back).
            if (camera.mode == CAMERA_OVERVIEW) toggleCameraMode(&camera, &data->window);
            applyCamera(&camera, &data->window, 1);
            openShop(&data->shop, static_cast<std::int32_t>(world.party.count), world.gold);
            setSceneState(&data->sceneState, SCENE_SHOP);
            break;
        case sf::Keyboard::Left:
            // Replays the way here: the sheet that led to this level, then one level back.
            if (world.level >= 2) {
                if (camera.mode == CAMERA_OVERVIEW) toggleCameraMode(&camera, &data->window);
                applyCamera(&camera, &data->window, 1);
                setSceneState(&data->sceneState, SCENE_LEVEL_TRANSITION);
                startLevelTransition(&data->levelTransition, world.level - 1);
                world.level -= 1;
            }
            break;
        case sf::Keyboard::Right:
            if (world.level < 10) goToNextLevel(data);
            break;
        default:
            break;
        }
    }
}

void keyReleasedGame(const sf::Event& event, MainData* data) {
    if (data->sceneState != SCENE_WORLD) return;
    // Releasing M returns from the overview to the close view with the HUD.
    WorldGame& world = data->world;
    if (event.key.code == sf::Keyboard::M && world.playerTurn == 1 && world.camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&world.camera, &data->window);
        toggleHud(&world.hud);
    }
}

void mousePressedGame(const sf::Event& event, MainData* data) {
    const float x = static_cast<float>(event.mouseButton.x), y = static_cast<float>(event.mouseButton.y);
    const bool left = event.mouseButton.button == sf::Mouse::Left;
    Camera& camera = data->world.camera;
    switch (data->sceneState) {
    case SCENE_MAIN_MENU:
        if (left)
            mousePressedMainMenu(&data->mainMenu, x, y, &data->window, &data->sceneState, &data->teamSelect, &camera,
                                 &data->world);
        break;
    case SCENE_WORLD:
        mousePressedWorldGame(&data->world, event.mouseButton, &data->window);
        break;
    case SCENE_PAUSE:
        // The pause menu lies over the world as the window shows it (scrolled map, or the
        // screen view of a fight): its clicks are moved into that view's coordinates.
        if (left) {
            const sf::Vector2f origin = viewTopLeft(data);
            mousePressedPauseMenu(&data->pauseMenu, x + origin.x, y + origin.y, &data->window, &data->sceneState, &camera);
            // Leaving the game for the main menu ends it: a fight left open is released with
            // it, so nothing of it reaches the next game.
            if (data->sceneState == SCENE_MAIN_MENU) destroyWorldGame(&data->world);
        }
        break;
    case SCENE_SETTINGS:
    case SCENE_MENU_SETTINGS:
        if (left) {
            mousePressedSettingsMenu(&data->settingsMenu, event, &data->sceneState);
            applyMusicSettings(&data->settingsMenu, data->music.get());
        }
        break;
    case SCENE_TEAM_SELECT:
        if (left) mousePressedTeamSelect(&data->teamSelect, x, y, &data->sceneState, &data->world);
        break;
    case SCENE_WIN:
        mousePressedWinScreen(&data->winScreen, x, y, &data->window, &data->sceneState);
        break;
    case SCENE_DEFEAT:
        mousePressedDefeatScreen(&data->defeatScreen, x, y, &data->window, &data->sceneState);
        break;
    case SCENE_CREDITS:
        mousePressedCredits(&data->credits, x, y, &data->window, &data->sceneState);
        break;
    case SCENE_SHOP:
        if (left)
            mousePressedShop(&data->shop, event.mouseButton, &data->sceneState, &data->levelTransition, data->world.level);
        break;
    default:
        break;
    }
}

void mouseReleasedGame(const sf::Event& event, MainData* data) {
    (void)event;
    // Any release anywhere ends a volume-cursor drag.
    mouseReleasedSettingsMenu(&data->settingsMenu);
}

void mouseMovedGame(MainData* data) {
    const sf::Event event = data->event;
    updateCursor(data, event.mouseMove);
    switch (data->sceneState) {
    case SCENE_MAIN_MENU:
        mouseMovedMainMenu(&data->mainMenu, event.mouseMove);
        break;
    case SCENE_WORLD:
        mouseMovedWorldGame(&data->world, event.mouseMove);
        break;
    case SCENE_PAUSE: {
        sf::Event::MouseMoveEvent move = event.mouseMove;
        const sf::Vector2f origin = viewTopLeft(data);
        move.x = static_cast<int>(static_cast<float>(move.x) + origin.x);
        move.y = static_cast<int>(static_cast<float>(move.y) + origin.y);
        mouseMovedPauseMenu(&data->pauseMenu, move);
        break;
    }
    case SCENE_SETTINGS:
    case SCENE_MENU_SETTINGS:
        mouseMovedSettingsMenu(&data->settingsMenu, event.mouseMove);
        applyMusicSettings(&data->settingsMenu, data->music.get());
        break;
    case SCENE_TEAM_SELECT:
        mouseMovedTeamSelect(&data->teamSelect, event.mouseMove);
        break;
    case SCENE_WIN:
        mouseMovedWinScreen(&data->winScreen, event.mouseMove);
        break;
    case SCENE_DEFEAT:
        mouseMovedDefeatScreen(&data->defeatScreen, event.mouseMove);
        break;
    case SCENE_CREDITS:
        mouseMovedCredits(&data->credits, event.mouseMove);
        break;
    case SCENE_SHOP:
        mouseMovedShop(&data->shop, event.mouseMove);
        break;
    default:
        break;
    }
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
