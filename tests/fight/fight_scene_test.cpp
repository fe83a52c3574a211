// The turn cycle of the fight scene: banners, the end-turn button, the five-second enemies'
// turn, the deck overview, the end of a fight and the next one.
#include "core/asset_cache.hpp"
#include "core/random.hpp"
#include "fight/fight_test_support.hpp"

#include <gtest/gtest.h>

using namespace fighttest;

namespace {

std::unique_ptr<FightScene> threeAgainstThree() {
    return openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1), hero(PLAYER_LIGHT, 2)},
                     {foe(ENEMY_LIGHT, 4), foe(ENEMY_HEAVY, 5), foe(ENEMY_SHIELD, 6)});
}

float allyBannerX(const FightScene& scene) { return scene.turnBanner.allySprite.getPosition().x; }
float enemyBannerX(const FightScene& scene) { return scene.turnBanner.enemySprite.getPosition().x; }

// Frames until the banner of the side whose turn it is has left the screen.
int framesUntilBannerRests(FightScene& scene) {
    int frames = 0;
    while (scene.turnBanner.animating && frames < 1000) {
        stepQuietly(scene, 1);
        ++frames;
    }
    return frames;
}

int totalAllyLife(FightScene& scene) {
    int life = 0;
    for (int i = 0; i < 3; ++i) life += ally(scene, i).fighter.stats.life;
    return life;
}

int totalEnemyArmor(FightScene& scene) {
    int armor = 0;
    for (int i = 0; i < 3; ++i) armor += enemy(scene, i).fighter.armor;
    return armor;
}

} // namespace

TEST(FightScene, OpensOnTheAlliesTurnWithTheBannerSlidingInFortyPixelsAFrame) {
    auto scene = threeAgainstThree();
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    EXPECT_EQ(scene->allies.count, 3);
    EXPECT_EQ(scene->enemies.count, 3);
    EXPECT_EQ(scene->engagedAllyCount, 3);
    EXPECT_EQ(allyBannerX(*scene), -1920.f);
    stepQuietly(*scene, 47);
    EXPECT_EQ(allyBannerX(*scene), -40.f);
    stepQuietly(*scene, 1);
    EXPECT_EQ(allyBannerX(*scene), 0.f);
    // Rests 0.8 s (48 frames of 1/60 s bring the hold to 0; the next one goes below).
    stepQuietly(*scene, 48);
    EXPECT_EQ(allyBannerX(*scene), 0.f);
    stepQuietly(*scene, 1);
    EXPECT_EQ(allyBannerX(*scene), 40.f);
    // Leaves to the right and waits off screen for the next turn.
    stepQuietly(*scene, 48);
    EXPECT_EQ(allyBannerX(*scene), 1960.f);
    stepQuietly(*scene, 1);
    EXPECT_EQ(allyBannerX(*scene), -1920.f);
    EXPECT_EQ(scene->turnBanner.animating, 0);
    EXPECT_FLOAT_EQ(scene->turnBanner.holdTimer, 2.f);
    // The enemies' banner then rests two seconds.
    clickAt(*scene, endTurnButton(*scene));
    EXPECT_EQ(enemyBannerX(*scene), -1920.f);
    stepQuietly(*scene, 48);
    EXPECT_EQ(enemyBannerX(*scene), 0.f);
    int resting = 0;
    while (enemyBannerX(*scene) == 0.f && resting < 1000) {
        stepQuietly(*scene, 1);
        ++resting;
    }
    EXPECT_NEAR(static_cast<float>(resting) * kFrame, 2.f, 1.5f * kFrame);
    EXPECT_EQ(framesUntilBannerRests(*scene), 49);
}

TEST(FightScene, TheEndTurnButtonActsOnlyWhenHoveredDuringTheAlliesTurn) {
    auto scene = threeAgainstThree();
    stepQuietly(*scene, 1);
    moveMouse(*scene, {100.f, 100.f});
    mousePressedFightScene(scene.get());
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    moveMouse(*scene, endTurnButton(*scene));
    EXPECT_EQ(scene->turnButton.hovered, 1);
    EXPECT_EQ(scene->turnButton.sprite.getTextureRect(), sf::IntRect(0, 17, 63, 17));
    mousePressedFightScene(scene.get());
    EXPECT_EQ(scene->turnButton.isAllyTurn, 0);
    // During the enemies' turn a mouse moved onto the button never lights it.
    moveMouse(*scene, {100.f, 100.f});
    moveMouse(*scene, endTurnButton(*scene));
    EXPECT_EQ(scene->turnButton.hovered, 0);
    EXPECT_EQ(scene->turnButton.sprite.getTextureRect(), sf::IntRect(0, 0, 63, 17));
    stepQuietly(*scene, 2);
    mousePressedFightScene(scene.get());
    EXPECT_EQ(scene->turnButton.isAllyTurn, 0);
}

