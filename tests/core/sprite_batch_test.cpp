// Sprites gathered over a picture atlas and drawn in one call must show exactly what
// drawing each on its own picture shows: turned, mirrored, tinted, scaled, at fractional
// places, overlapping, and mixed with sprites whose picture is not in the atlas.
#include "core/asset_cache.hpp"
#include "core/picture_atlas.hpp"
#include "core/sprite_batch.hpp"
#include "core/visible_area.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// A picture where every pixel differs from its neighbours, with see-through parts.
sf::Image patterned(unsigned w, unsigned h, int seed) {
    sf::Image image;
    image.create(w, h);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w; ++x) {
            const auto v = static_cast<sf::Uint8>((x * 37 + y * 91 + static_cast<unsigned>(seed) * 53) % 256);
            const sf::Uint8 alpha = (x + y + static_cast<unsigned>(seed)) % 5 == 0 ? 0 : ((x * y) % 3 == 0 ? 128 : 255);
            image.setPixel(x, y, sf::Color(v, static_cast<sf::Uint8>(255 - v), static_cast<sf::Uint8>(v ^ 0x5a), alpha));
        }
    return image;
}


struct Pictures {
    std::array<sf::Texture, 4> textures;
    Pictures() {
        const sf::Vector2u sizes[4] = {{64, 64}, {150, 15}, {33, 70}, {80, 40}};
        for (int k = 0; k < 4; ++k)
            textures[static_cast<std::size_t>(k)].loadFromImage(patterned(sizes[k].x, sizes[k].y, k));
    }
};

// Draws `sprites` into `target`: gathered over `atlas`, or each alone. Returns the calls made.
int drawAll(sf::RenderTexture& target, const std::vector<sf::Sprite>& sprites, const PictureAtlas& atlas, bool gathered) {
    target.clear(sf::Color(30, 60, 90));
    std::array<sf::Vertex, 16 * kSpriteBatchVerticesPerSprite> storage;
    SpriteBatch batch;
    if (gathered) {
        batch.vertices = storage;
        batch.atlas = atlas;
    }
    for (const sf::Sprite& sprite : sprites) batchSprite(&batch, sprite, target);
    flushSpriteBatch(&batch, target);
    target.display();
    return batch.drawCalls;
}

} // namespace

TEST(PictureAtlas, HoldsEachPictureOnceWithoutOverlapAndFramedByItsEdges) {
    testWindow();
    Pictures p;
    const sf::Texture* list[] = {&p.textures[0], &p.textures[1], &p.textures[0], nullptr, &p.textures[2], &p.textures[3]};
    sf::Vector2u size;
    const PictureAtlas layout = layoutPictureAtlas(list, 160, &size);
    ASSERT_EQ(layout.count, 4) << "the repeated picture and the null are left out";
    for (int a = 0; a < layout.count; ++a) {
        const auto ia = static_cast<std::size_t>(a);
        const sf::Vector2i sa(layout.pictures[ia]->getSize());
        const sf::IntRect ra(layout.corners[ia] - sf::Vector2i(kPictureAtlasRim, kPictureAtlasRim),
                             sa + sf::Vector2i(2 * kPictureAtlasRim, 2 * kPictureAtlasRim));
        EXPECT_GE(ra.left, 0);
        EXPECT_GE(ra.top, 0);
        EXPECT_LE(ra.left + ra.width, static_cast<int>(size.x));
        EXPECT_LE(ra.top + ra.height, static_cast<int>(size.y));
        for (int b = a + 1; b < layout.count; ++b) {
            const auto ib = static_cast<std::size_t>(b);
            const sf::IntRect rb(layout.corners[ib] - sf::Vector2i(kPictureAtlasRim, kPictureAtlasRim),
                                 sf::Vector2i(layout.pictures[ib]->getSize()) + sf::Vector2i(2 * kPictureAtlasRim, 2 * kPictureAtlasRim));
            EXPECT_FALSE(ra.intersects(rb)) << a << " and " << b;
        }
    }

    const PictureAtlas atlas = cachedPictureAtlas("test", list);
    ASSERT_NE(atlas.texture, nullptr);
    const sf::Image whole = atlas.texture->copyToImage();
    for (int k = 0; k < atlas.count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const sf::Image picture = atlas.pictures[i]->copyToImage();
        const sf::Vector2i c = atlas.corners[i];
        const int w = static_cast<int>(picture.getSize().x), h = static_cast<int>(picture.getSize().y);
        int wrong = 0;
        for (int y = -kPictureAtlasRim; y < h + kPictureAtlasRim; ++y)
            for (int x = -kPictureAtlasRim; x < w + kPictureAtlasRim; ++x)
                wrong += whole.getPixel(static_cast<unsigned>(c.x + x), static_cast<unsigned>(c.y + y)) !=
                                 picture.getPixel(static_cast<unsigned>(std::clamp(x, 0, w - 1)),
                                                  static_cast<unsigned>(std::clamp(y, 0, h - 1)))
                             ? 1
                             : 0;
        EXPECT_EQ(wrong, 0) << "picture " << k;
    }
    const std::size_t cached = cachedAssetCount();
    const PictureAtlas again = cachedPictureAtlas("test", list);
    EXPECT_EQ(again.texture, atlas.texture) << "built once";
    EXPECT_EQ(cachedAssetCount(), cached);

    // On a card too small for it, there is no atlas: every sprite is drawn on its own.
    setTextureSizeLimit(64);
    EXPECT_EQ(cachedPictureAtlas("test-small", list).texture, nullptr);
    setTextureSizeLimit(0);
}

