// The autosave as the shell makes it (the game captured and its text made on the frame, then
// written by the save writer's thread through the atomic writer, the previous save kept as
// the backup) and the load behind Continue
// (the file read and checked, the world rebuilt from it). Needs a display (run under Xvfb).
#include "bench_support.hpp"

#include "app/save_writer.hpp"
#include "core/camera.hpp"
#include "core/random.hpp"
#include "world/save_file.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

struct SaveBench {
    sf::RenderWindow window{sf::VideoMode(1920, 1080), "save", sf::Style::None};
    std::unique_ptr<WorldGame> world = std::make_unique<WorldGame>();
    std::string folder;
    SaveBench() {
        folder = (std::filesystem::temp_directory_path() / ("ostrevald_save_bench_" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(folder);
        initCamera(&world->camera);
        seedRandom(42);
        const std::int32_t team[4] = {1, 1, 2, 3};
        quietly([&] { initWorldGame(world.get(), team); });
    }
    ~SaveBench() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

// What an autosave costs the frame: the game captured, its text made and handed to the writer.
void BM_Autosave(benchmark::State& state) {
    SaveBench bench;
    SaveWriter writer;
    const std::string path = saveFilePath(bench.folder);
    for (auto _ : state) {
        const SaveData save = captureSave(bench.world.get());
        queueSave(&writer, path, saveToJson(&save));
    }
    finishSaves(&writer);
}
BENCHMARK(BM_Autosave)->Unit(benchmark::kMillisecond);

// The writer's side: the backup renamed, the file written and flushed to the disk (fsync).
void BM_AutosaveOnDisk(benchmark::State& state) {
    SaveBench bench;
    const std::string path = saveFilePath(bench.folder);
    const SaveData save = captureSave(bench.world.get());
    const std::string text = saveToJson(&save);
    for (auto _ : state) benchmark::DoNotOptimize(writeSaveText(path, text));
}
BENCHMARK(BM_AutosaveOnDisk)->Unit(benchmark::kMillisecond);

void BM_ContinueLoad(benchmark::State& state) {
    SaveBench bench;
    const std::string path = saveFilePath(bench.folder);
    const SaveData save = captureSave(bench.world.get());
    writeSaveFile(path, &save);
    for (auto _ : state) {
        SaveData read;
        benchmark::DoNotOptimize(readSaveFile(path, &read).status);
        quietly([&] {
            destroyWorldGame(bench.world.get());
            restoreSave(bench.world.get(), &read, &bench.window, bench.folder);
        });
    }
}
BENCHMARK(BM_ContinueLoad)->Unit(benchmark::kMillisecond);

} // namespace
