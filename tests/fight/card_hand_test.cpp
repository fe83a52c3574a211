// The hand of cards: deals, the fan, hover, selection and the live texts.
#include "core/random.hpp"
#include "fight/card_hand.hpp"
#include "fight/fight_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace fighttest;

namespace {

std::vector<std::int32_t> kindsOf(const CardHand& hand) {
    std::vector<std::int32_t> kinds;
    for (int i = 0; i < hand.count; ++i) kinds.push_back(hand.cards[static_cast<std::size_t>(i)].kind);
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

std::string textOf(const Card& card) { return card.text.textObject.getString().toAnsiString(); }

} // namespace

TEST(CardHand, EachHeroTypeIsDealtItsOwnDeckOfEightShuffledWithFiveShown) {
    seedRandom(11);
    const std::vector<std::int32_t> irina = {0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<std::int32_t> rem = {0, 1, 2, 3, 5, 6, 8, 9};
    const std::vector<std::int32_t> tungstene = {0, 1, 2, 3, 6, 7, 8, 9};
    const std::vector<std::int32_t> expected[kPlayerTypeCount] = {irina, rem, tungstene, rem, rem, rem};
    bool anyShuffled = false;
    for (std::int32_t type = 0; type < kPlayerTypeCount; ++type) {
        auto hand = std::make_unique<CardHand>();
        buildHand(*hand, type);
        ASSERT_EQ(hand->count, kDeckSize);
        EXPECT_EQ(hand->shownCount, 5);
        EXPECT_EQ(kindsOf(*hand), expected[type]) << "type " << type;
        for (int i = 0; i < hand->count; ++i) {
            const Card& card = hand->cards[static_cast<std::size_t>(i)];
            // The face is the card's column (its creation position) on its type's row.
            EXPECT_EQ(card.sprite.getTextureRect(), sf::IntRect(card.index * 128, type * 169, 128, 169));
            EXPECT_EQ(card.heroType, type);
            if (card.index != i) anyShuffled = true;
        }
    }
    EXPECT_TRUE(anyShuffled);
    // A second deal into the same hand starts over.
    auto hand = std::make_unique<CardHand>();
    buildHand(*hand, 0);
    hand->cards[0].used = 1;
    buildHand(*hand, 1);
    EXPECT_EQ(hand->count, 8);
    EXPECT_EQ(kindsOf(*hand), rem);
    for (const Card& card : hand->cards) EXPECT_EQ(card.used, 0);
}

TEST(CardHand, FanAnglesUseIntegerDivisionAndALoneCardStandsUprightInTheMiddle) {
    const std::vector<std::vector<int>> expected = {{0}, {-25, 25}, {-25, 0, 25}, {-25, -9, 8, 25}, {-25, -13, 0, 12, 25}};
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0)});
    selectAlly(*scene, 0);
    CardHand& hand = ally(*scene, 0).hand;
    for (int shown = 1; shown <= 5; ++shown) {
        hand.shownCount = shown;
        moveMouse(*scene, {100.f, 100.f});
        stepQuietly(*scene, 1);
        for (int i = 0; i < shown; ++i) {
            EXPECT_EQ(fanAngle(i, shown), expected[static_cast<std::size_t>(shown - 1)][static_cast<std::size_t>(i)]);
            const float rotation = hand.cards[static_cast<std::size_t>(i)].sprite.getRotation();
            const float expectedRotation = static_cast<float>((expected[static_cast<std::size_t>(shown - 1)][static_cast<std::size_t>(i)] + 360) % 360);
            EXPECT_FLOAT_EQ(rotation, expectedRotation);
        }
    }
    hand.shownCount = 1;
    stepQuietly(*scene, 1);
    EXPECT_NEAR(hand.cards[0].sprite.getPosition().x, 960.f, 0.01f);
    EXPECT_NEAR(hand.cards[0].sprite.getPosition().y, 1030.f, 0.01f);
}

