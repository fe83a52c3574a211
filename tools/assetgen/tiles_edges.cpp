// The ground's edge layer and its small life, for the generated levels: the game picks one
// of these cells in place of a cell's own picture, from the cell's neighbours (shores and
// bridge banks) or from its cosmetic scatter (decorated sand). Every cell is opaque and keeps
// the plain sand or water of its kind at its edges, so it joins whatever lies beside it.
//
//   Sprites/GroundEdges/SandShore.png    47 water cells with sandy shores (world/shore_pieces.hpp order)
//   Sprites/GroundEdges/BridgeShore.png  the 10 bridge decks, each over the same 47 shores
//   Sprites/GroundEdges/SandDecor.png    16 sand cells, each with a plant, stones, flowers or tracks
//   Sprites/GroundEdges/RoadEnds.png     the road-end marker, the tent and a desert road with the
//                                        road arriving from each set of sides
#include "tiles_kit.hpp"
#include "world/shore_pieces.hpp"

#include <cmath>

using namespace art;

namespace tiles {

namespace {

// The cell a shore piece draws: open sides and corners are water.
Cell shoreCell(int piece) {
    const unsigned m = shore::pieceMasks()[static_cast<std::size_t>(piece)];
    Cell cell;
    cell.open = {(m & shore::N) != 0, (m & shore::E) != 0, (m & shore::S) != 0, (m & shore::W) != 0};
    cell.diag = {(m & shore::NE) != 0, (m & shore::SE) != 0, (m & shore::SW) != 0, (m & shore::NW) != 0};
    return cell;
}

// The deck of each bridge code, in shore::kBridgeCodes order.
Cell deckCell(int deck) {
    const int arms = shore::kBridgeDeckArms[static_cast<std::size_t>(deck)];
    return cellOpen((arms & shore::ARM_N) != 0, (arms & shore::ARM_E) != 0, (arms & shore::ARM_S) != 0,
                    (arms & shore::ARM_W) != 0);
}

void blitCell(Canvas& sheet, const Canvas& cell, int column, int row) { sheet.blit(cell, column * kTile, row * kTile); }

// Where the deck reaches a side that is land, its last planks give way to the road's packed
// earth, so the bridge runs on into the road beside it without a seam.
constexpr int kLanding = 5;

void landDeck(Canvas& c, const Cell& deck, const Cell& water) {
    for (int side = 0; side < 4; ++side) {
        if (!deck.open[side] || water.open[side]) continue;
        const bool vertical = side == N || side == S;
        const Canvas road = desertRoadCell(cellOpen(vertical, !vertical, vertical, !vertical), 1);
        for (int t = 0; t < kTile; ++t)
            for (int k = 0; k < kLanding; ++k) {
                const int along = side == N || side == W ? k : kTile - 1 - k;
                const int x = vertical ? t : along, y = vertical ? along : t;
                if (t >= kBand - 2 && t <= kTile - kBand + 1) c.px(x, y, road.get(x, y));
            }
    }
}

Cell armsCell(int arms) {
    return cellOpen((arms & shore::ARM_N) != 0, (arms & shore::ARM_E) != 0, (arms & shore::ARM_S) != 0,
                    (arms & shore::ARM_W) != 0);
}

// A road end: the road pieces' band runs in from each arm's side (a dead-end piece's round
// end when there is one arm), under the marker's patch or the tent.
Canvas roadEndGround(int arms) {
    if (arms == 0) {
        Canvas c(kTile, kTile);
        paintSand(c, 9);
        return c;
    }
    return desertRoadCell(armsCell(arms), 12 + arms);
}

// ---- Small things on the sand: drawn on their own layer, rimmed with the ground's darkest
// earth (softer than the props' Ink: they belong to the ground), with a flat shadow.

void groundProp(Canvas& ground, Canvas thing) {
    thing.outline(pal(EarthDeep));
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!thing.opaque(x, y) && thing.opaque(x - 2, y - 1)) ground.blend(x, y, pal(Ink, 70));
    ground.blit(thing, 0, 0);
}

void tuft(Canvas& c, int x, int y, int blades, int seed) {
    for (int b = 0; b < blades; ++b) {
        const int dx = b - blades / 2;
        const int h = 3 + int(hashNoise(b, seed, 3001) * 4);
        for (int j = 0; j < h; ++j) {
            const int px = x + dx + (j > h / 2 ? (dx < 0 ? -1 : (dx > 0 ? 1 : 0)) : 0);
            c.px(px, y - j, j == h - 1 ? pal(GrassLight) : (j < 2 ? pal(GrassDeep) : pal(Grass)));
        }
    }
}

void dryTuft(Canvas& c, int x, int y, int blades, int seed) {
    for (int b = 0; b < blades; ++b) {
        const int dx = b - blades / 2;
        const int h = 3 + int(hashNoise(b, seed, 3002) * 4);
        for (int j = 0; j < h; ++j) {
            const int px = x + dx + (j > h / 2 ? (dx < 0 ? -1 : (dx > 0 ? 1 : 0)) : 0);
            c.px(px, y - j, j == h - 1 ? pal(SandLight) : (j < 2 ? pal(Earth) : pal(EarthLight)));
        }
    }
}

void stone(Canvas& c, int x, int y, int rx, int ry, const std::vector<int>& ramp) {
    for (int v = -ry; v <= ry; ++v)
        for (int u = -rx; u <= rx; ++u) {
            const float nx = float(u) / float(rx), ny = float(v) / float(ry);
            const float dd = nx * nx + ny * ny;
            if (dd > 1.f) continue;
            const float light = lightOf(nx, ny, std::sqrt(std::max(0.f, 1.f - dd)));
            c.px(x + u, y + v, rampStep(ramp, light, x + u, y + v));
        }
}

void flower(Canvas& c, int x, int y, int petal, int heart) {
    c.px(x, y + 1, pal(Leaf));
    c.px(x, y + 2, pal(GrassDeep));
    c.px(x - 1, y, pal(petal));
    c.px(x + 1, y, pal(petal));
    c.px(x, y - 1, pal(petal));
    c.px(x, y, pal(heart));
}

// Footprints pressed into the sand: no rim, a darker hollow with a lit back edge.
void print(Canvas& ground, int x, int y) {
    ground.px(x, y, pal(EarthLight));
    ground.px(x + 1, y, pal(EarthLight));
    ground.px(x, y + 1, pal(Earth));
    ground.px(x + 1, y + 1, pal(EarthLight));
    ground.px(x, y - 1, pal(SandLight));
}

Canvas decorCell(int k) {
    Canvas c(kTile, kTile);
    paintSand(c, 30 + k);
    Canvas t(kTile, kTile);
    // Positions stay 10 pixels clear of the edges: nothing crosses into the next cell.
    const int ox = 14 + int(hashNoise(k, 1, 3010) * 30), oy = 18 + int(hashNoise(k, 2, 3011) * 26);
    switch (k) {
    case 0: dryTuft(t, ox, oy, 5, k); break;
    case 1: tuft(t, ox, oy, 5, k); tuft(t, ox + 7, oy + 3, 3, k + 40); break;
    case 2: stone(t, ox, oy, 4, 3, kStoneRamp); stone(t, ox + 7, oy + 2, 2, 2, kStoneRamp); stone(t, ox + 3, oy + 5, 2, 1, kStoneRamp); break;
    case 3: stone(t, ox, oy, 7, 3, kSandstoneRamp); break;
    case 4: {
        tuft(t, ox, oy + 2, 3, k);
        flower(t, ox - 3, oy - 3, Plum, GoldLight);
        flower(t, ox + 3, oy - 4, PlumLight, Gold);
        break;
    }
    case 5: break; // tracks, below
    case 6: { // a small rounded succulent
        std::vector<Ball> balls = {{float(ox), float(oy), 4.5f, 0, 0}, {float(ox + 4), float(oy + 2), 3.5f, 1, 0}};
        shadeBalls(t, balls, kLeafRamp, 0.2f, 3020);
        t.px(ox - 1, oy - 4, pal(Ember));
        break;
    }
    case 7: break; // a wheel track, below
    case 8: { // a dry branch
        for (int i = 0; i < 12; ++i) t.px(ox + i, oy + i / 3, pal(i % 4 == 0 ? EarthDeep : Earth));
        for (int i = 0; i < 4; ++i) t.px(ox + 5 + i, oy - 1 - i / 2, pal(Earth));
        t.px(ox + 2, oy - 1, pal(EarthLight));
        break;
    }
    case 9: { // pebbles in a line, as if left by water long ago
        for (int i = 0; i < 5; ++i) stone(t, ox + i * 5, oy + int(hashNoise(i, k, 3030) * 3), 1 + i % 2, 1, kSandstoneRamp);
        break;
    }
    case 10: dryTuft(t, ox, oy, 4, k); dryTuft(t, ox + 8, oy + 4, 3, k + 50); break;
    case 11: {
        tuft(t, ox, oy + 2, 4, k);
        flower(t, ox - 2, oy - 3, Cloud, Gold);
        flower(t, ox + 3, oy - 2, White, GoldLight);
        flower(t, ox + 6, oy + 1, Cloud, Gold);
        break;
    }
    case 12: stone(t, ox, oy, 5, 4, kStoneRamp); tuft(t, ox + 6, oy + 4, 3, k); break;
    case 13: break; // bird tracks, below
    case 14: { // a low shrub with berries
        std::vector<Ball> balls = {{float(ox - 3), float(oy), 4.f, 0, 0}, {float(ox + 3), float(oy), 4.f, 0, 0},
                                   {float(ox), float(oy - 3), 4.5f, 1, 0}};
        shadeBalls(t, balls, kLeafRamp, 0.3f, 3040);
        t.px(ox - 2, oy - 2, pal(Blood));
        t.px(ox + 3, oy - 1, pal(Blood));
        t.px(ox + 1, oy + 2, pal(Ember));
        break;
    }
    case 15: dryTuft(t, ox, oy, 3, k); stone(t, ox + 6, oy + 1, 2, 2, kSandstoneRamp); break;
    }
    groundProp(c, t);
    if (k == 5) // a fox's trail across the cell
        for (int i = 0; i < 6; ++i) print(c, 12 + i * 7, 22 + i * 4 + (i % 2) * 3);
    if (k == 7) // a cart's wheel track curving through
        for (int x = 10; x < 54; ++x) {
            const int y = 30 + int(6.f * std::sin(float(x) / 9.f));
            c.px(x, y, pal(EarthLight));
            c.px(x, y + 1, pal(Earth));
            if (x % 5 == 0) c.px(x, y - 1, pal(SandLight));
        }
    if (k == 13) // bird tracks: little forks
        for (int i = 0; i < 4; ++i) {
            const int x = 18 + i * 8, y = 26 + (i % 2) * 6;
            c.px(x, y, pal(Earth));
            c.px(x - 1, y - 1, pal(Earth));
            c.px(x + 1, y - 1, pal(Earth));
            c.px(x, y + 1, pal(EarthLight));
        }
    return c;
}

} // namespace

