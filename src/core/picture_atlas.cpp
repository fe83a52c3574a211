#include "core/picture_atlas.hpp"

#include "core/asset_cache.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The cache key: the name, the pictures (their GL names and sizes) and their count, so a
// different set never reuses an atlas.
std::string atlasKey(const std::string& name, std::span<const sf::Texture* const> pictures) {
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    auto mix = [&hash](std::uint64_t value) {
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (value >> (8 * byte)) & 0xffu;
            hash *= 1099511628211ull;
        }
    };
    for (const sf::Texture* picture : pictures) {
        mix(picture ? picture->getNativeHandle() : 0u);
        mix(picture ? (static_cast<std::uint64_t>(picture->getSize().x) << 32 | picture->getSize().y) : 0u);
    }
    char key[64];
    std::snprintf(key, sizeof key, "/%zu/%016llx", pictures.size(), static_cast<unsigned long long>(hash));
    return "#atlas/" + name + key;
}

// Copies `picture` into the RGBA rows of `atlas` (`atlasWidth` pixels wide) with its
// top-left at `corner`, then repeats its outermost pixels kPictureAtlasRim pixels outwards.
void copyWithRim(std::vector<sf::Uint8>* atlas, unsigned atlasWidth, const sf::Image& picture, sf::Vector2i corner) {
    const int w = static_cast<int>(picture.getSize().x), h = static_cast<int>(picture.getSize().y);
    const sf::Uint8* source = picture.getPixelsPtr();
    const int rim = kPictureAtlasRim;
    for (int y = -rim; y < h + rim; ++y) {
        const std::size_t sourceRow = static_cast<std::size_t>(std::clamp(y, 0, h - 1)) * static_cast<std::size_t>(w) * 4u;
        sf::Uint8* row = atlas->data() + (static_cast<std::size_t>(corner.y + y) * atlasWidth + static_cast<std::size_t>(corner.x)) * 4u;
        std::memcpy(row, source + sourceRow, static_cast<std::size_t>(w) * 4u);
        for (int x = 1; x <= rim; ++x) {
            std::memcpy(row - 4 * x, source + sourceRow, 4);
            std::memcpy(row + 4 * (w - 1 + x), source + sourceRow + 4u * static_cast<std::size_t>(w - 1), 4);
        }
    }
}

} // namespace

PictureAtlas layoutPictureAtlas(std::span<const sf::Texture* const> pictures, unsigned width, sf::Vector2u* size) {
    PictureAtlas atlas;
    for (const sf::Texture* picture : pictures) {
        if (!picture || picture->getSize().x == 0 || picture->getSize().y == 0) continue;
        if (atlasPictureIndex(atlas, picture) >= 0 || atlas.count == kMaxAtlasPictures) continue;
        atlas.pictures[static_cast<std::size_t>(atlas.count)] = picture;
        atlas.count += 1;
    }
    // Rows, tallest pictures first (ties in the order given).
    std::array<std::int32_t, kMaxAtlasPictures> order{};
    for (std::int32_t k = 0; k < atlas.count; ++k) order[static_cast<std::size_t>(k)] = k;
    std::stable_sort(order.begin(), order.begin() + atlas.count, [&atlas](std::int32_t a, std::int32_t b) {
        return atlas.pictures[static_cast<std::size_t>(a)]->getSize().y >
               atlas.pictures[static_cast<std::size_t>(b)]->getSize().y;
    });
    const int rim = kPictureAtlasRim;
    int x = 0, y = 0, rowHeight = 0, widest = 0;
    for (std::int32_t k = 0; k < atlas.count; ++k) {
        const std::size_t index = static_cast<std::size_t>(order[static_cast<std::size_t>(k)]);
        const sf::Vector2u picture = atlas.pictures[index]->getSize();
        const int w = static_cast<int>(picture.x) + 2 * rim, h = static_cast<int>(picture.y) + 2 * rim;
        if (x > 0 && x + w > static_cast<int>(width)) {
            y += rowHeight;
            x = 0;
            rowHeight = 0;
        }
        atlas.corners[index] = {x + rim, y + rim};
        x += w;
        rowHeight = std::max(rowHeight, h);
        widest = std::max(widest, x);
    }
    *size = {static_cast<unsigned>(widest), static_cast<unsigned>(y + rowHeight)};
    return atlas;
}

PictureAtlas cachedPictureAtlas(const std::string& name, std::span<const sf::Texture* const> pictures) {
    const unsigned largest = textureSizeLimit();
    sf::Vector2u size;
    PictureAtlas atlas = layoutPictureAtlas(pictures, std::min(largest, 2048u), &size);
    if (atlas.count == 0 || size.x > largest || size.y > largest) {
        atlas.texture = nullptr;
        return atlas;
    }
    const std::string key = atlasKey(name, pictures);
    if (const sf::Texture* built = findCachedTexture(key)) {
        atlas.texture = built->getSize().x ? built : nullptr;
        return atlas;
    }
    std::vector<sf::Uint8> pixels(4u * size.x * size.y, 0); // transparent between the pictures
    for (std::int32_t k = 0; k < atlas.count; ++k) {
        const std::size_t index = static_cast<std::size_t>(k);
        copyWithRim(&pixels, size.x, atlas.pictures[index]->copyToImage(), atlas.corners[index]);
    }
    sf::Texture& slot = cachedTextureSlot(key);
    if (!slot.create(size.x, size.y)) return PictureAtlas{};
    slot.update(pixels.data());
    atlas.texture = &slot;
    return atlas;
}

std::int32_t atlasPictureIndex(const PictureAtlas& atlas, const sf::Texture* picture) {
    for (std::int32_t k = 0; k < atlas.count && k < kMaxAtlasPictures; ++k)
        if (atlas.pictures[static_cast<std::size_t>(k)] == picture) return k;
    return -1;
}
