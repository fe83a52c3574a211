// The body every fighter of the card battle shares, ally or enemy: a sprite on its sheet,
// its animation slots, the working copy of the slot in use (which drives the sprite) and a
// death animation started once and then kept on its last frame.
#pragma once

#include "core/animation.hpp"
#include "core/texture_pages.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <cstdint>

constexpr int kBodyAnimationSlots = 5;

struct FighterBody {
    sf::Sprite sprite;
    TexturePages sheet; // one page unless the sheet is wider than the card's largest texture
    const char* path = nullptr; // the sheet's file; none: the body is drawn with its whole frame
    std::array<Animation, kBodyAnimationSlots> animations{};
    Animation currentAnimation;
    std::int32_t animationState = 0; // the slot in use
    std::int32_t deathStarted = 0;
};

// A body on the sheet at `path` whose frames are `frameWidth` pixels wide.
void initFighterBody(FighterBody& body, const char* path, unsigned frameWidth);
// Fills one animation slot.
void setBodyAnimation(FighterBody& body, std::int32_t slot, std::uint32_t frames, std::uint32_t fps,
                      const sf::IntRect& firstFrame, std::int32_t loop);
// Plays `slot` from its first frame and shows that frame at once.
void playBodyAnimation(FighterBody& body, std::int32_t slot);
// Advances the animation in use and shows its frame.
void updateFighterBody(FighterBody& body, float dt);
// Switches to the death slot the first time only; later calls keep the death playing on.
void startFighterDeath(FighterBody& body, std::int32_t deathSlot);
// The slot in use is `slot` and has played to its end.
bool bodyAnimationDone(const FighterBody& body, std::int32_t slot);
// Tints the body (red when hit, white again afterwards).
void tintFighterBody(FighterBody& body, sf::Color color);
// Draws the body where its sprite stands, only the part of its frame that holds visible
// pixels (a frame is mostly empty around the figure); the sprite itself keeps the whole
// frame, so its bounds still place the marks around the fighter.
void drawFighterBody(const FighterBody& body, sf::RenderTarget& target);
// Measures the visible part of every frame of the body's animations now (the game does it
// at start-up), so that no frame of a battle waits for the measuring.
void measureFighterFrames(const FighterBody& body);
