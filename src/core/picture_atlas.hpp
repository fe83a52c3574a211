// Several cached pictures copied into one texture, so that sprites showing any of them are
// drawn together in one call (core/sprite_batch). Each picture is framed by a rim repeating
// its own edge pixels: a sample landing just past an edge (a scrolled or zoomed view) reads
// what the lone picture gives, since every texture clamps to its edge.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <span>
#include <string>

constexpr int kMaxAtlasPictures = 48;
// Pixels of repeated edge around each picture.
constexpr int kPictureAtlasRim = 2;

struct PictureAtlas {
    // Null when there is nothing to hold or the atlas would exceed the card's largest
    // texture: every sprite is then drawn on its own picture.
    const sf::Texture* texture = nullptr;
    std::array<const sf::Texture*, kMaxAtlasPictures> pictures{};
    std::array<sf::Vector2i, kMaxAtlasPictures> corners{}; // where picture k's top-left lies
    std::int32_t count = 0;
};

// Where each of `pictures` goes (rows of pictures, tallest first, no wider than `width`),
// and the size of the whole; pictures without pixels, repeated ones and those past
// kMaxAtlasPictures are left out.
PictureAtlas layoutPictureAtlas(std::span<const sf::Texture* const> pictures, unsigned width, sf::Vector2u* size);

// The atlas of `pictures` under `name`, built on first use and kept in the one cache (a
// different set of pictures under the same name builds another).
PictureAtlas cachedPictureAtlas(const std::string& name, std::span<const sf::Texture* const> pictures);

// Index of `picture` in `atlas`, or -1.
std::int32_t atlasPictureIndex(const PictureAtlas& atlas, const sf::Texture* picture);
