// Objects standing on the ground: trees, stump and houses on grass; rocks, barrels, crates,
// bones, the tent and the palm on sand. Each is drawn on its own layer, outlined in Ink, and
// laid over the ground tile with a flat shadow down-right (light from the top-left).
#include "tiles_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace tiles {

namespace {

using Pt = std::array<float, 2>;

Canvas layer() { return Canvas(kTile, kTile); }

bool inPoly(const std::vector<Pt>& p, float x, float y) {
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        if ((p[i][1] > y) != (p[j][1] > y) && x < (p[j][0] - p[i][0]) * (y - p[i][1]) / (p[j][1] - p[i][1]) + p[i][0])
            in = !in;
    return in;
}

void fillPoly(Canvas& c, const std::vector<Pt>& p, sf::Color col) {
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x)
            if (inPoly(p, float(x) + 0.5f, float(y) + 0.5f)) c.px(x, y, col);
}

void thickLine(Canvas& c, float x0, float y0, float x1, float y1, float r, sf::Color col) {
    const float len = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, int(len * 2));
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        const float x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
        for (int dy = -int(r) - 1; dy <= int(r) + 1; ++dy)
            for (int dx = -int(r) - 1; dx <= int(r) + 1; ++dx) {
                const int px = int(std::floor(x)) + dx, py = int(std::floor(y)) + dy;
                if (std::hypot(float(px) + 0.5f - x, float(py) + 0.5f - y) <= r) c.px(px, py, col);
            }
    }
}

// A round trunk from y0 down to y1, lit on its left, with a root flare at the foot.
void trunk(Canvas& c, int cx, int y0, int y1, int half, const std::vector<int>& ramp = kWoodRamp) {
    for (int y = y0; y <= y1; ++y) {
        const int flare = y > y1 - 3 ? (y - (y1 - 3)) : 0;
        for (int x = cx - half - flare; x <= cx + half + flare; ++x) {
            const float t = float(x - (cx - half - flare)) / float(2 * (half + flare) + 1);
            const float v = 0.85f - t * 0.9f + (hashNoise(x, y / 2, 1500) - 0.5f) * 0.2f;
            c.px(x, y, rampColor(ramp, v, x, y));
        }
    }
}

// Leaves the pixels of `src` that fall inside the tile and merges them over `dst`.
void over(Canvas& dst, const Canvas& src) { dst.blit(src, 0, 0); }

Canvas grassTile(int variant) {
    Canvas c(kTile, kTile);
    paintGrass(c, variant);
    return c;
}

Canvas sandTile(int variant) {
    Canvas c(kTile, kTile);
    paintSand(c, variant);
    return c;
}

Canvas canopy(const std::vector<Ball>& balls, const std::vector<int>& ramp, int seed, float bias = 0.f) {
    Canvas c = layer();
    shadeBalls(c, balls, ramp, 0.38f, seed, bias);
    return c;
}

// ---------------------------------------------------------------------------------------------
// Trees

Canvas oak() {
    Canvas t = layer();
    trunk(t, 32, 36, 57, 3);
    thickLine(t, 31, 42, 24, 34, 1.2f, pal(Earth));
    thickLine(t, 33, 40, 41, 33, 1.2f, pal(EarthDeep));
    over(t, canopy({{32, 22, 15}, {19, 28, 10}, {45, 28, 10}, {25, 13, 10}, {40, 14, 10}, {32, 33, 9, 3}, {22, 37, 7}, {43, 37, 7}},
                   kLeafRamp, 1501));
    return t;
}

// A conifer of stacked, scalloped tiers.
void conifer(Canvas& t, int cx, int top, int bottom, int halfW, const std::vector<int>& ramp, int seed) {
    const int tiers = 4;
    const float tierH = float(bottom - top) / float(tiers);
    for (int i = tiers - 1; i >= 0; --i) {
        const float ty = float(top) + tierH * float(i) * 0.85f;
        const float by = ty + tierH * 1.55f;
        const float hw = float(halfW) * (0.45f + 0.55f * float(i + 1) / float(tiers));
        for (int y = int(ty); y <= int(by); ++y)
            for (int x = cx - int(hw) - 1; x <= cx + int(hw) + 1; ++x) {
                const float f = (float(y) - ty) / (by - ty);
                // Scalloped bottom edge of the tier.
                const float scallop = 1.5f * std::fabs(std::sin(float(x) * 0.7f));
                if (float(y) > by - scallop) continue;
                const float w = hw * f;
                const float dx = float(x) + 0.5f - float(cx);
                if (std::fabs(dx) > w) continue;
                float v = 0.55f - dx / (hw + 1.f) * 0.45f - f * 0.15f;
                if (y > by - scallop - 2) v -= 0.22f;
                v += (hashNoise(x, y, seed) - 0.5f) * 0.25f;
                t.px(x, y, rampColor(ramp, v, x, y));
            }
    }
}

Canvas pine() {
    Canvas t = layer();
    trunk(t, 32, 46, 58, 2);
    conifer(t, 32, 3, 50, 20, {Night, GrassDeep, Leaf, LeafLight}, 1510);
    return t;
}

