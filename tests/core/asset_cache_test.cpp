#include "core/asset_cache.hpp"
#include "core/resources.hpp"
#include "support/test_window.hpp"

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
