// Fight pictures shown by their visible part only (core/visible_area): the HUD, the turn
// banners, the shadows.
#pragma once

#include <SFML/Graphics/Sprite.hpp>

#include <string>

// Makes `sprite`, which shows its whole texture (the picture at `path`), show only the
// visible area, standing exactly where the whole picture put it (same origin point,
// scale and rotation).
void showVisiblePart(sf::Sprite& sprite, const std::string& path);
