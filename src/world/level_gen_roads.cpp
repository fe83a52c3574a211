// The road passes: road ends beside tents and bridges, the roads joining them, and the
// road and bridge pieces that follow their shape.
#include "world/level_gen_passes.hpp"

#include <array>
#include <cstdio>
#include <string>

using namespace levelgen;

namespace {

void appendTrace(std::string* trace, const char* format, int value) {
    if (!trace) return;
    char line[48];
    std::snprintf(line, sizeof(line), format, value);
    *trace += line;
}

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

// Road ends: the cell beside each tent, and both ends of each bridge.
void levelgen::markRoadEnds(LevelCodes* codes, RoadMask* roadMask) {
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
