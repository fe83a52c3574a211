#include "tiles_kit.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace art;

namespace tiles {

const std::vector<int> kLeafRamp = {GrassDeep, Leaf, Grass, LeafLight, GrassLight};
const std::vector<int> kStoneRamp = {Night, Slate, Steel, Silver, Cloud};
const std::vector<int> kSandstoneRamp = {EarthDeep, Earth, EarthLight, Sand, SandLight};
const std::vector<int> kWoodRamp = {EarthDeep, Earth, EarthLight};

namespace {
constexpr float kPi = 3.14159265f;
}

float wrapNoise(int x, int y, int period, int seed) {
    const int cells = std::max(1, kTile / period);
    const float fx = float(wrap64(x)) / float(period), fy = float(wrap64(y)) / float(period);
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const float tx = fx - float(x0), ty = fy - float(y0);
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) { return hashNoise(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, seed); };
    const float a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    const float top = a + (b - a) * sx, bottom = c + (d - c) * sx;
    return top + (bottom - top) * sy;
}

float wrapFbm(int x, int y, int seed) {
    return 0.5f * wrapNoise(x, y, 32, seed) + 0.3f * wrapNoise(x, y, 16, seed + 7) + 0.2f * wrapNoise(x, y, 8, seed + 13);
}

float wrapHash(int x, int y, int seed) { return hashNoise(wrap64(x), wrap64(y), seed); }

sf::Color rampColor(const std::vector<int>& ramp, float v, int x, int y) {
    const int n = int(ramp.size());
    const float level = std::clamp(v, 0.f, 1.f) * float(n - 1);
    int base = int(std::floor(level));
    const float frac = level - float(base);
    if (bayer(x, y) < frac) ++base;
    return pal(ramp[std::clamp(base, 0, n - 1)]);
}

sf::Color rampStep(const std::vector<int>& ramp, float v, int x, int y, float zone) {
    const int n = int(ramp.size());
    const float level = std::clamp(v, 0.f, 1.f) * float(n - 1);
    int base = int(std::floor(level));
    const float frac = level - float(base);
    if (frac > 0.5f + zone * 0.5f) ++base;
    else if (frac > 0.5f - zone * 0.5f && bayer(x, y) < 0.5f) ++base;
    return pal(ramp[std::clamp(base, 0, n - 1)]);
}

void pxWrap(Canvas& c, int x, int y, sf::Color col) { c.px(wrap64(x), wrap64(y), col); }

// ---------------------------------------------------------------------------------------------
// Base textures

namespace {

// Mostly the middle colour of a 3-colour ramp; where the noise f is high or low, scattered
// pixels of the light or dark colour, denser the further f strays (a stochastic dither).
sf::Color speckle(const std::vector<int>& ramp, float f, int x, int y, int seed, float amount = 2.2f) {
    const float h = wrapHash(x, y, seed);
    if (f > 0.55f && h < (f - 0.55f) * amount) return pal(ramp[2]);
    if (f < 0.45f && h < (0.45f - f) * amount) return pal(ramp[0]);
    return pal(ramp[1]);
}

// Seed of a mark cell: cells touching the tile border share one pattern for every variant so
// neighbours match; inner cells take the variant's own pattern.
int markSeed(int i, int j, int cells, int common, int variant) {
    const bool border = i == 0 || j == 0 || i == cells - 1 || j == cells - 1;
    return border ? common : common + 101 * (variant + 1);
}

} // namespace

