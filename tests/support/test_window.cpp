#include "support/test_window.hpp"

#include "app/autosave.hpp"
#include "world/save_file.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

sf::RenderWindow& testWindow() {
    static sf::RenderWindow window(sf::VideoMode(1920, 1080), "Ostrevald test", sf::Style::None);
    return window;
}

std::unique_ptr<MainData> makeTestGame(unsigned width, unsigned height) {
    auto data = std::make_unique<MainData>();
    data->window.create(sf::VideoMode(width, height), "Ostrevald test", sf::Style::None);
    initGameInWindow(data.get());
    // Every test game starts as a first start: no game left to continue by an earlier test
    // of this process.
    const std::string save = saveFileOf(data.get());
    removeSaveFile(save);
    std::remove(saveCorruptPath(save).c_str());
    std::remove(saveCorruptPath(saveBackupPath(save)).c_str());
    refreshSavedGame(data.get());
    return data;
}

void stepFrames(MainData* data, int frames, float dt) {
    for (int i = 0; i < frames; ++i) {
        stepGame(data, dt);
        renderGame(data);
    }
}

void stepSeconds(MainData* data, float seconds) {
    for (float left = seconds; left > 1e-6f; left -= kMaxFrameSeconds) stepGame(data, std::min(left, kMaxFrameSeconds));
}

sf::Event mousePressEvent(int x, int y, sf::Mouse::Button button) {
    sf::Event e{};
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton = {button, x, y};
    return e;
}

sf::Event mouseReleaseEvent(int x, int y, sf::Mouse::Button button) {
    sf::Event e{};
    e.type = sf::Event::MouseButtonReleased;
    e.mouseButton = {button, x, y};
    return e;
}

sf::Event mouseMoveEvent(int x, int y) {
    sf::Event e{};
    e.type = sf::Event::MouseMoved;
    e.mouseMove = {x, y};
    return e;
}

sf::Event keyPressEvent(sf::Keyboard::Key key) {
    sf::Event e{};
    e.type = sf::Event::KeyPressed;
    e.key.code = key;
    return e;
}

sf::Event keyReleaseEvent(sf::Keyboard::Key key) {
    sf::Event e{};
    e.type = sf::Event::KeyReleased;
    e.key.code = key;
    return e;
}

void clickAt(MainData* data, int x, int y) {
    dispatchEvent(data, mousePressEvent(x, y));
    dispatchEvent(data, mouseReleaseEvent(x, y));
}

bool saveScreenshot(sf::RenderWindow& window, const std::string& path) {
    sf::Texture texture;
    const sf::Vector2u size = window.getSize();
    if (!texture.create(size.x, size.y)) return false;
    texture.update(window);
    std::error_code ec;
    const std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
    return texture.copyToImage().saveToFile(path);
}

bool saveGameScreenshot(MainData* data, const std::string& name) {
    renderGame(data);
    const char* dir = std::getenv("OSTREVALD_SCREENSHOT_DIR");
    const std::string folder = dir && *dir ? dir : "screenshots";
    return saveScreenshot(data->window, folder + "/" + name + ".png");
}

int differingPixels(const sf::Image& a, const sf::Image& b) {
    int n = 0;
    for (unsigned y = 0; y < a.getSize().y; ++y)
        for (unsigned x = 0; x < a.getSize().x; ++x) n += a.getPixel(x, y) != b.getPixel(x, y) ? 1 : 0;
    return n;
}
