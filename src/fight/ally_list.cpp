#include "fight/ally_list.hpp"

#include "core/asset_cache.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "fight/enemy_blow.hpp"
#include "fight/fight_paths.hpp"
#include "fight/visible_part.hpp"

#include <cstdlib>

namespace {

constexpr float kBodyScale = 2.f;
constexpr float kBoostShownSeconds = 1.f;

// How each hero type stands in its slot. Frames lie in rows: idle, attack, death.
struct AllyLook {
    int w, h;
    std::uint32_t idleFrames;
    std::int32_t idleFpsSign; // +1: slot + 8 frames per second, -1: 8 - slot
    std::uint32_t attackFrames, attackFps, deathFrames, deathFps;
    sf::Vector2f body;        // offset from the slot position
    float markerLeft, markerDrop; // marker at (x + B.w/34 - left, y - B.h/2 + drop)
    float shadowScale;
    sf::Vector2f shadow;
};

const AllyLook kLooks[kPlayerTypeCount] = {
    {81, 96, 15, +1, 6, 7, 6, 5, {10.f, 0.f}, 10.f, 216.f, 2.5f, {-28.f, -40.f}},
    {100, 110, 18, -1, 7, 8, 4, 6, {2.f, -27.f}, 75.f, 270.f, 3.f, {-50.f, -85.f}},
    {94, 96, 15, +1, 10, 7, 4, 5, {-10.f, 0.f}, 70.f, 216.f, 3.f, {-70.f, -88.f}},
    {81, 96, 15, +1, 7, 7, 5, 5, {-10.f, 0.f}, 42.f, 216.f, 3.f, {-70.f, -88.f}},
    {76, 68, 15, +1, 14, 7, 6, 5, {-10.f, 55.f}, 27.f, 200.f, 3.f, {-70.f, -88.f}},
    {100, 110, 15, +1, 7, 7, 4, 5, {-15.f, -30.f}, 72.f, 266.f, 3.f, {-70.f, -88.f}},
};

const AllyLook& lookOf(std::int32_t heroType) {
    return kLooks[heroType >= 0 && heroType < kPlayerTypeCount ? heroType : 0];
}

Ally& allyAt(AllyList& list, std::int32_t slot) { return list.allies[static_cast<std::size_t>(slot)]; }

sf::Vector2f at(sf::Vector2i p, float dx, float dy) { return {static_cast<float>(p.x) + dx, static_cast<float>(p.y) + dy}; }

void clearAllySlot(Ally& ally) {
    clearFighter(ally.fighter);
    ally.heroType = 0;
    emptyHand(ally.hand);
    ally.actionPointCounter.count = 0;
    ally.attackBoostEffect.count = 0;
    ally.defenseBoostEffect.count = 0;
    ally.defenseBoost = 0;
    ally.attackBoost = 0;
    ally.attackFxTimer = 0.f;
    ally.defenseFxTimer = 0.f;
    ally.hovered = 0;
    ally.hasStruck = 0;
    ally.defenseFx = 0;
    ally.attackFx = 0;
    ally.selected = 0;
    ally.targeted = 0;
}

void tickBoost(std::int32_t& shown, float& timer, float dt) {
    if (!shown) return;
    timer += dt;
    if (timer > kBoostShownSeconds) {
        timer = 0.f;
        shown = 0;
    }
}

} // namespace

void initAllies(AllyList& list, const UnitStats* heroes, std::int32_t heroCount) {
    for (int type = 0; type < kPlayerTypeCount; ++type)
        list.typeSheets[static_cast<std::size_t>(type)] =
            cachedTexturePages(kFightAllySheetPaths[static_cast<std::size_t>(type)], static_cast<unsigned>(kLooks[type].w));
    list.markerTexture = &createTexture(kAllyMarkerPath);
    list.shadowTexture = &createTexture(kShadowPath);
    for (Ally& ally : list.allies) clearAllySlot(ally);
    list.count = 0;
    if (heroCount > kMaxFighters) heroCount = kMaxFighters;
    for (std::int32_t i = 0; i < heroCount; ++i) createAlly(list, i, heroes[i]);
}

