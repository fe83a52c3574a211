// The hand of cards each ally holds in a fight: the 8 cards of its hero type's deck,
// shuffled, of which the first ones are fanned out at the bottom of the screen while the
// ally is selected. Played cards leave the fan for the rest of the turn.
#pragma once

#include "core/animation.hpp"
#include "core/unit_stats.hpp"
#include "fight/card_arrow.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kHandSlots = 9;
constexpr int kDeckSize = 8;
constexpr int kShownAtBuild = 5;
constexpr int kCardTextBuffer = 500;
constexpr int kCardWidth = 128;
constexpr int kCardHeight = 169;

// What a card does (and to whom).
enum : std::int32_t {
    CARD_DAMAGE_ONE = 0,   // one enemy, through armor
    CARD_DAMAGE_ALL = 1,   // every enemy slot
    CARD_ARMOR_BREAK = 2,  // one enemy's armor, half the overflow to life
    CARD_PIERCE = 3,       // one enemy's life, armor ignored
    CARD_ARMOR_ONE = 4,    // armor to one ally
    CARD_ARMOR_ALL = 5,    // armor to all allies
    CARD_ATTACK_ONE = 6,   // attack boost to one ally
    CARD_ATTACK_ALL = 7,   // attack boost to all allies
    CARD_DEFENSE_ONE = 8,  // defense boost to one ally
    CARD_DEFENSE_ALL = 9,  // defense boost to all allies
};
constexpr std::int32_t kFirstSupportKind = CARD_ARMOR_ONE;

struct CardText {
    std::array<char, kCardTextBuffer> buffer{};
    const sf::Font* font = nullptr;
    sf::Text textObject;
};

struct Card {
    sf::Sprite sprite;
    sf::Sprite contourSprite;
    std::int32_t index = 0;    // creation position, also its column on the card sheet
    std::int32_t heroType = 0; // its row on the card sheet
    std::int32_t kind = 0;
    CardText text;
    std::int32_t value = 0;
    CardArrow arrow;
    std::int32_t selected = 0;
    std::int32_t hovered = 0;
    std::int32_t used = 0;
    Animation contourAnimation;
    Animation contourCurrent; // the working copy that advances
    std::int32_t textRefreshed = 0; // the live text has replaced the creation text
};

struct CardHand {
    std::array<Card, kHandSlots> cards;
    std::int32_t count = 0;
    std::int32_t nextColumn = 0;
    std::int32_t shownCount = 0;
    const sf::Texture* sheetTexture = nullptr;
    const sf::Texture* contourTexture = nullptr;
    sf::Vector2f mousePosition;
    std::int32_t payable = 1; // the owner has an action point left: its cards are not greyed
};

// Empties the hand, then makes the 8 cards of `heroType`'s deck, shuffled, 5 shown.
void buildHand(CardHand& hand, std::int32_t heroType);
void emptyHand(CardHand& hand);
void createCard(CardHand& hand, std::int32_t position, std::int32_t heroType);
void makeCardText(CardText& text, sf::Vector2f position, std::int32_t value, std::int32_t textKind);
void shuffleHand(CardHand& hand);
void moveCardToEnd(CardHand& hand, std::int32_t slot);
void storeHandMousePosition(CardHand& hand, sf::Vector2f mouse);

// The number a card of `kind` shows and uses, from its owner's stats and boosts.
std::int32_t cardValue(std::int32_t kind, const UnitStats& owner, std::int32_t attackBoost, std::int32_t defenseBoost);
// Refreshes every card's value and text from the owner (the text only when it changes).
void refreshHandTexts(CardHand& hand, const UnitStats& owner, std::int32_t attackBoost, std::int32_t defenseBoost);
// Fan angle in degrees of shown card i.
std::int32_t fanAngle(std::int32_t i, std::int32_t shownCount);

void layoutHand(CardHand& hand, float dt);
void drawHand(const CardHand& hand, sf::RenderTarget& target);
// A press selects the hovered card alone.
void selectCard(CardHand& hand);
// The card of the hand that is selected for play, or -1.
std::int32_t selectedCardSlot(const CardHand& hand);
// Marks the card in `slot` played: out of the fan, to the end of the hand.
void spendCard(CardHand& hand, std::int32_t slot);
// Puts the selected card back in the fan, unplayed. Returns whether one was selected.
bool dropSelectedCard(CardHand& hand);

// The text a card of `kind` shows with `value` (the live template), into `buffer`.
void formatCardText(std::int32_t kind, std::int32_t value, char* buffer, std::size_t size);
// The card kind at creation position `position` (0..7) of `heroType`'s deck.
std::int32_t deckCardKind(std::int32_t heroType, std::int32_t position);
// The area of the card sheet that shows that card.
sf::IntRect cardFaceArea(std::int32_t heroType, std::int32_t position);