Canvas birch() {
    Canvas t = layer();
    const std::vector<int> bark = {Steel, Silver, Cloud, White};
    trunk(t, 30, 24, 58, 2, bark);
    thickLine(t, 30, 36, 38, 26, 1.f, pal(Silver));
    thickLine(t, 29, 32, 22, 24, 0.8f, pal(Silver));
    for (int y = 28; y < 56; y += 3) { // black bark marks
        const int x = 28 + int(hashNoise(0, y, 1520) * 4);
        t.px(x, y, pal(Ink));
        t.px(x + 1, y, pal(Slate));
    }
    over(t, canopy({{30, 14, 10}, {20, 20, 8}, {40, 18, 9}, {26, 27, 7, 2}, {38, 28, 7, 2}, {31, 6, 6}},
                   {Leaf, Grass, LeafLight, GrassLight, GoldLight}, 1521, 0.1f));
    return t;
}

Canvas bush() {
    Canvas t = layer();
    over(t, canopy({{18, 44, 11}, {34, 38, 13}, {48, 45, 10}, {27, 49, 9, 4}, {42, 50, 8, 4}}, kLeafRamp, 1530, -0.05f));
    // Berries.
    for (int i = 0; i < 9; ++i) {
        const int x = 12 + int(hashNoise(i, 0, 1531) * 40), y = 32 + int(hashNoise(i, 1, 1531) * 20);
        if (!t.opaque(x, y) || !t.opaque(x + 1, y + 1)) continue;
        t.px(x, y, pal(Blood));
        t.px(x + 1, y, pal(BloodDeep));
        t.px(x, y - 1, pal(Skin));
    }
    return t;
}

Canvas appleTree() {
    Canvas t = layer();
    trunk(t, 32, 38, 57, 3);
    over(t, canopy({{32, 22, 17}, {20, 26, 10}, {44, 26, 10}, {32, 34, 9, 3}}, kLeafRamp, 1540, 0.03f));
    for (int i = 0; i < 14; ++i) {
        const int x = 16 + int(hashNoise(i, 0, 1541) * 32), y = 8 + int(hashNoise(i, 1, 1541) * 30);
        if (!t.opaque(x - 1, y - 1) || !t.opaque(x + 2, y + 2)) continue;
        t.px(x, y, pal(Blood));
        t.px(x + 1, y, pal(Blood));
        t.px(x, y + 1, pal(BloodDeep));
        t.px(x + 1, y + 1, pal(BloodDeep));
        t.px(x, y, pal(Ember));
    }
    return t;
}

Canvas maple() {
    Canvas t = layer();
    trunk(t, 32, 38, 57, 3);
    over(t, canopy({{30, 20, 14}, {18, 28, 10}, {44, 24, 11}, {36, 32, 9, 3}, {24, 12, 8}, {42, 12, 7}},
                   {BloodDeep, Blood, Ember, Gold}, 1550, -0.08f));
    return t;
}

Canvas poplar() {
    Canvas t = layer();
    trunk(t, 32, 46, 58, 2);
    std::vector<Ball> balls;
    for (int i = 0; i < 7; ++i) {
        const float y = 8.f + float(i) * 6.f;
        const float r = 6.f + std::sin(float(i) / 6.f * 3.1416f) * 5.f;
        balls.push_back({32.f + (i % 2 ? 1.5f : -1.5f), y, r, float(i) * 0.3f});
    }
    over(t, canopy(balls, kLeafRamp, 1560, -0.08f));
    return t;
}

void branch(Canvas& t, float x, float y, float angle, float len, float width, int depth, int seed) {
    const float x1 = x + std::cos(angle) * len, y1 = y + std::sin(angle) * len;
    thickLine(t, x, y, x1, y1, width, width > 1.2f ? pal(Earth) : pal(EarthDeep));
    if (width > 1.f) thickLine(t, x - 0.6f, y, x1 - 0.6f, y1, width * 0.4f, pal(EarthLight));
    if (depth == 0) return;
    const float spread = 0.45f + hashNoise(depth, seed, 1570) * 0.3f;
    branch(t, x1, y1, angle - spread, len * 0.72f, width * 0.62f, depth - 1, seed * 3 + 1);
    branch(t, x1, y1, angle + spread, len * 0.68f, width * 0.6f, depth - 1, seed * 3 + 2);
}

Canvas deadTree() {
    Canvas t = layer();
    branch(t, 32, 58, -1.5708f, 17, 3.2f, 4, 7);
    // Hollow in the trunk.
    t.px(31, 50, pal(Ink));
    t.px(32, 50, pal(Ink));
    t.px(31, 51, pal(Ink));
    return t;
}

Canvas twinFirs() {
    Canvas t = layer();
    trunk(t, 22, 48, 58, 1);
    trunk(t, 44, 42, 54, 1);
    conifer(t, 44, 6, 46, 14, {Night, GrassDeep, Teal, Leaf}, 1580);
    conifer(t, 22, 14, 52, 14, {Night, GrassDeep, Leaf, LeafLight}, 1581);
    return t;
}

