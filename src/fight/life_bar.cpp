#include "fight/life_bar.hpp"

#include "core/resources.hpp"
#include "fight/fight_paths.hpp"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kBarScale = 1.5f;
constexpr float kFrameRise = 27.f;
const sf::IntRect kBarFrame{0, 0, kLifeBarWidth, 11};
} // namespace

void initLifeBar(LifeBar& lifeBar, std::int32_t maxLife, sf::Vector2f position) {
    lifeBar.backTexture = &createTexture(kLifeBarBackPath);
    lifeBar.barTexture = &createTexture(kLifeBarPath);
    lifeBar.frameTexture = &createTexture(kLifeBarFramePath);
    lifeBar.count = 0;
    addLifeBarEntry(lifeBar, maxLife, position);
}

void addLifeBarEntry(LifeBar& lifeBar, std::int32_t maxLife, sf::Vector2f p) {
    if (lifeBar.count >= kMaxLifeBarEntries) return;
    LifeBarEntry& entry = lifeBar.entries[static_cast<std::size_t>(lifeBar.count)];
    entry.back = lifeBar.backTexture ? createSprite(*lifeBar.backTexture) : sf::Sprite();
    entry.bar = lifeBar.barTexture ? createSprite(*lifeBar.barTexture) : sf::Sprite();
    entry.frame = lifeBar.frameTexture ? createSprite(*lifeBar.frameTexture) : sf::Sprite();
    entry.bar.setTextureRect(kBarFrame);
    for (sf::Sprite* sprite : {&entry.back, &entry.bar, &entry.frame}) sprite->setScale(kBarScale, kBarScale);
    entry.back.setPosition(p);
    entry.bar.setPosition(p);
    entry.frame.setPosition(p.x, p.y - kFrameRise);
    entry.barAnimation = createAnimation(15, 15, &kBarFrame, 1);
    // A fighter without maximum life shows an empty bar rather than an endless one.
    entry.pixelsPerLife = maxLife > 0 ? static_cast<float>(kLifeBarWidth) / static_cast<float>(maxLife) : 0.f;
    lifeBar.count += 1;
}

void updateLifeBar(LifeBar& lifeBar, std::int32_t life, float dt) {
    for (std::int32_t i = 0; i < lifeBar.count; ++i) {
        LifeBarEntry& entry = lifeBar.entries[static_cast<std::size_t>(i)];
        // Life may dip below 0 for the frame before death is noticed: a negative width would
        // draw the bar mirrored, so the shown width stays within the bar.
        const float width = std::trunc(entry.pixelsPerLife * static_cast<float>(life));
        const int shown = static_cast<int>(std::clamp(width, 0.f, static_cast<float>(kLifeBarWidth)));
        setAnimationWidth(&entry.barAnimation, shown);
        updateAnimation(&entry.barAnimation, &entry.bar, dt);
    }
}

void drawLifeBar(const LifeBar& lifeBar, sf::RenderTarget& target, std::int32_t frameFlag) {
    for (std::int32_t i = 0; i < lifeBar.count; ++i) {
        const LifeBarEntry& entry = lifeBar.entries[static_cast<std::size_t>(i)];
        target.draw(entry.back);
        target.draw(entry.bar);
        if (frameFlag > 0) target.draw(entry.frame);
    }
}
