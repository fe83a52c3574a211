// The three ways every picture is put on screen: a shared texture, a sprite on it,
// and the part of the texture a sprite shows.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// Returns the cached texture of `path` (decoded on first use; empty if unreadable).
const sf::Texture& createTexture(const std::string& path);
// A sprite showing the whole texture.
sf::Sprite createSprite(const sf::Texture& texture);
void setSpriteRect(sf::Sprite* sprite, const sf::IntRect* rect);
