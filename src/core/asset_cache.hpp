// The one cache of decoded pictures and fonts. Each file is decoded once and shared
// by every sprite or text that shows it; the cache outlives every user of it.
// A file that cannot be read gives an empty texture (draws nothing) or an empty font.
#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// The file to open for `asset` ("Assets/..." names point into the data folder, see
// data_dir.hpp). When that file does not exist, looks for a file in the same folder whose
// name differs only by letter case; the data folder's own path is returned when nothing matches.
std::string resolveAssetPath(const std::string& asset);

const sf::Texture& cachedTexture(const std::string& path);
const sf::Font& cachedFont(const std::string& path);
// Number of distinct files decoded so far (pictures and fonts).
std::size_t cachedAssetCount();
// Drops every cached resource, and the visible areas measured on them; call only once
// nothing refers to them any more.
void clearAssetCache();

// The widest (and tallest) texture this run makes: the graphics card's own limit, or a
// lower one set by a test to play a small card. 0 restores the card's limit.
unsigned textureSizeLimit();
void setTextureSizeLimit(unsigned limit);
// The cached texture stored under `key`, or nullptr when nothing is stored there yet.
const sf::Texture* findCachedTexture(const std::string& key);
// The cache slot stored under `key`, made empty on first use: lets the other core loaders
// (the pages of a wide sheet) keep what they decode in the one cache.
sf::Texture& cachedTextureSlot(const std::string& key);
// The visible area remembered for the picture at `path` (core/visible_area), or nullptr
// when it has not been measured since the cache was last cleared.
const sf::IntRect* findVisibleArea(const std::string& path);
void rememberVisibleArea(const std::string& path, sf::IntRect area);
// Whether the picture at `path` was found without any see-through pixel (core/visible_area),
// or nullptr when it has not been looked at since the cache was last cleared.
const bool* findPictureOpacity(const std::string& path);
void rememberPictureOpacity(const std::string& path, bool opaque);
