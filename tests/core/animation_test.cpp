#include "core/animation.hpp"

#include <gtest/gtest.h>

#include <array>
#include <algorithm>

namespace {

Animation strip(std::uint32_t frames, std::uint32_t fps, int loop, sf::IntRect first = {0, 64, 64, 64}) {
    return createAnimation(frames, fps, &first, loop);
}

} // namespace

TEST(Animation, AdvancesOnlyWhenTheTimerExceedsOnePeriod) {
    sf::Sprite sprite;
    Animation a = strip(8, 8, 1);
    updateAnimation(&a, &sprite, 0.125f);
    EXPECT_EQ(a.currentFrame, 0u);
    EXPECT_EQ(sprite.getTextureRect(), sf::IntRect(0, 64, 64, 64));
    Animation b = strip(8, 8, 1);
    updateAnimation(&b, &sprite, 0.126f);
    EXPECT_EQ(b.currentFrame, 1u);
    EXPECT_EQ(sprite.getTextureRect(), sf::IntRect(64, 64, 64, 64));
}

TEST(Animation, NonLoopingStopsOnLastFrameAndReportsFinished) {
    sf::Sprite sprite;
    Animation a = strip(15, 10, 0);
    updateAnimation(&a, &sprite, 10.f);
    EXPECT_EQ(a.currentFrame, 14u);
    EXPECT_EQ(isAnimationFinished(&a), 1);
    resetAnimation(&a);
    EXPECT_EQ(a.currentFrame, 0u);
    EXPECT_EQ(isAnimationFinished(&a), 0);
}

TEST(Animation, LoopingWrapsAndKeepsTheRemainder) {
    sf::Sprite sprite;
    Animation a = strip(4, 10, 1);
    updateAnimation(&a, &sprite, 0.5f + 0.01f); // five periods and a little
    EXPECT_EQ(a.currentFrame, 1u);
    EXPECT_NEAR(a.timer, 0.01f, 1e-4f);
}

TEST(Animation, ShownWidthCutsTheFrameButFramesStepByFullWidth) {
    sf::Sprite sprite;
    Animation a = strip(15, 10, 1, {0, 0, 128, 11});
    setAnimationWidth(&a, 40);
    updateAnimation(&a, &sprite, 0.21f);
    EXPECT_EQ(sprite.getTextureRect(), sf::IntRect(256, 0, 40, 11));
}

TEST(Animation, EmptyOrStoppedStripsNeverSpin) {
    sf::Sprite sprite;
    Animation noFrames = strip(0, 10, 1);
    updateAnimation(&noFrames, &sprite, 5.f);
    EXPECT_EQ(noFrames.currentFrame, 0u);
    Animation noSpeed = strip(4, 0, 1);
    updateAnimation(&noSpeed, &sprite, 5.f);
    EXPECT_EQ(noSpeed.currentFrame, 0u);
}

// Units are removed by copying every later record down one place. Each record's
// animation must keep driving that record's own sprite afterwards.
TEST(Animation, RecordsCopiedDownAnArrayStillDriveTheirOwnSprites) {
    struct Unit {
        sf::Sprite body;
        Animation idle;
    };
    std::array<Unit, 3> units;
    for (int i = 0; i < 3; ++i) {
        const sf::IntRect first(0, 64 * i, 64, 64); // each unit animates its own row
        units[static_cast<std::size_t>(i)].idle = createAnimation(6, 10, &first, 1);
    }
    int count = 3;
    std::copy(units.begin() + 1, units.begin() + count, units.begin()); // remove unit 0
    --count;
    for (int step = 0; step < 3; ++step)
        for (int i = 0; i < count; ++i) updateAnimation(&units[static_cast<std::size_t>(i)].idle, &units[static_cast<std::size_t>(i)].body, 0.11f);
    EXPECT_EQ(units[0].body.getTextureRect(), sf::IntRect(192, 64, 64, 64));
    EXPECT_EQ(units[1].body.getTextureRect(), sf::IntRect(192, 128, 64, 64));
    // The stale slot past the count is never touched by the remaining units.
    EXPECT_EQ(units[2].body.getTextureRect(), sf::IntRect());
}
