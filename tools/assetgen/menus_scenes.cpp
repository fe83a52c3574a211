#include "menus_scenes.hpp"

#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace menus {

namespace {

constexpr float kPi = 3.14159265f;

int lighter(int p) {
    switch (p) {
    case BloodDeep: return Blood;
    case Blood: return Ember;
    case Plum: return PlumLight;
    case Night: return Slate;
    case Teal: return TealLight;
    default: return p;
    }
}

// Ridged noise in [0, 1]: sharp crests where the value noise crosses one half.
float ridge(float x, int period, int seed) {
    const float n = valueNoise(x, 3.f, period, seed);
    return 1.f - std::fabs(2.f * n - 1.f);
}

bool chance(int x, int y, int seed, float p) { return hashNoise(x, y, seed) < p; }

// ----------------------------------------------------------------------------- buildings

// Stone block face: lit (left) to shaded (right), with staggered mortar lines.
void stoneBlock(Canvas& c, int x, int y, int w, int h, int lit, int mid, int shade, int seed) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int col = mid;
            if (i == 0) col = lit;
            if (i == w - 1) col = shade;
            const int row = j / 3;
            const bool mortar = (j % 3 == 2) || ((i + row * 2 + seed) % 5 == 0 && j % 3 != 2);
            if (mortar && i > 0 && i < w - 1) col = shade;
            if (!mortar && chance(x + i, y + j, seed, 0.08f)) col = lit;
            c.px(x + i, y + j, pal(col));
        }
}

void crenels(Canvas& c, int x, int y, int w, int lit, int mid, int seed) {
    (void)seed;
    for (int i = 0; i < w; ++i)
        if ((i / 2) % 2 == 0) {
            c.px(x + i, y, pal(i % 2 == 0 ? lit : mid));
            c.px(x + i, y + 1, pal(mid));
        }
}

// Conical roof over a tower of width w whose top is at y; apex `h` pixels higher.
void coneRoof(Canvas& c, int x, int y, int w, int h, int lit, int mid, int shade) {
    const float cx = float(x) + float(w - 1) / 2.f;
    for (int j = 0; j <= h; ++j) {
        const float half = (float(w) / 2.f + 1.f) * float(j) / float(h);
        for (int i = int(std::floor(cx - half)); i <= int(std::ceil(cx + half)); ++i) {
            if (std::fabs(float(i) - cx) > half + 0.01f) continue;
            int col = mid;
            if (float(i) < cx - half * 0.35f) col = lit;
            if (float(i) > cx + half * 0.45f) col = shade;
            c.px(i, y - h + j, pal(col));
        }
    }
}

void pennant(Canvas& c, int x, int y, int len, float phase, int cloth, int pole) {
    for (int j = 0; j < 5; ++j) c.px(x, y + j, pal(pole));
    for (int i = 1; i <= len; ++i) {
        const int wave = int(std::lround(std::sin(phase + float(i) * 0.9f) * (float(i) / float(len)) * 1.4f));
        const int h = std::max(1, 3 - i * 3 / (len + 1));
        for (int j = 0; j < h; ++j) c.px(x + i, y + wave + j, pal(j == 0 ? lighter(cloth) : cloth));
    }
}

// A castle seen from afar: curtain wall, two towers, a keep with a turret, lit windows and
// pennants. (x, base) is the bottom-left of the wall; `s` scales the proportions (1 or 2).
void castle(Canvas& c, int x, int base, int s, float phase, int seed) {
    Canvas k(c.width(), c.height());
    const int lit = Silver, mid = Steel, shade = Slate;
    const int wallW = 64 * s / 1, wallH = 16 * s;
    // Keep.
    const int keepX = x + 22 * s, keepW = 20 * s, keepTop = base - wallH - 22 * s;
    stoneBlock(k, keepX, keepTop, keepW, base - keepTop, lit, mid, shade, seed);
    crenels(k, keepX, keepTop - 2, keepW, lit, mid, seed);
    // Turret on the keep.
    const int turX = keepX + 6 * s, turW = 7 * s, turTop = keepTop - 8 * s;
    stoneBlock(k, turX, turTop, turW, keepTop - turTop, lit, mid, shade, seed + 1);
    coneRoof(k, turX - 1, turTop, turW + 2, 9 * s, Ember, Blood, BloodDeep);
    // Towers at both ends.
    const int towW = 11 * s, towTop = base - wallH - 14 * s;
    const int towL = x - 4 * s, towR = x + wallW - 7 * s;
    stoneBlock(k, towL, towTop, towW, base - towTop, lit, mid, shade, seed + 2);
    stoneBlock(k, towR, towTop, towW, base - towTop, lit, mid, shade, seed + 3);
    coneRoof(k, towL - 1, towTop, towW + 2, 11 * s, Ember, Blood, BloodDeep);
    coneRoof(k, towR - 1, towTop, towW + 2, 11 * s, Ember, Blood, BloodDeep);
    // Curtain wall in front of the keep.
    stoneBlock(k, x, base - wallH, wallW, wallH, lit, mid, shade, seed + 4);
    crenels(k, x, base - wallH - 2, wallW, lit, mid, seed);
    // Gate.
    const int gx = x + wallW / 2 - 4 * s, gw = 8 * s, gh = 10 * s;
    for (int j = 0; j < gh; ++j)
        for (int i = 0; i < gw; ++i) {
            const float dx = float(i) - float(gw - 1) / 2.f;
            if (j < gw / 2 && dx * dx + float((gw / 2 - j) * (gw / 2 - j)) > float(gw * gw) / 4.f + 1.f) continue;
            k.px(gx + i, base - gh + j, pal((i % (2 * s) == 0 && j > 1) ? Slate : Ink));
        }
    // Lit windows.
    auto window = [&](int wx, int wy) {
        k.rect(wx, wy, s, 2 * s, pal(GoldLight));
        k.px(wx, wy + 2 * s - 1, pal(Gold));
    };
    window(keepX + 4 * s, keepTop + 5 * s);
    window(keepX + keepW - 6 * s, keepTop + 5 * s);
    window(keepX + keepW / 2, keepTop + 12 * s);
    window(towL + 4 * s, towTop + 5 * s);
    window(towR + 5 * s, towTop + 5 * s);
    window(turX + 3 * s, turTop + 3 * s);
    window(x + 10 * s, base - wallH + 5 * s);
    window(x + wallW - 13 * s, base - wallH + 5 * s);
    k.outline(pal(Ink));
    // Pennants on the roof tips.
    pennant(k, towL + towW / 2, towTop - 11 * s - 5, 4 + 2 * s, phase, Blood, Ink);
    pennant(k, towR + towW / 2, towTop - 11 * s - 5, 4 + 2 * s, phase + 1.3f, Blood, Ink);
    pennant(k, turX + turW / 2, turTop - 9 * s - 5, 5 + 3 * s, phase + 2.1f, Gold, Ink);
    c.blit(k, 0, 0);
}

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

} // namespace

void ribbon(Canvas& c, int x, int y, int w, int h, int tail, int cloth, int clothDark, int seed) {
    (void)seed;
    // Tails, folded behind the band.
    Canvas tails(c.width(), c.height());
    const int ty = y + h / 3, th = h;
    for (int side = 0; side < 2; ++side)
        for (int j = 0; j < th; ++j)
            for (int i = 0; i < tail + 4; ++i) {
                const float m = std::fabs(float(j) - float(th - 1) / 2.f) / (float(th) / 2.f);
                const int notch = int(float(tail) * 0.45f * (1.f - m));
                if (i < notch) continue;
                const int px = side == 0 ? x - tail + i : x + w - 1 + tail - i;
                int col = clothDark;
                if (j == 1) col = cloth;
                if (j == th - 2) col = Ink;
                tails.px(px, ty + j, pal(col));
            }
    tails.outline(pal(Ink));
    c.blit(tails, 0, 0);
    // Front band with soft folds and a gold trim near each edge.
    Canvas band(c.width(), c.height());
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const float fold = std::sin(float(i) * 0.21f) * 0.5f + 0.5f;
            int col = cloth;
            if (j < h / 3 && bayer(x + i, y + j) < 0.35f + fold * 0.3f) col = lighter(cloth);
            if (j > h * 2 / 3 && bayer(x + i, y + j) < 0.5f) col = clothDark;
            if (fold < 0.12f && j > 2 && j < h - 3) col = clothDark;
            if (j == 1) col = GoldLight;
            if (j == 2) col = Gold;
            if (j == h - 3) col = Gold;
            if (j == h - 2) col = Ember;
            band.px(x + i, y + j, pal(col));
        }
    // Fold shadows where the band turns into its tails.
    for (int j = h / 3; j < h; ++j) {
        band.px(x, y + j, pal(clothDark));
        band.px(x + w - 1, y + j, pal(clothDark));
    }
    band.outline(pal(Ink));
    c.blit(band, 0, 0);
}

