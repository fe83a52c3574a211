#include "app/cursor.hpp"

#include "app/scenes.hpp"
#include "core/display.hpp"

#include <cmath>

namespace {

bool pictureMissing(const sf::Texture* texture) { return !texture || texture->getSize().x == 0; }

} // namespace

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

void pointSceneAtCursor(MainData* data) {
    const SceneState scene = data->sceneState;
    const bool entered = scene != data->pointedScene;
    data->pointedScene = scene;
    // The map answers its own moves (hover paths, the HUD); a frame-by-frame move would
    // only repeat its searches.
    if (!entered && scene == SCENE_WORLD) return;
    const Scene& handlers = sceneOf(scene);
    if (!handlers.move) return;
    sf::Event::MouseMoveEvent move{};
    move.x = static_cast<int>(std::floor(data->mousePosition.x));
    move.y = static_cast<int>(std::floor(data->mousePosition.y));
    handlers.move(data, move);
}

void cursorLeftWindow(MainData* data) {
    // Far outside every button, in any view; the game's pointer goes out of sight with it.
    data->mousePosition = {-100000.f, -100000.f};
    followCameraCursor(data);
    const Scene& handlers = sceneOf(data->sceneState);
    if (!handlers.move) return;
    sf::Event::MouseMoveEvent move{};
    move.x = -100000;
    move.y = -100000;
    handlers.move(data, move);
}

void showSystemCursor(MainData* data, bool shown, bool force) {
    const std::int32_t value = shown ? 1 : 0;
    if (!force && data->systemCursorShown == value) return;
    data->systemCursorShown = value;
    data->window.setMouseCursorVisible(shown);
}

void drawCursor(MainData* data) {
    followCameraCursor(data);
    // The fight draws its own pointer while it runs; the menus over it need the game's one.
    const bool fightPointer = data->world.cursorHidden && data->sceneState == SCENE_WORLD;
    if (!fightPointer) data->window.draw(data->cursorSprite);
    const sf::Texture* shown = fightPointer ? data->world.fight.fightCursor.texture : data->cursorTexture;
    showSystemCursor(data, pictureMissing(shown));
}
