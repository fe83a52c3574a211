#include "menus/pause_menu.hpp"

#include "core/resources.hpp"

#include <SFML/Graphics/RectangleShape.hpp>

namespace {

std::array<MenuButton*, 3> buttonsOf(PauseMenu* menu) { return {&menu->resume, &menu->settings, &menu->exitToMenu}; }

void placePauseMenu(PauseMenu* menu, sf::Vector2f offset) {
    menu->title.setPosition(kPauseButtonX + offset.x, offset.y);
    const std::array<MenuButton*, 3> buttons = buttonsOf(menu);
    for (int i = 0; i < 3; ++i)
        placeMenuButton(buttons[i], &menu->chains[i], {kPauseButtonX + offset.x, kPauseButtonStartY + offset.y});
}

} // namespace

void initPauseMenu(PauseMenu* menu) {
    menu->titleTexture = &createTexture(kPauseTitlePath);
    menu->title = createSprite(*menu->titleTexture);
    menu->title.setOrigin(menu->title.getLocalBounds().width / 2.f, 0.f);
    initMenuButton(&menu->resume, kPauseResumePath, kPauseResumeHoverPath);
    initMenuButton(&menu->settings, kPauseSettingsPath, kPauseSettingsHoverPath);
    initMenuButton(&menu->exitToMenu, kExitToMenuPath, kExitToMenuHoverPath);
    menu->chainTexture = &createTexture(kPauseChainPath);
    for (sf::Sprite& chain : menu->chains) chain = createChainSprite(*menu->chainTexture, {});
    placePauseMenu(menu, {0.f, 0.f});
    menu->buttonsArrived = 0;
}

void openPauseMenu(PauseMenu* menu, sf::Vector2f offset) { placePauseMenu(menu, offset); }

void movePauseMenuButtons(PauseMenu* menu, float dt, sf::Vector2f offset) {
    if (dropMenuButtons(buttonsOf(menu), menu->chains, kPauseRestY, offset.y, dt)) menu->buttonsArrived = 1;
}

void updatePauseMenu(PauseMenu* menu, float dt, sf::Vector2f offset) {
    if (menu->buttonsArrived == 0) movePauseMenuButtons(menu, dt, offset);
}

void drawPauseShade(sf::RenderTarget& target) {
    // The whole of what the view shows, whatever the camera's scroll or zoom.
    const sf::View& view = target.getView();
    sf::RectangleShape veil(view.getSize());
    veil.setPosition(view.getCenter() - view.getSize() / 2.f);
    veil.setFillColor(kPauseShadeColor);
    target.draw(veil);
}

void drawPauseMenu(PauseMenu* menu, sf::RenderTarget& target) {
    drawPauseShade(target);
    drawChainedMenuButtons(buttonsOf(menu), menu->chains, target);
    target.draw(menu->title);
}

void mouseMovedPauseMenu(PauseMenu* menu, sf::Event::MouseMoveEvent move) { hoverMenuButtons(buttonsOf(menu), move); }

PauseChoice mousePressedPauseMenu(PauseMenu* menu, float x, float y) {
    PauseChoice choice = PauseChoice::None;
    if (menuButtonHit(&menu->resume, x, y)) choice = PauseChoice::Resume;
    else if (menuButtonHit(&menu->settings, x, y)) choice = PauseChoice::Settings;
    else if (menuButtonHit(&menu->exitToMenu, x, y)) choice = PauseChoice::ExitToMenu;
    if (choice != PauseChoice::None) menu->buttonsArrived = 0;
    return choice;
}

PauseChoice escapePauseMenu(PauseMenu* menu) {
    menu->buttonsArrived = 0; // as any choice: the buttons drop in again at the next opening
    return PauseChoice::Resume;
}
