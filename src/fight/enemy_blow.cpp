#include "fight/enemy_blow.hpp"

#include <algorithm>

EnemyBlow enemyBlow(std::int32_t attack, std::int32_t armor, std::int32_t life) {
    EnemyBlow blow;
    // Armor a first blow of the same turn drove below 0 is gone, not a debt the next blow
    // collects: only what is left of it holds.
    blow.overflow = attack - std::max(0, armor);
    blow.armor = armor > 0 && life > 0 ? armor - attack : armor;
    blow.life = blow.overflow > 0 && life > 0 ? life - blow.overflow : life;
    blow.lands = blow.life > 0 ? 1 : 0;
    return blow;
}

std::int32_t lifeTaken(const EnemyBlow& blow, std::int32_t lifeBefore) {
    return std::max(0, lifeBefore) - std::max(0, blow.life);
}