// ============================================================================== main menu

Canvas mainMenuBackground() {
    const int W = 480, H = 270;
    Canvas c(W, H);
    const float sunX = 112, sunY = 140;
    const int horizon = 152;

    // Sky: night at the top through plum dusk to a gold glow around the setting sun.
    const int sky[7] = {Night, Night, Plum, PlumLight, Ember, Gold, GoldLight};
    for (int y = 0; y < horizon + 4; ++y)
        for (int x = 0; x < W; ++x) {
            const float v = float(y) / float(horizon);
            const float dx = (float(x) - sunX) / 260.f, dy = (float(y) - sunY) / 120.f;
            const float near = std::max(0.f, 1.f - std::sqrt(dx * dx + dy * dy));
            const float t = std::clamp(v * 0.78f + near * near * 0.42f - 0.04f, 0.f, 1.f);
            c.px(x, y, rampDither(sky, 7, t, x, y, 0.55f));
        }
    // Stars in the upper sky, thinning toward the dusk.
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
    // Crescent moon, lit from the sun's side.
    {
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
    // Far mountain range: faceted peaks, the faces turned to the sun lit, snow on the high ones.
    int farTop[W];
    for (int x = 0; x < W; ++x) {
        const float r = ridge(float(x), 70, 31) * 0.65f + valueNoise(float(x), 5.f, 23, 32) * 0.35f;
        const float env = 1.f - 0.45f * std::clamp((float(x) - 330.f) / 120.f, 0.f, 1.f);
        const float dip = 1.f - 0.5f * std::max(0.f, 1.f - std::fabs(float(x) - sunX) / 40.f); // a pass for the sun
        farTop[x] = horizon - 10 - int(r * 40.f * env * dip);
    }
    // Sun, half sunk into the pass.
    const int sunTop = farTop[int(sunX)] - 2;
    for (int y = -11; y <= 11; ++y)
        for (int x = -11; x <= 11; ++x) {
            const int d = x * x + y * y;
            if (d > 11 * 11 + 3) continue;
            c.px(int(sunX) + x, sunTop + y, pal(d < 60 ? White : GoldLight));
        }
    for (int r = 13; r < 20; ++r)
        for (int a = 0; a < 120; ++a) {
            const float t = float(a) / 120.f * 2.f * kPi;
            const int gx = int(sunX) + int(std::lround(std::cos(t) * float(r)));
            const int gy = sunTop + int(std::lround(std::sin(t) * float(r)));
            if (bayer(gx, gy) < 0.5f - float(r - 13) * 0.07f) c.px(gx, gy, pal(GoldLight));
        }
    // Long clouds, darker than the glowing sky, their undersides lit by the sun.
    auto cloudAt = [&](int x, int y) {
        if (y < 40 || y > 128) return false;
        const float sx = float(x) - sunX, sy = float(y - sunTop) * 2.f;
        if (sx * sx + sy * sy < 26.f * 26.f) return false; // keep the sun clear
        const float band = std::sin(float(y) * 0.16f + 0.9f) * 0.5f + 0.5f;
        const float n = valueNoise(float(x) * 0.14f, float(y) * 1.1f, 9, 23);
        const float m = valueNoise(float(x), float(y), 50, 24);
        return n * 0.6f + band * 0.25f + m * 0.3f > 0.8f;
    };
    for (int y = 38; y < 132; ++y)
        for (int x = 0; x < W; ++x) {
            if (!cloudAt(x, y)) continue;
            const float dx = std::fabs(float(x) - sunX) / 200.f;
            int col = y < 70 ? Plum : (bayer(x, y) < 0.3f ? PlumLight : Plum);
            if (!cloudAt(x, y + 1)) col = dx < 0.6f ? (y > 90 ? GoldLight : Ember) : (y > 90 ? Ember : PlumLight);
            else if (!cloudAt(x, y + 2) && dx < 0.8f) col = y > 90 ? Ember : PlumLight;
            else if (!cloudAt(x, y - 1)) col = y < 70 ? Night : Plum;
            c.px(x, y, pal(col));
        }
    // Shading follows fall lines: a pixel takes the light of the ridge slope it runs down from
    // (sampled up and to the left), so the faces turned to the sun stream down as lit gullies.
    auto slopeAt = [&](int x) {
        const int a0 = std::clamp(x - 2, 0, W - 1), a1 = std::clamp(x + 2, 0, W - 1);
        return farTop[a1] - farTop[a0];
    };
    for (int x = 0; x < W; ++x) {
        for (int y = farTop[x]; y < horizon + 2; ++y) {
            const int depth = y - farTop[x];
            const int xs = std::clamp(x - int(float(depth) * 0.6f), 0, W - 1);
            const int slope = slopeAt(xs);
            const float n = valueNoise(float(x), float(y), 5, 33);
            int col = Plum;
            if (slope < -1 || (slope < 0 && n > 0.5f)) col = PlumLight;
            if (slope > 2 && depth > 3 && bayer(x, y) < 0.5f) col = Night;
            if (col == PlumLight && depth > 16 && bayer(x, y) < std::min(1.f, float(depth - 16) / 12.f)) col = Plum;
            if (farTop[x] < 120 && depth < 3 + int(n * 3.f) && farTop[x] + depth < 122) col = slope <= 0 ? White : Cloud;
            if (y > horizon - 10 && bayer(x, y) < float(y - (horizon - 10)) / 14.f) col = PlumLight; // haze
            c.px(x, y, pal(col));
        }
    }
    // Nearer, darker hills.
    int nearTop[W];
    for (int x = 0; x < W; ++x) {
        const float r = valueNoise(float(x), 9.f, 40, 41) * 0.7f + valueNoise(float(x), 2.f, 13, 42) * 0.3f;
        nearTop[x] = horizon - 2 - int(r * 16.f);
    }
    for (int x = 0; x < W; ++x)
        for (int y = nearTop[x]; y < horizon + 6; ++y) {
            int col = Night;
            const int depth = y - nearTop[x];
            if (depth == 0) col = (x + 1 < W && nearTop[x + 1] < nearTop[x]) ? Plum : PlumLight;
            else if (depth < 3 && bayer(x, y) < 0.5f) col = Plum;
            c.px(x, y, pal(col));
        }

    // Lake in the middle distance, mirroring the sky.
    const int lakeY0 = horizon - 1, lakeY1 = horizon + 6;
    for (int y = lakeY0; y <= lakeY1; ++y)
        for (int x = 8; x < 172; ++x) {
            const float e = std::fabs(float(x) - 90.f) / 82.f + float(y - lakeY0) / 14.f;
            if (e > 1.05f + 0.1f * hashNoise(x, y, 51)) continue;
            int col = WaterDeep;
            const float dx = std::fabs(float(x) - sunX);
            const float glint = 9.f - float(y - lakeY0) * 0.8f;
            if (dx < glint && ((x + y * 3) % 5 != 0)) col = (dx < glint * 0.5f) ? GoldLight : Gold;
            else if (dx < glint * 2.5f && (x + y * 2) % 5 == 0) col = Ember;
            else if ((y % 2 == 0) && valueNoise(float(x) * 0.4f, float(y), 8, 52) > 0.62f) col = Water;
            else if (y == lakeY0) col = Plum;
            c.px(x, y, pal(col));
        }

    // Meadow: calm, dithered from the dark far fields to the warmer foreground.
    const int meadow[5] = {GrassDeep, GrassDeep, Leaf, Grass, Grass};
    for (int y = horizon + 2; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (c.opaque(x, y) && c.get(x, y) != pal(Night) && c.get(x, y) != pal(Plum) && c.get(x, y) != pal(PlumLight) &&
                y <= lakeY1)
                continue; // keep the lake
            const float t = float(y - horizon) / float(H - horizon);
            const float n = valueNoise(float(x), float(y) * 2.f, 40, 61) * 0.25f;
            c.px(x, y, rampDither(meadow, 5, std::clamp(t + n - 0.1f, 0.f, 1.f), x, y, 0.6f));
        }
    // Distant tree line along the foot of the hills.
    for (int i = 0; i < 120; ++i) {
        const int x = i * 4 + int(hashNoise(i, 1, 71) * 4.f);
        if (x > 8 && x < 172 && hashNoise(i, 2, 71) < 0.7f) continue; // leave the lake open
        const int h = 5 + int(hashNoise(i, 3, 71) * 7.f);
        conifer(c, x, horizon + 3 + int(hashNoise(i, 4, 71) * 3.f), h, GrassDeep, x < 240 ? Leaf : GrassDeep, Night);
    }

    // The castle hill on the right, lit on its sunward slope.
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

    // A small village by the lake: roofs catching the sunset, lit windows.
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

    // The road: from the castle gate down the hill, then across the meadow toward the viewer.
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

    // Sparse tufts and flowers in the meadow, denser toward the viewer.
    for (int y = horizon + 8; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const sf::Color here = c.get(x, y);
            if (here == pal(EarthLight) || here == pal(Earth) || here == pal(Sand)) continue;
            const float t = float(y - horizon) / float(H - horizon);
            if (chance(x, y, 111, 0.02f + t * 0.03f)) {
                c.px(x, y, pal(GrassLight));
                if (t > 0.4f) c.px(x, y - 1, pal(GrassLight));
                c.px(x + 1, y, pal(GrassDeep));
            } else if (t > 0.35f && chance(x, y, 112, 0.0025f)) {
                const float k = hashNoise(x, y, 113);
                c.px(x, y, pal(k < 0.4f ? GoldLight : (k < 0.7f ? PlumLight : White)));
            }
        }

    // Framing: an old oak on the left, its leaves rim-lit by the low sun.
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
    // Bushes at the bottom-right corner.
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
    // Tall grass silhouettes along the bottom edge.
    for (int x = 0; x < W; ++x) {
        const int h = 2 + int(valueNoise(float(x), 0.f, 6, 141) * 6.f) + (chance(x, 0, 142, 0.15f) ? 4 : 0);
        for (int j = 0; j < h; ++j) c.px(x + (j > h / 2 && x % 3 == 0 ? 1 : 0), H - 1 - j, pal(j == h - 1 ? Leaf : GrassDeep));
    }
    return c;
}

// ============================================================================ tabletops

namespace {

// Planked wooden tabletop, lit from the top, darker toward its edges.
void tabletop(Canvas& c, int seed) {
    const int W = int(c.width()), H = int(c.height());
    const int plankH = 30;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int p = (y + 6) / plankH, r = (y + 6) % plankH;
            const int joint = 60 + int(hashNoise(p, 0, seed) * 300.f);
            const float g = valueNoise(float(x) * 0.08f + float(p) * 17.f, float(y) * 0.9f, 4, seed) * 0.7f +
                            valueNoise(float(x) * 0.5f, float(y) * 2.f, 6, seed + 1) * 0.3f;
            const bool darkPlank = hashNoise(p, 1, seed) < 0.4f;
            int col = darkPlank ? EarthDeep : Earth;
            if (g > 0.66f) col = darkPlank ? Earth : EarthLight;
            else if (g < 0.3f) col = EarthDeep;
            if (r == 0) col = Ink;
            else if (r == 1) col = EarthLight;
            else if (r == plankH - 1) col = EarthDeep;
            if (x == joint) col = Ink;
            if (x == joint + 1 && r > 0) col = EarthLight;
            // Nails beside the joint.
            if ((x == joint - 3 || x == joint + 4) && (r == 5 || r == plankH - 6)) col = Silver;
            c.px(x, y, pal(col));
        }
    // Knots.
    for (int i = 0; i < 9; ++i) {
        const int kx = int(hashNoise(i, 0, seed + 5) * float(W)), ky = int(hashNoise(i, 1, seed + 5) * float(H));
        if ((ky + 6) % plankH < 6 || (ky + 6) % plankH > plankH - 7) continue;
        c.ellipse(kx, ky, 4, 2, pal(EarthDeep));
        c.ellipse(kx, ky, 2, 1, pal(Earth));
        c.px(kx - 1, ky, pal(Ink));
    }
}

void candle(Canvas& c, int x, int y) {
    // Warm pool of light on the table.
    for (int j = -70; j <= 70; ++j)
        for (int i = -90; i <= 90; ++i) {
            const float d = std::sqrt(float(i * i) / 8100.f + float(j * j) / 4900.f);
            if (d > 1.f) continue;
            if (bayer(x + i, y + j) < (1.f - d) * 0.5f) c.blend(x + i, y + j, pal(Ember, 40));
        }
    Canvas k(c.width(), c.height());
    const int waxH = 26, waxHalf = 5;
    // Brass dish and handle.
    k.ellipse(x, y + 3, 13, 4, pal(Ember));
    k.ellipse(x, y + 2, 12, 3, pal(Gold));
    k.ellipse(x - 1, y + 1, 9, 2, pal(GoldLight));
    k.ellipse(x, y + 1, 6, 1, pal(Gold));
    for (int j = -2; j <= 3; ++j) k.px(x + 15 + (std::abs(j) < 2 ? 1 : 0), y + j, pal(Gold));
    // Wax stub with drips.
    for (int j = 0; j < waxH; ++j)
        for (int i = -waxHalf; i <= waxHalf; ++i) {
            int col = Cloud;
            if (i <= -waxHalf + 1) col = White;
            if (i >= waxHalf - 1) col = Silver;
            k.px(x + i, y - j, pal(col));
        }
    const int drips[3][2] = {{-3, 9}, {1, 5}, {3, 12}};
    for (const auto& d : drips)
        for (int j = 0; j < d[1]; ++j) k.px(x + d[0], y - waxH + 1 + j, pal(White));
    k.ellipse(x, y - waxH + 1, waxHalf, 1, pal(White));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 3, 2, 90), 0, 0);
    // Wick and flame (no outline: it glows).
    const int fy = y - waxH - 1;
    c.px(x, fy, pal(Ink));
    c.px(x, fy - 1, pal(Ink));
    for (int j = 0; j < 11; ++j) {
        const int half = j < 2 ? 1 : (j < 7 ? 2 : (j < 9 ? 1 : 0));
        for (int i = -half; i <= half; ++i) {
            const int col = (j < 3) ? Ember : (std::abs(i) == half && half > 0 ? Gold : (j < 8 ? GoldLight : Gold));
            c.px(x + i, fy - 1 - j, pal(col));
        }
    }
    c.px(x, fy - 4, pal(White));
    c.px(x, fy - 5, pal(White));
    c.px(x, fy - 6, pal(White));
    for (int r = 9; r < 16; ++r)
        for (int a = 0; a < 48; ++a) {
            const float t = float(a) / 48.f * 2.f * kPi;
            const int gx = x + int(std::lround(std::cos(t) * float(r))), gy = fy - 6 + int(std::lround(std::sin(t) * float(r)));
            if (bayer(gx, gy) < 0.35f - float(r - 9) * 0.04f) c.blend(gx, gy, pal(GoldLight, 70));
        }
}

