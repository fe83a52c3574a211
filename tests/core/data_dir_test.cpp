#include "core/asset_cache.hpp"
#include "core/data_dir.hpp"
#include "world/level_file.hpp"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch folder of this test process, and the data folder set back to none afterwards
// (the other tests read the repository's Assets/ through relative names).
struct DataDirTest : ::testing::Test {
    fs::path root = fs::temp_directory_path() / ("ostrevald_data_dir_" + std::to_string(getpid()));
    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        setDataDir("");
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    // A folder that holds the game's data as far as the search can tell.
    std::string fakeData(const std::string& relative) const {
        const fs::path folder = root / relative;
        fs::create_directories(folder / "Level");
        fs::create_directories(folder / "Sprites");
        std::ofstream(folder / "Level" / "Level01.txt") << "TileType\n";
        std::ofstream(folder / "Level" / "Level02.txt") << "TileType\n";
        return folder.string();
    }
};

} // namespace

TEST_F(DataDirTest, TheFirstFolderThatHoldsTheDataWinsInTheDocumentedOrder) {
    DataDirSearch search;
    search.executable = (root / "prefix" / "bin" / "ostrevald").string();
    fs::create_directories(root / "prefix" / "bin");
    const std::string installed = fakeData("usr/share/ostrevald");
    const std::string source = fakeData("checkout/Assets");
    search.installed = installed;
    search.sourceTree = source;
    EXPECT_EQ(findDataDir(search).folder, installed);

    // A relocatable install (bin/../share/ostrevald) beats the compiled-in prefix...
    const std::string relocated = fakeData("prefix/share/ostrevald");
    EXPECT_EQ(findDataDir(search).folder, relocated);
    // ...and an unpacked archive's Assets/ beside the program beats the compiled-in prefix.
    fs::remove_all(relocated);
    const std::string unpacked = fakeData("prefix/bin/Assets");
    EXPECT_EQ(findDataDir(search).folder, unpacked);

    // Without them: the source tree, last.
    fs::remove_all(unpacked);
    fs::remove_all(installed);
    EXPECT_EQ(findDataDir(search).folder, source);

    // A folder with a level but no pictures is not the data.
    fs::remove_all(fs::path(source) / "Sprites");
    const DataDirChoice none = findDataDir(search);
    EXPECT_EQ(none.folder, "");
    for (const std::string& tried : {installed, source, (root / "prefix" / "share" / "ostrevald").string()})
        EXPECT_NE(none.error.find(tried), std::string::npos) << none.error;
    EXPECT_NE(none.error.find("--data-dir"), std::string::npos) << none.error;
}

TEST_F(DataDirTest, AChosenFolderIsTheOnlyOneTried) {
    DataDirSearch search;
    search.sourceTree = fakeData("checkout/Assets");
    search.chosen = fakeData("mine/");
    search.chosenBy = "--data-dir";
    EXPECT_EQ(findDataDir(search).folder, (root / "mine").string()) << "the trailing slash is dropped";

    // A chosen folder without the data is an error, even though the source tree would do.
    fs::create_directories(root / "empty");
    search.chosen = (root / "empty").string();
    search.chosenBy = "OSTREVALD_DATA_DIR";
    const DataDirChoice choice = findDataDir(search);
    EXPECT_EQ(choice.folder, "");
    EXPECT_NE(choice.error.find("OSTREVALD_DATA_DIR (" + search.chosen + ")"), std::string::npos) << choice.error;
    EXPECT_EQ(choice.error.find('\n'), std::string::npos) << "one line";
    EXPECT_EQ(dataDirCandidates(search), std::vector<std::string>{search.chosen});
}

TEST_F(DataDirTest, TheOptionWinsOverTheEnvironmentVariable) {
    const char* previous = std::getenv("OSTREVALD_DATA_DIR");
    const std::string saved = previous ? previous : "";
    setenv("OSTREVALD_DATA_DIR", "/from/the/environment", 1);
    EXPECT_EQ(dataDirSearch("").chosen, "/from/the/environment");
    EXPECT_EQ(dataDirSearch("").chosenBy, "OSTREVALD_DATA_DIR");
    EXPECT_EQ(dataDirSearch("/from/the/option").chosen, "/from/the/option");
    EXPECT_EQ(dataDirSearch("/from/the/option").chosenBy, "--data-dir");
    setenv("OSTREVALD_DATA_DIR", "", 1);
    EXPECT_EQ(dataDirSearch("").chosen, "") << "an empty variable names nothing";
    if (previous) setenv("OSTREVALD_DATA_DIR", saved.c_str(), 1);
    else unsetenv("OSTREVALD_DATA_DIR");
    // This test program itself is found through /proc, and its source tree holds the data.
    EXPECT_FALSE(dataDirSearch("").executable.empty());
    EXPECT_TRUE(holdsGameData(dataDirSearch("").sourceTree));
}

TEST_F(DataDirTest, AssetNamesResolveIntoTheDataFolderAndOtherPathsStay) {
    EXPECT_EQ(dataPath("Assets/Sprites/HUD/x.png"), "Assets/Sprites/HUD/x.png") << "no data folder set yet";
    setDataDir("/opt/game/data/");
    EXPECT_EQ(dataDir(), "/opt/game/data");
    EXPECT_EQ(dataPath("Assets/Sprites/HUD/x.png"), "/opt/game/data/Sprites/HUD/x.png");
    EXPECT_EQ(dataPath("/home/p/.local/share/ostrevald/Level03.txt"), "/home/p/.local/share/ostrevald/Level03.txt");
    EXPECT_EQ(dataPath("AssetsOther/x.png"), "AssetsOther/x.png");
    EXPECT_EQ(dataPath("Level03.txt"), "Level03.txt");
}

TEST_F(DataDirTest, PicturesAndLevelsAreReadFromTheDataFolder) {
    const std::string data = fakeData("data");
    sf::Image picture;
    picture.create(7, 5, sf::Color::Green);
    ASSERT_TRUE(picture.saveToFile((fs::path(data) / "Sprites" / "DataDirProbe.png").string()));
    // The repository's own first level, one code changed, as the data folder's.
    LevelCodes original{};
    ASSERT_EQ(readLevelFile(levelFilePath(kLevelFolder, 1), &original), LEVEL_READ_OK);
    std::string text = "TileType";
    for (std::size_t i = 0; i < original.size(); ++i) text += " " + std::to_string(i == 0 ? 131 : original[i]);
    std::ofstream(fs::path(data) / "Level" / "Level01.txt") << text << "\n";

    setDataDir(data);
    // The name differs from the file by letter case only, as on a case-blind disk.
    EXPECT_EQ(resolveAssetPath("Assets/Sprites/dataDirProbe.png"),
              (fs::path(data) / "Sprites" / "DataDirProbe.png").string());
    EXPECT_EQ(cachedTexture("Assets/Sprites/DataDirProbe.png").getSize(), sf::Vector2u(7, 5));
    LevelCodes read{};
    ASSERT_EQ(readLevelFile(levelFilePath(kLevelFolder, 1), &read), LEVEL_READ_OK);
    EXPECT_EQ(read[0], 131);
    EXPECT_EQ(read[kCellCount - 1], original[kCellCount - 1]);
}
