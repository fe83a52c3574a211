// The three ways every picture is put on screen: a shared texture, a sprite on it,
// and the part of the texture a sprite shows.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// Returns the cached texture of `path` (decoded on first use; empty if unreadable).
const sf::Texture& createTexture(const std::string& path);
// A sprite showing the whole texture. On a texture without pixels (a missing file) the
// sprite has no texture and draws nothing, whatever area it is later given.
sf::Sprite createSprite(const sf::Texture& texture);
// Puts `texture` on an existing sprite, with the same rule for a texture without pixels.
void setSpriteTexture(sf::Sprite* sprite, const sf::Texture& texture, bool resetRect);
void setSpriteRect(sf::Sprite* sprite, const sf::IntRect* rect);
