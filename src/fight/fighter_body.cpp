#include "fight/fighter_body.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"

void initFighterBody(FighterBody& body, const char* path, unsigned frameWidth) {
    body.sheet = cachedTexturePages(path, frameWidth);
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