void coinPurse(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    for (int j = -12; j <= 12; ++j)
        for (int i = -15; i <= 15; ++i) {
            const float d = float(i * i) / 225.f + float(j * j) / 144.f;
            if (d > 1.f) continue;
            const float l = (-float(i) - float(j)) / 20.f;
            int col = Earth;
            if (l > 0.35f) col = EarthLight;
            if (l < -0.4f) col = EarthDeep;
            if (d > 0.8f && l < 0.f) col = EarthDeep;
            k.px(x + i, y + j, pal(col));
        }
    // Gathered neck, tie cord and frill.
    k.rect(x - 5, y - 15, 11, 4, pal(Earth));
    for (int i = -5; i <= 5; i += 2) k.px(x + i, y - 14, pal(EarthDeep));
    for (int i = -8; i <= 8; ++i) k.px(x + i, y - 17 - (std::abs(i) % 3 == 0 ? 1 : 0), pal(i < 0 ? EarthLight : Earth));
    k.rect(x - 7, y - 12, 15, 2, pal(Gold));
    for (int i = -7; i <= 7; ++i) k.px(x + i, y - 12, pal(GoldLight));
    k.px(x + 8, y - 10, pal(Gold));
    k.px(x + 9, y - 8, pal(Gold));
    // Stitching.
    for (int j = -6; j <= 8; j += 3) k.px(x - 10, y + j, pal(Sand));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 3, 2, 100), 0, 0);
}

