#include "fight/fighter_body.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"

void initFighterBody(FighterBody& body, const char* path, unsigned frameWidth) {
    body.sheet = cachedTexturePages(path, frameWidth);
    body.path = path;
    body.sprite = body.sheet.count > 0 && body.sheet.pages[0] ? createSprite(*body.sheet.pages[0]) : sf::Sprite();
    body.animations = {};
    body.currentAnimation = Animation{};
    body.animationState = 0;
    body.deathStarted = 0;
}

void setBodyAnimation(FighterBody& body, std::int32_t slot, std::uint32_t frames, std::uint32_t fps,
                      const sf::IntRect& firstFrame, std::int32_t loop) {
    if (slot < 0 || slot >= kBodyAnimationSlots) return;
    body.animations[static_cast<std::size_t>(slot)] = createAnimation(frames, fps, &firstFrame, loop);
}

void playBodyAnimation(FighterBody& body, std::int32_t slot) {
    if (slot < 0 || slot >= kBodyAnimationSlots) return;
    body.animationState = slot;
    body.currentAnimation = body.animations[static_cast<std::size_t>(slot)];
    resetAnimation(&body.currentAnimation);
    setPagedSpriteRect(&body.sprite, &body.sheet, currentFrameRect(&body.currentAnimation));
}

void updateFighterBody(FighterBody& body, float dt) {
    updatePagedAnimation(&body.currentAnimation, &body.sprite, &body.sheet, dt);
}

void startFighterDeath(FighterBody& body, std::int32_t deathSlot) {
    if (body.deathStarted) {
        body.animationState = deathSlot;
        return;
    }
    body.deathStarted = 1;
    playSound(Sound::FighterFall);
    playBodyAnimation(body, deathSlot);
}

bool bodyAnimationDone(const FighterBody& body, std::int32_t slot) {
    return body.animationState == slot && isAnimationFinished(&body.currentAnimation);
}

void tintFighterBody(FighterBody& body, sf::Color color) { body.sprite.setColor(color); }

// Bodies are drawn a quarter pixel off where they stand. At the fighters' scales (2, 2.5,
// 3) on whole or half pixels, some pixel centres fall exactly on the edge between two
// texels, and which one a pixel shows then depends on rounding inside the driver, which
// differs between the whole frame and its visible part. A quarter pixel off, every pixel
// centre lies well inside one texel, so both show the same picture.
constexpr float kSampleNudge = 0.25f;

void drawFighterBody(const FighterBody& body, sf::RenderTarget& target) {
    sf::Sprite shown = body.sprite;
    shown.move(kSampleNudge, kSampleNudge);
    if (!body.path || !body.sprite.getTexture()) {
        target.draw(shown);
        return;
    }
    const sf::IntRect frame = pagedSpriteSheetRect(body.sprite, &body.sheet);
    const sf::IntRect area = visiblePagedFrameArea(body.path, &body.sheet, frame);
    if (area.width <= 0 || area.height <= 0) return; // an empty frame shows nothing
    setPagedSpriteRect(&shown, &body.sheet, area);
    shown.setOrigin(body.sprite.getOrigin() -
                    sf::Vector2f(static_cast<float>(area.left - frame.left), static_cast<float>(area.top - frame.top)));
    target.draw(shown);
}

void measureFighterFrames(const FighterBody& body) {
    if (!body.path) return;
    for (Animation animation : body.animations) {
        if (animation.frameCount == 0) continue;
        resetAnimation(&animation);
        visiblePagedFrameArea(body.path, &body.sheet, currentFrameRect(&animation));
    }
}
