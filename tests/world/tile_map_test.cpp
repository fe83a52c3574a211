#include "walkable_fill.hpp"
#include "core/asset_cache.hpp"
#include "world/world_assets.hpp"
#include "world/level_file.hpp"
#include "world/level_generator.hpp"
#include "world/temp_level_folder.hpp"
#include "world/tile_catalogue.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <vector>

namespace {

const sf::Color kRed(255, 0, 0, 100);
const sf::Color kBlue(0, 0, 255, 100);

std::unique_ptr<TileMap> worldWithCodes(const LevelCodes& codes) {
    auto world = std::make_unique<TileMap>();
    loadTileTextures(world.get());
    world->tileCodes = codes;
    buildTileMap(world.get(), kMapColumns, kMapRows);
    return world;
}

LevelCodes filled(std::int32_t value) {
    LevelCodes codes{};
    codes.fill(value);
    return codes;
}

const Tile& tileAt(const TileMap& world, int index) { return world.tiles[static_cast<std::size_t>(index)]; }
sf::Color overlayAt(const TileMap& world, int index) {
    return world.tileOverlays[static_cast<std::size_t>(index)].getFillColor();
}

} // namespace

TEST(TileMap, CatalogueHasTheListedKindsAndSharedPictures) {
    const std::set<int> obstacles = [] {
        std::set<int> s;
        for (auto [from, to] : {std::pair{17, 29}, {31, 38}, {40, 40}, {42, 44}, {50, 56}, {99, 117}, {124, 131},
                                {141, 142}})
            for (int c = from; c <= to; ++c) s.insert(c);
        return s;
    }();
    for (int code = 1; code <= 144; ++code) {
        const TileKind expected = obstacles.count(code)               ? TILE_OBSTACLE
                                  : (code == 30 || code == 82 || code == 118) ? TILE_CAMP
                                                                             : TILE_WALKABLE;
        EXPECT_EQ(tileKind(code), expected) << "code " << code;
    }
    EXPECT_EQ(tilePicturePath(87), "Assets/Sprites/BackgroundTile/Sable.png");
    EXPECT_EQ(tilePicturePath(131), tilePicturePath(87));
    EXPECT_EQ(tilePicturePath(141), tilePicturePath(48));
    EXPECT_EQ(tilePicturePath(40), tilePicturePath(44));
    EXPECT_EQ(tilePicturePath(61), tilePicturePath(62));
    EXPECT_EQ(tilePicturePath(17), "Assets/Sprites/BackgroundTile/water.png");
    EXPECT_EQ(tilePicturePath(114), "Assets/Sprites/BackgroundTile/Water.png");
    EXPECT_EQ(tilePicturePath(45), "");
    EXPECT_EQ(tilePicturePath(144), "");
    EXPECT_EQ(tilePicturePath(0), "");
    EXPECT_EQ(tilePicturePath(145), "");
    std::set<std::string> distinct;
    for (int code = 1; code <= 144; ++code)
        if (!tilePicturePath(code).empty()) distinct.insert(tilePicturePath(code));
    EXPECT_EQ(distinct.size(), 138u);
}

TEST(TileMap, SandWallBlocksWhilePlainSandIsWalkable) {
    LevelCodes codes = filled(87);
    codes[40] = 131;
    const auto world = worldWithCodes(codes);
    EXPECT_EQ(tileAt(*world, 39).walkable, 1);
    EXPECT_EQ(tileAt(*world, 40).walkable, 0);
    EXPECT_EQ(tileAt(*world, 40).sprite.getTexture(), tileAt(*world, 39).sprite.getTexture()) << "same picture";
    EXPECT_EQ(overlayAt(*world, 40), kRed);
    EXPECT_EQ(overlayAt(*world, 39).a, 0);
}

