// Each hero's life in the top bar: a gauge across the foot of its portrait frame and the
// number beside the frame, read from the party at every draw, so that what a fight or a
// camp changed shows the moment the map is back.
#pragma once

#include "world/hud.hpp"
#include "world/party.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <cstdint>

// Gauge inside the frame's foot, and the number's place, as offsets from the frame's corner.
inline const sf::Vector2f kHudLifeGaugeOffset{6.f, 76.f};
inline const sf::Vector2f kHudLifeGaugeSize{54.f, 8.f};
inline const sf::Vector2f kHudLifeNumberOffset{72.f, 66.f};
constexpr unsigned kHudLifeNumberSize = 15;

// The width of the gauge's fill for `life` of `maxLife` (whole pixels, never below one
// pixel for a living hero, never past the gauge).
float hudLifeFill(std::int32_t life, float maxLife);
// The life of hero `slot` as the top bar writes it ("" for a slot without a hero shown).
std::string hudLifeText(const Hud* hud, const Party* party, std::uint32_t slot);
// One coloured mesh for every gauge shown (the heroes whose portrait the bar shows).
sf::VertexArray hudLifeGauges(const Hud* hud, const Party* party);
// Gauges and numbers, over the portraits; nothing while the HUD is hidden.
void drawHudLives(const Hud* hud, const Party* party, sf::RenderTarget& target);
