// A fighter's life bar: a back, a shimmering bar whose shown width follows the life, and a
// frame shown while the fighter has armor.
#pragma once

#include "core/animation.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

constexpr int kMaxLifeBarEntries = 100;
constexpr int kLifeBarWidth = 128; // texture pixels at full life

struct LifeBarEntry {
    sf::Sprite back;
    sf::Sprite bar;
    sf::Sprite frame;
    Animation barAnimation;
    float pixelsPerLife = 0.f;
};

struct LifeBar {
    const sf::Texture* backTexture = nullptr;
    const sf::Texture* barTexture = nullptr;
    const sf::Texture* frameTexture = nullptr;
    std::array<LifeBarEntry, kMaxLifeBarEntries> entries;
    std::int32_t count = 0;
};

void initLifeBar(LifeBar& lifeBar, std::int32_t maxLife, sf::Vector2f position);
void addLifeBarEntry(LifeBar& lifeBar, std::int32_t maxLife, sf::Vector2f position);
// Animates the bar and sets its shown width to the life left.
void updateLifeBar(LifeBar& lifeBar, std::int32_t life, float dt);
// Back and bar; the frame too while `frameFlag` is above 0.
void drawLifeBar(const LifeBar& lifeBar, sf::RenderTarget& target, std::int32_t frameFlag);
