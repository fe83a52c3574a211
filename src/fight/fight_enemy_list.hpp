// The enemies in a fight: up to three on the right half of the screen, facing the allies.
// During the allies' turn each shows the intent it will carry out (attack or shield); the
// Tank and the Boss always take the middle place.
#pragma once

#include "core/texture_pages.hpp"
#include "core/unit_stats.hpp"
#include "fight/fighter.hpp"
#include "fight/turn_controls.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

struct AllyList;

// Body animation slots of an enemy (the value of animationState).
enum : std::int32_t { ENEMY_ATTACK = 0, ENEMY_DEATH = 2, ENEMY_IDLE = 3 };

inline const sf::Vector2i kEnemySlotPositions[kMaxFighters] = {{1520, 900}, {1200, 700}, {1520, 570}};
inline const sf::Vector2i kBossPosition{1200, 700};
inline const sf::Vector2i kTankPosition{600, 800};
constexpr std::int32_t kBigEnemySlot = 1;

struct FightEnemy {
    Fighter fighter;
    sf::Sprite attackIcon;
    sf::Sprite shieldIcon;
    std::int32_t acted = 0;
    std::int32_t intentAttack = 0;
    std::int32_t intentShield = 0;
    std::int32_t enemyType = 0;
    // The ally slot an announced attack will strike (-1: none drawn yet), and what the
    // intent will do as things stand: the life it takes, or the armor it raises.
    std::int32_t intentTarget = -1;
    std::int32_t intentAmount = 0;
};

struct FightEnemyList {
    std::array<FightEnemy, kMaxFighters> enemies;
    std::int32_t count = 0;
    std::array<TexturePages, kEnemyTypeCount> typeSheets{};
    const sf::Texture* markerTexture = nullptr;
    const sf::Texture* shadowTexture = nullptr;
    const sf::Texture* attackIconTexture = nullptr;
    const sf::Texture* shieldIconTexture = nullptr;
};

void initFightEnemies(FightEnemyList& list, const UnitStats* enemyRecords, std::int32_t enemyCount);
// Builds enemy `index` standing at place `slot`.
void createFightEnemy(FightEnemyList& list, std::int32_t index, UnitStats stats, std::int32_t slot);
// The place of each enemy of a fight, by type: a Tank or Boss takes the middle, the others
// the outer places in index order, so no two ever share one.
void chooseEnemySlots(const std::int32_t* types, std::int32_t count, std::int32_t* slots);
// Animations, numbers, deaths, then the end-of-fight test (sets turnButton.fightOver).
void updateFightEnemies(FightEnemyList& list, float dt, const AllyList& allies, TurnButton& turnButton);
void drawFightEnemies(sf::RenderTarget& target, const FightEnemyList& list, const AllyList& allies);
void startEnemyAttack(FightEnemyList& list, std::int32_t index);
void killFightEnemy(FightEnemyList& list, std::int32_t index);
// Empties the list and clears every slot: an unused slot holds life 0.
void destroyFightEnemies(FightEnemyList& list);
// Every enemy turns white again and its damage number and hit effect go.
void clearEnemyHits(FightEnemyList& list);
// The first living enemy in index order whose body lies under `point`, or -1.
std::int32_t enemyUnder(const FightEnemyList& list, sf::Vector2f point);
bool isBigEnemy(std::int32_t type);
