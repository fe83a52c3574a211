// The enemies' side of the turn cycle: each living enemy announces an intent during the
// allies' turn and carries it out in the first frame of the enemies' turn, which lasts
// five seconds at Normal speed, half that at Fast and no longer than that first frame at
// Instant. The gameplay generator is drawn only in the allies' turn and in that first
// frame, so the length of the wait never changes what comes after it.
#pragma once

#include "core/enemy_speed.hpp"
#include "fight/ally_list.hpp"
#include "fight/fight_enemy_list.hpp"
#include "fight/turn_controls.hpp"

#include <cstdint>

void updateEnemyTurn(AllyList& allies, FightEnemyList& enemies, TurnButton& turnButton, TurnBanner& turnBanner,
                     float dt, std::int32_t engagedAllyCount, EnemySpeed speed = EnemySpeed::Normal);
// Ends the enemies' turn now: the allies' turn begins, the next enemies' turn is whole
// again and every enemy will act in it.
void finishEnemyTurn(AllyList& allies, FightEnemyList& enemies, TurnButton& turnButton, TurnBanner& turnBanner);
// What each living enemy's intent will do if the enemies' turn began now (`intentAmount`):
// the life its attack takes from its target, through the armor, or the armor it raises.
void previewEnemyIntents(const AllyList& allies, FightEnemyList& enemies);
