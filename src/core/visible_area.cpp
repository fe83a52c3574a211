#include "core/visible_area.hpp"

#include "core/asset_cache.hpp"

#include <SFML/Graphics/Image.hpp>

sf::IntRect visiblePictureArea(const sf::Texture& texture) {
    const sf::Vector2u size = texture.getSize();
    if (size.x == 0 || size.y == 0) return {};
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
    if (!any) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
            static_cast<int>(bottom - top + 1)};
}

sf::IntRect visiblePictureArea(const std::string& path) {
    if (const sf::IntRect* known = findVisibleArea(path)) return *known;
    const sf::IntRect area = visiblePictureArea(cachedTexture(path));
    rememberVisibleArea(path, area);
    return area;
}
