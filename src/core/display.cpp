#include "core/display.hpp"

#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/VideoMode.hpp>

#include <algorithm>
#include <cstdlib>
#include <cstring>

sf::FloatRect letterboxViewport(sf::Vector2u size) {
    if (size.x == 0 || size.y == 0) return {0.f, 0.f, 1.f, 1.f};
    const float windowRatio = static_cast<float>(size.x) / static_cast<float>(size.y);
    const float gameRatio = static_cast<float>(kGameWidth) / static_cast<float>(kGameHeight);
    if (windowRatio > gameRatio) {
        const float w = gameRatio / windowRatio;
        return {(1.f - w) / 2.f, 0.f, w, 1.f};
    }
    const float h = windowRatio / gameRatio;
    return {0.f, (1.f - h) / 2.f, 1.f, h};
}

sf::Vector2i windowToGame(sf::Vector2i pixel, sf::Vector2u size) {
    if (size.x == 0 || size.y == 0) return pixel;
    const sf::FloatRect vp = letterboxViewport(size);
    const float left = vp.left * static_cast<float>(size.x), top = vp.top * static_cast<float>(size.y);
    const float width = vp.width * static_cast<float>(size.x), height = vp.height * static_cast<float>(size.y);
    const float gx = (static_cast<float>(pixel.x) - left) * static_cast<float>(kGameWidth) / width;
    const float gy = (static_cast<float>(pixel.y) - top) * static_cast<float>(kGameHeight) / height;
    const int x = std::clamp(static_cast<int>(gx), 0, static_cast<int>(kGameWidth) - 1);
    const int y = std::clamp(static_cast<int>(gy), 0, static_cast<int>(kGameHeight) - 1);
    return {x, y};
}

void mapEventToGame(sf::Event* event, sf::Vector2u size) {
    switch (event->type) {
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased: {
        const sf::Vector2i p = windowToGame({event->mouseButton.x, event->mouseButton.y}, size);
        event->mouseButton.x = p.x;
        event->mouseButton.y = p.y;
        break;
    }
    case sf::Event::MouseMoved: {
        const sf::Vector2i p = windowToGame({event->mouseMove.x, event->mouseMove.y}, size);
        event->mouseMove.x = p.x;
        event->mouseMove.y = p.y;
        break;
    }
    case sf::Event::MouseWheelScrolled: {
        const sf::Vector2i p = windowToGame({event->mouseWheelScroll.x, event->mouseWheelScroll.y}, size);
        event->mouseWheelScroll.x = p.x;
        event->mouseWheelScroll.y = p.y;
        break;
    }
    default:
        break;
    }
}

sf::Vector2i gameMousePosition(const sf::Window& window) {
    return windowToGame(sf::Mouse::getPosition(window), window.getSize());
}

void setWindowView(sf::RenderWindow* window, sf::View* view) {
    view->setViewport(letterboxViewport(window->getSize()));
    window->setView(*view);
}

namespace {

void createGameWindow(sf::RenderWindow* window) {
    const char* windowed = std::getenv("OSTREVALD_WINDOWED");
    if (windowed && std::strcmp(windowed, "1") == 0) {
        const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
        unsigned w = kGameWidth, h = kGameHeight;
        // Leave room for the desktop's panels: at most 90% of the screen, 16:9.
        while (w > desktop.width * 9 / 10 || h > desktop.height * 9 / 10) {
            if (w <= 640) break;
            w -= 160;
            h = w * 9 / 16;
        }
        window->create(sf::VideoMode(w, h, 32), "Ostrevald", sf::Style::Titlebar | sf::Style::Close | sf::Style::Resize);
        return;
    }
    sf::VideoMode mode(kGameWidth, kGameHeight, 32);
    if (!mode.isValid()) {
        const auto& modes = sf::VideoMode::getFullscreenModes();
        mode = modes.empty() ? sf::VideoMode::getDesktopMode() : modes.front(); // best mode first
    }
    window->create(mode, "Ostrevald", sf::Style::Fullscreen);
}

} // namespace

void openGameWindow(sf::RenderWindow* window) {
    createGameWindow(window);
    // The window's connection now keeps the server up: the check's may go.
    releaseDisplayCheck();
}

// Xlib comes last: its macros (None, Status...) would clash with the headers above.
#if defined(__linux__) || defined(__FreeBSD__)
#include <X11/Xlib.h>

namespace {

// The display check's connection, held until the game window exists.
Display* heldCheckConnection = nullptr;

} // namespace
#endif

void releaseDisplayCheck() {
#if defined(__linux__) || defined(__FreeBSD__)
    if (heldCheckConnection) XCloseDisplay(heldCheckConnection);
    heldCheckConnection = nullptr;
#endif
}

bool displayAvailable(std::string* why) {
#if defined(__linux__) || defined(__FreeBSD__)
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) {
        if (why) *why = "no display: DISPLAY is not set (start the game from a desktop session, or under xvfb-run)";
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        if (why) *why = std::string("cannot open display \"") + name + "\" (is the X server running and reachable?)";
        return false;
    }
    releaseDisplayCheck();
    heldCheckConnection = display;
#else
    (void)why;
#endif
    return true;
}