void paintGrass(Canvas& c, int variant) {
    const std::vector<int> ramp = {GrassDeep, Grass, GrassLight};
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float f = 0.55f * wrapNoise(x, y, 16, 11) + 0.45f * wrapNoise(x, y, 8, 17);
            c.px(x, y, speckle(ramp, f, x, y, 12, 1.6f));
        }
    // Tufts on a jittered 8x8 grid: a fan of dark blades with light tips.
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            const int seed = markSeed(i, j, 8, 300, variant);
            const float h = hashNoise(i, j, seed);
            if (h > 0.62f) continue;
            const int x = i * 8 + 1 + int(hashNoise(i, j, seed + 1) * 6);
            const int y = j * 8 + 2 + int(hashNoise(i, j, seed + 2) * 5);
            if (h < 0.3f) {
                pxWrap(c, x, y, pal(GrassDeep));
                pxWrap(c, x - 1, y - 1, pal(GrassDeep));
                pxWrap(c, x + 1, y - 1, pal(GrassDeep));
                pxWrap(c, x, y - 1, pal(Grass));
                pxWrap(c, x - 1, y - 2, pal(GrassLight));
                pxWrap(c, x + 1, y - 2, pal(GrassLight));
                pxWrap(c, x, y - 2, pal(GrassLight));
            } else if (h < 0.5f) {
                pxWrap(c, x, y, pal(GrassDeep));
                pxWrap(c, x + 1, y, pal(GrassDeep));
                pxWrap(c, x, y - 1, pal(GrassLight));
                pxWrap(c, x + 2, y - 1, pal(GrassLight));
            } else {
                pxWrap(c, x, y, pal(GrassLight));
                pxWrap(c, x + 1, y + 1, pal(GrassDeep));
            }
        }
}

void paintSand(Canvas& c, int variant) {
    const std::vector<int> ramp = {EarthLight, Sand, SandLight};
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float f = wrapFbm(x, y, 21);
            float v = 0.5f + (f - 0.5f) * 0.5f;
            // Wind ripples: crests every 8 rows, bent by wrapping noise so that their steeper
            // stretches fall anywhere in the tile, not in one column band at every tile edge
            // (which read as a seam between cells), and broken up by noise.
            const float wave = float(y) + 4.f + 3.f * (wrapNoise(x, y, 32, 24) - 0.5f) +
                               1.2f * (wrapNoise(x, y, 16, 25) - 0.5f) + 1.f * std::sin(2 * kPi * float(x) / 64.f + 1.3f);
            const float ph = wave / 8.f - std::floor(wave / 8.f);
            const float strength = wrapNoise(x, y, 16, 23);
            if (strength > 0.52f) {
                if (ph < 0.13f) v += 0.45f;
                else if (ph > 0.13f && ph < 0.26f) v -= 0.22f;
            }
            c.px(x, y, rampColor(ramp, v, x, y));
        }
    // Pebbles and darker grains.
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            const int seed = markSeed(i, j, 8, 400, variant);
            const float h = hashNoise(i, j, seed);
            const int x = i * 8 + int(hashNoise(i, j, seed + 1) * 7);
            const int y = j * 8 + int(hashNoise(i, j, seed + 2) * 7);
            if (h < 0.22f) {
                pxWrap(c, x, y, pal(SandLight));
                pxWrap(c, x + 1, y, pal(EarthLight));
                pxWrap(c, x, y + 1, pal(EarthLight));
            } else if (h < 0.45f) {
                pxWrap(c, x, y, pal(EarthLight));
            }
        }
}

void paintWater(Canvas& c, int variant) {
    const std::vector<int> ramp = {WaterDeep, Water, WaterLight};
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            // Deeper patches speckled darker, a few light glints.
            const float f = wrapFbm(x, y, 31) - 0.02f;
            c.px(x, y, speckle(ramp, f, x, y, 32, 0.9f));
        }
    // Wavelets: short light strokes with a foam glint, on a jittered 8x8 grid of 8x8 cells.
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            const int seed = markSeed(i, j, 8, 500, variant);
            const float h = hashNoise(i, j, seed);
            if (h > 0.5f) continue;
            const int x = i * 8 + int(hashNoise(i, j, seed + 1) * 6);
            const int y = j * 8 + 1 + int(hashNoise(i, j, seed + 2) * 6);
            const int len = 3 + int(hashNoise(i, j, seed + 3) * 3);
            for (int k = 0; k < len; ++k) pxWrap(c, x + k, y, pal(WaterLight));
            for (int k = 1; k < len - 1; ++k) pxWrap(c, x + k, y + 1, pal(WaterDeep));
            if (h < 0.18f) pxWrap(c, x + len / 2, y, pal(Foam));
        }
}

