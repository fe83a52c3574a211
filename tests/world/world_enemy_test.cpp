#include "world/board_test_support.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

void giveWalk(WorldEnemy* enemy, GridPos start, std::initializer_list<GridPos> walk) {
    const std::vector<GridPos> cells(walk);
    setWalk(&enemy->walk, start, cells.data(), static_cast<std::int32_t>(cells.size()));
    enemy->body.moving = 1;
    enemy->acted = 1;
}

} // namespace

TEST(Enemy, TheTankWalksOnFourFramesAtSixPerSecondTheOthersOnSixAtEight) {
    auto world = makeOpenBoard();
    for (std::int32_t type = ENEMY_LIGHT; type <= ENEMY_BOSS; ++type) {
        const WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(putEnemy(world.get(), type, {25, type}))];
        for (std::int32_t slot : {ANIM_WALK_LEFT, ANIM_WALK_RIGHT}) {
            const Animation& walk = enemy.body.animations[static_cast<std::size_t>(slot)];
            EXPECT_EQ(walk.frameCount, type == ENEMY_TANK ? 4u : 6u) << "type " << type;
            EXPECT_EQ(walk.framesPerSecond, type == ENEMY_TANK ? 6u : 8u) << "type " << type;
        }
    }
}

TEST(Enemy, EndsEveryCellOnItsCornerAndStopsIdleWithItsPathCleared) {
    auto world = makeOpenBoard();
    for (float dt : {1.f / 60.f, 0.033f, 0.5f, 3.f}) {
        openGround(world.get());
        WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(putEnemy(world.get(), ENEMY_BOSS, {20, 8}))];
        const GridPos walk[5] = {{20, 7}, {21, 7}, {21, 8}, {20, 8}, {19, 8}};
        giveWalk(&enemy, {20, 8}, {walk[0], walk[1], walk[2], walk[3], walk[4]});
        int arrived = 0;
        for (int frame = 0; frame < 2000 && enemy.body.moving; ++frame) {
            const std::int32_t before = enemy.walk.step;
            stepEnemy(&enemy, dt);
            if (enemy.walk.step != before || !enemy.body.moving) {
                EXPECT_EQ(enemy.body.sprite.getPosition(), corner(walk[arrived])) << "dt " << dt;
                ++arrived;
            }
        }
        EXPECT_EQ(arrived, 5);
        EXPECT_EQ(enemy.walk.length, 0);
        EXPECT_EQ(enemy.walk.step, 0);
        EXPECT_EQ(enemy.body.animationIndex, ANIM_IDLE);
    }
}

TEST(Enemy, VerticalWalkFromIdleFacesTheSideOfItsLastCell) {
    auto world = makeOpenBoard();
    WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(putEnemy(world.get(), ENEMY_LIGHT, {20, 8}))];
    giveWalk(&enemy, {20, 8}, {{20, 7}, {19, 7}});
    stepEnemy(&enemy, 0.01f);
    EXPECT_EQ(enemy.body.animationIndex, ANIM_WALK_LEFT);
    enemy.body.sprite.setPosition(corner({20, 8}));
    setBodyAnimation(&enemy.body, ANIM_IDLE);
    giveWalk(&enemy, {20, 8}, {{20, 9}, {20, 10}});
    stepEnemy(&enemy, 0.01f);
    EXPECT_EQ(enemy.body.animationIndex, ANIM_WALK_RIGHT);
}

TEST(Enemy, RemovingTheFirstOfFourKeepsTheOthersInOrderIdleAndDrivingTheirOwnSprites) {
    auto world = makeOpenBoard();
    for (int i = 0; i < 4; ++i) putEnemy(world.get(), i == 0 ? ENEMY_TANK : ENEMY_HEAVY, {26, 2 + 2 * i});
    for (int i = 1; i < 4; ++i) world->enemies.enemies[static_cast<std::size_t>(i)].stats.life = 10 * i;
    setBodyAnimation(&world->enemies.enemies[2].body, ANIM_WALK_LEFT);
    removeEnemy(&world->enemies, 0);
    ASSERT_EQ(world->enemies.count, 3u);
    for (std::uint32_t i = 0; i < 3; ++i) {
        WorldEnemy& enemy = world->enemies.enemies[i];
        EXPECT_EQ(enemy.stats.life, 10 * static_cast<int>(i + 1));
        EXPECT_EQ(enemy.body.animationIndex, ANIM_IDLE);
        EXPECT_EQ(enemy.body.sprite.getPosition(), corner({26, 4 + 2 * static_cast<int>(i)}));
    }
    EXPECT_EQ(world->enemies.enemies[3].type, -1);
    updateEnemyAnimations(&world->enemies, 0.3f);
    for (std::uint32_t i = 0; i < 3; ++i) {
        WorldEnemy& enemy = world->enemies.enemies[i];
        EXPECT_EQ(enemy.body.sprite.getTextureRect(), currentFrameRect(bodyAnimation(&enemy.body)));
    }
    removeEnemy(&world->enemies, 7); // past the end: nothing
    EXPECT_EQ(world->enemies.count, 3u);
}

TEST(Enemy, ResetForANewTurnAndDestroyReleaseEverything) {
    auto world = makeOpenBoard();
    WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(putEnemy(world.get(), ENEMY_SHIELD, {27, 3}))];
    giveWalk(&enemy, {27, 3}, {{26, 3}, {25, 3}});
    stepEnemy(&enemy, 0.1f);
    resetEnemyTurn(&world->enemies); // cut short: the body lands on its claimed cell
    EXPECT_EQ(enemy.body.sprite.getPosition(), corner({25, 3}));
    EXPECT_EQ(enemy.body.animationIndex, ANIM_IDLE);
    EXPECT_EQ(enemy.acted, 0);
    EXPECT_EQ(enemy.body.moving, 0);
    EXPECT_EQ(enemy.walk.length, 0);
    destroyEnemies(&world->enemies);
    EXPECT_EQ(world->enemies.count, 0u);
    for (const sf::Texture* texture : world->enemies.types) EXPECT_EQ(texture, nullptr);
}
