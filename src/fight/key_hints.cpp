#include "fight/key_hints.hpp"

#include "core/resources.hpp"

#include <SFML/Graphics/Sprite.hpp>

namespace {
constexpr int kNarrowCapWidth = 13;
constexpr int kWideCapWidth = 35;
constexpr int kCapHeight = 13;
} // namespace

sf::IntRect keyCapArea(KeyCap cap) {
    if (cap >= KEY_CAP_TAB && cap < KEY_CAP_COUNT)
        return {(cap - KEY_CAP_TAB) * kWideCapWidth, kCapHeight, kWideCapWidth, kCapHeight};
    const int narrow = cap >= 0 && cap < KEY_CAP_TAB ? cap : 0;
    return {narrow * kNarrowCapWidth, 0, kNarrowCapWidth, kCapHeight};
}

void drawKeyCap(sf::RenderTarget& target, KeyCap cap, sf::Vector2f centre, float degrees) {
    sf::Sprite sprite = createSprite(createTexture(kKeyHintsPath));
    const sf::IntRect area = keyCapArea(cap);
    setSpriteRect(&sprite, &area);
    sprite.setOrigin(static_cast<float>(area.width) / 2.f, static_cast<float>(area.height) / 2.f);
    sprite.setScale(kKeyHintScale, kKeyHintScale);
    sprite.setRotation(degrees);
    sprite.setPosition(centre);
    target.draw(sprite);
}