void paintEarth(Canvas& c, int variant) {
    const std::vector<int> ramp = {Earth, EarthLight, Sand};
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            c.px(x, y, speckle(ramp, wrapFbm(x, y, 41), x, y, 42, 1.3f));
        }
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            const int seed = markSeed(i, j, 8, 600, variant);
            const float h = hashNoise(i, j, seed);
            const int x = i * 8 + int(hashNoise(i, j, seed + 1) * 7);
            const int y = j * 8 + int(hashNoise(i, j, seed + 2) * 7);
            if (h < 0.25f) { // pebble lit from the top-left
                pxWrap(c, x, y, pal(SandLight));
                pxWrap(c, x + 1, y, pal(Sand));
                pxWrap(c, x, y + 1, pal(Sand));
                pxWrap(c, x + 1, y + 1, pal(Earth));
            } else if (h < 0.55f) {
                pxWrap(c, x, y, pal(Earth));
            } else if (h < 0.65f) {
                pxWrap(c, x, y, pal(EarthDeep));
                pxWrap(c, x + 1, y, pal(Earth));
            }
        }
}

// ---------------------------------------------------------------------------------------------
// Cells

Cell cellOpen(bool n, bool e, bool s, bool w) {
    Cell c;
    c.open = {n, e, s, w};
    return c;
}

Cell cellArea(bool n, bool e, bool s, bool w) {
    Cell c = cellOpen(n, e, s, w);
    c.diag = {n && e, e && s, s && w, w && n};
    return c;
}

int openCount(const Cell& c) { return int(c.open[0]) + int(c.open[1]) + int(c.open[2]) + int(c.open[3]); }

namespace {

int bandDepth(const Edge& e, int side, int t) {
    if (e.jitter == 0) return e.depth;
    const float n = wrapNoise(t, side * 29, 8, 900 + e.seed);
    const float m = wrapHash(t, side * 31, 950 + e.seed);
    int d = e.depth;
    if (n > 0.68f) d += e.jitter;
    else if (n < 0.32f) d -= e.jitter;
    if (m > 0.93f) d += 1; // a stray blade or stone breaking the line
    return d;
}

} // namespace

bool cellInside(const Cell& cell, const Edge& e, int x, int y) {
    const float u = float(x) + 0.5f, v = float(y) + 0.5f;
    const int dN = bandDepth(e, N, x), dS = bandDepth(e, S, x), dW = bandDepth(e, W, y), dE = bandDepth(e, E, y);
    const bool inN = y < dN, inS = y > kTile - 1 - dS, inW = x < dW, inE = x > kTile - 1 - dE;
    if (!cell.open[N] && inN) return false;
    if (!cell.open[S] && inS) return false;
    if (!cell.open[W] && inW) return false;
    if (!cell.open[E] && inE) return false;

    // Corners in a corner-relative frame: a = distance from the corner's vertical side,
    // b = from its horizontal side.
    struct CornerInfo { int horiz, vert; bool inH, inV; float a, b; };
    const CornerInfo corners[4] = {
        {N, E, inN, inE, float(kTile) - u, v}, // NE
        {S, E, inS, inE, float(kTile) - u, float(kTile) - v}, // SE
        {S, W, inS, inW, u, float(kTile) - v}, // SW
        {N, W, inN, inW, u, v}, // NW
    };
    const float r = float(e.round);
    const float d = float(e.depth);
    for (int k = 0; k < 4; ++k) {
        const CornerInfo& ci = corners[k];
        const bool hOpen = cell.open[ci.horiz], vOpen = cell.open[ci.vert];
        if (!hOpen && !vOpen) {
            // Convex corner of the inner material: round it.
            const float cx = d + r, cy = d + r;
            if (r > 0 && ci.a < cx && ci.b < cy && std::hypot(ci.a - cx, ci.b - cy) > r) return false;
        } else if (hOpen && vOpen && !cell.diag[k]) {
            // Concave corner: a nub of outer ground in the corner, its inner corner rounded.
            if (ci.inH && ci.inV) {
                const float cx = d - r, cy = d - r;
                const bool shaved = r > 0 && ci.a > cx && ci.b > cy && std::hypot(ci.a - cx, ci.b - cy) > r;
                if (!shaved) return false;
            }
        }
    }
    // Round dead end: beyond the tile centre, keep only a half disc.
    if (e.capRound > 0 && openCount(cell) == 1) {
        const float cx = 32.f, cy = 32.f, rr = 32.f - d + 0.5f;
        bool beyond = false;
        if (cell.open[N]) beyond = v > cy;
        if (cell.open[S]) beyond = v < cy;
        if (cell.open[W]) beyond = u > cx;
        if (cell.open[E]) beyond = u < cx;
        if (beyond && std::hypot(u - cx, v - cy) > rr) return false;
    }
    return true;
}

