// An enemy's attack on an ally, worked out on numbers alone: the fight applies it and the
// intent shown over the enemy before it is read from it, so the two cannot disagree.
#pragma once

#include <cstdint>

struct EnemyBlow {
    std::int32_t armor = 0;    // the ally's armor after the blow (below 0 until its next frame)
    std::int32_t life = 0;     // its life after the blow
    std::int32_t overflow = 0; // what the armor did not hold; below 0, what it kept
    std::int32_t lands = 0;    // 1 when the ally still stands after it: red, its number shown
};

// An attack of `attack` on an ally with `armor` and `life`: overflow = attack - armor (armor
// below 0 counting as none); a standing ally with armor loses `attack` of it; a positive
// overflow comes off its life.
EnemyBlow enemyBlow(std::int32_t attack, std::int32_t armor, std::int32_t life);
// The life the blow takes, never more than the ally had.
std::int32_t lifeTaken(const EnemyBlow& blow, std::int32_t lifeBefore);
