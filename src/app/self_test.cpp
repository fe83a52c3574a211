#include "app/self_test.hpp"

#include "core/atomic_write.hpp"
#include "core/camera.hpp"
#include "core/data_dir.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "world/level_file.hpp"
#include "world/level_generator.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>

namespace {

constexpr float kFrameSeconds = 1.f / 60.f;
// A leader and one companion of each kind.
constexpr std::int32_t kSelfTestTeam[4] = {1, 1, 2, 3};

// Share of the window's pixels that are not black, in percent.
int drawnShare(const sf::RenderWindow& window) {
    sf::Texture shot;
    if (!shot.create(window.getSize().x, window.getSize().y)) return 0;
    shot.update(window);
    const sf::Image image = shot.copyToImage();
    const sf::Vector2u size = image.getSize();
    std::size_t lit = 0;
    for (unsigned y = 0; y < size.y; y += 4)
        for (unsigned x = 0; x < size.x; x += 4)
            if (image.getPixel(x, y) != sf::Color::Black) ++lit;
    const std::size_t sampled = ((size.x + 3) / 4) * ((size.y + 3) / 4);
    return sampled == 0 ? 0 : static_cast<int>(lit * 100 / sampled);
}

SelfTestReport failed(const std::string& why) { return {false, "self-test failed: " + why}; }

} // namespace

SelfTestReport runSelfTest(const UserFolders& folders, std::int32_t frames) {
    sf::RenderWindow window(sf::VideoMode(kGameWidth / 2, kGameHeight / 2), "Ostrevald self-test", sf::Style::Titlebar);
    releaseDisplayCheck(); // the window holds its own connection now
    if (!window.isOpen()) return failed("no window could be opened");

    const std::uint32_t seed = seedRandomFromEnvironment();
    removeStaleTemporaryFiles(folders.levels);
    const int written = generateLevels(folders.levels, nullptr);
    const int wanted = kLastGeneratedLevel - kFirstGeneratedLevel + 1;
    if (written != wanted)
        return failed("wrote " + std::to_string(written) + " of " + std::to_string(wanted) + " levels in " +
                      folders.levels);
    LevelCodes codes{};
    for (int level = 1; level <= kLastGeneratedLevel; ++level) {
        const std::string path = levelFilePath(level < kFirstGeneratedLevel ? kLevelFolder : folders.levels, level);
        if (readLevelFile(path, &codes) != LEVEL_READ_OK)
            return failed("level " + std::to_string(level) + " cannot be read");
    }

    auto world = std::make_unique<WorldGame>();
    world->generatedLevelFolder = folders.levels;
    initCamera(&world->camera);
    resetCamera(&world->camera, &window);
    initWorldGame(world.get(), kSelfTestTeam);
    for (std::int32_t frame = 0; frame < frames; ++frame) {
        sf::Event event{};
        while (window.pollEvent(event)) {
        }
        updateWorldGame(kFrameSeconds, world.get(), &window);
        window.clear(sf::Color::Black);
        drawWorldGame(world.get(), window, 0);
        window.display();
    }
    const int share = drawnShare(window);
    const std::uint32_t heroes = world->party.count;
    const std::uint32_t enemies = world->enemies.count;
    const std::int32_t level = world->level;
    destroyWorldGame(world.get());
    window.close();

    if (level != 1) return failed("the new game is on level " + std::to_string(level));
    if (heroes != 4 || enemies == 0)
        return failed(std::to_string(heroes) + " heroes and " + std::to_string(enemies) + " enemies on the map");
    if (share < 20) return failed("the map drew only " + std::to_string(share) + "% of the window");
    const std::string summary = "self-test passed: seed " + std::to_string(seed) + ", data from " + dataDir() +
                                ", levels 3-10 written to " + folders.levels + ", a new game on level 1 with " +
                                std::to_string(heroes) + " heroes and " + std::to_string(enemies) + " enemies, " +
                                std::to_string(frames) + " frames, " + std::to_string(share) + "% of the window drawn";
    return {true, summary};
}
