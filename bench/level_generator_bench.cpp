// Start-up cost of the level generator: all eight generated maps, files included.
#include "core/random.hpp"
#include "world/level_generator.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void BM_GenerateLevels(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ostrevald_bench_levels_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    // The road traces are formatted and written as in the game, into the null device.
    std::FILE* trace = std::fopen("/dev/null", "w");
    seedRandom(2024);
    for (auto _ : state) benchmark::DoNotOptimize(generateLevels(folder.string(), trace));
    if (trace) std::fclose(trace);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GenerateLevels)->Unit(benchmark::kMillisecond);

// The passes alone for one map, without any file.
void BM_RefineOneMap(benchmark::State& state) {
    seedRandom(7);
    for (auto _ : state) {
        LevelCodes codes{};
        randomGround(&codes);
        refineCodes(&codes, nullptr);
        benchmark::DoNotOptimize(codes);
    }
}
BENCHMARK(BM_RefineOneMap)->Unit(benchmark::kMicrosecond);

} // namespace