TEST(FightScene, TheEnemiesTurnLastsFiveSecondsAfterEveryoneActedInTheFirstFrame) {
    auto scene = threeAgainstThree();
    stepQuietly(*scene, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(enemy(*scene, i).intentAttack + enemy(*scene, i).intentShield, 1);
    const int life = totalAllyLife(*scene);
    clickAt(*scene, endTurnButton(*scene));
    moveMouse(*scene, {100.f, 100.f});
    stepQuietly(*scene, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(enemy(*scene, i).acted, 1);
        EXPECT_EQ(enemy(*scene, i).intentAttack + enemy(*scene, i).intentShield, 0);
    }
    EXPECT_TRUE(totalAllyLife(*scene) < life || totalEnemyArmor(*scene) > 0) << "somebody did something";
    // 5.0 s of 1/60 s frames: the turn is still the enemies' before the last of them.
    stepQuietly(*scene, 298);
    EXPECT_EQ(scene->turnButton.isAllyTurn, 0);
    stepQuietly(*scene, 2);
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    EXPECT_FLOAT_EQ(scene->turnButton.enemyTurnTimer, 5.f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(enemy(*scene, i).acted, 0);
}

TEST(FightScene, AfterTheEndTurnPressEveryAllyHasThreeActionPointsAndAFreshHand) {
    auto scene = threeAgainstThree();
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 0, 1);
    ASSERT_TRUE(dealToFront(*scene, 1, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 1, 1);
    ASSERT_TRUE(dealToFront(*scene, 1, CARD_DAMAGE_ONE));
    playFrontCardOnEnemy(*scene, 1, 1);
    selectAlly(*scene, 2);
    clickCard(*scene, 2, 1);
    EXPECT_EQ(ally(*scene, 1).fighter.stats.actionPoints, 1);
    clickAt(*scene, endTurnButton(*scene));
    for (int i = 0; i < 3; ++i) {
        const Ally& a = ally(*scene, i);
        EXPECT_EQ(a.fighter.stats.actionPoints, 3);
        EXPECT_EQ(a.selected, 0);
        EXPECT_EQ(a.hand.shownCount, 5);
        EXPECT_EQ(a.hand.count, 8);
        EXPECT_EQ(selectedCardSlot(a.hand), -1);
        for (int c = 0; c < a.hand.count; ++c) EXPECT_EQ(a.hand.cards[static_cast<std::size_t>(c)].used, 0);
    }
}

TEST(FightScene, ADoubleClickOnEndTurnNeverSkipsTheEnemiesTurn) {
    auto scene = threeAgainstThree();
    for (int i = 0; i < 3; ++i) enemy(*scene, i).fighter.stats.armorGift = 10;
    stepQuietly(*scene, 1);
    const int life = totalAllyLife(*scene);
    // Two presses before the next frame.
    moveMouse(*scene, endTurnButton(*scene));
    stepQuietly(*scene, 1);
    mousePressedFightScene(scene.get());
    mousePressedFightScene(scene.get());
    EXPECT_EQ(scene->turnButton.isAllyTurn, 0);
    stepQuietly(*scene, 1);
    const int lifeAfter = totalAllyLife(*scene);
    const int armorAfter = totalEnemyArmor(*scene);
    EXPECT_TRUE(lifeAfter < life || armorAfter > 0) << "the enemies acted";
    // Now that they have, another press skips the rest of the wait.
    mousePressedFightScene(scene.get());
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    EXPECT_EQ(scene->turnBanner.animating, 1);
    EXPECT_EQ(scene->turnBanner.enemySprite.getPosition().x, -1920.f);
    // The skipped wait leaves no red ally behind, and the next enemies' turn is whole:
    // every enemy acts again in it.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ally(*scene, i).fighter.hit, 0);
        EXPECT_EQ(ally(*scene, i).fighter.body.sprite.getColor(), sf::Color::White);
    }
    stepQuietly(*scene, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(enemy(*scene, i).intentAttack + enemy(*scene, i).intentShield, 1);
    const int lifeBefore = totalAllyLife(*scene);
    const int armorBefore = totalEnemyArmor(*scene);
    clickAt(*scene, endTurnButton(*scene));
    stepQuietly(*scene, 1);
    EXPECT_TRUE(totalAllyLife(*scene) < lifeBefore || totalEnemyArmor(*scene) > armorBefore);
    EXPECT_FLOAT_EQ(scene->turnButton.enemyTurnTimer, 5.f - kFrame);
}

TEST(FightScene, ThePileOpensTheSelectedHerosDeckWithItsWordsOnTheScreenAndAClickOrEscapeClosesIt) {
    auto scene = threeAgainstThree();
    const sf::Vector2f pile = centreOf(scene->deckPile.backSprite);
    clickAt(*scene, pile);
    ASSERT_EQ(scene->deckPile.deckViewOpen, 1);
    const DeckView& view = scene->deckPile.view;
    EXPECT_EQ(view.heroType, PLAYER_IRINA) << "no ally selected: the first one's deck";
    EXPECT_EQ(view.title.getString().toAnsiString(), "DECK OF IRINA");
    const sf::FloatRect screen{0.f, 0.f, 1920.f, 1080.f};
    auto onScreen = [&](const sf::FloatRect& r) {
        return screen.contains(r.left, r.top) && screen.contains(r.left + r.width, r.top + r.height);
    };
    EXPECT_TRUE(onScreen(view.title.getGlobalBounds()));
    for (std::size_t i = 0; i < kDeckSize; ++i) {
        const sf::FloatRect face = view.faces[i].getGlobalBounds();
        EXPECT_TRUE(onScreen(face)) << "card " << i;
        EXPECT_FALSE(view.words[i].getString().isEmpty());
        EXPECT_TRUE(face.intersects(view.words[i].getGlobalBounds()));
    }
    // The pile's back animates while hovered and starts over when the mouse leaves.
    stepQuietly(*scene, 20);
    EXPECT_GT(scene->deckPile.backSprite.getTextureRect().left, 0);
    // A click anywhere closes it and does nothing else: the end-turn button under it is not pressed.
    clickAt(*scene, endTurnButton(*scene));
    EXPECT_EQ(scene->deckPile.deckViewOpen, 0);
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    EXPECT_EQ(scene->deckPile.backSprite.getTextureRect(), sf::IntRect(0, 0, 128, 169));
    // With Rem selected the pile shows Rem's deck, its words at Rem's live values; Escape closes it.
    selectAlly(*scene, 1);
    ally(*scene, 1).attackBoost = 7;
    clickAt(*scene, pile);
    ASSERT_EQ(scene->deckPile.deckViewOpen, 1);
    EXPECT_EQ(view.heroType, PLAYER_REM);
    bool boosted = false;
    for (const sf::Text& words : view.words)
        if (words.getString().toAnsiString().find("DEAL 27 DAMAGE") != std::string::npos) boosted = true;
    EXPECT_TRUE(boosted);
    EXPECT_TRUE(cancelFightScene(scene.get()));
    EXPECT_EQ(scene->deckPile.deckViewOpen, 0);
    EXPECT_FALSE(cancelFightScene(scene.get())) << "nothing left to cancel";
}

TEST(FightScene, ARightClickOrEscapeDropsTheHeldCardAndACardOffItsTargetShowsNone) {
    auto scene = threeAgainstThree();
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE));
    selectAlly(*scene, 0);
    clickCard(*scene, 0, 0);
    ASSERT_EQ(selectedCardSlot(ally(*scene, 0).hand), 0);
    const CardArrow& arrow = ally(*scene, 0).hand.cards[0].arrow;
    // On an enemy the damage card has its target; on an ally or on nothing it has none.
    moveMouse(*scene, centreOf(enemy(*scene, 1).fighter.body.sprite));
    stepQuietly(*scene, 1);
    EXPECT_EQ(arrow.onTarget, 1);
    moveMouse(*scene, centreOf(ally(*scene, 2).fighter.body.sprite));
    stepQuietly(*scene, 1);
    EXPECT_EQ(arrow.onTarget, 0);
    moveMouse(*scene, {960.f, 300.f});
    stepQuietly(*scene, 1);
    EXPECT_EQ(arrow.onTarget, 0);
    EXPECT_TRUE(cancelFightScene(scene.get()));
    EXPECT_EQ(heldCard(scene->allies).owner, -1);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 3) << "dropped, not played";
    EXPECT_EQ(ally(*scene, 0).hand.shownCount, kShownAtBuild);
    // A support card is for an ally, not for an enemy.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ONE));
    clickCard(*scene, 0, 0);
    const CardArrow& support = ally(*scene, 0).hand.cards[0].arrow;
    moveMouse(*scene, centreOf(enemy(*scene, 1).fighter.body.sprite));
    stepQuietly(*scene, 1);
    EXPECT_EQ(support.onTarget, 0);
    moveMouse(*scene, centreOf(ally(*scene, 1).fighter.body.sprite));
    stepQuietly(*scene, 1);
    EXPECT_EQ(support.onTarget, 1);
}

