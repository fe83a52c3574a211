// The two sides of a fight: where they stand, how enemies choose and carry out their
// intents, and what their blows do to the allies.
#include "core/random.hpp"
#include "fight/enemy_turn.hpp"
#include "fight/fight_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>
#include <utility>

using namespace fighttest;

namespace {

void startEnemiesTurn(FightScene& scene) {
    clickAt(scene, endTurnButton(scene));
    moveMouse(scene, {960.f, 100.f});
}

// The number an enemy's intent shows on the screen, or -1 when it shows none.
int shownIntent(const FightScene& scene, int slot) {
    const StatusLabel& label = scene.status.intents[static_cast<std::size_t>(slot)];
    if (!label.shown) return -1;
    std::string text = label.text.getString().toAnsiString();
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    return std::stoi(text);
}

struct Announced {
    int number = -1;
    int attack = 0;
    int target = -1;
};

// Reads every intent as shown, lets the enemies act, and checks each number against what
// happened: the life each ally lost is the sum of the attacks shown against it, the armor
// each shielding enemy gained is its number. Returns how many intents it checked.
int checkOneEnemiesTurn(FightScene& scene) {
    std::vector<Announced> shown(3);
    int lifeBefore[3] = {};
    int armorBefore[3] = {};
    for (int i = 0; i < 3; ++i) {
        const FightEnemy& e = enemy(scene, i);
        shown[static_cast<std::size_t>(i)] = {shownIntent(scene, i), e.intentAttack, e.intentTarget};
        lifeBefore[i] = ally(scene, i).fighter.stats.life;
        armorBefore[i] = std::max(0, e.fighter.armor);
    }
    testing::internal::CaptureStdout();
    mousePressedFightScene(&scene); // the mouse rests on the end-turn button
    step(scene, 2);
    testing::internal::GetCapturedStdout();
    int lost[3] = {};
    int checked = 0;
    for (int i = 0; i < 3; ++i) {
        const Announced& a = shown[static_cast<std::size_t>(i)];
        if (i >= scene.enemies.count || enemy(scene, i).fighter.stats.life <= 0) continue;
        EXPECT_GE(a.number, 0) << "a standing enemy shows its intent";
        if (a.number < 0) continue;
        ++checked;
        if (a.attack) {
            EXPECT_TRUE(a.target >= 0 && a.target < 3) << "an announced attack has its target";
            if (a.target >= 0 && a.target < 3) lost[a.target] += a.number;
        }
        else EXPECT_EQ(enemy(scene, i).fighter.armor - armorBefore[i], a.number) << "enemy " << i;
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(lifeBefore[k] - ally(scene, k).fighter.stats.life, lost[k]) << "ally " << k;
    return checked;
}

} // namespace

TEST(FightEnemies, EveryIntentShowsTheNumberItsTurnThenDealsOrRaises) {
    seedRandom(31);
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1), hero(PLAYER_SHIELD, 2)},
                           {foe(ENEMY_LIGHT, 4), foe(ENEMY_HEAVY, 5), foe(ENEMY_SHIELD, 6)});
    for (int i = 0; i < 3; ++i) enemy(*scene, i).fighter.stats.attack = 15 + 5 * i;
    stepQuietly(*scene, 1);
    // Two blows on one ally with 10 armor: the first meets the armor, the second what is left.
    for (int i = 0; i < 2; ++i) {
        enemy(*scene, i).intentAttack = 1;
        enemy(*scene, i).intentShield = 0;
        enemy(*scene, i).intentTarget = 0;
    }
    ASSERT_TRUE(dealToFront(*scene, 2, CARD_ARMOR_ONE) || dealToFront(*scene, 2, CARD_ARMOR_ALL));
    const bool all = ally(*scene, 2).hand.cards[0].kind == CARD_ARMOR_ALL;
    playFrontCardOnAlly(*scene, 2, 0);
    moveMouse(*scene, endTurnButton(*scene));
    stepQuietly(*scene, 1);
    const int armor = ally(*scene, 0).fighter.armor;
    ASSERT_GT(armor, 0);
    EXPECT_EQ(shownIntent(*scene, 0), std::max(0, 15 - armor)) << (all ? "armor to all" : "armor to one");
    EXPECT_EQ(shownIntent(*scene, 1), 20 - std::max(0, armor - 15));
    int checked = checkOneEnemiesTurn(*scene);
    // Then turn after turn as drawn, the allies' armor changed by cards between them.
    int turns = 1;
    while (turns < 10 && !scene->turnButton.fightOver) {
        stepQuietly(*scene, 400);
        ASSERT_EQ(scene->turnButton.isAllyTurn, 1);
        const int slot = turns % 3;
        if (ally(*scene, slot).fighter.stats.life > 0) ally(*scene, slot).fighter.armor = 7 * turns % 25;
        moveMouse(*scene, endTurnButton(*scene));
        stepQuietly(*scene, 1);
        checked += checkOneEnemiesTurn(*scene);
        ++turns;
    }
    EXPECT_GE(checked, 15);
}