Canvas willow() {
    Canvas t = layer();
    trunk(t, 32, 36, 57, 3);
    over(t, canopy({{32, 18, 15}, {20, 22, 10}, {44, 22, 10}}, {GrassDeep, Leaf, Grass, LeafLight, GrassLight}, 1590));
    // Hanging strands.
    for (int x = 10; x <= 54; ++x) {
        int y0 = -1;
        for (int y = 0; y < 40; ++y)
            if (t.opaque(x, y) && t.get(x, y) != pal(EarthDeep) && t.get(x, y) != pal(Earth) && t.get(x, y) != pal(EarthLight)) y0 = y;
        if (y0 < 0 || std::abs(x - 32) < 4) continue;
        const int len = 8 + int(hashNoise(x, 0, 1591) * 12);
        for (int k = 0; k < len; ++k) {
            if ((x + k) % 3 == 0 && k > 2) continue;
            t.px(x, y0 + k, k % 4 == 0 ? pal(LeafLight) : (x < 32 ? pal(Grass) : pal(Leaf)));
        }
    }
    return t;
}

Canvas blossom() {
    Canvas t = layer();
    trunk(t, 32, 36, 57, 3, {EarthDeep, Earth, SkinShade});
    thickLine(t, 32, 40, 22, 30, 1.3f, pal(Earth));
    thickLine(t, 32, 39, 43, 31, 1.3f, pal(EarthDeep));
    over(t, canopy({{32, 20, 13}, {19, 24, 10}, {45, 24, 10}, {26, 31, 8, 2}, {39, 32, 8, 2}, {32, 10, 8}},
                   {Plum, PlumLight, SkinShade, Skin, White}, 1600, -0.05f));
    // Falling petals on the ground.
    for (int i = 0; i < 6; ++i) t.px(14 + int(hashNoise(i, 0, 1601) * 38), 52 + int(hashNoise(i, 1, 1601) * 8), pal(White));
    return t;
}

Canvas goldenTree() {
    Canvas t = layer();
    trunk(t, 30, 34, 57, 3);
    thickLine(t, 30, 40, 42, 30, 1.6f, pal(Earth));
    over(t, canopy({{24, 20, 13}, {42, 24, 12}, {30, 10, 9}, {46, 14, 8}, {14, 28, 8}, {33, 31, 9, 3}},
                   {EarthDeep, Ember, Gold, GoldLight}, 1610));
    return t;
}

Canvas stump() {
    Canvas t = layer();
    // Roots.
    thickLine(t, 22, 46, 14, 52, 2.f, pal(Earth));
    thickLine(t, 42, 46, 51, 53, 2.f, pal(EarthDeep));
    thickLine(t, 30, 50, 28, 57, 2.f, pal(Earth));
    thickLine(t, 37, 50, 41, 57, 2.f, pal(EarthDeep));
    // Body: a short cylinder.
    for (int y = 30; y <= 50; ++y)
        for (int x = 20; x <= 44; ++x) {
            const float t0 = float(x - 20) / 24.f;
            const float v = 0.9f - t0 * 0.95f + (hashNoise(x, y / 3, 1620) - 0.5f) * 0.25f;
            t.px(x, y, rampColor(kWoodRamp, v, x, y));
        }
    t.ellipse(32, 50, 12, 4, pal(EarthDeep));
    // Cut top with rings.
    t.ellipse(32, 30, 12, 5, pal(EarthLight));
    for (int r = 1; r <= 11; r += 3) {
        for (int a = 0; a < 64; ++a) {
            const float an = float(a) / 64.f * 6.2832f;
            t.px(32 + int(std::lround(std::cos(an) * r)), 30 + int(std::lround(std::sin(an) * r * 0.42f)), pal(Earth));
        }
    }
    t.px(32, 30, pal(EarthDeep));
    for (int x = 22; x <= 42; ++x) t.px(x, 26 + (x % 3 == 0 ? 0 : 0), t.opaque(x, 26) ? pal(Sand) : sf::Color::Transparent);
    // Mushrooms at the foot.
    t.ellipse(17, 47, 3, 2, pal(Blood));
    t.px(16, 46, pal(White));
    t.rect(17, 49, 1, 3, pal(Cloud));
    t.ellipse(47, 49, 2, 1, pal(Ember));
    t.rect(47, 50, 1, 2, pal(Cloud));
    return t;
}

// ---------------------------------------------------------------------------------------------
// Houses

struct HouseStyle {
    std::vector<int> roof;    // dark -> light
    std::vector<int> wall;
    bool timber;              // dark beams on the wall
    bool thatch;
};

