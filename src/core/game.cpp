#include "core/game.hpp"

#include "core/asset_cache.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"

#include <SFML/Window/Keyboard.hpp>

namespace {

bool keyHeld(const MainData* data, sf::Keyboard::Key key) {
    if (key < 0 || key >= sf::Keyboard::KeyCount) return false;
    return data->keysDown[static_cast<std::size_t>(key)] || sf::Keyboard::isKeyPressed(key);
}

// Scenes drawn in plain screen coordinates; everything else lies over the world view.
bool cursorInScreenSpace(SceneState scene) {
    switch (scene) {
    case SCENE_MAIN_MENU:
    case SCENE_TEAM_SELECT:
    case SCENE_SHOP:
    case SCENE_WIN:
    case SCENE_DEFEAT:
    case SCENE_MENU_SETTINGS:
        return true;
    default:
        return false;
    }
}

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
    initSceneState(&data->sceneState);
    initCamera(&data->world.camera);
    setWindowView(&data->window, &data->world.camera.view);
    initMusic(data->music.get());
    data->window.setMouseCursorVisible(false);
    data->cursorTexture = &createTexture(kCursorTexturePath);
    data->cursorSprite = createSprite(*data->cursorTexture);
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
    (void)event;
    if (debugChordHeld(data)) data->debugMode = data->debugMode ? 0 : 1;
    if (data->sceneState != SCENE_WORLD) return;
}

void keyReleasedGame(const sf::Event& event, MainData* data) {
    (void)event;
    if (data->sceneState != SCENE_WORLD) return;
}

void mousePressedGame(const sf::Event& event, MainData* data) {
    (void)event;
    switch (data->sceneState) {
    default:
        break;
    }
}

void mouseReleasedGame(const sf::Event& event, MainData* data) { (void)event; (void)data; }

void mouseMovedGame(MainData* data) {
    const sf::Event event = data->event;
    updateCursor(data, event.mouseMove);
    switch (data->sceneState) {
    default:
        break;
    }
}

void updateCursor(MainData* data, sf::Event::MouseMoveEvent move) {
    const float x = static_cast<float>(move.x), y = static_cast<float>(move.y);
    const Camera& camera = data->world.camera;
    if (cursorInScreenSpace(data->sceneState)) {
        data->cursorSprite.setScale(1.f, 1.f);
        data->cursorSprite.setPosition(x, y);
    } else if (camera.mode == CAMERA_OVERVIEW) {
        data->cursorSprite.setScale(2.f, 2.f);
        data->cursorSprite.setPosition(2.f * x, 2.f * y);
    } else {
        data->cursorSprite.setScale(1.f, 1.f);
        data->cursorSprite.setPosition(x + camera.topLeft.x, y + camera.topLeft.y);
    }
}

void followCameraCursor(MainData* data) {
    const sf::Vector2i step = data->world.camera.scrollStep;
    data->cursorSprite.move(static_cast<float>(step.x), static_cast<float>(step.y));
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

void updateGame(MainData* data) { stepGame(data, data->clock.restart().asSeconds()); }

void stepGame(MainData* data, float dt) {
    (void)dt;
    switch (data->sceneState) {
    default:
        break;
    }
    followCameraCursor(data);
}

void renderGame(MainData* data) {
    data->window.clear(sf::Color::Black);
    switch (data->sceneState) {
    default:
        break;
    }
    if (!data->world.cursorHidden) data->window.draw(data->cursorSprite);
}

void drawGame(MainData* data) {
    renderGame(data);
    data->window.display();
}

void destroyGame(MainData* data) {
    if (data->music && data->music->mainTheme) data->music->mainTheme->stop();
    data->window.close();
}
