#include "world/tile_atlas.hpp"

#include "core/asset_cache.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// The cache key of one atlas: the pictures it was built from (their GL names and sizes)
// and its size, so a different set of pictures never reuses it.
std::string atlasKey(const TilePictures& pictures, const GroundSheets& sheets, const TileAtlasLayout& layout) {
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    auto mix = [&hash](std::uint64_t value) {
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (value >> (8 * byte)) & 0xffu;
            hash *= 1099511628211ull;
        }
    };
    auto mixTexture = [&mix](const sf::Texture* picture) {
        mix(picture ? picture->getNativeHandle() : 0u);
        mix(picture ? (static_cast<std::uint64_t>(picture->getSize().x) << 32 | picture->getSize().y) : 0u);
    };
    for (const sf::Texture* picture : pictures) mixTexture(picture);
    for (const sf::Texture* sheet : sheets) mixTexture(sheet);
    char key[112];
    std::snprintf(key, sizeof key, "#tile-atlas/%ux%u/%d+%d/%016llx", layout.size.x, layout.size.y,
                  layout.pictureCount, layout.lookCount, static_cast<unsigned long long>(hash));
    return key;
}

// Copies the part `from` of `picture` into `atlas` with its top-left corner at `corner`,
// then repeats its outermost rows and columns kTileAtlasRim pixels outwards (corners included).
void copyWithRim(sf::Image* atlas, const sf::Image& picture, sf::IntRect from, sf::Vector2i corner) {
    const int w = from.width, h = from.height;
    for (int y = -kTileAtlasRim; y < h + kTileAtlasRim; ++y) {
        const unsigned sourceY = static_cast<unsigned>(from.top + std::clamp(y, 0, h - 1));
        for (int x = -kTileAtlasRim; x < w + kTileAtlasRim; ++x) {
            const unsigned sourceX = static_cast<unsigned>(from.left + std::clamp(x, 0, w - 1));
            atlas->setPixel(static_cast<unsigned>(corner.x + x), static_cast<unsigned>(corner.y + y),
                            picture.getPixel(sourceX, sourceY));
        }
    }
}

bool isOpaque(const sf::Image& picture, sf::IntRect area) {
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            if (picture.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 255) return false;
    return true;
}

// Look l's cell on its sheet, or an empty rectangle when the sheet is missing or too small.
sf::IntRect lookSource(const GroundSheets& sheets, int look) {
    const GroundLookCell cell = groundLookCell(look);
    const sf::Texture* sheet = sheets[static_cast<std::size_t>(cell.sheet)];
    const int size = shore::kCellPixels;
    if (!sheet || static_cast<int>(sheet->getSize().x) < (cell.column + 1) * size ||
        static_cast<int>(sheet->getSize().y) < (cell.row + 1) * size)
        return {};
    return {cell.column * size, cell.row * size, size, size};
}

} // namespace

TileAtlasLayout layoutTileAtlas(const TilePictures& pictures, const GroundSheets& sheets) {
    TileAtlasLayout layout;
    // Distinct pictures in code order, and the largest of them: every slot is that big.
    std::array<int, kLastTileCode> slotOf{};
    std::array<const sf::Texture*, kLastTileCode> distinct{};
    int slotWidth = 0, slotHeight = 0;
    for (int i = 0; i < kLastTileCode; ++i) {
        const sf::Texture* picture = pictures[static_cast<std::size_t>(i)];
        slotOf[static_cast<std::size_t>(i)] = -1;
        if (!picture || picture->getSize().x == 0 || picture->getSize().y == 0) continue;
        int slot = 0;
        while (slot < layout.pictureCount && distinct[static_cast<std::size_t>(slot)] != picture) ++slot;
        if (slot == layout.pictureCount) {
            distinct[static_cast<std::size_t>(slot)] = picture;
            layout.pictureCount += 1;
            slotWidth = std::max(slotWidth, static_cast<int>(picture->getSize().x));
            slotHeight = std::max(slotHeight, static_cast<int>(picture->getSize().y));
        }
        slotOf[static_cast<std::size_t>(i)] = slot;
    }
    if (layout.pictureCount == 0) return layout;
    // The looks follow the pictures, each in a slot of its own.
    std::array<int, kGroundLookCount> lookSlot{};
    for (int look = 0; look < kGroundLookCount; ++look) {
        const sf::IntRect source = lookSource(sheets, look);
        lookSlot[static_cast<std::size_t>(look)] = source.width ? layout.pictureCount + layout.lookCount++ : -1;
        slotWidth = std::max(slotWidth, source.width);
        slotHeight = std::max(slotHeight, source.height);
    }
    const int slots = layout.pictureCount + layout.lookCount;
    slotWidth += 2 * kTileAtlasRim;
    slotHeight += 2 * kTileAtlasRim;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(slots))));
    const int rows = (slots + columns - 1) / columns;
    layout.size = {static_cast<unsigned>(columns * slotWidth), static_cast<unsigned>(rows * slotHeight)};
    for (int i = 0; i < kLastTileCode; ++i) {
        const int slot = slotOf[static_cast<std::size_t>(i)];
        if (slot < 0) continue;
        const sf::Vector2u size = pictures[static_cast<std::size_t>(i)]->getSize();
        layout.areas[static_cast<std::size_t>(i)] =
            sf::IntRect((slot % columns) * slotWidth + kTileAtlasRim, (slot / columns) * slotHeight + kTileAtlasRim,
                        static_cast<int>(size.x), static_cast<int>(size.y));
    }
    for (int look = 0; look < kGroundLookCount; ++look) {
        const int slot = lookSlot[static_cast<std::size_t>(look)];
        if (slot < 0) continue;
        layout.lookAreas[static_cast<std::size_t>(look)] =
            sf::IntRect((slot % columns) * slotWidth + kTileAtlasRim, (slot / columns) * slotHeight + kTileAtlasRim,
                        shore::kCellPixels, shore::kCellPixels);
    }
    return layout;
}