TEST(CardHand, AHoveredCardGrowsAndSlidesOutUntilAboveTheLineThenSnapsBack) {
    auto scene = openFight({hero(PLAYER_REM, 0)}, {foe(ENEMY_LIGHT, 0)});
    selectAlly(*scene, 0);
    moveMouse(*scene, {100.f, 100.f});
    stepQuietly(*scene, 1);
    CardHand& hand = ally(*scene, 0).hand;
    const Card& middle = hand.cards[2];
    const sf::Vector2f rest = middle.sprite.getPosition();
    EXPECT_NEAR(rest.y, 1030.f, 0.01f);
    moveMouse(*scene, visiblePointOf(hand, 2));
    stepQuietly(*scene, 1);
    EXPECT_EQ(middle.hovered, 1);
    EXPECT_FLOAT_EQ(middle.sprite.getScale().x, 1.6f);
    EXPECT_EQ(middle.text.textObject.getCharacterSize(), 12u);
    stepQuietly(*scene, 30); // half a second at 500 px/s: far enough, it stops above 950
    EXPECT_LT(middle.sprite.getPosition().y, 950.f);
    EXPECT_GT(middle.sprite.getPosition().y, 950.f - 500.f / 60.f - 0.01f);
    EXPECT_EQ(middle.hovered, 1) << "the mouse point stays on the risen card";
    moveMouse(*scene, {100.f, 100.f});
    stepQuietly(*scene, 1);
    EXPECT_EQ(middle.sprite.getPosition(), rest);
    EXPECT_FLOAT_EQ(middle.sprite.getScale().x, 1.3f);
    EXPECT_EQ(middle.text.textObject.getCharacterSize(), 10u);
}

TEST(CardHand, PressesSelectTheHoveredCardMoveTheSelectionAndTheOwnerClearsIt) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0)});
    selectAlly(*scene, 0);
    CardHand& hand = ally(*scene, 0).hand;
    clickCard(*scene, 0, 1);
    EXPECT_EQ(selectedCardSlot(hand), 1);
    clickCard(*scene, 0, 1); // again: still the one selected
    EXPECT_EQ(selectedCardSlot(hand), 1);
    clickCard(*scene, 0, 3);
    EXPECT_EQ(selectedCardSlot(hand), 3);
    int selected = 0;
    for (const Card& card : hand.cards) selected += card.selected;
    EXPECT_EQ(selected, 1);
    // A press on the owner keeps it selected and drops its card, unless that card is a
    // support card, which the press plays on it instead.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE));
    clickCard(*scene, 0, 0);
    clickAt(*scene, centreOf(ally(*scene, 0).fighter.body.sprite));
    EXPECT_EQ(selectedCardSlot(hand), -1);
    EXPECT_EQ(ally(*scene, 0).selected, 1);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.actionPoints, 3);
}

TEST(CardHand, TextsShowTheLiveValueFromTheFirstFrameAndFollowTheBoosts) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0)});
    CardHand& hand = ally(*scene, 0).hand;
    const auto cardOfKind = [&](std::int32_t kind) -> const Card& {
        for (const Card& card : hand.cards)
            if (card.kind == kind) return card;
        return hand.cards[0];
    };
    // As made, the deck gives this card the creation text of another kind; the first frame corrects it.
    EXPECT_EQ(textOf(cardOfKind(CARD_ARMOR_ALL)), "GIVE 20 ARMOR\n\n TO ONE ALLY\n\n");
    stepQuietly(*scene, 1);
    EXPECT_EQ(textOf(cardOfKind(CARD_ARMOR_ALL)), "GIVE 20 ARMOR\n\n TO ALL ALLIES\n\n");
    EXPECT_EQ(textOf(cardOfKind(CARD_DAMAGE_ALL)), "DEAL 10 DAMAGE\n\n TO ALL ENEMIES\n\n");
    EXPECT_EQ(textOf(cardOfKind(CARD_ARMOR_BREAK)), "DEAL 30 DAMAGE\n\n TO ONE \n\n ENEMY'S ARMOR");
    EXPECT_EQ(textOf(cardOfKind(CARD_PIERCE)), "DEAL 20 DAMAGE\n\n TO ONE \n\n ENEMY'S LIFE");
    ally(*scene, 0).attackBoost = 5;
    ally(*scene, 0).defenseBoost = 3;
    stepQuietly(*scene, 1);
    EXPECT_EQ(cardOfKind(CARD_DAMAGE_ONE).value, 25);
    EXPECT_EQ(textOf(cardOfKind(CARD_DAMAGE_ONE)), "DEAL 25 DAMAGE\n\n TO ONE ENEMY\n\n");
    EXPECT_EQ(textOf(cardOfKind(CARD_DAMAGE_ALL)), "DEAL 15 DAMAGE\n\n TO ALL ENEMIES\n\n");
    EXPECT_EQ(textOf(cardOfKind(CARD_ARMOR_ONE)), "GIVE 13 ARMOR\n\n TO ONE ALLY\n\n");
}
