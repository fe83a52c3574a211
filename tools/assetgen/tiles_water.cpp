// Water: open water, the 3x3 oasis lake with sandy shores, and the wooden bridges.
// All water is the same wrapping texture, so lake pieces, bridges and open water join.
#include "tiles_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace tiles {

namespace {

Edge lakeEdge() {
    Edge e;
    e.depth = 15;
    e.jitter = 1;
    e.round = 12;
    e.seed = 3;
    return e;
}

} // namespace

bool lakeWaterAt(const Cell& cell, int x, int y) { return cellInside(cell, lakeEdge(), x, y); }

// A lake cell: water, with a sandy shore along each closed side.
Canvas lakeCell(const Cell& cell, int variant) {
    Canvas c(kTile, kTile);
    paintSand(c, variant);
    Canvas water(kTile, kTile);
    paintWater(water, variant);
    const Edge e = lakeEdge();
    const std::vector<int> in = insideDistance(cell, e, 5);
    const std::vector<int> outD = outsideDistance(cell, e, 4);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const int d = in[y * kTile + x];
            if (d == 0) {
                const int o = outD[y * kTile + x];
                // Wet sand darkens towards the water.
                if (o == 1) c.px(x, y, pal(Earth));
                else if (o == 2) c.px(x, y, pal(EarthLight));
                else if (o == 3 && bayer(x, y) < 0.5f) c.px(x, y, pal(EarthLight));
                continue;
            }
            sf::Color col = water.get(x, y);
            if (d == 1) col = pal(Foam);
            else if (d == 2) col = bayer(x, y) < 0.5f ? pal(Foam) : pal(WaterLight);
            else if (d <= 4) col = bayer(x, y) < (d == 3 ? 0.7f : 0.35f) ? pal(WaterLight) : col;
            c.px(x, y, col);
        }
    // Reeds on the shore, in the middle of each closed side (clear of the tile's edges).
    for (int side = 0; side < 4; ++side) {
        if (cell.open[side]) continue;
        for (int k = 0; k < 5; ++k) {
            const int t = 22 + k * 4 + int(hashNoise(k, side, 2200 + variant) * 3);
            const int depth = 14 + int(hashNoise(k, side, 2210 + variant) * 3);
            int x = 0, y = 0;
            if (side == N) { x = t; y = depth; }
            if (side == S) { x = t; y = 63 - depth + 4; }
            if (side == W) { x = depth - 2; y = t; }
            if (side == E) { x = 63 - depth + 2; y = t; }
            const int h = 4 + int(hashNoise(k, side, 2220) * 4);
            for (int j = 0; j < h; ++j) c.px(x, y - j, j == h - 1 ? pal(EarthLight) : (j < 2 ? pal(GrassDeep) : pal(Leaf)));
            c.px(x + 1, y, pal(Ink, 255));
            c.px(x + 1, y, pal(GrassDeep));
            c.px(x, y - h, pal(Earth));
        }
    }
    return c;
}