void createAlly(AllyList& list, std::int32_t slot, UnitStats stats) {
    if (list.count >= kMaxFighters || slot < 0 || slot >= kMaxFighters) return;
    Ally& ally = allyAt(list, list.count);
    clearAllySlot(ally);
    Fighter& f = ally.fighter;
    const std::int32_t type = stats.type >= 0 && stats.type < kPlayerTypeCount ? stats.type : 0;
    const AllyLook& look = lookOf(type);
    initFighterBody(f.body, kFightAllySheetPaths[static_cast<std::size_t>(type)], static_cast<unsigned>(look.w));
    initFighterMarker(f, *list.markerTexture);
    f.shadow = createSprite(*list.shadowTexture);
    showVisiblePart(f.shadow, kShadowPath);
    ally.heroType = type;
    f.slot = slot;
    f.stats = stats;
    f.position = kAllySlotPositions[slot];
    const sf::Vector2i p = f.position;

    buildHand(ally.hand, type);

    initNumberDisplay(ally.actionPointCounter, NUMBER_ACTION_POINTS, at(p, 198.f, 202.f));
    initFighterGauges(f, {16.f, 206.f}, {198.f, 202.f});

    // Body: mirrored to face right, frames in rows idle / attack / death.
    const int w = look.w;
    const int h = look.h;
    const std::uint32_t idleFps = static_cast<std::uint32_t>(8 + look.idleFpsSign * slot);
    setBodyAnimation(f.body, ALLY_IDLE, look.idleFrames, idleFps, {0, 0, w, h}, 1);
    setBodyAnimation(f.body, ALLY_ATTACK, look.attackFrames, look.attackFps, {0, h, w, h}, 0);
    setBodyAnimation(f.body, ALLY_DEATH, look.deathFrames, look.deathFps, {0, 2 * h, w, h}, 0);
    f.body.sprite.setOrigin(static_cast<float>(w), 0.f);
    f.body.sprite.setScale(-kBodyScale, kBodyScale);
    playBodyAnimation(f.body, ALLY_IDLE);
    f.body.sprite.setPosition(at(p, look.body.x, look.body.y));
    const sf::FloatRect b = f.body.sprite.getGlobalBounds();
    f.arrowMarker.setPosition(at(p, b.width / 34.f - look.markerLeft, -b.height / 2.f + look.markerDrop));
    f.shadow.setScale(look.shadowScale, look.shadowScale);
    f.shadow.setPosition(at(p, look.shadow.x, look.shadow.y));
    initImpacts(f.hitEffect, at(p, 0.f, 0.f), IMPACT_HIT);
    initImpacts(ally.attackBoostEffect, at(p, 0.f, 0.f), IMPACT_ATTACK_BOOST);
    initImpacts(ally.defenseBoostEffect, at(p, 0.f, 0.f), IMPACT_DEFENSE_BOOST);
    placeDamageNumber(f);
    list.count += 1;
}

void updateAllies(AllyList& list, float dt) {
    const HeldCard held = heldCard(list);
    for (std::int32_t i = 0; i < list.count; ++i) {
        Ally& ally = allyAt(list, i);
        Fighter& f = ally.fighter;
        updateFighter(f, dt);
        if (!ally.targeted) ally.hovered = fighterContains(f, list.mousePosition) ? 1 : 0;
        ally.hand.payable = f.stats.actionPoints > 0 ? 1 : 0;
        if (ally.selected) layoutHand(ally.hand, dt);
        if (i == held.owner && held.kind >= kFirstSupportKind) {
            // Only the ally the held support card would go to shows as targeted.
            const std::int32_t target = allyUnder(list, list.mousePosition, false);
            for (std::int32_t k = 0; k < list.count; ++k) allyAt(list, k).targeted = k == target ? 1 : 0;
        }
        setNumberValue(ally.actionPointCounter, f.stats.actionPoints);

        tickBoost(ally.defenseFx, ally.defenseFxTimer, dt);
        tickBoost(ally.attackFx, ally.attackFxTimer, dt);

        if (f.stats.life < 1) {
            f.stats.life = 0;
            startFighterDeath(f.body, ALLY_DEATH);
        }
        if (f.armor < 1) f.armor = 0;

        updateImpacts(ally.attackBoostEffect, dt);
        updateImpacts(ally.defenseBoostEffect, dt);

        if (bodyAnimationDone(f.body, ALLY_ATTACK)) playBodyAnimation(f.body, ALLY_IDLE);
    }
    refreshCardTexts(list);
}

void refreshCardTexts(AllyList& list) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        Ally& ally = allyAt(list, i);
        refreshHandTexts(ally.hand, ally.fighter.stats, ally.attackBoost, ally.defenseBoost);
    }
}

