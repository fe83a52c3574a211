// The opposing units on the world map: their sheets and animations, walking a planned
// path, the per-turn reset and removal. Which hero an enemy targets and its path search
// belong to the board (world_game, path_search).
#pragma once

#include "world/party.hpp"

#include <array>
#include <cstdint>

constexpr int kMaxEnemies = 15;
constexpr int kEnemyTypeCount = 5;

enum : std::int32_t { ENEMY_LIGHT = 0, ENEMY_HEAVY = 1, ENEMY_SHIELD = 2, ENEMY_TANK = 3, ENEMY_BOSS = 4 };

inline constexpr std::array<const char*, kEnemyTypeCount> kEnemySheetPaths = {
    "Assets/Sprites/WorldEnemySprite/Light/Light_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Heavy/Heavy_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Shield/Shield_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Tank/Tank_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Boss/Boss_Sprite_Sheet.png",
};

// Frame counts and rates of each enemy type's idle and walking rows.
struct EnemySheetLayout {
    std::uint32_t idleFrames;
    std::uint32_t idleRate;
    std::uint32_t walkFrames;
    std::uint32_t walkRate;
};
inline constexpr std::array<EnemySheetLayout, kEnemyTypeCount> kEnemySheetLayouts = {{
    {11, 11, 6, 8}, // Light
    {11, 11, 6, 8}, // Heavy
    {11, 11, 6, 8}, // Shield
    {4, 8, 4, 6},   // Tank
    {12, 12, 6, 8}, // Boss
}};

struct WorldEnemy {
    sf::Sprite sprite;
    std::int32_t type = -1;
    std::array<GridPos, kMaxPathCells> path{};          // walking order: path[0] is the first step
    std::array<std::int32_t, kMaxPathCells> pathDirs{}; // pathDirs[k]: direction of the move into path[k]
    std::int32_t pathLength = 0;
    std::int32_t pathStep = 0; // index of the path cell being walked to
    std::array<Animation, kAnimationSlots> animations{};
    std::int32_t animationIndex = ANIM_IDLE;
    std::int32_t acted = 0;
    std::int32_t moving = 0;
    UnitStats stats;
    std::int32_t maxMovePoints = kMaxPathCells;
    std::int32_t speed = 200;
};

struct EnemyList {
    std::array<const sf::Texture*, kEnemyTypeCount> types{};
    std::array<WorldEnemy, kMaxEnemies> enemies;
    std::uint32_t count = 0;
};

void loadEnemyTextures(EnemyList* list);
// Builds enemies[index] (its type already set) at `position`; the caller then increments count.
void addWorldEnemy(EnemyList* list, std::int32_t index, sf::Vector2f position);
void initEnemyAnimations(WorldEnemy* enemy);
void setEnemyAnimation(WorldEnemy* enemy, std::int32_t slot);
Animation* currentAnimation(WorldEnemy* enemy);
void updateEnemyAnimations(EnemyList* list, float dt);
void drawEnemies(EnemyList* list, sf::RenderWindow* window);
void stepEnemy(EnemyList* list, WorldEnemy* enemy, float dt);
void resetEnemyTurn(EnemyList* list);
void removeEnemy(EnemyList* list, std::int32_t index);
void destroyEnemies(EnemyList* list);

GridPos enemyCell(const WorldEnemy* enemy);
// The cell the enemy holds on the board: where it stands, or the end of its walk.
GridPos enemyClaimedCell(const WorldEnemy* enemy);
