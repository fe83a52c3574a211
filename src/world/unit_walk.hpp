// The walk shared by heroes and enemies: one frame's move toward the corner of the next
// cell, and the walking animation a step calls for.
#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>

struct WalkStep {
    sf::Vector2f move;    // how far to move this frame when not arrived
    bool arrived = false; // the corner is reached (or passed): snap onto it
};

// Moving `distance` pixels from `position` in `direction` (DIR_UP..DIR_LEFT) toward `corner`.
WalkStep walkTowardCorner(sf::Vector2f position, sf::Vector2f corner, std::int32_t direction, float distance);

// The animation slot for a step in `direction`: sideways steps face their way, vertical steps
// keep the current walk, and a vertical first step (from idle) faces the side the destination
// lies on. Returns `currentSlot` when nothing changes.
std::int32_t walkSlotFor(std::int32_t currentSlot, std::int32_t direction, bool destinationLeft);
