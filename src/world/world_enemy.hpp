// The opposing units on the world map: their sheets and animations, walking a planned
// path, the per-turn reset and removal. Which hero an enemy targets and its path search
// belong to the board (world_game, path_search).
#pragma once

#include "world/party.hpp"

#include <array>
#include <cstdint>

constexpr int kMaxEnemies = 15;
inline constexpr std::array<const char*, kEnemyTypeCount> kEnemySheetPaths = {
    "Assets/Sprites/WorldEnemySprite/Light/Light_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Heavy/Heavy_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Shield/Shield_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Tank/Tank_Sprite_Sheet.png",
    "Assets/Sprites/WorldEnemySprite/Boss/Boss_Sprite_Sheet.png",
};

// Frame counts and rates of each enemy type's idle and walking rows.
inline constexpr std::array<UnitSheetLayout, kEnemyTypeCount> kEnemySheetLayouts = {{
    {11, 11, 6, 8}, // Light
    {11, 11, 6, 8}, // Heavy
    {11, 11, 6, 8}, // Shield
    {4, 8, 4, 6},   // Tank
    {12, 12, 6, 8}, // Boss
}};

struct WorldEnemy {
    MapUnitBody body;
    std::int32_t type = -1;
    MapWalk walk;
    std::int32_t acted = 0;
    UnitStats stats;
    std::int32_t maxMovePoints = kMaxPathCells;
};

struct EnemyList {
    std::array<const sf::Texture*, kEnemyTypeCount> types{};
    std::array<WorldEnemy, kMaxEnemies> enemies;
    std::uint32_t count = 0;
};

void loadEnemyTextures(EnemyList* list);
// Builds enemies[index] (its type already set) at `position`; the caller then increments count.
void addWorldEnemy(EnemyList* list, std::int32_t index, sf::Vector2f position);
// The idle and walking rows of an enemy type's map sheet.
UnitSheetLayout enemySheetLayout(std::int32_t type);
void updateEnemyAnimations(EnemyList* list, float dt);
void drawEnemies(const EnemyList* list, SpriteBatch* batch, sf::RenderTarget& target);
void stepEnemy(WorldEnemy* enemy, float dt);
void resetEnemyTurn(EnemyList* list);
void removeEnemy(EnemyList* list, std::int32_t index);
void destroyEnemies(EnemyList* list);

GridPos enemyCell(const WorldEnemy* enemy);
// The cell the enemy holds on the board: where it stands, or the end of its walk.
GridPos enemyClaimedCell(const WorldEnemy* enemy);
