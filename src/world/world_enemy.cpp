#include "world/world_enemy.hpp"

#include "world/unit_walk.hpp"

#include "core/random.hpp"
#include "core/resources.hpp"

namespace {

constexpr float kUnitScale = 2.f;
constexpr int kFrameSize = 64;

EnemySheetLayout layoutOf(std::int32_t type) {
    if (type < 0 || type >= kEnemyTypeCount) return kEnemySheetLayouts[0];
    return kEnemySheetLayouts[static_cast<std::size_t>(type)];
}

} // namespace

GridPos enemyCell(const WorldEnemy* enemy) { return cellOfPosition(enemy->sprite.getPosition()); }

GridPos enemyClaimedCell(const WorldEnemy* enemy) {
    if (enemy->moving && enemy->pathLength > 0)
        return enemy->path[static_cast<std::size_t>(enemy->pathLength - 1)];
    return enemyCell(enemy);
}

void loadEnemyTextures(EnemyList* list) {
    for (int t = 0; t < kEnemyTypeCount; ++t)
        list->types[static_cast<std::size_t>(t)] = &createTexture(kEnemySheetPaths[static_cast<std::size_t>(t)]);
}

void initEnemyAnimations(WorldEnemy* enemy) {
    const EnemySheetLayout layout = layoutOf(enemy->type);
    const sf::IntRect idle{0, 0, kFrameSize, kFrameSize};
    const sf::IntRect left{0, kFrameSize, kFrameSize, kFrameSize};
    const sf::IntRect right{0, 2 * kFrameSize, kFrameSize, kFrameSize};
    enemy->animations = {};
    enemy->animations[ANIM_IDLE] = createAnimation(layout.idleFrames, layout.idleRate, &idle, 1);
    enemy->animations[ANIM_WALK_LEFT] = createAnimation(layout.walkFrames, layout.walkRate, &left, 1);
    enemy->animations[ANIM_WALK_RIGHT] = createAnimation(layout.walkFrames, layout.walkRate, &right, 1);
    setEnemyAnimation(enemy, ANIM_IDLE);
    enemy->animations[ANIM_IDLE].currentFrame = static_cast<std::uint32_t>(randomInt()) % layout.idleFrames;
}

void setEnemyAnimation(WorldEnemy* enemy, std::int32_t slot) {
    if (slot < 0 || slot >= kAnimationSlots) return;
    enemy->animationIndex = slot;
    resetAnimation(&enemy->animations[static_cast<std::size_t>(slot)]);
}

Animation* currentAnimation(WorldEnemy* enemy) {
    return &enemy->animations[static_cast<std::size_t>(enemy->animationIndex)];
}

void addWorldEnemy(EnemyList* list, std::int32_t index, sf::Vector2f position) {
    if (index < 0 || index >= kMaxEnemies) return;
    WorldEnemy& enemy = list->enemies[static_cast<std::size_t>(index)];
    const std::int32_t type = enemy.type;
    enemy = WorldEnemy{};
    enemy.type = type;
    if (type >= 0 && type < kEnemyTypeCount && list->types[static_cast<std::size_t>(type)])
        enemy.sprite = createSprite(*list->types[static_cast<std::size_t>(type)]);
    initEnemyAnimations(&enemy);
    enemy.sprite.setTextureRect(currentFrameRect(currentAnimation(&enemy)));
    enemy.sprite.setScale(kUnitScale, kUnitScale);
    enemy.sprite.setPosition(position);
    enemy.acted = 0;
    enemy.moving = 0;
    enemy.speed = 200;
    enemy.maxMovePoints = kMaxPathCells;
    enemy.stats = initialUnitStats(type);
}

void updateEnemyAnimations(EnemyList* list, float dt) {
    for (std::uint32_t i = 0; i < list->count && i < kMaxEnemies; ++i) {
        WorldEnemy& enemy = list->enemies[i];
        updateAnimation(currentAnimation(&enemy), &enemy.sprite, dt);
    }
}

void drawEnemies(EnemyList* list, sf::RenderWindow* window) {
    for (std::uint32_t i = 0; i < list->count && i < kMaxEnemies; ++i) window->draw(list->enemies[i].sprite);
}

void stepEnemy(EnemyList* list, WorldEnemy* enemy, float dt) {
    (void)list;
    if (enemy->pathStep < 0 || enemy->pathStep >= enemy->pathLength || enemy->pathLength > kMaxPathCells) {
        enemy->moving = 0;
        enemy->pathStep = 0;
        enemy->pathLength = 0;
        setEnemyAnimation(enemy, ANIM_IDLE);
        return;
    }
    const std::size_t k = static_cast<std::size_t>(enemy->pathStep);
    const sf::Vector2f target{static_cast<float>(enemy->path[k].x * kCellSize),
                              static_cast<float>(enemy->path[k].y * kCellSize)};
    const std::int32_t d = enemy->pathDirs[k];
    const sf::Vector2f p = enemy->sprite.getPosition();

    const GridPos last = enemy->path[static_cast<std::size_t>(enemy->pathLength - 1)];
    const std::int32_t slot = walkSlotFor(enemy->animationIndex, d, last.x < cellOfPosition(p).x);
    if (slot != enemy->animationIndex) setEnemyAnimation(enemy, slot);

    const WalkStep walk = walkTowardCorner(p, target, d, static_cast<float>(enemy->speed) * dt);
    if (walk.arrived) {
        enemy->sprite.setPosition(target);
        enemy->pathStep += 1;
    } else {
        enemy->sprite.move(walk.move);
    }
    if (enemy->pathStep == enemy->pathLength) {
        enemy->moving = 0;
        enemy->pathStep = 0;
        enemy->pathLength = 0;
        setEnemyAnimation(enemy, ANIM_IDLE);
    }
}

void resetEnemyTurn(EnemyList* list) {
    for (std::uint32_t i = 0; i < list->count && i < kMaxEnemies; ++i) {
        WorldEnemy& enemy = list->enemies[i];
        // A walk cut short (the turn forced over) ends on the cell it has claimed, so the
        // body and the board never disagree.
        if (enemy.moving && enemy.pathLength > 0 && enemy.pathLength <= kMaxPathCells) {
            const GridPos end = enemy.path[static_cast<std::size_t>(enemy.pathLength - 1)];
            enemy.sprite.setPosition(static_cast<float>(end.x * kCellSize), static_cast<float>(end.y * kCellSize));
            setEnemyAnimation(&enemy, ANIM_IDLE);
        }
        enemy.moving = 0;
        enemy.acted = 0;
        enemy.pathLength = 0;
        enemy.pathStep = 0;
    }
}

void removeEnemy(EnemyList* list, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= list->count || index >= kMaxEnemies) return;
    const std::uint32_t last = list->count - 1;
    for (std::uint32_t i = static_cast<std::uint32_t>(index); i < last; ++i) {
        list->enemies[i] = list->enemies[i + 1];
        setEnemyAnimation(&list->enemies[i], ANIM_IDLE);
    }
    list->enemies[last] = WorldEnemy{};
    list->enemies[last].type = -1;
    list->enemies[last].stats.unitIndex = -1;
    list->count -= 1;
}

void destroyEnemies(EnemyList* list) {
    for (WorldEnemy& enemy : list->enemies) enemy = WorldEnemy{};
    list->types = {};
    list->count = 0;
}
