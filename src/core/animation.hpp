// Frame-strip animation: frames lie side by side on one row of a sheet and the
// animation picks the texture rectangle of the current frame.
//
// An Animation never stores a sprite. Its owner passes its own sprite to every update,
// so records that hold animations can be copied or moved down an array freely: a copy
// can never drive another record's sprite, and nothing dangles.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstdint>

struct Animation {
    sf::IntRect firstFrame;
    std::int32_t shownWidth = 0;
    std::uint32_t currentFrame = 0;
    std::uint32_t frameCount = 0;
    std::uint32_t framesPerSecond = 0;
    float timer = 0.f;
    std::int32_t loop = 0;
    std::int32_t finished = 0;
};

Animation createAnimation(std::uint32_t frameCount, std::uint32_t framesPerSecond, const sf::IntRect* firstFrame,
                          std::int32_t loop);
// Advances by dt seconds and sets `sprite`'s texture rectangle to the current frame.
void updateAnimation(Animation* animation, sf::Sprite* sprite, float dt);
void drawAnimation(const sf::Sprite* sprite, sf::RenderTarget& target);
void resetAnimation(Animation* animation);
std::int32_t isAnimationFinished(const Animation* animation);
void setAnimationWidth(Animation* animation, std::int32_t width);
// The texture rectangle of the current frame (what the next update applies).
sf::IntRect currentFrameRect(const Animation* animation);
