#include "world/level_transition.hpp"

#include "app/game.hpp"
#include "core/asset_cache.hpp"
#include "core/resources.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr float kDt = 1.f / 60.f;
const sf::IntRect kLastFrame(14 * 360, 0, 360, 202);

std::unique_ptr<LevelTransition> readyTransition() {
    testWindow().setActive(true);
    auto t = std::make_unique<LevelTransition>();
    initLevelTransition(t.get());
    return t;
}

std::string sheetPathOf(int number) { return "Assets/Sprites/ChangeMapTile/map-Sheet" + std::to_string(number) + ".png"; }

// Updates until `finished` is raised; returns the seconds that took (or -1 after 10 s).
float secondsUntilFinished(LevelTransition* t) {
    float elapsed = 0.f;
    while (elapsed < 10.f) {
        updateLevelTransition(t, kDt);
        elapsed += kDt;
        if (t->finished) return elapsed;
    }
    return -1.f;
}

sf::Image render(LevelTransition* t) {
    sf::RenderTexture canvas;
    EXPECT_TRUE(canvas.create(1920, 1080));
    canvas.clear(sf::Color::Black);
    drawLevelTransition(t, canvas);
    canvas.display();
    return canvas.getTexture().copyToImage();
}

bool sameImage(const sf::Image& a, const sf::Image& b) {
    return a.getSize() == b.getSize() &&
           std::memcmp(a.getPixelsPtr(), b.getPixelsPtr(), 4u * a.getSize().x * a.getSize().y) == 0;
}

} // namespace

TEST(LevelTransition, SheetNumberPicksTheFileWithoutPadding) {
    auto t = readyTransition();
    startLevelTransition(t.get(), 1);
    EXPECT_STREQ(t->sheetPath.data(), "Assets/Sprites/ChangeMapTile/map-Sheet1.png");
    EXPECT_EQ(t->sheetTexture, &createTexture("Assets/Sprites/ChangeMapTile/map-Sheet1.png"));
    startLevelTransition(t.get(), 9);
    EXPECT_STREQ(t->sheetPath.data(), "Assets/Sprites/ChangeMapTile/map-Sheet9.png");
    EXPECT_EQ(t->sheetTexture, &createTexture("Assets/Sprites/ChangeMapTile/map-Sheet9.png"));
    EXPECT_EQ(t->sheetNumber, 9);
}

TEST(LevelTransition, LastFrameComesAfterAlittleMoreThanOneAndThreeQuarterSecondsAndStays) {
    auto t = readyTransition();
    startLevelTransition(t.get(), 2);
    EXPECT_EQ(t->finished, 0);
    // Frames change every eighth of a second; nothing is finished while frames remain.
    updateLevelTransition(t.get(), 0.13f);
    EXPECT_EQ(t->sheetAnimation.currentFrame, 1u);
    EXPECT_EQ(t->sheetSprite.getTextureRect(), sf::IntRect(360, 0, 360, 202));
    EXPECT_EQ(t->finished, 0);

    startLevelTransition(t.get(), 2);
    const float seconds = secondsUntilFinished(t.get());
    EXPECT_GT(seconds, 14.f * 0.125f);
    EXPECT_LE(seconds, 14.f * 0.125f + 2.f * kDt);
    EXPECT_EQ(t->sheetSprite.getTextureRect(), kLastFrame);
    // The map does not roll up again.
    for (int i = 0; i < 600; ++i) updateLevelTransition(t.get(), kDt);
    EXPECT_EQ(t->sheetSprite.getTextureRect(), kLastFrame);

    // The next road starts from its first frame and takes as long again.
    t->finished = 0; // as the shell's end rule leaves it
    startLevelTransition(t.get(), 3);
    EXPECT_EQ(t->sheetSprite.getTextureRect(), sf::IntRect(0, 0, 360, 202));
    const float again = secondsUntilFinished(t.get());
    EXPECT_NEAR(again, seconds, kDt / 2.f);
}