// A plank deck across the band 16..47 toward every side `cell` joins, over `c`; `water` says
// where `c` shows water (the deck's shadow and the ripples round its piles fall there; on a
// shore the shadow darkens the sand instead).
void bridgeDeckOver(Canvas& c, const Cell& cell, int variant, const std::function<bool(int, int)>& water) {
    Edge e;
    e.jitter = 0;
    e.round = 0;
    e.seed = 4;
    auto deck = [&](int x, int y) { return cellInside(cell, e, x, y); };
    const std::vector<int> in = insideDistance(cell, e, 3);
    // Shadow of the deck on the water, down-right.
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!deck(x, y) && (deck(x - 2, y - 3) || deck(x - 1, y - 3))) {
                if (water(x, y)) c.px(x, y, bayer(x, y) < 0.7f ? pal(WaterDeep) : pal(Water));
                else c.px(x, y, bayer(x, y) < 0.7f ? pal(Earth) : pal(EarthLight));
            }
    // Piles under the rails and a ripple where they stand in the water.
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            if (deck(x, y)) continue;
            const bool belowDeck = deck(x, y - 1) && deck(x, y - 2);
            const bool postCol = wrap64(x + 3) % 12 < 2;
            if (belowDeck && postCol) {
                c.px(x, y, pal(EarthDeep));
                c.px(x, y + 1, pal(EarthDeep));
                if (!water(x, y + 2)) continue;
                c.px(x, y + 2, pal(Foam));
                c.px(x - 1, y + 2, pal(WaterLight));
                c.px(x + 1, y + 2, pal(WaterLight));
            }
        }
    // Deck: planks across the way of travel, rails along the open-water edges.
    const bool mainHorizontal = (cell.open[E] || cell.open[W]);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const int d = in[y * kTile + x];
            if (d == 0) continue;
            const float u = float(x) + 0.5f, v = float(y) + 0.5f;
            const bool inHBand = v >= 16 && v <= 48, inVBand = u >= 16 && u <= 48;
            bool horizontal = mainHorizontal;
            if (inHBand && !inVBand) horizontal = true;
            else if (inVBand && !inHBand) horizontal = false;
            // Planks 4 pixels wide, the gaps between them off the tile's edges (at 1, 5, ... 61),
            // so that two decks meet in the middle of a plank and not on a doubled gap.
            const int along = (horizontal ? x : y) + 2;
            const int across = horizontal ? y : x;
            const int plank = along / 4;
            sf::Color col;
            if (along % 4 == 3) col = pal(Earth);
            else {
                col = pal(EarthLight);
                const float tone = hashNoise(plank, across / 12, 2300 + variant);
                if (along % 4 == 0) col = tone < 0.5f ? pal(Sand) : pal(EarthLight);
                if (tone > 0.8f && along % 4 == 2) col = pal(Earth);
                if (hashNoise(x, y, 2301) < 0.05f) col = pal(Earth);
            }
            if (d <= 3) {
                // Rail beam along the edge: dark outer edge, lit top, shaded lower half.
                col = d == 1 ? pal(EarthDeep) : (d == 2 ? pal(Sand) : pal(Earth));
            } else if (d == 4) {
                // Nails where each plank meets the beam.
                col = (along % 4 == 1) ? pal(EarthDeep) : col;
            }
            c.px(x, y, col);
        }
    // Posts standing out of the rails every 12 pixels.
    {
        const std::vector<int> inD = in;
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x) {
                const int d = inD[y * kTile + x];
                if (d < 1 || d > 3) continue;
                const float u = float(x) + 0.5f, v = float(y) + 0.5f;
                const bool inHBand = v >= 16 && v <= 48;
                const bool horizontalRail = inHBand ? (y < 20 || y > 43) : false;
                const int run = horizontalRail ? x : y;
                if (wrap64(run + 3) % 12 < 3) c.px(x, y, (wrap64(run + 3) % 12 == 0 && d == 2) ? pal(SandLight) : pal(EarthDeep));
                (void)u;
            }
    }
    // Ink edge between deck and water.
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!deck(x, y) && (deck(x + 1, y) || deck(x - 1, y) || deck(x, y + 1) || deck(x, y - 1))) c.px(x, y, pal(Ink));
}

namespace {

// A bridge cell over open water.
Canvas bridge(const Cell& cell, int variant) {
    Canvas c(kTile, kTile);
    paintWater(c, variant);
    bridgeDeckOver(c, cell, variant, [](int, int) { return true; });
    return c;
}

Canvas lake(const Cell& cell, int variant) { return lakeCell(cell, variant); }

} // namespace

void genWaterTiles() {
    {
        Canvas w(kTile, kTile);
        paintWater(w, 0);
        saveTile(w, "water"); // "Water" is the same picture: the game finds it by a case-insensitive match
    }
    // Lake pieces: open sides continue the water (N, E, S, W).
    saveTile(lake(cellArea(false, true, true, false), 1), "Lac_top_left");
    saveTile(lake(cellArea(false, true, true, true), 2), "Lac_top_mid");
    saveTile(lake(cellArea(false, false, true, true), 3), "lac_top_right");
    saveTile(lake(cellArea(true, true, true, false), 4), "Lac_mid_left");
    saveTile(lake(cellArea(true, true, true, true), 5), "Lac_mid");
    saveTile(lake(cellArea(true, true, false, false), 6), "Lac_below_left");
    saveTile(lake(cellArea(true, true, false, true), 7), "Lac_below_mid");
    saveTile(lake(cellArea(true, false, false, true), 8), "Lac_below_right");

    // Bridges: open sides are the ways the deck leads (N, E, S, W).
    saveTile(bridge(cellOpen(false, true, false, true), 1), "Pont_Horizontale");
    saveTile(bridge(cellOpen(true, false, true, false), 2), "Pont_Verticale");
    saveTile(bridge(cellOpen(true, false, false, true), 3), "LBridge");
    saveTile(bridge(cellOpen(true, true, false, false), 4), "LBridge2");
    saveTile(bridge(cellOpen(false, true, true, false), 5), "LBridge3");
    saveTile(bridge(cellOpen(false, false, true, true), 6), "LBridge4");
    saveTile(bridge(cellOpen(true, true, false, true), 7), "TBridge");
    saveTile(bridge(cellOpen(true, true, true, false), 8), "TBridge2");
    saveTile(bridge(cellOpen(false, true, true, true), 9), "TBridge3");
    saveTile(bridge(cellOpen(true, false, true, true), 10), "TBridge4");
}

} // namespace tiles
