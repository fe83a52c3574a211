// Green relief: the cliff ring of a raised plateau and the grassy hills.
//
// Cliffs: a plateau's edge runs at fixed lines on every piece (south edge at row 20 with a
// 24-pixel rock face below it, north edge at row 40, west edge at column 22, east edge at
// column 42), so side pieces and corner pieces join along each edge.
// Hills: a hill cell is a hilltop whose closed sides slope down to the plain over 24 pixels;
// open sides continue the hilltop into the neighbouring hill piece.
#include "tiles_kit.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

using namespace art;

namespace tiles {

namespace {

// ---------------------------------------------------------------------------------------------
// Cliffs

constexpr float kCliffSouth = 18.f, kCliffNorth = 40.f, kCliffWest = 24.f, kCliffEast = 40.f;
constexpr int kFaceHeight = 24; // south face, seen in full
constexpr int kSideFace = 11;   // west and east faces, seen at a slant
constexpr int kNorthRim = 5;    // top of the north wall

struct Plateau {
    bool south = false, north = false, west = false, east = false; // which edges this piece has
};

float edgeWobble(float t, int seed) { return (wrapNoise(int(std::floor(t)), seed, 8, 1200) - 0.5f) * 3.f; }

// True where (u, v) (pixel centre coordinates, any value) lies on the plateau top.
bool onPlateau(const Plateau& p, float u, float v) {
    const float s = kCliffSouth + edgeWobble(u, 1), n = kCliffNorth + edgeWobble(u, 2);
    const float w = kCliffWest + edgeWobble(v, 3), e = kCliffEast + edgeWobble(v, 4);
    if (p.south && v > s) return false;
    if (p.north && v < n) return false;
    if (p.west && u < w) return false;
    if (p.east && u > e) return false;
    const float r = 9.f;
    auto rounded = [&](float cu, float cv, float du, float dv) {
        // Corner of the plateau at (cu, cv); (du, dv) points into the plateau.
        const float a = (u - cu) * du, b = (v - cv) * dv;
        return !(a < r && b < r && std::hypot(r - a, r - b) > r);
    };
    if (p.south && p.west && !rounded(kCliffWest, kCliffSouth, 1, -1)) return false;
    if (p.south && p.east && !rounded(kCliffEast, kCliffSouth, -1, -1)) return false;
    if (p.north && p.west && !rounded(kCliffWest, kCliffNorth, 1, 1)) return false;
    if (p.north && p.east && !rounded(kCliffEast, kCliffNorth, -1, 1)) return false;
    return true;
}

// Stacked rock blocks: `s` runs along the wall (blocks 8 wide, so walls join every 64 pixels),
// `t` down the face; `tone` shifts the whole face lighter (+) or darker (-).
sf::Color rockFace(int s, int t, float tone, float depth) {
    const int row = t / 6, by = t % 6;
    // Joints fall on a 4-pixel grid, skipped at random, so blocks are 4 to 16 wide; the grid
    // repeats every 64 pixels so walls join.
    auto joint = [&](int q) { return q % 4 == 0 && hashNoise(row, wrap64(q) / 4, 1230) < 0.4f; };
    int start = s;
    while (!joint(start) && s - start < 16) --start;
    const int bx = s - start;
    const bool lastColumn = joint(s + 1);
    float v = 0.5f + tone + (hashNoise(wrap64(start), row, 1231) - 0.5f) * 0.3f - depth * 0.22f;
    if (by == 5 || lastColumn) v = 0.1f + tone * 0.5f;    // joint
    else if (by == 0 || bx == 0) v += 0.22f;              // lit top-left of the block
    else if (by == 4) v -= 0.1f;
    return rampStep(kStoneRamp, v, s, t, 0.f);
}

Canvas cliff(const Plateau& p, int variant) {
    Canvas c(kTile, kTile);
    paintGrass(c, variant);
    auto top = [&](int x, int y) { return onPlateau(p, float(x) + 0.5f, float(y) + 0.5f); };
    auto southFace = [&](int x, int y) {
        for (int d = 1; d <= kFaceHeight; ++d)
            if (top(x, y - d)) return d;
        return 0;
    };
    auto sideFace = [&](int x, int y, int dir) { // dir -1: plateau to the east (west face), +1: to the west
        for (int d = 1; d <= kSideFace; ++d)
            if (top(x - dir * d, y)) return d;
        return 0;
    };
    auto rim = [&](int x, int y) {
        for (int d = 1; d <= kNorthRim; ++d)
            if (top(x, y + d)) return d;
        return 0;
    };
    auto raised = [&](int x, int y) {
        return top(x, y) || southFace(x, y) || sideFace(x, y, -1) || sideFace(x, y, 1) || rim(x, y);
    };
    // Shadow of the raised ground on the plain, down-right.
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!raised(x, y) && (raised(x - 3, y - 3) || raised(x - 2, y - 3) || raised(x - 3, y - 2))) c.blend(x, y, pal(Ink, 85));
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            if (top(x, y)) {
                // Edge of the plateau: a lit grass lip.
                bool edge = false;
                for (int k = 1; k <= 2; ++k)
                    if (!top(x, y + k) || !top(x - k, y) || !top(x + k, y) || !top(x, y - k)) edge = true;
                if (edge) c.px(x, y, (x + y) % 5 == 0 ? pal(Grass) : pal(GrassLight));
                continue;
            }
            if (const int k = southFace(x, y)) {
                sf::Color col = rockFace(x, k - 1, 0.f, float(k) / float(kFaceHeight));
                if (k == kFaceHeight || !southFace(x, y + 1)) col = pal(Night); // foot
                // Grass hanging over the top of the face.
                if (k <= 2 && hashNoise(x, 0, 1240) < (k == 1 ? 0.7f : 0.3f)) col = k == 1 ? pal(Grass) : pal(GrassDeep);
                c.px(x, y, col);
            } else if (const int kw = sideFace(x, y, -1)) {
                sf::Color col = rockFace(y, kSideFace - kw, 0.18f, 0.f);
                if (kw == kSideFace) col = pal(Slate);
                c.px(x, y, col);
            } else if (const int ke = sideFace(x, y, 1)) {
                sf::Color col = rockFace(y, ke - 1, -0.2f, float(ke) / float(kSideFace) * 0.5f);
                if (ke == kSideFace) col = pal(Night);
                c.px(x, y, col);
            } else if (const int kr = rim(x, y)) {
                sf::Color col = rockFace(x, kNorthRim - kr, 0.1f, 0.f);
                if (kr == kNorthRim) col = pal(Slate);
                c.px(x, y, col);
            }
        }
    // Rubble at the foot of the south face.
    for (int i = 0; i < 7; ++i) {
        const int x = 3 + int(hashNoise(i, variant, 1220) * 58);
        for (int y = 1; y < kTile - 2; ++y)
            if (!raised(x, y) && raised(x, y - 1) && southFace(x, y - 1)) {
                if (!raised(x + 1, y + 1)) {
                    c.px(x, y, pal(Silver));
                    c.px(x + 1, y, pal(Steel));
                    c.px(x, y + 1, pal(Steel));
                    c.px(x + 1, y + 1, pal(Slate));
                }
                break;
            }
    }
    return c;
}

