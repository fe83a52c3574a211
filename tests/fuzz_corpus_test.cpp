// Replays the inputs the fuzzers kept (fuzz/corpus/<target>/) through the same one-input
// functions the fuzzers run, so that every build checks the file readers against them.
#include "fuzz_inputs.hpp"

#include "menus/settings_menu.hpp"
#include "world/level_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

std::vector<std::filesystem::path> corpusFiles(const char* target) {
    const std::filesystem::path folder = std::filesystem::path(OSTREVALD_SOURCE_DIR) / "fuzz" / "corpus" / target;
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::uint8_t* dataOf(const std::string& bytes) { return reinterpret_cast<const std::uint8_t*>(bytes.data()); }

std::string scratchPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("ostrevald_corpus_" + std::to_string(getpid()) + "_" + name))
        .string();
}

LevelCodes flatLevel(std::int32_t code) {
    LevelCodes codes;
    codes.fill(code);
    return codes;
}

} // namespace

TEST(FuzzCorpus, LevelFilesKeepTheOldMapOrReadWhole) {
    const auto files = corpusFiles("level_file");
    ASSERT_GE(files.size(), 10u) << "the level corpus is missing";
    int accepted = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::string bytes = bytesOf(path);
        EXPECT_EQ(fuzzLevelText(dataOf(bytes), bytes.size()), "");

        // The game's reader, given the file itself, agrees with the text reader.
        LevelCodes fromText = flatLevel(5);
        LevelCodes fromFile = flatLevel(5);
        std::string error;
        const bool parsed = parseLevelText(bytes, &fromText, &error);
        const LevelReadStatus status = readLevelFile(path.string(), &fromFile);
        EXPECT_EQ(status, parsed ? LEVEL_READ_OK : LEVEL_READ_INVALID);
        EXPECT_EQ(fromFile, fromText);
        accepted += parsed ? 1 : 0;
    }
    // Both ways out of the reader are replayed.
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, static_cast<int>(files.size()));
}

TEST(FuzzCorpus, SettingsFilesChangeOnlyNamedValuesAndReadBackTheSame) {
    const auto files = corpusFiles("settings");
    ASSERT_GE(files.size(), 10u) << "the settings corpus is missing";
    int changed = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::string bytes = bytesOf(path);
        EXPECT_EQ(fuzzSettingsText(dataOf(bytes), bytes.size()), "");

        // The menu's file reader agrees with the text reader.
        SettingsValues fromText{1, 4, 0, 6};
        parseSettingsText(bytes, &fromText);
        SettingsMenu menu;
        menu.musicEnable = 1;
        menu.musicVolume = 4;
        menu.soundEnable = 0;
        menu.soundVolume = 6;
        loadSettings(&menu, path.string());
        EXPECT_EQ(menu.musicEnable, fromText.musicEnable);
        EXPECT_EQ(menu.musicVolume, fromText.musicVolume);
        EXPECT_EQ(menu.soundEnable, fromText.soundEnable);
        EXPECT_EQ(menu.soundVolume, fromText.soundVolume);

        // What Apply would write for those values reads back the same at the next start.
        const std::string saved = scratchPath("Settings.txt");
        ASSERT_TRUE(saveSettings(&menu, saved));
        SettingsMenu reread;
        loadSettings(&reread, saved);
        EXPECT_EQ(reread.musicEnable, menu.musicEnable);
        EXPECT_EQ(reread.musicVolume, menu.musicVolume);
        EXPECT_EQ(reread.soundEnable, menu.soundEnable);
        EXPECT_EQ(reread.soundVolume, menu.soundVolume);
        std::filesystem::remove(saved);

        const bool any = fromText.musicEnable != 1 || fromText.musicVolume != 4 || fromText.soundEnable != 0 ||
                         fromText.soundVolume != 6;
        changed += any ? 1 : 0;
    }
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, static_cast<int>(files.size()));
}

TEST(FuzzCorpus, TutorialPagesShowAtMostFourWholeLines) {
    const auto files = corpusFiles("tutorial_page");
    ASSERT_GE(files.size(), 10u) << "the tutorial corpus is missing";
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::string bytes = bytesOf(path);
        EXPECT_EQ(fuzzTutorialPage(dataOf(bytes), bytes.size()), "");
    }
}

// Inputs the fuzzer's dictionary steers toward: the ends of the 32-bit range and bytes a
// text reader could stop at. Numbers are read into their ranges however far out they lie.
TEST(FuzzCorpus, SettingsValuesAtTheEdgesOfTheFormat) {
    SettingsValues values{1, 4, 0, 6};
    parseSettingsText("Music_Volume -2147483648 Sound_Volume 2147483647 Music_Enable 0000000000000000001", &values);
    EXPECT_EQ(values.musicVolume, 0);
    EXPECT_EQ(values.soundVolume, 100);
    EXPECT_EQ(values.musicEnable, 1);

    values = {0, 4, 0, 6};
    parseSettingsText("Music_Volume -2147483649 Sound_Volume 21474836480 Sound_Enable 2147483648", &values);
    EXPECT_EQ(values.musicVolume, 0);
    EXPECT_EQ(values.soundVolume, 100);
    EXPECT_EQ(values.soundEnable, 1);

    // A NUL byte inside a word makes it another word: neither a key nor a value.
    const std::string nulInKey("Music_Volume\0x 55 Sound_Volume 12\0 Sound_Enable 1", 49);
    values = {1, 4, 0, 6};
    parseSettingsText(nulInKey, &values);
    EXPECT_EQ(values.musicVolume, 4);
    EXPECT_EQ(values.soundVolume, 6);
    EXPECT_EQ(values.soundEnable, 1);
}

TEST(FuzzCorpus, SavesAreRefusedWholeOrReadBackTheSame) {
    const auto files = corpusFiles("save_file");
    ASSERT_GE(files.size(), 5u) << "the save corpus is missing";
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::string bytes = bytesOf(path);
        EXPECT_EQ(fuzzSaveText(dataOf(bytes), bytes.size()), "");
    }
}