void quillAndInk(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    // Ink pot.
    k.ellipse(x, y, 8, 3, pal(Night));
    k.rect(x - 8, y - 9, 17, 9, pal(Night));
    k.ellipse(x, y - 9, 8, 3, pal(Slate));
    k.ellipse(x, y - 9, 4, 1, pal(Ink));
    for (int j = y - 9; j <= y; ++j) {
        k.px(x - 7, j, pal(Steel));
        k.px(x - 6, j, pal(Slate));
    }
    k.px(x - 5, y - 5, pal(Silver));
    // Quill: shaft from the pot up-right, feather vanes.
    for (int i = 0; i < 34; ++i) {
        const int qx = x + 1 + i, qy = y - 10 - i / 2;
        k.px(qx, qy, pal(Sand));
        if (i > 8) {
            const int vane = std::min(4, (i - 8) / 3 + 1) - (i > 30 ? 2 : 0);
            for (int v = 1; v <= vane; ++v) {
                k.px(qx, qy - v, pal(v == vane ? Cloud : White));
                if (v < vane - 1) k.px(qx + 1, qy + v, pal(Silver));
            }
        }
    }
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 90), 0, 0);
}

void coinStack(Canvas& c, int x, int y, int n) {
    Canvas k(c.width(), c.height());
    // Coins from the bottom up: each shows a gold rim band with a dark seam under it.
    for (int i = 0; i < n; ++i) {
        const int cy = y - i * 3;
        const int wob = (i % 3 == 1) ? 1 : 0;
        k.ellipse(x + wob, cy + 1, 6, 3, pal(Ember));
        k.ellipse(x + wob, cy, 6, 3, pal(Gold));
        k.px(x + wob - 6, cy, pal(GoldLight));
        k.px(x + wob - 6, cy + 1, pal(GoldLight));
    }
    const int ty = y - (n - 1) * 3;
    const int tw = ((n - 1) % 3 == 1) ? 1 : 0;
    k.ellipse(x + tw, ty - 1, 6, 3, pal(GoldLight));
    k.ellipse(x + tw, ty - 1, 3, 1, pal(Gold));
    k.px(x + tw - 3, ty - 3, pal(White));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 1, 90), 0, 0);
}

void looseCoin(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    k.ellipse(x, y, 4, 2, pal(Gold));
    k.ellipse(x, y, 2, 1, pal(GoldLight));
    k.px(x + 3, y + 1, pal(Ember));
    k.px(x - 1, y - 1, pal(White));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 1, 1, 90), 0, 0);
}

void dagger(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    for (int i = 0; i < 30; ++i) {
        k.px(x + i, y - i / 3, pal(Silver));
        k.px(x + i, y - i / 3 + 1, pal(i < 27 ? Steel : Silver));
    }
    k.px(x + 30, y - 10, pal(Cloud));
    for (int j = -4; j <= 4; ++j) k.px(x - 1 - (j > 0 ? 1 : 0), y + j, pal(Gold));
    for (int i = 0; i < 8; ++i) k.px(x - 2 - i, y + i / 3, pal(i % 2 ? Earth : EarthDeep));
    k.disc(x - 11, y + 3, 1, pal(Blood));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 90), 0, 0);
}

// Round figurine base where a hero stands on the table.
void figureBase(Canvas& c, int cx, int cy, int rx, int ry) {
    Canvas k(c.width(), c.height());
    k.ellipse(cx, cy + 2, rx, ry, pal(EarthDeep));
    k.ellipse(cx, cy, rx, ry, pal(Earth));
    k.ellipse(cx, cy, rx - 2, std::max(1, ry - 1), pal(EarthDeep));
    for (int i = -rx; i <= rx; ++i) {
        const float t = float(i) / float(rx);
        const int yy = int(std::lround(std::sqrt(std::max(0.f, 1.f - t * t)) * float(ry)));
        k.px(cx + i, cy - yy, pal(i < 0 ? GoldLight : Gold)); // gilded rim
    }
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 80), 0, 0);
}

// Old map sheet with faint drawings where nothing else stands.
void mapSheet(Canvas& c, int x0, int y0, int x1, int y1, int seed) {
    Canvas m(c.width(), c.height());
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float e = std::min({float(x - x0), float(x1 - x), float(y - y0), float(y1 - y)});
            const float ragged = hashNoise(x, y, seed) * 2.f + valueNoise(float(x), float(y), 6, seed) * 2.f;
            if (e + ragged < 1.5f) continue;
            const float stain = valueNoise(float(x), float(y), 30, seed + 1);
            int col = SandLight;
            if (stain > 0.68f && bayer(x, y) < 0.5f) col = Sand;
            if (e < 4.f + ragged && bayer(x, y) < 0.6f) col = Sand;
            if (e < 2.f + ragged * 0.5f) col = EarthLight;
            m.px(x, y, pal(col));
        }
    // Fold creases.
    for (int y = y0 + 2; y < y1 - 1; ++y)
        if (m.opaque((x0 + x1) / 2, y)) m.px((x0 + x1) / 2, y, pal(Sand));
    for (int x = x0 + 2; x < x1 - 1; ++x)
        if (m.opaque(x, (y0 + y1) / 2)) m.px(x, (y0 + y1) / 2, pal(Sand));
    m.outline(pal(EarthDeep));
    c.blit(withDropShadow(m, 3, 3, 100), 0, 0);
}

void mapMountain(Canvas& c, int x, int y, int h) {
    for (int j = 0; j < h; ++j) {
        c.px(x - j, y - h + j + 1, pal(EarthLight));
        c.px(x + j, y - h + j + 1, pal(Earth));
    }
    c.px(x, y - h, pal(Earth));
}

void mapTree(Canvas& c, int x, int y) {
    c.px(x, y - 3, pal(Grass));
    c.rect(x - 1, y - 2, 3, 2, pal(Grass));
    c.px(x - 1, y - 2, pal(GrassLight));
    c.px(x, y, pal(Earth));
}

void compassRose(Canvas& c, int cx, int cy, int r) {
    for (int i = -r; i <= r; ++i) {
        const int w = (r - std::abs(i)) / 3;
        for (int k = -w; k <= w; ++k) {
            c.px(cx + k, cy + i, pal(k <= 0 ? Earth : EarthDeep));
            c.px(cx + i, cy + k, pal(k <= 0 ? Earth : EarthDeep));
        }
    }
    c.px(cx, cy - r - 2, pal(Blood));
    c.px(cx - 1, cy - r - 1, pal(Blood));
    c.px(cx + 1, cy - r - 1, pal(Blood));
    for (int a = 0; a < 40; ++a) {
        const float t = float(a) / 40.f * 2.f * kPi;
        c.px(cx + int(std::lround(std::cos(t) * float(r - 3))), cy + int(std::lround(std::sin(t) * float(r - 3))), pal(EarthLight));
    }
}

