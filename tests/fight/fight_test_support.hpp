// Shared helpers of the fight tests: fighters as the world board hands them over, a scene
// opened on the heap (it is large), the player's mouse sent through the real handlers,
// fixed-dt frames.
#pragma once

#include "core/unit_stats.hpp"
#include "fight/fight_scene.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/Sprite.hpp>

#include <memory>
#include <string>
#include <vector>

namespace fighttest {

constexpr float kFrame = 1.f / 60.f;

UnitStats hero(std::int32_t type, std::int32_t unitIndex);
UnitStats foe(std::int32_t type, std::int32_t unitIndex);

std::unique_ptr<FightScene> openFight(const std::vector<UnitStats>& heroes, const std::vector<UnitStats>& enemies);

void moveMouse(FightScene& scene, sf::Vector2f point);
// Move there, let a frame pass (hover follows the mouse in the update), press.
void clickAt(FightScene& scene, sf::Vector2f point);
void step(FightScene& scene, int frames, float dt = kFrame);
// Steps with the console traces of the enemies' turn kept off the test output.
void stepQuietly(FightScene& scene, int frames, float dt = kFrame);

sf::Vector2f centreOf(const sf::Sprite& sprite);
sf::Vector2f endTurnButton(const FightScene& scene);

Ally& ally(FightScene& scene, int slot);
FightEnemy& enemy(FightScene& scene, int slot);

// Puts the first card of `kind` in ally `slot`'s hand into the fan's first place (a deal
// that happens to hold it there). Returns false when the hand has no such card.
bool dealToFront(FightScene& scene, int slot, std::int32_t kind);
// Selects ally `slot` with a click on its body.
void selectAlly(FightScene& scene, int slot);
// A point on the shown card in hand place `place` that no card further right covers.
sf::Vector2f visiblePointOf(const CardHand& hand, int place);
// Clicks the shown card in hand place `place` of the selected ally `slot`.
void clickCard(FightScene& scene, int slot, int place);
// Selects the ally, its card in place 0 and clicks on the enemy's body.
void playFrontCardOnEnemy(FightScene& scene, int allySlot, int enemySlot);
void playFrontCardOnAlly(FightScene& scene, int allySlot, int targetSlot);
// Ends the allies' turn and lets the whole enemies' turn pass.
void passEnemiesTurn(FightScene& scene);

} // namespace fighttest
