#include "core/resources.hpp"

#include "core/asset_cache.hpp"

const sf::Texture& createTexture(const std::string& path) { return cachedTexture(path); }

namespace {
// A texture whose file could not be read has no pixels. SFML would still draw a sprite on
// it, as a plain white quad, once the sprite is given an area: such a sprite gets no
// texture at all instead, so it keeps its place and bounds and draws nothing.
bool hasPixels(const sf::Texture& texture) { return texture.getSize().x > 0 && texture.getSize().y > 0; }
} // namespace

sf::Sprite createSprite(const sf::Texture& texture) {
    sf::Sprite sprite;
    if (hasPixels(texture)) sprite.setTexture(texture, true);
    return sprite;
}

void setSpriteTexture(sf::Sprite* sprite, const sf::Texture& texture, bool resetRect) {
    if (hasPixels(texture)) {
        sprite->setTexture(texture, resetRect);
        return;
    }
    sf::Sprite blank;
    blank.setTextureRect(resetRect ? sf::IntRect() : sprite->getTextureRect());
    blank.setPosition(sprite->getPosition());
    blank.setScale(sprite->getScale());
    blank.setOrigin(sprite->getOrigin());
    blank.setRotation(sprite->getRotation());
    blank.setColor(sprite->getColor());
    *sprite = blank;
}

void setSpriteRect(sf::Sprite* sprite, const sf::IntRect* rect) { sprite->setTextureRect(*rect); }