// ---------------------------------------------------------------------------------------------
// Hills

constexpr float kSlope = 24.f; // width of a slope
constexpr float kFoot = 4.f;   // plain left between the tile edge and the foot of a slope

// Height (0 plain .. 1 hilltop) of a hill cell at pixel centre coordinates (u, v).
float hillHeight(const Cell& cell, float u, float v) {
    // The foot of each slope wanders a little (the same along a side on every piece).
    auto wob = [](float t, int side) { return (wrapNoise(int(std::floor(t)), side * 13, 16, 1320) - 0.5f) * 6.f; };
    float d = 1e9f;
    if (!cell.open[N]) d = std::min(d, v + wob(u, N));
    if (!cell.open[S]) d = std::min(d, 64.f - v + wob(u, S));
    if (!cell.open[W]) d = std::min(d, u + wob(v, W));
    if (!cell.open[E]) d = std::min(d, 64.f - u + wob(v, E));
    // Corner frames: (a, b) distances from the corner's vertical and horizontal sides.
    const float a4[4] = {64.f - u, 64.f - u, u, u};
    const float b4[4] = {v, 64.f - v, 64.f - v, v};
    const int hs[4] = {N, S, S, N}, vs[4] = {E, E, W, W};
    for (int k = 0; k < 4; ++k) {
        const float a = a4[k] + wob(v, vs[k]), b = b4[k] + wob(u, hs[k]);
        const bool ho = cell.open[hs[k]], vo = cell.open[vs[k]];
        const float reach = kSlope + kFoot;
        if (!ho && !vo && a < reach && b < reach) d = std::min(d, std::max(0.f, reach - std::hypot(reach - a, reach - b)));
        if (ho && vo && !cell.diag[k]) d = std::min(d, std::hypot(a, b));
    }
    const float t = std::clamp((d - kFoot) / kSlope, 0.f, 1.f);
    return t * t * (3 - 2 * t);
}

