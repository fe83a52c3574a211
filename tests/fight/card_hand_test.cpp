// The hand of cards: deals, the fan, hover, selection and the live texts.
#include "core/random.hpp"
#include "fight/card_arrow.hpp"
#include "fight/card_hand.hpp"
#include "fight/fight_test_support.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

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

// Where a card's words lie on its face, in card pixels.
sf::FloatRect wordsOnCard(const Card& card) {
    const sf::Text& text = card.text.textObject;
    const sf::Transform toCard = card.sprite.getInverseTransform() * text.getTransform();
    return toCard.transformRect(text.getLocalBounds());
}

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

TEST(CardHand, AHoveredCardStandsUprightWholeOnTheScreenWithItsWordsOnTheLightPanel) {
    auto scene = openFight({hero(PLAYER_REM, 0)}, {foe(ENEMY_LIGHT, 0)});
    selectAlly(*scene, 0);
    moveMouse(*scene, {100.f, 100.f});
    stepQuietly(*scene, 1);
    CardHand& hand = ally(*scene, 0).hand;
    const sf::FloatRect screen{0.f, 0.f, 1920.f, 1080.f};
    for (int place : {0, 2, 4}) {
        const Card& card = hand.cards[static_cast<std::size_t>(place)];
        const sf::Vector2f rest = card.sprite.getPosition();
        const float restAngle = card.sprite.getRotation();
        moveMouse(*scene, visiblePointOf(hand, place));
        stepQuietly(*scene, 1);
        ASSERT_EQ(card.hovered, 1) << "place " << place;
        const sf::FloatRect up = card.sprite.getGlobalBounds();
        EXPECT_FLOAT_EQ(card.sprite.getRotation(), 0.f);
        EXPECT_TRUE(screen.contains(up.left, up.top) && screen.contains(up.left + up.width, up.top + up.height))
            << "the whole card is on the screen";
        EXPECT_GE(up.width, 300.f);
        EXPECT_GE(card.text.textObject.getCharacterSize(), 16u);
        // The words stand inside the card's light panel (card pixels 10..118 x 106..158).
        const sf::FloatRect local = wordsOnCard(card);
        EXPECT_GE(local.left, 10.f);
        EXPECT_LE(local.left + local.width, 118.f);
        EXPECT_GE(local.top, 106.f);
        EXPECT_LE(local.top + local.height, 158.f);
        EXPECT_EQ(card.text.textObject.getFillColor(), sf::Color::Black);
        // Still hovered while the mouse moves up onto the raised card, back at rest when it leaves.
        moveMouse(*scene, {up.left + up.width / 2.f, up.top + 20.f});
        stepQuietly(*scene, 1);
        EXPECT_EQ(card.hovered, 1);
        moveMouse(*scene, {100.f, 100.f});
        stepQuietly(*scene, 1);
        EXPECT_EQ(card.hovered, 0);
        EXPECT_EQ(card.sprite.getPosition(), rest);
        EXPECT_FLOAT_EQ(card.sprite.getRotation(), restAngle);
        // At rest the words are still on the panel, turned with the card.
        const sf::FloatRect restWords = wordsOnCard(card);
        EXPECT_GE(restWords.left, 10.f);
        EXPECT_LE(restWords.left + restWords.width, 118.f);
        EXPECT_GE(restWords.top, 106.f);
        EXPECT_LE(restWords.top + restWords.height, 158.f);
    }
}

// A raised card is drawn once, on top: the fan looks exactly as when every card was drawn
// in turn and the raised ones again over them.
TEST(CardHand, ARaisedCardDrawnOnceOnTopLooksAsDrawnTwice) {
    testWindow().setActive(true);
    auto scene = openFight({hero(PLAYER_REM, 0)}, {foe(ENEMY_LIGHT, 0)});
    selectAlly(*scene, 0);
    CardHand& hand = ally(*scene, 0).hand;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    auto render = [&target](auto draw) {
        target.clear(sf::Color(40, 60, 80));
        draw();
        target.display();
        return target.getTexture().copyToImage();
    };
    auto twice = [&hand, &target] {
        for (int i = 0; i < std::min(hand.shownCount, hand.count); ++i) {
            const Card& card = hand.cards[static_cast<std::size_t>(i)];
            if (card.used) continue;
            target.draw(card.sprite);
            if (card.hovered || card.selected) target.draw(card.contourSprite);
            target.draw(card.text.textObject);
        }
        for (int i = 0; i < hand.count; ++i) {
            const Card& card = hand.cards[static_cast<std::size_t>(i)];
            if (!(card.hovered || card.selected) || card.used) continue;
            target.draw(card.contourSprite);
            target.draw(card.sprite);
            target.draw(card.text.textObject);
            if (card.selected) drawCardArrow(card.arrow, target);
        }
    };
    // One card selected (its arrow out), then another hovered beside it.
    clickCard(*scene, 0, 1);
    moveMouse(*scene, visiblePointOf(hand, 3));
    stepQuietly(*scene, 1);
    ASSERT_EQ(hand.cards[1].selected, 1);
    ASSERT_EQ(hand.cards[3].hovered, 1);
    EXPECT_EQ(differingPixels(render([&] { drawHand(hand, target); }), render(twice)), 0);
}

TEST(CardHand, CardsTheHeroCannotPayForAreGreyed) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0)});
    selectAlly(*scene, 0);
    stepQuietly(*scene, 1);
    const Card& card = ally(*scene, 0).hand.cards[0];
    EXPECT_EQ(card.sprite.getColor(), sf::Color::White);
    ally(*scene, 0).fighter.stats.actionPoints = 0;
    stepQuietly(*scene, 1);
    EXPECT_NE(card.sprite.getColor(), sf::Color::White);
    EXPECT_LT(card.sprite.getColor().r, 160);
    // A new turn pays again.
    clickAt(*scene, endTurnButton(*scene));
    stepQuietly(*scene, 400);
    ASSERT_EQ(scene->turnButton.isAllyTurn, 1);
    selectAlly(*scene, 0);
    stepQuietly(*scene, 1);
    EXPECT_EQ(ally(*scene, 0).hand.cards[0].sprite.getColor(), sf::Color::White);
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
