#include "core/asset_cache.hpp"
#include "core/resources.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

TEST(AssetCache, EachFileIsDecodedOnceAndShared) {
    testWindow(); // a GL context for the textures
    const sf::Texture& a = createTexture("Assets/Sprites/HUD/mouse_menu.png");
    const std::size_t count = cachedAssetCount();
    const sf::Texture& b = createTexture("Assets/Sprites/HUD/mouse_menu.png");
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(cachedAssetCount(), count);
    sf::Sprite s1 = createSprite(a), s2 = createSprite(b);
    EXPECT_EQ(s1.getTexture(), s2.getTexture());
    EXPECT_EQ(s1.getTextureRect(), sf::IntRect(0, 0, static_cast<int>(a.getSize().x), static_cast<int>(a.getSize().y)));
}

TEST(AssetCache, MissingFilesGiveEmptyResourcesThatDrawNothing) {
    sf::RenderWindow& window = testWindow();
    const sf::Texture& missing = createTexture("Assets/Sprites/nowhere/none.png");
    EXPECT_EQ(missing.getSize(), sf::Vector2u(0, 0));
    sf::Sprite sprite = createSprite(missing);
    window.clear(sf::Color::Black);
    window.draw(sprite); // must not crash
    const sf::Font& font = cachedFont("Assets/Fonts/none.ttf");
    EXPECT_EQ(font.getInfo().family, "");
    sf::IntRect area(0, 0, 10, 10);
    setSpriteRect(&sprite, &area);
    EXPECT_EQ(sprite.getTextureRect(), area);
}

namespace {
// Draws `sprite` alone on black into a texture and counts the pixels that are not black.
int litPixels(const sf::Sprite& sprite) {
    sf::RenderTexture target;
    if (!target.create(200, 200)) return -1;
    target.clear(sf::Color::Black);
    target.draw(sprite);
    target.display();
    const sf::Image image = target.getTexture().copyToImage();
    int lit = 0;
    for (unsigned y = 0; y < 200; ++y)
        for (unsigned x = 0; x < 200; ++x) lit += image.getPixel(x, y) != sf::Color::Black ? 1 : 0;
    return lit;
}
} // namespace

TEST(AssetCache, AMissingPictureGivenAnAreaStillDrawsNothingNotAWhiteBox) {
    testWindow(); // a GL context for the render texture
    const sf::Texture& missing = createTexture("Assets/Sprites/nowhere/button.png");
    const sf::IntRect area(0, 0, 63, 17);

    sf::Sprite made = createSprite(missing);
    setSpriteRect(&made, &area);
    made.setScale(2.f, 2.f);
    made.setPosition(10.f, 10.f);
    EXPECT_EQ(litPixels(made), 0);
    // The sprite keeps its place and size, so hit tests still find it.
    EXPECT_EQ(made.getGlobalBounds(), sf::FloatRect(10.f, 10.f, 126.f, 34.f));

    // A sprite that showed a real picture and is switched to a missing one draws nothing too.
    const sf::Texture& real = createTexture("Assets/Sprites/HUD/mouse_menu.png");
    ASSERT_GT(real.getSize().x, 0u);
    sf::Sprite switched = createSprite(real);
    switched.setPosition(20.f, 30.f);
    ASSERT_GT(litPixels(switched), 0);
    setSpriteTexture(&switched, missing, false);
    EXPECT_EQ(litPixels(switched), 0);
    EXPECT_EQ(switched.getPosition(), sf::Vector2f(20.f, 30.f));
    setSpriteTexture(&switched, real, true);
    EXPECT_GT(litPixels(switched), 0);
}