void drawAllies(const AllyList& list, sf::RenderTarget& target) {
    // A damage card held cannot go to an ally: no ally under the mouse shows as its target.
    const HeldCard held = heldCard(list);
    const bool aimingAtEnemies = held.owner >= 0 && held.kind < kFirstSupportKind;
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Ally& ally = list.allies[static_cast<std::size_t>(i)];
        const Fighter& f = ally.fighter;
        target.draw(f.shadow);
        drawFighterBody(f.body, target);
        // A fallen ally's bar keeps no armor frame: nothing of its armor outlives it.
        drawLifeBar(f.lifeBar, target, fighterStanding(f) ? f.armor : 0);
        drawFighterLife(f, target);
        if (ally.selected) drawNumberDisplay(ally.actionPointCounter, target);
        drawFighterHit(f, target);
        if (ally.attackFx) drawImpacts(ally.attackBoostEffect, target);
        if (ally.defenseFx) drawImpacts(ally.defenseBoostEffect, target);
        if (ally.selected || (ally.hovered && !aimingAtEnemies)) target.draw(f.arrowMarker);
        if (ally.targeted) target.draw(f.arrowMarker);
    }
}

void drawAllyHands(const AllyList& list, sf::RenderTarget& target) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Ally& ally = list.allies[static_cast<std::size_t>(i)];
        if (ally.selected) drawHand(ally.hand, target);
    }
}

void mouseMovedAllies(AllyList& list, const sf::Event::MouseMoveEvent& move) {
    list.mousePosition = {static_cast<float>(move.x), static_cast<float>(move.y)};
    for (Ally& ally : list.allies) storeHandMousePosition(ally.hand, list.mousePosition);
}

void mousePressedAllies(AllyList& list) {
    for (std::int32_t a = 0; a < list.count; ++a) {
        Ally& ally = allyAt(list, a);
        if (ally.fighter.stats.life == 0) continue; // a fallen ally is past choosing
        if (ally.hovered && !ally.targeted) selectOnlyAlly(list, a);
        if (ally.fighter.stats.actionPoints != 0) selectCard(ally.hand);
    }
}

void selectOnlyAlly(AllyList& list, std::int32_t slot) {
    if (slot < 0 || slot >= list.count) return;
    for (std::int32_t k = 0; k < list.count; ++k) {
        Ally& other = allyAt(list, k);
        if (other.selected)
            for (Card& card : other.hand.cards) card.selected = 0;
        other.selected = 0;
    }
    if (!allyAt(list, slot).selected) playSound(Sound::HeroSelected);
    allyAt(list, slot).selected = 1;
}

void startAllyAttack(AllyList& list, std::int32_t slot) {
    if (slot < 0 || slot >= list.count) return;
    swingFighter(allyAt(list, slot).fighter, ALLY_ATTACK);
}

void destroyAllies(AllyList& list) {
    for (Ally& ally : list.allies) clearAllySlot(ally);
    list.count = 0;
}

bool damageAlly(AllyList& list, std::int32_t slot, std::int32_t attack) {
    if (slot < 0 || slot >= kMaxFighters) return false;
    Fighter& target = allyAt(list, slot).fighter;
    const EnemyBlow blow = enemyBlow(attack, target.armor, target.stats.life);
    target.armor = blow.armor;
    target.stats.life = blow.life;
    if (slot >= list.count || !blow.lands) return false;
    target.lastDamage = blow.overflow;
    markFighterHit(target);
    return true;
}

void clearAllyHits(AllyList& list) {
    for (std::int32_t i = 0; i < list.count; ++i) clearFighterHit(allyAt(list, i).fighter);
}

std::int32_t allyUnder(const AllyList& list, sf::Vector2f point, bool livingOnly) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Fighter& f = list.allies[static_cast<std::size_t>(i)].fighter;
        if (livingOnly && !fighterStanding(f)) continue;
        if (fighterContains(f, point)) return i;
    }
    return -1;
}

HeldCard heldCard(const AllyList& list) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        const CardHand& hand = list.allies[static_cast<std::size_t>(i)].hand;
        const std::int32_t slot = selectedCardSlot(hand);
        if (slot >= 0) return {i, slot, hand.cards[static_cast<std::size_t>(slot)].kind};
    }
    return {};
}

bool dropHeldCard(AllyList& list) {
    bool dropped = false;
    for (std::int32_t i = 0; i < list.count; ++i) {
        Ally& ally = allyAt(list, i);
        if (dropSelectedCard(ally.hand)) dropped = true;
        ally.targeted = 0;
    }
    return dropped;
}