void dottedRoute(Canvas& c, const int (*pts)[2], int n) {
    int step = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const int dx = pts[i + 1][0] - pts[i][0], dy = pts[i + 1][1] - pts[i][1];
        const int len = std::max(std::abs(dx), std::abs(dy));
        for (int s = 0; s < len; ++s, ++step)
            if (step % 4 < 2) c.px(pts[i][0] + dx * s / len, pts[i][1] + dy * s / len, pal(Blood));
    }
    const int ex = pts[n - 1][0], ey = pts[n - 1][1];
    for (int d = -2; d <= 2; ++d) {
        c.px(ex + d, ey + d, pal(Blood));
        c.px(ex + d, ey - d, pal(Blood));
    }
}

// Paper pad: ruled white sheets with a red margin, a spiral binding on top and a curled corner.
// The rules sit one pixel under the baselines of the game's stat-sheet lines (first baseline
// and line step in art pixels), so the black text lies on them.
void notePad(Canvas& c, int x0, int y0, int x1, int y1, float firstBaseline, float lineStep) {
    Canvas p(c.width(), c.height());
    // Sheets underneath, showing the pad's thickness.
    for (int k = 2; k >= 1; --k)
        for (int y = y0 + 4; y <= y1 + k; ++y)
            for (int x = x0 + k; x <= x1 + k; ++x) p.px(x, y, pal(k == 2 ? Silver : Cloud));
    const int curl = 10;
    for (int y = y0 + 4; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (x - x0 + y - y0 < 0) continue;
            if ((x1 - x) + (y1 - y) < curl) continue; // folded corner
            int col = White;
            if (x > x1 - 3 || y > y1 - 2) col = Cloud;
            if (x > x0 + 1 && x < x1 - 1 && y < y1 - 3)
                for (int i = 0; i < 20; ++i)
                    if (y == int(firstBaseline + float(i) * lineStep) + 1) col = Foam;
            if (x == x0 + 4) col = Blood;
            p.px(x, y, pal(col));
        }
    // The turned-up corner: the cut-away triangle folded back over the page (its back shows).
    for (int y = y1 - curl; y <= y1; ++y)
        for (int x = x1 - curl; x <= x1; ++x) {
            const int k = (x1 - x) + (y1 - y);
            if (k < curl) continue;
            p.px(x, y, pal(k == curl ? Steel : Silver));
        }
    p.outline(pal(Ink));
    c.blit(withDropShadow(p, 3, 3, 110), 0, 0);
    // Spiral binding along the top edge.
    Canvas s(c.width(), c.height());
    for (int x = x0 + 8; x < x1 - 6; x += 9) {
        s.px(x, y0 + 6, pal(Ink)); // punched hole
        s.px(x + 1, y0 + 6, pal(Ink));
        for (int j = 0; j < 6; ++j) {
            s.px(x + (j > 2 ? 1 : 0), y0 + j, pal(j < 2 ? Cloud : Silver));
            s.px(x + 1 + (j > 2 ? 1 : 0), y0 + j, pal(Steel));
        }
    }
    s.outline(pal(Ink));
    c.blit(s, 0, 0);
}

void pencil(Canvas& c, int x, int y, int len) {
    Canvas k(c.width(), c.height());
    for (int i = 0; i < len; ++i) {
        const int px = x + i, py = y + i / 6;
        int body = i < 4 ? Sand : (i < len - 5 ? Gold : (i < len - 2 ? Blood : Silver));
        if (i < 2) body = Ink;
        k.px(px, py, pal(body == Gold ? GoldLight : body));
        k.px(px, py + 1, pal(body));
        k.px(px, py + 2, pal(body == Gold ? Ember : body));
    }
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 90), 0, 0);
}

} // namespace

Canvas teamTable() {
    Canvas c(480, 270);
    tabletop(c, 201);
    // Campaign map under the team area, the heroes standing on it as figurines.
    mapSheet(c, 8, 8, 252, 262, 211);
    mapMountain(c, 222, 80, 5);
    mapMountain(c, 230, 84, 4);
    mapMountain(c, 215, 88, 3);
    for (int i = 0; i < 7; ++i) mapTree(c, 214 + (i % 4) * 7 + (i / 4) * 3, 110 + (i / 4) * 6);
    mapTree(c, 30, 150);
    mapTree(c, 36, 146);
    // River crossing the lower corner.
    for (int i = 0; i < 70; ++i) {
        const int rx = 160 + i, ry = 262 - i / 2 - int(std::sin(float(i) * 0.15f) * 4.f);
        c.px(rx, ry, pal(WaterLight));
        c.px(rx, ry - 1, pal(Foam));
    }
    const int route[][2] = {{228, 250}, {232, 226}, {226, 200}, {236, 174}, {230, 140}, {236, 118}};
    dottedRoute(c, route, 6);
    compassRose(c, 40, 232, 14);
    // Figurine bases: the hero on show and the three party slots.
    figureBase(c, 114, 205, 22, 6);
    figureBase(c, 91, 92, 10, 3);
    figureBase(c, 116, 92, 10, 3);
    figureBase(c, 141, 92, 10, 3);
    vignette(c, 0, 170, 0.5f);
    // Props on the free part of the table.
    candle(c, 440, 236);
    quillAndInk(c, 300, 236);
    coinStack(c, 380, 252, 4);
    looseCoin(c, 395, 256);
    looseCoin(c, 364, 240);
    dagger(c, 296, 190);
    return c;
}

Canvas teamNotePad() {
    Canvas c(480, 270);
    notePad(c, 268, 0, 468, 142, 20.f, 11.5f);
    pencil(c, 300, 150, 46);
    return c;
}

Canvas shopTable() {
    Canvas c(480, 270);
    tabletop(c, 401);
    // A patterned rug under the recruit on show, fringed at both ends.
    Canvas cloth(480, 270);
    const int rx0 = 60, rx1 = 171, ry0 = 122, ry1 = 258;
    for (int y = ry0 - 4; y <= ry1 + 4; ++y)
        for (int x = rx0; x <= rx1; ++x) {
            if (y < ry0 || y > ry1) {
                // Fringe strands.
                if ((x - rx0) % 3 != 2 && x > rx0 + 1 && x < rx1 - 1) cloth.px(x, y, pal((x % 2) ? SandLight : Sand));
                continue;
            }
            const int e = std::min({x - rx0, rx1 - x, y - ry0, ry1 - y});
            int col = Blood;
            // Diamond lattice in the field.
            const int u = (x - 115 + 600) % 14, v = (y - 190 + 600) % 14;
            if (u == v || u == 14 - v - 1 + 1 - 1) col = BloodDeep;
            if (e < 8) {
                // Border band with a running diamond pattern in gold.
                col = BloodDeep;
                const int p = ((e < 8 && (x - rx0 < 8 || rx1 - x < 8)) ? y : x) % 8;
                const int q = std::abs(e - 4);
                if (q + std::abs(p - 4) <= 2) col = Gold;
                if (q + std::abs(p - 4) == 0) col = GoldLight;
            }
            if (e == 0) col = Ember;
            if (e == 8) col = Gold;
            cloth.px(x, y, pal(col));
        }
    cloth.outline(pal(Ink));
    c.blit(withDropShadow(cloth, 2, 3, 100), 0, 0);
    vignette(c, 0, 170, 0.5f);
    figureBase(c, 114, 180, 22, 6);
    // Coins everywhere: the counter of a recruiter.
    coinStack(c, 236, 236, 6);
    coinStack(c, 252, 246, 3);
    coinStack(c, 360, 250, 5);
    looseCoin(c, 222, 252);
    looseCoin(c, 268, 232);
    looseCoin(c, 378, 258);
    looseCoin(c, 30, 250);
    coinPurse(c, 404, 232);
    candle(c, 452, 214);
    return c;
}