TEST(FightEnemies, BesideATankOrBossNoTwoEnemiesEverShareAPlace) {
    // Every order of one, two or three enemies of every type.
    int fights = 0;
    for (int count = 1; count <= 3; ++count) {
        const int combos = count == 1 ? 5 : count == 2 ? 25 : 125;
        for (int code = 0; code < combos; ++code) {
            std::vector<UnitStats> enemies;
            for (int k = 0, c = code; k < count; ++k, c /= 5) enemies.push_back(foe(c % 5, k));
            auto scene = openFight({hero(PLAYER_IRINA, 0)}, enemies);
            stepQuietly(*scene, 2);
            std::set<std::pair<int, int>> places;
            std::set<int> slots;
            int bigInMiddle = 0;
            for (int i = 0; i < count; ++i) {
                const FightEnemy& e = enemy(*scene, i);
                places.insert({e.fighter.position.x, e.fighter.position.y});
                slots.insert(e.fighter.slot);
                if (isBigEnemy(e.enemyType) && e.fighter.slot == 1) ++bigInMiddle;
            }
            EXPECT_EQ(static_cast<int>(places.size()), count) << "code " << code << " of " << count;
            EXPECT_EQ(static_cast<int>(slots.size()), count) << "code " << code << " of " << count;
            bool anyBig = false;
            for (const UnitStats& s : enemies) anyBig = anyBig || isBigEnemy(s.type);
            EXPECT_EQ(bigInMiddle, anyBig ? 1 : 0);
            ++fights;
        }
    }
    EXPECT_EQ(fights, 155);
}

TEST(FightEnemies, TheSettledOrdersKeepTheirPlaces) {
    auto llb = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0), foe(ENEMY_LIGHT, 1), foe(ENEMY_BOSS, 2)});
    EXPECT_EQ(enemy(*llb, 0).fighter.position, sf::Vector2i(1520, 900));
    EXPECT_EQ(enemy(*llb, 1).fighter.position, sf::Vector2i(1520, 570));
    EXPECT_EQ(enemy(*llb, 2).fighter.position, sf::Vector2i(1200, 700));
    EXPECT_EQ(enemy(*llb, 2).fighter.body.sprite.getPosition(), sf::Vector2f(1100.f, 695.f));
    auto lbl = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0), foe(ENEMY_TANK, 1), foe(ENEMY_LIGHT, 2)});
    EXPECT_EQ(enemy(*lbl, 0).fighter.position, sf::Vector2i(1520, 900));
    EXPECT_EQ(enemy(*lbl, 1).fighter.position, sf::Vector2i(600, 800));
    EXPECT_EQ(enemy(*lbl, 2).fighter.position, sf::Vector2i(1520, 570));
    // The Tank's bar and numbers stand right of its body.
    EXPECT_EQ(enemy(*lbl, 1).fighter.lifeBar.entries[0].back.getPosition(), sf::Vector2f(1150.f, 810.f));
    auto plain = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_SHIELD, 0), foe(ENEMY_HEAVY, 1), foe(ENEMY_LIGHT, 2)});
    EXPECT_EQ(enemy(*plain, 0).fighter.position, sf::Vector2i(1520, 900));
    EXPECT_EQ(enemy(*plain, 1).fighter.position, sf::Vector2i(1200, 700));
    EXPECT_EQ(enemy(*plain, 2).fighter.position, sf::Vector2i(1520, 570));
}

