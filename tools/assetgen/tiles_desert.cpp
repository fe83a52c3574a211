// Desert ground of the generated levels: sand, the road pieces the level generator joins,
// the road-end marker and the 3x3 rocky hill.
#include "tiles_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace tiles {

// A packed-earth road on sand: the band 16..47 reaches every side the piece joins.
Canvas desertRoadCell(const Cell& cell, int variant) {
    Canvas c(kTile, kTile);
    paintSand(c, variant);
    Canvas earth(kTile, kTile);
    paintEarth(earth, variant + 40);
    Edge e;
    e.seed = 2;
    const std::vector<int> in = insideDistance(cell, e, 3);
    const std::vector<int> outD = outsideDistance(cell, e, 2);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const int d = in[y * kTile + x];
            if (d == 0) {
                // Sand drifted against the road edge: darker grains.
                if (outD[y * kTile + x] == 1 && hashNoise(x, y, 2101) < 0.5f) c.px(x, y, pal(EarthLight));
                continue;
            }
            sf::Color col = earth.get(x, y);
            if (d == 1) col = hashNoise(x, y, 2102) < 0.3f ? pal(Sand) : pal(Earth);
            else if (d == 2) {
                const bool shaded = !cellInside(cell, e, x, y - 2) || !cellInside(cell, e, x - 2, y);
                col = shaded ? pal(Earth) : pal(Sand);
            }
            if (d > 2 && rutAt(cell, x, y)) col = hashNoise(x, y, 2103) < 0.25f ? pal(EarthDeep) : pal(Earth);
            c.px(x, y, col);
        }
    for (int y = 1; y < kTile; ++y)
        for (int x = 1; x < kTile; ++x)
            if (in[y * kTile + x] > 2 && !rutAt(cell, x, y) && rutAt(cell, x - 1, y - 1) && bayer(x, y) < 0.6f)
                c.px(x, y, pal(Sand));
    return c;
}

// The road-end marker: a trodden patch in the middle of `c` with a waymark post.
Canvas pathMarkerOver(Canvas c) {
    Canvas earth(kTile, kTile);
    paintEarth(earth, 9);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float u = float(x) + 0.5f - 32.f, v = float(y) + 0.5f - 33.f;
            const float r = std::hypot(u, v * 1.15f) + (wrapNoise(x, y, 8, 2110) - 0.5f) * 3.f;
            if (r < 14.f) c.px(x, y, r > 13.f ? pal(Earth) : earth.get(x, y));
            else if (r < 15.5f && hashNoise(x, y, 2111) < 0.5f) c.px(x, y, pal(EarthLight));
        }
    // Two ruts crossing the patch.
    for (int x = 22; x <= 42; ++x) {
        c.px(x, 28 + (x > 38 ? 1 : 0), pal(Earth));
        c.px(x, 38 - (x < 26 ? 1 : 0), pal(Earth));
    }
    // Waymark: a post with a cairn of stones at its foot.
    Canvas post(kTile, kTile);
    post.rect(34, 14, 3, 20, pal(Earth));
    post.rect(34, 14, 1, 20, pal(EarthLight));
    post.rect(36, 14, 1, 20, pal(EarthDeep));
    post.rect(30, 17, 13, 5, pal(EarthLight));
    post.rect(30, 21, 13, 1, pal(Earth));
    for (int x = 32; x <= 40; x += 2) post.px(x, 19, pal(EarthDeep));
    post.px(42, 18, pal(Sand));
    post.ellipse(31, 35, 3, 2, pal(Steel));
    post.ellipse(38, 36, 3, 2, pal(Silver));
    post.px(30, 34, pal(Cloud));
    post.px(37, 35, pal(Cloud));
    post.px(40, 37, pal(Slate));
    post.outline(pal(Ink));
    Canvas shade(kTile, kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (post.opaque(x - 3, y - 2)) shade.px(x, y, pal(Ink, 90));
    c.blit(shade, 0, 0);
    c.blit(post, 0, 0);
    return c;
}

