#include "core/atomic_write.hpp"
#include "world/level_file.hpp"
#include "world/temp_level_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

// A valid map whose codes differ from cell to cell, so a shifted read shows.
LevelCodes sampleCodes() {
    LevelCodes codes{};
    for (int i = 0; i < kCellCount; ++i) codes[static_cast<std::size_t>(i)] = 1 + (i * 7) % 144;
    return codes;
}

std::string joinCodes(const LevelCodes& codes, const char* separator, const char* format = "%d") {
    std::string text;
    char number[16];
    for (int i = 0; i < kCellCount; ++i) {
        std::snprintf(number, sizeof(number), format, codes[static_cast<std::size_t>(i)]);
        text += number;
        text += separator;
    }
    return text;
}

LevelCodes filled(std::int32_t value) {
    LevelCodes codes{};
    codes.fill(value);
    return codes;
}

} // namespace

TEST(LevelFile, PathsUseTwoDigitLevelNumbers) {
    EXPECT_EQ(levelFilePath(kLevelFolder, 3), "Assets/Level/Level03.txt");
    EXPECT_EQ(levelFilePath(kLevelFolder, 10), "Assets/Level/Level10.txt");
    EXPECT_EQ(levelFilePath("/tmp/x", 1), "/tmp/x/Level01.txt");
}

TEST(LevelFile, AnyWhitespaceLayoutAndLeadingZerosLoadTheSameCodes) {
    const LevelCodes expected = sampleCodes();
    const std::string layouts[] = {
        formatLevelText(expected, true),                               // the game's own layout
        formatLevelText(expected, false),                              // the raw ground layout
        "TileType " + joinCodes(expected, " "),                        // all on one line
        "\n\nTileType\n\n\n" + joinCodes(expected, "\n\n") + "\n\n\n", // blank lines everywhere
        "TileType\r\n" + joinCodes(expected, "\t\r\n"),                // tabs and CRLF
        "TileType\n" + joinCodes(expected, " ", "%04d"),               // extra leading zeros
    };
    for (const std::string& text : layouts) {
        LevelCodes codes = filled(5);
        std::string error;
        ASSERT_TRUE(parseLevelText(text, &codes, &error)) << error << "\n" << text.substr(0, 80);
        EXPECT_EQ(codes, expected);
    }
}

TEST(LevelFile, GameLayoutIsTileTypeThenSeventeenRowsOfPaddedCodes) {
    LevelCodes codes = filled(87);
    codes[0] = 7;
    codes[29] = 142;
    const std::string text = formatLevelText(codes, true);
    EXPECT_EQ(text.substr(0, 9), "TileType\n");
    EXPECT_EQ(text.substr(9, 9), "07 87 87 ");
    const std::size_t firstRowEnd = text.find('\n', 9);
    EXPECT_EQ(text.substr(firstRowEnd - 4, 5), "142 \n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);
    EXPECT_EQ(formatLevelText(codes, false).substr(9, 9), "7 87 87 8");
}

TEST(LevelFile, BadFilesAreRejectedWithTheProblemAndChangeNothing) {
    const LevelCodes good = sampleCodes();
    const std::string body = joinCodes(good, " ");
    std::string truncated = "TileType\n" + joinCodes(good, " ");
    truncated.resize(truncated.rfind(' ', truncated.size() - 2)); // drop the last code
    std::string badWord = "TileType\n" + body;
    badWord.replace(badWord.find(' ', 20) + 1, 2, "x7");
    struct Case {
        std::string text;
        const char* problem;
    } cases[] = {
        {"", "TileType"},
        {body, "TileType"},                         // keyword missing
        {"Tiletype\n" + body, "TileType"},          // keyword misspelt
        {"TileType" + body, "TileType"},            // keyword glued to the first code
        {truncated, "509 tile codes"},              // one code short
        {"TileType\n", "0 tile codes"},             // no codes at all
        {badWord, "not a number"},                  // a word among the codes
        {"TileType\n0 " + body, "outside 1 to 144"}, // 0 is not a catalogue entry
        {"TileType\n145 " + body, "outside 1 to 144"},
        {"TileType\n-3 " + body, "outside 1 to 144"},
        {"TileType\n99999999999999999999 " + body, "outside 1 to 144"},
        {"TileType\n" + body + "87", "more than 510"}, // one code too many
    };
    for (const Case& c : cases) {
        LevelCodes codes = filled(9);
        std::string error;
        EXPECT_FALSE(parseLevelText(c.text, &codes, &error)) << c.text.substr(0, 40);
        EXPECT_NE(error.find(c.problem), std::string::npos) << "error was: " << error;
        EXPECT_EQ(codes, filled(9)) << "a rejected file must not half-load";
    }
}

TEST(LevelFile, ReadingReportsFileAndProblemOnStandardError) {
    TempLevelFolder temp;
    const std::string path = temp.file("Level01.txt");
    writeWholeFile(path, "TileType\n1 2 3\n");
    LevelCodes codes = filled(9);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(readLevelFile(path, &codes), LEVEL_READ_INVALID);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(path), std::string::npos) << err;
    EXPECT_NE(err.find("3 tile codes instead of 510"), std::string::npos) << err;
    EXPECT_EQ(out.find(kOpenFileError), std::string::npos);
    EXPECT_EQ(codes, filled(9));
}

