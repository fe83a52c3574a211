#include "app/cursor.hpp"

#include "core/display.hpp"

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