namespace {

Canvas desertRoad(const Cell& cell, int variant) { return desertRoadCell(cell, variant); }

// The marker alone in the sand.
Canvas pathMarker() {
    Canvas c(kTile, kTile);
    paintSand(c, 9);
    return pathMarkerOver(c);
}

// The 3x3 hill of the generated levels is a ring of rock around a sand hollow (the centre
// cell is plain sand). Each piece carries one part of the ring's crest line: through the
// middle of the tile for the side pieces, a quarter circle for the corners. The middle-left
// and middle-right pieces are one picture, so the crest's profile is symmetric and lit from
// the left on both.
enum class Ring { TopLeft, TopMid, TopRight, Mid, BelowLeft, BelowMid, BelowRight };

constexpr float kRidgeHalf = 27.f;

float ringDistance(Ring r, float u, float v) {
    switch (r) {
    case Ring::TopMid:
    case Ring::BelowMid: return v - 32.f;
    case Ring::Mid: return u - 32.f;
    case Ring::TopLeft: return std::hypot(u - 64.f, v - 64.f) - 32.f;
    case Ring::TopRight: return std::hypot(u, v - 64.f) - 32.f;
    case Ring::BelowLeft: return std::hypot(u - 64.f, v) - 32.f;
    case Ring::BelowRight: return std::hypot(u, v) - 32.f;
    }
    return 100.f;
}

float moundHeight(Ring r, float u, float v) {
    const float d = std::fabs(ringDistance(r, u, v)) / kRidgeHalf;
    if (d >= 1.f) return 0.f;
    return 0.5f + 0.5f * std::cos(d * 3.14159265f);
}

// Boulders crowning the ridge, placed along the crest line. The boulders sitting on a tile
// edge are the same on both pieces that share that edge; the others stay inside the tile.
std::vector<Ball> crestBoulders(Ring r) {
    std::vector<Ball> balls;
    auto add = [&](float x, float y, int i, bool shared) {
        if (shared || hashNoise(i, int(r), 2147) < 0.35f) return;
        Ball b;
        b.x = x;
        b.y = y;
        b.r = shared ? 7.f : 5.f + hashNoise(i, int(r), 2140) * 5.f;
        b.z = y * 0.15f;
        if (!shared) {
            b.x += (hashNoise(i, int(r), 2141) - 0.5f) * 5.f;
            b.y += (hashNoise(i, int(r), 2142) - 0.5f) * 5.f;
            b.tone = hashNoise(i, int(r), 2143) < 0.3f ? -1 : 0;
        }
        balls.push_back(b);
    };
    // Smaller rocks tumbled on both flanks, kept inside the tile.
    auto flank = [&](float x, float y, float nx, float ny, int i) {
        for (int side : {-1, 1}) {
            if (hashNoise(i, side + 3 * int(r), 2144) < 0.55f) continue;
            Ball b;
            const float off = 17.f + hashNoise(i, side, 2145) * 3.f;
            b.x = x + nx * off * float(side);
            b.y = y + ny * off * float(side);
            b.r = 3.5f + hashNoise(i, side, 2146) * 2.5f;
            b.z = b.y * 0.15f - 4.f;
            if (b.x - b.r < 1.f || b.y - b.r < 1.f || b.x + b.r > 62.f || b.y + b.r > 62.f) continue;
            balls.push_back(b);
        }
    };
    auto line = [&](float x0, float y0, float x1, float y1) {
        for (int i = 0; i <= 4; ++i) {
            const float t = float(i) / 4.f;
            const float x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
            add(x, y, i, i == 0 || i == 4);
            if (i == 1 || i == 3) flank(x, y, y1 != y0 ? 1.f : 0.f, x1 != x0 ? 1.f : 0.f, i);
        }
    };
    auto arc = [&](float cx, float cy, float a0, float a1) {
        for (int i = 0; i <= 3; ++i) {
            const float a = a0 + (a1 - a0) * float(i) / 3.f;
            add(cx + std::cos(a) * 32.f, cy + std::sin(a) * 32.f, i, i == 0 || i == 3);
            if (i == 1 || i == 2) flank(cx + std::cos(a) * 32.f, cy + std::sin(a) * 32.f, std::cos(a), std::sin(a), i);
        }
    };
    const float pi = 3.14159265f;
    switch (r) {
    case Ring::TopMid:
    case Ring::BelowMid: line(0, 32, 64, 32); break;
    case Ring::Mid: line(32, 0, 32, 64); break;
    case Ring::TopLeft: arc(64, 64, pi, 1.5f * pi); break;
    case Ring::TopRight: arc(0, 64, 1.5f * pi, 2.f * pi); break;
    case Ring::BelowLeft: arc(64, 0, 0.5f * pi, pi); break;
    case Ring::BelowRight: arc(0, 0, 0.f, 0.5f * pi); break;
    }
    // Draw back to front.
    std::sort(balls.begin(), balls.end(), [](const Ball& a, const Ball& b) { return a.y < b.y; });
    return balls;
}

Canvas hillPiece(Ring r, int variant) {
    Canvas c(kTile, kTile);
    paintSand(c, variant);
    auto mound = [&](int x, int y) { return moundHeight(r, float(x) + 0.5f, float(y) + 0.5f); };
    // The mound: a ridge of packed sand and rock, lit from the top-left in hard steps.
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float h = mound(x, y);
            if (h <= 0.f) continue;
            const float gx = (mound(x + 1, y) - mound(x - 1, y)) * 0.5f;
            const float gy = (mound(x, y + 1) - mound(x, y - 1)) * 0.5f;
            const float k = 34.f;
            const float nx = -gx * k, ny = -gy * k, len = std::sqrt(nx * nx + ny * ny + 1.f);
            const float light = lightOf(nx / len, ny / len, 1.f / len) - lightOf(0, 0, 1);
            float v = 0.75f + light * 1.6f + (wrapNoise(x, y, 8, 2160) - 0.5f) * 0.18f * h;
            // A faint ledge halfway up.
            if (std::fabs(h - 0.5f) < 0.03f) v -= 0.15f;
            if (h < 0.12f && bayer(x, y) > h / 0.12f) continue;
            c.px(x, y, rampStep(kSandstoneRamp, v, x, y, 0.35f));
        }
    // Boulders with their shadow on the mound.
    Canvas rocks(kTile, kTile);
    shadeBalls(rocks, crestBoulders(r), kSandstoneRamp, 0.35f, 2150 + int(r), -0.02f);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!rocks.opaque(x, y) && (rocks.opaque(x - 3, y - 3) || rocks.opaque(x - 2, y - 3))) c.blend(x, y, pal(Ink, 85));
    // Dark rim around the rocks (a softer outline than Ink: they belong to the ground).
    Canvas rim(kTile, kTile);
    rim.blit(rocks, 0, 0);
    rim.outline(pal(EarthDeep));
    c.blit(rim, 0, 0);
    // Scattered stones around the foot.
    for (int i = 0; i < 8; ++i) {
        const int x = 4 + int(hashNoise(i, int(r), 2130) * 56), y = 4 + int(hashNoise(i, int(r), 2131) * 56);
        if (rim.opaque(x, y) || rim.opaque(x + 1, y + 1) || mound(x, y) <= 0.f) continue;
        c.px(x, y, pal(Sand));
        c.px(x + 1, y, pal(EarthLight));
        c.px(x, y + 1, pal(Earth));
        c.px(x + 1, y + 1, pal(EarthDeep));
    }
    return c;
}

} // namespace

