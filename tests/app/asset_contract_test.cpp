#include "core/asset_cache.hpp"
#include "app/app_assets.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

TEST(AssetContract, EveryFileTheGameOpensExistsAndIsLargeEnough) {
    const auto rows = allAssetRequirements();
    ASSERT_FALSE(rows.empty());
    for (const AssetRequirement& row : rows) {
        const std::string path = resolveAssetPath(row.path);
        ASSERT_TRUE(std::filesystem::exists(path)) << "missing: " << row.path;
        if (endsWith(path, ".png") || endsWith(path, ".jpg")) {
            sf::Image image;
            ASSERT_TRUE(image.loadFromFile(path)) << "not a picture: " << row.path;
            EXPECT_GE(image.getSize().x, row.minWidth) << row.path;
            EXPECT_GE(image.getSize().y, row.minHeight) << row.path;
        } else if (endsWith(path, ".ttf")) {
            sf::Font font;
            EXPECT_TRUE(font.loadFromFile(path)) << "not a font: " << row.path;
        } else if (endsWith(path, ".wav")) {
            sf::InputSoundFile sound;
            ASSERT_TRUE(sound.openFromFile(path)) << "not a sound: " << row.path;
            EXPECT_GT(sound.getDuration().asSeconds(), 30.f);
            EXPECT_LT(sound.getDuration().asSeconds(), 60.5f);
        }
    }
}

TEST(AssetContract, NoTwoRepositoryFilesDifferOnlyByCase) {
    std::set<std::string> seen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("Assets")) {
        std::string lower = entry.path().string();
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(lower).second) << "case-only twin: " << entry.path();
    }
}

TEST(AssetCache, FallsBackToACaseInsensitiveMatchInTheSameFolder) {
    const auto dir = std::filesystem::temp_directory_path() / "ostrevald_case_test";
    std::filesystem::create_directories(dir);
    const auto real = dir / "Black.png";
    sf::Image img;
    img.create(4, 3, sf::Color::Red);
    ASSERT_TRUE(img.saveToFile(real.string()));
    EXPECT_EQ(resolveAssetPath((dir / "black.png").string()), real.string());
    EXPECT_EQ(resolveAssetPath((dir / "Black.png").string()), real.string());
    EXPECT_EQ(resolveAssetPath((dir / "missing.png").string()), (dir / "missing.png").string());
    std::filesystem::remove_all(dir);
}
