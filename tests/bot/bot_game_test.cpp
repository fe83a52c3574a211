#include "core/asset_cache.hpp"
#include "core/sound.hpp"
#include "support/game_invariants.hpp"
#include "support/player_bot.hpp"
#include "support/test_window.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

void expectEnded(const BotGameReport& report) {
    EXPECT_TRUE(report.outcome == BotOutcome::Won || report.outcome == BotOutcome::Lost)
        << "seed " << report.seed << " (replay with OSTREVALD_SEED=" << report.seed << "): " << outcomeName(report.outcome)
        << ": " << report.failure << "; last screen: screenshots/" << report.lastScreenshot << ".png";
    std::printf("seed %u: %s at level %d after %ld frames, %d fights, %d shop visits, %d hires, %d heals\n",
                report.seed, outcomeName(report.outcome), report.levelReached, report.frames, report.fights,
                report.shopVisits, report.hires, report.heals);
}

std::unique_ptr<MainData> gameWithSeed(std::uint32_t seed) {
    setenv("OSTREVALD_SEED", std::to_string(seed).c_str(), 1);
    auto game = makeTestGame();
    unsetenv("OSTREVALD_SEED");
    return game;
}

} // namespace

// Whole games from the main menu to the end screen, every rule of the board checked after
// every frame; a frame now and then is drawn so the draw code runs too.
TEST(BotGame, ThreeSeedsPlayToAnEndWithEveryRuleHolding) {
    BotOptions options;
    options.drawEvery = 250;
    for (std::uint32_t seed : {13u, 7u, 2u}) {
        const BotGameReport report = playSeed(seed, options);
        expectEnded(report);
        EXPECT_GE(report.fights, 1) << "seed " << seed;
    }
}

TEST(BotGame, OneSeedPlaysTheSameGameTwice) {
    BotOptions options;
    options.drawEvery = 0;
    options.maxFrames = 40000;
    const BotGameReport first = playSeed(9u, options);
    const BotGameReport second = playSeed(9u, options);
    ASSERT_GE(first.levelHashes.size(), 2u) << "the replay should cover a level change";
    EXPECT_EQ(first.levelHashes, second.levelHashes) << "the board at every level start";
    EXPECT_EQ(first.fightHashes, second.fightHashes) << "every fight's outcome";
    EXPECT_EQ(first.frames, second.frames);
    EXPECT_EQ(first.outcome, second.outcome);
}

// The level loop through the real handlers: the map, fights won, the level cleared, a hire
// in the shop, the transition watched, and level 2 on the board with the new hero.
TEST(BotGame, FromTheMapThroughFightsTheShopAndTheTransitionToTheNextLevelWithTheHires) {
    // The first seed whose party loses a companion and has the gold to hire one.
    BotOptions options;
    options.drawEvery = 0;
    options.stopAfterHire = true;
    std::unique_ptr<MainData> game;
    BotGameReport report;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        game = gameWithSeed(seed);
        game->settingsMenu.soundEnable = 1; // a player who listens
        game->settingsMenu.soundVolume = 30;
        applySoundSettings(&game->settingsMenu);
        resetSoundBooks();
        report = playWholeGame(game.get(), seed, options);
        if (report.outcome == BotOutcome::ReachedLevel) break;
    }
    ASSERT_EQ(report.outcome, BotOutcome::ReachedLevel) << "no seed of 40 hired: " << report.failure;
    std::printf("seed %u: %d hires join at level %d after %d fights\n", report.seed, report.hires,
                game->world.level, report.fights);
    EXPECT_GE(report.fights, 1);
    EXPECT_GE(report.shopVisits, 1);
    const WorldGame& world = game->world;
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(world.level, report.shopVisits + 1);
    EXPECT_EQ(static_cast<std::int32_t>(world.party.count), game->shop.partySize + game->shop.hiredCount);
    for (std::int32_t i = 0; i < game->shop.hiredCount; ++i) {
        const WorldPlayer& hired = world.party.players[static_cast<std::size_t>(game->shop.partySize + i)];
        EXPECT_EQ(hired.type, game->shop.recruitList[static_cast<std::size_t>(i)] + 2) << "hire " << i;
        EXPECT_LE(playerCell(&hired).x, 4) << "hires join in the left columns";
    }
    EXPECT_EQ(world.gold, game->shop.shopGold);
    EXPECT_EQ(world.hud.goldText.getString().toAnsiString(), std::to_string(world.gold))
        << "the HUD shows the gold from the first frame of the level";
    EXPECT_EQ(static_cast<std::int32_t>(world.enemies.count), world.level + 3);
    EXPECT_EQ(checkGameInvariants(game.get()), "");
    EXPECT_TRUE(saveGameScreenshot(game.get(), "bot-hires-joined"));

    // What the player heard on the way: the sound module was asked at each of these moments,
    // and its pool never grew past its voices.
    const SoundBooks& heard = soundBooks();
    for (const Sound sound : {Sound::ButtonHover, Sound::ButtonClick, Sound::HeroSelected, Sound::HeroStep,
                              Sound::EnemyStep, Sound::EndTurn, Sound::FightOpen, Sound::CardPicked, Sound::CardPlayed,
                              Sound::Hit, Sound::ArmorGained, Sound::FighterFall, Sound::BattleWon, Sound::LevelCleared,
                              Sound::Hire}) {
        const auto index = static_cast<std::size_t>(sound);
        EXPECT_GT(heard.asked[index], 0) << kSoundPaths[index];
        EXPECT_GT(heard.played[index], 0) << kSoundPaths[index];
        EXPECT_LE(heard.played[index], heard.asked[index]) << kSoundPaths[index];
    }
    for (const Sound sound : {Sound::WinScreen, Sound::DefeatScreen})
        EXPECT_EQ(heard.asked[static_cast<std::size_t>(sound)], 0) << kSoundPaths[static_cast<std::size_t>(sound)];
    EXPECT_EQ(heard.asked[static_cast<std::size_t>(Sound::FightOpen)], report.fights) << "one opening per fight";
    EXPECT_LE(heard.voicesMade, kSoundVoices);
}

