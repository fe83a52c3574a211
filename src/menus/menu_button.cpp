#include "menus/menu_button.hpp"

#include "core/resources.hpp"

void initMenuButton(MenuButton* button, const char* normalPath, const char* hoverPath) {
    button->normalTexture = &createTexture(normalPath);
    button->hoverTexture = &createTexture(hoverPath);
    button->sprite = createSprite(*button->normalTexture);
    const sf::FloatRect local = button->sprite.getLocalBounds();
    button->sprite.setOrigin(local.width / 2.f, 0.f);
}

void initMenuButtonTopLeft(MenuButton* button, const char* normalPath, const char* hoverPath) {
    button->normalTexture = &createTexture(normalPath);
    button->hoverTexture = &createTexture(hoverPath);
    button->sprite = createSprite(*button->normalTexture);
    button->sprite.setOrigin(0.f, 0.f);
}

bool menuButtonHit(const MenuButton* button, float x, float y) {
    return button->sprite.getGlobalBounds().contains(x, y);
}

void hoverMenuButton(MenuButton* button, float x, float y) {
    const sf::Texture* wanted = menuButtonHit(button, x, y) ? button->hoverTexture : button->normalTexture;
    if (wanted) setSpriteTexture(&button->sprite, *wanted, true);
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

void placeMenuButton(MenuButton* button, sf::Sprite* chain, sf::Vector2f position) {
    button->sprite.setPosition(position);
    chain->setPosition(position);
}

sf::View screenViewOf(const sf::View& current) {
    sf::View screen(sf::FloatRect(0.f, 0.f, 1920.f, 1080.f));
    screen.setViewport(current.getViewport());
    return screen;
}