TEST(FightScene, OneAgainstOneEndsWhenThatEnemyFallsForTheUnusedSlotsHoldNoLife) {
    auto scene = openFight({hero(PLAYER_IRINA, 3)}, {foe(ENEMY_HEAVY, 9)});
    stepQuietly(*scene, 1);
    EXPECT_EQ(scene->turnButton.fightOver, 0);
    enemy(*scene, 0).fighter.stats.life = 20;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 0, 0);
    EXPECT_EQ(scene->turnButton.fightOver, 0);
    stepQuietly(*scene, 1);
    EXPECT_EQ(scene->turnButton.fightOver, 1);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.unitIndex, 3);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.life, 100);
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.unitIndex, 9);
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 0);
}

TEST(FightScene, ANewFightWithFewerFightersStartsFromEmptyLists) {
    auto scene = threeAgainstThree();
    stepQuietly(*scene, 5);
    destroyFightScene(scene.get());
    EXPECT_EQ(scene->allies.count, 0);
    EXPECT_EQ(scene->enemies.count, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ally(*scene, i).fighter.stats.life, 0);
        EXPECT_EQ(enemy(*scene, i).fighter.stats.life, 0);
    }
    const UnitStats heroes[1] = {hero(PLAYER_SHIELD, 2)};
    const UnitStats enemies[1] = {foe(ENEMY_BOSS, 8)};
    testing::internal::CaptureStdout();
    initFightScene(scene.get(), heroes, 1, enemies, 1);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(scene->allies.count, 1);
    EXPECT_EQ(scene->enemies.count, 1);
    EXPECT_EQ(scene->engagedAllyCount, 1);
    EXPECT_EQ(ally(*scene, 0).heroType, PLAYER_SHIELD);
    EXPECT_EQ(enemy(*scene, 0).enemyType, ENEMY_BOSS);
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(ally(*scene, i).fighter.stats.life, 0);
        EXPECT_EQ(enemy(*scene, i).fighter.stats.life, 0);
        EXPECT_EQ(ally(*scene, i).fighter.body.sprite.getTexture(), nullptr);
        EXPECT_EQ(enemy(*scene, i).fighter.body.sprite.getTexture(), nullptr);
    }
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    EXPECT_EQ(scene->turnButton.fightOver, 0);
    stepQuietly(*scene, 1);
    EXPECT_EQ(scene->turnButton.fightOver, 0);
}

