// What a player reads off the fighters at a glance, drawn in front of the fighters: the
// armor on the shield plate of each life bar's frame, right of it a row of badges (attack
// boost, defense boost and, on an ally, the blow announced against it), beside each intent
// icon the number it will deal or raise, and the damage numbers of the last blows. A fallen
// fighter shows none of them.
#pragma once

#include "core/unit_stats.hpp"
#include "fight/ally_list.hpp"
#include "fight/fight_enemy_list.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

// Badge kinds, in the order they stand by the bar; each but the armor has the icon of its
// kind - 1 in the badge strip.
enum : std::int32_t { BADGE_ARMOR = 0, BADGE_ATTACK = 1, BADGE_DEFENSE = 2, BADGE_INCOMING = 3, kBadgeKinds = 4 };

struct StatusLabel {
    sf::Sprite icon; // none on an intent's number: the intent icon stands beside it
    sf::Text text;
    std::int32_t value = 0;
    std::int32_t shown = 0;
};

struct FighterBadges {
    std::array<StatusLabel, kBadgeKinds> labels;
};

struct FightStatus {
    std::array<FighterBadges, kMaxFighters> allies;
    std::array<FighterBadges, kMaxFighters> enemies;
    std::array<StatusLabel, kMaxFighters> intents;
};

void initFightStatus(FightStatus& status);
// Reads the fighters as they are now: every badge, intent number and place.
void updateFightStatus(FightStatus& status, const AllyList& allies, const FightEnemyList& enemies);
// The badges and intent numbers, then every standing fighter's damage number.
void drawFightStatus(const FightStatus& status, const AllyList& allies, const FightEnemyList& enemies,
                     sf::RenderTarget& target);
