#include "fight/card_hand.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "fight/fight_paths.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr float kPi = 3.14159f;
constexpr float kRestScale = 1.3f;
constexpr float kHoverScale = 2.4f;
// The pixel font is drawn at whole multiples of its 8-pixel size, so its strokes stay sharp.
constexpr unsigned kRestTextSize = 8;
constexpr unsigned kHoverTextSize = 16;
constexpr float kTextLineSpacing = 0.9f;
const sf::Vector2f kFanCentre{960.f, 1280.f};
constexpr float kFanRadius = 400.f;
constexpr float kFanDrop = 150.f;
// The light panel of a card face, in card pixels: the words stand on its middle.
const sf::Vector2f kPanelCentre{64.f, 132.f};
// The middle of its picture, where the targeting arrow leaves from: in view in the fan.
const sf::Vector2f kPictureCentre{64.f, 56.f};
constexpr float kHoverBottomMargin = 8.f; // a hovered card stands upright, its foot on the screen's edge
constexpr float kScreenWidth = 1920.f;
constexpr float kScreenHeight = 1080.f;
const sf::Color kUnpayableTint{110, 110, 120, 255};
constexpr int kFanSpread = 50;
constexpr int kShuffles = 8;
constexpr int kCardValueAtCreation = 20;
const sf::Vector2f kCardOrigin{64.f, 84.f};
const sf::Vector2f kContourOrigin{69.f, 89.f};
const sf::IntRect kContourFrame{0, 0, 138, 179};
// Where a new card waits until the fan first lays it out: far from any mouse, so that it
// is never taken for hovered (and left unplaced) before the hand's first layout.
const sf::Vector2f kUnplacedCard{-10000.f, -10000.f};

struct DeckCard {
    std::int32_t kind;
    std::int32_t textKind;
};

// The deck of each hero type, by creation position: Irina, Rem, Tungstene, then the three
// companions, who share one deck.
constexpr DeckCard kDecks[4][kDeckSize] = {
    {{0, 1}, {2, 0}, {3, 0}, {1, 0}, {5, 3}, {4, 3}, {6, 5}, {7, 4}},
    {{2, 0}, {0, 1}, {3, 0}, {1, 0}, {5, 3}, {6, 5}, {8, 7}, {9, 6}},
    {{0, 1}, {3, 0}, {2, 0}, {1, 0}, {6, 5}, {8, 7}, {9, 6}, {7, 4}},
    {{2, 0}, {0, 1}, {3, 0}, {1, 0}, {5, 3}, {6, 5}, {8, 7}, {9, 6}},
};

// The texts a card is made with.
constexpr const char* kCreationTemplates[8] = {
    "DEAL %d DAMAGE\n\n TO ALL ENEMIES\n\n", "DEAL %d DAMAGE\n\n TO ONE ENEMY\n\n",
    "GIVE %d ARMOR\n\n TO ALL ALLY\n\n",     "GIVE %d ARMOR\n\n TO ONE ALLY\n\n",
    "GIVE %d ATTACK\n\n TO ALL ALLY\n\n",    "GIVE %d ATTACK\n\n TO ONE ALLY\n\n",
    "GIVE %d DEFENSE\n\n TO ALL ALLY\n\n",   "GIVE %d DEFENSE\n\n TO ONE ALLY\n\n",
};

// The texts the player reads, by card kind, refreshed with the live value.
constexpr const char* kKindTemplates[10] = {
    "DEAL %d DAMAGE\n\n TO ONE ENEMY\n\n",         "DEAL %d DAMAGE\n\n TO ALL ENEMIES\n\n",
    "DEAL %d DAMAGE\n\n TO ONE \n\n ENEMY'S ARMOR", "DEAL %d DAMAGE\n\n TO ONE \n\n ENEMY'S LIFE",
    "GIVE %d ARMOR\n\n TO ONE ALLY\n\n",           "GIVE %d ARMOR\n\n TO ALL ALLIES\n\n",
    "GIVE %d ATTACK\n\n TO ONE ALLY\n\n",          "GIVE %d ATTACK\n\n TO ALL ALLIES\n\n",
    "GIVE %d DEFENSE\n\n TO ONE ALLY\n\n",         "GIVE %d DEFENSE\n\n TO ALL ALLIES\n\n",
};