Canvas shopNotePad() {
    Canvas c(480, 270);
    // Ledger strip for the party size and the gold, nailed to the counter.
    Canvas strip(480, 270);
    for (int y = 6; y <= 30; ++y)
        for (int x = 24; x <= 252; ++x) {
            const float ragged = hashNoise(x, y, 501) * 1.5f;
            if ((x < 26 || x > 250) && ragged > 0.8f) continue;
            int col = SandLight;
            if (y == 6 || y == 30) col = Sand;
            if (chance(x, y, 502, 0.03f)) col = Sand;
            if (y == 23 && x > 30 && x < 246 && x != 138) col = Sand;
            strip.px(x, y, pal(col));
        }
    // Divider between the two entries.
    for (int y = 9; y < 28; ++y)
        if (y % 3) strip.px(138, y, pal(EarthLight));
    strip.outline(pal(EarthDeep));
    c.blit(withDropShadow(strip, 3, 3, 110), 0, 0);
    for (int x : {28, 248}) {
        c.px(x, 9, pal(Silver));
        c.px(x + 1, 9, pal(Steel));
        c.px(x, 10, pal(Steel));
        c.px(x + 1, 10, pal(Slate));
    }
    notePad(c, 268, 0, 468, 124, 18.75f, 10.f);
    return c;
}

// ============================================================================= end screens

namespace {

struct Burst {
    int x, y, radius, offset;
    int core, colour, fade;
};

// One firework at local time tau (0..9): a rising rocket, a flash, an expanding chrysanthemum
// of streaking sparks that droop and flicker out.
void firework(Canvas& c, const Burst& b, int frame) {
    const int tau = (frame + b.offset) % 10;
    if (tau < 2) {
        // Rising rocket with a short trail.
        const int y = b.y + (2 - tau) * 14;
        for (int k = 0; k < 5; ++k) c.px(b.x + (k % 2), y + k * 2, pal(k == 0 ? White : (k < 3 ? GoldLight : Ember)));
        return;
    }
    const float life = float(tau - 2) / 7.f; // 0 .. 1
    const float r = float(b.radius) * std::min(1.f, 0.3f + life * 1.25f);
    const int sparks = 20;
    if (tau == 2) {
        for (int y = -7; y <= 7; ++y)
            for (int x = -7; x <= 7; ++x)
                if (x * x + y * y <= 49 && bayer(b.x + x, b.y + y) < 0.5f) c.px(b.x + x, b.y + y, pal(b.colour));
        c.disc(b.x, b.y, 3, pal(White));
    } else if (tau == 3) {
        for (int y = -10; y <= 10; ++y)
            for (int x = -10; x <= 10; ++x)
                if (x * x + y * y <= 100 && bayer(b.x + x, b.y + y) < 0.15f) c.px(b.x + x, b.y + y, pal(b.fade));
    }
    for (int s = 0; s < sparks; ++s) {
        const float a = float(s) / float(sparks) * 2.f * kPi + float(b.offset) * 0.37f;
        const float reach = r * (s % 2 ? 0.82f : 1.f);
        for (int t = 0; t < 5; ++t) {
            const float rr = reach - float(t) * 1.6f;
            if (rr < 1.f) continue;
            const float droop = life * life * 9.f * (rr / float(b.radius));
            const int x = b.x + int(std::lround(std::cos(a) * rr));
            const int y = b.y + int(std::lround(std::sin(a) * rr + droop));
            int col = t == 0 ? b.core : (t < 3 ? b.colour : b.fade);
            if (life > 0.45f) col = t == 0 ? b.colour : b.fade;
            if (life > 0.45f && t > 2) continue;
            if (life > 0.75f && (s + t + tau) % 2) continue; // flicker out
            c.px(x, y, pal(col));
        }
    }
}

// A cheering townsfolk figure; arms up on alternate beats, some waving a torch.
void cheerer(Canvas& c, int x, int base, int h, int cloth, bool armsUp, bool torch, int frame) {
    Canvas k(c.width(), c.height());
    const int top = base - h;
    // Body and legs.
    for (int j = top + 5; j < base; ++j)
        for (int i = -2; i <= 2; ++i) k.px(x + i, j, pal(i == -2 ? lighter(cloth) : cloth));
    k.px(x, base - 1, pal(Ink));
    k.px(x, base - 2, pal(Ink));
    // Head.
    k.rect(x - 1, top + 1, 3, 4, pal(Skin));
    k.px(x + 1, top + 3, pal(SkinShade));
    k.px(x + 1, top + 4, pal(SkinShade));
    k.rect(x - 1, top, 3, 1, pal(hashNoise(x, 0, 640) < 0.5f ? EarthDeep : Earth)); // hair
    // Arms.
    const int armY = top + 6;
    for (int s = -1; s <= 1; s += 2) {
        const int ax = x + s * 3;
        if (armsUp) {
            k.px(ax, armY - 1, pal(cloth));
            k.px(ax, armY - 2, pal(cloth));
            k.px(ax + s, armY - 3, pal(Skin));
        } else {
            k.px(ax, armY, pal(cloth));
            k.px(ax, armY + 1, pal(cloth));
            k.px(ax, armY + 2, pal(Skin));
        }
    }
    k.outline(pal(Ink));
    c.blit(k, 0, 0);
    if (torch) {
        const int tx = x + 4, ty = armsUp ? armY - 5 : armY - 1;
        c.px(tx, ty + 1, pal(Earth));
        c.px(tx, ty + 2, pal(Earth));
        c.px(tx, ty, pal(frame % 2 ? GoldLight : White));
        c.px(tx, ty - 1, pal(Gold));
        c.px(tx + (frame % 3 == 0 ? 1 : 0), ty - 2, pal(Ember));
        for (int r = 2; r < 6; ++r)
            for (int a = 0; a < 16; ++a) {
                const float t = float(a) / 16.f * 2.f * kPi;
                const int gx = tx + int(std::lround(std::cos(t) * float(r))), gy = ty + int(std::lround(std::sin(t) * float(r)));
                if (bayer(gx, gy) < 0.3f) c.blend(gx, gy, pal(Ember, 90));
            }
    }
}

} // namespace

