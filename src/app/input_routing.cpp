#include "app/game.hpp"

#include "app/menu_keys.hpp"
#include "app/scenes.hpp"
#include "world/board_moves.hpp"
#include "world/encounters.hpp"
#include "world/world_keys.hpp"

#include <SFML/Window/Keyboard.hpp>

// Every window event, routed by its type and through the table of scenes; the keys of the
// map, the debug chord and the debug keys.

namespace {

bool keyHeld(const MainData* data, sf::Keyboard::Key key) {
    if (key < 0 || key >= sf::Keyboard::KeyCount) return false;
    return data->keysDown[static_cast<std::size_t>(key)] || sf::Keyboard::isKeyPressed(key);
}

// True while left Control, left Shift, F and J are all held.
bool debugChordHeld(const MainData* data) {
    return keyHeld(data, sf::Keyboard::LControl) && keyHeld(data, sf::Keyboard::LShift) &&
           keyHeld(data, sf::Keyboard::F) && keyHeld(data, sf::Keyboard::J);
}

void pressDebugKey(MainData* data, sf::Keyboard::Key key) {
    WorldGame& world = data->world;
    switch (key) {
    case sf::Keyboard::E:
        // In a fight E is the battle's end-turn key.
        if (world.phase == WORLD_PHASE_MAP && !anyPlayerMoving(&world)) resetPartyTurn(&world.party);
        break;
    case sf::Keyboard::L:
    case sf::Keyboard::Q:
        world.party.leaderAlive = 0; // the next update shows the defeat screen
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
            initHud(&world.hud, &world.party, world.camera.topLeft);
            setGoldText(&world.hud, world.gold, world.camera.topLeft);
            toggleHud(&world.hud);
        }
        break;
    case sf::Keyboard::Space:
        if (world.phase == WORLD_PHASE_MAP) toggleTurn(&world, &data->window);
        break;
    case sf::Keyboard::W:
        world.enemies.count = 0; // the next update shows the win screen
        world.level = 10;
        break;
    case sf::Keyboard::A:
        killEnemy(&world, 0);
        break;
    case sf::Keyboard::K:
        openShopScene(data);
        break;
    case sf::Keyboard::Left:
        // Replays the way here: the sheet that led to this level, then one level back.
        if (world.level >= 2) {
            startLevelTransitionScene(data, world.level - 1);
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

void keyPressed(MainData* data, sf::Keyboard::Key key) {
    if (debugChordHeld(data)) data->debugMode = data->debugMode ? 0 : 1;
    if (data->sceneState != SCENE_WORLD) return;
    WorldGame& world = data->world;
    Camera& camera = world.camera;
    // M held shows the whole map (only on the player's turn on the map, from the close view;
    // a fight keeps its own screen).
    if (key == sf::Keyboard::M && world.playerTurn == 1 && camera.mode == CAMERA_CLOSE &&
        world.phase == WORLD_PHASE_MAP) {
        toggleCameraMode(&camera, &data->window);
        world.hud.visible = 0;
    }
    keyPressedWorldGame(&world, key, &data->window);
    if (key == sf::Keyboard::Escape && !cancelInFight(&world)) openPauseMenuScene(data);
    if (data->debugMode == 1) pressDebugKey(data, key);
}

void keyReleased(MainData* data, sf::Keyboard::Key key) {
    keyReleasedWorldGame(&data->world, key); // a release counts on every screen
    if (data->sceneState != SCENE_WORLD) return;
    // Releasing M returns from the overview to the close view with the HUD.
    WorldGame& world = data->world;
    if (key == sf::Keyboard::M && world.playerTurn == 1 && world.camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&world.camera, &data->window);
        toggleHud(&world.hud);
    }
}

// Down already: the window repeats the press of a held key.
bool keyRemembered(const MainData* data, sf::Keyboard::Key key) {
    return key >= 0 && key < sf::Keyboard::KeyCount && data->keysDown[static_cast<std::size_t>(key)];
}

void rememberKey(MainData* data, sf::Keyboard::Key key, bool down) {
    if (key >= 0 && key < sf::Keyboard::KeyCount) data->keysDown[static_cast<std::size_t>(key)] = down;
}

} // namespace

void dispatchEvent(MainData* data, const sf::Event& event) {
    switch (event.type) {
    case sf::Event::Closed:
        data->window.close();
        break;
    case sf::Event::LostFocus:
        data->keysDown.fill(false);
        releaseWorldKeys(&data->world);
        data->rightButtonDown = false;
        break;
    case sf::Event::KeyPressed: {
        const bool repeated = keyRemembered(data, event.key.code);
        rememberKey(data, event.key.code, true);
        if (pressMenuKey(data, event.key.code, repeated)) break;
        keyPressed(data, event.key.code);
        break;
    }
    case sf::Event::KeyReleased:
        rememberKey(data, event.key.code, false);
        keyReleased(data, event.key.code);
        break;
    case sf::Event::MouseButtonPressed: {
        if (event.mouseButton.button == sf::Mouse::Right) data->rightButtonDown = true;
        const Scene& scene = sceneOf(data->sceneState);
        if (scene.press) scene.press(data, event.mouseButton);
        break;
    }
    case sf::Event::MouseButtonReleased:
        if (event.mouseButton.button == sf::Mouse::Right) data->rightButtonDown = false;
        // Any release anywhere ends a volume-cursor drag.
        mouseReleasedSettingsMenu(&data->settingsMenu);
        break;
    case sf::Event::MouseLeft:
        cursorLeftWindow(data);
        break;
    case sf::Event::MouseMoved: {
        updateCursor(data, event.mouseMove);
        const Scene& scene = sceneOf(data->sceneState);
        if (scene.move) scene.move(data, event.mouseMove);
        break;
    }
    default:
        break;
    }
}
