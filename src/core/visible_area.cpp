#include "core/visible_area.hpp"

#include "core/asset_cache.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

sf::IntRect visiblePictureArea(const sf::Texture& texture) {
    const sf::Vector2u size = texture.getSize();
    if (size.x == 0 || size.y == 0) return {};
    const sf::Image image = texture.copyToImage();
    unsigned left = size.x, top = size.y, right = 0, bottom = 0;
    bool any = false;
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x) {
            if (image.getPixel(x, y).a == 0) continue;
            any = true;
            if (x < left) left = x;
            if (x > right) right = x;
            if (y < top) top = y;
            if (y > bottom) bottom = y;
        }
    if (!any) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
            static_cast<int>(bottom - top + 1)};
}

bool pictureIsOpaque(const sf::Texture& texture) {
    const sf::Image image = texture.copyToImage();
    const sf::Vector2u size = image.getSize();
    if (size.x == 0 || size.y == 0) return false;
    const sf::Uint8* pixels = image.getPixelsPtr();
    for (std::size_t i = 3; i < 4u * size.x * size.y; i += 4)
        if (pixels[i] != 255) return false;
    return true;
}

bool pictureIsOpaque(const std::string& path) {
    if (const bool* known = findPictureOpacity(path)) return *known;
    const bool opaque = pictureIsOpaque(cachedTexture(path));
    rememberPictureOpacity(path, opaque);
    return opaque;
}

sf::IntRect opaquePictureCore(const sf::Texture& texture) {
    const sf::Image image = texture.copyToImage();
    const int w = static_cast<int>(image.getSize().x), h = static_cast<int>(image.getSize().y);
    if (w == 0 || h == 0) return {};
    const sf::Uint8* pixels = image.getPixelsPtr();
    // Row by row, the height of the opaque column ending at each pixel; the largest
    // rectangle under that skyline, by a stack of rising heights.
    std::vector<int> height(static_cast<std::size_t>(w) + 1, 0);
    std::vector<int> stack;
    sf::IntRect best;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool opaque = pixels[4u * (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) + 3] == 255;
            height[static_cast<std::size_t>(x)] = opaque ? height[static_cast<std::size_t>(x)] + 1 : 0;
        }
        stack.clear();
        for (int x = 0; x <= w; ++x) {
            const int current = height[static_cast<std::size_t>(x)]; // height[w] stays 0: empties the stack
            while (!stack.empty() && height[static_cast<std::size_t>(stack.back())] >= current) {
                const int top = height[static_cast<std::size_t>(stack.back())];
                stack.pop_back();
                const int left = stack.empty() ? 0 : stack.back() + 1;
                if (top * (x - left) > best.width * best.height) best = {left, y - top + 1, x - left, top};
            }
            stack.push_back(x);
        }
    }
    return best;
}

namespace {

std::string frameKey(const std::string& path, const sf::IntRect& frame) {
    return path + "#frame/" + std::to_string(frame.left) + "/" + std::to_string(frame.top) + "/" +
           std::to_string(frame.width) + "/" + std::to_string(frame.height);
}

// The box of the pixels that are not fully transparent within `frame` of `image`.
sf::IntRect visibleAreaWithin(const sf::Image& image, const sf::IntRect& frame) {
    const unsigned w = image.getSize().x;
    const sf::Uint8* pixels = image.getPixelsPtr();
    int left = frame.left + frame.width, top = frame.top + frame.height, right = -1, bottom = -1;
    for (int y = frame.top; y < frame.top + frame.height; ++y)
        for (int x = frame.left; x < frame.left + frame.width; ++x) {
            if (pixels[4u * (static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)) + 3] == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace

sf::IntRect visibleFrameArea(const std::string& path, const sf::IntRect& frame) {
    if (const sf::IntRect* known = findVisibleArea(frameKey(path, frame))) return *known;
    const sf::Texture& texture = cachedTexture(path);
    const sf::Vector2i size(texture.getSize());
    if (frame.width <= 0 || frame.height <= 0 || frame.left < 0 || frame.top < 0 ||
        frame.left + frame.width > size.x || frame.top + frame.height > size.y)
        return {frame.left, frame.top, std::abs(frame.width), std::abs(frame.height)}; // not a frame of the picture: keep it whole
    const sf::Image image = texture.copyToImage();
    for (int top = frame.top % frame.height; top + frame.height <= size.y; top += frame.height)
        for (int left = frame.left % frame.width; left + frame.width <= size.x; left += frame.width) {
            const sf::IntRect cell(left, top, frame.width, frame.height);
            rememberVisibleArea(frameKey(path, cell), visibleAreaWithin(image, cell));
        }
    const sf::IntRect* measured = findVisibleArea(frameKey(path, frame));
    return measured ? *measured : frame;
}

void showVisibleFramePart(sf::Sprite* sprite, const std::string& path) {
    const sf::IntRect frame = sprite->getTextureRect();
    const sf::IntRect area = visibleFrameArea(path, frame);
    sprite->setTextureRect(area);
    if (area.width > 0 && area.height > 0)
        sprite->setOrigin(sprite->getOrigin() -
                          sf::Vector2f(static_cast<float>(area.left - frame.left), static_cast<float>(area.top - frame.top)));
}

sf::IntRect opaquePictureCore(const std::string& path) {
    const std::string key = path + "#opaque-core";
    if (const sf::IntRect* known = findVisibleArea(key)) return *known;
    const sf::IntRect core = opaquePictureCore(cachedTexture(path));
    rememberVisibleArea(key, core);
    return core;
}

sf::IntRect visiblePictureArea(const std::string& path) {
    if (const sf::IntRect* known = findVisibleArea(path)) return *known;
    const sf::IntRect area = visiblePictureArea(cachedTexture(path));
    rememberVisibleArea(path, area);
    return area;
}
