// Every change of scene: the shell acting on what the player chose in a menu, on the debug
// keys and on the rules that end a level. Nothing outside these functions (and start-up)
// sets the scene.
#pragma once

#include "app/main_data.hpp"

#include <cstdint>

void applyMainMenuChoice(MainData* data, MainMenuChoice choice);
void applyPauseChoice(MainData* data, PauseChoice choice);
// Back returns to what the panel was opened over: the main menu, or the world directly.
void applySettingsChoice(MainData* data, SettingsChoice choice);
void applyTeamSelectChoice(MainData* data, const TeamSelectChoice& choice);
void applyShopChoice(MainData* data, ShopChoice choice);
void applyEndScreenChoice(MainData* data, EndScreenChoice choice);

// Escape on the map: the pause menu over the view as it stands (the overview is left first).
void openPauseMenuScene(MainData* data);
// The shop over the screen view; what is bought there joins the party at the first map
// update after it, whichever way the shop was opened.
void openShopScene(MainData* data);
// The road to level sheetNumber + 1 unrolls; the world view comes back once it has shown.
void startLevelTransitionScene(MainData* data, std::int32_t sheetNumber);

// End-of-level rules, after every world update: no enemy left wins the game at level 10
// and otherwise moves to the next level through the shop; a fallen leader loses it.
void checkLevelComplete(MainData* data);
void checkDefeat(MainData* data);
// The next level and the shop (the level-complete rule and the debug Right arrow).
void goToNextLevel(MainData* data);
// Once the level transition has finished, waits 1.2 s and returns to the world view.
void applyTransitionEndRule(MainData* data, std::int32_t* transitionFinished, float dt);
