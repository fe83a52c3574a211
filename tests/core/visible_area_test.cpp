// The visible part of a picture: the box of its pixels that are not fully transparent,
// measured on a texture, or on a cached picture and remembered until the cache is cleared.
#include "core/asset_cache.hpp"
#include "core/visible_area.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

TEST(VisibleArea, IsTheBoxOfEveryPixelNotFullyTransparent) {
    testWindow();
    sf::Image image;
    image.create(9, 7, sf::Color(40, 50, 60, 0)); // colour but no coverage
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_EQ(visiblePictureArea(texture), sf::IntRect()) << "nothing to show";
    image.setPixel(2, 1, sf::Color(0, 0, 0, 1)); // barely visible still counts
    image.setPixel(6, 5, sf::Color::White);
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_EQ(visiblePictureArea(texture), sf::IntRect(2, 1, 5, 5));
    image.setPixel(8, 6, sf::Color::Red); // the far corner
    image.setPixel(0, 0, sf::Color::Red);
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_EQ(visiblePictureArea(texture), sf::IntRect(0, 0, 9, 7));
    EXPECT_EQ(visiblePictureArea(sf::Texture()), sf::IntRect());
}

TEST(VisibleArea, APictureIsMeasuredOnceAndMeasuredAgainAfterTheCacheIsCleared) {
    testWindow();
    const auto dir = std::filesystem::temp_directory_path() / ("ostrevald_visible_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "dot.png").string();
    sf::Image image;
    image.create(8, 8, sf::Color::Transparent);
    image.setPixel(1, 2, sf::Color::White);
    ASSERT_TRUE(image.saveToFile(path));
    clearAssetCache(); // nothing is alive between tests: start from a fresh cache
    EXPECT_EQ(visiblePictureArea(path), sf::IntRect(1, 2, 1, 1));
    // The file changes on disk: the cache still holds the picture it decoded, and its area.
    image.setPixel(6, 7, sf::Color::White);
    ASSERT_TRUE(image.saveToFile(path));
    EXPECT_EQ(visiblePictureArea(path), sf::IntRect(1, 2, 1, 1));
    // A cleared cache decodes the picture anew and forgets the old area with it.
    clearAssetCache();
    EXPECT_EQ(visiblePictureArea(path), sf::IntRect(1, 2, 6, 6));
    clearAssetCache();
    std::filesystem::remove_all(dir);
}
