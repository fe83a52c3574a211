// The main menu backdrop: a castle on its hill at sunset, a lake and a village below,
// framed by an old oak. Painted back to front, one step per layer.
#include "menus_scenes.hpp"

#include "menus_scene_parts.hpp"

#include <algorithm>
#include <array>
#include <cmath>

using namespace art;

namespace menus {

namespace {

constexpr int W = 480, H = 270;
constexpr float kSunX = 112, kSunY = 140;
constexpr int kHorizon = 152;
constexpr int kLakeTop = kHorizon - 1, kLakeBottom = kHorizon + 6;

// The top row of the far mountains in each column.
using Skyline = std::array<int, W>;

// Conifer of height h with its base centre at (x, y): dark body, rim-lit on its left edge.
void conifer(Canvas& c, int x, int y, int h, int body, int rim, int dark) {
    for (int j = 0; j < h; ++j) {
        const int half = std::max(0, (j * 4) / (h + 1) + ((j % 3 == 2) ? 1 : 0));
        for (int i = -half; i <= half; ++i) {
            int col = body;
            if (i == -half) col = rim;
            if (i > half / 2) col = dark;
            c.px(x + i, y - h + j, pal(col));
        }
    }
    c.px(x, y, pal(dark));
}

// Night at the top through plum dusk to a gold glow around the setting sun.
void paintSky(Canvas& c) {
    const int sky[7] = {Night, Night, Plum, PlumLight, Ember, Gold, GoldLight};
    for (int y = 0; y < kHorizon + 4; ++y)
        for (int x = 0; x < W; ++x) {
            const float v = float(y) / float(kHorizon);
            const float dx = (float(x) - kSunX) / 260.f, dy = (float(y) - kSunY) / 120.f;
            const float near = std::max(0.f, 1.f - std::sqrt(dx * dx + dy * dy));
            const float t = std::clamp(v * 0.78f + near * near * 0.42f - 0.04f, 0.f, 1.f);
            c.px(x, y, rampDither(sky, 7, t, x, y, 0.55f));
        }
}

// Stars in the upper sky, thinning toward the dusk.
void paintStars(Canvas& c) {
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < W; ++x) {
            const float p = 0.006f * (1.f - float(y) / 80.f);
            if (!chance(x, y, 17, p)) continue;
            const float b = hashNoise(x, y, 18);
            c.px(x, y, pal(b > 0.7f ? White : (b > 0.35f ? Cloud : Silver)));
            if (b > 0.93f && y > 1) {
                c.px(x - 1, y, pal(Steel));
                c.px(x + 1, y, pal(Steel));
                c.px(x, y - 1, pal(Steel));
                c.px(x, y + 1, pal(Steel));
            }
        }
}

// Crescent moon, lit from the sun's side.
void paintMoon(Canvas& c) {
    const int mx = 420, my = 34;
    for (int y = -11; y <= 11; ++y)
        for (int x = -11; x <= 11; ++x) {
            const int d = x * x + y * y;
            if (d > 9 * 9 + 4 && d <= 11 * 11 && bayer(mx + x, my + y) < 0.25f) c.blend(mx + x, my + y, pal(PlumLight, 140));
            if (d > 9 * 9 + 4) continue;
            const int e = (x - 4) * (x - 4) + (y + 3) * (y + 3);
            if (e <= 8 * 8) continue;
            int col = Cloud;
            if (x < -5) col = White;
            if (chance(mx + x, my + y, 19, 0.12f)) col = Silver;
            c.px(mx + x, my + y, pal(col));
        }
}

// Far mountain range: faceted peaks, lowest at the pass where the sun sets.
Skyline farMountainLine() {
    Skyline farTop{};
    for (int x = 0; x < W; ++x) {
        const float r = ridge(float(x), 70, 31) * 0.65f + valueNoise(float(x), 5.f, 23, 32) * 0.35f;
        const float env = 1.f - 0.45f * std::clamp((float(x) - 330.f) / 120.f, 0.f, 1.f);
        const float dip = 1.f - 0.5f * std::max(0.f, 1.f - std::fabs(float(x) - kSunX) / 40.f); // a pass for the sun
        farTop[x] = kHorizon - 10 - int(r * 40.f * env * dip);
    }
    return farTop;
}

// Sun, half sunk into the pass; `sunTop` is the row of its centre.
void paintSun(Canvas& c, int sunTop) {
    for (int y = -11; y <= 11; ++y)
        for (int x = -11; x <= 11; ++x) {
            const int d = x * x + y * y;
            if (d > 11 * 11 + 3) continue;
            c.px(int(kSunX) + x, sunTop + y, pal(d < 60 ? White : GoldLight));
        }
    for (int r = 13; r < 20; ++r)
        for (int a = 0; a < 120; ++a) {
            const float t = float(a) / 120.f * 2.f * kPi;
            const int gx = int(kSunX) + int(std::lround(std::cos(t) * float(r)));
            const int gy = sunTop + int(std::lround(std::sin(t) * float(r)));
            if (bayer(gx, gy) < 0.5f - float(r - 13) * 0.07f) c.px(gx, gy, pal(GoldLight));
        }
}

// Long clouds, darker than the glowing sky, their undersides lit by the sun.
void paintClouds(Canvas& c, int sunTop) {
    auto cloudAt = [&](int x, int y) {
        if (y < 40 || y > 128) return false;
        const float sx = float(x) - kSunX, sy = float(y - sunTop) * 2.f;
        if (sx * sx + sy * sy < 26.f * 26.f) return false; // keep the sun clear
        const float band = std::sin(float(y) * 0.16f + 0.9f) * 0.5f + 0.5f;
        const float n = valueNoise(float(x) * 0.14f, float(y) * 1.1f, 9, 23);
        const float m = valueNoise(float(x), float(y), 50, 24);
        return n * 0.6f + band * 0.25f + m * 0.3f > 0.8f;
    };
    for (int y = 38; y < 132; ++y)
        for (int x = 0; x < W; ++x) {
            if (!cloudAt(x, y)) continue;
            const float dx = std::fabs(float(x) - kSunX) / 200.f;
            int col = y < 70 ? Plum : (bayer(x, y) < 0.3f ? PlumLight : Plum);
            if (!cloudAt(x, y + 1)) col = dx < 0.6f ? (y > 90 ? GoldLight : Ember) : (y > 90 ? Ember : PlumLight);
            else if (!cloudAt(x, y + 2) && dx < 0.8f) col = y > 90 ? Ember : PlumLight;
            else if (!cloudAt(x, y - 1)) col = y < 70 ? Night : Plum;
            c.px(x, y, pal(col));
        }
}

// The far mountains, the faces turned to the sun lit and snow on the high ones. Shading
// follows fall lines: a pixel takes the light of the ridge slope it runs down from (sampled up
// and to the left), so the faces turned to the sun stream down as lit gullies.
void paintFarMountains(Canvas& c, const Skyline& farTop) {
    auto slopeAt = [&](int x) {
        const int a0 = std::clamp(x - 2, 0, W - 1), a1 = std::clamp(x + 2, 0, W - 1);
        return farTop[a1] - farTop[a0];
    };
    for (int x = 0; x < W; ++x) {
        for (int y = farTop[x]; y < kHorizon + 2; ++y) {
            const int depth = y - farTop[x];
            const int xs = std::clamp(x - int(float(depth) * 0.6f), 0, W - 1);
            const int slope = slopeAt(xs);
            const float n = valueNoise(float(x), float(y), 5, 33);
            int col = Plum;
            if (slope < -1 || (slope < 0 && n > 0.5f)) col = PlumLight;
            if (slope > 2 && depth > 3 && bayer(x, y) < 0.5f) col = Night;
            if (col == PlumLight && depth > 16 && bayer(x, y) < std::min(1.f, float(depth - 16) / 12.f)) col = Plum;
            if (farTop[x] < 120 && depth < 3 + int(n * 3.f) && farTop[x] + depth < 122) col = slope <= 0 ? White : Cloud;
            if (y > kHorizon - 10 && bayer(x, y) < float(y - (kHorizon - 10)) / 14.f) col = PlumLight; // haze
            c.px(x, y, pal(col));
        }
    }
}

// Nearer, darker hills.
void paintNearHills(Canvas& c) {
    int nearTop[W];
    for (int x = 0; x < W; ++x) {
        const float r = valueNoise(float(x), 9.f, 40, 41) * 0.7f + valueNoise(float(x), 2.f, 13, 42) * 0.3f;
        nearTop[x] = kHorizon - 2 - int(r * 16.f);
    }
    for (int x = 0; x < W; ++x)
        for (int y = nearTop[x]; y < kHorizon + 6; ++y) {
            int col = Night;
            const int depth = y - nearTop[x];
            if (depth == 0) col = (x + 1 < W && nearTop[x + 1] < nearTop[x]) ? Plum : PlumLight;
            else if (depth < 3 && bayer(x, y) < 0.5f) col = Plum;
            c.px(x, y, pal(col));
        }
}

// Lake in the middle distance, mirroring the sky.
void paintLake(Canvas& c) {
    for (int y = kLakeTop; y <= kLakeBottom; ++y)
        for (int x = 8; x < 172; ++x) {
            const float e = std::fabs(float(x) - 90.f) / 82.f + float(y - kLakeTop) / 14.f;
            if (e > 1.05f + 0.1f * hashNoise(x, y, 51)) continue;
            int col = WaterDeep;
            const float dx = std::fabs(float(x) - kSunX);
            const float glint = 9.f - float(y - kLakeTop) * 0.8f;
            if (dx < glint && ((x + y * 3) % 5 != 0)) col = (dx < glint * 0.5f) ? GoldLight : Gold;
            else if (dx < glint * 2.5f && (x + y * 2) % 5 == 0) col = Ember;
            else if ((y % 2 == 0) && valueNoise(float(x) * 0.4f, float(y), 8, 52) > 0.62f) col = Water;
            else if (y == kLakeTop) col = Plum;
            c.px(x, y, pal(col));
        }
}

// Meadow: calm, dithered from the dark far fields to the warmer foreground.
void paintMeadow(Canvas& c) {
    const int meadow[5] = {GrassDeep, GrassDeep, Leaf, Grass, Grass};
    for (int y = kHorizon + 2; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (c.opaque(x, y) && c.get(x, y) != pal(Night) && c.get(x, y) != pal(Plum) && c.get(x, y) != pal(PlumLight) &&
                y <= kLakeBottom)
                continue; // keep the lake
            const float t = float(y - kHorizon) / float(H - kHorizon);
            const float n = valueNoise(float(x), float(y) * 2.f, 40, 61) * 0.25f;
            c.px(x, y, rampDither(meadow, 5, std::clamp(t + n - 0.1f, 0.f, 1.f), x, y, 0.6f));
        }
}

// Distant tree line along the foot of the hills.
void plantTreeLine(Canvas& c) {
    for (int i = 0; i < 120; ++i) {
        const int x = i * 4 + int(hashNoise(i, 1, 71) * 4.f);
        if (x > 8 && x < 172 && hashNoise(i, 2, 71) < 0.7f) continue; // leave the lake open
        const int h = 5 + int(hashNoise(i, 3, 71) * 7.f);
        conifer(c, x, kHorizon + 3 + int(hashNoise(i, 4, 71) * 3.f), h, GrassDeep, x < 240 ? Leaf : GrassDeep, Night);
    }
}

// The castle hill on the right, lit on its sunward slope, with the castle and a few rocks.
void paintCastleHill(Canvas& c) {
    for (int y = 96; y < 178; ++y)
        for (int x = 318; x < W; ++x) {
            const float dx = (float(x) - 418.f) / 100.f;
            const float top = 114.f + dx * dx * 60.f + valueNoise(float(x), 0.f, 9, 81) * 3.f;
            if (float(y) < top) continue;
            const float depth = float(y) - top;
            int col = GrassDeep;
            if (x < 418 && depth < 3.f) col = GrassLight;
            else if (x < 418 && depth < 7.f && bayer(x, y) < 0.5f) col = Grass;
            else if (x >= 418 && depth < 2.f) col = Leaf;
            if (depth > 22.f && bayer(x, y) < 0.5f) col = Leaf;
            c.px(x, y, pal(col));
        }
    castle(c, 386, 117, 1, 0.f, 91);
    // Rocks on the hill.
    for (int i = 0; i < 6; ++i) {
        const int rx = 340 + int(hashNoise(i, 0, 95) * 120.f), ry = 132 + int(hashNoise(i, 1, 95) * 30.f);
        c.px(rx, ry, pal(Silver));
        c.px(rx + 1, ry, pal(Steel));
        c.px(rx, ry + 1, pal(Steel));
        c.px(rx + 1, ry + 1, pal(Slate));
    }
}

// A small village by the lake: roofs catching the sunset, lit windows, chimney smoke.
void paintVillage(Canvas& c) {
    const int houses[4][3] = {{150, 156, 9}, {163, 158, 7}, {139, 159, 6}, {174, 161, 8}};
    for (const auto& hs : houses) {
        Canvas hc(W, H);
        const int hx = hs[0], hy = hs[1], hw = hs[2];
        hc.rect(hx, hy - 4, hw, 4, pal(Earth));
        hc.px(hx, hy - 4, pal(EarthLight));
        hc.px(hx, hy - 3, pal(EarthLight));
        hc.rect(hx + hw - 2, hy - 4, 2, 4, pal(EarthDeep));
        for (int j = 0; j < hw / 2 + 1; ++j)
            for (int i = j; i < hw - j; ++i) hc.px(hx + i, hy - 5 - j, pal(i < hw / 2 ? Ember : BloodDeep));
        hc.px(hx + 2, hy - 3, pal(GoldLight));
        hc.px(hx + hw - 3, hy - 3, pal(Gold));
        hc.outline(pal(Ink));
        c.blit(hc, 0, 0);
    }
    // Chimney smoke drifting away from the light.
    for (int j = 0; j < 14; ++j) {
        const int sx = 152 + j / 2 + int(std::sin(float(j) * 0.7f) * 1.5f), sy = 150 - j;
        if (j % 4 != 3) c.px(sx, sy, pal(j < 7 ? Steel : PlumLight));
    }
}

// The road: from the castle gate down the hill, then across the meadow toward the viewer.
void paintRoad(Canvas& c) {
    auto roadCentre = [](float y) {
        // Piecewise through hand-placed points (y, x), smoothed.
        const float pts[][2] = {{117, 418}, {132, 404}, {150, 372}, {166, 318}, {184, 262}, {204, 214},
                                {226, 178}, {250, 150}, {272, 128}};
        const int n = 9;
        if (y <= pts[0][0]) return pts[0][1];
        for (int i = 0; i + 1 < n; ++i)
            if (y <= pts[i + 1][0]) {
                const float t = (y - pts[i][0]) / (pts[i + 1][0] - pts[i][0]);
                const float s = t * t * (3 - 2 * t);
                return pts[i][1] + (pts[i + 1][1] - pts[i][1]) * (0.5f * t + 0.5f * s);
            }
        return pts[n - 1][1];
    };
    for (int y = 117; y < H; ++y) {
        const float cx = roadCentre(float(y));
        const float halfW = 1.5f + float(y - 117) * 0.16f;
        const float slope = roadCentre(float(y) + 1.f) - cx;
        const float widen = std::fabs(slope) * 0.6f;
        for (int x = int(cx - halfW - widen) - 1; x <= int(cx + halfW + widen) + 1; ++x) {
            const float d = (float(x) - cx) / (halfW + widen);
            if (std::fabs(d) > 1.f) {
                if (std::fabs(d) < 1.f + 1.5f / (halfW + widen)) c.px(x, y, pal(GrassDeep)); // fringe
                continue;
            }
            int col = EarthLight;
            if (std::fabs(std::fabs(d) - 0.45f) < 0.08f && y > 150) col = Earth; // wheel ruts
            if (d < -0.7f && bayer(x, y) < 0.5f) col = Sand;                     // sunward verge
            if (chance(x, y, 101, 0.05f)) col = Sand;
            if (y < 150 && bayer(x, y) < 0.4f) col = Earth;
            c.px(x, y, pal(col));
        }
    }
}

// Sparse tufts and flowers in the meadow, denser toward the viewer.
void paintTufts(Canvas& c) {
    for (int y = kHorizon + 8; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const sf::Color here = c.get(x, y);
            if (here == pal(EarthLight) || here == pal(Earth) || here == pal(Sand)) continue;
            const float t = float(y - kHorizon) / float(H - kHorizon);
            if (chance(x, y, 111, 0.02f + t * 0.03f)) {
                c.px(x, y, pal(GrassLight));
                if (t > 0.4f) c.px(x, y - 1, pal(GrassLight));
                c.px(x + 1, y, pal(GrassDeep));
            } else if (t > 0.35f && chance(x, y, 112, 0.0025f)) {
                const float k = hashNoise(x, y, 113);
                c.px(x, y, pal(k < 0.4f ? GoldLight : (k < 0.7f ? PlumLight : White)));
            }
        }
}

// Framing: an old oak on the left, its leaves rim-lit by the low sun, grass around its roots.
void paintOak(Canvas& c) {
    Canvas oak(W, H);
    // Trunk, flaring into roots, with a branch reaching right into the canopy.
    for (int y = 30; y < H; ++y) {
        const float t = float(y - 30) / float(H - 30);
        const float cx = 22.f + std::sin(float(y) * 0.045f) * 3.f - t * 4.f;
        const float half = 6.f + t * 4.f + std::max(0.f, float(y - 244)) * 0.45f;
        for (int x = int(cx - half); x <= int(cx + half); ++x) {
            const float u = (float(x) - (cx - half)) / (2.f * half); // 0 left .. 1 right
            int col = Earth;
            if (u < 0.22f) col = EarthLight;
            if (u > 0.62f) col = EarthDeep;
            if (u > 0.85f) col = Ink;
            // Bark furrows.
            if (valueNoise(float(x) * 2.f, float(y) * 0.25f, 3, 125) > 0.7f && u > 0.15f) col = EarthDeep;
            oak.px(x, y, pal(col));
        }
    }
    const int branches[3][4] = {{24, 96, 84, 58}, {22, 80, 4, 50}, {26, 112, 62, 96}};
    for (const auto& b : branches)
        for (int i = 0; i <= 40; ++i) {
            const float t = float(i) / 40.f;
            const int bx = int(float(b[0]) + float(b[2] - b[0]) * t), by = int(float(b[1]) + float(b[3] - b[1]) * t - std::sin(t * kPi) * 6.f);
            const int th = t < 0.5f ? 2 : 1;
            for (int k = 0; k < th; ++k) {
                oak.px(bx, by + k, pal(k == 0 ? Earth : EarthDeep));
                oak.px(bx, by + th, pal(EarthDeep));
            }
        }
    // Canopy: overlapping leaf clusters, each lit on its upper-left.
    const int clusters[][3] = {{10, 6, 26},  {42, 2, 24},  {74, 10, 20}, {104, 18, 14}, {-4, 34, 20}, {24, 36, 22},
                               {56, 36, 20}, {88, 40, 15}, {112, 46, 10}, {80, 62, 12}, {-2, 66, 18}, {30, 64, 15},
                               {54, 62, 12}, {-4, 96, 14}, {10, 88, 12}, {66, 88, 11}};
    for (const auto& cl : clusters) {
        const int ccx = cl[0], ccy = cl[1], r = cl[2];
        for (int y = ccy - r - 2; y <= ccy + r + 2; ++y)
            for (int x = ccx - r - 2; x <= ccx + r + 2; ++x) {
                const float dx = float(x - ccx), dy = float(y - ccy);
                const float d = std::sqrt(dx * dx + dy * dy) / float(r) + (valueNoise(float(x), float(y), 4, 126) - 0.5f) * 0.35f;
                if (d > 1.f) continue;
                // Light from the upper left of each cluster.
                const float l = (-dx - dy) / (float(r) * 1.4f) + (valueNoise(float(x), float(y), 3, 127) - 0.5f) * 0.5f;
                int col = GrassDeep;
                if (l > 0.25f) col = Leaf;
                if (l > 0.55f) col = LeafLight;
                if (l < -0.35f) col = Night;
                if (d > 0.86f && dx > float(r) * 0.35f && dy < float(r) * 0.3f && x > 30 && bayer(x, y) < 0.6f) col = Ember; // sunset rim
                oak.px(x, y, pal(col));
            }
    }
    oak.outline(pal(Ink));
    c.blit(oak, 0, 0);
    // Grass around the roots.
    for (int x = 4; x < 44; ++x)
        for (int j = 0; j < 3 + int(hashNoise(x, 0, 128) * 4.f); ++j) c.px(x, H - 10 - j, pal(j > 1 ? GrassLight : Grass));
}

// Bushes at the bottom-right corner.
void paintBushes(Canvas& c) {
    Canvas bush(W, H);
    for (int y = 220; y < H; ++y)
        for (int x = 380; x < W; ++x) {
            const float dx = (float(x) - 480.f) / 100.f, dy = (float(y) - 275.f) / 50.f;
            const float n = valueNoise(float(x), float(y), 7, 131) * 0.3f;
            if (1.f - std::sqrt(dx * dx + dy * dy) + n > 0.25f) {
                const float k = valueNoise(float(x), float(y), 3, 132);
                int col = k > 0.65f ? Leaf : (k < 0.3f ? Night : GrassDeep);
                bush.px(x, y, pal(col));
            }
        }
    for (int y = 0; y < H; ++y)
        for (int x = 380; x < W; ++x)
            if (bush.opaque(x, y) && !bush.opaque(x - 1, y)) bush.px(x, y, pal(LeafLight));
    bush.outline(pal(Ink));
    c.blit(bush, 0, 0);
}

// Tall grass silhouettes along the bottom edge.
void paintTallGrass(Canvas& c) {
    for (int x = 0; x < W; ++x) {
        const int h = 2 + int(valueNoise(float(x), 0.f, 6, 141) * 6.f) + (chance(x, 0, 142, 0.15f) ? 4 : 0);
        for (int j = 0; j < h; ++j) c.px(x + (j > h / 2 && x % 3 == 0 ? 1 : 0), H - 1 - j, pal(j == h - 1 ? Leaf : GrassDeep));
    }
}

} // namespace

Canvas mainMenuBackground() {
    Canvas c(W, H);
    paintSky(c);
    paintStars(c);
    paintMoon(c);
    const Skyline farTop = farMountainLine();
    const int sunTop = farTop[int(kSunX)] - 2;
    paintSun(c, sunTop);
    paintClouds(c, sunTop);
    paintFarMountains(c, farTop);
    paintNearHills(c);
    paintLake(c);
    paintMeadow(c);
    plantTreeLine(c);
    paintCastleHill(c);
    paintVillage(c);
    paintRoad(c);
    paintTufts(c);
    paintOak(c);
    paintBushes(c);
    paintTallGrass(c);
    return c;
}

} // namespace menus