Canvas house(const HouseStyle& s) {
    Canvas t = layer();
    const int wallTop = 34, wallBottom = 56, left = 10, right = 53;
    // Front wall.
    for (int y = wallTop; y <= wallBottom; ++y)
        for (int x = left; x <= right; ++x) {
            float v = 0.62f + (hashNoise(x / 3, y / 2, 1700) - 0.5f) * 0.2f;
            if (x == left) v += 0.2f;
            if (x == right) v -= 0.35f;
            if (y == wallBottom) v -= 0.3f;
            t.px(x, y, rampColor(s.wall, v, x, y));
        }
    if (!s.timber) { // stone courses
        for (int y = wallTop + 3; y < wallBottom; y += 4)
            for (int x = left; x <= right; ++x) {
                if ((x + (y / 4) * 3) % 7 != 0) t.px(x, y, pal(s.wall[0]));
                else t.px(x, y - 1, pal(s.wall[0]));
            }
    }
    if (s.timber) {
        for (int x : {left, 22, 41, right}) t.rect(x, wallTop, 2, wallBottom - wallTop + 1, pal(EarthDeep));
        t.rect(left, wallTop + 1, right - left + 1, 2, pal(EarthDeep));
        thickLine(t, 12, 54, 21, 40, 0.7f, pal(EarthDeep));
        thickLine(t, 43, 40, 52, 54, 0.7f, pal(EarthDeep));
    }
    // Door with a lit step.
    t.rect(28, 42, 9, 15, pal(EarthDeep));
    t.rect(29, 43, 7, 14, pal(Earth));
    for (int y = 44; y < 57; y += 3) t.rect(29, y, 7, 1, pal(EarthDeep));
    t.px(34, 50, pal(GoldLight));
    t.rect(27, 57, 11, 2, pal(Silver));
    // Windows glowing warm: the camp is inside.
    for (int wx : {14, 43}) {
        t.rect(wx, 42, 8, 7, pal(EarthDeep));
        t.rect(wx + 1, 43, 6, 5, pal(Gold));
        t.rect(wx + 1, 43, 3, 2, pal(GoldLight));
        t.rect(wx + 4, 43, 1, 5, pal(EarthDeep));
        t.rect(wx + 1, 45, 6, 1, pal(EarthDeep));
        t.rect(wx, 49, 8, 1, pal(s.timber ? Earth : Silver));
    }
    // Roof: a trapezoid with courses, the left slope facing the light.
    const std::vector<Pt> roof = {{16, 6}, {48, 6}, {58, 37}, {6, 37}};
    for (int y = 4; y <= 38; ++y)
        for (int x = 4; x <= 60; ++x) {
            if (!inPoly(roof, float(x) + 0.5f, float(y) + 0.5f)) continue;
            const float fy = float(y - 6) / 31.f;
            float v = 0.65f - fy * 0.25f;
            const int course = s.thatch ? 3 : 4;
            if ((y - 6) % course == course - 1) v -= 0.3f;
            if (s.thatch) v += (hashNoise(x, y, 1710) - 0.5f) * 0.35f;
            else if (((x + ((y - 6) / course) * 3) % 6) == 0) v -= 0.25f;
            // Hip ends of the roof: left lit, right shaded.
            const float leftEdge = 16.f - (float(y) - 6.f) * 10.f / 31.f;
            const float rightEdge = 48.f + (float(y) - 6.f) * 10.f / 31.f;
            if (float(x) < leftEdge + (float(y) - 6.f) * 0.45f) v += 0.22f;
            if (float(x) > rightEdge - (float(y) - 6.f) * 0.45f) v -= 0.3f;
            t.px(x, y, rampColor(s.roof, v, x, y));
        }
    for (int x = 16; x <= 48; ++x) t.px(x, 6, pal(s.roof.back())); // ridge
    for (int x = 6; x <= 58; ++x) t.px(x, 37, pal(s.roof.front())); // eave shadow line
    // Chimney with a wisp of smoke.
    t.rect(40, 2, 6, 10, pal(Steel));
    t.rect(40, 2, 2, 10, pal(Silver));
    t.rect(40, 2, 6, 1, pal(Slate));
    t.px(43, 0, pal(Cloud, 200));
    t.px(44, 1, pal(Cloud, 160));
    return t;
}

// ---------------------------------------------------------------------------------------------
// Desert props

Canvas rock(const std::vector<Ball>& balls, const std::vector<int>& ramp, int seed, int cracks) {
    Canvas t = layer();
    Canvas r = layer();
    shadeBalls(r, balls, ramp, 0.18f, seed);
    // Flatten the bottom of every boulder where it meets the sand.
    float maxY = 0;
    for (const Ball& b : balls) maxY = std::max(maxY, b.y + b.r);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (r.opaque(x, y) && float(y) < maxY - 2.f) t.px(x, y, r.get(x, y));
    // Cracks.
    for (int i = 0; i < cracks; ++i) {
        float x = 20.f + hashNoise(i, 0, seed + 1) * 24.f, y = 20.f + hashNoise(i, 1, seed + 1) * 20.f;
        for (int k = 0; k < 8; ++k) {
            if (t.opaque(int(x), int(y)) && t.opaque(int(x) + 1, int(y) + 1)) {
                t.px(int(x), int(y), pal(ramp[0]));
                t.px(int(x) + 1, int(y), pal(ramp[2]));
            }
            x += (hashNoise(i, k, seed + 2) - 0.5f) * 2.5f;
            y += 1.f;
        }
    }
    return t;
}

Canvas pillarRock() {
    Canvas t = layer();
    // A weathered sandstone pillar with banded strata.
    for (int y = 8; y <= 52; ++y) {
        const float w = 10.f + 3.f * std::sin(float(y) * 0.35f) + (y > 44 ? float(y - 44) : 0.f);
        for (int x = int(32 - w); x <= int(32 + w); ++x) {
            const float t0 = (float(x) - (32 - w)) / (2 * w);
            float v = 0.9f - t0 * 0.8f;
            if (y % 7 == 0) v -= 0.25f;
            if (y % 7 == 1) v += 0.1f;
            v += (hashNoise(x, y, 1800) - 0.5f) * 0.15f;
            t.px(x, y, rampColor(kSandstoneRamp, v, x, y));
        }
    }
    t.ellipse(32, 8, 9, 3, pal(SandLight));
    t.ellipse(33, 9, 7, 2, pal(Sand));
    return t;
}

