#include "fight/fight_enemy_list.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"
#include "fight/ally_list.hpp"
#include "fight/fight_paths.hpp"
#include "fight/visible_part.hpp"

#include <cstdio>

namespace {

const sf::Vector2f kMarkerOrigin{0.f, 20.f};
constexpr float kTankBarShift = 550.f; // the Tank's bar and numbers stand right of its huge body

// Frames per second: base + perSlot * slot.
struct Speed {
    std::int32_t base;
    std::int32_t perSlot;
};

struct EnemyLook {
    sf::IntRect idle;
    std::uint32_t idleFrames;
    Speed idleSpeed;
    sf::IntRect attack;
    std::uint32_t attackFrames;
    Speed attackSpeed;
    sf::IntRect death;
    std::uint32_t deathFrames;
    Speed deathSpeed;
    float scale;
    sf::Vector2f body; // offset from the place
    // Marker at (x + widthShare * W / 24 + markerX, y + heightShare * H + markerY), W x H the sheet.
    float widthShare, markerX, heightShare, markerY;
    sf::Vector2f shadowOrigin;
    float shadowScale;
    sf::Vector2f shadow;
    sf::Vector2f attackIcon;
    sf::Vector2f shieldIcon;
};

const EnemyLook kLooks[kEnemyTypeCount] = {
    // Light
    {{0, 0, 81, 96}, 16, {8, 1}, {0, 96, 81, 91}, 7, {8, 1}, {0, 192, 81, 91}, 5, {8, 1}, 2.f, {0.f, 0.f},
     1.f, 18.f, -1.f, 80.f, {0.f, 96.f}, 2.f, {18.f, 5.f}, {20.f, -220.f}, {25.f, -200.f}},
    // Heavy
    {{0, 0, 76, 68}, 16, {8, 1}, {0, 68, 76, 68}, 14, {8, 1}, {0, 136, 76, 68}, 6, {4, 1}, 2.f, {0.f, 0.f},
     1.f, 14.f, -1.f, 80.f, {0.f, 96.f}, 2.5f, {-16.f, 6.f}, {10.f, -180.f}, {10.f, -180.f}},
    // Shield
    {{0, 0, 100, 110}, 18, {8, 1}, {0, 110, 100, 110}, 7, {8, 1}, {0, 220, 100, 110}, 4, {8, 1}, 2.f, {-50.f, 0.f},
     1.f, 0.f, -0.5f, -30.f, {0.f, 110.f}, 3.f, {-45.f, 50.f}, {10.f, -200.f}, {25.f, -200.f}},
    // Tank: no shadow under its treads
    {{0, 0, 364, 206}, 5, {8, 1}, {0, 206, 364, 206}, 7, {8, 1}, {0, 412, 364, 206}, 28, {8, 0}, 2.5f, {0.f, 0.f},
     0.f, 564.f, 0.f, -450.f, {0.f, 0.f}, 0.f, {0.f, 0.f}, {400.f, -450.f}, {400.f, -450.f}},
    // Boss
    {{0, 0, 100, 118}, 15, {8, 1}, {0, 118, 100, 118}, 16, {8, 0}, {0, 236, 100, 118}, 6, {8, 0}, 2.5f,
     {-100.f, -5.f}, 0.f, 62.f, 0.f, -264.f, {0.f, 118.f}, 3.f, {-35.f, 72.f}, {10.f, -270.f}, {10.f, -270.f}},
};

const EnemyLook& lookOf(std::int32_t type) { return kLooks[type >= 0 && type < kEnemyTypeCount ? type : 0]; }

std::uint32_t speedAt(Speed speed, std::int32_t slot) {
    return static_cast<std::uint32_t>(speed.base + speed.perSlot * slot);
}

FightEnemy& enemyAt(FightEnemyList& list, std::int32_t index) { return list.enemies[static_cast<std::size_t>(index)]; }

sf::Vector2f at(sf::Vector2i p, float dx, float dy) { return {static_cast<float>(p.x) + dx, static_cast<float>(p.y) + dy}; }

void clearEnemySlot(FightEnemy& enemy) {
    clearFighter(enemy.fighter);
    enemy.attackIcon = sf::Sprite();
    enemy.shieldIcon = sf::Sprite();
    enemy.acted = 0;
    enemy.intentAttack = 0;
    enemy.intentShield = 0;
    enemy.enemyType = 0;
    enemy.intentTarget = -1;
    enemy.intentAmount = 0;
}

} // namespace