Canvas winSheet() {
    const int FW = 240, FH = 135, N = 10;
    Sheet sheet(FW, FH, N, 1);
    for (int f = 0; f < N; ++f) {
        sheet.frame(unsigned(f), 0, [&](Canvas& c) {
            const float phase = float(f) / float(N) * 2.f * kPi;
            // Festive dusk: deep blue overhead, plum and ember glow on the horizon.
            const int sky[6] = {Night, WaterDeep, WaterDeep, Plum, PlumLight, Ember};
            for (int y = 0; y < 112; ++y)
                for (int x = 0; x < FW; ++x) c.px(x, y, rampDither(sky, 6, float(y) / 108.f, x, y, 0.5f));
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < FW; ++x)
                    if (chance(x, y, 601, 0.006f)) {
                        // Stars twinkle: a few dim every other frame.
                        const bool tw = hashNoise(x, y, 602) < 0.3f && ((f + x) % 4 < 2);
                        c.px(x, y, pal(tw ? Steel : (hashNoise(x, y, 603) > 0.5f ? White : Cloud)));
                    }
            // Fireworks.
            const Burst bursts[6] = {
                {36, 28, 22, 0, White, GoldLight, Gold},   {204, 24, 24, 3, White, Ember, Blood},
                {120, 12, 16, 6, White, TealLight, Teal},  {18, 74, 14, 8, White, PlumLight, Plum},
                {226, 72, 16, 5, White, GoldLight, Ember}, {82, 44, 12, 2, White, Foam, WaterLight},
            };
            for (const Burst& b : bursts) firework(c, b, f);
            // Distant hills.
            for (int x = 0; x < FW; ++x) {
                const int top = 104 - int(valueNoise(float(x), 1.f, 30, 611) * 10.f);
                for (int y = top; y < FH; ++y) c.px(x, y, pal(y - top < 1 ? Plum : Night));
            }
            // Castle hill, lit by the bonfires.
            for (int y = 90; y < FH; ++y)
                for (int x = 0; x < FW; ++x) {
                    const float dx = (float(x) - 120.f) / 120.f;
                    const float top = 111.f + dx * dx * 30.f;
                    if (float(y) < top) continue;
                    int col = GrassDeep;
                    if (float(y) - top < 1.f) col = x < 120 ? GrassLight : Leaf;
                    else if (float(y) - top < 3.f && x < 120) col = Leaf;
                    c.px(x, y, pal(col));
                }
            castle(c, 88, 116, 1, phase, 621);
            // Festival banners hanging from the wall, swaying.
            for (int b = 0; b < 3; ++b) {
                const int bx = 98 + b * 20, by = 101;
                const int sway = int(std::lround(std::sin(phase + float(b)) * 1.f));
                for (int j = 0; j < 9; ++j)
                    for (int i = 0; i < 5; ++i) {
                        const int off = j > 4 ? sway : 0;
                        if (j == 8 && i == 2) continue;
                        c.px(bx + i + off, by + j, pal(i == 0 ? (b == 1 ? TealLight : Ember) : (b == 1 ? Teal : Blood)));
                    }
                c.px(bx + 2 + (sway > 0 ? 1 : 0), by + 3, pal(GoldLight));
            }
            // Bonfires on both sides of the hill.
            for (int s = 0; s < 2; ++s) {
                const int fx = s == 0 ? 52 : 188, fy = 118;
                for (int r = 4; r < 14; ++r)
                    for (int a = 0; a < 40; ++a) {
                        const float t = float(a) / 40.f * 2.f * kPi;
                        const int gx = fx + int(std::lround(std::cos(t) * float(r))), gy = fy - 4 + int(std::lround(std::sin(t) * float(r) * 0.7f));
                        if (bayer(gx, gy) < 0.3f - float(r) * 0.015f) c.blend(gx, gy, pal(Ember, 110));
                    }
                const int flick = (f + s * 3) % 3;
                for (int j = 0; j < 8 + flick; ++j) {
                    const int half = std::max(0, 3 - j / 3);
                    const int sway = ((j + f) % 4 == 0 ? 1 : 0) - ((j + f) % 5 == 0 ? 1 : 0);
                    for (int i = -half; i <= half; ++i)
                        c.px(fx + i + sway, fy - j, pal(j < 2 ? GoldLight : (j < 5 ? Gold : (j < 7 ? Ember : Blood))));
                }
                c.px(fx, fy - 1, pal(White));
                c.rect(fx - 4, fy + 1, 9, 1, pal(EarthDeep));
                c.px(fx - 4, fy, pal(Earth));
                c.px(fx + 4, fy, pal(Earth));
                // Sparks rising.
                for (int k = 0; k < 3; ++k) {
                    const int sy = fy - 10 - ((f * 2 + k * 5) % 14);
                    c.px(fx - 2 + k * 2 + ((f + k) % 2), sy, pal(k == 1 ? GoldLight : Ember));
                }
            }
            // Cheering crowd along the bottom.
            const int cloths[6] = {Blood, Teal, Plum, Earth, Steel, Gold};
            for (int i = 0; i < 24; ++i) {
                const int x = 6 + i * 10 + int(hashNoise(i, 0, 631) * 5.f);
                const int h = 12 + int(hashNoise(i, 1, 631) * 5.f);
                const bool up = ((f / 2) + i) % 2 == 0;
                const int cloth = cloths[int(hashNoise(i, 3, 631) * 6.f) % 6];
                cheerer(c, x, FH + 3, h, cloth, up, hashNoise(i, 2, 631) < 0.22f, f + i);
            }
        });
    }
    return sheet.canvas();
}

Canvas winVeil() {
    // Authored on the win picture's 8-pixel grid, then enlarged to the full window.
    Canvas v(240, 135);
    vignette(v, 48, 150, 0.55f);
    return upscale(v, 8);
}

