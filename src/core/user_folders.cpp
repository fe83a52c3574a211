#include "core/user_folders.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

UserFolders resolveUserFolders() {
    const char* home = std::getenv("OSTREVALD_HOME");
    if (home && *home) return {home, home};
    return {"Assets/Level", "Assets/SettingsMenu"};
}

bool ensureFolder(const std::string& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return true;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}
