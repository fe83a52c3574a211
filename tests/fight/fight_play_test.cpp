// Whole fights played by mouse alone, as a player would: select an ally, pick a card, click
// its target, end the turn, sit through the enemies' turn. Screenshots of the battle are
// saved for a look (OSTREVALD_SCREENSHOT_DIR or ./screenshots).
#include "core/random.hpp"
#include "fight/fight_test_support.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fighttest;

namespace {

int firstLivingEnemy(FightScene& scene) {
    for (int i = 0; i < scene.enemies.count; ++i)
        if (enemy(scene, i).fighter.stats.life > 0) return i;
    return -1;
}

// The player's turn: every standing ally plays its three cards, damage on the first standing
// enemy, support cards on itself.
void playAlliesTurn(FightScene& scene) {
    for (int a = 0; a < scene.allies.count; ++a) {
        for (int card = 0; card < 3 && !scene.turnButton.fightOver; ++card) {
            Ally& mine = ally(scene, a);
            if (mine.fighter.stats.life <= 0 || mine.fighter.stats.actionPoints == 0) break;
            const int target = firstLivingEnemy(scene);
            if (target < 0) return;
            selectAlly(scene, a);
            int place = 0;
            for (int p = 0; p < mine.hand.shownCount; ++p)
                if (mine.hand.cards[static_cast<std::size_t>(p)].kind < kFirstSupportKind) {
                    place = p;
                    break;
                }
            const std::int32_t points = mine.fighter.stats.actionPoints;
            clickCard(scene, a, place);
            ASSERT_EQ(selectedCardSlot(mine.hand), place);
            const bool damage = mine.hand.cards[static_cast<std::size_t>(place)].kind < kFirstSupportKind;
            clickAt(scene, centreOf(damage ? enemy(scene, target).fighter.body.sprite : mine.fighter.body.sprite));
            ASSERT_EQ(mine.fighter.stats.actionPoints, points - 1);
            stepQuietly(scene, 20);
        }
    }
}

// Plays until one side is down (or gives up after `turns`). Returns the turns played.
int playToTheEnd(FightScene& scene, int turns) {
    stepQuietly(scene, 100); // let the opening banner pass
    for (int turn = 1; turn <= turns; ++turn) {
        playAlliesTurn(scene);
        if (scene.turnButton.fightOver) return turn;
        passEnemiesTurn(scene);
        if (scene.turnButton.fightOver) return turn;
    }
    return turns + 1;
}

std::string screenshotPath(const std::string& name) {
    const char* dir = std::getenv("OSTREVALD_SCREENSHOT_DIR");
    return std::string(dir && *dir ? dir : "screenshots") + "/" + name + ".png";
}

void shoot(const FightScene& scene, const std::string& name) {
    sf::RenderWindow& window = testWindow();
    window.setView(window.getDefaultView());
    window.clear(sf::Color::Black);
    drawFightScene(&scene, window);
    EXPECT_TRUE(saveScreenshot(window, screenshotPath(name)));
}

} // namespace

TEST(FightPlay, TheAlliesWinAndHandBackTheirLifeByIndex) {
    seedRandom(2024);
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1), hero(PLAYER_LIGHT, 3)},
                           {foe(ENEMY_LIGHT, 4), foe(ENEMY_HEAVY, 9), foe(ENEMY_SHIELD, 12)});
    const int turns = playToTheEnd(*scene, 12);
    ASSERT_EQ(scene->turnButton.fightOver, 1) << "after " << turns << " turns";
    EXPECT_GE(turns, 2) << "300 life does not fall in one turn of 9 cards";
    const std::int32_t heroIndexes[3] = {0, 1, 3};
    const std::int32_t enemyIndexes[3] = {4, 9, 12};
    int standing = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ally(*scene, i).fighter.stats.unitIndex, heroIndexes[i]);
        EXPECT_LE(ally(*scene, i).fighter.stats.life, 100);
        EXPECT_GE(ally(*scene, i).fighter.stats.life, 0);
        if (ally(*scene, i).fighter.stats.life > 0) ++standing;
        EXPECT_EQ(enemy(*scene, i).fighter.stats.unitIndex, enemyIndexes[i]);
        EXPECT_EQ(enemy(*scene, i).fighter.stats.life, 0);
    }
    EXPECT_GT(standing, 0);
    destroyFightScene(scene.get());
}

