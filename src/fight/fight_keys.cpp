#include "fight/fight_keys.hpp"

#include "fight/key_hints.hpp"

#include <algorithm>

namespace {

// The cap of a card sits just above the card's top edge, turned with it (picture pixels of
// the card, from its top-left).
const sf::Vector2f kCardCapAnchor{64.f, -12.f};
// The end-turn cap rides the button's top-left corner, the deck cap the pile's.
const sf::Vector2f kTurnButtonCapOffset{38.f, -6.f};
const sf::Vector2f kDeckPileCapOffset{14.f, -4.f};
// The Tab cap stands beside the selected hero's marker.
const sf::Vector2f kTabCapOffset{-30.f, 20.f};

bool alliesMayAct(const FightScene* scene) {
    return scene->turnButton.isAllyTurn && !scene->turnButton.fightOver;
}

std::int32_t selectedAlly(const AllyList& list) {
    for (std::int32_t i = 0; i < list.count; ++i)
        if (list.allies[static_cast<std::size_t>(i)].selected) return i;
    return -1;
}

bool standing(const Ally& ally) { return ally.fighter.stats.life > 0; }

} // namespace

bool pickCardAt(FightScene* scene, std::int32_t place) {
    if (!alliesMayAct(scene)) return false;
    AllyList& list = scene->allies;
    const std::int32_t selected = selectedAlly(list);
    if (selected < 0) return false;
    Ally& ally = list.allies[static_cast<std::size_t>(selected)];
    if (!standing(ally) || ally.fighter.stats.actionPoints == 0) return false;
    CardHand& hand = ally.hand;
    const std::int32_t shown = std::min({hand.shownCount, hand.count, static_cast<std::int32_t>(kShownAtBuild)});
    if (place < 0 || place >= shown || hand.cards[static_cast<std::size_t>(place)].used) return false;
    for (Card& card : hand.cards) card.selected = 0;
    hand.cards[static_cast<std::size_t>(place)].selected = 1;
    return true;
}

std::int32_t selectNextAlly(FightScene* scene) {
    AllyList& list = scene->allies;
    const std::int32_t from = selectedAlly(list);
    for (std::int32_t step = 1; step <= list.count; ++step) {
        const std::int32_t slot = ((from < 0 ? -1 : from) + step + list.count) % list.count;
        if (!standing(list.allies[static_cast<std::size_t>(slot)])) continue;
        selectOnlyAlly(list, slot);
        return slot;
    }
    return -1;
}

void keyPressedFightScene(FightScene* scene, sf::Keyboard::Key key) {
    switch (key) {
    case sf::Keyboard::Num1:
    case sf::Keyboard::Num2:
    case sf::Keyboard::Num3:
    case sf::Keyboard::Num4:
    case sf::Keyboard::Num5:
        pickCardAt(scene, key - sf::Keyboard::Num1);
        break;
    case sf::Keyboard::Numpad1:
    case sf::Keyboard::Numpad2:
    case sf::Keyboard::Numpad3:
    case sf::Keyboard::Numpad4:
    case sf::Keyboard::Numpad5:
        pickCardAt(scene, key - sf::Keyboard::Numpad1);
        break;
    case sf::Keyboard::Tab:
        if (alliesMayAct(scene)) selectNextAlly(scene);
        break;
    case sf::Keyboard::Enter:
    case sf::Keyboard::E:
        if (alliesMayAct(scene)) endAlliesTurn(*scene);
        break;
    case sf::Keyboard::D:
        if (scene->deckPile.deckViewOpen)
            scene->deckPile.deckViewOpen = 0;
        else
            openDeckView(scene);
        break;
    default:
        break;
    }
}

void drawFightKeyHints(const FightScene* scene, sf::RenderTarget& target) {
    if (!alliesMayAct(scene)) return;
    const AllyList& list = scene->allies;
    const std::int32_t selected = selectedAlly(list);
    if (selected >= 0) {
        const Ally& ally = list.allies[static_cast<std::size_t>(selected)];
        const CardHand& hand = ally.hand;
        const std::int32_t shown = std::min({hand.shownCount, hand.count, static_cast<std::int32_t>(kShownAtBuild)});
        if (standing(ally) && ally.fighter.stats.actionPoints > 0)
            for (std::int32_t place = 0; place < shown; ++place) {
                const Card& card = hand.cards[static_cast<std::size_t>(place)];
                if (card.used) continue;
                const sf::Vector2f at = card.sprite.getTransform().transformPoint(kCardCapAnchor);
                drawKeyCap(target, static_cast<KeyCap>(KEY_CAP_1 + place), at, card.sprite.getRotation());
            }
        const sf::Vector2f marker = ally.fighter.arrowMarker.getPosition();
        drawKeyCap(target, KEY_CAP_TAB, marker + kTabCapOffset);
    }
    const sf::FloatRect button = scene->turnButton.sprite.getGlobalBounds();
    drawKeyCap(target, KEY_CAP_ENTER, sf::Vector2f{button.left, button.top} + kTurnButtonCapOffset);
    const sf::FloatRect pile = scene->deckPile.backSprite.getGlobalBounds();
    drawKeyCap(target, KEY_CAP_D, sf::Vector2f{pile.left, pile.top} + kDeckPileCapOffset);
}
