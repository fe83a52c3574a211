// Level generation as a whole: the files written, the passes run in order until a map is
// playable, and the playability test itself. The passes live in level_gen_terrain.cpp and
// level_gen_roads.cpp.
#include "world/level_generator.hpp"

#include "core/random.hpp"
#include "world/level_gen_passes.hpp"

#include <array>
#include <string>

using namespace levelgen;

namespace {

// Labels the 4-connected regions of walkable cells; returns the label of the largest
// region (or -1 when nothing is walkable).
int labelRegions(const LevelCodes& codes, std::array<int, kCellCount>* labels, std::array<int, kCellCount>* sizes) {
    labels->fill(-1);
    int regions = 0, largest = -1;
    auto open = [&](std::int32_t index) { return tileKind(at(codes, index)) != TILE_OBSTACLE; };
    for (int start = 0; start < kCellCount; ++start) {
        if ((*labels)[static_cast<std::size_t>(start)] >= 0 || !open(start)) continue;
        const GridPos seed = cellAtIndex(start);
        const GridFill region = floodFillGrid(&seed, 1, -1, open);
        int size = 0;
        for (int p = 0; p < kCellCount; ++p)
            if (region.reached(p)) {
                (*labels)[static_cast<std::size_t>(p)] = regions;
                ++size;
            }
        (*sizes)[static_cast<std::size_t>(regions)] = size;
        if (largest < 0 || size > (*sizes)[static_cast<std::size_t>(largest)]) largest = regions;
        ++regions;
    }
    return largest;
}

} // namespace

int columnOf(int index) { return index % kMapColumns; }
int rowOf(int index) { return index / kMapColumns; }

// ---------------------------------------------------------------------------------------
// Files

int generateLevels(const std::string& folder, std::FILE* trace) {
    int written = 0;
    for (int level = kFirstGeneratedLevel; level <= kLastGeneratedLevel; ++level) {
        LevelCodes codes{};
        randomGround(&codes);
        std::string traceText;
        refineCodes(&codes, trace ? &traceText : nullptr);
        // Written once, whole: a start killed at any moment leaves each level either as it
        // was or refined. A file that cannot be created stops the generation: the later
        // levels keep their previous files.
        if (!writeLevelText(levelFilePath(folder, level), formatLevelText(codes, true))) break;
        if (trace) std::fputs(traceText.c_str(), trace);
        ++written;
    }
    if (trace) std::fflush(trace);
    return written;
}

void randomGround(LevelCodes* codes) {
    for (int index = 0; index < kCellCount; ++index) {
        const int r = randomInt() % 300;
        int code = TILE_SAND;
        // Every draw gives exactly one code: 0-291 sand, 292-295 barrels, 296-297 crate,
        // 298 bones, 299 skull.
        if (r >= 292 && r <= 295) code = TILE_BARRELS;
        else if (r == 296 || r == 297) code = TILE_CRATE;
        else if (r == 298) code = TILE_BONES;
        else if (r == 299) code = TILE_SKULL;
        at(codes, index) = code;
    }
}

void refineCodes(LevelCodes* codes, std::string* trace) {
    const LevelCodes ground = *codes;
    for (int attempt = 0; attempt < kMaxRefineAttempts; ++attempt) {
        *codes = ground;
        std::string attemptTrace;
        runPasses(codes, trace ? &attemptTrace : nullptr);
        if (isLevelPlayable(*codes) && sealUnreachableCells(codes)) {
            if (trace) *trace += attemptTrace;
            return;
        }
    }
    // The plain map: the ground with tents and the roads between them; nothing blocks.
    *codes = ground;
    placeCamps(codes);
    RoadMask roadMask{};
    markRoadEnds(codes, &roadMask);
    connectPathMarkers(codes, &roadMask, trace);
    shapeRoads(codes, roadMask);
}

void runPasses(LevelCodes* codes, std::string* trace) {
    placeWater(codes);
    plantForests(codes);
    placeCamps(codes);
    layRoads(codes, trace);
}
// ---------------------------------------------------------------------------------------
// Playability

bool isLevelPlayable(const LevelCodes& codes) {
    std::array<int, kCellCount> labels{}, sizes{};
    labelRegions(codes, &labels, &sizes);
    std::array<int, kCellCount> heroCells{}, enemyCells{};
    for (int p = 0; p < kCellCount; ++p) {
        const int label = labels[static_cast<std::size_t>(p)];
        if (label < 0) continue;
        if (columnOf(p) <= kHeroSpawnLastColumn) ++heroCells[static_cast<std::size_t>(label)];
        if (columnOf(p) >= kEnemySpawnFirstColumn) ++enemyCells[static_cast<std::size_t>(label)];
    }
    for (int label = 0; label < kCellCount; ++label)
        if (heroCells[static_cast<std::size_t>(label)] >= kMinReachableHeroCells &&
            enemyCells[static_cast<std::size_t>(label)] >= kMinReachableEnemyCells)
            return true;
    return false;
}

bool sealUnreachableCells(LevelCodes* codes) {
    std::array<int, kCellCount> labels{}, sizes{};
    const int main = labelRegions(*codes, &labels, &sizes);
    if (main < 0) return false;
    int cutOff = 0;
    for (int p = 0; p < kCellCount; ++p) {
        const int label = labels[static_cast<std::size_t>(p)];
        if (label < 0 || label == main) continue;
        if (at(*codes, p) != TILE_SAND || ++cutOff > kMaxSealedCells) return false;
    }
    for (int p = 0; p < kCellCount; ++p) {
        const int label = labels[static_cast<std::size_t>(p)];
        if (label >= 0 && label != main) at(codes, p) = TILE_SAND_WALL;
    }
    return true;
}
