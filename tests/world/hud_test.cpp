#include "core/display.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"
#include "world/hud_lives.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Every drawable of the HUD, by position, for the screen-position checks.
std::vector<sf::Vector2f> hudPositions(const Hud& hud) {
    std::vector<sf::Vector2f> all = {hud.barSprite.getPosition(), hud.endTurnSprite.getPosition(),
                                     hud.goldIconSprite.getPosition(), hud.goldText.getPosition(),
                                     hud.sheetSprite.getPosition()};
    for (int i = 0; i < kHudSlots; ++i) {
        all.push_back(hud.frameSprites[static_cast<std::size_t>(i)].getPosition());
        all.push_back(hud.portraitSprites[static_cast<std::size_t>(i)].getPosition());
        all.push_back(hud.sheetTexts[static_cast<std::size_t>(i)].getPosition());
    }
    return all;
}

std::unique_ptr<WorldGame> worldWithParty(int heroes) {
    auto world = makeOpenBoard();
    const std::int32_t types[4] = {PLAYER_IRINA, PLAYER_LIGHT, PLAYER_HEAVY, PLAYER_SHIELD};
    for (int i = 0; i < heroes; ++i) putPlayer(world.get(), types[i], {0, i});
    initHud(&world->hud, &world->party, world->camera.topLeft);
    toggleHud(&world->hud);
    return world;
}

// The middle of a portrait frame (its corner while the picture is missing).
sf::Vector2f middleOf(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {b.left + b.width / 2.f, b.top + b.height / 2.f};
}

float goldRightEnd(const Hud& hud) {
    const sf::FloatRect bounds = hud.goldText.getGlobalBounds();
    return bounds.left + bounds.width;
}

} // namespace

TEST(Hud, BuiltAtTheCameraWithTheLeaderFirstAndAButtonOfFixedSize) {
    auto world = worldWithParty(4);
    const sf::Vector2f t{640.f, 200.f};
    initHud(&world->hud, &world->party, t);
    const Hud& hud = world->hud;
    EXPECT_EQ(hud.visible, 0);
    // The button's area of the sheet at scale 4 fixes its size, whatever the picture.
    EXPECT_EQ(hud.endTurnSprite.getGlobalBounds(), sf::FloatRect(t.x + 1664.f, t.y + 1005.f, 252.f, 68.f));
    EXPECT_EQ(hud.sheetTexts[0].getString(), sf::String(heroSheetText(PLAYER_IRINA)));
    EXPECT_EQ(hud.sheetTexts[2].getString(), sf::String(heroSheetText(PLAYER_HEAVY)));
    // A companion in the leader's slot (or a leader in a companion's) shows nothing.
    world->party.players[0].type = PLAYER_LIGHT;
    world->party.players[1].type = PLAYER_REM;
    initHud(&world->hud, &world->party, t);
    EXPECT_EQ(hud.portraitSprites[0].getTexture(), nullptr);
    EXPECT_EQ(hud.portraitSprites[1].getTexture(), nullptr);
    EXPECT_EQ(hud.sheetTexts[1].getString(), sf::String(""));
}

TEST(Hud, GoldTextEndsAtTheSameScreenXWhateverItsLength) {
    auto world = worldWithParty(1);
    const sf::Vector2f t{300.f, 40.f};
    setGoldText(&world->hud, 100, t);
    EXPECT_EQ(world->hud.goldText.getString(), sf::String("100")) << "the amount alone, beside its bag";
    const float end100 = goldRightEnd(world->hud);
    const float width100 = world->hud.goldText.getGlobalBounds().width;
    ASSERT_GT(width100, 0.f) << "the pixel font must load";
    setGoldText(&world->hud, 1000, t);
    EXPECT_GT(world->hud.goldText.getGlobalBounds().width, width100);
    EXPECT_FLOAT_EQ(goldRightEnd(world->hud), end100);
    EXPECT_FLOAT_EQ(world->hud.goldText.getPosition().x + world->hud.goldText.getLocalBounds().width, t.x + 1785.f);
    EXPECT_FLOAT_EQ(world->hud.goldText.getPosition().y, t.y + 45.f);
}

TEST(Hud, StaysFixedOnScreenWhileTheViewScrolls) {
    auto world = worldWithParty(4);
    sf::RenderWindow& window = testWindow();
    Camera& camera = world->camera;
    setGoldText(&world->hud, 100, camera.topLeft);
    const std::vector<sf::Vector2f> start = hudPositions(world->hud);
    // Push the mouse into the bottom-right corner, then the top-left one.
    for (int frame = 0; frame < 140; ++frame) {
        const sf::Vector2i mouse = frame < 100 ? sf::Vector2i(1919, 1079) : sf::Vector2i(0, 0);
        updateCameraAt(&camera, &window, mouse);
        updateHud(&world->hud, 100, 1.f / 60.f, &camera.scrollStep, camera.topLeft);
        const std::vector<sf::Vector2f> now = hudPositions(world->hud);
        for (std::size_t i = 0; i < now.size(); ++i) {
            EXPECT_FLOAT_EQ(now[i].x - camera.topLeft.x, start[i].x) << "element " << i << " frame " << frame;
            EXPECT_FLOAT_EQ(now[i].y - camera.topLeft.y, start[i].y) << "element " << i << " frame " << frame;
        }
    }
    EXPECT_GT(camera.topLeft.x, 0.f);
    initCamera(&camera);
    setWindowView(&window, &camera.view);
}

