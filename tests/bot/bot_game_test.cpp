#include "support/player_bot.hpp"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

void expectEnded(const BotGameReport& report) {
    EXPECT_TRUE(report.outcome == BotOutcome::Won || report.outcome == BotOutcome::Lost)
        << "seed " << report.seed << " (replay with OSTREVALD_SEED=" << report.seed << "): " << outcomeName(report.outcome)
        << ": " << report.failure << "; last screen: screenshots/" << report.lastScreenshot << ".png";
    std::printf("seed %u: %s at level %d after %ld frames, %d fights, %d shop visits, %d heals\n", report.seed,
                outcomeName(report.outcome), report.levelReached, report.frames, report.fights, report.shopVisits,
                report.heals);
}

} // namespace

// Whole games from the main menu to the end screen, every rule of the board checked after
// every frame, drawn one frame in ten so the draw code runs too.
TEST(BotGame, ThreeSeedsPlayToAnEndWithEveryRuleHolding) {
    BotOptions options;
    for (std::uint32_t seed : {11u, 2027u, 90001u}) {
        const BotGameReport report = playSeed(seed, options);
        expectEnded(report);
        EXPECT_GE(report.fights, 1) << "seed " << seed;
        EXPECT_EQ(report.levelHashes.empty(), false) << "seed " << seed;
    }
}

TEST(BotGame, OneSeedPlaysTheSameGameTwice) {
    BotOptions options;
    options.drawEvery = 0;
    options.maxFrames = 30000;
    const BotGameReport first = playSeed(5150u, options);
    const BotGameReport second = playSeed(5150u, options);
    ASSERT_FALSE(first.levelHashes.empty());
    EXPECT_EQ(first.levelHashes, second.levelHashes) << "the board at every level start";
    EXPECT_EQ(first.fightHashes, second.fightHashes) << "every fight's outcome";
    EXPECT_EQ(first.frames, second.frames);
    EXPECT_EQ(first.outcome, second.outcome);
}
