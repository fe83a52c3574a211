// Sheets wider than the largest texture a graphics card takes (the Tank's is 10,192 pixels)
// are cut into pages of whole frames; animations show each frame from its page. The card's
// limit is lowered here to play a small card.
#include "core/asset_cache.hpp"
#include "core/resources.hpp"
#include "core/texture_pages.hpp"
#include "fight/fight_paths.hpp"
#include "fight/fight_test_support.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace fighttest;

namespace {

// Restores the card's own limit whatever the test does.
struct LoweredLimit {
    explicit LoweredLimit(unsigned limit) { setTextureSizeLimit(limit); }
    ~LoweredLimit() { setTextureSizeLimit(0); }
};

// A strip of `frames` frames of w x 10 pixels; frame k is painted red k * 5.
std::string writeStrip(const std::string& name, int frames, int w) {
    const auto dir = std::filesystem::temp_directory_path() / ("ostrevald_pages_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    sf::Image image;
    image.create(static_cast<unsigned>(frames * w), 10);
    for (int k = 0; k < frames; ++k)
        for (int x = 0; x < w; ++x)
            for (unsigned y = 0; y < 10; ++y)
                image.setPixel(static_cast<unsigned>(k * w + x), y, sf::Color(static_cast<sf::Uint8>(k * 5), 0, 0));
    const std::string path = (dir / name).string();
    EXPECT_TRUE(image.saveToFile(path));
    return path;
}

// The red of what the sprite shows, drawn for real.
int shownRed(const sf::Sprite& sprite, int w) {
    sf::RenderTexture canvas;
    EXPECT_TRUE(canvas.create(static_cast<unsigned>(w), 10));
    canvas.clear(sf::Color::Blue);
    sf::Sprite copy = sprite;
    copy.setPosition(0.f, 0.f);
    canvas.draw(copy);
    canvas.display();
    const sf::Image shot = canvas.getTexture().copyToImage();
    EXPECT_EQ(shot.getPixel(static_cast<unsigned>(w - 1), 9), shot.getPixel(0, 0)) << "one frame, not two halves";
    return shot.getPixel(static_cast<unsigned>(w / 2), 5).r;
}

} // namespace

TEST(TexturePages, AWideSheetIsCutIntoPagesOfWholeFramesAndEveryFrameShowsFromItsPage) {
    const LoweredLimit limit(100);
    for (const int w : {20, 30}) {
        const int frames = w == 20 ? 40 : 13;
        const std::string path = writeStrip("strip" + std::to_string(w) + ".png", frames, w);
        const TexturePages pages = cachedTexturePages(path, static_cast<unsigned>(w));
        EXPECT_EQ(pages.sheetSize, sf::Vector2u(static_cast<unsigned>(frames * w), 10u));
        EXPECT_EQ(pages.pageWidth % w, 0);
        ASSERT_GT(pages.count, 1);
        for (int p = 0; p < pages.count; ++p) EXPECT_LE(pages.pages[static_cast<std::size_t>(p)]->getSize().x, 100u);
        sf::Sprite sprite = createSprite(*pages.pages[0]);
        const sf::IntRect first{0, 0, w, 10};
        Animation strip = createAnimation(static_cast<unsigned>(frames), 10, &first, 1);
        std::set<const sf::Texture*> used;
        for (int k = 0; k < frames; ++k) {
            updatePagedAnimation(&strip, &sprite, &pages, k == 0 ? 0.f : 0.101f);
            ASSERT_EQ(strip.currentFrame, static_cast<unsigned>(k));
            EXPECT_EQ(shownRed(sprite, w), k * 5) << "frame " << k << " of frames " << w << " wide";
            used.insert(sprite.getTexture());
        }
        EXPECT_EQ(static_cast<int>(used.size()), pages.count);
        // Asked again, the cache hands back the same pages without decoding anything.
        const std::size_t assets = cachedAssetCount();
        const TexturePages again = cachedTexturePages(path, static_cast<unsigned>(w));
        EXPECT_EQ(again.pages, pages.pages);
        EXPECT_EQ(cachedAssetCount(), assets);
    }
}

TEST(TexturePages, ASheetThatFitsIsTheOrdinaryCachedTexture) {
    const std::string path = writeStrip("small.png", 4, 20);
    const TexturePages pages = cachedTexturePages(path, 20);
    EXPECT_EQ(pages.count, 1);
    EXPECT_EQ(pages.pages[0], &cachedTexture(path));
}

TEST(TexturePages, TheTankAppearsAndAnimatesOnACardOfFourThousandPixels) {
    if (!std::filesystem::exists(kFightEnemySheetPaths[ENEMY_TANK])) GTEST_SKIP() << "no Tank picture yet";
    const LoweredLimit limit(4096);
    auto scene = openFight({hero(PLAYER_IRINA, 0)}, {foe(ENEMY_LIGHT, 0), foe(ENEMY_TANK, 1)});
    FightEnemy& tank = enemy(*scene, 1);
    ASSERT_EQ(tank.enemyType, ENEMY_TANK);
    ASSERT_GT(tank.fighter.body.sheet.count, 1);
    EXPECT_EQ(tank.fighter.body.sheet.sheetSize, sf::Vector2u(10192u, 618u));
    EXPECT_FLOAT_EQ(tank.fighter.body.sprite.getGlobalBounds().width, 910.f);
    // Its 28-frame fall runs across every page, each frame whole and from the right page.
    tank.fighter.stats.life = 0;
    std::set<const sf::Texture*> pagesShown;
    for (int frame = 0; frame < 4 * 60; ++frame) {
        stepQuietly(*scene, 1);
        const sf::Texture* page = tank.fighter.body.sprite.getTexture();
        ASSERT_NE(page, nullptr);
        const sf::IntRect area = tank.fighter.body.sprite.getTextureRect();
        EXPECT_LE(static_cast<unsigned>(area.left + area.width), page->getSize().x);
        pagesShown.insert(page);
    }
    EXPECT_EQ(static_cast<int>(pagesShown.size()), tank.fighter.body.sheet.count);
    EXPECT_EQ(tank.fighter.body.animationState, ENEMY_DEATH);
    EXPECT_EQ(tank.fighter.body.currentAnimation.currentFrame, 27u);
    // The last frame shows real pixels of the sheet's last column.
    sf::Image sheet;
    ASSERT_TRUE(sheet.loadFromFile(kFightEnemySheetPaths[ENEMY_TANK]));
    const sf::Image page = tank.fighter.body.sprite.getTexture()->copyToImage();
    const sf::IntRect area = tank.fighter.body.sprite.getTextureRect();
    int same = 0;
    for (int y = 0; y < 206; y += 7)
        for (int x = 0; x < 364; x += 7)
            if (page.getPixel(static_cast<unsigned>(area.left + x), static_cast<unsigned>(area.top + y)) ==
                sheet.getPixel(static_cast<unsigned>(27 * 364 + x), static_cast<unsigned>(412 + y)))
                ++same;
    EXPECT_EQ(same, 30 * 52);
}
