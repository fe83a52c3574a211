// Fight sheets of the six heroes and the five enemies (idle, attack and death rows).
#pragma once

#include "fight_rig.hpp"

namespace fight {

void drawIrinaSheet();
void drawRemSheet();
void drawTungsteneSheet();
void drawLightSheet();
void drawHeavySheet();
void drawShieldSheet();

void drawEnemyLightSheet();
void drawEnemyHeavySheet();
void drawEnemyShieldSheet();
void drawBossSheet();
void drawTankSheet();

} // namespace fight
