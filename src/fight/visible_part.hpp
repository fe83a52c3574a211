// Many fight pictures are mostly transparent (the battle HUD is a bar along the bottom of
// a full-screen picture, a shadow a thin ellipse in a tall one). Drawing only the part that
// holds visible pixels looks the same and spares the software rasteriser most of the work.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <string>

// The smallest area of the picture at `path` holding every pixel that is not fully
// transparent (empty for an empty or wholly transparent picture). Read back from the
// cached texture once per picture and remembered.
sf::IntRect visiblePictureArea(const std::string& path);

// Makes `sprite`, which shows its whole texture (the picture at `path`), show only the
// visible area, standing exactly where the whole picture put it (same origin point,
// scale and rotation).
void showVisiblePart(sf::Sprite& sprite, const std::string& path);
