// Card-battle pictures other than the fighters: backdrop, HUD, cards, markers and effects.
#pragma once

#include "art.hpp"
#include "fight_rig.hpp"

namespace fight {

void drawBackground();   // BackgroundFight2.png, 480 x 270 drawn at x4
void drawHudBattle();    // HUDBattle.png, 1920 x 1080 overlay
void drawTurnButton();   // TurnButton.png, 63 x 34
void drawDeckCase();     // DeckCase.png
void drawActionIcon();   // PA.png
void drawNumbers();      // Number.png, 10 x 6 digits of 56 x 72
void drawLifeBars();     // LifeBar.png, LifeBarBack.png, HUDLife.png
void drawMarkers();      // Arrow_Ally.png, Arrow.png, ArrowCard.png, ArrowBig.png
void drawIntentIcons();  // Attack.png, Shield.png
void drawShadow();       // Shadow.png, Contour2.png
void drawFightCursor();  // FightCursor.jpg
void drawCardSheet();    // CardSheet.png
void drawCardBack();     // CardBack.png
void drawCardContour();  // ContourCard.png
void drawEffects();      // Explosion.png, Impact.png, BoostDef.png, BoostAttack.png
void drawStatusBadges();   // StatusBadges.png, 3 badges of 16 x 16 drawn at x2
void drawFightEndPlates(); // FightEnd.png, victory and defeat plates of 120 x 44 drawn at x4

} // namespace fight
