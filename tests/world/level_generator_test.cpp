#include "walkable_fill.hpp"
#include "core/atomic_write.hpp"
#include "core/random.hpp"
#include "world/level_generator.hpp"
#include "world/temp_level_folder.hpp"
#include "world/tile_catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

LevelCodes filled(std::int32_t value) {
    LevelCodes codes{};
    codes.fill(value);
    return codes;
}

int cell(int row, int column) { return row * kMapColumns + column; }
std::int32_t& at(LevelCodes& codes, int row, int column) { return codes[static_cast<std::size_t>(cell(row, column))]; }

int countCode(const LevelCodes& codes, int code) { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }

bool isHillPiece(int code) { return code >= 124 && code <= 130; }
bool isHillBlockPiece(int code) { return isHillPiece(code) || code == 131; }

void putHill(LevelCodes& codes, int row, int column) {
    const int block[3][3] = {{124, 127, 129}, {125, 131, 125}, {126, 128, 130}};
    for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx) at(codes, row + dy, column + dx) = block[dy][dx];
}

// Every hill piece belongs to a whole 3x3 hill that lies inside the map; returns the
// number of hills.
int expectWholeHills(const LevelCodes& codes) {
    const int block[3][3] = {{124, 127, 129}, {125, 131, 125}, {126, 128, 130}};
    std::set<int> covered;
    int hills = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (codes[static_cast<std::size_t>(i)] != 124) continue;
        ++hills;
        const int row = i / kMapColumns, column = i % kMapColumns;
        EXPECT_LE(column, 27);
        EXPECT_LE(row, 14);
        if (column > 27 || row > 14) continue;
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx) {
                EXPECT_EQ(codes[static_cast<std::size_t>(cell(row + dy, column + dx))], block[dy][dx]);
                covered.insert(cell(row + dy, column + dx));
            }
    }
    for (int i = 0; i < kCellCount; ++i)
        if (isHillPiece(codes[static_cast<std::size_t>(i)])) {
            EXPECT_TRUE(covered.count(i)) << "stray hill piece at " << i;
        }
    return hills;
}

// Number of 4-connected regions of walkable cells.
int walkableRegions(const LevelCodes& codes) {
    std::array<bool, kCellCount> seen{};
    int regions = 0;
    for (int start = 0; start < kCellCount; ++start) {
        if (seen[static_cast<std::size_t>(start)] || !cellWalkable(codes, start)) continue;
        ++regions;
        fillWalkable(codes, start, &seen);
    }
    return regions;
}

// The exact layout the game writes: "TileType", then 17 rows of 30 codes "%02d ".
void expectGameLayout(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "TileType");
    int rows = 0;
    while (std::getline(in, line)) {
        ++rows;
        std::istringstream words(line);
        std::string word;
        int count = 0;
        while (words >> word) {
            ++count;
            EXPECT_TRUE(word.size() == 2 || word.size() == 3) << word;
            EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) << word;
        }
        EXPECT_EQ(count, 30);
        EXPECT_TRUE(!line.empty() && line.back() == ' ');
    }
    EXPECT_EQ(rows, 17);
}

const std::set<int>& generatorCodes() {
    static const std::set<int> codes = [] {
        std::set<int> s{17, 98, 118, 120, 122, 123, 142, 143};
        for (int c = 84; c <= 97; ++c) s.insert(c);
        for (int c = 124; c <= 139; ++c) s.insert(c);
        return s;
    }();
    return codes;
}

} // namespace

TEST(LevelGenerator, WritesLevelsThreeToTenInTheGameLayout) {
    TempLevelFolder temp;
    seedRandom(7);
    EXPECT_EQ(generateLevels(temp.folder(), nullptr), 8);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp.path)) names.insert(entry.path().filename());
    const std::set<std::string> expected = {"Level03.txt", "Level04.txt", "Level05.txt", "Level06.txt",
                                            "Level07.txt", "Level08.txt", "Level09.txt", "Level10.txt"};
    EXPECT_EQ(names, expected) << "only levels 3 to 10, and no temporary file left behind";
    for (int level = 3; level <= 10; ++level) {
        SCOPED_TRACE(level);
        const std::string path = levelFilePath(temp.folder(), level);
        expectGameLayout(readWholeFile(path));
        LevelCodes codes{};
        EXPECT_EQ(readLevelFile(path, &codes), LEVEL_READ_OK);
    }
}

