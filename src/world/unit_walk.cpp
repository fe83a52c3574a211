#include "world/unit_walk.hpp"

#include "world/party.hpp"

WalkStep walkTowardCorner(sf::Vector2f p, sf::Vector2f corner, std::int32_t direction, float s) {
    switch (direction) {
    case DIR_UP: return {{0.f, -s}, p.y - s <= corner.y};
    case DIR_RIGHT: return {{s, 0.f}, p.x + s >= corner.x};
    case DIR_DOWN: return {{0.f, s}, p.y + s >= corner.y};
    default: return {{-s, 0.f}, p.x - s <= corner.x};
    }
}

std::int32_t walkSlotFor(std::int32_t currentSlot, std::int32_t direction, bool destinationLeft) {
    if (currentSlot == direction) return currentSlot;
    if (direction == DIR_RIGHT) return ANIM_WALK_RIGHT;
    if (direction == DIR_LEFT) return ANIM_WALK_LEFT;
    if (currentSlot == ANIM_IDLE) return destinationLeft ? ANIM_WALK_LEFT : ANIM_WALK_RIGHT;
    return currentSlot;
}
