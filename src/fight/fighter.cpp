#include "fight/fighter.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"

#include <cstdlib>

namespace {

constexpr float kMarkerScale = 3.f;
const sf::IntRect kMarkerFrame{0, 0, 15, 20};
const sf::Color kHitTint{255, 0, 0, 255};

sf::Vector2f at(sf::Vector2i p, float dx, float dy) { return {static_cast<float>(p.x) + dx, static_cast<float>(p.y) + dy}; }

} // namespace

void clearFighter(Fighter& fighter) {
    fighter.body = FighterBody{};
    fighter.arrowMarker = sf::Sprite();
    fighter.shadow = sf::Sprite();
    fighter.lifeBar.count = 0;
    for (NumberDisplay* n : {&fighter.armorNumber, &fighter.damageNumber, &fighter.lifeNumber, &fighter.maxLifeNumber,
                             &fighter.separator})
        n->count = 0;
    fighter.hitEffect.count = 0;
    fighter.stats = UnitStats{};
    fighter.stats.life = 0; // an empty slot counts as fallen
    fighter.stats.maxLife = 0.f;
    fighter.armor = 0;
    fighter.slot = 0;
    fighter.position = {};
    fighter.tintTimer = 1.f;
    fighter.lastDamage = 0;
    fighter.hit = 0;
    fighter.markerAnimation = Animation{};
    fighter.markerCurrent = Animation{};
}

void initFighterMarker(Fighter& fighter, const sf::Texture& texture) {
    fighter.arrowMarker = createSprite(texture);
    fighter.arrowMarker.setTextureRect(kMarkerFrame);
    fighter.arrowMarker.setScale(kMarkerScale, kMarkerScale);
    fighter.markerAnimation = createAnimation(3, 5, &kMarkerFrame, 1);
    fighter.markerCurrent = fighter.markerAnimation;
}

void initFighterGauges(Fighter& fighter, sf::Vector2f bar, sf::Vector2f armor) {
    const sf::Vector2i p = fighter.position;
    initLifeBar(fighter.lifeBar, static_cast<std::int32_t>(fighter.stats.maxLife), at(p, bar.x, bar.y));
    initNumberDisplay(fighter.damageNumber, NUMBER_DAMAGE, at(p, 0.f, 0.f));
    initNumberDisplay(fighter.armorNumber, NUMBER_ARMOR, at(p, armor.x, armor.y));
    initNumberDisplay(fighter.lifeNumber, NUMBER_LIFE, at(p, bar.x + 96.f - 22.4f, bar.y));
    initNumberDisplay(fighter.maxLifeNumber, NUMBER_LIFE, at(p, bar.x + 96.f + 33.6f, bar.y));
    initNumberDisplay(fighter.separator, NUMBER_SEPARATOR, at(p, bar.x + 96.f - 5.f, bar.y));
}

void updateFighter(Fighter& fighter, float dt) {
    updateFighterBody(fighter.body, dt);
    updateAnimation(&fighter.markerCurrent, &fighter.arrowMarker, dt);
    updateLifeBar(fighter.lifeBar, fighter.stats.life, dt);
    setNumberValue(fighter.armorNumber, fighter.armor);
    setNumberValue(fighter.damageNumber, std::abs(fighter.lastDamage));
    floatNumbers(fighter.damageNumber, fighter.hit, dt);
    setNumberValue(fighter.lifeNumber, fighter.stats.life);
    setNumberValue(fighter.maxLifeNumber, static_cast<std::int32_t>(fighter.stats.maxLife));
    updateImpacts(fighter.hitEffect, dt);
}

bool fighterStanding(const Fighter& fighter) { return fighter.stats.life > 0; }

bool fighterContains(const Fighter& fighter, sf::Vector2f point) {
    return fighter.body.sprite.getGlobalBounds().contains(point);
}

void swingFighter(Fighter& fighter, std::int32_t attackSlot) {
    if (fighter.body.deathStarted) return; // the fallen do not get up to strike
    playBodyAnimation(fighter.body, attackSlot);
}

void markFighterHit(Fighter& fighter) {
    playSound(Sound::Hit);
    tintFighterBody(fighter.body, kHitTint);
    fighter.hit = 1;
}

void clearFighterHit(Fighter& fighter) {
    tintFighterBody(fighter.body, sf::Color::White);
    fighter.hit = 0;
}

void drawFighterLife(const Fighter& fighter, sf::RenderTarget& target) {
    if (!fighterStanding(fighter)) return;
    drawNumberDisplay(fighter.lifeNumber, target);
    drawNumberDisplay(fighter.maxLifeNumber, target);
    drawNumberDisplay(fighter.separator, target);
}

void drawFighterHit(const Fighter& fighter, sf::RenderTarget& target) {
    if (fighter.hit) drawImpacts(fighter.hitEffect, target);
}

void drawFighterDamage(const Fighter& fighter, sf::RenderTarget& target) {
    if (fighter.hit && fighterStanding(fighter)) drawNumberDisplay(fighter.damageNumber, target);
}

void placeDamageNumber(Fighter& fighter) {
    // Two digits centred over the upper part of the body, where the eye already is.
    const sf::FloatRect body = fighter.body.sprite.getGlobalBounds();
    const float digit = static_cast<float>(kDigitWidth) * kDamageNumberScale;
    initNumberDisplay(fighter.damageNumber, NUMBER_DAMAGE,
                      {body.left + body.width / 2.f, body.top + body.height * 0.3f - digit});
}
