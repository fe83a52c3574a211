// Playing the held card on its target: an enemy for the four damage kinds, an ally for the
// six support kinds. A card played costs its owner one action point.
#pragma once

#include "fight/ally_list.hpp"
#include "fight/fight_enemy_list.hpp"

#include <cstdint>

// What lies under the press: an ally (living or fallen, the first in slot order where
// bodies overlap) and a living enemy (the first in index order), each -1 when none.
struct CardTarget {
    std::int32_t ally = -1;
    std::int32_t enemy = -1;
};

// Plays `held` on its side's target, once; a card whose side has no target stays held.
// Enemies brought below 1 life die.
void playCard(AllyList& allies, FightEnemyList& enemies, HeldCard held, CardTarget target);
// What the held card would go to at `point`: the enemy there for a damage card, the ally
// there for a support card; -1 on the other side. Where it has none, its arrow shows none.
CardTarget heldCardTarget(const AllyList& allies, const FightEnemyList& enemies, HeldCard held, sf::Vector2f point);
void aimHeldCard(AllyList& allies, const FightEnemyList& enemies);
