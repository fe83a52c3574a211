// The curved targeting arrow of a selected card: 24 dots growing along a curve that bows up
// and to the left, and a head on the mouse point.
#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

constexpr int kArrowDotCount = 25; // the last one is the head

struct ArrowDot {
    sf::Sprite sprite;
    sf::Vector2f start;      // where the curve leaves from
    std::int32_t index = 0;  // 1 to 25
    float angle = 0.f;       // the rotation last given, in degrees
};

struct CardArrow {
    const sf::Texture* dotTexture = nullptr;
    const sf::Texture* headTexture = nullptr;
    std::array<ArrowDot, kArrowDotCount> dots;
    std::int32_t count = 0;
    std::int32_t onTarget = 1; // 0: the mouse is on nothing the card can go to
};

void initCardArrow(CardArrow& arrow, sf::Vector2f start);
// Appends dot i (0-based; the 25th is the head). A full arrow takes no more dots.
void addArrowDot(CardArrow& arrow, std::int32_t i, sf::Vector2f start);
// Moves the point every dot leaves from (the card moves with the fan).
void setCardArrowStart(CardArrow& arrow, sf::Vector2f start);
// Lays every dot on the curve toward `end`.
void updateCardArrow(CardArrow& arrow, sf::Vector2f end);
// Off a target the dots fade and the head goes: the card shows no target.
void setCardArrowAim(CardArrow& arrow, bool onTarget);
void drawCardArrow(const CardArrow& arrow, sf::RenderTarget& target);
