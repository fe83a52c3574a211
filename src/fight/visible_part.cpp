#include "fight/visible_part.hpp"

#include "core/visible_area.hpp"

void showVisiblePart(sf::Sprite& sprite, const std::string& path) {
    const sf::IntRect area = visiblePictureArea(path);
    if (area.width <= 0 || area.height <= 0) return; // nothing to gain, or nothing to show
    sprite.setTextureRect(area);
    sprite.setOrigin(sprite.getOrigin() - sf::Vector2f(static_cast<float>(area.left), static_cast<float>(area.top)));
}