TEST(TileMap, KindsSetFlagsAndOverlayColours) {
    LevelCodes codes = filled(1);
    codes[0] = 17;   // water: obstacle
    codes[1] = 118;  // tent: camp
    codes[2] = 30;   // house: camp
    codes[3] = 142;  // forest: obstacle
    codes[4] = 41;   // walkable although its neighbours in the set are not
    const auto world = worldWithCodes(codes);
    EXPECT_EQ(tileAt(*world, 0).walkable, 0);
    EXPECT_EQ(tileAt(*world, 0).camp, 0);
    EXPECT_EQ(overlayAt(*world, 0), kRed);
    for (int camp : {1, 2}) {
        EXPECT_EQ(tileAt(*world, camp).walkable, 1);
        EXPECT_EQ(tileAt(*world, camp).camp, 1);
        EXPECT_EQ(overlayAt(*world, camp), kBlue);
    }
    EXPECT_EQ(overlayAt(*world, 3), kRed);
    EXPECT_EQ(tileAt(*world, 4).walkable, 1);
    EXPECT_EQ(overlayAt(*world, 4).a, 0);
    // Sprites and overlays sit on their cells, sprites at twice the picture size.
    const Tile& last = tileAt(*world, kCellCount - 1);
    EXPECT_EQ(last.sprite.getPosition(), sf::Vector2f(29 * 128.f, 16 * 128.f));
    EXPECT_EQ(last.sprite.getScale(), sf::Vector2f(2.f, 2.f));
    EXPECT_EQ(world->tileOverlays[kCellCount - 1].getPosition(), sf::Vector2f(29 * 128.f, 16 * 128.f));
    EXPECT_EQ(world->tileOverlays[kCellCount - 1].getSize(), sf::Vector2f(128.f, 128.f));
}

TEST(TileMap, InvalidAndPictureLessCodesDrawNothingAndStayWalkable) {
    LevelCodes codes = filled(87);
    const int invalid[] = {0, 145, -3, 100000, 45, 144};
    for (int i = 0; i < 6; ++i) codes[static_cast<std::size_t>(i)] = invalid[i];
    const auto world = worldWithCodes(codes);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tileAt(*world, i).sprite.getTexture(), nullptr) << "code " << invalid[i];
        EXPECT_EQ(tileAt(*world, i).walkable, 1) << "code " << invalid[i];
        EXPECT_EQ(tileAt(*world, i).camp, 0);
        EXPECT_EQ(overlayAt(*world, i).a, 0);
    }
    // The all-zero board before any level was read builds the same way.
    const auto empty = worldWithCodes(LevelCodes{});
    for (int i = 0; i < kCellCount; ++i) ASSERT_EQ(tileAt(*empty, i).walkable, 1);
}

TEST(TileMap, RebuildingReplacesEverythingAndLoadsNoNewPictures) {
    LevelCodes first = filled(87);
    first[10] = 118;
    first[11] = 17;
    auto world = worldWithCodes(first);
    const std::size_t cached = cachedAssetCount();
    LevelCodes second = filled(87);
    second[12] = 142;
    world->tileCodes = second;
    for (int i = 0; i < 3; ++i) buildTileMap(world.get(), kMapColumns, kMapRows);
    EXPECT_EQ(cachedAssetCount(), cached) << "a rebuild must reuse the cached pictures";
    EXPECT_EQ(tileAt(*world, 10).camp, 0) << "the old level's camp must not survive";
    EXPECT_EQ(overlayAt(*world, 10).a, 0);
    EXPECT_EQ(tileAt(*world, 11).walkable, 1);
    EXPECT_EQ(tileAt(*world, 12).walkable, 0);
    // Without the scattered decorations every sand cell shows the same picture, the old
    // tent's cell included.
    showPlainGround(world.get());
    EXPECT_EQ(tileAt(*world, 10).sprite.getTexture(), tileAt(*world, 0).sprite.getTexture());
}

TEST(TileMap, ABadOrMissingLevelFileKeepsThePreviousMap) {
    TempLevelFolder temp;
    auto world = std::make_unique<TileMap>();
    LevelCodes codes = filled(87);
    codes[5] = 17;
    ASSERT_TRUE(writeLevelText(temp.file("good.txt"), formatLevelText(codes, true)));
    ASSERT_TRUE(loadLevelFile(world.get(), temp.file("good.txt")));
    EXPECT_EQ(world->tileCodes, codes);

    writeWholeFile(temp.file("bad.txt"), "TileType\n87 87 0 87\n");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadLevelFile(world.get(), temp.file("bad.txt")));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("bad.txt"), std::string::npos);
    EXPECT_EQ(world->tileCodes, codes);

    testing::internal::CaptureStdout();
    EXPECT_FALSE(loadLevel(world.get(), 99, temp.folder())); // there is no Level99.txt
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open file error !!!\n");
    EXPECT_EQ(world->tileCodes, codes);
}

