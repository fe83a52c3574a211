// Plays many whole games with the player bot and prints a summary:
//   xvfb-run -a -s "-screen 0 1920x1080x24" ./build/botrun [FIRST_SEED] [COUNT] [DRAW_EVERY]
// Each game is checked after every frame; a game that breaks a rule or never ends is
// listed with its seed, which replays it (OSTREVALD_SEED=<seed>).
#include "app/scene_preload.hpp"
#include "support/player_bot.hpp"
#include "support/test_window.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

long residentKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + std::string(field).size(), nullptr, 10);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint32_t first = argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1u;
    const int count = argc > 2 ? std::atoi(argv[2]) : 200;
    BotOptions options;
    // One frame in DRAW_EVERY is drawn (and the first frame of every screen and fight);
    // 0 draws nothing. Updates are timed on every frame, drawn frames whole.
    options.drawEvery = argc > 3 ? std::atoi(argv[3]) : 200;
    options.measureFrames = true;
    options.fightShotEvery = argc > 4 ? std::atoi(argv[4]) : 0;
    options.sceneShots = argc > 5 ? std::atoi(argv[5]) : 0;
    // As the game does at start-up: every picture a scene change needs is read first, and
    // every scene drawn once unseen.
    testWindow().setActive(true);
    preloadScenePictures();
    preloadSceneDrawing(testWindow());
    const long residentAfterStartUp = residentKilobytes("VmRSS:");
    long peakAtLevelStart = 0;
    int won = 0, lost = 0, failed = 0;
    long frames = 0;
    double levels = 0.0, slowest = 0.0, slowestUpdate = 0.0;
    std::vector<std::string> failures;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(i);
        const BotGameReport report = playSeed(seed, options);
        frames += report.frames;
        levels += report.levelReached;
        if (report.slowestFrameMs > slowest) slowest = report.slowestFrameMs;
        if (report.slowestUpdateMs > slowestUpdate) slowestUpdate = report.slowestUpdateMs;
        if (report.outcome == BotOutcome::Won) ++won;
        else if (report.outcome == BotOutcome::Lost) ++lost;
        else {
            ++failed;
            failures.push_back("seed " + std::to_string(seed) + ": " + outcomeName(report.outcome) + ": " + report.failure);
        }
        std::printf("seed %u: %s, level %d, %ld frames, %d fights, %d hires, %d heals, slowest update %.2f ms (%s), "
                    "slowest drawn frame %.1f ms (%s), %ld of %ld drawn frames over 16.7 ms\n",
                    seed, outcomeName(report.outcome), report.levelReached, report.frames, report.fights, report.hires,
                    report.heals, report.slowestUpdateMs, report.slowestUpdateAt.c_str(), report.slowestFrameMs,
                    report.slowestFrameAt.c_str(), report.framesOverBudget, report.drawnFrames);
        // Memory at every level start: resident (MB) and pictures in the cache.
        std::printf("  level starts:");
        for (std::size_t k = 0; k < report.residentKbAtLevelStart.size(); ++k) {
            std::printf(" L%zu %ld MB/%zu", k + 1, report.residentKbAtLevelStart[k] / 1024, report.cachedAtLevelStart[k]);
            peakAtLevelStart = std::max(peakAtLevelStart, report.residentKbAtLevelStart[k]);
        }
        if (report.residentKbAtLevelStart.size() >= 10)
            std::printf("  (level 2 to 10: %+ld kB, %+ld cached)", report.residentKbAtLevelStart[9] - report.residentKbAtLevelStart[1],
                        static_cast<long>(report.cachedAtLevelStart[9]) - static_cast<long>(report.cachedAtLevelStart[1]));
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("resident after start-up %ld MB, highest at a level start %ld MB\n", residentAfterStartUp / 1024,
                peakAtLevelStart / 1024);
    std::printf("\n%d games: %d won, %d lost, %d failed\n", count, won, lost, failed);
    std::printf("average level reached %.2f, average frames per game %.0f\n", levels / count,
                static_cast<double>(frames) / count);
    std::printf("slowest update %.2f ms, slowest drawn frame %.1f ms (budget 16.7 ms), peak resident memory %ld MB\n",
                slowestUpdate, slowest, residentKilobytes("VmHWM:") / 1024);
    for (const std::string& f : failures) std::printf("%s\n", f.c_str());
    return failed == 0 ? 0 : 1;
}
