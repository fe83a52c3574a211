#include "world/level_transition.hpp"

#include "core/resources.hpp"
#include "core/visible_area.hpp"


#include <cstdio>

namespace {

constexpr float kTransitionScale = 5.f;
constexpr float kTableScale = 4.f;
// Both the frame and the map frames are centred on the screen from this point of the picture.
const sf::Vector2f kPictureCentre(180.f, 101.f);
const sf::Vector2f kScreenCentre(960.f, 540.f);
const sf::IntRect kFirstSheetFrame(0, 0, kTransitionFrameWidth, kTransitionFrameHeight);

void centreOnScreen(sf::Sprite* sprite) {
    sprite->setOrigin(kPictureCentre);
    sprite->setPosition(kScreenCentre);
    sprite->setScale(kTransitionScale, kTransitionScale);
}

} // namespace

std::array<char, kTransitionPathSize> transitionSheetPath(std::int32_t sheetNumber) {
    std::array<char, kTransitionPathSize> path{};
    std::snprintf(path.data(), path.size(), kTransitionSheetFormat, static_cast<int>(sheetNumber));
    return path;
}

void initLevelTransition(LevelTransition* t) {
    t->frameTexture = &createTexture(kTransitionFramePath);
    t->tableTexture = &createTexture(kTransitionTablePath);
    t->frameSprite = createSprite(*t->frameTexture);
    centreOnScreen(&t->frameSprite);
    t->tableSprite = createSprite(*t->tableTexture);
    t->tableSprite.setOrigin(0.f, 0.f);
    t->tableSprite.setPosition(0.f, 0.f);
    t->tableSprite.setScale(kTableScale, kTableScale);
    t->tableOpaque = t->tableTexture->getSize().x > 0 && pictureIsOpaque(kTransitionTablePath) ? 1 : 0;
    t->tableStrips = BackdropStrips{};
    if (t->tableOpaque)
        t->tableStrips = cutBackdropStrips(t->tableSprite, coveredArea(t->frameSprite, opaquePictureCore(kTransitionFramePath)));
}

void startLevelTransition(LevelTransition* t, std::int32_t sheetNumber) {
    // Every sheet comes through the cache: a road shown again is not decoded again.
    t->sheetNumber = sheetNumber;
    t->sheetPath = transitionSheetPath(sheetNumber);
    t->sheetTexture = &createTexture(t->sheetPath.data());
    t->sheetSprite = createSprite(*t->sheetTexture);
    setSpriteRect(&t->sheetSprite, &kFirstSheetFrame);
    centreOnScreen(&t->sheetSprite);
    t->sheetAnimation = createAnimation(kTransitionFrames, kTransitionFps, &kFirstSheetFrame, 0);
}

void updateLevelTransition(LevelTransition* t, float dt) {
    // Raised on the first update after the last frame has been shown.
    if (t->sheetAnimation.frameCount > 0 && t->sheetAnimation.currentFrame + 1 >= t->sheetAnimation.frameCount)
        t->finished = 1;
    updateAnimation(&t->sheetAnimation, &t->sheetSprite, dt);
}

void drawLevelTransition(LevelTransition* t, sf::RenderTarget& target) {
    // A picture that could not be read leaves its sprite without texture: it draws nothing.
    drawBackdrop(t->tableSprite, t->tableStrips, t->tableOpaque != 0, target);
    target.draw(t->frameSprite);
    // Most of a frame of the road is see-through (the map unrolls): only its visible part.
    sf::Sprite road = t->sheetSprite;
    if (t->sheetTexture && t->sheetTexture->getSize().x > 0) showVisibleFramePart(&road, t->sheetPath.data());
    drawAnimation(&road, target);
}
