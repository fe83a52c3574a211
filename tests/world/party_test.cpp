#include "world/board_test_support.hpp"

#include <gtest/gtest.h>

namespace {

// Sets a hero walking `walk` from `start`.
void givePath(WorldPlayer* player, GridPos start, std::initializer_list<GridPos> walk) {
    const std::vector<GridPos> cells(walk);
    setWalk(&player->walk, start, cells.data(), static_cast<std::int32_t>(cells.size()));
    player->body.moving = 1;
}

const sf::Texture* pieceTexture(const WorldPlayer& player, int piece) {
    return player.arrow[static_cast<std::size_t>(piece)].sprite.getTexture();
}

} // namespace

TEST(Party, DigitFollowsMovePointsAndTheBodyCoversItsCell) {
    auto world = makeOpenBoard();
    const std::int32_t index = putPlayer(world.get(), PLAYER_LIGHT, {3, 4});
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    EXPECT_EQ(player.mpSprite.getTextureRect(), sf::IntRect(60, 0, 15, 15)); // a new hero shows 5
    // The body covers exactly its cell, art or not: it is what a click selects.
    EXPECT_EQ(playerHitbox(&player), sf::FloatRect(384.f, 512.f, 128.f, 128.f));
    player.movePoints = 0;
    updateMpSprite(&world->party, index);
    EXPECT_EQ(player.mpSprite.getTextureRect(), sf::IntRect(135, 0, 15, 15)); // the tenth cell of the strip
    player.movePoints = 2;
    updateMpSprite(&world->party, index);
    EXPECT_EQ(player.mpSprite.getTextureRect(), sf::IntRect(15, 0, 15, 15));
    resetPartyTurn(&world->party);
    EXPECT_EQ(player.movePoints, 5);
    EXPECT_EQ(player.mpSprite.getTextureRect(), sf::IntRect(60, 0, 15, 15));
}

TEST(Party, EndsEveryCellExactlyOnItsCornerWhateverTheFrameTime) {
    auto world = makeOpenBoard();
    const GridPos start{5, 5};
    for (float dt : {1.f / 60.f, 0.0173f, 0.1f, 0.37f, 0.64f, 2.5f}) {
        openGround(world.get());
        const std::int32_t index = putPlayer(world.get(), PLAYER_REM, start);
        WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
        // Right, down, left, up: every direction once.
        givePath(&player, start, {{6, 5}, {6, 6}, {5, 6}, {5, 5}});
        const GridPos walk[4] = {{6, 5}, {6, 6}, {5, 6}, {5, 5}};
        int arrived = 0;
        for (int frame = 0; frame < 1000 && player.body.moving; ++frame) {
            const std::int32_t before = player.walk.step;
            stepPlayer(&world->party, &player, dt);
            if (player.walk.step != before || !player.body.moving) {
                EXPECT_EQ(player.body.sprite.getPosition(), corner(walk[arrived])) << "dt " << dt << " cell " << arrived;
                EXPECT_EQ(player.mpSprite.getPosition(), player.body.sprite.getPosition());
                ++arrived;
            }
        }
        EXPECT_EQ(arrived, 4) << "dt " << dt;
        EXPECT_EQ(player.body.moving, 0);
        EXPECT_EQ(player.body.animationIndex, ANIM_IDLE);
        for (const PathArrowPiece& piece : player.arrow) EXPECT_EQ(piece.visible, 0);
    }
}

TEST(Party, OneCellArrowIsAStartUnderTheHeroAndAnEndOnTheDestination) {
    auto world = makeOpenBoard();
    const std::int32_t index = putPlayer(world.get(), PLAYER_REM, {4, 4});
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    givePath(&player, {4, 4}, {{5, 4}});
    showPath(&world->party, &player);
    const auto& textures = world->party.arrowTextures;
    EXPECT_EQ(pieceTexture(player, 1), textures[ARROW_START_RIGHT]);
    EXPECT_EQ(player.arrow[1].sprite.getPosition(), corner({4, 4}));
    EXPECT_EQ(pieceTexture(player, 0), textures[ARROW_END_LEFT]);
    EXPECT_EQ(player.arrow[0].sprite.getPosition(), corner({5, 4}));
    int visible = 0;
    for (const PathArrowPiece& piece : player.arrow) visible += piece.visible;
    EXPECT_EQ(visible, 2);
}