TEST(FightEnemies, EachLivingEnemyAnnouncesOneIntentBothKindsOccur) {
    seedRandom(3);
    int attacks = 0;
    int shields = 0;
    for (int round = 0; round < 10; ++round) {
        auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0), foe(ENEMY_HEAVY, 1), foe(ENEMY_SHIELD, 2)});
        enemy(*scene, 1).fighter.stats.life = 0;
        stepQuietly(*scene, 3);
        for (int i = 0; i < 3; ++i) {
            const FightEnemy& e = enemy(*scene, i);
            if (i == 1) {
                EXPECT_EQ(e.intentAttack + e.intentShield, 0) << "the fallen announce nothing";
                continue;
            }
            EXPECT_EQ(e.intentAttack + e.intentShield, 1);
            attacks += e.intentAttack;
            shields += e.intentShield;
        }
    }
    EXPECT_GT(attacks, 0);
    EXPECT_GT(shields, 0);
}

TEST(FightEnemies, AShieldRaisesArmorThatHoldsUntilTheNextEnemiesTurn) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_SHIELD, 0)});
    stepQuietly(*scene, 1);
    enemy(*scene, 0).intentAttack = 0;
    enemy(*scene, 0).intentShield = 1;
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, 10);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.life, 100);
    stepQuietly(*scene, 300);
    EXPECT_EQ(scene->turnButton.isAllyTurn, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, 10);
    // Driven below 0 by a card, the armor stays so until the enemies' turn clears it.
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_BREAK));
    playFrontCardOnEnemy(*scene, 0, 0);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, -20);
    stepQuietly(*scene, 30);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, -20);
    enemy(*scene, 0).intentAttack = 0;
    enemy(*scene, 0).intentShield = 1;
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, 10);
}

TEST(FightEnemies, AShieldAddsToTheArmorAlreadyThere) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_SHIELD, 0)});
    stepQuietly(*scene, 1);
    enemy(*scene, 0).fighter.armor = 7;
    enemy(*scene, 0).intentAttack = 0;
    enemy(*scene, 0).intentShield = 1;
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, 17);
    // A second shield in the next turn stacks on the first.
    stepQuietly(*scene, 300);
    ASSERT_EQ(scene->turnButton.isAllyTurn, 1);
    enemy(*scene, 0).intentAttack = 0;
    enemy(*scene, 0).intentShield = 1;
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 1);
    EXPECT_EQ(enemy(*scene, 0).fighter.armor, 27);
}

TEST(FightEnemies, AnAttackDrawnAgainstAFallenAllyIsLostButStillSwung) {
    seedRandom(5);
    int lost = 0;
    int landed = 0;
    for (int round = 0; round < 12; ++round) {
        auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1), hero(PLAYER_LIGHT, 2)},
                               {foe(ENEMY_HEAVY, 0)});
        ally(*scene, 1).fighter.stats.life = 0;
        stepQuietly(*scene, 1);
        enemy(*scene, 0).intentAttack = 1;
        enemy(*scene, 0).intentShield = 0;
        startEnemiesTurn(*scene);
        stepQuietly(*scene, 1);
        EXPECT_EQ(enemy(*scene, 0).fighter.body.animationState, ENEMY_ATTACK);
        const int damage = 200 - ally(*scene, 0).fighter.stats.life - ally(*scene, 2).fighter.stats.life;
        EXPECT_TRUE(damage == 0 || damage == 20) << damage;
        EXPECT_EQ(ally(*scene, 1).fighter.stats.life, 0);
        if (damage == 0) ++lost;
        else ++landed;
    }
    EXPECT_GT(lost, 0);
    EXPECT_GT(landed, 0);
}

