// The map sheets of heroes and enemies: every frame the game cuts must leave the move-points
// digit visible, stand on the ground line of its cell and belong to an animation that moves.
#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct SheetRows {
    std::string path;
    unsigned idleFrames;
    unsigned walkFrames;
};

const std::vector<SheetRows>& unitSheets() {
    static const std::vector<SheetRows> sheets = {
        {"Assets/Sprites/WorldPlayerSprite/Irina/Irina_Sprite_Sheet.png", 14, 6},
        {"Assets/Sprites/WorldPlayerSprite/Rem/Rem_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldPlayerSprite/Tungsthene/Tungsthene_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldPlayerSprite/Light/Light_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldPlayerSprite/Heavy/Heavy_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldPlayerSprite/Shield/Shield_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldEnemySprite/Light/Light_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldEnemySprite/Heavy/Heavy_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldEnemySprite/Shield/Shield_Sprite_Sheet.png", 11, 6},
        {"Assets/Sprites/WorldEnemySprite/Tank/Tank_Sprite_Sheet.png", 4, 4},
        {"Assets/Sprites/WorldEnemySprite/Boss/Boss_Sprite_Sheet.png", 12, 6},
    };
    return sheets;
}

constexpr unsigned kFrame = 64;

unsigned framesInRow(const SheetRows& s, unsigned row) { return row == 0 ? s.idleFrames : s.walkFrames; }

// Lowest row of the frame that holds a fully opaque pixel (the translucent shadow does not count).
int lowestSolidRow(const sf::Image& img, unsigned col, unsigned row) {
    for (int y = int(kFrame) - 1; y >= 0; --y)
        for (unsigned x = 0; x < kFrame; ++x)
            if (img.getPixel(col * kFrame + x, row * kFrame + unsigned(y)).a == 255) return y;
    return -1;
}

bool sameFrame(const sf::Image& img, unsigned colA, unsigned rowA, unsigned colB, unsigned rowB) {
    for (unsigned y = 0; y < kFrame; ++y)
        for (unsigned x = 0; x < kFrame; ++x)
            if (img.getPixel(colA * kFrame + x, rowA * kFrame + y) != img.getPixel(colB * kFrame + x, rowB * kFrame + y))
                return false;
    return true;
}

sf::Image loadSheet(const SheetRows& s) {
    sf::Image img;
    EXPECT_TRUE(img.loadFromFile(s.path)) << s.path;
    return img;
}

} // namespace

TEST(UnitSheets, EveryFrameLeavesTheDigitCornerClearAndStandsOnTheGround) {
    for (const SheetRows& s : unitSheets()) {
        const sf::Image img = loadSheet(s);
        ASSERT_GE(img.getSize().x, s.idleFrames * kFrame) << s.path;
        ASSERT_GE(img.getSize().y, 3 * kFrame) << s.path;
        for (unsigned row = 0; row < 3; ++row)
            for (unsigned col = 0; col < framesInRow(s, row); ++col) {
                for (unsigned y = 0; y < 15; ++y)
                    for (unsigned x = 0; x < 15; ++x)
                        ASSERT_EQ(img.getPixel(col * kFrame + x, row * kFrame + y).a, 0)
                            << s.path << " frame " << col << " row " << row << " covers the digit at " << x << "," << y;
                const int feet = lowestSolidRow(img, col, row);
                EXPECT_GE(feet, 55) << s.path << " frame " << col << " row " << row;
                EXPECT_LE(feet, 59) << s.path << " frame " << col << " row " << row;
            }
    }
}

TEST(UnitSheets, EveryRowAnimatesAndTheTwoWalksFaceAwayFromEachOther) {
    for (const SheetRows& s : unitSheets()) {
        const sf::Image img = loadSheet(s);
        for (unsigned row = 0; row < 3; ++row) {
            bool moves = false;
            for (unsigned col = 1; col < framesInRow(s, row); ++col) moves = moves || !sameFrame(img, 0, row, col, row);
            EXPECT_TRUE(moves) << s.path << " row " << row << " is a still picture";
        }
        EXPECT_FALSE(sameFrame(img, 0, 1, 0, 2)) << s.path << ": walking left and right look the same";
    }
}

TEST(UnitSheets, IrinasFirstElevenIdleFramesCloseTheirOwnLoop) {
    // The HUD and the team selection loop frames 0 to 10 of the 14-frame idle row, so frame 10
    // must lead back into frame 0 as smoothly as the row's own neighbours follow each other.
    const SheetRows& irina = unitSheets()[0];
    const sf::Image img = loadSheet(irina);
    auto changed = [&](unsigned a, unsigned b) {
        int n = 0;
        for (unsigned y = 0; y < kFrame; ++y)
            for (unsigned x = 0; x < kFrame; ++x)
                if (img.getPixel(a * kFrame + x, y) != img.getPixel(b * kFrame + x, y)) ++n;
        return n;
    };
    int largestStep = 0;
    for (unsigned i = 0; i + 1 < irina.idleFrames; ++i) largestStep = std::max(largestStep, changed(i, i + 1));
    EXPECT_LE(changed(10, 0), largestStep);
    EXPECT_LE(changed(13, 0), largestStep);
}
