// A private folder under the system temporary directory for tests that write level
// files; removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

struct TempLevelFolder {
    std::filesystem::path path;

    TempLevelFolder() {
        static int counter = 0;
        path = std::filesystem::temp_directory_path() /
               ("ostrevald_levels_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempLevelFolder() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempLevelFolder(const TempLevelFolder&) = delete;
    TempLevelFolder& operator=(const TempLevelFolder&) = delete;

    std::string folder() const { return path.string(); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}
