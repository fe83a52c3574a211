// Pictures whose art is enlarged in their file are drawn from a smaller copy, k times
// larger: the same pixels on screen, wherever and however the sprite stands.
#include "core/asset_cache.hpp"
#include "core/block_picture.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

// A w x h picture of `block` x `block` squares of varied colours (some see-through), saved
// under the test's temporary folder.
std::string writeBlocks(const std::string& name, unsigned w, unsigned h, unsigned block) {
    const auto dir = std::filesystem::temp_directory_path() / ("ostrevald_blocks_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    sf::Image image;
    image.create(w, h);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w; ++x) {
            const unsigned bx = x / block, by = y / block;
            image.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(bx * 37), static_cast<sf::Uint8>(by * 53),
                                           static_cast<sf::Uint8>((bx + by) * 11),
                                           static_cast<sf::Uint8>((bx + by) % 3 == 0 ? 0 : 255)));
        }
    const std::string path = (dir / name).string();
    EXPECT_TRUE(image.saveToFile(path));
    return path;
}

sf::Image drawn(const sf::Sprite& sprite) {
    sf::RenderTexture canvas;
    EXPECT_TRUE(canvas.create(200, 160));
    canvas.clear(sf::Color(90, 20, 120));
    canvas.draw(sprite);
    canvas.display();
    return canvas.getTexture().copyToImage();
}

} // namespace

TEST(BlockPicture, TheLargestBlockIsFoundAndTheSmallerPictureShowsTheSamePixels) {
    testWindow().setActive(true);
    const std::string four = writeBlocks("four.png", 64, 48, 4);
    const std::string two = writeBlocks("two.png", 64, 48, 2);
    EXPECT_EQ(cachedBlockPicture(four).block, 4);
    EXPECT_EQ(cachedBlockPicture(four).texture->getSize(), sf::Vector2u(16u, 12u));
    EXPECT_EQ(cachedBlockPicture(two).block, 2);

    // A part on whole blocks, with an origin, a scale and a position off the pixel grid.
    sf::Sprite part(cachedTexture(four), sf::IntRect(8, 4, 40, 36));
    part.setOrigin(12.f, 8.f);
    part.setScale(2.f, 3.f);
    part.setPosition(61.f, 37.f);
    sf::Sprite smaller = part;
    ASSERT_TRUE(showBlockPicture(&smaller, four));
    EXPECT_EQ(smaller.getTexture(), cachedBlockPicture(four).texture);
    EXPECT_EQ(smaller.getGlobalBounds(), part.getGlobalBounds());
    EXPECT_EQ(differingPixels(drawn(smaller), drawn(part)), 0);

    // A part that cuts through blocks stays on the whole picture.
    sf::Sprite cut(cachedTexture(four), sf::IntRect(2, 4, 40, 36));
    EXPECT_FALSE(showBlockPicture(&cut, four));
    EXPECT_EQ(cut.getTexture(), &cachedTexture(four));
}

TEST(BlockPicture, OnePixelOutOfItsBlockLeavesThePictureWhole) {
    testWindow().setActive(true);
    const auto dir = std::filesystem::temp_directory_path() / ("ostrevald_blocks_" + std::to_string(::getpid()));
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(writeBlocks("odd.png", 32, 32, 4)));
    image.setPixel(13, 21, sf::Color(1, 2, 3)); // inside a block, not its first pixel
    const std::string odd = (dir / "odd_one.png").string();
    ASSERT_TRUE(image.saveToFile(odd));
    EXPECT_EQ(cachedBlockPicture(odd).block, 1);
    EXPECT_EQ(cachedBlockPicture(odd).texture, nullptr);
    EXPECT_EQ(cachedBlockPicture("Assets/no such picture.png").block, 1) << "a missing picture has no smaller form";
    sf::Sprite whole(cachedTexture(odd));
    EXPECT_FALSE(showBlockPicture(&whole, odd));
}
