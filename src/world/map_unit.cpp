#include "world/map_unit.hpp"

#include "core/random.hpp"
#include "core/resources.hpp"

void initMapUnitBody(MapUnitBody* body, const sf::Texture* sheet, UnitSheetLayout layout, sf::Vector2f position) {
    *body = MapUnitBody{};
    if (sheet) body->sprite = createSprite(*sheet);
    const sf::IntRect idle{0, 0, kMapUnitFrameSize, kMapUnitFrameSize};
    const sf::IntRect left{0, kMapUnitFrameSize, kMapUnitFrameSize, kMapUnitFrameSize};
    const sf::IntRect right{0, 2 * kMapUnitFrameSize, kMapUnitFrameSize, kMapUnitFrameSize};
    body->animations[ANIM_IDLE] = createAnimation(layout.idleFrames, layout.idleRate, &idle, 1);
    body->animations[ANIM_WALK_LEFT] = createAnimation(layout.walkFrames, layout.walkRate, &left, 1);
    body->animations[ANIM_WALK_RIGHT] = createAnimation(layout.walkFrames, layout.walkRate, &right, 1);
    setBodyAnimation(body, ANIM_IDLE);
    if (layout.idleFrames > 0)
        body->animations[ANIM_IDLE].currentFrame = static_cast<std::uint32_t>(cosmeticRandomInt()) % layout.idleFrames;
    // Show the first frame at once so the body covers its cell before the first update.
    body->sprite.setTextureRect(currentFrameRect(bodyAnimation(body)));
    body->sprite.setScale(kMapUnitScale, kMapUnitScale);
    body->sprite.setPosition(position);
}

void setBodyAnimation(MapUnitBody* body, std::int32_t slot) {
    if (slot < 0 || slot >= kAnimationSlots) return;
    body->animationIndex = slot;
    resetAnimation(&body->animations[static_cast<std::size_t>(slot)]);
}

Animation* bodyAnimation(MapUnitBody* body) { return &body->animations[static_cast<std::size_t>(body->animationIndex)]; }

void updateBodyAnimation(MapUnitBody* body, float dt) { updateAnimation(bodyAnimation(body), &body->sprite, dt); }

GridPos bodyCell(const MapUnitBody* body) { return cellOfPosition(body->sprite.getPosition()); }

bool walkBodyToward(MapUnitBody* body, GridPos cell, std::int32_t direction, bool destinationLeft, float dt) {
    const sf::Vector2f corner = cellCorner(cell);
    const std::int32_t slot = walkSlotFor(body->animationIndex, direction, destinationLeft);
    if (slot != body->animationIndex) setBodyAnimation(body, slot);
    const WalkStep walk = walkTowardCorner(body->sprite.getPosition(), corner, direction, static_cast<float>(body->speed) * dt);
    if (walk.arrived) {
        body->sprite.setPosition(corner);
        return true;
    }
    body->sprite.move(walk.move);
    return false;
}

void setWalk(MapWalk* walk, GridPos start, const GridPos* cells, std::int32_t count) {
    clearWalk(walk);
    if (count <= 0 || count > kMaxPathCells) return;
    for (std::int32_t k = 0; k < count; ++k) {
        const GridPos from = k == 0 ? start : cells[k - 1];
        walk->cells[static_cast<std::size_t>(k)] = cells[k];
        walk->dirs[static_cast<std::size_t>(k)] = stepDirection(from, cells[k]);
    }
    walk->length = count;
}

void clearWalk(MapWalk* walk) {
    walk->length = 0;
    walk->step = 0;
}

GridPos walkEnd(const MapWalk* walk) {
    if (walk->length <= 0 || walk->length > kMaxPathCells) return {};
    return walk->cells[static_cast<std::size_t>(walk->length - 1)];
}

std::int32_t walkCellsLeft(const MapWalk* walk) { return walk->length - walk->step; }

bool stepWalk(MapUnitBody* body, MapWalk* walk, float dt) {
    if (walk->step < 0 || walk->step >= walk->length || walk->length > kMaxPathCells) {
        clearWalk(walk);
        stopBody(body);
        return false;
    }
    const std::size_t k = static_cast<std::size_t>(walk->step);
    const bool destinationLeft = walkEnd(walk).x < bodyCell(body).x;
    const bool arrived = walkBodyToward(body, walk->cells[k], walk->dirs[k], destinationLeft, dt);
    if (arrived) walk->step += 1;
    if (walk->step == walk->length) {
        clearWalk(walk);
        stopBody(body);
    }
    return arrived;
}

void stopBody(MapUnitBody* body) {
    body->moving = 0;
    setBodyAnimation(body, ANIM_IDLE);
}

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
