#include "core/backdrop_strips.hpp"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cmath>

sf::FloatRect coveredArea(const sf::Sprite& cover, const sf::IntRect& core) {
    const sf::IntRect shown = cover.getTextureRect();
    sf::IntRect inside;
    if (!cover.getTexture() || !core.intersects(shown, inside) || inside.width <= 0 || inside.height <= 0) return {};
    const sf::FloatRect local(static_cast<float>(inside.left - shown.left), static_cast<float>(inside.top - shown.top),
                              static_cast<float>(inside.width), static_cast<float>(inside.height));
    return cover.getTransform().transformRect(local);
}

BackdropStrips cutBackdropStrips(const sf::Sprite& backdrop, const sf::FloatRect& hidden) {
    BackdropStrips cut;
    const sf::Texture* texture = backdrop.getTexture();
    const sf::Vector2f scale = backdrop.getScale();
    if (!texture || hidden.width <= 0.f || hidden.height <= 0.f || scale.x <= 0.f || scale.y <= 0.f ||
        backdrop.getRotation() != 0.f)
        return cut;
    const sf::Vector2f corner = backdrop.getTransform().transformPoint(0.f, 0.f);
    const int width = static_cast<int>(texture->getSize().x), height = static_cast<int>(texture->getSize().y);
    // Picture pixels wholly inside the hidden area.
    const int left = std::clamp(static_cast<int>(std::ceil((hidden.left - corner.x) / scale.x)), 0, width);
    const int right = std::clamp(static_cast<int>(std::floor((hidden.left + hidden.width - corner.x) / scale.x)), left, width);
    const int top = std::clamp(static_cast<int>(std::ceil((hidden.top - corner.y) / scale.y)), 0, height);
    const int bottom = std::clamp(static_cast<int>(std::floor((hidden.top + hidden.height - corner.y) / scale.y)), top, height);
    if (right <= left || bottom <= top) return cut;
    const sf::IntRect strips[4] = {{0, 0, width, top},
                                   {0, bottom, width, height - bottom},
                                   {0, top, left, bottom - top},
                                   {right, top, width - right, bottom - top}};
    for (const sf::IntRect& area : strips) {
        if (area.width <= 0 || area.height <= 0) continue;
        sf::Sprite& strip = cut.strips[static_cast<std::size_t>(cut.count)];
        strip = backdrop;
        strip.setTextureRect(area);
        strip.setOrigin(0.f, 0.f);
        strip.setPosition(corner.x + static_cast<float>(area.left) * scale.x, corner.y + static_cast<float>(area.top) * scale.y);
        cut.count += 1;
    }
    if (cut.count == 0) { // everything hidden: one empty strip keeps the backdrop from being drawn whole
        cut.strips[0] = backdrop;
        cut.strips[0].setTextureRect({});
        cut.count = 1;
    }
    return cut;
}

void drawBackdrop(const sf::Sprite& backdrop, const BackdropStrips& strips, bool opaque, sf::RenderTarget& target) {
    if (strips.count == 0) {
        target.draw(backdrop, opaque ? sf::RenderStates(sf::BlendNone) : sf::RenderStates::Default);
        return;
    }
    for (std::int32_t k = 0; k < strips.count; ++k)
        target.draw(strips.strips[static_cast<std::size_t>(k)], sf::RenderStates(sf::BlendNone));
}