TEST(TileMap, GeneratedLevelsComeFromTheirFolderAndAuthoredOnesFromTheGamesData) {
    TempLevelFolder generated;
    LevelCodes third = filled(87), first = filled(17);
    third[7] = 118;
    ASSERT_TRUE(writeLevelText(levelFilePath(generated.folder(), 3), formatLevelText(third, true)));
    // A stray level 1 in the generated folder is never read: level 1 is authored.
    ASSERT_TRUE(writeLevelText(levelFilePath(generated.folder(), 1), formatLevelText(first, true)));
    LevelCodes authored{};
    ASSERT_EQ(readLevelFile(levelFilePath(kLevelFolder, 1), &authored), LEVEL_READ_OK);

    auto map = std::make_unique<TileMap>();
    ASSERT_TRUE(loadLevel(map.get(), 3, generated.folder()));
    EXPECT_EQ(map->tileCodes, third);
    ASSERT_TRUE(loadLevel(map.get(), 1, generated.folder()));
    EXPECT_EQ(map->tileCodes, authored);
}

TEST(TileMap, PrintLevelDumpsTheCodesRowByRow) {
    auto world = std::make_unique<TileMap>();
    world->tileCodes = filled(87);
    world->tileCodes[31] = 5;
    testing::internal::CaptureStdout();
    printLevel(world.get());
    const std::string out = testing::internal::GetCapturedStdout();
    std::string row;
    for (int c = 0; c < kMapColumns; ++c) row += "87 ";
    std::string second = row;
    second.replace(3, 2, "5");
    EXPECT_EQ(out.substr(0, 10 + row.size() + 1), "TileType:\n" + row + "\n");
    EXPECT_EQ(out.substr(10 + row.size() + 1, second.size() + 1), second + "\n");
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 18);
}

TEST(TileMap, DebugOverlaysTintObstaclesRedAndCampsBlue) {
    // Cells without a picture draw black, so the overlay colour shows alone there; the
    // water and tent pictures are tinted over whatever they show.
    LevelCodes codes = filled(144);
    codes[0] = 141;  // Weed1 as an invisible wall
    codes[1] = 118;  // tent
    codes[2] = 144;  // walkable, nothing drawn
    auto world = worldWithCodes(codes);
    world->tileOverlays[3].setFillColor(kRed);
    world->tiles[3].walkable = 0; // cell 3: an obstacle overlay on an empty cell
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(4 * 128, 128));
    auto render = [&](int overlays) {
        target.clear(sf::Color::Black);
        drawTileMap(target, world.get(), overlays);
        target.display();
        return target.getTexture().copyToImage();
    };
    const sf::Image plain = render(0);
    const sf::Image debug = render(1);
    const auto centre = [](int cell) { return sf::Vector2u(static_cast<unsigned>(cell * 128 + 64), 64u); };
    EXPECT_EQ(plain.getPixel(centre(3).x, 64), sf::Color::Black);
    const sf::Color red = debug.getPixel(centre(3).x, 64);
    EXPECT_NEAR(red.r, 100, 2);
    EXPECT_EQ(red.g, 0);
    EXPECT_EQ(red.b, 0);
    EXPECT_EQ(debug.getPixel(centre(2).x, 64), sf::Color::Black) << "walkable cells get no overlay";
    // Over a picture: the obstacle gains red, the camp gains blue, relative to the plain draw.
    const sf::Color wallPlain = plain.getPixel(centre(0).x, 64), wallDebug = debug.getPixel(centre(0).x, 64);
    EXPECT_GT(wallDebug.r, wallPlain.r);
    EXPECT_LE(wallDebug.b, wallPlain.b);
    const sf::Color tentPlain = plain.getPixel(centre(1).x, 64), tentDebug = debug.getPixel(centre(1).x, 64);
    EXPECT_GT(tentDebug.b, tentPlain.b);
    EXPECT_LE(tentDebug.r, tentPlain.r);
}