TEST(LevelGenerator, TheSameSeedGivesTheSameMaps) {
    TempLevelFolder a, b, c;
    seedRandom(42);
    generateLevels(a.folder(), nullptr);
    seedRandom(42);
    generateLevels(b.folder(), nullptr);
    seedRandom(43);
    generateLevels(c.folder(), nullptr);
    for (int level = 3; level <= 10; ++level)
        EXPECT_EQ(readWholeFile(levelFilePath(a.folder(), level)), readWholeFile(levelFilePath(b.folder(), level)));
    EXPECT_NE(readWholeFile(levelFilePath(a.folder(), 3)), readWholeFile(levelFilePath(c.folder(), 3)));
}

// What a start killed at any moment would leave: every time the generator reports progress
// (its trace, written straight through), each level file in the folder is checked. A level
// is only ever there refined, never as raw ground. Between two reports a file could still
// stand raw for a moment, so the folder's own record of names put in place is read too:
// each level's name appears exactly once.
namespace {

struct KillPoints {
    std::string folder;
    int checks = 0;
    int rawSeen = 0;
};

ssize_t inspectFolder(void* cookie, const char*, size_t size) {
    KillPoints* points = static_cast<KillPoints*>(cookie);
    ++points->checks;
    for (int level = kFirstGeneratedLevel; level <= kLastGeneratedLevel; ++level) {
        const std::string path = levelFilePath(points->folder, level);
        if (!std::filesystem::exists(path)) continue;
        LevelCodes codes{};
        // Raw ground is sand and props only: a refined map always has its tents.
        if (readLevelFile(path, &codes) != LEVEL_READ_OK || countCode(codes, TILE_TENT) == 0) ++points->rawSeen;
    }
    return static_cast<ssize_t>(size);
}

} // namespace

TEST(LevelGenerator, AStartKilledAtAnyMomentLeavesNoRawLevel) {
    TempLevelFolder temp;
    KillPoints points{temp.folder()};
    cookie_io_functions_t io{};
    io.write = inspectFolder;
    std::FILE* trace = fopencookie(&points, "w", io);
    ASSERT_NE(trace, nullptr);
    std::setvbuf(trace, nullptr, _IONBF, 0);
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, temp.folder().c_str(), IN_CLOSE_WRITE | IN_MOVED_TO), 0);
    seedRandom(1234);
    EXPECT_EQ(generateLevels(temp.folder(), trace), kLastGeneratedLevel - kFirstGeneratedLevel + 1);
    std::fclose(trace);
    EXPECT_GE(points.checks, kLastGeneratedLevel - kFirstGeneratedLevel + 1);
    EXPECT_EQ(points.rawSeen, 0);

    // Written straight under its name or renamed onto it, a level file counts each time.
    std::map<std::string, int> placed;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t got; (got = read(watch, buffer, sizeof buffer)) > 0;)
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0) ++placed[(temp.path / event->name).string()];
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    close(watch);
    for (int level = kFirstGeneratedLevel; level <= kLastGeneratedLevel; ++level)
        EXPECT_EQ(placed[levelFilePath(temp.folder(), level)], 1) << "level " << level;
}

TEST(LevelGenerator, RandomGroundIsSandWithScatteredProps) {
    seedRandom(3);
    int sand = 0;
    for (int map = 0; map < 50; ++map) {
        LevelCodes codes{};
        randomGround(&codes);
        for (int code : codes) {
            EXPECT_TRUE(code == 87 || code == 98 || code == 120 || code == 122 || code == 123) << code;
            sand += code == 87;
        }
    }
    EXPECT_GT(sand, 50 * kCellCount * 95 / 100);
    EXPECT_LT(sand, 50 * kCellCount * 99 / 100);
}

