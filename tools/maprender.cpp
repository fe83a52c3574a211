// Renders a level file to a PNG, the way the world map draws it.
//
//   maprender LEVEL.txt OUT.png [--width N] [--overlays] [--codes] [--grid] [--plain] [--seed N]
//       --width N    scale the 3840x2176 map down to N pixels wide (a thumbnail)
//       --plain      every cell shows its own code's picture (no shores, banks or decorations)
//       --seed N     seed the random generators first (the decorations' cosmetic draw)
//       --overlays   draw the debug overlays (obstacles red, camps blue)
//       --codes      print each cell's tile code in its corner
//       --grid       draw the cell borders
//   maprender --generate SEED FOLDER
//       writes generated levels 3 to 10 into FOLDER with the given random seed
//
// Needs a GL context: run it under `xvfb-run -a` on a machine without a display.
#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "world/level_generator.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: maprender LEVEL.txt OUT.png [--width N] [--overlays] [--codes] [--grid] [--plain] [--seed N]\n"
                         "       maprender --generate SEED FOLDER\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--generate") == 0) {
        seedRandom(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
        const int written = generateLevels(argv[3], nullptr);
        std::printf("%d levels written to %s\n", written, argv[3]);
        return written == kLastGeneratedLevel - kFirstGeneratedLevel + 1 ? 0 : 1;
    }
    if (argc < 3) return usage();
    const std::string levelPath = argv[1], outPath = argv[2];
    unsigned width = kMapColumns * kCellSize;
    int overlays = 0;
    bool codes = false, grid = false, plain = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--width") == 0 && i + 1 < argc) width = static_cast<unsigned>(std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--overlays") == 0) overlays = 1;
        else if (std::strcmp(argv[i], "--codes") == 0) codes = true;
        else if (std::strcmp(argv[i], "--grid") == 0) grid = true;
        else if (std::strcmp(argv[i], "--plain") == 0) plain = true;
        else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            seedRandom(static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10)));
        else return usage();
    }

    auto map = std::make_unique<TileMap>();
    loadTileTextures(map.get());
    if (!loadLevelFile(map.get(), levelPath)) {
        std::fprintf(stderr, "\nmaprender: %s could not be loaded\n", levelPath.c_str());
        return 1;
    }
    buildTileMap(map.get(), kMapColumns, kMapRows);
    if (plain) showPlainGround(map.get());

    const unsigned fullWidth = kMapColumns * kCellSize, fullHeight = kMapRows * kCellSize;
    sf::RenderTexture full;
    if (!full.create(fullWidth, fullHeight)) {
        std::fprintf(stderr, "maprender: cannot create a %ux%u render texture\n", fullWidth, fullHeight);
        return 1;
    }
    full.clear(sf::Color::Black);
    drawTileMap(full, map.get(), overlays);
    if (grid) {
        for (int index = 0; index < kCellCount; ++index) {
            sf::RectangleShape cell(sf::Vector2f(kCellSize - 2.f, kCellSize - 2.f));
            cell.setPosition(static_cast<float>((index % kMapColumns) * kCellSize) + 1.f,
                             static_cast<float>((index / kMapColumns) * kCellSize) + 1.f);
            cell.setFillColor(sf::Color::Transparent);
            cell.setOutlineColor(sf::Color(0, 0, 0, 90));
            cell.setOutlineThickness(1.f);
            full.draw(cell);
        }
    }
    if (codes) {
        const sf::Font& font = cachedFont(kPixelFontPath);
        for (int index = 0; index < kCellCount; ++index) {
            char label[8];
            std::snprintf(label, sizeof(label), "%d", map->tileCodes[static_cast<std::size_t>(index)]);
            sf::Text text(label, font, 24);
            text.setPosition(static_cast<float>((index % kMapColumns) * kCellSize) + 6.f,
                             static_cast<float>((index / kMapColumns) * kCellSize) + 4.f);
            text.setFillColor(sf::Color::White);
            text.setOutlineColor(sf::Color::Black);
            text.setOutlineThickness(2.f);
            full.draw(text);
        }
    }
    full.display();

    // The picture is read back through a second render texture: reading the map's own
    // render texture directly gives a black image with some GL drivers.
    if (width == 0 || width > fullWidth) width = fullWidth;
    const unsigned height = fullHeight * width / fullWidth;
    sf::RenderTexture output;
    if (!output.create(width, height)) return 1;
    full.setSmooth(width != fullWidth);
    sf::Sprite sprite(full.getTexture());
    sprite.setScale(static_cast<float>(width) / fullWidth, static_cast<float>(height) / fullHeight);
    output.clear(sf::Color::Black);
    output.draw(sprite);
    output.display();
    const sf::Image image = output.getTexture().copyToImage();
    if (!image.saveToFile(outPath)) {
        std::fprintf(stderr, "maprender: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}
