// The end of a battle: when a side falls the fight holds for a second on a small banner,
// victory with the gold the fallen enemies bring, or defeat, before the map returns. A
// click cuts the wait short.
#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstdint>

// Gold the party earns for each enemy that falls in a fight (the world board pays it).
constexpr std::int32_t kGoldPerEnemy = 40;
constexpr float kFightEndHoldSeconds = 1.f;

struct FightEndBanner {
    sf::Sprite plate;
    sf::Text gold;
    std::int32_t raised = 0;
    std::int32_t victory = 0;
    std::int32_t goldEarned = 0;
    float heldFor = 0.f;
    std::int32_t skipped = 0;
};

void initFightEndBanner(FightEndBanner& banner);
// Shows the banner of the outcome (once; a raised banner keeps its first outcome).
void raiseFightEndBanner(FightEndBanner& banner, bool victory, std::int32_t goldEarned);
void updateFightEndBanner(FightEndBanner& banner, float dt);
void skipFightEndBanner(FightEndBanner& banner);
// Raised, and held its time or skipped: the fight may close.
bool fightEndBannerDone(const FightEndBanner& banner);
void drawFightEndBanner(const FightEndBanner& banner, sf::RenderTarget& target);