// The invariants of every generated map, over many seeds.
TEST(LevelGenerator, GeneratedMapsKeepTheirInvariantsOverManySeeds) {
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        seedRandom(seed);
        LevelCodes codes{};
        randomGround(&codes);
        refineCodes(&codes, nullptr);
        for (int code : codes) ASSERT_TRUE(generatorCodes().count(code) || code == 87 || code == 131) << code;
        const int tents = countCode(codes, 118);
        EXPECT_GE(tents, 2);
        EXPECT_LE(tents, 4);
        EXPECT_LE(expectWholeHills(codes), 2);
        EXPECT_TRUE(isLevelPlayable(codes));
        EXPECT_EQ(walkableRegions(codes), 1) << "every walkable cell can be reached";
        if (testing::Test::HasFailure()) break;
    }
}

TEST(LevelGenerator, PlayabilityNeedsHeroAndEnemyColumnsJoined) {
    LevelCodes open = filled(87);
    EXPECT_TRUE(isLevelPlayable(open));

    LevelCodes river = open;
    for (int row = 0; row < kMapRows; ++row) at(river, row, 15) = 17;
    EXPECT_FALSE(isLevelPlayable(river)) << "a river crossed by no bridge cuts the map";
    at(river, 8, 15) = 95;
    EXPECT_TRUE(isLevelPlayable(river));

    LevelCodes wall = open;
    for (int row = 0; row < kMapRows; ++row) at(wall, row, 12) = 142;
    putHill(wall, 7, 11); // the forest's gap is closed by a hill
    EXPECT_FALSE(isLevelPlayable(wall));

    // Seven reachable cells in the hero columns are too few, eight are enough.
    LevelCodes heroes = filled(87);
    for (int i = 0; i < kCellCount; ++i)
        if (i % kMapColumns <= 4) heroes[static_cast<std::size_t>(i)] = 17;
    for (int row = 0; row < 7; ++row) at(heroes, row, 4) = 87;
    EXPECT_FALSE(isLevelPlayable(heroes));
    at(heroes, 7, 4) = 87;
    EXPECT_TRUE(isLevelPlayable(heroes));

    // Twenty in the enemy columns.
    LevelCodes enemies = filled(87);
    for (int i = 0; i < kCellCount; ++i)
        if (i % kMapColumns >= 25) enemies[static_cast<std::size_t>(i)] = 142;
    for (int row = 0; row < 17; ++row) at(enemies, row, 25) = 87;
    at(enemies, 0, 26) = 87;
    at(enemies, 0, 27) = 87;
    EXPECT_FALSE(isLevelPlayable(enemies));
    at(enemies, 0, 28) = 87;
    EXPECT_TRUE(isLevelPlayable(enemies));
}

TEST(LevelGenerator, SmallSandPocketsBecomeWallsOtherPocketsAreRefused) {
    LevelCodes codes = filled(87);
    // A one-cell pocket walled in by trees.
    at(codes, 5, 10) = 142, at(codes, 5, 12) = 142, at(codes, 4, 11) = 142, at(codes, 6, 11) = 142;
    LevelCodes sealed = codes;
    EXPECT_TRUE(sealUnreachableCells(&sealed));
    EXPECT_EQ(at(sealed, 5, 11), 131);
    sealed[static_cast<std::size_t>(cell(5, 11))] = 87;
    EXPECT_EQ(sealed, codes) << "nothing else changes";

    LevelCodes tent = codes;
    at(tent, 5, 11) = 118;
    LevelCodes before = tent;
    EXPECT_FALSE(sealUnreachableCells(&tent)) << "a camp nobody can reach means the map is redrawn";
    EXPECT_EQ(tent, before);

    // A pocket of 7 cells is too big to wall off quietly.
    LevelCodes big = filled(87);
    for (int column = 0; column <= 7; ++column) at(big, 1, column) = 142;
    for (int column = 0; column <= 6; ++column) at(big, 0, column) = 87;
    at(big, 0, 7) = 142;
    before = big;
    EXPECT_FALSE(sealUnreachableCells(&big));
    EXPECT_EQ(big, before);
    at(big, 0, 6) = 142; // six cells are walled off
    EXPECT_TRUE(sealUnreachableCells(&big));
    EXPECT_EQ(countCode(big, 131), 6);
}