const sf::Texture* cachedTileAtlas(const TilePictures& pictures, const TileAtlasLayout& layout,
                                   const GroundSheets& sheets) {
    if (layout.pictureCount == 0) return nullptr;
    const unsigned largest = textureSizeLimit();
    if (layout.size.x > largest || layout.size.y > largest) return nullptr;
    const std::string key = atlasKey(pictures, sheets, layout);
    if (const sf::Texture* built = findCachedTexture(key)) return built->getSize().x ? built : nullptr;

    sf::Image atlas;
    atlas.create(layout.size.x, layout.size.y, sf::Color::Transparent);
    std::array<bool, kLastTileCode> copied{};
    for (int i = 0; i < kLastTileCode; ++i) {
        const sf::IntRect area = layout.areas[static_cast<std::size_t>(i)];
        if (area.width == 0) continue;
        // Codes sharing a picture share its place: copy it once.
        bool already = false;
        for (int j = 0; j < i && !already; ++j)
            already = copied[static_cast<std::size_t>(j)] && layout.areas[static_cast<std::size_t>(j)] == area;
        if (already) continue;
        const sf::Image picture = pictures[static_cast<std::size_t>(i)]->copyToImage();
        // The atlas is drawn without blending: a picture that lets anything show through
        // leaves the slot empty, and the board keeps drawing its cells one by one.
        const sf::IntRect whole(0, 0, area.width, area.height);
        if (!isOpaque(picture, whole)) {
            std::fprintf(stderr, "Ground picture of code %d is not opaque: the ground is drawn cell by cell\n", i + 1);
            cachedTextureSlot(key);
            return nullptr;
        }
        copyWithRim(&atlas, picture, whole, {area.left, area.top});
        copied[static_cast<std::size_t>(i)] = true;
    }
    if (layout.lookCount > 0) {
        std::array<sf::Image, kGroundSheetCount> sheetImages;
        for (std::size_t s = 0; s < sheets.size(); ++s)
            if (sheets[s]) sheetImages[s] = sheets[s]->copyToImage();
        for (int look = 0; look < kGroundLookCount; ++look) {
            const sf::IntRect area = layout.lookAreas[static_cast<std::size_t>(look)];
            const sf::IntRect source = lookSource(sheets, look);
            if (area.width == 0 || source.width == 0) continue;
            const sf::Image& sheet = sheetImages[static_cast<std::size_t>(groundLookCell(look).sheet)];
            if (!isOpaque(sheet, source)) {
                std::fprintf(stderr, "Ground look %d is not opaque: the ground is drawn cell by cell\n", look);
                cachedTextureSlot(key);
                return nullptr;
            }
            copyWithRim(&atlas, sheet, source, {area.left, area.top});
        }
    }
    sf::Texture& slot = cachedTextureSlot(key);
    if (!slot.loadFromImage(atlas)) return nullptr;
    return &slot;
}