Canvas flatSlab() {
    Canvas t = layer();
    const std::vector<Pt> top = {{10, 30}, {24, 22}, {48, 24}, {56, 34}, {44, 42}, {16, 40}};
    fillPoly(t, top, pal(Sand));
    const std::vector<Pt> front = {{10, 30}, {16, 40}, {44, 42}, {56, 34}, {56, 40}, {44, 49}, {16, 47}, {10, 37}};
    fillPoly(t, front, pal(Earth));
    fillPoly(t, {{10, 30}, {16, 40}, {16, 47}, {10, 37}}, pal(EarthLight));
    fillPoly(t, {{44, 42}, {56, 34}, {56, 40}, {44, 49}}, pal(EarthDeep));
    for (int y = 22; y < 42; ++y)
        for (int x = 10; x < 57; ++x)
            if (t.get(x, y) == pal(Sand) && hashNoise(x, y, 1810) < 0.12f) t.px(x, y, pal(SandLight));
    thickLine(t, 28, 26, 34, 36, 0.5f, pal(Earth));
    return t;
}

Canvas layeredBlock() {
    // A squat block of layered sandstone with a flat, wind-worn top.
    Canvas t = layer();
    const std::vector<Pt> top = {{12, 22}, {30, 14}, {52, 18}, {54, 26}, {36, 32}, {14, 30}};
    const std::vector<Pt> body = {{12, 22}, {14, 30}, {36, 32}, {54, 26}, {54, 44}, {36, 52}, {12, 46}};
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float u = float(x) + 0.5f, v = float(y) + 0.5f;
            if (inPoly(top, u, v)) {
                const float val = 0.8f + (hashNoise(x, y, 1860) - 0.5f) * 0.25f;
                t.px(x, y, rampStep(kSandstoneRamp, val, x, y, 0.2f));
            } else if (inPoly(body, u, v)) {
                const bool leftFace = u < 36.f - (v - 32.f) * 0.f && u < 36.f;
                float val = leftFace ? 0.58f : 0.3f;
                // Strata lines that follow the faces.
                const float layer = leftFace ? v - (u - 12.f) * 0.1f : v + (u - 36.f) * 0.33f;
                const int band = int(layer) % 6;
                if (band == 0) val -= 0.2f;
                if (band == 1) val += 0.1f;
                val += (hashNoise(x, y, 1861) - 0.5f) * 0.1f;
                t.px(x, y, rampStep(kSandstoneRamp, val, x, y, 0.f));
            }
        }
    return t;
}

Canvas spikyRock() {
    Canvas t = layer();
    const float spikes[5][3] = {{20, 22, 6}, {30, 10, 7}, {41, 18, 6}, {50, 30, 5}, {12, 34, 5}};
    for (const auto& s : spikes) {
        const std::vector<Pt> tri = {{s[0], s[1]}, {s[0] + s[2] + 2, 50}, {s[0] - s[2] - 2, 50}};
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x)
                if (inPoly(tri, float(x) + 0.5f, float(y) + 0.5f)) {
                    float v = float(x) + 0.5f < s[0] ? 0.75f : 0.32f;
                    v += (hashNoise(x, y, 1820) - 0.5f) * 0.15f;
                    t.px(x, y, rampColor(kStoneRamp, v, x, y));
                }
    }
    for (int x = 8; x < 58; ++x)
        if (t.opaque(x, 49)) t.px(x, 49, pal(Slate));
    return t;
}

Canvas rockPile() {
    return rock({{18, 44, 7}, {30, 46, 6}, {42, 45, 7}, {24, 36, 6, 2}, {37, 37, 6, 2}, {30, 28, 5, 4}, {50, 50, 4}, {12, 51, 3}},
                kSandstoneRamp, 1830, 0);
}

Canvas rockWithShrub() {
    Canvas t = rock({{28, 36, 14}, {40, 42, 9}}, kSandstoneRamp, 1840, 2);
    Canvas shrub = layer();
    shadeBalls(shrub, {{46, 28, 6}, {52, 33, 5}, {41, 25, 4}}, {GrassDeep, Leaf, LeafLight, GrassLight}, 0.5f, 1841);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (shrub.opaque(x, y) && hashNoise(x, y, 1842) < 0.85f) t.px(x, y, shrub.get(x, y));
    return t;
}

Canvas archRock() {
    Canvas t = rock({{16, 38, 10}, {48, 38, 10}, {22, 26, 9, 2}, {42, 26, 9, 2}, {32, 20, 10, 4}}, kSandstoneRamp, 1850, 1);
    // The arch opening shows the sand behind.
    for (int y = 30; y < 52; ++y)
        for (int x = 24; x <= 40; ++x)
            if (std::hypot(float(x) - 32.f, (float(y) - 50.f) * 0.8f) < 10.f) t.px(x, y, sf::Color::Transparent);
    return t;
}

