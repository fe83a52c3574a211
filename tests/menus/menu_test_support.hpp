// Shared helpers of the menu tests: clicks and moves aimed at a sprite's centre, a
// private temporary folder, whole-file reads.
#pragma once

#include "app/game.hpp"
#include "core/random.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/Sprite.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace menutest {

// Centre of a sprite's global bounds, in the coordinates the sprite lives in.
inline sf::Vector2i centreOf(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {static_cast<int>(std::floor(b.left + b.width / 2.f)), static_cast<int>(std::floor(b.top + b.height / 2.f))};
}

// The pictures must exist for a hit test to mean anything.
inline void expectDrawn(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    ASSERT_GT(b.width, 1.f);
    ASSERT_GT(b.height, 1.f);
}

inline void clickSprite(MainData* game, const sf::Sprite& sprite, sf::Mouse::Button button = sf::Mouse::Left) {
    expectDrawn(sprite);
    const sf::Vector2i c = centreOf(sprite);
    dispatchEvent(game, mousePressEvent(c.x, c.y, button));
    dispatchEvent(game, mouseReleaseEvent(c.x, c.y, button));
}

inline void moveTo(MainData* game, int x, int y) { dispatchEvent(game, mouseMoveEvent(x, y)); }

// Starts a game straight on the map with the given picks (as team selection's Start does).
inline void enterWorld(MainData* game, std::array<std::int32_t, 4> team = {1, 1, 1, 1}) {
    resetCamera(&game->world.camera, &game->window);
    initWorldGame(&game->world, team.data());
    game->sceneState = SCENE_WORLD;
}

// Holds the debug chord, then lets go of it: debug mode is on.
inline void enableDebug(MainData* game) {
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F, sf::Keyboard::J})
        dispatchEvent(game, keyPressEvent(key));
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F, sf::Keyboard::J})
        dispatchEvent(game, keyReleaseEvent(key));
    ASSERT_EQ(game->debugMode, 1);
}

// Scrolls the close view as far right and down as it goes.
inline void scrollToBottomRight(MainData* game) {
    for (int i = 0; i < 200; ++i) updateCameraAt(&game->world.camera, &game->window, {1919, 1079});
    game->world.camera.scrollStep = {0, 0};
}

// A folder of its own under the system's temporary folder, removed at the end of the test.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               ("ostrevald-menus-" + std::to_string(getpid()) + "-" + (info ? info->name() : "test"));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace menutest