TEST(LevelGenerator, WaterNeverCoversHillPieces) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        LevelCodes codes = filled(87);
        putHill(codes, 4, 8);
        putHill(codes, 10, 20);
        at(codes, 5, 11) = 17; // beside the first hill
        at(codes, 13, 22) = 17; // under the second
        const LevelCodes before = codes;
        seedRandom(seed);
        if (seed % 2) {
            growLake(&codes);
        } else {
            carveRiver(&codes, cell(13, 22));
            placeBridges(&codes);
        }
        for (int i = 0; i < kCellCount; ++i)
            if (isHillPiece(before[static_cast<std::size_t>(i)])) {
                ASSERT_EQ(codes[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)])
                    << "seed " << seed << " cell " << i;
            }
    }
}

TEST(LevelGenerator, ARiverWalkStuckUnderAHillInTheLastColumnEnds) {
    LevelCodes codes = filled(87);
    at(codes, 4, 29) = 127; // a hill piece above the seed; the right neighbour is off the map
    at(codes, 5, 29) = 17;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        LevelCodes copy = codes;
        seedRandom(seed);
        carveRiver(&copy, cell(5, 29)); // hangs without the bound on the walk
        EXPECT_EQ(at(copy, 4, 29), 127);
    }
}

TEST(LevelGenerator, ForestsKeepOffWaterBridgesAndHills) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        LevelCodes codes = filled(87);
        for (int row = 0; row < kMapRows; ++row) at(codes, row, 9) = 17;
        at(codes, 6, 9) = 96;
        at(codes, 7, 9) = 95;
        putHill(codes, 3, 3);
        at(codes, 5, 7) = 142;
        at(codes, 2, 12) = 142;
        const LevelCodes before = codes;
        seedRandom(seed);
        spreadForest(&codes);
        int trees = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const int was = before[static_cast<std::size_t>(i)];
            if (was == 17 || was == 95 || was == 96 || isHillBlockPiece(was)) {
                ASSERT_EQ(codes[static_cast<std::size_t>(i)], was) << "seed " << seed << " cell " << i;
            }
            trees += codes[static_cast<std::size_t>(i)] == 142;
        }
        EXPECT_LE(trees - 2, 44);
    }
    // A forest seed lands only on open ground: here one sand cell among water, tents and hills.
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        LevelCodes codes = filled(17);
        putHill(codes, 2, 2);
        at(codes, 10, 10) = 118;
        at(codes, 10, 12) = 118;
        at(codes, 14, 20) = 87;
        const LevelCodes before = codes;
        seedRandom(seed);
        plantForests(&codes);
        for (int i = 0; i < kCellCount; ++i)
            if (i != cell(14, 20)) {
                ASSERT_EQ(codes[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]);
            }
    }
}

TEST(LevelGenerator, CampsAreDistinctAndOnlyOnOpenGround) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        LevelCodes codes = filled(87);
        for (int i = 0; i < kCellCount; i += 2) codes[static_cast<std::size_t>(i)] = (i % 3) ? 17 : 95;
        putHill(codes, 5, 5);
        const LevelCodes before = codes;
        seedRandom(seed);
        placeCamps(&codes);
        const int tents = countCode(codes, 118);
        EXPECT_GE(tents, 2);
        EXPECT_LE(tents, 4);
        for (int i = 0; i < kCellCount; ++i)
            if (codes[static_cast<std::size_t>(i)] == 118) {
                ASSERT_EQ(before[static_cast<std::size_t>(i)], 87);
            }
    }
    // No open cell at all: no tent and no endless search; one open cell: one tent.
    LevelCodes water = filled(17);
    placeCamps(&water);
    EXPECT_EQ(water, filled(17));
    at(water, 3, 3) = 87;
    placeCamps(&water);
    EXPECT_EQ(countCode(water, 118), 1);
}

