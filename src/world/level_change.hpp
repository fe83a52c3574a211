// Clearing a level: the board is rebuilt for the next one (new ground, new enemies, the
// party scattered over the left columns), and the hires bought in the shop join the party
// at the first map update after it.
#pragma once

#include "world/world_record.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// Moves the board to level + 1: the player's turn, new ground from the level file (the
// previous ground stays when the file cannot be read), the old enemies gone and level + 3 new ones, the party
// scattered, move points restored, `partyChanged` set for the purchases. The shell then
// opens the shop.
void startNextLevel(WorldGame* world, sf::RenderWindow* window);
// The first map update after the shop: one hero per hire, in buying order, then the
// shop's gold. Returns 1 when it ran (that frame does nothing else).
std::int32_t applyShopPurchases(WorldGame* world, const ShopPurchases* purchases);
