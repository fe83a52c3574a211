#include "core/texture_pages.hpp"

#include "core/asset_cache.hpp"
#include "core/visible_area.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <filesystem>

namespace {

std::string pageKey(const std::string& path, unsigned limit, unsigned frameWidth, int page) {
    return path + "#page/" + std::to_string(limit) + "/" + std::to_string(frameWidth) + "/" + std::to_string(page);
}

TexturePages onePage(const sf::Texture* texture) {
    TexturePages pages;
    pages.pages[0] = texture;
    pages.count = 1;
    pages.sheetSize = texture->getSize();
    pages.pageWidth = static_cast<std::int32_t>(pages.sheetSize.x);
    return pages;
}

// Pages already cut under this limit and frame width, gathered from the cache.
TexturePages gatherPages(const std::string& path, unsigned limit, unsigned frameWidth) {
    TexturePages pages;
    for (int k = 0; k < kMaxTexturePages; ++k) {
        const sf::Texture* page = findCachedTexture(pageKey(path, limit, frameWidth, k));
        if (!page) break;
        pages.pages[static_cast<std::size_t>(k)] = page;
        pages.count = k + 1;
        pages.sheetSize.x += page->getSize().x;
        pages.sheetSize.y = page->getSize().y;
    }
    if (pages.count > 0) pages.pageWidth = static_cast<std::int32_t>(pages.pages[0]->getSize().x);
    return pages;
}

} // namespace

TexturePages cachedTexturePages(const std::string& path, unsigned frameWidth) {
    const unsigned limit = textureSizeLimit();
    // Already split under this limit?
    TexturePages pages = gatherPages(path, limit, frameWidth);
    pages.frameWidth = frameWidth;
    pages.sizeLimit = limit;
    if (pages.count > 0) return pages;
    // Already in the cache whole and small enough?
    if (const sf::Texture* whole = findCachedTexture(path)) {
        const sf::Vector2u size = whole->getSize();
        if (size.x > 0 && size.x <= limit && size.y <= limit) return onePage(whole);
    }
    const std::string actual = resolveAssetPath(path);
    std::error_code ec;
    sf::Image image;
    if (!std::filesystem::exists(actual, ec) || !image.loadFromFile(actual)) return onePage(&cachedTextureSlot(path));
    const sf::Vector2u size = image.getSize();
    if (size.x <= limit && size.y <= limit) {
        sf::Texture& whole = cachedTextureSlot(path);
        whole.loadFromImage(image);
        return onePage(&whole);
    }
    // Too wide: whole frames per page, as many as the limit allows (at least one column).
    unsigned pageWidth = limit;
    if (frameWidth > 0 && frameWidth <= limit) pageWidth = (limit / frameWidth) * frameWidth;
    const unsigned height = std::min(size.y, limit);
    for (unsigned left = 0; left < size.x && pages.count < kMaxTexturePages; left += pageWidth) {
        const unsigned width = std::min(pageWidth, size.x - left);
        sf::Texture& page = cachedTextureSlot(pageKey(path, limit, frameWidth, pages.count));
        page.loadFromImage(image, sf::IntRect(static_cast<int>(left), 0, static_cast<int>(width), static_cast<int>(height)));
        pages.pages[static_cast<std::size_t>(pages.count)] = &page;
        pages.count += 1;
    }
    pages.pageWidth = static_cast<std::int32_t>(pageWidth);
    pages.sheetSize = size;
    return pages;
}

void setPagedSpriteRect(sf::Sprite* sprite, const TexturePages* pages, const sf::IntRect& sheetArea) {
    sf::IntRect area = sheetArea;
    if (pages->count > 1 && pages->pageWidth > 0) {
        const int page = std::clamp(area.left / pages->pageWidth, 0, pages->count - 1);
        area.left -= page * pages->pageWidth;
        const sf::Texture* texture = pages->pages[static_cast<std::size_t>(page)];
        if (texture && sprite->getTexture() != texture) sprite->setTexture(*texture, false);
    }
    sprite->setTextureRect(area);
}

sf::IntRect pagedSpriteSheetRect(const sf::Sprite& sprite, const TexturePages* pages) {
    sf::IntRect area = sprite.getTextureRect();
    for (int k = 1; k < pages->count; ++k)
        if (pages->pages[static_cast<std::size_t>(k)] == sprite.getTexture()) area.left += k * pages->pageWidth;
    return area;
}

sf::IntRect visiblePagedFrameArea(const std::string& path, const TexturePages* pages, const sf::IntRect& sheetArea) {
    if (pages->count <= 1 || pages->pageWidth <= 0) return visibleFrameArea(path, sheetArea);
    const int page = std::clamp(sheetArea.left / pages->pageWidth, 0, pages->count - 1);
    const int offset = page * pages->pageWidth;
    sf::IntRect area = visibleFrameArea(pageKey(path, pages->sizeLimit, pages->frameWidth, page),
                                        {sheetArea.left - offset, sheetArea.top, sheetArea.width, sheetArea.height});
    if (area.width > 0 && area.height > 0) area.left += offset;
    return area;
}

void updatePagedAnimation(Animation* animation, sf::Sprite* sprite, const TexturePages* pages, float dt) {
    updateAnimation(animation, sprite, dt);
    setPagedSpriteRect(sprite, pages, currentFrameRect(animation));
}
