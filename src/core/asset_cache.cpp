#include "core/asset_cache.hpp"

#include "core/data_dir.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>

namespace {

struct AssetCache {
    // std::map keeps element addresses stable, so references handed out stay valid.
    std::map<std::string, std::unique_ptr<sf::Texture>> textures;
    std::map<std::string, std::unique_ptr<sf::Font>> fonts;
    std::map<std::string, sf::IntRect> visibleAreas; // measured on the textures above
    std::map<std::string, bool> opaquePictures;      // likewise
};

unsigned& sizeLimitOverride() {
    static unsigned limit = 0;
    return limit;
}

AssetCache& cache() {
    static AssetCache instance;
    return instance;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

std::string resolveAssetPath(const std::string& asset) {
    namespace fs = std::filesystem;
    const std::string path = dataPath(asset);
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    const fs::path wanted(path);
    const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    const std::string name = lower(wanted.filename().string());
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (lower(it->path().filename().string()) == name)
            return wanted.has_parent_path() ? (folder / it->path().filename()).string() : it->path().filename().string();
    }
    return path;
}

const sf::Texture& cachedTexture(const std::string& path) {
    auto& slot = cache().textures[path];
    if (!slot) {
        slot = std::make_unique<sf::Texture>();
        const std::string actual = resolveAssetPath(path);
        std::error_code ec;
        if (std::filesystem::exists(actual, ec)) slot->loadFromFile(actual);
    }
    return *slot;
}

const sf::Font& cachedFont(const std::string& path) {
    auto& slot = cache().fonts[path];
    if (!slot) {
        slot = std::make_unique<sf::Font>();
        const std::string actual = resolveAssetPath(path);
        std::error_code ec;
        if (std::filesystem::exists(actual, ec)) slot->loadFromFile(actual);
    }
    return *slot;
}

std::size_t cachedAssetCount() { return cache().textures.size() + cache().fonts.size(); }

void clearAssetCache() {
    cache().textures.clear();
    cache().fonts.clear();
    cache().visibleAreas.clear();
    cache().opaquePictures.clear();
}

unsigned textureSizeLimit() {
    const unsigned card = sf::Texture::getMaximumSize();
    const unsigned lowered = sizeLimitOverride();
    return lowered > 0 && lowered < card ? lowered : card;
}

void setTextureSizeLimit(unsigned limit) { sizeLimitOverride() = limit; }

const sf::Texture* findCachedTexture(const std::string& key) {
    const auto found = cache().textures.find(key);
    return found == cache().textures.end() ? nullptr : found->second.get();
}

sf::Texture& cachedTextureSlot(const std::string& key) {
    auto& slot = cache().textures[key];
    if (!slot) slot = std::make_unique<sf::Texture>();
    return *slot;
}

const sf::IntRect* findVisibleArea(const std::string& path) {
    const auto found = cache().visibleAreas.find(path);
    return found == cache().visibleAreas.end() ? nullptr : &found->second;
}

void rememberVisibleArea(const std::string& path, sf::IntRect area) { cache().visibleAreas[path] = area; }

const bool* findPictureOpacity(const std::string& path) {
    const auto found = cache().opaquePictures.find(path);
    return found == cache().opaquePictures.end() ? nullptr : &found->second;
}

void rememberPictureOpacity(const std::string& path, bool opaque) { cache().opaquePictures[path] = opaque; }