const DeckCard& deckCard(std::int32_t heroType, std::int32_t position) {
    const int deck = heroType >= 0 && heroType <= 2 ? heroType : 3;
    return kDecks[deck][position];
}

void fillText(CardText& text, const char* format, std::int32_t value) {
    std::snprintf(text.buffer.data(), text.buffer.size(), format, static_cast<int>(value));
    text.textObject.setString(text.buffer.data());
}


Card& cardAt(CardHand& hand, std::int32_t slot) { return hand.cards[static_cast<std::size_t>(slot)]; }

} // namespace

void emptyHand(CardHand& hand) {
    for (Card& card : hand.cards) {
        card.selected = 0;
        card.hovered = 0;
        card.used = 0;
    }
    hand.count = 0;
    hand.nextColumn = 0;
    hand.shownCount = 0;
}

void buildHand(CardHand& hand, std::int32_t heroType) {
    emptyHand(hand);
    hand.sheetTexture = &createTexture(kCardSheetPath);
    hand.contourTexture = &createTexture(kCardContourPath);
    hand.shownCount = kShownAtBuild;
    for (std::int32_t j = 0; j < kDeckSize; ++j) createCard(hand, j, heroType);
    for (int i = 0; i < kShuffles; ++i) shuffleHand(hand);
}

void createCard(CardHand& hand, std::int32_t j, std::int32_t heroType) {
    if (hand.count >= kHandSlots || j < 0 || j >= kDeckSize) return;
    Card& card = cardAt(hand, hand.count);
    const sf::IntRect face = cardFaceArea(heroType, hand.nextColumn);
    card.sprite = createSprite(*hand.sheetTexture);
    card.sprite.setTextureRect(face);
    card.sprite.setScale(kRestScale, kRestScale);
    card.sprite.setOrigin(kCardOrigin);
    card.contourSprite = createSprite(*hand.contourTexture);
    card.contourSprite.setTextureRect(kContourFrame);
    card.contourSprite.setScale(kRestScale, kRestScale);
    card.contourSprite.setOrigin(kContourOrigin);
    card.sprite.setPosition(kUnplacedCard);
    card.contourSprite.setPosition(kUnplacedCard);
    initCardArrow(card.arrow, {0.f, 0.f});
    card.contourAnimation = createAnimation(3, 6, &kContourFrame, 1);
    card.contourCurrent = card.contourAnimation;
    card.text.font = &cachedFont(kPixelFontPath);
    card.index = j;
    card.heroType = heroType;
    const DeckCard& entry = deckCard(heroType, j);
    card.kind = entry.kind;
    card.value = kCardValueAtCreation;
    card.selected = 0;
    card.hovered = 0;
    card.used = 0;
    card.textRefreshed = 0;
    makeCardText(card.text, {0.f, 0.f}, kCardValueAtCreation, entry.textKind);
    hand.count += 1;
    hand.nextColumn += 1;
}

void makeCardText(CardText& text, sf::Vector2f position, std::int32_t value, std::int32_t textKind) {
    if (textKind < 0 || textKind > 7) textKind = 0;
    text.textObject = sf::Text();
    if (text.font) text.textObject.setFont(*text.font);
    text.textObject.setCharacterSize(kRestTextSize);
    text.textObject.setFillColor(sf::Color::Black);
    fillText(text, kCreationTemplates[textKind], value);
    text.textObject.setPosition(position);
    const sf::FloatRect bounds = text.textObject.getLocalBounds();
    text.textObject.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
}

void shuffleHand(CardHand& hand) {
    const int a = randomInt() % kDeckSize;
    const int b = randomInt() % kDeckSize;
    if (a != b) std::swap(cardAt(hand, a), cardAt(hand, b));
}

void moveCardToEnd(CardHand& hand, std::int32_t s) {
    for (std::int32_t i = s; i < hand.count - 1; ++i) std::swap(cardAt(hand, i), cardAt(hand, i + 1));
}

void storeHandMousePosition(CardHand& hand, sf::Vector2f mouse) { hand.mousePosition = mouse; }

