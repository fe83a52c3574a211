#include "core/opaque_split.hpp"

#include <SFML/Graphics/RenderStates.hpp>

namespace {

// `picture` showing only `area` (inside what it shows), standing where the picture put it.
sf::Sprite piece(const sf::Sprite& picture, const sf::IntRect& area) {
    const sf::IntRect shown = picture.getTextureRect();
    sf::Sprite part = picture;
    part.setTextureRect(area);
    part.setOrigin(picture.getOrigin() -
                   sf::Vector2f(static_cast<float>(area.left - shown.left), static_cast<float>(area.top - shown.top)));
    return part;
}

} // namespace

OpaqueSplit splitAtOpaqueMiddle(const sf::Sprite& picture, const sf::IntRect& opaque) {
    OpaqueSplit split;
    const sf::IntRect shown = picture.getTextureRect();
    sf::IntRect middle;
    if (!picture.getTexture() || shown.width <= 0 || shown.height <= 0 || !opaque.intersects(shown, middle) ||
        middle.width <= 0 || middle.height <= 0)
        return split;
    split.split = 1;
    split.middle = piece(picture, middle);
    const int shownRight = shown.left + shown.width, shownBottom = shown.top + shown.height;
    const int middleRight = middle.left + middle.width, middleBottom = middle.top + middle.height;
    const sf::IntRect rim[4] = {{shown.left, shown.top, shown.width, middle.top - shown.top},
                                {shown.left, middleBottom, shown.width, shownBottom - middleBottom},
                                {shown.left, middle.top, middle.left - shown.left, middle.height},
                                {middleRight, middle.top, shownRight - middleRight, middle.height}};
    for (const sf::IntRect& area : rim)
        if (area.width > 0 && area.height > 0) split.rim[static_cast<std::size_t>(split.rimCount++)] = piece(picture, area);
    return split;
}

void drawOpaqueSplit(const sf::Sprite& picture, const OpaqueSplit& split, sf::RenderTarget& target) {
    if (!split.split) {
        target.draw(picture);
        return;
    }
    target.draw(split.middle, sf::RenderStates(sf::BlendNone));
    for (std::int32_t k = 0; k < split.rimCount; ++k) target.draw(split.rim[static_cast<std::size_t>(k)]);
}
