#include "app/app_assets.hpp"
#include "app/game.hpp"
#include "app/self_test.hpp"
#include "core/asset_cache.hpp"
#include "core/command_line.hpp"
#include "core/data_dir.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "core/user_folders.hpp"
#include "menus/settings_menu.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace {

// The files of the data folder the game would open and cannot find: the game plays on
// without them (a missing picture draws nothing), but the player is told once.
void reportMissingData() {
    std::error_code ec;
    int missing = 0;
    std::string first;
    for (const AssetRequirement& row : allAssetRequirements()) {
        if (std::filesystem::exists(resolveAssetPath(row.path), ec)) continue;
        if (missing++ == 0) first = dataPath(row.path);
    }
    if (missing > 0)
        std::fprintf(stderr,
                     "Ostrevald: %d file%s of the game's data %s missing (the first: %s); the game plays without %s\n",
                     missing, missing == 1 ? "" : "s", missing == 1 ? "is" : "are", first.c_str(),
                     missing == 1 ? "it" : "them");
}

int playGame(const UserFolders& folders, const std::string& startingSettingsFile) {
    // The game-wide record is large (the whole board lives in it): keep it off the stack.
    auto mainData = std::make_unique<MainData>();
    mainData->folders = folders;
    mainData->startingSettingsFile = startingSettingsFile;
    initGame(mainData.get());
    while (mainData->window.isOpen()) {
        handleEvents(mainData.get());
        updateGame(mainData.get());
        drawGame(mainData.get());
    }
    destroyGame(mainData.get());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CommandLine line;
    const CommandLineOutcome outcome = parseCommandLine(argc, argv, &line);
    if (!outcome.play) {
        std::fputs(outcome.output.c_str(), stdout);
        std::fputs(outcome.error.c_str(), stderr);
        return outcome.exitCode;
    }
    if (line.windowed) setenv("OSTREVALD_WINDOWED", "1", 1);
    if (line.seedGiven) chooseStartSeed(line.seed);

    const DataDirChoice data = findDataDir(dataDirSearch(line.dataDir));
    if (data.folder.empty()) {
        std::fprintf(stderr, "Ostrevald cannot start: %s\n", data.error.c_str());
        return 1;
    }
    setDataDir(data.folder);

    std::string why;
    if (!displayAvailable(&why)) {
        std::fprintf(stderr, "Ostrevald cannot start: %s\n", why.c_str());
        return 1;
    }
    reportMissingData();

    UserFolders folders = resolveUserFolders(line.userDir);
    std::string temporaryLevels;
    for (const std::string& message : prepareUserFolders(&folders, &temporaryLevels))
        std::fprintf(stderr, "Ostrevald: %s\n", message.c_str());
    const std::string settingsFile = settingsFilePathIn(folders);
    const std::string shippedSettings = dataPath(kShippedSettingsFilePath);
    adoptOldSettings(settingsFile, shippedSettings);
    // A settings folder that cannot be written took no copy: the run plays the shipped
    // settings all the same instead of starting silent.
    std::error_code ec;
    const std::string startingSettings = std::filesystem::exists(settingsFile, ec) ? "" : shippedSettings;

    int status = 0;
    if (line.selfTest) {
        const SelfTestReport report = runSelfTest(folders, kSelfTestFrames);
        std::fprintf(report.passed ? stdout : stderr, "Ostrevald %s\n", report.summary.c_str());
        status = report.passed ? 0 : 1;
    } else {
        status = playGame(folders, startingSettings);
    }
    if (!temporaryLevels.empty()) {
        std::filesystem::remove_all(temporaryLevels, ec);
    }
    return status;
}
