// What pointing at the map shows before a click: with a hero selected, the arrow of the
// walk a click on the pointed square would order (the same search, on the same board).
#pragma once

#include "world/world_record.hpp"

#include <SFML/System/Vector2.hpp>

// The pointer is at world pixel `point`: shows, moves or hides the selected hero's preview
// arrow. Nothing shows outside the player's turn on the map, over the tutorial box, the camp
// screen or the overview, on the hero's own square or off its shown squares.
void pointAtBoard(WorldGame* world, sf::Vector2i point);
// Hides the preview arrow (the arrow of a walk under way stays).
void clearPathPreview(Party* party);
