#include "core/resources.hpp"

#include "core/asset_cache.hpp"

const sf::Texture& createTexture(const std::string& path) { return cachedTexture(path); }

sf::Sprite createSprite(const sf::Texture& texture) {
    sf::Sprite sprite;
    sprite.setTexture(texture, true);
    return sprite;
}

void setSpriteRect(sf::Sprite* sprite, const sf::IntRect* rect) { sprite->setTextureRect(*rect); }