// The enemy-turn speed changes only how long the player waits: the same seed played at
// Normal, at Fast and with Space held (Instant) starts every level on the same board and
// ends every fight the same way.
TEST(BotGame, EveryEnemyTurnSpeedPlaysTheSameGame) {
    BotOptions options;
    options.drawEvery = 0;
    options.stopAtLevel = 3;
    const auto playAt = [&](EnemySpeed setting, bool holdSpace) {
        auto game = gameWithSeed(4u);
        game->settingsMenu.enemySpeed = static_cast<std::int32_t>(setting);
        if (holdSpace) dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Space));
        return playWholeGame(game.get(), 4u, options);
    };
    const BotGameReport normal = playAt(EnemySpeed::Normal, false);
    const BotGameReport fast = playAt(EnemySpeed::Fast, false);
    const BotGameReport held = playAt(EnemySpeed::Normal, true);
    ASSERT_EQ(normal.outcome, BotOutcome::ReachedLevel) << normal.failure;
    ASSERT_GE(normal.fightHashes.size(), 2u);
    for (const BotGameReport* other : {&fast, &held}) {
        EXPECT_EQ(other->outcome, normal.outcome) << other->failure;
        EXPECT_EQ(other->levelHashes, normal.levelHashes) << "the board at every level start";
        EXPECT_EQ(other->fightHashes, normal.fightHashes) << "every fight's outcome";
    }
    std::printf("frames to level 3: %ld at Normal, %ld at Fast, %ld at Instant\n", normal.frames, fast.frames,
                held.frames);
    EXPECT_LT(fast.frames, normal.frames);
    EXPECT_LT(held.frames, fast.frames);
}

// Resident memory and cached pictures stay flat over many fights, levels and shop visits.
TEST(BotGame, AWholeGameKeepsTheCacheAndMemoryFlat) {
    BotOptions options;
    options.drawEvery = 100;
    options.stopAtLevel = 4;
    auto game = gameWithSeed(3u);
    const BotGameReport toTwo = [&] {
        BotOptions first = options;
        first.stopAtLevel = 2;
        return playWholeGame(game.get(), 3u, first);
    }();
    ASSERT_EQ(toTwo.outcome, BotOutcome::ReachedLevel) << toTwo.failure;
    const std::size_t cachedAtTwo = cachedAssetCount();
    const BotGameReport toFour = playWholeGame(game.get(), 3u, options);
    ASSERT_EQ(toFour.outcome, BotOutcome::ReachedLevel) << toFour.failure;
    EXPECT_GE(toFour.fights, 3);
    // Levels 2 to 4 bring no picture that levels 1 and 2 did not already show, except the
    // transition sheets of the new levels (one file each).
    EXPECT_LE(cachedAssetCount(), cachedAtTwo + 3);
}