TEST(LevelGenerator, MarkersAreJoinedByRoadRectanglesAcrossTheWholeMap) {
    LevelCodes codes = filled(87);
    at(codes, 0, 10) = 143;  // index 10
    at(codes, 13, 10) = 143; // index 400
    at(codes, 15, 25) = 143; // index 475
    at(codes, 16, 29) = 143; // index 509: never joined
    RoadMask mask{};
    std::string trace;
    connectPathMarkers(&codes, &mask, &trace);
    EXPECT_EQ(trace.substr(0, trace.find("\n0")),
              "turn 1  = 10\nturn 2 = 400\nturn 1  = 400\nturn 2 = 475");
    auto marked = [&](int row, int column) { return mask[static_cast<std::size_t>(cell(row, column))] == 1; };
    for (int row = 1; row <= 13; ++row) EXPECT_TRUE(marked(row, 10)) << row; // same column: one straight run
    EXPECT_FALSE(marked(0, 10)) << "a run does not mark its start";
    // 400 -> 475 lies in the second half of the map and is joined by both L shapes.
    for (int column = 11; column <= 25; ++column) {
        EXPECT_TRUE(marked(13, column)) << column;
        EXPECT_TRUE(marked(15, column)) << column;
    }
    EXPECT_TRUE(marked(14, 10));
    EXPECT_TRUE(marked(14, 25));
    EXPECT_FALSE(marked(14, 17)) << "the rectangle is hollow";
    EXPECT_FALSE(marked(16, 26)) << "a pair with the last cell is not joined";
    EXPECT_FALSE(marked(16, 29));
    // The trace ends with the mask, 17 rows of 30 flags.
    const std::string maskText = trace.substr(trace.find("\n0") + 1);
    EXPECT_EQ(maskText.size(), 17u * 31u);
    std::string row14(30, '0');
    row14[10] = row14[25] = '1';
    EXPECT_EQ(maskText.substr(14 * 31, 31), row14 + "\n");
}

