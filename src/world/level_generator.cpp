#include "world/level_generator.hpp"

#include "core/random.hpp"
#include "world/tile_catalogue.hpp"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kLastIndex = kCellCount - 1;

// Hill pieces 124 to 130 block rivers, lakes, forests, camps and road markers.
bool isHill(int code) { return code >= TILE_HILL_TOP_LEFT && code <= TILE_HILL_BOTTOM_RIGHT; }
// The inner hill pieces 125 to 129, which the water seed and the bridges avoid.
bool isHillCore(int code) { return code >= TILE_HILL_SIDE && code <= TILE_HILL_TOP_RIGHT; }
// A whole hill with its sand-wall centre: forests and tents never land on any part of it.
bool isHillBlock(int code) { return isHill(code) || code == TILE_SAND_WALL; }
bool isBridge(int code) { return code == TILE_BRIDGE_HORIZONTAL || code == TILE_BRIDGE_VERTICAL; }

bool hasRight(int p) { return columnOf(p) < kMapColumns - 1; }
bool hasLeft(int p) { return columnOf(p) > 0; }
bool hasDown(int p) { return rowOf(p) < kMapRows - 1; }
bool hasUp(int p) { return rowOf(p) > 0; }

std::int32_t& at(LevelCodes* codes, int index) { return (*codes)[static_cast<std::size_t>(index)]; }
std::int32_t at(const LevelCodes& codes, int index) { return codes[static_cast<std::size_t>(index)]; }
std::int32_t& maskAt(RoadMask* mask, int index) { return (*mask)[static_cast<std::size_t>(index)]; }
std::int32_t maskAt(const RoadMask& mask, int index) { return mask[static_cast<std::size_t>(index)]; }

// Neighbour tests: a neighbour outside the grid fails every test.
bool rightIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasRight(p) && test(at(codes, p + 1)); }
bool leftIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasLeft(p) && test(at(codes, p - 1)); }
bool downIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasDown(p) && test(at(codes, p + kMapColumns)); }
bool upIs(const LevelCodes& codes, int p, bool (*test)(int)) { return hasUp(p) && test(at(codes, p - kMapColumns)); }
bool isWater(int code) { return code == TILE_WATER; }

int randomCell() { return randomInt() % kCellCount; }

// Draws random cells until one passes `accept`; gives up (returns -1) only when no cell
// of the map passes, so a map made only of excluded codes cannot hang the generator.
int drawCell(const LevelCodes& codes, bool (*accept)(int)) {
    bool any = false;
    for (int index = 0; index < kCellCount && !any; ++index) any = accept(at(codes, index));
    if (!any) return -1;
    for (;;) {
        const int cell = randomCell();
        if (accept(at(codes, cell))) return cell;
    }
}

void appendTrace(std::string* trace, const char* format, int value) {
    if (!trace) return;
    char line[48];
    std::snprintf(line, sizeof(line), format, value);
    *trace += line;
}

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

void markRoadEnds(LevelCodes* codes, RoadMask* roadMask);

} // namespace

int columnOf(int index) { return index % kMapColumns; }
int rowOf(int index) { return index / kMapColumns; }

// ---------------------------------------------------------------------------------------
// Files

void generateLevels() { generateLevels(kLevelFolder, stdout); }

int generateLevels(const std::string& folder, std::FILE* trace) {
    int written = 0;
    for (int level = kFirstGeneratedLevel; level <= kLastGeneratedLevel; ++level) {
        const std::string path = levelFilePath(folder, level);
        LevelCodes ground{};
        randomGround(&ground);
        // A file that cannot be created stops the generation: the later levels keep
        // their previous files.
        if (!writeLevelText(path, formatLevelText(ground, false))) break;
        refineLevel(path, trace);
        ++written;
    }
    if (trace) std::fflush(trace);
    return written;
}

void refineLevel(const std::string& path) { refineLevel(path, stdout); }