// A hill piece; `path`: a path climbs the slope from north to south across the band 16..47.
Canvas hill(const Cell& cell, int variant, bool path) {
    Canvas c(kTile, kTile);
    paintGrass(c, variant);
    // Hilltop grass: the plain's grass in the sun, lighter (same on every hill piece).
    Canvas top = c;
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            if (top.get(x, y) == pal(GrassDeep)) top.px(x, y, pal(Grass));
            else if (wrapHash(x, y, 1310) < 0.2f) top.px(x, y, pal(GrassLight));
        }
    Canvas earth(kTile, kTile);
    paintEarth(earth, variant);
    Edge pathEdge;
    pathEdge.seed = 1;
    const Cell pathCell = cellOpen(true, false, true, false);
    const std::vector<int> pathDist = insideDistance(pathCell, pathEdge, 3);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float u = float(x) + 0.5f, v = float(y) + 0.5f;
            const float h = hillHeight(cell, u, v);
            const float gx = (hillHeight(cell, u + 1, v) - hillHeight(cell, u - 1, v)) * 0.5f;
            const float gy = (hillHeight(cell, u, v + 1) - hillHeight(cell, u, v - 1)) * 0.5f;
            const float k = 16.f; // steepness of the drawn relief
            float nx = -gx * k, ny = -gy * k, nz = 1.f;
            const float len = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= len; ny /= len; nz /= len;
            const float flat = lightOf(0, 0, 1);
            const float light = lightOf(nx, ny, nz) - flat; // <0 shaded, >0 lit
            const bool onPath = path && pathDist[y * kTile + x] > 0;
            sf::Color col;
            if (onPath) {
                const int pd = pathDist[y * kTile + x];
                col = pd == 1 ? pal(GrassDeep) : earth.get(x, y);
                const bool slope = h > 0.04f && h < 0.96f;
                if (slope && pd > 1) {
                    // Steps cut into the slope: a dark riser under a lit tread every 5 rows.
                    const int row = int(std::floor(h * 11.f));
                    const int rowAbove = int(std::floor(hillHeight(cell, u, v - 1) * 11.f));
                    const int rowBelow = int(std::floor(hillHeight(cell, u, v + 1) * 11.f));
                    if (row != rowBelow) col = pal(EarthDeep);
                    else if (row != rowAbove) col = pal(Sand);
                    else if (light < -0.05f) col = pal(Earth);
                }
            } else {
                // Hilltop grass fades in over the upper slope (dithered); slopes lit in steps.
                col = bayer(x, y) < (h - 0.35f) * 1.6f ? top.get(x, y) : c.get(x, y);
                if (std::fabs(light) > 0.015f) {
                    // Slope: a dithered gradient down or up the green ramp; the grass marks show through.
                    const float v = 0.5f + light * (light > 0 ? 2.4f : 1.5f);
                    const sf::Color shade = rampColor(kLeafRamp, v, x, y);
                    const bool mark = col == pal(GrassDeep) || col == pal(GrassLight);
                    col = (mark && std::fabs(light) < 0.12f) ? col : shade;
                }
                // Foot line on the shaded side, brow highlight on the lit side.
                const float hUp = hillHeight(cell, u - 1, v - 1), hDown = hillHeight(cell, u + 1, v + 1);
                if (h < 0.03f && hUp >= 0.03f) col = pal(GrassDeep);
                if (h <= 0.f && hillHeight(cell, u - 3, v - 3) > 0.25f && bayer(x, y) < 0.5f) col = pal(GrassDeep);
                if (h < 0.03f && hDown >= 0.03f && light >= 0) col = pal(Leaf);
            }
            c.px(x, y, col);
        }
    // A few stones on the slopes.
    for (int i = 0; i < 6; ++i) {
        const int x = 6 + int(hashNoise(i, variant, 1300) * 52), y = 6 + int(hashNoise(i, variant, 1301) * 52);
        const float h = hillHeight(cell, float(x) + 0.5f, float(y) + 0.5f);
        if (h < 0.2f || h > 0.8f) continue;
        if (path && x >= 12 && x <= 51) continue;
        c.px(x, y, pal(Silver));
        c.px(x + 1, y, pal(Steel));
        c.px(x + 1, y + 1, pal(Slate));
        c.px(x, y + 1, pal(Steel));
        c.blend(x + 2, y + 1, pal(Ink, 80));
        c.blend(x + 1, y + 2, pal(Ink, 80));
    }
    return c;
}

} // namespace

