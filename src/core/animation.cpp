#include "core/animation.hpp"

Animation createAnimation(std::uint32_t frameCount, std::uint32_t framesPerSecond, const sf::IntRect* firstFrame,
                          std::int32_t loop) {
    Animation a;
    a.firstFrame = *firstFrame;
    a.shownWidth = firstFrame->width;
    a.frameCount = frameCount;
    a.framesPerSecond = framesPerSecond;
    a.loop = loop;
    return a;
}

void updateAnimation(Animation* a, sf::Sprite* sprite, float dt) {
    a->timer += dt;
    // A strip without frames or speed has nothing to advance (and must not spin).
    if (a->frameCount > 0 && a->framesPerSecond > 0) {
        while (a->timer > 1.f / static_cast<float>(a->framesPerSecond)) {
            a->timer -= 1.f / static_cast<float>(a->framesPerSecond);
            a->currentFrame += 1;
            if (a->currentFrame >= a->frameCount) {
                if (a->loop) {
                    a->currentFrame = 0;
                } else {
                    a->currentFrame = a->frameCount - 1;
                    a->finished = 1;
                }
            }
        }
    }
    const sf::IntRect rect = currentFrameRect(a);
    sprite->setTextureRect(rect);
}

sf::IntRect currentFrameRect(const Animation* a) {
    return {a->firstFrame.left + static_cast<int>(a->currentFrame) * a->firstFrame.width, a->firstFrame.top,
            a->shownWidth, a->firstFrame.height};
}

void drawAnimation(const sf::Sprite* sprite, sf::RenderTarget& target) { target.draw(*sprite); }

void resetAnimation(Animation* a) {
    a->currentFrame = 0;
    a->timer = 0.f;
    a->finished = 0;
}

std::int32_t isAnimationFinished(const Animation* a) { return a->finished; }
void setAnimationWidth(Animation* a, std::int32_t width) { a->shownWidth = width; }
