// Hit and boost effects shown on a fighter: a pile of looping strips at one place. A hit
// is a random heap of explosions and impacts of three sizes; a boost is a column of light.
#pragma once

#include "core/animation.hpp"
#include "core/picture_atlas.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

constexpr int kMaxImpacts = 100;
constexpr int kImpactsPerSet = 30;
constexpr int kImpactTextureCount = 4;

enum : std::int32_t { IMPACT_HIT = 0, IMPACT_DEFENSE_BOOST = 2, IMPACT_ATTACK_BOOST = 3 };

struct Impact {
    sf::Sprite sprite;
    Animation animation;
};

struct ImpactSet {
    // Explosion, Impact, BoostDef, BoostAttack, in this order.
    std::array<const sf::Texture*, kImpactTextureCount> textures{};
    // The four strips in one texture: a whole pile is one draw (no texture: one per effect).
    PictureAtlas atlas;
    std::array<Impact, kMaxImpacts> impacts;
    std::int32_t count = 0;
};

// Thirty effects of `kind` at `position`.
void initImpacts(ImpactSet& set, sf::Vector2f position, std::int32_t kind);
// Appends one effect; other kinds than 0, 2 and 3 append an entry that shows nothing.
void addImpact(ImpactSet& set, sf::Vector2f position, std::int32_t kind);
void updateImpacts(ImpactSet& set, float dt);
// The effects that show (a hit of size 0 shows nothing), in their order, in one draw, each
// by the visible part of its frame.
void drawImpacts(const ImpactSet& set, sf::RenderTarget& target);
