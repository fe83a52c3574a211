// Playing cards through the player's mouse: the four damage kinds against armor, the six
// support kinds, and what a card costs.
#include "fight/card_play.hpp"
#include "fight/fight_test_support.hpp"

#include <gtest/gtest.h>

using namespace fighttest;

namespace {

// One Irina (20 attack, 30 armor break) against three Lights.
std::unique_ptr<FightScene> duel() {
    return openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_LIGHT, 1)},
                     {foe(ENEMY_LIGHT, 10), foe(ENEMY_LIGHT, 11), foe(ENEMY_LIGHT, 12)});
}

std::int32_t shownDamage(const FightEnemy& e) {
    // The units and tens digits the damage number shows (its sheet row is kind 1).
    const std::int32_t units = e.fighter.damageNumber.entries[0].units.getTextureRect().left / 56;
    const std::int32_t tens = e.fighter.damageNumber.entries[0].tens.getTextureRect().left / 56;
    return e.fighter.damageNumber.twoDigits ? tens * 10 + units : units;
}

} // namespace

TEST(CardPlay, DamageThroughArmorLeavesTheOverflowAndShowsItsSize) {
    auto scene = duel();
    // 20 against 30 armor: armor holds, 10 left.
    enemy(*scene, 0).fighter.armor = 30;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE));
    playFrontCardOnEnemy(*scene, 0, 0);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, 10);
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 100);
    EXPECT_EQ(shownDamage(enemy(*scene, 0)), 10);
    EXPECT_EQ(enemy(*scene, 0).fighter.hit, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.body.sprite.getColor(), sf::Color::Red);
    EXPECT_EQ(ally(*scene, 0).fighter.body.animationState, ALLY_ATTACK);
    // 20 against 5 armor: -15 armor and 15 life.
    enemy(*scene, 1).fighter.armor = 5;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE) || dealToFront(*scene, 1, CARD_DAMAGE_ONE));
    const int owner = ally(*scene, 0).hand.cards[0].kind == CARD_DAMAGE_ONE && !ally(*scene, 0).hand.cards[0].used ? 0 : 1;
    playFrontCardOnEnemy(*scene, owner, 1);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 1).fighter.armor, -15);
    EXPECT_EQ(enemy(*scene, 1).fighter.stats.life, 85);
    EXPECT_EQ(shownDamage(enemy(*scene, 1)), 15);
    // The armor stays negative through the allies' turn: the next blow adds it to its overflow.
    ASSERT_TRUE(dealToFront(*scene, 1, CARD_PIERCE));
    ASSERT_TRUE(dealToFront(*scene, 1, CARD_ARMOR_BREAK));
    playFrontCardOnEnemy(*scene, 1, 1);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 1).fighter.armor, -45);
    EXPECT_EQ(enemy(*scene, 1).fighter.stats.life, 85 - 22); // half of the 45 overflow, truncated
}

TEST(CardPlay, ArmorBreakHalvesTheOverflowAndPierceIgnoresArmor) {
    auto scene = duel();
    enemy(*scene, 0).fighter.armor = 10;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_BREAK));
    playFrontCardOnEnemy(*scene, 0, 0);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, -20);
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 90);
    EXPECT_EQ(enemy(*scene, 0).fighter.lastDamage, -10);
    enemy(*scene, 2).fighter.armor = 50;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 0, 2);
    EXPECT_EQ(enemy(*scene, 2).fighter.armor, 50);
    EXPECT_EQ(enemy(*scene, 2).fighter.stats.life, 80);
    EXPECT_EQ(enemy(*scene, 2).fighter.lastDamage, 20);
}

TEST(CardPlay, DamageToAllHitsEveryEnemySlotOfTheFightTheFallenToo) {
    auto scene = duel();
    enemy(*scene, 1).fighter.stats.life = 0; // fell earlier
    stepQuietly(*scene, 1);
    enemy(*scene, 2).fighter.armor = 4;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ALL));
    playFrontCardOnEnemy(*scene, 0, 0);
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 90);
    EXPECT_EQ(enemy(*scene, 1).fighter.stats.life, -10);
    EXPECT_EQ(enemy(*scene, 1).fighter.hit, 1);
    EXPECT_EQ(enemy(*scene, 1).fighter.body.sprite.getColor(), sf::Color::White) << "the fallen do not turn red";
    EXPECT_EQ(enemy(*scene, 2).fighter.stats.life, 94);
    EXPECT_EQ(enemy(*scene, 2).fighter.armor, -6);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2) << "one card, one action point";
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 1).fighter.stats.life, 0);
}