std::vector<unsigned char> cellMask(const Cell& cell, const Edge& e) {
    std::vector<unsigned char> m(kTile * kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) m[y * kTile + x] = cellInside(cell, e, x, y) ? 1 : 0;
    return m;
}

namespace {

std::vector<int> distanceTo(const Cell& cell, const Edge& e, int maxD, bool fromInside) {
    const int pad = maxD + 2, size = kTile + 2 * pad;
    std::vector<int> d(size * size);
    const int inf = 1 << 20;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool in = cellInside(cell, e, x - pad, y - pad);
            d[y * size + x] = (in == fromInside) ? inf : 0;
        }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int& v = d[y * size + x];
            if (x > 0) v = std::min(v, d[y * size + x - 1] + 1);
            if (y > 0) v = std::min(v, d[(y - 1) * size + x] + 1);
        }
    for (int y = size - 1; y >= 0; --y)
        for (int x = size - 1; x >= 0; --x) {
            int& v = d[y * size + x];
            if (x < size - 1) v = std::min(v, d[y * size + x + 1] + 1);
            if (y < size - 1) v = std::min(v, d[(y + 1) * size + x] + 1);
        }
    std::vector<int> out(kTile * kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) out[y * kTile + x] = std::min(d[(y + pad) * size + x + pad], maxD + 1);
    return out;
}

} // namespace

std::vector<int> insideDistance(const Cell& cell, const Edge& e, int maxD) { return distanceTo(cell, e, maxD, true); }
std::vector<int> outsideDistance(const Cell& cell, const Edge& e, int maxD) { return distanceTo(cell, e, maxD, false); }

