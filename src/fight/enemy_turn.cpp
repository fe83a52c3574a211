#include "fight/enemy_turn.hpp"

#include "core/random.hpp"
#include "core/sound.hpp"
#include "fight/enemy_blow.hpp"

#include <cstdio>

namespace {

constexpr float kTintSeconds = 1.f;

void carryOutIntent(AllyList& allies, FightEnemyList& enemies, std::int32_t index, std::int32_t engagedAllyCount) {
    FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(index)];
    Fighter& f = enemy.fighter;
    if (f.armor < 1) f.armor = 0;
    if (enemy.acted) return;
    // The target was drawn with the attack it announced; an attack set without one draws it
    // now. With no ally engaged there is nobody to draw.
    std::int32_t target = enemy.intentTarget;
    if (enemy.intentAttack && target < 0 && engagedAllyCount > 0) target = randomInt() % engagedAllyCount;
    enemy.intentTarget = -1;
    std::printf("Nombre allié : %d\n", static_cast<int>(engagedAllyCount));
    if (enemy.intentAttack) {
        // An attack drawn against a fallen ally is lost, but the swing still plays.
        if (damageAlly(allies, target, f.stats.attack)) enemy.acted = 1;
        enemy.intentAttack = 0;
        startEnemyAttack(enemies, index);
    }
    if (enemy.intentShield) {
        f.armor += f.stats.armorGift;
        playSound(Sound::ArmorGained);
        enemy.acted = 1;
        enemy.intentShield = 0;
    }
}

// Each struck enemy stays red for one second after an ally's card, shortened by every
// further card that ally played this turn.
void fadeEnemyTint(AllyList& allies, FightEnemyList& enemies, float dt) {
    for (std::int32_t a = 0; a < allies.count; ++a) {
        Ally& ally = allies.allies[static_cast<std::size_t>(a)];
        std::int32_t played = 0;
        for (std::int32_t c = 0; c < ally.hand.count; ++c)
            if (ally.hand.cards[static_cast<std::size_t>(c)].used) played += 1;
        // A hand rebuilt at the end of the turn holds no played card any more: the tint of
        // the last strike still fades.
        if (played == 0 && ally.hasStruck) played = 1;
        for (std::int32_t c = 0; c < played && ally.hasStruck; ++c) {
            ally.fighter.tintTimer -= dt;
            if (ally.fighter.tintTimer < 0.f) {
                clearEnemyHits(enemies);
                ally.fighter.tintTimer = kTintSeconds;
                ally.hasStruck = 0;
            }
        }
    }
}

// Every fighter of one side has fallen (slots past the count hold no life).
template <class Members> bool allFallen(const Members& members) {
    for (const auto& member : members)
        if (fighterStanding(member.fighter)) return false;
    return true;
}

} // namespace

void updateEnemyTurn(AllyList& allies, FightEnemyList& enemies, TurnButton& turnButton, TurnBanner& turnBanner,
                     float dt, std::int32_t engagedAllyCount, EnemySpeed speed) {
    // Intent choice, during the allies' turn: a draw for every living enemy every frame; one
    // that has no intent takes the one drawn. An attack draws its target at once, so that
    // the intent can show what it will do.
    for (std::int32_t i = 0; i < enemies.count && turnButton.isAllyTurn; ++i) {
        FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
        if (!fighterStanding(enemy.fighter)) continue;
        const int r = randomInt() % 2;
        if (!enemy.intentAttack && !enemy.intentShield) {
            if (r == 0) {
                enemy.intentAttack = 1;
                enemy.intentTarget = engagedAllyCount > 0 ? randomInt() % engagedAllyCount : -1;
            } else {
                enemy.intentShield = 1;
            }
        }
    }

    if (!turnButton.isAllyTurn) {
        turnButton.enemyTurnTimer -= dt * enemyTimeScale(speed);
        for (std::int32_t i = 0; i < enemies.count; ++i)
            if (fighterStanding(enemies.enemies[static_cast<std::size_t>(i)].fighter))
                carryOutIntent(allies, enemies, i, engagedAllyCount);
        turnButton.enemiesActed = 1;
        for (std::int32_t i = 0; i < enemies.count; ++i) {
            FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
            if (!fighterStanding(enemy.fighter)) continue;
            enemy.intentAttack = 0;
            enemy.intentShield = 0;
            enemy.intentTarget = -1;
            enemy.acted = 1;
            enemy.fighter.tintTimer -= dt;
            if (enemy.fighter.tintTimer <= 0.f) {
                clearAllyHits(allies);
                enemy.fighter.tintTimer = kTintSeconds;
            }
        }
        // Instant ends the turn in the frame the enemies act, unless that decided the fight:
        // then the fight ends as it would have during the wait.
        const bool instant = speed == EnemySpeed::Instant && !allFallen(allies.allies) && !allFallen(enemies.enemies);
        if (turnButton.enemyTurnTimer <= 0.f || instant) finishEnemyTurn(allies, enemies, turnButton, turnBanner);
    }

    fadeEnemyTint(allies, enemies, dt);
}

void finishEnemyTurn(AllyList& allies, FightEnemyList& enemies, TurnButton& turnButton, TurnBanner& turnBanner) {
    beginAlliesTurn(turnButton, turnBanner);
    for (FightEnemy& enemy : enemies.enemies) {
        enemy.acted = 0;
        enemy.fighter.tintTimer = kTintSeconds;
    }
    // Allies struck in this turn stop glowing red as the turn ends, however short it was.
    clearAllyHits(allies);
}

void previewEnemyIntents(const AllyList& allies, FightEnemyList& enemies) {
    // The enemies' turn played on copies, in the order it acts: two blows on one ally meet
    // the armor and life the first one leaves, as they will.
    std::int32_t armor[kMaxFighters] = {};
    std::int32_t life[kMaxFighters] = {};
    for (std::size_t s = 0; s < kMaxFighters; ++s) {
        armor[s] = allies.allies[s].fighter.armor;
        life[s] = allies.allies[s].fighter.stats.life;
    }
    for (std::int32_t i = 0; i < enemies.count; ++i) {
        FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
        enemy.intentAmount = 0;
        if (!fighterStanding(enemy.fighter) || enemy.acted) continue;
        if (enemy.intentAttack) {
            const std::int32_t t = enemy.intentTarget;
            if (t < 0 || t >= kMaxFighters) continue;
            const std::size_t s = static_cast<std::size_t>(t);
            const EnemyBlow blow = enemyBlow(enemy.fighter.stats.attack, armor[s], life[s]);
            enemy.intentAmount = lifeTaken(blow, life[s]);
            armor[s] = blow.armor;
            life[s] = blow.life;
        } else if (enemy.intentShield) {
            enemy.intentAmount = enemy.fighter.stats.armorGift;
        }
    }
}
