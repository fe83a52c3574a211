// The terrain passes: water (a lake or a river with its bridges), forests, tents and hills.
#include "world/level_gen_passes.hpp"

#include "core/random.hpp"

#include <algorithm>
#include <array>

using namespace levelgen;

namespace {

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

} // namespace

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
// Hills

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