Canvas barrels() {
    Canvas t = layer();
    auto standing = [&](int cx, int top, int r, int h) {
        for (int y = top; y <= top + h; ++y) {
            const float bulge = std::sin(float(y - top) / float(h) * 3.1416f) * 1.5f;
            for (int x = int(cx - r - bulge); x <= int(cx + r + bulge); ++x) {
                const float t0 = (float(x) - (float(cx) - float(r) - bulge)) / (2 * (float(r) + bulge));
                float v = 0.85f - t0 * 0.9f;
                if ((x - cx + 40) % 4 == 0) v -= 0.15f; // staves
                sf::Color col = rampColor(kWoodRamp, v, x, y);
                if (y == top + 3 || y == top + h - 3) col = t0 < 0.4f ? pal(Silver) : pal(Steel); // hoops
                t.px(x, y, col);
            }
        }
        t.ellipse(cx, top, r, r / 3 + 1, pal(Earth));
        t.ellipse(cx, top, r - 1, r / 3, pal(EarthLight));
        t.ellipse(cx - 1, top, r - 4, 1, pal(Sand));
        t.px(cx + 2, top, pal(EarthDeep));
    };
    standing(22, 24, 8, 20);
    standing(41, 30, 8, 20);
    // A barrel lying on its side in front.
    for (int y = 46; y <= 58; ++y)
        for (int x = 14; x <= 36; ++x) {
            const float fy = float(y - 46) / 12.f;
            float v = 0.9f - fy * 0.9f;
            if ((y - 46) % 4 == 1) v -= 0.15f;
            sf::Color col = rampColor(kWoodRamp, v, x, y);
            if (x == 18 || x == 32) col = fy < 0.4f ? pal(Silver) : pal(Steel);
            t.px(x, y, col);
        }
    t.ellipse(37, 52, 3, 6, pal(EarthLight));
    t.ellipse(37, 52, 1, 3, pal(Earth));
    return t;
}

Canvas crate(int x0, int y0, int w, int h, int d) {
    // A box in three-quarter view: top face (d pixels deep) and front face.
    Canvas t = layer();
    t.rect(x0, y0, w, d, pal(EarthLight));
    t.rect(x0, y0 + d, w, h, pal(Earth));
    for (int x = x0; x < x0 + w; ++x)
        for (int y = y0; y < y0 + d; ++y)
            if ((x - x0) % 5 == 4) t.px(x, y, pal(Earth));
            else if (hashNoise(x, y, 1900) < 0.15f) t.px(x, y, pal(Sand));
    for (int y = y0 + d; y < y0 + d + h; ++y)
        if ((y - y0 - d) % 5 == 4) t.rect(x0, y, w, 1, pal(EarthDeep));
    // Frame and cross brace.
    t.frame(x0, y0 + d, w, h, pal(EarthDeep));
    t.rect(x0, y0 + d, 2, h, pal(EarthLight));
    thickLine(t, float(x0 + 2), float(y0 + d + h - 2), float(x0 + w - 3), float(y0 + d + 1), 0.8f, pal(EarthLight));
    t.rect(x0, y0 + d, w, 1, pal(Sand));
    t.rect(x0 + w - 1, y0 + d, 1, h, pal(EarthDeep));
    // Nails.
    t.px(x0 + 1, y0 + d + 1, pal(Silver));
    t.px(x0 + w - 2, y0 + d + 1, pal(Silver));
    t.px(x0 + 1, y0 + d + h - 2, pal(Silver));
    t.px(x0 + w - 2, y0 + d + h - 2, pal(Silver));
    return t;
}

Canvas sack(int cx, int cy) {
    Canvas t = layer();
    shadeBalls(t, {{float(cx), float(cy), 8}, {float(cx), float(cy - 8), 5, 1}}, {Earth, EarthLight, Sand, SandLight}, 0.2f, 1910);
    t.rect(cx - 3, cy - 8, 7, 1, pal(EarthDeep));
    return t;
}

Canvas bonesBody() {
    Canvas t = layer();
    // Ribs: pairs of arcs curving out from the spine, the upper ones lit, the lower in shade.
    for (int i = 0; i < 5; ++i) {
        const float x0 = 20.f + float(i) * 7.f;
        const float len = 17.f - std::fabs(float(i) - 1.5f) * 2.f;
        for (int side : {-1, 1})
            for (int k = 0; k <= 16; ++k) {
                const float a = float(k) / 16.f;
                const float x = x0 + std::sin(a * 2.4f) * 6.f;
                const float y = 34.f + float(side) * a * len;
                const sf::Color col = side < 0 ? (k < 3 ? pal(Silver) : pal(White)) : (k < 3 ? pal(Steel) : pal(Cloud));
                t.px(int(x), int(y), col);
                t.px(int(x) + 1, int(y), side < 0 ? pal(Cloud) : pal(Silver));
            }
    }
    // Spine over the ribs: a row of vertebrae.
    for (int x = 12; x <= 54; x += 3) {
        t.rect(x, 33, 2, 3, pal(Cloud));
        t.px(x, 33, pal(White));
        t.px(x + 1, 35, pal(Steel));
    }
    // Pelvis at the tail end.
    t.ellipse(12, 34, 3, 5, pal(Cloud));
    t.ellipse(12, 34, 1, 2, pal(Steel));
    t.px(10, 31, pal(White));
    // A loose leg bone.
    thickLine(t, 16, 53, 32, 56, 1.f, pal(Cloud));
    t.disc(16, 52, 2, pal(White));
    t.disc(32, 56, 2, pal(Cloud));
    t.px(33, 57, pal(Silver));
    return t;
}