bool rutAt(const Cell& cell, int x, int y) {
    const float u = float(x) + 0.5f, v = float(y) + 0.5f;
    const float r1 = 24.5f, r2 = 39.5f, hw = 0.75f;
    auto near = [&](float a, float b) { return std::fabs(a - b) < hw; };
    auto straightV = [&]() { return near(u, r1) || near(u, r2); };
    auto straightH = [&]() { return near(v, r1) || near(v, r2); };
    auto arc = [&](float cx, float cy) {
        const float dd = std::hypot(u - cx, v - cy);
        return near(dd, 64.f - r2) || near(dd, 64.f - r1);
    };
    const bool n = cell.open[N], e = cell.open[E], s = cell.open[S], w = cell.open[W];
    const int count = openCount(cell);
    if (count == 4) return straightV() || straightH();
    if (count == 3) {
        if (!n) return straightH() || (v > 32 && (arc(64, 64) || arc(0, 64)));
        if (!s) return straightH() || (v < 32 && (arc(64, 0) || arc(0, 0)));
        if (!w) return straightV() || (u > 32 && (arc(64, 0) || arc(64, 64)));
        return straightV() || (u < 32 && (arc(0, 0) || arc(0, 64)));
    }
    if (count == 2) {
        if (n && s) return straightV();
        if (e && w) return straightH();
        if (n && e) return arc(64, 0);
        if (e && s) return arc(64, 64);
        if (s && w) return arc(0, 64);
        return arc(0, 0);
    }
    if (count == 1) {
        // Ruts run to the middle and turn round in a loop.
        const float turn = std::hypot(u - 32.f, v - 32.f);
        const bool loop = near(turn, 7.5f);
        if (n) return (v <= 32 && straightV()) || (v > 32 && loop);
        if (s) return (v >= 32 && straightV()) || (v < 32 && loop);
        if (w) return (u <= 32 && straightH()) || (u > 32 && loop);
        return (u >= 32 && straightH()) || (u < 32 && loop);
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Volumes

float lightOf(float nx, float ny, float nz) {
    const float lx = -0.55f, ly = -0.62f, lz = 0.56f;
    const float len = std::sqrt(lx * lx + ly * ly + lz * lz);
    const float d = (nx * lx + ny * ly + nz * lz) / len;
    return std::clamp(0.5f + 0.5f * d, 0.f, 1.f);
}

void shadeBalls(Canvas& c, const std::vector<Ball>& balls, const std::vector<int>& ramp, float grain, int seed,
                float bias) {
    const int w = int(c.width()), h = int(c.height());
    std::vector<int> owner(w * h, -1);
    std::vector<float> value(w * h, 0.f);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float u = float(x) + 0.5f, v = float(y) + 0.5f;
            float best = -1e9f;
            int bi = -1;
            float nx = 0, ny = 0, nz = 1;
            for (int i = 0; i < int(balls.size()); ++i) {
                const Ball& b = balls[i];
                const float dx = u - b.x, dy = v - b.y, dd = dx * dx + dy * dy;
                if (dd > b.r * b.r) continue;
                const float z = std::sqrt(b.r * b.r - dd) + b.z;
                if (z > best) {
                    best = z;
                    bi = i;
                    nx = dx / b.r;
                    ny = dy / b.r;
                    nz = std::sqrt(std::max(0.f, 1 - nx * nx - ny * ny));
                }
            }
            if (bi < 0) continue;
            owner[y * w + x] = bi;
            float l = lightOf(nx, ny, nz);
            l += (hashNoise(x / 2, y / 2, seed) - 0.5f) * grain;
            l += float(balls[bi].tone) * 0.18f + bias;
            value[y * w + x] = l;
        }
    const int n = int(ramp.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int o = owner[y * w + x];
            if (o < 0) continue;
            // Crease: a pixel just below/right of a ball that lies higher gets the darkest tones.
            bool crease = false;
            for (int k = 1; k <= 1; ++k) {
                const int ox = x - k, oy = y - k;
                if (ox >= 0 && oy >= 0) {
                    const int up = owner[oy * w + ox];
                    if (up >= 0 && up != o && balls[up].z + balls[up].r > balls[o].z + balls[o].r * 0.6f) crease = true;
                }
            }
            float v = value[y * w + x];
            if (crease) v = std::min(v, 0.5f / float(n - 1));
            c.px(x, y, rampColor(ramp, v, x, y));
        }
}

// ---------------------------------------------------------------------------------------------
// Props

void placeProp(Canvas& ground, Canvas prop, int shadowDx, int shadowDy) {
    prop.outline(pal(Ink));
    Canvas shade(kTile, kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (prop.opaque(x - shadowDx, y - shadowDy)) shade.px(x, y, pal(Ink, 90));
    ground.blit(shade, 0, 0);
    ground.blit(prop, 0, 0);
}

void saveTile(const Canvas& c, const std::string& name) {
    if (name.empty()) {
        std::fprintf(stderr, "assetgen: refusing to write a tile without a name\n");
        return;
    }
    if (c.width() != unsigned(kTile) || c.height() != unsigned(kTile))
        std::fprintf(stderr, "assetgen: tile %s is not 64x64\n", name.c_str());
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (c.get(x, y).a != 255) {
                std::fprintf(stderr, "assetgen: tile %s has a see-through pixel at %d,%d\n", name.c_str(), x, y);
                y = kTile;
                break;
            }
    c.save(out("Sprites/BackgroundTile/" + name + ".png"));
}

} // namespace tiles
