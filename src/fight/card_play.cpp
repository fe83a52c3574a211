#include "fight/card_play.hpp"

#include "core/sound.hpp"

namespace {

// Armor takes the blow first; what it cannot hold (a negative overflow) reaches life,
// divided by `lifeDivisor` (halved for the armor-breaking kind).
void strikeThroughArmor(Fighter& enemy, std::int32_t amount, std::int32_t lifeDivisor) {
    const std::int32_t overflow = enemy.armor - amount;
    enemy.armor -= amount;
    if (overflow < 0) enemy.stats.life += overflow / lifeDivisor;
    enemy.lastDamage = overflow / lifeDivisor;
}

void applyDamageCard(std::int32_t kind, const Ally& owner, FightEnemyList& enemies, Fighter& target) {
    const std::int32_t amount = cardValue(kind, owner.fighter.stats, owner.attackBoost, owner.defenseBoost);
    switch (kind) {
    case CARD_DAMAGE_ONE:
        strikeThroughArmor(target, amount, 1);
        break;
    case CARD_DAMAGE_ALL:
        // Every enemy of the fight, the fallen too; only the standing turn red.
        for (std::int32_t k = 0; k < enemies.count; ++k) {
            Fighter& other = enemies.enemies[static_cast<std::size_t>(k)].fighter;
            strikeThroughArmor(other, amount, 1);
            if (fighterStanding(other)) markFighterHit(other);
            else other.hit = 1;
        }
        return;
    case CARD_ARMOR_BREAK:
        strikeThroughArmor(target, amount, 2);
        break;
    case CARD_PIERCE:
        target.stats.life -= amount;
        target.lastDamage = amount;
        break;
    default:
        return;
    }
    markFighterHit(target);
}

void applySupportCard(std::int32_t kind, const Ally& owner, AllyList& allies, Ally& target) {
    const UnitStats& gifts = owner.fighter.stats;
    playSound(kind == CARD_ARMOR_ONE || kind == CARD_ARMOR_ALL ? Sound::ArmorGained : Sound::Boost);
    switch (kind) {
    case CARD_ARMOR_ONE:
        target.fighter.armor += gifts.armorGift + owner.defenseBoost;
        break;
    case CARD_ARMOR_ALL: {
        const std::int32_t gift = gifts.armorGiftAll + owner.defenseBoost;
        for (std::int32_t k = 0; k < allies.count; ++k) allies.allies[static_cast<std::size_t>(k)].fighter.armor += gift;
        break;
    }
    case CARD_ATTACK_ONE:
        target.attackBoost += gifts.attackGift;
        target.attackFx = 1;
        break;
    case CARD_ATTACK_ALL: {
        const std::int32_t gift = gifts.attackGift;
        for (std::int32_t k = 0; k < allies.count; ++k) {
            allies.allies[static_cast<std::size_t>(k)].attackBoost += gift;
            allies.allies[static_cast<std::size_t>(k)].attackFx = 1;
        }
        break;
    }
    case CARD_DEFENSE_ONE:
        target.defenseBoost += gifts.defenseGift;
        target.defenseFx = 1;
        break;
    case CARD_DEFENSE_ALL: {
        const std::int32_t gift = gifts.defenseGift;
        for (std::int32_t k = 0; k < allies.count; ++k) {
            allies.allies[static_cast<std::size_t>(k)].defenseBoost += gift;
            allies.allies[static_cast<std::size_t>(k)].defenseFx = 1;
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

void playCard(AllyList& allies, FightEnemyList& enemies, HeldCard held, CardTarget target) {
    if (held.owner < 0 || held.owner >= allies.count) return;
    Ally& owner = allies.allies[static_cast<std::size_t>(held.owner)];
    if (held.kind >= kFirstSupportKind) {
        if (target.ally < 0 || target.ally >= allies.count) return;
        Ally& receiver = allies.allies[static_cast<std::size_t>(target.ally)];
        applySupportCard(held.kind, owner, allies, receiver);
        receiver.targeted = 0;
    } else {
        if (target.enemy < 0 || target.enemy >= enemies.count) return;
        startAllyAttack(allies, held.owner);
        applyDamageCard(held.kind, owner, enemies, enemies.enemies[static_cast<std::size_t>(target.enemy)].fighter);
        owner.hasStruck = 1;
        // The target falls at once; others a card for all brings down fall in the next update.
        killFightEnemy(enemies, target.enemy);
    }
    spendCard(owner.hand, held.slot);
    owner.fighter.stats.actionPoints -= 1;
    playSound(Sound::CardPlayed);
}

CardTarget heldCardTarget(const AllyList& allies, const FightEnemyList& enemies, HeldCard held, sf::Vector2f point) {
    CardTarget target;
    if (held.owner < 0) return target;
    if (held.kind >= kFirstSupportKind) target.ally = allyUnder(allies, point, false);
    else target.enemy = enemyUnder(enemies, point);
    return target;
}

void aimHeldCard(AllyList& allies, const FightEnemyList& enemies) {
    const HeldCard held = heldCard(allies);
    if (held.owner < 0) return;
    const CardTarget target = heldCardTarget(allies, enemies, held, allies.mousePosition);
    Card& card = allies.allies[static_cast<std::size_t>(held.owner)].hand.cards[static_cast<std::size_t>(held.slot)];
    setCardArrowAim(card.arrow, target.ally >= 0 || target.enemy >= 0);
}
