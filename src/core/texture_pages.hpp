// Sheets wider than the largest texture the graphics card accepts. Such a sheet is kept
// in the cache as several pages side by side, each a whole number of frames wide, and a
// sprite on it shows the page that holds its current frame. A sheet that fits is one page:
// the ordinary cached texture.
#pragma once

#include "core/animation.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <string>

constexpr int kMaxTexturePages = 16;

struct TexturePages {
    std::array<const sf::Texture*, kMaxTexturePages> pages{};
    std::int32_t count = 0;
    std::int32_t pageWidth = 0; // sheet columns each page covers (the last may be narrower)
    sf::Vector2u sheetSize;     // the whole sheet, in pixels (0 x 0 when unreadable)
    std::uint32_t frameWidth = 0; // the frame width and the card's limit the pages were cut for
    std::uint32_t sizeLimit = 0;
};

// The sheet at `path` through the one cache, decoded once. Pages hold whole frames of
// `frameWidth` pixels, so no frame is ever cut between two pages.
TexturePages cachedTexturePages(const std::string& path, unsigned frameWidth);

// Shows the area `sheetArea` (in whole-sheet pixels) on `sprite`, from the page holding it.
void setPagedSpriteRect(sf::Sprite* sprite, const TexturePages* pages, const sf::IntRect& sheetArea);

// The area of `sprite` (a sprite on one of the pages) in whole-sheet pixels.
sf::IntRect pagedSpriteSheetRect(const sf::Sprite& sprite, const TexturePages* pages);

// The smallest area of the frame `sheetArea` (whole-sheet pixels) of the sheet at `path`
// that holds every pixel not fully transparent, in whole-sheet pixels; empty when the frame
// shows nothing. Measured on the page holding the frame, every frame of its grid at once,
// and remembered in the cache.
sf::IntRect visiblePagedFrameArea(const std::string& path, const TexturePages* pages, const sf::IntRect& sheetArea);

// updateAnimation for a sprite on a paged sheet: advances, then shows the current frame
// from its page.
void updatePagedAnimation(Animation* animation, sf::Sprite* sprite, const TexturePages* pages, float dt);
