// What the drawing benchmarks share: waiting until the graphics driver has drawn everything
// sent so far (the software driver rasterises only then, so a frame is timed whole), and
// running set-up code whose console traces would flood the benchmark's output.
#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/Window/Context.hpp>

#include <array>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

// Waits until every drawing command sent so far has run (needs an active GL context).
inline void finishDrawing() {
    using FinishFunction = void (*)();
    static const auto finish = reinterpret_cast<FinishFunction>(sf::Context::getFunction("glFinish"));
    if (finish) finish();
}

// One frame into `target`: clear, draw, and wait until the driver has drawn it. Returns its
// seconds.
inline double timeFrame(sf::RenderTexture& target, const sf::View& view, const std::function<void()>& draw) {
    const auto start = std::chrono::steady_clock::now();
    target.setView(view);
    target.clear(sf::Color::Black);
    draw();
    target.display();
    finishDrawing();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `work` with standard output sent to the null device.
inline void quietly(const std::function<void()>& work) {
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    work();
    std::fflush(stdout);
    if (saved >= 0) dup2(saved, STDOUT_FILENO);
    if (null >= 0) close(null);
    if (saved >= 0) close(saved);
}

// The floor every screen is set against: 510 plain 64x64 sprites at scale 2 from 100
// textures, drawn one at a time and blended, all of them on the 1920x1080 screen (a 30 by
// 17 grid spread evenly over it, so neighbours overlap). It is drawn in the screen's own
// view whatever view the measured screen uses, so every screen meets the same workload.
struct SpriteFloor {
    static constexpr int kTextureCount = 100;
    static constexpr int kColumns = 30;
    static constexpr int kRows = 17;
    std::array<sf::Texture, kTextureCount> textures;
    std::array<sf::Sprite, kColumns * kRows> sprites;
};

inline void initSpriteFloor(SpriteFloor* floor, const sf::Image& plain) {
    for (sf::Texture& texture : floor->textures) texture.loadFromImage(plain);
    const float size = 2.f * static_cast<float>(plain.getSize().x);
    const float stepX = (1920.f - size) / static_cast<float>(SpriteFloor::kColumns - 1);
    const float stepY = (1080.f - size) / static_cast<float>(SpriteFloor::kRows - 1);
    for (std::size_t i = 0; i < floor->sprites.size(); ++i) {
        sf::Sprite& sprite = floor->sprites[i];
        sprite.setTexture(floor->textures[i % SpriteFloor::kTextureCount], true);
        sprite.setScale(2.f, 2.f);
        sprite.setPosition(stepX * static_cast<float>(i % SpriteFloor::kColumns),
                           stepY * static_cast<float>(i / SpriteFloor::kColumns));
    }
}

inline void drawSpriteFloor(const SpriteFloor& floor, sf::RenderTarget& target) {
    const sf::View view = target.getView();
    target.setView(sf::View(sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)));
    for (const sf::Sprite& sprite : floor.sprites) target.draw(sprite);
    target.setView(view);
}
