// Playing a selected card on its target: an enemy for the four damage kinds, an ally for
// the six support kinds. A card played costs its owner one action point.
#pragma once

#include "fight/ally_list.hpp"
#include "fight/fight_enemy_list.hpp"

#include <cstdint>

// A press with a support card of the ally in slot `owner` selected plays it on the ally under
// the stored mouse position (the first in slot order where bodies overlap), once.
void playCardOnAlly(AllyList& allies, std::int32_t owner);
// A press with a damage card selected plays it on the living enemy under the stored mouse
// position; enemies brought below 1 life die.
void playCardOnEnemy(AllyList& allies, FightEnemyList& enemies);
