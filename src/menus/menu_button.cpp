#include "menus/menu_button.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"

#include <cstddef>

namespace {

bool usesSheetAreas(const MenuButton* button) { return button->normalArea.width > 0; }

bool showsHoverLook(const MenuButton* button) {
    if (usesSheetAreas(button)) return button->sprite.getTextureRect() == button->hoverArea;
    return button->hoverTexture && button->hoverTexture != button->normalTexture &&
           button->sprite.getTexture() == button->hoverTexture;
}

} // namespace

void initMenuButton(MenuButton* button, const char* normalPath, const char* hoverPath) {
    initMenuButtonTopLeft(button, normalPath, hoverPath);
    const sf::FloatRect local = button->sprite.getLocalBounds();
    button->sprite.setOrigin(local.width / 2.f, 0.f);
}

void initMenuButtonTopLeft(MenuButton* button, const char* normalPath, const char* hoverPath) {
    button->normalTexture = &createTexture(normalPath);
    button->hoverTexture = &createTexture(hoverPath);
    button->normalArea = sf::IntRect();
    button->hoverArea = sf::IntRect();
    button->sprite = createSprite(*button->normalTexture);
    button->sprite.setOrigin(0.f, 0.f);
}

void initSheetMenuButton(MenuButton* button, const char* sheetPath, sf::IntRect normalArea, sf::IntRect hoverArea,
                         float scale, sf::Vector2f position) {
    const sf::Texture& sheet = createTexture(sheetPath);
    button->normalTexture = &sheet;
    button->hoverTexture = &sheet;
    button->normalArea = normalArea;
    button->hoverArea = hoverArea;
    button->sprite = createSprite(sheet);
    setSpriteRect(&button->sprite, &button->normalArea);
    button->sprite.setOrigin(0.f, 0.f);
    button->sprite.setScale(scale, scale);
    button->sprite.setPosition(position);
}

// Asked by the press handlers only: a press that lands on a button clicks.
bool menuButtonHit(const MenuButton* button, float x, float y) {
    const bool hit = button->sprite.getGlobalBounds().contains(x, y);
    if (hit) playSound(Sound::ButtonClick);
    return hit;
}

void hoverMenuButton(MenuButton* button, float x, float y) {
    const bool hit = button->sprite.getGlobalBounds().contains(x, y);
    if (hit && !showsHoverLook(button)) playSound(Sound::ButtonHover);
    if (usesSheetAreas(button)) {
        setSpriteRect(&button->sprite, hit ? &button->hoverArea : &button->normalArea);
        return;
    }
    const sf::Texture* wanted = hit ? button->hoverTexture : button->normalTexture;
    if (wanted) setSpriteTexture(&button->sprite, *wanted, true);
}

void hoverMenuButtons(std::span<MenuButton* const> buttons, sf::Event::MouseMoveEvent move) {
    const float x = static_cast<float>(move.x), y = static_cast<float>(move.y);
    for (MenuButton* button : buttons) hoverMenuButton(button, x, y);
}

sf::Sprite createChainSprite(const sf::Texture& chainTexture, sf::Vector2f position) {
    sf::Sprite chain = createSprite(chainTexture);
    const sf::FloatRect local = chain.getLocalBounds();
    chain.setOrigin(local.width / 2.f, local.height / 2.f + kChainHang);
    chain.setPosition(position);
    return chain;
}

void dropMenuButton(MenuButton* button, sf::Sprite* chain, float restY, float dt) {
    if (button->sprite.getPosition().y >= restY) return;
    button->sprite.move(0.f, kMenuDropSpeed * dt);
    chain->move(0.f, kMenuDropSpeed * dt);
    if (button->sprite.getPosition().y > restY) {
        const float x = button->sprite.getPosition().x;
        button->sprite.setPosition(x, restY);
        chain->setPosition(x, restY);
    }
}

std::uint32_t dropMenuButtons(std::span<MenuButton* const> buttons, std::span<sf::Sprite> chains,
                              std::span<const float> restY, float offsetY, float dt) {
    const std::size_t count = buttons.size();
    if (count == 0 || chains.size() < count || restY.size() < count) return 1;
    const bool lastSettled = buttons[count - 1]->sprite.getPosition().y >= restY[count - 1] + offsetY;
    for (std::size_t i = 0; i < count; ++i) dropMenuButton(buttons[i], &chains[i], restY[i] + offsetY, dt);
    return lastSettled ? 1u : 0u;
}

void placeMenuButton(MenuButton* button, sf::Sprite* chain, sf::Vector2f position) {
    button->sprite.setPosition(position);
    chain->setPosition(position);
}

void drawMenuButtons(std::span<MenuButton* const> buttons, sf::RenderTarget& target) {
    for (const MenuButton* button : buttons) target.draw(button->sprite);
}

void drawChainedMenuButtons(std::span<MenuButton* const> buttons, std::span<const sf::Sprite> chains,
                            sf::RenderTarget& target) {
    for (const sf::Sprite& chain : chains) target.draw(chain);
    for (std::size_t i = buttons.size(); i > 0; --i) target.draw(buttons[i - 1]->sprite);
}

sf::View screenViewOf(const sf::View& current) {
    sf::View screen(sf::FloatRect(0.f, 0.f, 1920.f, 1080.f));
    screen.setViewport(current.getViewport());
    return screen;
}