TEST(FightScene, NoFightWithoutAlliesAndNoEnemyTargetDrawnFromNone) {
    auto scene = openFight({}, {foe(ENEMY_LIGHT, 4), foe(ENEMY_TANK, 5)});
    EXPECT_EQ(scene->engagedAllyCount, 0);
    stepQuietly(*scene, 1);
    EXPECT_EQ(scene->turnButton.fightOver, 1);
    // Even driven on, the enemies' turn must not draw a target among zero allies.
    clickAt(*scene, endTurnButton(*scene));
    scene->turnButton.isAllyTurn = 0;
    stepQuietly(*scene, 10);
    EXPECT_EQ(scene->allies.count, 0);
}

TEST(FightScene, OpeningFightsAgainAndAgainDecodesNoPictureTwice) {
    auto scene = threeAgainstThree();
    stepQuietly(*scene, 1);
    const std::size_t assets = cachedAssetCount();
    clickAt(*scene, endTurnButton(*scene)); // every hand dealt anew
    stepQuietly(*scene, 2);
    destroyFightScene(scene.get());
    for (int round = 0; round < 3; ++round) {
        const UnitStats heroes[3] = {hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1), hero(PLAYER_LIGHT, 2)};
        const UnitStats enemies[3] = {foe(ENEMY_LIGHT, 4), foe(ENEMY_HEAVY, 5), foe(ENEMY_SHIELD, 6)};
        testing::internal::CaptureStdout();
        initFightScene(scene.get(), heroes, 3, enemies, 3);
        testing::internal::GetCapturedStdout();
        stepQuietly(*scene, 2);
        destroyFightScene(scene.get());
    }
    EXPECT_EQ(cachedAssetCount(), assets);
}

// The start-up's read of every fighter deals hands and scatters effects: neither generator
// may be left moved, or a seed would play another game once the game preloads.
TEST(FightScene, PreloadingEveryFighterLeavesBothGeneratorsAsTheyWere) {
    seedRandom(77);
    for (int i = 0; i < 3; ++i) cosmeticRandomInt();
    const std::string gameplay = randomState();
    const std::string cosmetic = cosmeticRandomState();
    testing::internal::CaptureStdout();
    preloadFightScene();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(randomState(), gameplay);
    EXPECT_EQ(cosmeticRandomState(), cosmetic);
}