void genDesertGround() {
    {
        Canvas c(kTile, kTile);
        paintSand(c, 0);
        saveTile(c, "Sable");
    }
    // Roads: sides N, E, S, W that the piece joins.
    saveTile(desertRoad(cellOpen(false, true, false, true), 1), "Route_horizontale");
    saveTile(desertRoad(cellOpen(false, true, true, true), 2), "Route_T");
    saveTile(desertRoad(cellOpen(false, false, true, true), 3), "Route_L");
    saveTile(desertRoad(cellOpen(true, false, true, false), 4), "Route_vertical");
    saveTile(desertRoad(cellOpen(true, false, true, true), 5), "Route_T2");
    saveTile(desertRoad(cellOpen(true, true, false, true), 6), "Route_T3");
    saveTile(desertRoad(cellOpen(true, true, true, false), 7), "Route_T4");
    saveTile(desertRoad(cellOpen(true, false, false, true), 8), "Route_L2");
    saveTile(desertRoad(cellOpen(true, true, false, false), 9), "Route_L3");
    saveTile(desertRoad(cellOpen(false, true, true, false), 10), "Route_L4");
    saveTile(desertRoad(cellOpen(true, true, true, true), 11), "Route_X2");
    saveTile(pathMarker(), "cheminN2");

    saveTile(hillPiece(Ring::TopLeft, 20), "Colline_top_left");
    saveTile(hillPiece(Ring::TopMid, 21), "Colline_top_mid1");
    saveTile(hillPiece(Ring::TopRight, 22), "Colline_top_right");
    saveTile(hillPiece(Ring::Mid, 23), "Colline_mid_right2");
    saveTile(hillPiece(Ring::BelowLeft, 24), "Colline_below_left");
    saveTile(hillPiece(Ring::BelowMid, 25), "Colline_below_mid1");
    saveTile(hillPiece(Ring::BelowRight, 26), "Colline_below_right");
}

} // namespace tiles
