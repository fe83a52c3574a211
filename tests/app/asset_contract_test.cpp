#include "core/asset_cache.hpp"
#include "app/app_assets.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

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
        } else if (endsWith(path, ".wav") && row.path.find("/Sounds/") != std::string::npos) {
            // An effect: short, mono, and normalized so that none drowns the others.
            sf::InputSoundFile sound;
            ASSERT_TRUE(sound.openFromFile(path)) << "not a sound: " << row.path;
            EXPECT_GT(sound.getDuration().asSeconds(), 0.05f) << row.path;
            EXPECT_LT(sound.getDuration().asSeconds(), 2.5f) << row.path;
            EXPECT_EQ(sound.getChannelCount(), 1u) << row.path;
            std::vector<sf::Int16> samples(static_cast<std::size_t>(sound.getSampleCount()));
            ASSERT_EQ(sound.read(samples.data(), samples.size()), samples.size()) << row.path;
            int peak = 0;
            for (const sf::Int16 s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
            EXPECT_GT(peak, 32767 / 4) << "quieter than -12 dBFS: " << row.path;  // -12 dB
            EXPECT_LT(peak, 32767 * 9 / 10) << "louder than -1 dBFS: " << row.path; // -1 dB
            EXPECT_LE(std::abs(static_cast<int>(samples.back())), 64) << "ends with a click: " << row.path;
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
