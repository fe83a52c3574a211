// The battle's keys: 1 to 5 pick the card at that place of the selected hero's hand, Tab
// selects the next living hero, Enter or E ends the allies' turn, D opens the deck view;
// and the key caps that show them on the cards and buttons.
#pragma once

#include "fight/fight_scene.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>

// A key pressed in the battle; keys it has no use for are left alone.
void keyPressedFightScene(FightScene* scene, sf::Keyboard::Key key);
// Selects the card in fan place `place` (0 is the leftmost) of the selected ally's hand,
// alone, as a click on it would: only on the allies' turn, for a standing ally with action
// points left and a card shown there. Returns whether a card was picked.
bool pickCardAt(FightScene* scene, std::int32_t place);
// Selects the next standing ally after the selected one (the first one when none is),
// dropping any card held. Returns its slot, or -1 when no ally stands.
std::int32_t selectNextAlly(FightScene* scene);
// The key caps of the cards of the selected hand, the end-turn button, the deck pile and
// the hero selection, on the allies' turn.
void drawFightKeyHints(const FightScene* scene, sf::RenderTarget& target);