bool isBigEnemy(std::int32_t type) { return type == ENEMY_TANK || type == ENEMY_BOSS; }

void chooseEnemySlots(const std::int32_t* types, std::int32_t count, std::int32_t* slots) {
    std::int32_t big = -1;
    for (std::int32_t i = 0; i < count; ++i)
        if (big < 0 && isBigEnemy(types[i])) big = i;
    if (big < 0) {
        for (std::int32_t i = 0; i < count; ++i) slots[i] = i;
        return;
    }
    // The big one holds the middle; the others fill the outer places in order, which keeps
    // Light, Light, Boss at (1520, 900), (1520, 570) and (1200, 700).
    const std::int32_t outer[2] = {0, 2};
    std::int32_t next = 0;
    for (std::int32_t i = 0; i < count; ++i) slots[i] = i == big ? kBigEnemySlot : outer[next++ % 2];
}

void initFightEnemies(FightEnemyList& list, const UnitStats* enemyRecords, std::int32_t enemyCount) {
    for (int type = 0; type < kEnemyTypeCount; ++type)
        list.typeSheets[static_cast<std::size_t>(type)] = cachedTexturePages(
            kFightEnemySheetPaths[static_cast<std::size_t>(type)], static_cast<unsigned>(kLooks[type].idle.width));
    list.markerTexture = &createTexture(kEnemyMarkerPath);
    list.shadowTexture = &createTexture(kShadowPath);
    list.attackIconTexture = &createTexture(kAttackIconPath);
    list.shieldIconTexture = &createTexture(kShieldIconPath);
    for (FightEnemy& enemy : list.enemies) clearEnemySlot(enemy);
    list.count = 0;
    if (enemyCount > kMaxFighters) enemyCount = kMaxFighters;
    if (enemyCount < 0) enemyCount = 0;
    std::int32_t types[kMaxFighters] = {};
    std::int32_t slots[kMaxFighters] = {};
    for (std::int32_t i = 0; i < enemyCount; ++i) types[i] = enemyRecords[i].type;
    chooseEnemySlots(types, enemyCount, slots);
    for (std::int32_t i = 0; i < enemyCount; ++i) createFightEnemy(list, i, enemyRecords[i], slots[i]);
}

void createFightEnemy(FightEnemyList& list, std::int32_t index, UnitStats stats, std::int32_t slot) {
    // Enemies are appended in index order.
    if (index != list.count || index >= kMaxFighters || slot < 0 || slot >= kMaxFighters) return;
    FightEnemy& enemy = enemyAt(list, index);
    clearEnemySlot(enemy);
    Fighter& f = enemy.fighter;
    const std::int32_t type = stats.type >= 0 && stats.type < kEnemyTypeCount ? stats.type : ENEMY_LIGHT;
    const EnemyLook& look = lookOf(type);
    std::printf("%d\n", static_cast<int>(type));

    initFighterBody(f.body, kFightEnemySheetPaths[static_cast<std::size_t>(type)], static_cast<unsigned>(look.idle.width));
    enemy.enemyType = type;
    f.slot = slot;
    f.position = slot == kBigEnemySlot && type == ENEMY_TANK   ? kTankPosition
                 : slot == kBigEnemySlot && type == ENEMY_BOSS ? kBossPosition
                                                               : kEnemySlotPositions[slot];
    f.stats = stats;
    f.stats.type = type;
    f.shadow = createSprite(*list.shadowTexture);
    initFighterMarker(f, *list.markerTexture);
    f.arrowMarker.setOrigin(kMarkerOrigin);
    enemy.attackIcon = createSprite(*list.attackIconTexture);
    enemy.shieldIcon = createSprite(*list.shieldIconTexture);

    const sf::Vector2i p = f.position;
    const float barX = type == ENEMY_TANK ? kTankBarShift : 0.f;
    initFighterGauges(f, {barX, 10.f}, {205.f, 5.f});

    const sf::Vector2u sheet = f.body.sheet.sheetSize; // measured before any scale or area
    f.body.sprite.setScale(look.scale, look.scale);
    f.body.sprite.setOrigin(0.f, static_cast<float>(look.idle.height));
    f.body.sprite.setPosition(at(p, look.body.x, look.body.y));
    f.arrowMarker.setPosition(at(p, look.widthShare * static_cast<float>(sheet.x) / 24.f + look.markerX,
                                 look.heightShare * static_cast<float>(sheet.y) + look.markerY));
    f.shadow.setOrigin(look.shadowOrigin);
    showVisiblePart(f.shadow, kShadowPath);
    f.shadow.setScale(look.shadowScale, look.shadowScale);
    f.shadow.setPosition(at(p, look.shadow.x, look.shadow.y));
    enemy.attackIcon.setPosition(at(p, look.attackIcon.x, look.attackIcon.y));
    enemy.shieldIcon.setPosition(at(p, look.shieldIcon.x, look.shieldIcon.y));

    setBodyAnimation(f.body, ENEMY_IDLE, look.idleFrames, speedAt(look.idleSpeed, slot), look.idle, 1);
    setBodyAnimation(f.body, ENEMY_ATTACK, look.attackFrames, speedAt(look.attackSpeed, slot), look.attack, 0);
    setBodyAnimation(f.body, ENEMY_DEATH, look.deathFrames, speedAt(look.deathSpeed, slot), look.death, 0);
    playBodyAnimation(f.body, ENEMY_IDLE);
    initImpacts(f.hitEffect, at(p, 0.f, -static_cast<float>(look.idle.height)), IMPACT_HIT);
    placeDamageNumber(f);
    list.count += 1;
}

