// Pieces shared by the large menu pictures: colour and noise helpers, the distant castle
// (main menu and victory) and the ribbon banner. Each scene has its own menus_scene_*.cpp.
#include "menus_scenes.hpp"

#include "menus_scene_parts.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace menus {

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

namespace {

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

} // namespace

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

} // namespace menus