Canvas skull() {
    Canvas t = layer();
    // Horned cattle skull.
    thickLine(t, 22, 26, 10, 18, 2.f, pal(Cloud));
    thickLine(t, 10, 18, 8, 10, 1.2f, pal(Silver));
    thickLine(t, 42, 26, 54, 18, 2.f, pal(Silver));
    thickLine(t, 54, 18, 56, 10, 1.2f, pal(Steel));
    shadeBalls(t, {{32, 30, 11}, {32, 42, 7, 2}}, {Steel, Silver, Cloud, White}, 0.1f, 1920);
    // Eye holes and nose.
    t.ellipse(27, 30, 3, 3, pal(Ink));
    t.ellipse(37, 30, 3, 3, pal(Ink));
    t.px(27, 28, pal(Night));
    t.px(30, 44, pal(Night));
    t.px(34, 44, pal(Night));
    t.px(31, 45, pal(Ink));
    t.px(33, 45, pal(Ink));
    for (int x = 28; x <= 36; x += 2) t.px(x, 48, pal(Steel));
    // Small bones around.
    thickLine(t, 44, 52, 54, 50, 0.8f, pal(Cloud));
    t.disc(44, 52, 1, pal(White));
    t.disc(54, 50, 1, pal(Silver));
    return t;
}

Canvas tent() {
    Canvas t = layer();
    // Ridge tent seen from the front-top: two roof slopes, a front triangle with an open flap.
    const std::vector<Pt> leftSlope = {{32, 8}, {8, 50}, {22, 52}, {34, 12}};
    const std::vector<Pt> rightSlope = {{32, 8}, {56, 48}, {44, 52}, {34, 12}};
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const float u = float(x) + 0.5f, v = float(y) + 0.5f;
            const bool stripe = (int(v) / 5) % 3 == 0;
            if (inPoly(leftSlope, u, v)) t.px(x, y, stripe ? pal(Ember) : rampColor({Silver, Cloud, White}, 0.75f - (v - 8) / 90.f, x, y));
            else if (inPoly(rightSlope, u, v)) t.px(x, y, stripe ? pal(Blood) : rampColor({Steel, Silver, Cloud}, 0.5f - (v - 8) / 90.f, x, y));
        }
    // Front triangle (between the slopes) and its dark opening.
    fillPoly(t, {{33, 12}, {22, 52}, {44, 52}}, pal(Cloud));
    fillPoly(t, {{33, 24}, {26, 52}, {40, 52}}, pal(Night));
    fillPoly(t, {{33, 24}, {26, 52}, {29, 52}}, pal(Ink));
    // Flap tied back.
    fillPoly(t, {{33, 24}, {40, 52}, {44, 52}, {38, 34}}, pal(Silver));
    thickLine(t, 39, 38, 43, 39, 0.5f, pal(Ember));
    // Poles, ropes and pegs.
    t.rect(32, 4, 2, 6, pal(EarthDeep));
    t.px(32, 3, pal(Gold));
    t.px(33, 3, pal(GoldLight));
    // The pegs stay far enough inside that neither they nor their shadow reach the tile's
    // edge: the sand beside the tent joins the next cell's.
    t.line(8, 50, 4, 55, pal(EarthLight));
    t.line(56, 48, 56, 54, pal(EarthLight));
    t.rect(3, 55, 2, 2, pal(EarthDeep));
    t.rect(56, 55, 2, 2, pal(EarthDeep));
    // Bedroll glimpsed inside.
    t.rect(30, 48, 6, 3, pal(Blood));
    t.rect(30, 48, 6, 1, pal(Ember));
    return t;
}