void genGroundEdges() {
    Canvas shores(shore::kSheetColumns * kTile, shore::kSheetRows * kTile);
    for (int k = 0; k < shore::kSheetColumns * shore::kSheetRows; ++k) {
        const int piece = std::min(k, shore::kPieceCount - 1); // the spare cell repeats open water
        blitCell(shores, lakeCell(shoreCell(piece), 40 + piece % 5), k % shore::kSheetColumns, k / shore::kSheetColumns);
    }
    shores.save(out("Sprites/GroundEdges/SandShore.png"));

    const int blockW = shore::kSheetColumns, blockH = shore::kSheetRows;
    const int decks = int(shore::kBridgeCodes.size());
    const int blocksDown = (decks + shore::kBridgeBlocksAcross - 1) / shore::kBridgeBlocksAcross;
    Canvas bridges(shore::kBridgeBlocksAcross * blockW * kTile, blocksDown * blockH * kTile);
    for (int d = 0; d < decks; ++d) {
        const int bx = (d % shore::kBridgeBlocksAcross) * blockW, by = (d / shore::kBridgeBlocksAcross) * blockH;
        for (int k = 0; k < blockW * blockH; ++k) {
            const int piece = std::min(k, shore::kPieceCount - 1);
            const Cell water = shoreCell(piece);
            Canvas c = lakeCell(water, 40 + piece % 5);
            bridgeDeckOver(c, deckCell(d), 1 + d, [&water](int x, int y) { return lakeWaterAt(water, x, y); });
            landDeck(c, deckCell(d), water);
            blitCell(bridges, c, bx + k % blockW, by + k / blockW);
        }
    }
    bridges.save(out("Sprites/GroundEdges/BridgeShore.png"));

    const int rows = (shore::kDecorCount + shore::kDecorColumns - 1) / shore::kDecorColumns;
    Canvas decor(shore::kDecorColumns * kTile, rows * kTile);
    for (int k = 0; k < shore::kDecorCount; ++k)
        blitCell(decor, decorCell(k), k % shore::kDecorColumns, k / shore::kDecorColumns);
    decor.save(out("Sprites/GroundEdges/SandDecor.png"));

    Canvas ends(shore::kArmPatterns * kTile, shore::kRoadEndRows * kTile);
    for (int arms = 0; arms < shore::kArmPatterns; ++arms) {
        blitCell(ends, pathMarkerOver(roadEndGround(arms)), arms, 0);
        blitCell(ends, tentOver(roadEndGround(arms)), arms, 1);
        blitCell(ends, desertRoadCell(armsCell(arms), 12 + arms), arms, 2);
    }
    ends.save(out("Sprites/GroundEdges/RoadEnds.png"));
}

} // namespace tiles
