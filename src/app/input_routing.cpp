#include "app/game.hpp"

#include "world/board_moves.hpp"
#include "world/encounters.hpp"
#include "world/level_change.hpp"

#include <SFML/Window/Keyboard.hpp>

// Every window event, routed by its type and by the scene that sceneState selects; the debug
// chord and the debug keys.

namespace {

bool keyHeld(const MainData* data, sf::Keyboard::Key key) {
    if (key < 0 || key >= sf::Keyboard::KeyCount) return false;
    return data->keysDown[static_cast<std::size_t>(key)] || sf::Keyboard::isKeyPressed(key);
}

} // namespace

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
            world.phase = WORLD_PHASE_MAP;
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