TEST(LevelTransition, ShellHoldsTheLastFrameForOnePointTwoSecondsWhileClicksAndMovesDoNothing) {
    auto game = makeTestGame();
    WorldGame& world = game->world;
    applyCamera(&world.camera, &game->window, 1); // the shop and the transition use the screen view
    auto t = readyTransition();
    game->sceneState = SCENE_LEVEL_TRANSITION;
    startLevelTransition(t.get(), 1);

    float elapsed = 0.f, finishedAt = -1.f;
    int frames = 0;
    while (game->sceneState == SCENE_LEVEL_TRANSITION && frames < 600) {
        // Clicks anywhere (where the shop's Next was, the middle, a corner) and moves.
        for (const sf::Vector2i at : {sf::Vector2i(1330, 526), sf::Vector2i(960, 540), sf::Vector2i(5, 5)}) {
            clickAt(game.get(), at.x, at.y);
            dispatchEvent(game.get(), mousePressEvent(at.x, at.y, sf::Mouse::Right));
            dispatchEvent(game.get(), mouseMoveEvent(at.x, at.y));
        }
        ASSERT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION) << "input changed the scene at frame " << frames;

        updateLevelTransition(t.get(), kDt);
        applyTransitionEndRule(game.get(), &t->finished, kDt);
        elapsed += kDt;
        ++frames;
        if (finishedAt < 0.f && (t->finished || game->sceneState != SCENE_LEVEL_TRANSITION)) finishedAt = elapsed;
        if (finishedAt >= 0.f) {
            EXPECT_EQ(t->sheetSprite.getTextureRect(), kLastFrame) << "frame " << frames;
        }
    }
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_GT(finishedAt, 1.75f);
    EXPECT_NEAR(elapsed - finishedAt, 1.2f, 2.f * kDt);
    EXPECT_EQ(t->finished, 0);
    EXPECT_EQ(game->transitionTimer, 0.f);
    EXPECT_EQ(world.camera.onScreenView, 0) << "back on the world view";
}

TEST(LevelTransition, NineRoadsDecodeNineFilesOnceEach) {
    auto t = readyTransition();
    const std::size_t before = cachedAssetCount();
    std::set<const sf::Texture*> seen;
    std::array<const sf::Texture*, 9> first{};
    for (int sheet = 1; sheet <= 9; ++sheet) {
        startLevelTransition(t.get(), sheet);
        first[static_cast<std::size_t>(sheet - 1)] = t->sheetTexture;
        seen.insert(t->sheetTexture);
    }
    EXPECT_EQ(seen.size(), 9u) << "one picture per road";
    EXPECT_LE(cachedAssetCount() - before, 9u);
    const std::size_t afterFirstRound = cachedAssetCount();

    // Two more journeys through the ten levels, and fresh records: nothing new is decoded.
    for (int round = 0; round < 2; ++round) {
        auto other = readyTransition();
        for (int sheet = 1; sheet <= 9; ++sheet) {
            startLevelTransition(t.get(), sheet);
            startLevelTransition(other.get(), sheet);
            EXPECT_EQ(t->sheetTexture, first[static_cast<std::size_t>(sheet - 1)]);
            EXPECT_EQ(other->sheetTexture, first[static_cast<std::size_t>(sheet - 1)]);
        }
    }
    EXPECT_EQ(cachedAssetCount(), afterFirstRound);

    // Where the roads are drawn, each is a whole strip of 15 frames.
    for (int sheet = 1; sheet <= 9; ++sheet) {
        const sf::Texture& texture = createTexture(sheetPathOf(sheet));
        if (texture.getSize().x == 0) continue; // picture not drawn yet
        EXPECT_EQ(texture.getSize(), sf::Vector2u(5400, 202)) << sheetPathOf(sheet);
    }
}

TEST(LevelTransition, AMissingRoadPictureLeavesTheTableAndFrameAsTheyAre) {
    // No road is drawn for sheet 0: the screen shows the table and the frame, not a blank box.
    auto bare = readyTransition();
    const sf::Image withoutRoad = render(bare.get());
    auto t = readyTransition();
    startLevelTransition(t.get(), 0);
    updateLevelTransition(t.get(), kDt);
    EXPECT_TRUE(sameImage(render(t.get()), withoutRoad));
}

// The table is drawn without blending and only around the frame's opaque middle, each
// frame of the road by its visible part: every frame of the road looks exactly as when the
// three whole pictures were blended in.
TEST(LevelTransition, CheaperDrawingShowsTheSamePixelsAsTheThreeWholePictures) {
    testWindow().setActive(true);
    auto t = std::make_unique<LevelTransition>();
    initLevelTransition(t.get());
    ASSERT_EQ(t->tableOpaque, 1);
    ASSERT_GT(t->tableStrips.count, 0);
    float tableShown = 0.f;
    for (std::int32_t k = 0; k < t->tableStrips.count; ++k) {
        const sf::FloatRect b = t->tableStrips.strips[static_cast<std::size_t>(k)].getGlobalBounds();
        tableShown += b.width * b.height;
    }
    EXPECT_LT(tableShown, 0.25f * 1920.f * 1080.f) << "the frame hides most of the table";
    startLevelTransition(t.get(), 4);
    sf::RenderTexture canvas;
    ASSERT_TRUE(canvas.create(1920, 1080));
    for (int frame = 0; frame < kTransitionFrames; frame += 3) {
        SCOPED_TRACE(frame);
        const sf::Image cheaper = render(t.get());
        canvas.clear(sf::Color::Black);
        canvas.draw(t->tableSprite);
        canvas.draw(t->frameSprite);
        canvas.draw(t->sheetSprite);
        canvas.display();
        EXPECT_TRUE(sameImage(cheaper, canvas.getTexture().copyToImage()));
        for (int step = 0; step < 3; ++step) updateLevelTransition(t.get(), 1.f / kTransitionFps);
    }
}