Canvas palm() {
    Canvas t = layer();
    // Curved trunk of stacked rings.
    for (int i = 0; i <= 22; ++i) {
        const float f = float(i) / 22.f;
        const float x = 28.f + std::sin(f * 1.6f) * 8.f - 4.f, y = 59.f - f * 42.f;
        const float w = 3.4f - f * 1.1f;
        for (int dx = -4; dx <= 4; ++dx) {
            const float d = float(dx) / w;
            if (std::fabs(d) > 1.f) continue;
            float v = 0.7f - d * 0.45f;
            if (i % 3 == 0) v -= 0.3f;
            t.px(int(x) + dx, int(y), rampColor(kWoodRamp, v, int(x) + dx, int(y)));
            t.px(int(x) + dx, int(y) - 1, rampColor(kWoodRamp, v, int(x) + dx, int(y) - 1));
        }
    }
    // A dry shrub at the palm's foot.
    {
        Canvas shrub = layer();
        shadeBalls(shrub, {{49, 52, 6}, {55, 54, 4}, {44, 55, 4, 1}}, {GrassDeep, Leaf, LeafLight, GoldLight}, 0.55f, 1620);
        over(t, shrub);
    }
    const float cx = 32.f, cy = 17.f;
    // Fronds: arched leaf blades with leaflets, back ones darker.
    const float fronds[8][3] = {{-2.8f, 27, 0}, {-0.3f, 27, 0}, {-1.6f, 21, 0}, {-3.6f, 24, 1}, {0.6f, 24, 1},
                                {2.4f, 18, 1}, {1.2f, 19, 1}, {-2.2f, 24, 0}};
    for (const auto& fr : fronds) {
        const float a = fr[0], len = fr[1];
        const int ramp0 = fr[2] > 0 ? 1 : 0;
        for (int k = 0; k <= 30; ++k) {
            const float s = float(k) / 30.f;
            const float x = cx + std::cos(a) * len * s;
            const float y = cy + std::sin(a) * len * s + s * s * 11.f; // droop
            const float w = (1.f - s * 0.8f) * 3.2f + 0.5f;
            for (int side : {-1, 1})
                for (int q = 0; q <= int(w * 1.6f); ++q) {
                    const float lx = x + float(side) * std::sin(a) * float(q) * 0.8f;
                    const float ly = y - float(side) * std::cos(a) * float(q) * 0.8f + float(q) * 0.35f;
                    const int shade = side < 0 ? 3 - ramp0 : 2 - ramp0;
                    t.px(int(lx), int(ly), pal(kLeafRamp[std::clamp(shade - (q > 2 ? 1 : 0), 0, 4)]));
                }
            t.px(int(x), int(y), pal(kLeafRamp[4 - ramp0 * 2]));
        }
    }
    // Coconuts.
    for (const auto& c : {std::array<int, 2>{30, 20}, {34, 21}, {32, 23}}) {
        t.disc(c[0], c[1], 2, pal(EarthDeep));
        t.px(c[0] - 1, c[1] - 1, pal(Earth));
    }
    return t;
}

void onGrass(const char* name, const Canvas& prop, int variant) {
    Canvas g = grassTile(variant);
    placeProp(g, prop);
    saveTile(g, name);
}

// Moves a prop so that it, its outline and its shadow (4 right, 3 down) stay inside the tile,
// where it fits: the tile's edges then show plain sand and join any neighbour.
Canvas keptInside(const Canvas& prop) {
    int left = kTile, top = kTile, right = -1, bottom = -1;
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (prop.opaque(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) return prop;
    int dx = 0, dy = 0;
    if (right > 57) dx = std::max(57 - right, 1 - left);
    if (bottom > 58) dy = std::max(58 - bottom, 1 - top);
    if (dx == 0 && dy == 0) return prop;
    Canvas moved = layer();
    moved.blit(prop, dx, dy);
    return moved;
}

void onSand(const char* name, const Canvas& prop, int variant) {
    Canvas g = sandTile(variant);
    placeProp(g, keptInside(prop));
    saveTile(g, name);
}

} // namespace

Canvas tentOver(Canvas ground) {
    placeProp(ground, keptInside(tent()));
    return ground;
}

void genGreenProps() {
    onGrass("Tree", oak(), 100);
    onGrass("Tree2", pine(), 101);
    onGrass("Tree3", birch(), 102);
    onGrass("Tree4", bush(), 103);
    onGrass("Tree5", appleTree(), 104);
    onGrass("Tree6", maple(), 105);
    onGrass("Tree7", poplar(), 106);
    onGrass("Tree8", deadTree(), 107);
    onGrass("Tree9", twinFirs(), 108);
    onGrass("Tree10", willow(), 109);
    onGrass("Tree11", blossom(), 110);
    onGrass("Tree12", goldenTree(), 111);
    onGrass("Tronc_darbre", stump(), 112);
    onGrass("House", house({{BloodDeep, Blood, Ember}, {Silver, Cloud, White}, true, false}), 113);
    onGrass("House2", house({{Earth, Gold, GoldLight}, {Slate, Steel, Silver}, false, true}), 114);
}

void genDesertProps() {
    onSand("Roche1", rock({{32, 36, 17}, {20, 44, 8}}, kSandstoneRamp, 2000, 3), 200);
    onSand("Roche2", rock({{20, 40, 10}, {40, 38, 12}, {32, 50, 6, 4}}, kStoneRamp, 2010, 2), 201);
    onSand("Roche3", pillarRock(), 202);
    onSand("Roche4", flatSlab(), 203);
    onSand("Roche5", rock({{30, 34, 16}, {44, 44, 9}, {18, 46, 6}}, kStoneRamp, 2020, 4), 204);
    onSand("Roche6", spikyRock(), 205);
    onSand("Roche7", layeredBlock(), 206);
    onSand("Roche8", rockPile(), 207);
    onSand("Roche9", rockWithShrub(), 208);
    onSand("Roche10", archRock(), 209);
    onSand("tonneaux", barrels(), 210);
    onSand("Carton_mid", crate(18, 20, 28, 20, 8), 211);
    {
        Canvas c = crate(10, 34, 22, 16, 6);
        over(c, crate(34, 40, 18, 12, 5));
        onSand("Carton_below", c, 212);
    }
    {
        Canvas c = crate(10, 22, 26, 20, 7);
        over(c, sack(46, 40));
        onSand("Carton_right", c, 213);
    }
    onSand("Os_corps", bonesBody(), 214);
    onSand("Os_visage", skull(), 215);
    onSand("Tante", tent(), 216);
    onSand("ArbreN2", palm(), 217);
}

} // namespace tiles
