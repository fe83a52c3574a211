// Where the map's view goes when the party's time comes: at a level's start and when the
// enemies' turn ends, the close view centres on the party.
#pragma once

#include "world/world_record.hpp"

#include <SFML/System/Vector2.hpp>

// The middle of the box that holds every hero's cell, in world pixels (the map's middle
// for a party without heroes).
sf::Vector2f partyFocusPoint(const Party* party);
// The next close-view update centres on the party (focusCamera).
void focusCameraOnParty(WorldGame* world);
// For a level reached through the shop and the transition: the world view they hand back
// (applyCamera with 0) is the one centred on the party.
void returnCameraToParty(WorldGame* world);