// The two authored levels must hold valid codes and leave room for every unit the board
// places there, all on one walkable region, with a camp to heal at.
TEST(TileMap, AuthoredLevelsArePlayable) {
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        LevelCodes codes{};
        ASSERT_EQ(readLevelFile(levelFilePath(kLevelFolder, level), &codes), LEVEL_READ_OK);
        int heroCells = 0, leaderCells = 0, enemyCells = 0, camps = 0, crateCells = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const int code = codes[static_cast<std::size_t>(i)];
            EXPECT_TRUE(code != 45 && code != 144) << "a cell without a picture at " << i;
            const bool walkable = tileKind(code) != TILE_OBSTACLE;
            const bool plain = walkable && code != 30 && code != 82 && code != 83;
            camps += tileKind(code) == TILE_CAMP;
            crateCells += plain;
            if (i % kMapColumns <= 4) {
                heroCells += walkable;
                leaderCells += plain;
            }
            if (i % kMapColumns >= 25) enemyCells += walkable;
        }
        EXPECT_GE(heroCells, 4);
        EXPECT_GE(leaderCells, 1);
        EXPECT_GE(enemyCells, level + 3);
        EXPECT_GE(camps, 1);
        EXPECT_GE(crateCells, 3);
        EXPECT_TRUE(isLevelPlayable(codes));
        std::array<bool, kCellCount> seen{};
        int start = -1;
        for (int i = 0; i < kCellCount && start < 0; ++i)
            if (i % kMapColumns <= 4 && tileKind(codes[static_cast<std::size_t>(i)]) != TILE_OBSTACLE) start = i;
        ASSERT_GE(start, 0);
        fillWalkable(codes, start, &seen);
        // Units spawn on any walkable cell of their columns and crates on any walkable
        // cell at all, so every walkable cell must be reachable.
        for (int i = 0; i < kCellCount; ++i) {
            if (tileKind(codes[static_cast<std::size_t>(i)]) != TILE_OBSTACLE) {
                EXPECT_TRUE(seen[static_cast<std::size_t>(i)]) << "cell " << i << " cannot be reached";
            }
        }
    }
}

TEST(TileMap, NewGameLoadsLevelOneIntoTheBoard) {
    auto world = std::make_unique<TileMap>();
    testing::internal::CaptureStdout();
    initTileMap(world.get());
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.substr(0, 10), "TileType:\n");
    LevelCodes expected{};
    ASSERT_EQ(readLevelFile(levelFilePath(kLevelFolder, 1), &expected), LEVEL_READ_OK);
    EXPECT_EQ(world->tileCodes, expected);
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(world->tiles[static_cast<std::size_t>(i)].walkable,
                  tileKind(expected[static_cast<std::size_t>(i)]) == TILE_OBSTACLE ? 0 : 1);
}


TEST(TileMap, AssetListNamesEveryCataloguePictureOnceAndBothAuthoredLevels) {
    const std::vector<AssetRequirement> rows = tileAssetRequirements();
    std::set<std::string> paths;
    for (const AssetRequirement& row : rows) {
        EXPECT_TRUE(paths.insert(row.path).second) << "listed twice: " << row.path;
        if (row.path.size() > 4 && row.path.compare(row.path.size() - 4, 4, ".png") == 0) {
            EXPECT_EQ(row.minWidth, 64u) << row.path;
            EXPECT_EQ(row.minHeight, 64u) << row.path;
        }
    }
    for (int code = 1; code <= 144; ++code) {
        if (!tilePicturePath(code).empty()) {
            EXPECT_TRUE(paths.count(tilePicturePath(code))) << code;
        }
    }
    EXPECT_TRUE(paths.count("Assets/Level/Level01.txt"));
    EXPECT_TRUE(paths.count("Assets/Level/Level02.txt"));
    EXPECT_EQ(rows.size(), 138u + 2u);
}
