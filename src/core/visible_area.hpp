// Many pictures are mostly transparent (the battle HUD is a bar along the bottom of a
// full-screen picture, a shadow a thin ellipse in a tall one, the note pad a quarter of
// its screen). Drawing only the part that holds visible pixels looks the same and spares
// the software rasteriser most of the work.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// The smallest area of `texture` holding every pixel that is not fully transparent (empty
// for an empty or wholly transparent picture). Reads the texture back: init only.
sf::IntRect visiblePictureArea(const sf::Texture& texture);

// The same for the cached picture at `path`, measured once and remembered in the asset
// cache until it is cleared.
sf::IntRect visiblePictureArea(const std::string& path);