bool refineLevel(const std::string& path, std::FILE* trace) {
    LevelCodes codes{};
    if (readLevelFile(path, &codes) != LEVEL_READ_OK) return false;
    std::string traceText;
    refineCodes(&codes, trace ? &traceText : nullptr);
    if (trace) std::fputs(traceText.c_str(), trace);
    return writeLevelText(path, formatLevelText(codes, true));
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
// Water

void placeWater(LevelCodes* codes) {
    int seed = 0;
    if (randomInt() % 100 >= 1) {
        seed = drawCell(*codes, [](int code) { return !isHillCore(code); });
        if (seed >= 0) at(codes, seed) = TILE_WATER;
        else seed = 0;
    }
    if (randomInt() % 100 <= 50) {
        growLake(codes);
    } else {
        carveRiver(codes, seed);
        placeBridges(codes);
    }
}

void growLake(LevelCodes* codes) {
    for (int step = 0; step < 4; ++step) {
        std::array<bool, kCellCount> water{};
        for (int p = 0; p < kCellCount; ++p) water[static_cast<std::size_t>(p)] = at(*codes, p) == TILE_WATER;
        for (int p = 0; p < kCellCount; ++p) {
            if (!water[static_cast<std::size_t>(p)]) continue;
            const int neighbours[4] = {hasRight(p) ? p + 1 : -1, hasLeft(p) ? p - 1 : -1,
                                       hasDown(p) ? p + kMapColumns : -1, hasUp(p) ? p - kMapColumns : -1};
            for (int n : neighbours) {
                if (n < 0 || isHill(at(*codes, n))) continue;
                if (randomInt() % 100 <= 80) at(codes, n) = TILE_WATER;
            }
        }
    }
}

void carveRiver(LevelCodes* codes, int seed) {
    // The walk: from the seed towards the top, preferring right or up at each step. A
    // walk stuck in the last column under a hill could spin forever, hence the bound.
    int p = seed;
    bool stopped = false;
    for (int steps = 0; p >= 31 && !stopped && steps < 4 * kCellCount; ++steps) {
        const bool rightHill = rightIs(*codes, p, isHill);
        const bool upHill = upIs(*codes, p, isHill);
        if (randomInt() % 100 > 50) {
            if (rightHill) {
                if (upHill) stopped = true;
                else {
                    p -= kMapColumns;
                    at(codes, p) = TILE_WATER;
                }
            } else if (hasRight(p)) {
                p += 1;
                at(codes, p) = TILE_WATER;
            }
        } else {
            if (upHill) {
                if (rightHill) stopped = true;
                else if (hasRight(p)) {
                    p += 1;
                    at(codes, p) = TILE_WATER;
                }
            } else {
                p -= kMapColumns;
                at(codes, p) = TILE_WATER;
            }
        }
    }

    // The widening scan: water thickens and meanders downwards and sideways. Stepping
    // back happens only when a cell was turned to water, and water only grows, so it ends.
    auto makeWater = [codes](int cell) {
        if (at(*codes, cell) == TILE_WATER) return false;
        at(codes, cell) = TILE_WATER;
        return true;
    };
    p = 0;
    while (p < kCellCount) {
        bool stepBack = false;
        if (at(*codes, p) == TILE_WATER) {
            const bool R = rightIs(*codes, p, isWater), L = leftIs(*codes, p, isWater);
            const bool D = downIs(*codes, p, isWater), U = upIs(*codes, p, isWater);
            const bool belowOpen = hasDown(p) && !isHill(at(*codes, p + kMapColumns));
            const bool rightOpen = hasRight(p) && !isHill(at(*codes, p + 1));
            const bool leftOpen = hasLeft(p) && !isHill(at(*codes, p - 1));
            if ((R || L || D) && (U || L || D)) {
                if (!(U || R || D) && belowOpen) stepBack = makeWater(p + kMapColumns); // only L is water
            } else if (R || L || D) {
                // only R is water
                if (randomInt() % 100 <= 50 && belowOpen) makeWater(p + kMapColumns);
            } else {
                const int r = randomInt() % 100;
                if (r >= 68) {
                    if (leftOpen) stepBack = makeWater(p - 1);
                } else if (r >= 35) {
                    if (rightIs(*codes, p, isHill)) {
                        if (!leftIs(*codes, p, isHill)) {
                            if (hasUp(p)) {
                                if (hasLeft(p)) stepBack = makeWater(p - 1);
                            } else if (belowOpen) {
                                makeWater(p + kMapColumns);
                            }
                        }
                    } else if (hasRight(p)) {
                        makeWater(p + 1);
                    }
                } else {
                    if (belowOpen) makeWater(p + kMapColumns);
                    else if (rightOpen) makeWater(p + 1);
                    else if (leftOpen) stepBack = makeWater(p - 1);
                }
            }
        }
        p = stepBack ? std::max(p - 1, 0) : p + 1;
    }
}

namespace {

int waterInColumn(const LevelCodes& codes, int column) {
    int count = 0;
    for (int row = 0; row < kMapRows; ++row) count += at(codes, row * kMapColumns + column) == TILE_WATER;
    return count;
}

int waterInRow(const LevelCodes& codes, int row) {
    int count = 0;
    for (int column = 0; column < kMapColumns; ++column) count += at(codes, row * kMapColumns + column) == TILE_WATER;
    return count;
}

// Tries both bridge rules on a water cell; returns true when it became a bridge. A
// vertical bridge crosses a river that runs sideways and is one cell thick in that
// column; a horizontal one crosses a river one cell thick in that row.
bool tryBridge(LevelCodes* codes, int p) {
    if (at(*codes, p) != TILE_WATER) return false;
    int code = 0;
    if (hasLeft(p) && (leftIs(*codes, p, isWater) || rightIs(*codes, p, isWater)) && hasUp(p) &&
        !(upIs(*codes, p, isHillCore) && downIs(*codes, p, isHillCore)) && waterInColumn(*codes, columnOf(p)) < 2)
        code = TILE_BRIDGE_VERTICAL;
    if (hasUp(p) && (upIs(*codes, p, isWater) || downIs(*codes, p, isWater)) && hasLeft(p) &&
        !(leftIs(*codes, p, isHillCore) && rightIs(*codes, p, isHillCore)) && waterInRow(*codes, rowOf(p)) < 2)
        code = TILE_BRIDGE_HORIZONTAL;
    if (code == 0) return false;
    at(codes, p) = code;
    return true;
}

} // namespace

void placeBridges(LevelCodes* codes) {
    int count = 0;
    for (int p = 0; p < kCellCount; ++p) {
        if (at(*codes, p) != TILE_WATER) continue;
        if (++count == 6) {
            tryBridge(codes, p);
            count = 0;
        }
    }
    bool anyBridge = false;
    for (int p = 0; p < kCellCount && !anyBridge; ++p) anyBridge = isBridge(at(*codes, p));
    if (count != 0 && !anyBridge) {
        for (int p = 0, tests = 0; p < kCellCount && tests < 1000; ++p, ++tests)
            if (tryBridge(codes, p)) break;
    }
    // Stretch each bridge across its run of water; the forward scan carries a bridge
    // downwards and rightwards.
    for (int p = 0; p < kCellCount; ++p) {
        const int code = at(*codes, p);
        if (code == TILE_BRIDGE_VERTICAL) {
            if (downIs(*codes, p, isWater)) at(codes, p + kMapColumns) = TILE_BRIDGE_VERTICAL;
            else if (upIs(*codes, p, isWater)) at(codes, p - kMapColumns) = TILE_BRIDGE_VERTICAL;
        } else if (code == TILE_BRIDGE_HORIZONTAL) {
            if (rightIs(*codes, p, isWater)) at(codes, p + 1) = TILE_BRIDGE_HORIZONTAL;
            else if (leftIs(*codes, p, isWater)) at(codes, p - 1) = TILE_BRIDGE_HORIZONTAL;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Forests and camps

void plantForests(LevelCodes* codes) {
    const int forests = 2 + randomInt() % 2;
    for (int forest = 0; forest < forests; ++forest) {
        for (int draw = 0; draw < kCellCount; ++draw) {
            const int cell = randomCell();
            const int code = at(*codes, cell);
            if (!isHillBlock(code) && code != TILE_WATER && code != TILE_TENT) {
                at(codes, cell) = TILE_FOREST;
                break;
            }
        }
        spreadForest(codes);
    }
}

void spreadForest(LevelCodes* codes) {
    int added = 0;
    for (int p = 0; p < kCellCount && added <= 40; ++p) {
        if (at(*codes, p) != TILE_FOREST) continue;
        const int neighbours[4] = {hasRight(p) ? p + 1 : -1, hasLeft(p) ? p - 1 : -1,
                                   hasDown(p) ? p + kMapColumns : -1, hasUp(p) ? p - kMapColumns : -1};
        for (int n : neighbours) {
            if (n < 0) continue;
            const int code = at(*codes, n);
            if (isHillBlock(code) || code == TILE_WATER || isBridge(code)) continue;
            if (randomInt() % 100 < 96) {
                at(codes, n) = TILE_FOREST;
                ++added;
            }
        }
    }
}

void placeCamps(LevelCodes* codes) {
    const int tents = 2 + randomInt() % 3;
    // A tent never lands on another tent, so a map keeps as many tents as were drawn.
    auto accept = [](int code) {
        return !isHillBlock(code) && code != TILE_WATER && !isBridge(code) && code != TILE_TENT;
    };
    for (int placed = 0; placed < tents; ++placed) {
        const int cell = drawCell(*codes, accept);
        if (cell < 0) return;
        at(codes, cell) = TILE_TENT;
    }
}

// ---------------------------------------------------------------------------------------
// Roads and hills

namespace {

// A road end next to a tent or a bridge. A marker never replaces a tent or a bridge:
// a bridge beside the bridge cell is simply part of the road already.
void setMarker(LevelCodes* codes, RoadMask* roadMask, int cell) {
    const int code = at(*codes, cell);
    if (code == TILE_TENT) return;
    if (!isBridge(code)) at(codes, cell) = TILE_PATH_MARKER;
    maskAt(roadMask, cell) = 1;
}

// The bridge end tests, judged on the bridge's column: the "before" end (left or upper
// neighbour) and the "after" end (right or lower neighbour).
bool beforeEndOpen(int bridgeColumn, int code) { return bridgeColumn >= 2 && !isHill(code) && code != TILE_WATER; }
bool afterEndOpen(int bridgeColumn, int code) {
    return code != TILE_WATER && ((bridgeColumn <= 28 && code < TILE_HILL_TOP_LEFT) || (bridgeColumn <= 15 && code > 130));
}

// One straight run from `from` (not marked) to `to` (marked), along a row or a column.
// A step onto a hill piece is taken but not marked. Returns `to`.
int markRun(const LevelCodes& codes, RoadMask* roadMask, int from, int to) {
    const int step = (rowOf(from) == rowOf(to)) ? (to > from ? 1 : -1) : (to > from ? kMapColumns : -kMapColumns);
    for (int p = from; p != to;) {
        p += step;
        if (!isHill(at(codes, p))) maskAt(roadMask, p) = 1;
    }
    return to;
}

} // namespace

namespace {

// Road ends: the cell beside each tent, and both ends of each bridge.
void markRoadEnds(LevelCodes* codes, RoadMask* roadMask) {
    for (int p = 0; p < kCellCount; ++p) {
        const int code = at(*codes, p);
        const int column = columnOf(p);
        if (code == TILE_TENT) {
            if (column >= 2) setMarker(codes, roadMask, p - 1);
            else if (rowOf(p) < kMapRows - 1) setMarker(codes, roadMask, p + kMapColumns);
            else if (rowOf(p) > 1) setMarker(codes, roadMask, p - kMapColumns);
        } else if (code == TILE_BRIDGE_HORIZONTAL || code == TILE_BRIDGE_VERTICAL) {
            maskAt(roadMask, p) = 1;
            const bool horizontal = code == TILE_BRIDGE_HORIZONTAL;
            const int before = horizontal ? (hasLeft(p) ? p - 1 : -1) : (hasUp(p) ? p - kMapColumns : -1);
            const int after = horizontal ? (hasRight(p) ? p + 1 : -1) : (hasDown(p) ? p + kMapColumns : -1);
            if (before >= 0 && beforeEndOpen(column, at(*codes, before))) setMarker(codes, roadMask, before);
            if (after >= 0 && afterEndOpen(column, at(*codes, after))) setMarker(codes, roadMask, after);
        }
    }
}

bool isFixedRoad(const LevelCodes& codes, int p) {
    const int code = at(codes, p);
    return code == TILE_PATH_MARKER || code == TILE_TENT || isBridge(code);
}

int rightOf(int p) { return hasRight(p) ? p + 1 : -1; }
int leftOf(int p) { return hasLeft(p) ? p - 1 : -1; }
int belowOf(int p) { return hasDown(p) ? p + kMapColumns : -1; }
int aboveOf(int p) { return hasUp(p) ? p - kMapColumns : -1; }

// Takes out a road cell that only doubles another road, when it can: the cell lies in a
// 2x2 block of road, and without it (and, at the end of a doubled stretch, the one cell
// that would be left as a stub) its road neighbours still reach each other and none of
// them becomes a new dead end. Road ends, bridges and tents stay. Returns true when
// something was taken out.
bool thinRoadAt(const LevelCodes& codes, RoadMask* roadMask, int p) {
    if (isFixedRoad(codes, p)) return false;
    auto road = [roadMask](int q) { return q >= 0 && maskAt(*roadMask, q) != 0; };
    bool inBlock = false;
    for (int vertical : {aboveOf(p), belowOf(p)})
        for (int horizontal : {leftOf(p), rightOf(p)})
            if (road(vertical) && road(horizontal) && road(p + (vertical - p) + (horizontal - p))) inBlock = true;
    if (!inBlock) return false;

    int removed[2] = {p, -1};
    auto isRemoved = [&removed](int q) { return q == removed[0] || q == removed[1]; };
    auto links = [&](int q) {
        int count = 0;
        for (int m : {rightOf(q), leftOf(q), belowOf(q), aboveOf(q)}) count += road(m) && !isRemoved(m);
        return count;
    };
    // The road neighbours left behind, and any of them that would become a dead end.
    auto survivors = [&](std::array<int, 8>* out) {
        int count = 0;
        for (int r : removed) {
            if (r < 0) continue;
            for (int n : {rightOf(r), leftOf(r), belowOf(r), aboveOf(r)})
                if (road(n) && !isRemoved(n)) (*out)[static_cast<std::size_t>(count++)] = n;
        }
        return count;
    };
    std::array<int, 8> left{};
    int count = survivors(&left);
    for (int i = 0; i < count; ++i) {
        const int n = left[static_cast<std::size_t>(i)];
        if (isFixedRoad(codes, n) || links(n) >= 2) continue;
        if (removed[1] >= 0 || links(n) != 1) return false;
        removed[1] = n; // a one-cell stub: it goes too
        count = survivors(&left);
        i = -1;
    }
    if (count == 0) return false;
    // The survivors must still reach each other.
    RoadMask seen{};
    std::array<int, kCellCount> stack{};
    int top = 0;
    stack[static_cast<std::size_t>(top++)] = left[0];
    maskAt(&seen, left[0]) = 1;
    while (top > 0) {
        const int q = stack[static_cast<std::size_t>(--top)];
        for (int m : {rightOf(q), leftOf(q), belowOf(q), aboveOf(q)})
            if (road(m) && !isRemoved(m) && !maskAt(seen, m)) {
                maskAt(&seen, m) = 1;
                stack[static_cast<std::size_t>(top++)] = m;
            }
    }
    for (int i = 0; i < count; ++i)
        if (!maskAt(seen, left[static_cast<std::size_t>(i)])) return false;
    for (int r : removed)
        if (r >= 0) maskAt(roadMask, r) = 0;
    return true;
}

} // namespace

void layRoads(LevelCodes* codes, std::string* trace) {
    RoadMask roadMask{};
    markRoadEnds(codes, &roadMask);
    connectPathMarkers(codes, &roadMask, trace);
    shapeRoads(codes, roadMask);
    placeHills(codes, roadMask);
}

void connectPathMarkers(LevelCodes* codes, RoadMask* roadMask, std::string* trace) {
    // Every marker is joined to the next one in index order, all the way through the map.
    int previous = -1;
    for (int p = 0; p < kCellCount; ++p) {
        if (at(*codes, p) != TILE_PATH_MARKER) continue;
        const int a = previous, b = p;
        previous = p;
        if (a < 0 || b == kLastIndex) continue;
        appendTrace(trace, "turn 1  = %d\n", a);
        appendTrace(trace, "turn 2 = %d\n", b);
        const int corner1 = rowOf(a) * kMapColumns + columnOf(b); // along a's row to b's column
        const int corner2 = rowOf(b) * kMapColumns + columnOf(a); // along a's column to b's row
        // Markers in different rows and columns get both L shapes: a closed rectangle of road.
        const bool horizontalFirst = columnOf(a) != columnOf(b), verticalFirst = rowOf(a) != rowOf(b);
        if (horizontalFirst) markRun(*codes, roadMask, markRun(*codes, roadMask, a, corner1), b);
        if (verticalFirst) markRun(*codes, roadMask, markRun(*codes, roadMask, a, corner2), b);
    }
    if (trace) {
        for (int row = 0; row < kMapRows; ++row) {
            for (int column = 0; column < kMapColumns; ++column)
                *trace += maskAt(*roadMask, row * kMapColumns + column) ? '1' : '0';
            *trace += '\n';
        }
    }
    for (int p = 0; p < kCellCount; p += kMapColumns)
        if (maskAt(*roadMask, p) && hasUp(p)) maskAt(roadMask, p - kMapColumns) = 1;
    if (maskAt(*roadMask, 450)) maskAt(roadMask, 480) = 1;
    // Roads laid side by side (two rectangles touching, a rectangle one cell high) would
    // show as a ladder of crossings: one of the two runs is taken out, keeping every road
    // joined as it was.
    for (bool changed = true; changed;) {
        changed = false;
        for (int p = 0; p < kCellCount; ++p)
            if (maskAt(*roadMask, p) && thinRoadAt(*codes, roadMask, p)) changed = true;
    }
}

void shapeRoads(LevelCodes* codes, const RoadMask& roadMask) {
    for (int p = 0; p < kCellCount; ++p) {
        if (!maskAt(roadMask, p)) continue;
        const int code = at(*codes, p);
        if (code == TILE_TENT || isBridge(code)) continue;
        const bool R = hasRight(p) && maskAt(roadMask, p + 1);
        const bool L = hasLeft(p) && maskAt(roadMask, p - 1);
        const bool D = hasDown(p) && maskAt(roadMask, p + kMapColumns);
        const bool U = hasUp(p) && maskAt(roadMask, p - kMapColumns);
        int piece = 0;
        if (code == TILE_WATER) {
            if (L && U && R) piece = TILE_BRIDGE_T_UP;
            else if (U && R && D) piece = TILE_BRIDGE_T_RIGHT;
            else if (L && D && R) piece = TILE_BRIDGE_T_DOWN;
            else if (U && L && D) piece = TILE_BRIDGE_T_LEFT;
            else if (L && U) piece = TILE_BRIDGE_L_LEFT_UP;
            else if (R && U) piece = TILE_BRIDGE_L_RIGHT_UP;
            else if (R && D) piece = TILE_BRIDGE_L_RIGHT_DOWN;
            else if (L && D) piece = TILE_BRIDGE_L_LEFT_DOWN;
            else if (L || R) piece = TILE_BRIDGE_HORIZONTAL;
            else if (U || D) piece = TILE_BRIDGE_VERTICAL;
        }
        if (piece == 0) {
            if (R && L && D && U) piece = TILE_ROAD_CROSSING;
            else if (R && L && D) piece = TILE_ROAD_T_DOWN;
            else if (R && L && U) piece = TILE_ROAD_T_UP;
            else if (R && U && D) piece = TILE_ROAD_T_RIGHT;
            else if (L && U && D) piece = TILE_ROAD_T_LEFT;
            else if (L && U) piece = TILE_ROAD_L_LEFT_UP;
            else if (R && U) piece = TILE_ROAD_L_RIGHT_UP;
            else if (R && D) piece = TILE_ROAD_L_RIGHT_DOWN;
            else if (L && D) piece = TILE_ROAD_L_LEFT_DOWN;
            else if (L && R) piece = TILE_ROAD_HORIZONTAL;
            else if (U && D) piece = TILE_ROAD_VERTICAL;
        }
        if (piece != 0) at(codes, p) = piece;
    }
}

void placeHills(LevelCodes* codes, const RoadMask& roadMask) {
    static constexpr int kHill[3][3] = {
        {TILE_HILL_TOP_LEFT, TILE_HILL_TOP, TILE_HILL_TOP_RIGHT},
        {TILE_HILL_SIDE, TILE_SAND_WALL, TILE_HILL_SIDE},
        {TILE_HILL_BOTTOM_LEFT, TILE_HILL_BOTTOM, TILE_HILL_BOTTOM_RIGHT},
    };
    int hills = 0;
    for (int p = 0; p < kCellCount && hills < 2; ++p) {
        if (at(*codes, p) != TILE_SAND) continue;
        if (randomInt() % 400 > 1) continue;
        bool nearRoadHill = false;
        for (int offset : {31, 32, 61, 62}) {
            const int q = p + offset;
            if (q < kCellCount && isHillCore(at(*codes, q)) && maskAt(roadMask, q)) nearRoadHill = true;
        }
        if (nearRoadHill) continue;
        const bool fits = columnOf(p) <= kMapColumns - 3 && rowOf(p) <= kMapRows - 3;
        if (fits) {
            // A hill never buries a tent or part of another hill: each stays whole.
            bool blocked = false;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx) {
                    const int code = at(*codes, p + dy * kMapColumns + dx);
                    if (code == TILE_TENT || isHill(code) || code == TILE_SAND_WALL) blocked = true;
                }
            if (blocked) continue;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx) at(codes, p + dy * kMapColumns + dx) = kHill[dy][dx];
        }
        ++hills; // a winning draw too close to the edge places nothing but still counts
    }
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
