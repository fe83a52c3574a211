#include "core/block_picture.hpp"

#include "core/asset_cache.hpp"

#include <SFML/Graphics/Image.hpp>

namespace {

bool madeOfBlocks(const sf::Image& image, unsigned block) {
    const sf::Vector2u size = image.getSize();
    if (size.x % block != 0 || size.y % block != 0) return false;
    const sf::Uint32* pixels = reinterpret_cast<const sf::Uint32*>(image.getPixelsPtr());
    for (unsigned y = 0; y < size.y; ++y) {
        const sf::Uint32* row = pixels + static_cast<std::size_t>(y) * size.x;
        const sf::Uint32* blockRow = pixels + static_cast<std::size_t>(y - y % block) * size.x;
        for (unsigned x = 0; x < size.x; ++x)
            if (row[x] != blockRow[x - x % block]) return false;
    }
    return true;
}

} // namespace

BlockPicture cachedBlockPicture(const std::string& path) {
    // Looked at once: the slot stays empty for a picture that has no smaller form.
    const std::string key = path + "#blocks";
    const sf::Texture* known = findCachedTexture(key);
    if (!known) {
        sf::Texture& slot = cachedTextureSlot(key);
        const sf::Texture& picture = cachedTexture(path);
        if (picture.getSize().x > 0 && picture.getSize().y > 0) {
            const sf::Image image = picture.copyToImage();
            for (unsigned block : {4u, 2u}) {
                if (!madeOfBlocks(image, block)) continue;
                const sf::Vector2u size(image.getSize().x / block, image.getSize().y / block);
                sf::Image smaller;
                smaller.create(size.x, size.y);
                for (unsigned y = 0; y < size.y; ++y)
                    for (unsigned x = 0; x < size.x; ++x) smaller.setPixel(x, y, image.getPixel(x * block, y * block));
                slot.loadFromImage(smaller);
                break;
            }
        }
        known = &slot;
    }
    const sf::Texture& picture = cachedTexture(path);
    if (known->getSize().x == 0 || picture.getSize().x == 0) return {};
    return {known, static_cast<int>(picture.getSize().x / known->getSize().x)};
}

bool showBlockPicture(sf::Sprite* sprite, const std::string& path) {
    const BlockPicture smaller = cachedBlockPicture(path);
    const int k = smaller.block;
    const sf::IntRect shown = sprite->getTextureRect();
    if (!smaller.texture || k <= 1 || shown.left % k != 0 || shown.top % k != 0 || shown.width % k != 0 ||
        shown.height % k != 0)
        return false;
    const float scale = static_cast<float>(k);
    sprite->setTexture(*smaller.texture, false);
    sprite->setTextureRect({shown.left / k, shown.top / k, shown.width / k, shown.height / k});
    sprite->setOrigin(sprite->getOrigin() / scale);
    sprite->setScale(sprite->getScale() * scale);
    return true;
}