void updateFightEnemies(FightEnemyList& list, float dt, const AllyList& allies, TurnButton& turnButton) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        Fighter& f = enemyAt(list, i).fighter;
        if (bodyAnimationDone(f.body, ENEMY_ATTACK)) playBodyAnimation(f.body, ENEMY_IDLE);
        updateFighter(f, dt);
        if (f.stats.life < 1) killFightEnemy(list, i);
    }
    // All three slots of a side count, filled or not: an unused slot holds life 0.
    bool enemiesGone = true;
    bool alliesGone = true;
    for (std::size_t s = 0; s < kMaxFighters; ++s) {
        if (fighterStanding(list.enemies[s].fighter)) enemiesGone = false;
        if (fighterStanding(allies.allies[s].fighter)) alliesGone = false;
    }
    if ((enemiesGone || alliesGone) && !turnButton.fightOver) playSound(alliesGone ? Sound::BattleLost : Sound::BattleWon);
    if (enemiesGone || alliesGone) turnButton.fightOver = 1;
}

void drawFightEnemies(sf::RenderTarget& target, const FightEnemyList& list, const AllyList& allies) {
    const HeldCard held = heldCard(allies);
    const bool aiming = held.owner >= 0 && held.kind < kFirstSupportKind;
    for (std::int32_t i = 0; i < list.count; ++i) {
        const FightEnemy& enemy = list.enemies[static_cast<std::size_t>(i)];
        const Fighter& f = enemy.fighter;
        const bool standing = fighterStanding(f);
        target.draw(f.shadow);
        if (standing) drawLifeBar(f.lifeBar, target, f.armor);
        if (aiming && standing && fighterContains(f, allies.mousePosition)) target.draw(f.arrowMarker);
        drawFighterHit(f, target);
        if (enemy.intentAttack) target.draw(enemy.attackIcon);
        if (enemy.intentShield) target.draw(enemy.shieldIcon);
        drawFighterLife(f, target);
        drawFighterBody(f.body, target);
    }
}

void startEnemyAttack(FightEnemyList& list, std::int32_t index) {
    if (index < 0 || index >= list.count) return;
    swingFighter(enemyAt(list, index).fighter, ENEMY_ATTACK);
}

void killFightEnemy(FightEnemyList& list, std::int32_t index) {
    if (index < 0 || index >= kMaxFighters) return;
    FightEnemy& enemy = enemyAt(list, index);
    if (enemy.fighter.stats.life >= 1) return;
    enemy.intentAttack = 0;
    enemy.intentShield = 0;
    enemy.intentTarget = -1;
    enemy.fighter.stats.life = 0;
    if (index < list.count) startFighterDeath(enemy.fighter.body, ENEMY_DEATH);
}

void destroyFightEnemies(FightEnemyList& list) {
    for (FightEnemy& enemy : list.enemies) clearEnemySlot(enemy);
    list.count = 0;
}

void clearEnemyHits(FightEnemyList& list) {
    for (std::int32_t i = 0; i < list.count; ++i) clearFighterHit(enemyAt(list, i).fighter);
}

std::int32_t enemyUnder(const FightEnemyList& list, sf::Vector2f point) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Fighter& f = list.enemies[static_cast<std::size_t>(i)].fighter;
        if (fighterStanding(f) && fighterContains(f, point)) return i;
    }
    return -1;
}