TEST(Party, ArrowJoinsTurnsAndShrinksAsTheHeroWalks) {
    auto world = makeOpenBoard();
    const std::int32_t index = putPlayer(world.get(), PLAYER_REM, {2, 2});
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    // Right, right, down, down, left.
    givePath(&player, {2, 2}, {{3, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}});
    showPath(&world->party, &player);
    const auto& t = world->party.arrowTextures;
    EXPECT_EQ(pieceTexture(player, 5), t[ARROW_START_RIGHT]);
    EXPECT_EQ(pieceTexture(player, 4), t[ARROW_WAY_LEFT_RIGHT]); // (3,2)
    EXPECT_EQ(pieceTexture(player, 3), t[ARROW_WAY_LEFT_DOWN]);  // (4,2): in from the left, out at the bottom
    EXPECT_EQ(pieceTexture(player, 2), t[ARROW_WAY_TOP_DOWN]);   // (4,3)
    EXPECT_EQ(pieceTexture(player, 1), t[ARROW_WAY_LEFT_TOP]);   // (4,4): in from the top, out on the left
    EXPECT_EQ(pieceTexture(player, 0), t[ARROW_END_RIGHT]);      // (3,4): entered through its right side
    EXPECT_EQ(player.arrow[3].sprite.getPosition(), corner({4, 2}));

    while (player.walk.step == 0) stepPlayer(&world->party, &player, 0.05f);
    EXPECT_EQ(player.arrow[5].visible, 0);
    EXPECT_EQ(pieceTexture(player, 4), t[ARROW_START_RIGHT]);
    EXPECT_EQ(player.arrow[4].sprite.getPosition(), corner({3, 2}));
}

TEST(Party, VerticalFirstStepFacesTheSideOfTheDestination) {
    auto world = makeOpenBoard();
    const std::int32_t index = putPlayer(world.get(), PLAYER_HEAVY, {6, 6});
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    givePath(&player, {6, 6}, {{6, 5}, {5, 5}});
    stepPlayer(&world->party, &player, 0.01f);
    EXPECT_EQ(player.body.animationIndex, ANIM_WALK_LEFT);

    setBodyAnimation(&player.body, ANIM_IDLE);
    player.body.sprite.setPosition(corner({6, 6}));
    givePath(&player, {6, 6}, {{6, 7}, {6, 8}}); // purely vertical
    stepPlayer(&world->party, &player, 0.01f);
    EXPECT_EQ(player.body.animationIndex, ANIM_WALK_RIGHT);
}

TEST(Party, RemovingTheLeaderLosesTheGameButACompanionDoesNot) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_TUNGSTENE, {0, 0});
    putPlayer(world.get(), PLAYER_LIGHT, {0, 1});
    world->party.leaderAlive = 1;
    testing::internal::CaptureStdout();
    killHero(&world->party, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(world->party.leaderAlive, 1);
    testing::internal::CaptureStdout();
    killHero(&world->party, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Le hero est mort !\n");
    EXPECT_EQ(world->party.leaderAlive, 0);
    EXPECT_EQ(world->party.count, 0u);
    killHero(&world->party, 0); // nothing left: no effect
    EXPECT_EQ(world->party.count, 0u);
}

TEST(Party, RemovingUnitZeroOfThreeKeepsTheOthersIntactAndAnimated) {
    auto world = makeOpenBoard();
    putPlayer(world.get(), PLAYER_IRINA, {1, 1});
    putPlayer(world.get(), PLAYER_LIGHT, {1, 3});
    putPlayer(world.get(), PLAYER_SHIELD, {1, 5});
    WorldPlayer& second = world->party.players[1];
    givePath(&second, {1, 3}, {{2, 3}, {3, 3}});
    second.movePoints = 3;
    second.stats.life = 42;
    world->party.players[2].stats.life = 77;
    world->party.players[2].movePoints = 1;
    world->party.leaderAlive = 1;

    killHero(&world->party, 0);
    ASSERT_EQ(world->party.count, 2u);
    const WorldPlayer& light = world->party.players[0];
    const WorldPlayer& shield = world->party.players[1];
    EXPECT_EQ(light.type, PLAYER_LIGHT);
    EXPECT_EQ(light.stats.life, 42);
    EXPECT_EQ(light.movePoints, 3);
    EXPECT_EQ(light.walk.length, 2);
    EXPECT_EQ(walkEnd(&light.walk), (GridPos{3, 3}));
    EXPECT_EQ(shield.type, PLAYER_SHIELD);
    EXPECT_EQ(shield.stats.life, 77);
    EXPECT_EQ(shield.movePoints, 1);
    EXPECT_EQ(world->party.players[2].type, -1);

    // Each animation drives its own record's body: frames advance on the right sprite.
    for (int frame = 0; frame < 5; ++frame) {
        updatePartyAnimations(&world->party, 0.1f);
        for (std::uint32_t i = 0; i < world->party.count; ++i) {
            WorldPlayer& player = world->party.players[i];
            EXPECT_EQ(player.body.sprite.getTextureRect(), currentFrameRect(bodyAnimation(&player.body)));
        }
    }
    EXPECT_GT(world->party.players[0].body.animations[ANIM_IDLE].currentFrame, 0u);
    EXPECT_EQ(world->party.players[0].body.sprite.getPosition(), corner({1, 3}));

    // The walker keeps walking from where it is.
    WorldPlayer& walker = world->party.players[0];
    for (int frame = 0; frame < 200 && walker.body.moving; ++frame) stepPlayer(&world->party, &walker, 0.05f);
    EXPECT_EQ(walker.body.sprite.getPosition(), corner({3, 3}));
}