TEST(Hud, HoverOpensTheSheetOfThatHeroAndLeavingClosesIt) {
    auto world = worldWithParty(4);
    Hud& hud = world->hud;
    const sf::Vector2f t = world->camera.topLeft;
    const sf::Vector2f third = middleOf(hud.frameSprites[2]);
    hoverHud(&hud, third.x, third.y, t, 4);
    EXPECT_EQ(hud.hovered, (std::array<std::int32_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ(hud.sheetSprite.getPosition(), t + sf::Vector2f(410.f, 75.f));
    const sf::Vector2f first = middleOf(hud.frameSprites[0]);
    hoverHud(&hud, first.x, first.y, t, 4);
    EXPECT_EQ(hud.hovered, (std::array<std::int32_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(hud.sheetSprite.getPosition(), t + sf::Vector2f(50.f, 75.f));
    hoverHud(&hud, t.x + 1000.f, t.y + 600.f, t, 4);
    EXPECT_EQ(hud.hovered, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
}

TEST(Hud, WithTwoHeroesTheLastFramesAreEmptyAndOpenNothing) {
    auto world = worldWithParty(2);
    Hud& hud = world->hud;
    EXPECT_NE(hud.portraitSprites[1].getTexture(), nullptr);
    EXPECT_EQ(hud.portraitSprites[2].getTexture(), nullptr);
    EXPECT_EQ(hud.portraitSprites[3].getTexture(), nullptr);
    EXPECT_EQ(hud.sheetTexts[2].getString(), sf::String(""));
    for (std::size_t slot : {2u, 3u}) {
        const sf::Vector2f middle = middleOf(hud.frameSprites[slot]);
        hoverHud(&hud, middle.x, middle.y, {0.f, 0.f}, 2);
        EXPECT_EQ(hud.hovered, (std::array<std::int32_t, 4>{0, 0, 0, 0})) << "frame " << slot + 1;
    }
    const sf::Vector2f second = middleOf(hud.frameSprites[1]);
    hoverHud(&hud, second.x, second.y, {0.f, 0.f}, 2);
    EXPECT_EQ(hud.hovered, (std::array<std::int32_t, 4>{0, 1, 0, 0}));
}

TEST(Hud, EndTurnButtonShowsItsPressedLookUnderTheMouseAndTakesClicks) {
    auto world = worldWithParty(1);
    Hud& hud = world->hud;
    updateEndTurnHover(&hud, {1700, 1030});
    EXPECT_EQ(hud.endTurnSprite.getTextureRect(), sf::IntRect(0, 17, 63, 17));
    updateEndTurnHover(&hud, {1600, 1030});
    EXPECT_EQ(hud.endTurnSprite.getTextureRect(), sf::IntRect(0, 0, 63, 17));
    EXPECT_EQ(isEndTurnClicked(&hud, {sf::Mouse::Left, 1664 + 251, 1005 + 67}), 1);
    EXPECT_EQ(isEndTurnClicked(&hud, {sf::Mouse::Left, 1663, 1030}), 0);
    toggleHud(&hud);
    EXPECT_EQ(hud.visible, 0);
}

// The width of each life fill the top bar draws, by portrait slot (0 for a hero shown
// without life, -1 for a slot without a gauge).
std::array<float, 4> lifeFills(const Hud& hud, const Party& party) {
    std::array<float, 4> fills{-1.f, -1.f, -1.f, -1.f};
    const sf::VertexArray mesh = hudLifeGauges(&hud, &party);
    for (std::size_t slot = 0; slot < 4; ++slot) {
        const sf::Vector2f gauge = hud.frameSprites[slot].getPosition() + kHudLifeGaugeOffset;
        for (std::size_t q = 0; q + 3 < mesh.getVertexCount(); q += 4) {
            const sf::Vertex& a = mesh[q];
            if (a.position == gauge - sf::Vector2f(1.f, 1.f)) fills[slot] = std::max(fills[slot], 0.f);
            if (a.position == gauge && mesh[q + 2].position.y == gauge.y + kHudLifeGaugeSize.y)
                fills[slot] = mesh[q + 1].position.x - a.position.x;
        }
    }
    return fills;
}

TEST(Hud, EachPortraitShowsItsHerosLifeUnlessTheOpenSheetCoversIt) {
    auto world = worldWithParty(3);
    Party& party = world->party;
    Hud& hud = world->hud;
    party.players[0].stats.life = 100;
    party.players[1].stats.life = 40;
    party.players[2].stats.maxLife = 300.f;
    party.players[2].stats.life = 1;
    const std::array<float, 4> fills = lifeFills(hud, party);
    EXPECT_EQ(fills[0], kHudLifeGaugeSize.x) << "full life fills the gauge";
    EXPECT_EQ(fills[1], std::floor(kHudLifeGaugeSize.x * 0.4f));
    EXPECT_EQ(fills[2], 1.f) << "a hero alive keeps a sliver";
    EXPECT_EQ(fills[3], -1.f) << "no fourth hero, no gauge";
    EXPECT_EQ(hudLifeText(&hud, &party, 1), "40");
    EXPECT_EQ(hudLifeText(&hud, &party, 3), "");

    // A change shows at the next draw: a fight took Irina down to 25.
    party.players[0].stats.life = 25;
    EXPECT_LT(lifeFills(hud, party)[0], fills[0]);
    EXPECT_EQ(hudLifeText(&hud, &party, 0), "25");

    // Irina's sheet opens over the first two frames: no life is drawn over the sheet.
    const sf::Vector2f first = middleOf(hud.frameSprites[0]);
    hoverHud(&hud, first.x, first.y, world->camera.topLeft, 3);
    EXPECT_EQ(hudLifeText(&hud, &party, 1), "");
    EXPECT_EQ(lifeFills(hud, party)[1], -1.f);
    EXPECT_EQ(hudLifeText(&hud, &party, 2), "1") << "the third frame lies clear of it";
}