std::int32_t cardValue(std::int32_t kind, const UnitStats& s, std::int32_t attackBoost, std::int32_t defenseBoost) {
    switch (kind) {
    case CARD_DAMAGE_ONE: return s.attack + attackBoost;
    case CARD_DAMAGE_ALL: return s.attack / 2 + attackBoost;
    case CARD_ARMOR_BREAK: return s.armorBreak + attackBoost;
    case CARD_PIERCE: return s.attack + attackBoost;
    case CARD_ARMOR_ONE: return s.armorGift + defenseBoost;
    case CARD_ARMOR_ALL: return s.armorGiftAll + defenseBoost;
    case CARD_ATTACK_ONE:
    case CARD_ATTACK_ALL: return s.attackGift;
    case CARD_DEFENSE_ONE:
    case CARD_DEFENSE_ALL: return s.defenseGift;
    default: return 0;
    }
}

void refreshHandTexts(CardHand& hand, const UnitStats& owner, std::int32_t attackBoost, std::int32_t defenseBoost) {
    for (std::int32_t i = 0; i < hand.count; ++i) {
        Card& card = cardAt(hand, i);
        const std::int32_t value = cardValue(card.kind, owner, attackBoost, defenseBoost);
        // Rewriting an unchanged text every frame would only cost allocations.
        if (card.textRefreshed && value == card.value) continue;
        card.value = value;
        card.textRefreshed = 1;
        if (card.kind >= 0 && card.kind <= CARD_DEFENSE_ALL) fillText(card.text, kKindTemplates[card.kind], value);
    }
}

std::int32_t fanAngle(std::int32_t i, std::int32_t shownCount) {
    // A lone card has no fan to spread over: it stands upright in the middle.
    if (shownCount <= 1) return 0;
    return (i * kFanSpread) / (shownCount - 1) - kFanSpread / 2;
}

namespace {

struct CardPose {
    sf::Vector2f position;
    float rotation = 0.f;
    float scale = 1.f;
};

CardPose restPose(std::int32_t i, std::int32_t shown) {
    const float theta = static_cast<float>(fanAngle(i, shown));
    const float r = (theta - 90.f) * kPi / 180.f;
    return {{kFanCentre.x + std::cos(r) * kFanRadius, kFanCentre.y + std::sin(r) * kFanRadius + kFanDrop}, theta,
            kRestScale};
}

// Upright above its place in the fan, whole on the screen.
CardPose hoverPose(const CardPose& rest) {
    const float halfWidth = kCardOrigin.x * kHoverScale;
    const float x = std::clamp(rest.position.x, halfWidth + 4.f, kScreenWidth - halfWidth - 4.f);
    const float y = kScreenHeight - kHoverBottomMargin - (static_cast<float>(kCardHeight) - kCardOrigin.y) * kHoverScale;
    return {{x, y}, 0.f, kHoverScale};
}

sf::Transform poseTransform(const CardPose& pose) {
    sf::Transform t;
    t.translate(pose.position).rotate(pose.rotation).scale(pose.scale, pose.scale).translate(-kCardOrigin);
    return t;
}

sf::FloatRect poseBounds(const CardPose& pose) {
    return poseTransform(pose).transformRect({0.f, 0.f, static_cast<float>(kCardWidth), static_cast<float>(kCardHeight)});
}

// The card the mouse is on: the rightmost whose place in the fan holds it (cards further
// right lie on top), or else the raised card, while the mouse stays on it.
std::int32_t cardUnderMouse(const CardHand& hand, std::int32_t shown) {
    std::int32_t found = -1;
    for (std::int32_t i = 0; i < shown; ++i)
        if (poseBounds(restPose(i, shown)).contains(hand.mousePosition)) found = i;
    if (found >= 0) return found;
    for (std::int32_t i = 0; i < shown; ++i) {
        const Card& card = hand.cards[static_cast<std::size_t>(i)];
        if (card.hovered && card.sprite.getGlobalBounds().contains(hand.mousePosition)) return i;
    }
    return -1;
}

void poseCard(Card& card, const CardPose& pose, unsigned textSize, bool payable) {
    for (sf::Sprite* sprite : {&card.sprite, &card.contourSprite}) {
        sprite->setPosition(pose.position);
        sprite->setRotation(pose.rotation);
        sprite->setScale(pose.scale, pose.scale);
    }
    sf::Text& text = card.text.textObject;
    text.setCharacterSize(textSize);
    text.setLineSpacing(kTextLineSpacing);
    text.setRotation(pose.rotation);
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(std::round(bounds.left + bounds.width / 2.f), std::round(bounds.top + bounds.height / 2.f));
    const sf::Vector2f at = poseTransform(pose).transformPoint(kPanelCentre);
    text.setPosition(std::round(at.x), std::round(at.y));
    // A card its owner cannot pay for stays in the fan, greyed.
    card.sprite.setColor(payable ? sf::Color::White : kUnpayableTint);
    text.setFillColor(payable ? sf::Color::Black : sf::Color{60, 60, 64, 255});
}

} // namespace

