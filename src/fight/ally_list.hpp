// The heroes in a fight: up to three allies on the left half of the screen, facing right.
// The player selects one at a time; its hand of cards and action points are shown.
#pragma once

#include "core/unit_stats.hpp"
#include "fight/card_hand.hpp"
#include "fight/fighter.hpp"
#include "fight/impact_set.hpp"
#include "fight/number_display.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

// Body animation slots of an ally (2 and 3 are not used).
enum : std::int32_t { ALLY_IDLE = 0, ALLY_ATTACK = 1, ALLY_DEATH = 4 };
constexpr std::int32_t kActionPointsPerTurn = 3;

inline const sf::Vector2i kAllySlotPositions[kMaxFighters] = {{200, 700}, {500, 530}, {220, 400}};

struct Ally {
    Fighter fighter;
    std::int32_t heroType = 0;
    CardHand hand;
    NumberDisplay actionPointCounter;
    ImpactSet attackBoostEffect;
    ImpactSet defenseBoostEffect;
    std::int32_t defenseBoost = 0;
    std::int32_t attackBoost = 0;
    float attackFxTimer = 0.f;
    float defenseFxTimer = 0.f;
    std::int32_t hovered = 0;
    std::int32_t hasStruck = 0; // played a damage card: the enemies' red fades on its clock
    std::int32_t defenseFx = 0;
    std::int32_t attackFx = 0;
    std::int32_t selected = 0;
    std::int32_t targeted = 0;
};

// The card the player holds ready to play: the selected card of an ally's hand.
struct HeldCard {
    std::int32_t owner = -1; // the ally's slot, -1 when no card is held
    std::int32_t slot = -1;  // its place in the hand
    std::int32_t kind = -1;
};

struct AllyList {
    std::array<Ally, kMaxFighters> allies;
    std::int32_t count = 0;
    std::array<TexturePages, kPlayerTypeCount> typeSheets{};
    const sf::Texture* markerTexture = nullptr;
    const sf::Texture* shadowTexture = nullptr;
    sf::Vector2f mousePosition;
};

void initAllies(AllyList& list, const UnitStats* heroes, std::int32_t heroCount);
void createAlly(AllyList& list, std::int32_t slot, UnitStats stats);
void updateAllies(AllyList& list, float dt);
// The fighters; the selected ally's hand is drawn apart, over everything of the battle.
void drawAllies(const AllyList& list, sf::RenderTarget& target);
void drawAllyHands(const AllyList& list, sf::RenderTarget& target);
void mouseMovedAllies(AllyList& list, const sf::Event::MouseMoveEvent& move);
// A press on an ally's body selects it (dropping any card held); a press on a card of a
// hand selects that card, while its ally has action points left.
void mousePressedAllies(AllyList& list);
// Selects the ally in `slot` alone; any card held by another ally is dropped.
void selectOnlyAlly(AllyList& list, std::int32_t slot);
void startAllyAttack(AllyList& list, std::int32_t slot);
// Empties the list and clears every slot: an unused slot holds life 0.
void destroyAllies(AllyList& list);
// Every card of every ally shows its live value.
void refreshCardTexts(AllyList& list);

// An enemy's attack of `attack` on the ally in `slot`, through its armor. Returns whether it
// landed (the ally was standing and still is: it turns red and shows the damage).
bool damageAlly(AllyList& list, std::int32_t slot, std::int32_t attack);
// The red tint of every ally goes, and with it the damage numbers and hit effects.
void clearAllyHits(AllyList& list);
// The first ally in slot order whose body lies under `point` (living ones only when asked), or -1.
std::int32_t allyUnder(const AllyList& list, sf::Vector2f point, bool livingOnly);
// The card held by the first ally in slot order that holds one.
HeldCard heldCard(const AllyList& list);
// The held card goes back to its hand unplayed and no ally stays targeted. Returns whether
// a card was held.
bool dropHeldCard(AllyList& list);