TEST(SpriteBatch, GatheredSpritesShowTheSamePixelsAsEachDrawnAlone) {
    testWindow();
    Pictures p;
    sf::Texture outside; // a picture the atlas does not hold
    outside.loadFromImage(patterned(20, 20, 9));
    const sf::Texture* list[] = {&p.textures[0], &p.textures[1], &p.textures[2], &p.textures[3]};
    const PictureAtlas atlas = cachedPictureAtlas("test-batch", list);
    ASSERT_NE(atlas.texture, nullptr);

    std::vector<sf::Sprite> sprites;
    sf::Sprite a(p.textures[0], {0, 0, 64, 64});
    a.setScale(2.f, 2.f);
    a.setPosition(10.f, 12.f);
    sprites.push_back(a);
    sf::Sprite digit(p.textures[1], {45, 0, 15, 15}); // one digit of a strip
    digit.setScale(2.f, 2.f);
    digit.setPosition(100.25f, 40.75f);
    sprites.push_back(digit);
    sf::Sprite mirrored(p.textures[2], {33, 0, -33, 70}); // a mirrored area
    mirrored.setPosition(60.f, 30.f);
    mirrored.setScale(1.5f, 1.5f);
    sprites.push_back(mirrored);
    mirrored.setScale(-1.f, 3.f); // mirrored by its scale
    mirrored.setPosition(140.75f, 20.f);
    sprites.push_back(mirrored);
    sf::Sprite alone(outside);
    alone.setPosition(70.f, 50.f);
    alone.setScale(3.f, 3.f);
    sprites.push_back(alone);
    sf::Sprite turned(p.textures[3], {10, 5, 50, 30});
    turned.setOrigin(25.f, 15.f);
    turned.setRotation(30.f);
    turned.setPosition(120.f, 90.f);
    turned.setColor(sf::Color(255, 128, 128, 200));
    sprites.push_back(turned);
    sf::Sprite none; // no picture: draws nothing either way
    sprites.push_back(none);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(220, 180));
    EXPECT_EQ(drawAll(target, sprites, atlas, false), 6);
    const sf::Image alonePixels = target.getTexture().copyToImage();
    // The first two gathered, the one scaled by a fraction alone, the one mirrored by its
    // scale gathered, the picture the atlas lacks and the turned one alone.
    EXPECT_EQ(drawAll(target, sprites, atlas, true), 5);
    const sf::Image gatheredPixels = target.getTexture().copyToImage();
    EXPECT_EQ(differingPixels(alonePixels, gatheredPixels), 0);
    // The pictures are really there: without the first sprite the picture changes.
    sprites.erase(sprites.begin());
    drawAll(target, sprites, atlas, true);
    EXPECT_GT(differingPixels(gatheredPixels, target.getTexture().copyToImage()), 1000);

    // A list too short for everything draws what it holds and goes on in order.
    std::array<sf::Vertex, 2 * kSpriteBatchVerticesPerSprite> few;
    SpriteBatch shortBatch;
    shortBatch.vertices = few;
    shortBatch.atlas = atlas;
    target.clear(sf::Color(30, 60, 90));
    for (int k = 0; k < 4; ++k) {
        sf::Sprite s(p.textures[static_cast<std::size_t>(k)]);
        s.setPosition(static_cast<float>(k * 20), 0.f);
        batchSprite(&shortBatch, s, target);
    }
    flushSpriteBatch(&shortBatch, target);
    EXPECT_EQ(shortBatch.drawCalls, 3);
}

TEST(OpaqueCore, IsTheLargestRectangleOfFullyOpaquePixels) {
    testWindow();
    sf::Image image;
    image.create(12, 9, sf::Color::White);
    image.setPixel(0, 0, sf::Color(255, 255, 255, 254));
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_EQ(opaquePictureCore(texture), sf::IntRect(1, 0, 11, 9)) << "11 x 9 beats 12 x 8";
    image.create(12, 9, sf::Color::Transparent);
    for (unsigned y = 2; y < 7; ++y)
        for (unsigned x = 3; x < 11; ++x) image.setPixel(x, y, sf::Color::Red);
    image.setPixel(5, 4, sf::Color(255, 0, 0, 128)); // a see-through hole splits it
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_EQ(opaquePictureCore(texture), sf::IntRect(6, 2, 5, 5));
    EXPECT_EQ(opaquePictureCore(sf::Texture()), sf::IntRect());
}