TEST(FightPlay, TheAlliesLoseAndTheEnemiesHandBackWhatLifeTheyKept) {
    seedRandom(77);
    std::vector<UnitStats> enemies;
    for (int i = 0; i < 3; ++i) {
        UnitStats brute = foe(i == 1 ? ENEMY_BOSS : ENEMY_HEAVY, 20 + i);
        brute.attack = 45;
        brute.life = 400;
        brute.maxLife = 400.f;
        enemies.push_back(brute);
    }
    auto scene = openFight({hero(PLAYER_TUNGSTENE, 2), hero(PLAYER_SHIELD, 5)}, enemies);
    const int turns = playToTheEnd(*scene, 20);
    ASSERT_EQ(scene->turnButton.fightOver, 1) << "after " << turns << " turns";
    EXPECT_EQ(ally(*scene, 0).fighter.stats.life, 0);
    EXPECT_EQ(ally(*scene, 1).fighter.stats.life, 0);
    EXPECT_EQ(ally(*scene, 0).fighter.stats.unitIndex, 2);
    EXPECT_EQ(ally(*scene, 1).fighter.stats.unitIndex, 5);
    int lifeLeft = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(enemy(*scene, i).fighter.stats.unitIndex, 20 + i);
        EXPECT_LT(enemy(*scene, i).fighter.stats.life, 400 + 1);
        lifeLeft += enemy(*scene, i).fighter.stats.life;
    }
    EXPECT_GT(lifeLeft, 0);
    EXPECT_LT(lifeLeft, 1200) << "the allies struck before they fell";
    destroyFightScene(scene.get());
}

TEST(FightPlay, ScreenshotsOfTheBattle) {
    seedRandom(9);
    // Three against three, a card selected and its arrow on an enemy.
    auto scene = openFight({hero(PLAYER_IRINA, 0), hero(PLAYER_REM, 1), hero(PLAYER_SHIELD, 2)},
                           {foe(ENEMY_LIGHT, 4), foe(ENEMY_HEAVY, 5), foe(ENEMY_SHIELD, 6)});
    stepQuietly(*scene, 150);
    enemy(*scene, 2).fighter.armor = 10;
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 0, 2);
    stepQuietly(*scene, 20);
    selectAlly(*scene, 0);
    clickCard(*scene, 0, 1);
    moveMouse(*scene, centreOf(enemy(*scene, 1).fighter.body.sprite));
    stepQuietly(*scene, 10);
    shoot(*scene, "fight_card_aimed");
    // The enemies' turn with a hit.
    clickAt(*scene, endTurnButton(*scene));
    moveMouse(*scene, {1000.f, 300.f});
    stepQuietly(*scene, 25);
    shoot(*scene, "fight_enemies_turn");
    // The next allies' turn: armor and a boost given, the intents announced with their numbers.
    stepQuietly(*scene, 300);
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ARMOR_ALL));
    playFrontCardOnAlly(*scene, 0, 0);
    ASSERT_TRUE(dealToFront(*scene, 0, CARD_ATTACK_ONE));
    playFrontCardOnAlly(*scene, 0, 1);
    moveMouse(*scene, {1000.f, 300.f});
    stepQuietly(*scene, 60);
    shoot(*scene, "fight_intents_badges");
    // A card under the mouse stands up whole; Irina has no action point left, so hers are grey.
    selectAlly(*scene, 1);
    moveMouse(*scene, {100.f, 100.f});
    stepQuietly(*scene, 1);
    moveMouse(*scene, visiblePointOf(ally(*scene, 1).hand, 2));
    stepQuietly(*scene, 5);
    shoot(*scene, "fight_card_hovered");
    // The deck view of the selected hero.
    clickAt(*scene, centreOf(scene->deckPile.backSprite));
    stepQuietly(*scene, 5);
    shoot(*scene, "fight_deck_view");
    clickAt(*scene, {960.f, 540.f});
    // The last enemy falls to a card: the victory banner with the gold of the three.
    enemy(*scene, 0).fighter.stats.life = 0;
    enemy(*scene, 1).fighter.stats.life = 0;
    enemy(*scene, 2).fighter.stats.life = 5;
    stepQuietly(*scene, 1);
    ASSERT_TRUE(dealToFront(*scene, 1, CARD_PIERCE));
    playFrontCardOnEnemy(*scene, 1, 2);
    stepQuietly(*scene, 20);
    shoot(*scene, "fight_victory_banner");
    destroyFightScene(scene.get());
    // A Tank fight.
    auto tank = openFight({hero(PLAYER_TUNGSTENE, 0), hero(PLAYER_LIGHT, 1), hero(PLAYER_HEAVY, 2)},
                          {foe(ENEMY_LIGHT, 4), foe(ENEMY_TANK, 5), foe(ENEMY_SHIELD, 6)});
    stepQuietly(*tank, 70);
    selectAlly(*tank, 2);
    moveMouse(*tank, {1000.f, 400.f});
    stepQuietly(*tank, 5);
    shoot(*tank, "fight_tank");
}