TEST(CardPlay, AnEnemyBroughtBelowOneLifeDiesAndShowsNoIntent) {
    auto scene = duel();
    stepQuietly(*scene, 1); // intents are announced
    enemy(*scene, 0).fighter.stats.life = 15;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 0, 0);
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 0);
    EXPECT_EQ(enemy(*scene, 0).intentAttack + enemy(*scene, 0).intentShield, 0);
    EXPECT_EQ(enemy(*scene, 0).fighter.body.animationState, ENEMY_DEATH);
    stepQuietly(*scene, 60);
    EXPECT_EQ(enemy(*scene, 0).intentAttack + enemy(*scene, 0).intentShield, 0);
    // Nothing more to aim at there: a card pressed on the fallen stays in the hand.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE));
    playFrontCardOnEnemy(*scene, 0, 0);
    EXPECT_EQ(selectedCardSlot(ally(*scene, 0).hand), 0);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2);
}

TEST(CardPlay, ThreeActionPointsThreeCardsThenNoSelection) {
    auto scene = duel();
    for (int played = 0; played < 3; ++played) {
        ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE) || dealToFront(*scene, 0, CARD_DAMAGE_ONE) ||
                    dealToFront(*scene, 0, CARD_ARMOR_BREAK) || dealToFront(*scene, 0, CARD_DAMAGE_ALL));
        playFrontCardOnEnemy(*scene, 0, 2);
        EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2 - played);
        EXPECT_EQ(ally(*scene, 0).hand.shownCount, 4 - played);
    }
    const CardHand& hand = ally(*scene, 0).hand;
    for (int i = 5; i < 8; ++i) EXPECT_EQ(hand.cards[static_cast<std::size_t>(i)].used, 1);
    clickCard(*scene, 0, 0);
    EXPECT_EQ(selectedCardSlot(hand), -1);
    const std::int32_t life = enemy(*scene, 2).fighter.stats.life;
    clickAt(*scene, centreOf(enemy(*scene, 2).fighter.body.sprite));
    EXPECT_EQ(enemy(*scene, 2).fighter.stats.life, life);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 0);
}

TEST(CardPlay, APlayedCardCannotBePickedAgainWhateverFlagsItWasLeftWith) {
    auto scene = duel();
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE));
    selectAlly(*scene, 0);
    clickCard(*scene, 0, 0);
    // Move to the enemy and press in the same frame: the card still counts as hovered.
    moveMouse(*scene, centreOf(enemy(*scene, 0).fighter.body.sprite));
    mousePressedFightScene(scene.get());
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 80);
    // A second press there, still before any frame passed, must not play it again.
    mousePressedFightScene(scene.get());
    stepQuietly(*scene, 1);
    mousePressedFightScene(scene.get());
    EXPECT_EQ(enemy(*scene, 0).fighter.stats.life, 80);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2);
    EXPECT_EQ(ally(*scene, 0).hand.shownCount, 4);
}

TEST(CardPlay, SupportCardsGiveArmorAndBoostsToOneOrAllAlliesTheFallenIncluded) {
    UnitStats giver = hero(PLAYER_TUNGSTENE, 0);
    giver.attackGift = 5;
    giver.defenseGift = 4;
    auto scene = openFight({giver, hero(PLAYER_LIGHT, 1), hero(PLAYER_HEAVY, 2)}, {foe(ENEMY_HEAVY, 7)});
    ally(*scene, 2).fighter.stats.life = 0;
    stepQuietly(*scene, 1);
    // Attack to one ally: the boost shows on the target's damage cards the next frame.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ATTACK_ONE));
    playFrontCardOnAlly(*scene, 0, 1);
    EXPECT_EQ(ally(*scene, 1).attackBoost, 5);
    EXPECT_EQ(ally(*scene, 1).attackFx, 1);
    stepQuietly(*scene, 1);
    const CardHand& boosted = ally(*scene, 1).hand;
    for (int i = 0; i < boosted.count; ++i) {
        if (boosted.cards[static_cast<std::size_t>(i)].kind == CARD_DAMAGE_ONE) {
            EXPECT_EQ(boosted.cards[static_cast<std::size_t>(i)].value, 25);
        }
    }
    // The boost effect shows for one second.
    stepQuietly(*scene, 55);
    EXPECT_EQ(ally(*scene, 1).attackFx, 1);
    stepQuietly(*scene, 10);
    EXPECT_EQ(ally(*scene, 1).attackFx, 0);
    // Defense to all: every ally, the fallen one too.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DEFENSE_ALL));
    playFrontCardOnAlly(*scene, 0, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ally(*scene, i).defenseBoost, 4);
        EXPECT_EQ(ally(*scene, i).defenseFx, 1);
    }
    // Defense to one, on the fallen ally.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DEFENSE_ONE));
    playFrontCardOnAlly(*scene, 0, 2);
    EXPECT_EQ(ally(*scene, 2).defenseBoost, 8);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 0);
    EXPECT_EQ(ally(*scene, 0).hand.shownCount, 2);
}