TEST(LevelFile, MissingFilePrintsOpenFileErrorAndChangesNothing) {
    TempLevelFolder temp;
    LevelCodes codes = filled(9);
    testing::internal::CaptureStdout();
    EXPECT_EQ(readLevelFile(temp.file("Level07.txt"), &codes), LEVEL_READ_OPEN_FAILED);
    // The message ends its line, so the next trace starts on a line of its own.
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open file error !!!\n");
    EXPECT_EQ(codes, filled(9));
}

TEST(LevelFile, WritesAreAtomicAndLeaveNoTemporaryFile) {
    TempLevelFolder temp;
    const std::string path = temp.file("Level05.txt");
    const LevelCodes codes = sampleCodes();
    ASSERT_TRUE(writeLevelText(path, formatLevelText(codes, true)));
    LevelCodes back{};
    ASSERT_EQ(readLevelFile(path, &back), LEVEL_READ_OK);
    EXPECT_EQ(back, codes);
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(path)));

    // Overwriting replaces the whole file, even with a shorter text.
    ASSERT_TRUE(writeLevelText(path, "short"));
    EXPECT_EQ(readWholeFile(path), "short");
}

TEST(LevelFile, AFailedWriteKeepsThePreviousFile) {
    TempLevelFolder temp;
    const std::string path = temp.file("Level04.txt");
    writeWholeFile(path, "previous");
    // A folder where the temporary file should go makes its creation fail, even for root.
    std::filesystem::create_directory(temporaryPathFor(path));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(writeLevelText(path, formatLevelText(sampleCodes(), true)));
    // The message ends its line, so the next trace starts on a line of its own.
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open file error !!!\n");
    EXPECT_EQ(readWholeFile(path), "previous");

    testing::internal::CaptureStdout();
    EXPECT_FALSE(writeLevelText(temp.file("no/such/folder/Level04.txt"), "x"));
    // The message ends its line, so the next trace starts on a line of its own.
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open file error !!!\n");
}

TEST(LevelFile, AFullDiskKeepsThePreviousFile) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    // /dev/full accepts the open and fails every write with ENOSPC; it stands in for the
    // temporary file through a symbolic link of the temporary file's name.
    TempLevelFolder temp;
    const std::string path = temp.file("Level06.txt");
    writeWholeFile(path, "previous");
    std::filesystem::create_symlink("/dev/full", temporaryPathFor(path));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeLevelText(path, formatLevelText(sampleCodes(), true)));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(path), std::string::npos) << err;
    EXPECT_EQ(readWholeFile(path), "previous");
}