void layoutHand(CardHand& hand, float dt) {
    const std::int32_t shown = std::min(hand.shownCount, hand.count);
    const std::int32_t under = cardUnderMouse(hand, shown);
    for (std::int32_t i = 0; i < shown; ++i) {
        Card& card = cardAt(hand, i);
        updateAnimation(&card.contourCurrent, &card.contourSprite, dt);
        card.hovered = i == under ? 1 : 0;
        if (card.used) card.selected = 0;
        const CardPose rest = restPose(i, shown);
        const CardPose pose = card.hovered ? hoverPose(rest) : rest;
        poseCard(card, pose, card.hovered ? kHoverTextSize : kRestTextSize, hand.payable != 0);
        setCardArrowStart(card.arrow, poseTransform(pose).transformPoint(kPictureCentre));
        updateCardArrow(card.arrow, hand.mousePosition);
    }
}

void drawHand(const CardHand& hand, sf::RenderTarget& target) {
    const std::int32_t shown = std::min(hand.shownCount, hand.count);
    // A raised card (hovered or selected) leaves only its glow in the fan: its opaque face
    // and its words come again on top and would cover themselves.
    for (std::int32_t i = 0; i < shown && i < kShownAtBuild; ++i) {
        const Card& card = hand.cards[static_cast<std::size_t>(i)];
        if (card.used) continue;
        if (card.hovered || card.selected) {
            target.draw(card.contourSprite);
            continue;
        }
        target.draw(card.sprite);
        target.draw(card.text.textObject);
    }
    // The hovered and the selected card come on top of the fan, the selected one with its arrow.
    for (std::int32_t i = 0; i < hand.count; ++i) {
        const Card& card = hand.cards[static_cast<std::size_t>(i)];
        if (!(card.hovered || card.selected) || card.used) continue;
        target.draw(card.contourSprite);
        target.draw(card.sprite);
        target.draw(card.text.textObject);
        if (card.selected) drawCardArrow(card.arrow, target);
    }
}

void selectCard(CardHand& hand) {
    // Only a card the player can see in the fan can be picked: a played card keeps no
    // claim to the mouse, whatever flag it was left with.
    const std::int32_t shown = std::min(hand.shownCount, hand.count);
    for (std::int32_t i = 0; i < shown; ++i) {
        Card& picked = cardAt(hand, i);
        if (!picked.hovered || picked.used) continue;
        for (Card& card : hand.cards) card.selected = 0;
        picked.selected = 1;
        playSound(Sound::CardPicked);
    }
}

std::int32_t selectedCardSlot(const CardHand& hand) {
    for (std::int32_t i = 0; i < hand.count; ++i) {
        const Card& card = hand.cards[static_cast<std::size_t>(i)];
        if (card.selected && !card.used) return i;
    }
    return -1;
}

void spendCard(CardHand& hand, std::int32_t slot) {
    Card& card = cardAt(hand, slot);
    card.selected = 0;
    card.hovered = 0;
    card.used = 1;
    moveCardToEnd(hand, slot);
    hand.shownCount -= 1;
}

bool dropSelectedCard(CardHand& hand) {
    bool dropped = false;
    for (Card& card : hand.cards) {
        if (card.selected && !card.used) dropped = true;
        card.selected = 0;
    }
    return dropped;
}

void formatCardText(std::int32_t kind, std::int32_t value, char* buffer, std::size_t size) {
    if (size == 0) return;
    buffer[0] = '\0';
    if (kind >= 0 && kind <= CARD_DEFENSE_ALL) std::snprintf(buffer, size, kKindTemplates[kind], static_cast<int>(value));
}

std::int32_t deckCardKind(std::int32_t heroType, std::int32_t position) {
    if (position < 0 || position >= kDeckSize) return -1;
    return deckCard(heroType, position).kind;
}

sf::IntRect cardFaceArea(std::int32_t heroType, std::int32_t position) {
    return {position * kCardWidth, heroType * kCardHeight, kCardWidth, kCardHeight};
}
