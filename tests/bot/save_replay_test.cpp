#include "support/player_bot.hpp"

#include <gtest/gtest.h>

// The bot plays a seed through, then plays it again quitting and continuing from the save
// at autosave points (level starts, player turns, fights opening): every level starts on
// the same board, every fight ends the same way, and the game ends the same.
TEST(SaveReplay, AGameContinuedFromItsSavesEndsAsTheUninterruptedOne) {
    for (const std::uint32_t seed : {13u, 2u}) {
        BotOptions options;
        options.drawEvery = 0;
        options.checkEveryFrame = false;
        const BotGameReport straight = playSeed(seed, options);
        ASSERT_TRUE(straight.outcome == BotOutcome::Won || straight.outcome == BotOutcome::Lost)
            << "seed " << seed << ": " << straight.failure;

        options.continueEverySaves = 1;
        options.checkEveryFrame = true; // a continued board keeps every rule
        const BotGameReport continued = playSeed(seed, options);
        EXPECT_GE(continued.continues, 3) << "seed " << seed;
        EXPECT_GE(continued.fightContinues, 1) << "seed " << seed << ": no fight was continued";
        EXPECT_EQ(continued.outcome, straight.outcome) << "seed " << seed << ": " << continued.failure;
        EXPECT_EQ(continued.levelReached, straight.levelReached) << "seed " << seed;
        EXPECT_EQ(continued.levelHashes, straight.levelHashes) << "seed " << seed;
        EXPECT_EQ(continued.fightHashes, straight.fightHashes) << "seed " << seed;
        std::printf("seed %u: %s at level %d, %d fights, continued %d times\n", seed, outcomeName(continued.outcome),
                    continued.levelReached, continued.fights, continued.continues);
    }
}