void genGreenRelief() {
    // Cliffs: each piece names the edges of the plateau it carries.
    Plateau p;
    p = {}; p.south = true; saveTile(cliff(p, 60), "Cllif");
    p = {}; p.north = true; saveTile(cliff(p, 61), "CliffUp");
    p = {}; p.west = true; saveTile(cliff(p, 62), "CllifLeft");
    p = {}; p.east = true; saveTile(cliff(p, 63), "CllifRight");
    p = {}; p.south = true; p.west = true; saveTile(cliff(p, 64), "CllifCorner");
    p = {}; p.south = true; p.east = true; saveTile(cliff(p, 65), "CllifCorner2");
    p = {}; p.north = true; p.west = true; saveTile(cliff(p, 66), "CllifCornerUp");
    p = {}; p.north = true; p.east = true; saveTile(cliff(p, 67), "CllifCornerUp2");

    // Hills: open sides continue the hilltop (N, E, S, W).
    saveTile(hill(cellArea(false, true, true, false), 70, false), "Colline2_top_left");
    saveTile(hill(cellArea(false, false, true, true), 71, false), "Colline2_top_right");
    saveTile(hill(cellArea(true, true, false, false), 72, false), "Colline2_below_left");
    saveTile(hill(cellArea(true, false, false, true), 73, false), "Colline2_below_right");
    saveTile(hill(cellArea(true, true, true, true), 74, false), "Colline2_mid");
    saveTile(hill(cellArea(false, true, true, true), 75, false), "Colline2_angle_top_left");
    saveTile(hill(cellArea(true, true, false, true), 76, false), "Colline2_angle_below_left");
    saveTile(hill(cellArea(true, true, true, false), 77, false), "Colline3_verticale_left");
    saveTile(hill(cellArea(true, false, true, true), 78, false), "Colline3_angle_below_left");
    // Walkable ways up: a path climbing the north slope, and one climbing the south slope.
    saveTile(hill(cellArea(false, true, true, true), 79, true), "Colline3_angle_top_left");
    saveTile(hill(cellArea(true, true, false, true), 80, true), "Chemin_colline");
}

} // namespace tiles
