// The enemies' side of the turn cycle: each living enemy announces an intent during the
// allies' turn and carries it out in the first frame of the enemies' turn, which lasts
// five seconds.
#pragma once

#include "fight/ally_list.hpp"
#include "fight/fight_enemy_list.hpp"
#include "fight/turn_controls.hpp"

#include <cstdint>

void updateEnemyTurn(AllyList& allies, FightEnemyList& enemies, TurnButton& turnButton, TurnBanner& turnBanner,
                     float dt, std::int32_t engagedAllyCount);
// Ends the enemies' turn now: the allies' turn begins, the next enemies' turn is whole
// again and every enemy will act in it.
void finishEnemyTurn(AllyList& allies, FightEnemyList& enemies, TurnButton& turnButton, TurnBanner& turnBanner);
// What each living enemy's intent will do if the enemies' turn began now (`intentAmount`):
// the life its attack takes from its target, through the armor, or the armor it raises.
void previewEnemyIntents(const AllyList& allies, FightEnemyList& enemies);
