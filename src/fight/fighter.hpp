// What every fighter of the card battle has, ally or enemy: its body and the marker over it,
// its shadow, its life bar and numbers (life, armor, the damage of the last blow), the hit
// effect, its stats and armor and where it stands. Ally and FightEnemy each hold one and add
// what only their side has.
#pragma once

#include "core/animation.hpp"
#include "core/unit_stats.hpp"
#include "fight/fighter_body.hpp"
#include "fight/impact_set.hpp"
#include "fight/life_bar.hpp"
#include "fight/number_display.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

struct Fighter {
    FighterBody body; // sprite, animation slots, the working copy in use, one-shot death
    sf::Sprite arrowMarker;
    sf::Sprite shadow;
    LifeBar lifeBar;
    NumberDisplay armorNumber;
    NumberDisplay damageNumber;
    NumberDisplay lifeNumber;
    NumberDisplay maxLifeNumber;
    NumberDisplay separator;
    ImpactSet hitEffect;
    UnitStats stats;
    std::int32_t armor = 0;
    std::int32_t slot = 0;
    sf::Vector2i position;
    float tintTimer = 1.f;
    std::int32_t lastDamage = 0;
    std::int32_t hit = 0; // struck: red, the damage number and the hit effect shown
    Animation markerAnimation;
    Animation markerCurrent;
};

// Empties the record: an unused slot holds life 0, so it counts as fallen.
void clearFighter(Fighter& fighter);
// The animated arrow marker on `texture`, not yet placed.
void initFighterMarker(Fighter& fighter, const sf::Texture& texture);
// The life bar at `bar` and the armor number at `armor` (both from the fighter's position),
// the life numbers along the bar and the damage number on the position itself.
void initFighterGauges(Fighter& fighter, sf::Vector2f bar, sf::Vector2f armor);
// Body and marker animations, the bar and every number, the hit effect.
void updateFighter(Fighter& fighter, float dt);

bool fighterStanding(const Fighter& fighter);
bool fighterContains(const Fighter& fighter, sf::Vector2f point);
// Plays the attack slot of the body, unless the fighter has begun to fall.
void swingFighter(Fighter& fighter, std::int32_t attackSlot);
// Struck: red, showing the damage number and the hit effect.
void markFighterHit(Fighter& fighter);
// White again, the damage number and hit effect gone.
void clearFighterHit(Fighter& fighter);

// A fallen fighter shows no number: life, armor and damage go with it. (Armor shows as a
// badge, drawn with the other status marks of the fight.)
void drawFighterLife(const Fighter& fighter, sf::RenderTarget& target);
// The hit effect while struck.
void drawFighterHit(const Fighter& fighter, sf::RenderTarget& target);
// The damage number while struck and standing, drawn in front of every body.
void drawFighterDamage(const Fighter& fighter, sf::RenderTarget& target);
// Moves the damage number over the body as placed (called once the body stands).
void placeDamageNumber(Fighter& fighter);
