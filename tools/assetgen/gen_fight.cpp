// Card battle pictures: backdrop, battle HUD, cards, fighters, effects and the fight cursor.
// The turn banners (AllyTurn.png, EnemyTurn.png) are drawn with the world HUD.
#include "art.hpp"
#include "fight_heroes.hpp"
#include "fight_ui.hpp"
#include "generators.hpp"

void genFight() {
    fight::drawBackground();
    fight::drawHudBattle();
    fight::drawTurnButton();
    fight::drawDeckCase();
    fight::drawActionIcon();
    fight::drawNumbers();
    fight::drawLifeBars();
    fight::drawMarkers();
    fight::drawIntentIcons();
    fight::drawShadow();
    fight::drawFightCursor();
    fight::drawCardSheet();
    fight::drawCardBack();
    fight::drawCardContour();
    fight::drawEffects();
    fight::drawStatusBadges();
    fight::drawFightEndPlates();

    fight::drawIrinaSheet();
    fight::drawRemSheet();
    fight::drawTungsteneSheet();
    fight::drawLightSheet();
    fight::drawHeavySheet();
    fight::drawShieldSheet();
    fight::drawEnemyLightSheet();
    fight::drawEnemyHeavySheet();
    fight::drawEnemyShieldSheet();
    fight::drawBossSheet();
    fight::drawTankSheet();
}