TEST(FightEnemies, AnEnemyAttackGoesThroughTheAllysArmor) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0)});
    // 10 armor against 20: the armor goes (to 0 in the next frame) and 10 life with it.
    ally(*scene, 0).fighter.armor = 10;
    stepQuietly(*scene, 1);
    enemy(*scene, 0).intentAttack = 1;
    enemy(*scene, 0).intentShield = 0;
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 1);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.life, 90);
    EXPECT_EQ(ally(*scene, 0).fighter.armor, -10);
    EXPECT_EQ(ally(*scene, 0).fighter.hit, 1);
    EXPECT_EQ(ally(*scene, 0).fighter.body.sprite.getColor(), sf::Color::Red);
    stepQuietly(*scene, 1);
    EXPECT_EQ(ally(*scene, 0).fighter.armor, 0);
    const NumberEntry& shown = ally(*scene, 0).fighter.damageNumber.entries[0];
    EXPECT_EQ(shown.units.getTextureRect().left / 56 + 10 * (shown.tens.getTextureRect().left / 56), 10);
    // The red and the number go after one second.
    stepQuietly(*scene, 61);
    EXPECT_EQ(ally(*scene, 0).fighter.hit, 0);
    EXPECT_EQ(ally(*scene, 0).fighter.body.sprite.getColor(), sf::Color::White);
    stepQuietly(*scene, 300);
    // 30 armor against 20: 10 armor left, no life lost; the number shows 10 all the same.
    ally(*scene, 0).fighter.armor = 30;
    stepQuietly(*scene, 1);
    enemy(*scene, 0).intentAttack = 1;
    enemy(*scene, 0).intentShield = 0;
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 2);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.life, 90);
    EXPECT_EQ(ally(*scene, 0).fighter.armor, 10);
    EXPECT_EQ(ally(*scene, 0).fighter.lastDamage, -10);
}

TEST(FightEnemies, TheRedOfAStruckEnemyFadesEvenWhenTheTurnEndsAtOnce) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0), foe(ENEMY_HEAVY, 1)});
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_DAMAGE_ONE));
    playFrontCardOnEnemy(*scene, 0, 1);
    EXPECT_EQ(enemy(*scene, 1).fighter.hit, 1);
    // End the turn straight away: the played card leaves the hand with the new deal.
    startEnemiesTurn(*scene);
    stepQuietly(*scene, 65);
    EXPECT_EQ(enemy(*scene, 1).fighter.hit, 0);
    EXPECT_EQ(enemy(*scene, 1).fighter.body.sprite.getColor(), sf::Color::White);
    EXPECT_EQ(ally(*scene, 0).hasStruck, 0);
}

TEST(FightAllies, StandInTheirSlotsWithIdleSpeedsBySlot) {
    auto same = openFight({hero(PLAYER_LIGHT, 0), hero(PLAYER_LIGHT, 1), hero(PLAYER_LIGHT, 2)}, {foe(ENEMY_LIGHT, 0)});
    auto rem = openFight({hero(PLAYER_REM, 0), hero(PLAYER_REM, 1), hero(PLAYER_REM, 2)}, {foe(ENEMY_LIGHT, 0)});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ally(*same, i).fighter.body.animations[ALLY_IDLE].framesPerSecond, static_cast<unsigned>(8 + i));
        EXPECT_EQ(ally(*rem, i).fighter.body.animations[ALLY_IDLE].framesPerSecond, static_cast<unsigned>(8 - i));
        EXPECT_EQ(ally(*same, i).fighter.position, kAllySlotPositions[i]);
        // Mirrored to face right: the body spans two frame widths right of its place.
        const sf::FloatRect b = ally(*same, i).fighter.body.sprite.getGlobalBounds();
        EXPECT_FLOAT_EQ(b.width, 162.f);
        EXPECT_FLOAT_EQ(b.left, static_cast<float>(kAllySlotPositions[i].x - 10));
    }
    // The idle loops; an attack plays once and returns to it.
    startAllyAttack(same->allies, 1);
    stepQuietly(*same, 30);
    EXPECT_EQ(ally(*same, 1).fighter.body.animationState, ALLY_ATTACK);
    stepQuietly(*same, 45); // 7 frames at 7 per second
    EXPECT_EQ(ally(*same, 1).fighter.body.animationState, ALLY_IDLE);
    EXPECT_EQ(ally(*same, 1).fighter.body.currentAnimation.loop, 1);
    // A fallen ally plays its death once and keeps the last frame.
    ally(*same, 2).fighter.stats.life = -5;
    stepQuietly(*same, 120);
    EXPECT_EQ(ally(*same, 2).fighter.stats.life, 0);
    EXPECT_EQ(ally(*same, 2).fighter.body.animationState, ALLY_DEATH);
    EXPECT_EQ(ally(*same, 2).fighter.body.sprite.getTextureRect(), sf::IntRect(4 * 81, 2 * 96, 81, 96));
}
