#include "app/self_test.hpp"
#include "world/level_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(SelfTest, ANewGameReachesTheMapWithItsLevelsInThePlayersFolder) {
    const fs::path folder = fs::temp_directory_path() / ("ostrevald_self_test_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const SelfTestReport report = runSelfTest({folder.string(), folder.string()}, 5);
    EXPECT_TRUE(report.passed) << report.summary;
    EXPECT_NE(report.summary.find(folder.string()), std::string::npos) << report.summary;
    LevelCodes codes{};
    for (int level = 3; level <= 10; ++level)
        EXPECT_EQ(readLevelFile(levelFilePath(folder.string(), level), &codes), LEVEL_READ_OK) << level;

    // Levels that cannot be written fail the check, and the report says where.
    std::ofstream((folder / "plain").string()) << "x";
    const std::string blocked = (folder / "plain" / "levels").string();
    const SelfTestReport refused = runSelfTest({blocked, folder.string()}, 5);
    EXPECT_FALSE(refused.passed);
    EXPECT_NE(refused.summary.find("wrote 0 of 8 levels in " + blocked), std::string::npos) << refused.summary;
    fs::remove_all(folder);
}
