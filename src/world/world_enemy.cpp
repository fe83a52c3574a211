#include "world/world_enemy.hpp"


#include "core/resources.hpp"
#include "core/sound.hpp"

UnitSheetLayout enemySheetLayout(std::int32_t type) {
    if (type < 0 || type >= kEnemyTypeCount) return kEnemySheetLayouts[0];
    return kEnemySheetLayouts[static_cast<std::size_t>(type)];
}

GridPos enemyCell(const WorldEnemy* enemy) { return bodyCell(&enemy->body); }

GridPos enemyClaimedCell(const WorldEnemy* enemy) {
    if (enemy->body.moving && enemy->walk.length > 0) return walkEnd(&enemy->walk);
    return enemyCell(enemy);
}

void loadEnemyTextures(EnemyList* list) {
    for (int t = 0; t < kEnemyTypeCount; ++t)
        list->types[static_cast<std::size_t>(t)] = &createTexture(kEnemySheetPaths[static_cast<std::size_t>(t)]);
}

void addWorldEnemy(EnemyList* list, std::int32_t index, sf::Vector2f position) {
    if (index < 0 || index >= kMaxEnemies) return;
    WorldEnemy& enemy = list->enemies[static_cast<std::size_t>(index)];
    const std::int32_t type = enemy.type;
    enemy = WorldEnemy{};
    enemy.type = type;
    const sf::Texture* sheet = type >= 0 && type < kEnemyTypeCount ? list->types[static_cast<std::size_t>(type)] : nullptr;
    initMapUnitBody(&enemy.body, sheet, enemySheetLayout(type), position);
    enemy.acted = 0;
    enemy.maxMovePoints = kMaxPathCells;
    enemy.stats = initialUnitStats(type);
}

void updateEnemyAnimations(EnemyList* list, float dt) {
    for (std::uint32_t i = 0; i < list->count && i < kMaxEnemies; ++i) {
        updateBodyAnimation(&list->enemies[i].body, dt);
    }
}

void drawEnemies(const EnemyList* list, SpriteBatch* batch, sf::RenderTarget& target) {
    for (std::uint32_t i = 0; i < list->count && i < kMaxEnemies; ++i)
        batchSprite(batch, list->enemies[i].body.sprite, target);
}

void stepEnemy(WorldEnemy* enemy, float dt) {
    if (stepWalk(&enemy->body, &enemy->walk, dt)) playSound(Sound::EnemyStep);
}

void resetEnemyTurn(EnemyList* list) {
    for (std::uint32_t i = 0; i < list->count && i < kMaxEnemies; ++i) {
        WorldEnemy& enemy = list->enemies[i];
        // A walk cut short (the turn forced over) ends on the cell it has claimed, so the
        // body and the board never disagree.
        if (enemy.body.moving && enemy.walk.length > 0 && enemy.walk.length <= kMaxPathCells) {
            enemy.body.sprite.setPosition(cellCorner(walkEnd(&enemy.walk)));
            setBodyAnimation(&enemy.body, ANIM_IDLE);
        }
        enemy.body.moving = 0;
        enemy.acted = 0;
        clearWalk(&enemy.walk);
    }
}

void removeEnemy(EnemyList* list, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= list->count || index >= kMaxEnemies) return;
    const std::uint32_t last = list->count - 1;
    for (std::uint32_t i = static_cast<std::uint32_t>(index); i < last; ++i) {
        list->enemies[i] = list->enemies[i + 1];
        setBodyAnimation(&list->enemies[i].body, ANIM_IDLE);
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