TEST(LevelGenerator, RoadsLaidSideBySideAreThinnedToOneKeepingEveryMarkerJoined) {
    // Markers in neighbouring rows: the two L shapes would run side by side.
    LevelCodes codes = filled(87);
    RoadMask mask{};
    const int markers[] = {cell(2, 5), cell(3, 20), cell(9, 3), cell(9, 12)};
    for (int m : markers) {
        codes[static_cast<std::size_t>(m)] = 143;
        mask[static_cast<std::size_t>(m)] = 1; // road ends are in the mask, as layRoads sets them
    }
    connectPathMarkers(&codes, &mask, nullptr);
    auto road = [&](int row, int column) {
        return row >= 0 && row < kMapRows && column >= 0 && column < kMapColumns &&
               mask[static_cast<std::size_t>(cell(row, column))] == 1;
    };
    for (int row = 0; row + 1 < kMapRows; ++row)
        for (int column = 0; column + 1 < kMapColumns; ++column)
            EXPECT_FALSE(road(row, column) && road(row + 1, column) && road(row, column + 1) &&
                         road(row + 1, column + 1))
                << "double road at " << row << "," << column;
    // Every marker is still reached from the first one along the road.
    std::set<int> reached{markers[0]};
    std::vector<int> stack{markers[0]};
    while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        const int row = p / kMapColumns, column = p % kMapColumns;
        const int next[4][2] = {{row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
        for (const auto& n : next)
            if (road(n[0], n[1]) && reached.insert(cell(n[0], n[1])).second) stack.push_back(cell(n[0], n[1]));
    }
    for (int m : markers) EXPECT_TRUE(reached.count(m)) << "marker " << m << " cut off";
    // No road ends where there was no marker: every road cell but the markers has two road neighbours.
    for (int p = 0; p < kCellCount; ++p) {
        if (!mask[static_cast<std::size_t>(p)] || codes[static_cast<std::size_t>(p)] == 143) continue;
        const int row = p / kMapColumns, column = p % kMapColumns;
        const int links = road(row - 1, column) + road(row + 1, column) + road(row, column - 1) + road(row, column + 1);
        EXPECT_GE(links, 2) << "dead end at " << row << "," << column;
    }
}

TEST(LevelGenerator, RoadPiecesFollowTheMaskAndWaterBecomesBridge) {
    LevelCodes codes = filled(87);
    RoadMask mask{};
    auto mark = [&](int row, int column) { mask[static_cast<std::size_t>(cell(row, column))] = 1; };
    // A crossing with four arms.
    mark(5, 5), mark(4, 5), mark(6, 5), mark(5, 4), mark(5, 6);
    // A T open below, over water in its middle, with a tent at one end.
    mark(10, 10), mark(10, 11), mark(10, 12), mark(11, 11);
    at(codes, 10, 11) = 17;
    at(codes, 10, 12) = 118;
    // An L and a straight run.
    mark(2, 20), mark(2, 21), mark(3, 21), mark(4, 21);
    // A lone water cell with one road neighbour becomes a plain bridge.
    mark(14, 3), mark(14, 4);
    at(codes, 14, 4) = 17;
    shapeRoads(&codes, mask);
    EXPECT_EQ(at(codes, 5, 5), 97);
    EXPECT_EQ(at(codes, 4, 5), 87) << "a road end with one neighbour keeps its code";
    EXPECT_EQ(at(codes, 10, 11), 138);
    EXPECT_EQ(at(codes, 10, 12), 118) << "tents keep their code";
    EXPECT_EQ(at(codes, 2, 21), 86);
    EXPECT_EQ(at(codes, 3, 21), 88);
    EXPECT_EQ(at(codes, 14, 4), 95);
    EXPECT_EQ(at(codes, 12, 12), 87) << "cells outside the mask are untouched";
}

TEST(LevelGenerator, HillsStayWholeAndNeverBuryTents) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        LevelCodes codes = filled(87);
        for (int i = 7; i < kCellCount; i += 23) codes[static_cast<std::size_t>(i)] = 118;
        const int tents = countCode(codes, 118);
        seedRandom(seed);
        placeHills(&codes, RoadMask{});
        EXPECT_LE(expectWholeHills(codes), 2);
        EXPECT_EQ(countCode(codes, 118), tents);
        if (testing::Test::HasFailure()) break;
    }
}

TEST(LevelGenerator, ABlockedFolderKeepsThePreviousFilesWithOneMessage) {
    TempLevelFolder temp;
    for (int level = 3; level <= 10; ++level) writeWholeFile(levelFilePath(temp.folder(), level), "previous");
    // A folder in place of the first temporary file: creating it fails, even for root.
    std::filesystem::create_directory(temporaryPathFor(levelFilePath(temp.folder(), 3)));
    testing::internal::CaptureStdout();
    EXPECT_EQ(generateLevels(temp.folder(), nullptr), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open file error !!!\n");
    for (int level = 3; level <= 10; ++level) EXPECT_EQ(readWholeFile(levelFilePath(temp.folder(), level)), "previous");
}

TEST(LevelGenerator, AReadOnlyFolderKeepsThePreviousFilesWithOneMessage) {
    TempLevelFolder temp;
    for (int level = 3; level <= 10; ++level) writeWholeFile(levelFilePath(temp.folder(), level), "previous");
    ASSERT_EQ(chmod(temp.folder().c_str(), 0555), 0);
    if (std::FILE* probe = std::fopen(temp.file("probe").c_str(), "w")) {
        std::fclose(probe);
        GTEST_SKIP() << "this user writes into read-only folders (root); see the blocked-folder test";
    }
    testing::internal::CaptureStdout();
    EXPECT_EQ(generateLevels(temp.folder(), nullptr), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open file error !!!\n");
    for (int level = 3; level <= 10; ++level) EXPECT_EQ(readWholeFile(levelFilePath(temp.folder(), level)), "previous");
}
