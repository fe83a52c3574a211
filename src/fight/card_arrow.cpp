#include "fight/card_arrow.hpp"

#include "core/resources.hpp"
#include "fight/fight_paths.hpp"

#include <cmath>

namespace {

constexpr float kPi = 3.14159f;
constexpr float kDotStep = 0.04f;       // curve parameter between two dots
constexpr float kBow = 300.f;           // how far the curve bows up and to the left
const sf::Vector2f kDotOrigin{8.4f, 10.8f};
constexpr float kRestScale = 0.3f;

float dotScale(std::int32_t index) { return 0.1f * static_cast<float>(index) + 0.3f; }

} // namespace

void initCardArrow(CardArrow& arrow, sf::Vector2f start) {
    arrow.dotTexture = &createTexture(kArrowDotPath);
    arrow.headTexture = &createTexture(kArrowHeadPath);
    arrow.count = 0;
    for (std::int32_t i = 0; i < kArrowDotCount; ++i) addArrowDot(arrow, i, start);
}

void addArrowDot(CardArrow& arrow, std::int32_t i, sf::Vector2f start) {
    if (arrow.count >= kArrowDotCount) return;
    ArrowDot& dot = arrow.dots[static_cast<std::size_t>(arrow.count)];
    const sf::Texture* texture = i < kArrowDotCount - 1 ? arrow.dotTexture : arrow.headTexture;
    dot.sprite = texture ? createSprite(*texture) : sf::Sprite();
    dot.sprite.setOrigin(kDotOrigin);
    dot.sprite.setScale(kRestScale, kRestScale);
    dot.sprite.setPosition(start);
    dot.start = start;
    dot.index = i + 1;
    dot.angle = 0.f;
    arrow.count += 1;
}

void setCardArrowStart(CardArrow& arrow, sf::Vector2f start) {
    for (std::int32_t i = 0; i < arrow.count; ++i) arrow.dots[static_cast<std::size_t>(i)].start = start;
}

void updateCardArrow(CardArrow& arrow, sf::Vector2f end) {
    for (std::int32_t i = 0; i < arrow.count; ++i) {
        ArrowDot& dot = arrow.dots[static_cast<std::size_t>(i)];
        if (dot.index >= kArrowDotCount) {
            // The head sits on the end point itself, where its own direction is undefined:
            // it follows the dot before it.
            const float previous = i > 0 ? arrow.dots[static_cast<std::size_t>(i - 1)].angle : 0.f;
            dot.angle = previous;
            dot.sprite.setRotation(previous);
            dot.sprite.setScale(dotScale(kArrowDotCount), dotScale(kArrowDotCount));
            dot.sprite.setPosition(end);
            continue;
        }
        const float t = kDotStep * static_cast<float>(dot.index);
        const float u = 1.f - t;
        const sf::Vector2f s = dot.start;
        const sf::Vector2f control{s.x - kBow, end.y - kBow};
        const sf::Vector2f p{u * u * s.x + 2.f * t * u * control.x + t * t * end.x,
                             u * u * s.y + 2.f * t * u * control.y + t * t * end.y};
        const float a = std::atan2(p.y - end.y, p.x - end.x);
        dot.angle = a * 180.f / kPi - 90.f;
        dot.sprite.setRotation(dot.angle);
        dot.sprite.setScale(dotScale(dot.index), dotScale(dot.index));
        dot.sprite.setPosition(p);
    }
}

void setCardArrowAim(CardArrow& arrow, bool onTarget) {
    arrow.onTarget = onTarget ? 1 : 0;
    const sf::Color tint = onTarget ? sf::Color::White : sf::Color{160, 160, 170, 110};
    for (std::int32_t i = 0; i < arrow.count; ++i) arrow.dots[static_cast<std::size_t>(i)].sprite.setColor(tint);
}

void drawCardArrow(const CardArrow& arrow, sf::RenderTarget& target) {
    for (std::int32_t i = 0; i < arrow.count; ++i) {
        const ArrowDot& dot = arrow.dots[static_cast<std::size_t>(i)];
        if (!arrow.onTarget && dot.index >= kArrowDotCount) continue;
        target.draw(dot.sprite);
    }
}