TEST(CardPlay, ArmorCardsAddTheOwnersDefenseBoost) {
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1)}, {foe(ENEMY_LIGHT, 7)});
    ally(*scene, 0).defenseBoost = 3;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ONE));
    playFrontCardOnAlly(*scene, 0, 1);
    EXPECT_EQ(ally(*scene, 1).fighter.armor, 13);
    EXPECT_EQ(ally(*scene, 0).fighter.armor, 0);
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ALL));
    playFrontCardOnAlly(*scene, 0, 0);
    EXPECT_EQ(ally(*scene, 0).fighter.armor, 23);
    EXPECT_EQ(ally(*scene, 1).fighter.armor, 36);
    // The badges by the bars read the new armor in the frame after the card lands, the
    // giver's defense boost beside its own.
    stepQuietly(*scene, 1);
    auto badge = [&](int slot, std::int32_t kind) {
        const StatusLabel& label = scene->status.allies[static_cast<std::size_t>(slot)].labels[static_cast<std::size_t>(kind)];
        return label.shown ? label.text.getString().toAnsiString() : std::string("none");
    };
    EXPECT_EQ(badge(0, BADGE_ARMOR), "23");
    EXPECT_EQ(badge(1, BADGE_ARMOR), "36");
    EXPECT_EQ(badge(0, BADGE_DEFENSE), "+3");
    EXPECT_EQ(badge(1, BADGE_DEFENSE), "none");
    EXPECT_EQ(badge(1, BADGE_ATTACK), "none");
}

TEST(CardPlay, OverTwoOverlappingAlliesASupportCardGoesOnceToTheFirstInSlotOrder) {
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_LIGHT, 1)}, {foe(ENEMY_LIGHT, 7)});
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ONE));
    selectAlly(*scene, 0);
    clickCard(*scene, 0, 0);
    // Stand the second ally over the first.
    ally(*scene, 1).fighter.body.sprite.setPosition(ally(*scene, 0).fighter.body.sprite.getPosition() + sf::Vector2f(20.f, 10.f));
    const sf::FloatRect a = ally(*scene, 0).fighter.body.sprite.getGlobalBounds();
    const sf::Vector2f both{a.left + a.width - 10.f, a.top + a.height - 10.f};
    ASSERT_TRUE(ally(*scene, 1).fighter.body.sprite.getGlobalBounds().contains(both));
    moveMouse(*scene, both);
    stepQuietly(*scene, 1);
    EXPECT_EQ(ally(*scene, 0).targeted, 1);
    EXPECT_EQ(ally(*scene, 1).targeted, 0);
    mousePressedFightScene(scene.get());
    EXPECT_EQ(ally(*scene, 0).fighter.armor, 10);
    EXPECT_EQ(ally(*scene, 1).fighter.armor, 0);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2);
    EXPECT_EQ(ally(*scene, 0).hand.shownCount, 4);
}

TEST(CardPlay, AFallenAllyCanNeitherBeSelectedNorPlay) {
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_LIGHT, 1)}, {foe(ENEMY_LIGHT, 7)});
    ally(*scene, 1).fighter.stats.life = 0;
    stepQuietly(*scene, 1);
    clickAt(*scene, centreOf(ally(*scene, 1).fighter.body.sprite));
    EXPECT_EQ(ally(*scene, 1).selected, 0);
    EXPECT_EQ(ally(*scene, 1).fighter.body.animationState, ALLY_DEATH);
}

TEST(CardPlay, ACardGoesOnlyToATargetOfItsOwnSide) {
    auto scene = duel();
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ONE));
    selectAlly(*scene, 0);
    clickCard(*scene, 0, 0);
    const std::int32_t held = selectedCardSlot(ally(*scene, 0).hand);
    ASSERT_GE(held, 0);
    // A support card pressed on an enemy, or on nothing, stays in hand and costs nothing.
    for (const sf::Vector2f at : {centreOf(enemy(*scene, 1).fighter.body.sprite), sf::Vector2f{960.f, 200.f}}) {
        clickAt(*scene, at);
        EXPECT_EQ(selectedCardSlot(ally(*scene, 0).hand), held);
        EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 3);
        EXPECT_EQ(enemy(*scene, 1).fighter.armor, 0);
    }
    clickAt(*scene, centreOf(ally(*scene, 1).fighter.body.sprite));
    EXPECT_EQ(ally(*scene, 1).fighter.armor, 10);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2);
    // A damage card pressed on nothing stays in hand; on a fallen enemy it is not spent either.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    clickCard(*scene, 0, 0);
    clickAt(*scene, {960.f, 200.f});
    enemy(*scene, 2).fighter.stats.life = 0;
    stepQuietly(*scene, 1);
    clickAt(*scene, centreOf(enemy(*scene, 2).fighter.body.sprite));
    EXPECT_GE(selectedCardSlot(ally(*scene, 0).hand), 0);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 2);
    EXPECT_EQ(ally(*scene, 1).fighter.stats.life, 100);
    clickAt(*scene, centreOf(enemy(*scene, 1).fighter.body.sprite));
    EXPECT_EQ(enemy(*scene, 1).fighter.stats.life, 80);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 1);
}