Canvas defeatPicture() {
    const int W = 480, H = 270;
    Canvas c(W, H);
    // The painted scene: an oval vignette in the middle of the screen.
    const float cx = 240, cy = 150, rx = 176, ry = 100;
    Canvas s(W, H);
    // Sky: storm dark above, a red glow of fires on the horizon.
    const int sky[6] = {Ink, Night, Night, Plum, BloodDeep, Blood};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float t = std::clamp((float(y) - 50.f) / 130.f, 0.f, 1.f);
            s.px(x, y, rampDither(sky, 6, t, x, y, 0.6f));
        }
    // Heavy storm clouds, their undersides reddened by the fires.
    auto cloudAt = [&](int x, int y) {
        if (y < 52 || y > 150) return false;
        const float n = valueNoise(float(x) * 0.16f, float(y) * 0.9f, 8, 701) * 0.6f + valueNoise(float(x), float(y), 40, 702) * 0.4f;
        return n > 0.47f + float(y - 52) * 0.002f;
    };
    for (int y = 50; y < 152; ++y)
        for (int x = 0; x < W; ++x) {
            if (!cloudAt(x, y)) continue;
            int col = bayer(x, y) < 0.3f ? Slate : Night;
            if (!cloudAt(x, y + 1)) col = y > 110 ? Blood : Plum;
            else if (!cloudAt(x, y + 2)) col = y > 110 ? BloodDeep : Plum;
            else if (!cloudAt(x, y - 1)) col = Slate;
            s.px(x, y, pal(col));
        }
    // Far ridge and the burning keep on it, smoke pouring from it.
    const int hz = 182;
    for (int x = 0; x < W; ++x) {
        const int top = hz - int(valueNoise(float(x), 0.f, 24, 711) * 9.f);
        for (int y = top; y < H; ++y) s.px(x, y, pal(y == top ? BloodDeep : Ink));
    }
    {
        const int kx = 318, ky = hz - 6;
        for (int y = 56; y < ky - 30; ++y)
            for (int x = kx - 40; x < kx + 70; ++x) {
                const float centre = float(kx + 8) + float(ky - 30 - y) * 0.45f + std::sin(float(y) * 0.1f) * 5.f;
                const float width = 3.f + float(ky - 30 - y) * 0.2f;
                const float d = std::fabs(float(x) - centre) / width;
                if (d > 1.f) continue;
                if (bayer(x, y) < (1.f - d) * 0.9f) s.px(x, y, pal(d < 0.4f ? Steel : Slate));
            }
        Canvas k(W, H);
        k.rect(kx, ky - 30, 12, 30, pal(Ink));
        k.rect(kx + 12, ky - 16, 26, 16, pal(Ink));
        k.rect(kx + 30, ky - 24, 10, 24, pal(Ink));
        for (int i = 0; i < 12; i += 4) k.rect(kx + i, ky - 33, 2, 3, pal(Ink));
        for (int i = 12; i < 30; i += 4) k.rect(kx + i, ky - 18, 2, 2, pal(Ink));
        k.px(kx + 33, ky - 26, pal(Ink)); // broken crown of the tower
        k.px(kx + 37, ky - 27, pal(Ink));
        k.px(kx + 38, ky - 28, pal(Ink));
        s.blit(k, 0, 0);
        const int fires[7][2] = {{kx + 3, ky - 22}, {kx + 7, ky - 12}, {kx + 17, ky - 8}, {kx + 33, ky - 17},
                                 {kx + 25, ky - 19}, {kx + 36, ky - 27}, {kx + 10, ky - 34}};
        for (const auto& fp : fires) {
            s.px(fp[0], fp[1], pal(GoldLight));
            s.px(fp[0], fp[1] - 1, pal(Ember));
            s.px(fp[0] + 1, fp[1] - 1, pal(Gold));
            s.px(fp[0], fp[1] - 2, pal(Blood));
        }
    }
    // The burial mound in the foreground.
    for (int y = 150; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float dx = (float(x) - 232.f) / 130.f;
            const float top = 200.f + dx * dx * 50.f - valueNoise(float(x), 0.f, 8, 721) * 3.f;
            if (float(y) < top) continue;
            const float depth = float(y) - top;
            int col = Night;
            if (depth < 2.f) col = x < 232 ? Plum : Slate;
            else if (depth < 5.f && bayer(x, y) < 0.5f) col = x < 232 ? Plum : Night;
            if (depth > 5.f && chance(x, y, 722, 0.04f)) col = Slate;
            s.px(x, y, pal(col));
        }
    // Sword planted in the mound.
    {
        Canvas k(W, H);
        const int sx = 232, base = 204;
        for (int y = base - 40; y < base; ++y) {
            k.px(sx - 2, y, pal(Silver));
            k.px(sx - 1, y, pal(Cloud));
            k.px(sx, y, pal(Silver));
            k.px(sx + 1, y, pal(Steel));
            k.px(sx + 2, y, pal(Slate));
        }
        for (int y = base - 38; y < base - 4; ++y) k.px(sx, y, pal(Steel)); // fuller
        // Nicks in the edge.
        k.px(sx - 2, base - 22, sf::Color::Transparent);
        k.px(sx + 2, base - 14, sf::Color::Transparent);
        k.px(sx + 2, base - 29, sf::Color::Transparent);
        // Crossguard, grip and pommel.
        k.rect(sx - 12, base - 44, 25, 4, pal(Gold));
        for (int i = -12; i <= 12; ++i) {
            k.px(sx + i, base - 44, pal(GoldLight));
            k.px(sx + i, base - 41, pal(Ember));
        }
        k.rect(sx - 13, base - 45, 2, 6, pal(Gold));
        k.rect(sx + 12, base - 45, 2, 6, pal(Ember));
        k.rect(sx - 2, base - 58, 5, 14, pal(Earth));
        for (int y = base - 58; y < base - 44; y += 2) {
            k.px(sx - 2, y, pal(EarthLight));
            k.px(sx + 2, y + 1, pal(EarthDeep));
        }
        k.disc(sx, base - 62, 4, pal(Gold));
        k.disc(sx, base - 62, 1, pal(Blood));
        k.px(sx - 2, base - 64, pal(GoldLight));
        k.outline(pal(Ink));
        s.blit(k, 0, 0);
    }
    // Cracked shield leaning against the mound.
    {
        Canvas k(W, H);
        const int sx = 262, sy = 178, w = 22, h = 26;
        for (int j = 0; j < h; ++j) {
            const float t = float(j) / float(h);
            const int half = j < h / 2 ? w / 2 : int(float(w / 2) * std::sqrt(std::max(0.f, 1.f - (t - 0.5f) * (t - 0.5f) * 4.f)));
            for (int i = -half; i <= half; ++i) {
                int col = Blood;
                if (std::abs(i) >= half - 1) col = Steel;
                else if (std::abs(i) <= j / 3 + 1 && std::abs(i) >= j / 3 - 1 && j > 3 && j < 18) col = Gold; // chevron
                if (i < -half / 2 && col == Blood) col = Ember;
                k.px(sx + i + j / 6, sy + j, pal(col));
            }
        }
        // The crack.
        const int crack[8][2] = {{4, 0}, {3, 3}, {5, 6}, {2, 9}, {3, 12}, {0, 15}, {1, 18}, {-1, 21}};
        for (const auto& p : crack) {
            k.px(sx + p[0] + p[1] / 6, sy + p[1], pal(Ink));
            k.px(sx + p[0] + p[1] / 6, sy + p[1] + 1, pal(Ink));
        }
        k.outline(pal(Ink));
        s.blit(k, 0, 0);
    }
    // Torn banner on a leaning pole.
    {
        Canvas k(W, H);
        for (int i = 0; i < 96; ++i) {
            const int x = 150 + i / 3, y = 214 - i;
            k.px(x, y, pal(Earth));
            k.px(x + 1, y, pal(EarthDeep));
        }
        k.disc(182, 117, 2, pal(Gold));
        const int px = 182, py = 121;
        for (int j = 0; j < 44; ++j)
            for (int i = 0; i < 30; ++i) {
                const int sag = int(std::sin(float(i) * 0.18f) * 3.f);
                const float tear = hashNoise(i, j, 731);
                if (j > 28 + int(valueNoise(float(i), 0.f, 4, 732) * 14.f)) continue; // ragged bottom
                if (tear < 0.04f && j > 4) continue;                                   // holes
                int col = Blood;
                if (i > 22) col = BloodDeep;
                if (i < 3) col = Ember;
                if ((i / 5) % 2 == 1 && bayer(i, j) < 0.5f) col = BloodDeep;
                k.px(px + i - j / 5, py + j + sag, pal(col));
            }
        // Faded gold emblem: a crown.
        const int ex = 194, ey = 130;
        k.rect(ex - 5, ey + 4, 11, 3, pal(Gold));
        for (int t = -1; t <= 1; ++t)
            for (int j = 0; j < 4; ++j) k.px(ex + t * 4, ey + j, pal(Gold));
        k.px(ex - 4, ey + 4, pal(GoldLight));
        k.outline(pal(Ink));
        s.blit(k, 0, 0);
    }
    // Fallen helmet and arrows in the ground.
    {
        Canvas k(W, H);
        k.ellipse(296, 212, 9, 6, pal(Steel));
        k.rect(287, 212, 19, 5, pal(Steel));
        for (int i = 287; i < 306; ++i) k.px(i, 212, pal(Silver));
        k.rect(290, 213, 12, 2, pal(Ink)); // visor slit
        k.px(291, 208, pal(Cloud));
        k.px(292, 207, pal(Cloud));
        k.px(303, 215, pal(Slate));
        const int arrows[5][2] = {{176, 222}, {204, 214}, {252, 216}, {318, 222}, {340, 230}};
        for (const auto& ar : arrows) {
            for (int i = 0; i < 14; ++i) k.px(ar[0] + i / 3, ar[1] - i, pal(Earth));
            k.px(ar[0] + 4, ar[1] - 14, pal(Cloud));
            k.px(ar[0] + 3, ar[1] - 13, pal(Cloud));
            k.px(ar[0] + 5, ar[1] - 13, pal(Silver));
        }
        k.outline(pal(Ink));
        s.blit(k, 0, 0);
    }
    // Crows circling.
    const int crows[5][2] = {{150, 84}, {168, 74}, {300, 96}, {356, 68}, {118, 104}};
    for (const auto& cr : crows) {
        const int x = cr[0], y = cr[1];
        s.px(x, y, pal(Ink));
        s.px(x, y + 1, pal(Ink));
        for (int d = 1; d <= 3; ++d) {
            s.px(x - d, y - (d < 3 ? 1 : 0), pal(Ink));
            s.px(x + d, y - (d < 3 ? 1 : 0), pal(Ink));
        }
    }
    // Rain, slanting with the wind.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int k = (x + y / 3) % 19;
            if (k == 0 && chance(x, y / 6, 741, 0.4f)) s.blend(x, y, pal(Steel, 140));
        }

    // Over the whole window: a dark veil (the world shows dimly through); the scene inside an
    // oval whose rim dissolves into the veil.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float dx = (float(x) - cx) / rx, dy = (float(y) - cy) / ry;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d < 0.8f || (d < 1.f && bayer(x, y) < (1.f - d) / 0.2f)) c.px(x, y, s.get(x, y));
        }
    Canvas veil(W, H);
    vignette(veil, 176, 240, 0.6f);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (!c.opaque(x, y)) c.px(x, y, veil.get(x, y));
    // Title.
    const Canvas letters = metalLetters("DEFEAT", 4, 3, Metal::Blood, 2);
    c.blit(withDropShadow(letters, 2, 2, 160), (W - int(letters.width())) / 2, 16);
    return c;
}

} // namespace menus
