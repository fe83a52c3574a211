// What a fighter's fall takes with it from the screen, and how many fighters a fight holds.
#include "fight/fight_test_support.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cstring>

using namespace fighttest;

namespace {

sf::Image shot(const FightScene& scene) {
    sf::RenderTexture canvas;
    EXPECT_TRUE(canvas.create(1920, 1080));
    canvas.clear(sf::Color::Black);
    drawFightScene(&scene, canvas);
    canvas.display();
    return canvas.getTexture().copyToImage();
}

bool samePixels(const sf::Image& a, const sf::Image& b) {
    return a.getSize() == b.getSize() &&
           std::memcmp(a.getPixelsPtr(), b.getPixelsPtr(), 4u * a.getSize().x * a.getSize().y) == 0;
}

// Whether the scene as drawn shows `number`: the picture changes when it has nothing to draw.
bool shows(FightScene& scene, NumberDisplay& number) {
    const sf::Image with = shot(scene);
    const std::int32_t count = number.count;
    number.count = 0;
    const sf::Image without = shot(scene);
    number.count = count;
    return !samePixels(with, without);
}

// Whether `change` to the fighters' records shows on the screen: the scene is drawn as the
// fight reads it, then again after the change is read the same way.
template <typename Change>
bool changeShows(FightScene& scene, Change change) {
    updateFightStatus(scene.status, scene.allies, scene.enemies);
    const sf::Image before = shot(scene);
    change();
    updateFightStatus(scene.status, scene.allies, scene.enemies);
    return !samePixels(before, shot(scene));
}

} // namespace

TEST(FightDeaths, AFallenEnemyShowsNoNumberNotEvenTheArmorItKept) {
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_HEAVY, 1), foe(ENEMY_LIGHT, 2)});
    stepQuietly(*scene, 1);
    enemy(*scene, 0).intentAttack = 0;
    enemy(*scene, 0).intentShield = 1;
    passEnemiesTurn(*scene);
    Fighter& heavy = enemy(*scene, 0).fighter;
    ASSERT_GT(heavy.armor, 0);
    const std::int32_t armor = heavy.armor;
    EXPECT_TRUE(changeShows(*scene, [&] { heavy.armor += 5; })) << "its armor badge";
    heavy.armor = armor;
    EXPECT_TRUE(shows(*scene, heavy.lifeNumber));
    // A pierce goes past the armor and fells it: the armor stays in its record.
    heavy.stats.life = 20;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 0, 0);
    ASSERT_EQ(heavy.stats.life, 0);
    ASSERT_EQ(heavy.hit, 1);
    EXPECT_GT(heavy.armor, 0);
    for (int frames : {1, 120}) {
        stepQuietly(*scene, frames);
        EXPECT_FALSE(changeShows(*scene, [&] { heavy.armor += 5; })) << "after " << frames << " frames";
        EXPECT_FALSE(shows(*scene, heavy.lifeNumber));
        EXPECT_FALSE(shows(*scene, heavy.damageNumber));
    }
    // The other enemy still stands and shows its life.
    EXPECT_TRUE(shows(*scene, enemy(*scene, 1).fighter.lifeNumber));
}

TEST(FightDeaths, AFallenAllyShowsNoNumberEvenWhenArmorIsGivenToAll) {
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1)}, {foe(ENEMY_LIGHT, 2)});
    ally(*scene, 1).fighter.stats.life = 0;
    stepQuietly(*scene, 1);
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ALL));
    playFrontCardOnAlly(*scene, 0, 0);
    stepQuietly(*scene, 1);
    Fighter& fallen = ally(*scene, 1).fighter;
    ASSERT_GT(fallen.armor, 0) << "the card gives armor to the fallen too";
    EXPECT_TRUE(changeShows(*scene, [&] { ally(*scene, 0).fighter.armor += 5; }));
    // Neither its armor (badge or bar frame) nor its boosts.
    EXPECT_FALSE(changeShows(*scene, [&] { fallen.armor = 0; }));
    EXPECT_FALSE(changeShows(*scene, [&] {
        ally(*scene, 1).attackBoost = 5;
        ally(*scene, 1).defenseBoost = 5;
    }));
    EXPECT_TRUE(changeShows(*scene, [&] { ally(*scene, 0).attackBoost = 5; })) << "a standing ally shows its boost";
    EXPECT_FALSE(shows(*scene, fallen.lifeNumber));
    EXPECT_FALSE(shows(*scene, fallen.maxLifeNumber));
}

TEST(FightSize, FourFightersASideAreCutToThreeAtEveryWayIn) {
    const UnitStats heroes[4] = {hero(PLAYER_IRINA, 10), hero(PLAYER_REM, 11), hero(PLAYER_LIGHT, 12),
                                 hero(PLAYER_HEAVY, 13)};
    const UnitStats enemies[4] = {foe(ENEMY_LIGHT, 20), foe(ENEMY_HEAVY, 21), foe(ENEMY_SHIELD, 22),
                                  foe(ENEMY_LIGHT, 23)};
    auto scene = openFight({heroes, heroes + 4}, {enemies, enemies + 4});
    EXPECT_EQ(scene->allies.count, 3);
    EXPECT_EQ(scene->enemies.count, 3);
    EXPECT_EQ(scene->engagedAllyCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ally(*scene, i).fighter.stats.unitIndex, 10 + i);
        EXPECT_EQ(enemy(*scene, i).fighter.stats.unitIndex, 20 + i);
    }
    // The lists taken on their own keep to three as well.
    auto lists = std::make_unique<FightScene>();
    testing::internal::CaptureStdout();
    initAllies(lists->allies, heroes, 4);
    initFightEnemies(lists->enemies, enemies, 4);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(lists->allies.count, 3);
    EXPECT_EQ(lists->enemies.count, 3);
    EXPECT_EQ(lists->allies.allies[2].fighter.stats.unitIndex, 12);
    EXPECT_EQ(lists->enemies.enemies[2].fighter.stats.unitIndex, 22);
    createAlly(lists->allies, 2, heroes[3]);
    EXPECT_EQ(lists->allies.count, 3);
    EXPECT_EQ(lists->allies.allies[2].fighter.stats.unitIndex, 12);
}
