#include "fight/card_play.hpp"

namespace {

const sf::Color kHitTint{255, 0, 0, 255};

// Armor takes the blow first; what it cannot hold (a negative overflow) reaches life,
// divided by `lifeDivisor` (halved for the armor-breaking kind).
void strikeThroughArmor(FightEnemy& enemy, std::int32_t amount, std::int32_t lifeDivisor) {
    const std::int32_t overflow = enemy.armor - amount;
    enemy.armor -= amount;
    if (overflow < 0) enemy.stats.life += overflow / lifeDivisor;
    enemy.lastDamage = overflow / lifeDivisor;
}

void applyDamageCard(const Card& card, const Ally& owner, FightEnemyList& enemies, FightEnemy& target) {
    const std::int32_t amount = cardValue(card.kind, owner.stats, owner.attackBoost, owner.defenseBoost);
    switch (card.kind) {
    case CARD_DAMAGE_ONE:
        strikeThroughArmor(target, amount, 1);
        break;
    case CARD_DAMAGE_ALL:
        // Every enemy of the fight, the fallen too; only the standing turn red.
        for (std::int32_t k = 0; k < enemies.count; ++k) {
            FightEnemy& other = enemies.enemies[static_cast<std::size_t>(k)];
            strikeThroughArmor(other, amount, 1);
            other.hit = 1;
            if (other.stats.life > 0) tintFighterBody(other.body, kHitTint);
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
    target.hit = 1;
    tintFighterBody(target.body, kHitTint);
}

void applySupportCard(std::int32_t kind, const Ally& owner, AllyList& allies, Ally& target) {
    switch (kind) {
    case CARD_ARMOR_ONE:
        target.armor += owner.stats.armorGift + owner.defenseBoost;
        break;
    case CARD_ARMOR_ALL: {
        const std::int32_t gift = owner.stats.armorGiftAll + owner.defenseBoost;
        for (std::int32_t k = 0; k < allies.count; ++k) allies.allies[static_cast<std::size_t>(k)].armor += gift;
        break;
    }
    case CARD_ATTACK_ONE:
        target.attackBoost += owner.stats.attackGift;
        target.attackFx = 1;
        break;
    case CARD_ATTACK_ALL: {
        const std::int32_t gift = owner.stats.attackGift;
        for (std::int32_t k = 0; k < allies.count; ++k) {
            allies.allies[static_cast<std::size_t>(k)].attackBoost += gift;
            allies.allies[static_cast<std::size_t>(k)].attackFx = 1;
        }
        break;
    }
    case CARD_DEFENSE_ONE:
        target.defenseBoost += owner.stats.defenseGift;
        target.defenseFx = 1;
        break;
    case CARD_DEFENSE_ALL: {
        const std::int32_t gift = owner.stats.defenseGift;
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

void payForCard(Ally& owner, std::int32_t slot) {
    spendCard(owner.hand, slot);
    owner.stats.actionPoints -= 1;
}

} // namespace

void playCardOnAlly(AllyList& allies, std::int32_t ownerSlot) {
    if (ownerSlot < 0 || ownerSlot >= allies.count) return;
    Ally& owner = allies.allies[static_cast<std::size_t>(ownerSlot)];
    const std::int32_t slot = selectedCardSlot(owner.hand);
    if (slot < 0) return;
    const std::int32_t kind = owner.hand.cards[static_cast<std::size_t>(slot)].kind;
    if (kind < kFirstSupportKind) return;
    // Living or fallen, the first body under the mouse takes the card.
    const std::int32_t t = allyUnder(allies, allies.mousePosition, false);
    if (t < 0) return;
    Ally& target = allies.allies[static_cast<std::size_t>(t)];
    applySupportCard(kind, owner, allies, target);
    payForCard(owner, slot);
    target.targeted = 0;
}

void playCardOnEnemy(AllyList& allies, FightEnemyList& enemies) {
    for (std::int32_t e = 0; e < enemies.count; ++e) {
        FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(e)];
        if (enemy.stats.life <= 0) continue;
        if (!enemy.body.sprite.getGlobalBounds().contains(allies.mousePosition)) continue;
        for (std::int32_t a = 0; a < allies.count; ++a) {
            Ally& owner = allies.allies[static_cast<std::size_t>(a)];
            const std::int32_t slot = selectedCardSlot(owner.hand);
            if (slot < 0) continue;
            const Card& card = owner.hand.cards[static_cast<std::size_t>(slot)];
            if (card.kind >= kFirstSupportKind) continue;
            startAllyAttack(allies, a);
            applyDamageCard(card, owner, enemies, enemy);
            owner.hasStruck = 1;
            payForCard(owner, slot);
        }
        if (enemy.stats.life < 1) killFightEnemy(enemies, e);
    }
}
