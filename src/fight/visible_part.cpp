#include "fight/visible_part.hpp"

#include "core/resources.hpp"

#include <SFML/Graphics/Image.hpp>

#include <map>

sf::IntRect visiblePictureArea(const std::string& path) {
    static std::map<std::string, sf::IntRect> known;
    const auto found = known.find(path);
    if (found != known.end()) return found->second;
    const sf::Texture& texture = createTexture(path);
    sf::IntRect area;
    const sf::Vector2u size = texture.getSize();
    if (size.x > 0 && size.y > 0) {
        const sf::Image image = texture.copyToImage();
        unsigned left = size.x, top = size.y, right = 0, bottom = 0;
        bool any = false;
        for (unsigned y = 0; y < size.y; ++y)
            for (unsigned x = 0; x < size.x; ++x) {
                if (image.getPixel(x, y).a == 0) continue;
                any = true;
                if (x < left) left = x;
                if (x > right) right = x;
                if (y < top) top = y;
                if (y > bottom) bottom = y;
            }
        if (any)
            area = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
                    static_cast<int>(bottom - top + 1)};
    }
    known[path] = area;
    return area;
}

void showVisiblePart(sf::Sprite& sprite, const std::string& path) {
    const sf::IntRect area = visiblePictureArea(path);
    if (area.width <= 0 || area.height <= 0) return; // nothing to gain, or nothing to show
    sprite.setTextureRect(area);
    sprite.setOrigin(sprite.getOrigin() - sf::Vector2f(static_cast<float>(area.left), static_cast<float>(area.top)));
}
