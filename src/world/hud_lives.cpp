#include "world/hud_lives.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Palette colours: Ink behind, Blood for the life, Ember for its lit top row.
const sf::Color kGaugeBack{20, 16, 24};
const sf::Color kGaugeLife{164, 44, 48};
const sf::Color kGaugeLight{214, 104, 52};
const sf::Color kNumberColor{250, 246, 236}; // White
const sf::Color kNumberShadow{20, 16, 24};   // Ink

bool sheetOpen(const Hud* hud) {
    return std::any_of(hud->hovered.begin(), hud->hovered.end(), [](std::int32_t h) { return h != 0; });
}

// The open character sheet lies over the bar: a life it covers is not drawn over it.
bool heroShown(const Hud* hud, const Party* party, std::uint32_t slot) {
    if (slot >= party->count || slot >= static_cast<std::uint32_t>(kHudSlots) ||
        hud->portraitSprites[slot].getTexture() == nullptr)
        return false;
    if (!sheetOpen(hud)) return true;
    const sf::Vector2f frame = hud->frameSprites[slot].getPosition();
    const sf::FloatRect life(frame + kHudLifeGaugeOffset,
                             {kHudLifeNumberOffset.x + 3.f * static_cast<float>(kHudLifeNumberSize),
                              kHudLifeGaugeSize.y});
    return !hud->sheetSprite.getGlobalBounds().intersects(life);
}

void addQuad(sf::VertexArray* mesh, sf::Vector2f corner, sf::Vector2f size, sf::Color color) {
    const sf::Vector2f c[4] = {corner, {corner.x + size.x, corner.y}, corner + size, {corner.x, corner.y + size.y}};
    for (const sf::Vector2f& point : c) mesh->append(sf::Vertex(point, color));
}

} // namespace

float hudLifeFill(std::int32_t life, float maxLife) {
    if (life <= 0 || !(maxLife > 0.f)) return 0.f;
    const float share = std::min(1.f, static_cast<float>(life) / maxLife);
    return std::max(1.f, std::floor(kHudLifeGaugeSize.x * share));
}

std::string hudLifeText(const Hud* hud, const Party* party, std::uint32_t slot) {
    if (!heroShown(hud, party, slot)) return "";
    return std::to_string(std::max(0, party->players[slot].stats.life));
}

sf::VertexArray hudLifeGauges(const Hud* hud, const Party* party) {
    sf::VertexArray mesh(sf::Quads);
    for (std::uint32_t slot = 0; slot < static_cast<std::uint32_t>(kHudSlots); ++slot) {
        if (!heroShown(hud, party, slot)) continue;
        const UnitStats& stats = party->players[slot].stats;
        const sf::Vector2f corner = hud->frameSprites[slot].getPosition() + kHudLifeGaugeOffset;
        addQuad(&mesh, corner - sf::Vector2f(1.f, 1.f), kHudLifeGaugeSize + sf::Vector2f(2.f, 2.f), kGaugeBack);
        const float fill = hudLifeFill(stats.life, stats.maxLife);
        if (fill <= 0.f) continue;
        addQuad(&mesh, corner, {fill, kHudLifeGaugeSize.y}, kGaugeLife);
        addQuad(&mesh, corner, {fill, 2.f}, kGaugeLight);
    }
    return mesh;
}

void drawHudLives(const Hud* hud, const Party* party, sf::RenderTarget& target) {
    if (hud->visible != 1) return;
    target.draw(hudLifeGauges(hud, party));
    if (!hud->goldFont) return;
    sf::Text number;
    number.setFont(*hud->goldFont);
    number.setCharacterSize(kHudLifeNumberSize);
    for (std::uint32_t slot = 0; slot < static_cast<std::uint32_t>(kHudSlots); ++slot) {
        const std::string text = hudLifeText(hud, party, slot);
        if (text.empty()) continue;
        number.setString(text);
        const sf::Vector2f at = hud->frameSprites[slot].getPosition() + kHudLifeNumberOffset;
        number.setFillColor(kNumberShadow);
        number.setPosition(at + sf::Vector2f(2.f, 2.f));
        target.draw(number);
        number.setFillColor(kNumberColor);
        number.setPosition(at);
        target.draw(number);
    }
}
