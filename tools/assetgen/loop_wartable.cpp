// The war table of the level transition and the felt board the map is unrolled on.
// Only the table's margins show around the board, so its props stand along the edges; the
// light comes from an oil lamp in the top-left corner.
#include "loop_transition.hpp"
#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace transition {

namespace {

constexpr float kPi = 3.14159265f;

// One prop: drawn on its own layer, outlined, then laid on the table with its flat shadow.
template <class Draw>
void prop(Canvas& table, int sdx, int sdy, Draw draw) {
    Canvas k(table.width(), table.height());
    draw(k);
    k.outline(pal(Ink));
    table.blit(menus::withDropShadow(k, sdx, sdy, 90), 0, 0);
}

// Brightness of the lamp's light on the table, 1 at the lamp, falling toward the far corner.
float lampLight(int x, int y) {
    const float dx = float(x - 14) / 470.f, dy = float(y - 22) / 330.f;
    return std::clamp(1.f - std::sqrt(dx * dx + dy * dy), 0.f, 1.f);
}

void planks(Canvas& c) {
    const int W = int(c.width()), H = int(c.height());
    const int plankH = 27;
    static const int ramp[] = {Ink, EarthDeep, Earth, EarthLight, Sand};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int p = (y + 9) / plankH, r = (y + 9) % plankH;
            const int joint = 40 + int(hashNoise(p, 0, 811) * 380.f);
            const float g = valueNoise(float(x) * 0.07f + float(p) * 23.f, float(y) * 0.8f, 4, 812) * 0.7f +
                            valueNoise(float(x) * 0.45f, float(y) * 2.2f, 5, 813) * 0.3f;
            const float light = lampLight(x, y);
            float t = 0.12f + g * 0.38f + light * 0.42f - (hashNoise(p, 1, 811) < 0.35f ? 0.1f : 0.f);
            if (r == 0 || x == joint) t = 0.f;
            else if (r == 1 || x == joint + 1) t += 0.2f;
            else if (r == plankH - 1) t -= 0.15f;
            c.px(x, y, menus::rampDither(ramp, 5, t, x, y, 0.5f));
            if ((x == joint - 3 || x == joint + 4) && (r == 5 || r == plankH - 6)) c.px(x, y, pal(Steel));
        }
    // Warm cast of the lamp near its corner.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float l = lampLight(x, y);
            if (bayer(x, y) < (l - 0.55f) * 1.1f) c.blend(x, y, pal(Ember, 60));
        }
}

void lamp(Canvas& c, int x, int y) {
    // Light pool and halo first, the lamp over them.
    for (int r = 6; r < 30; ++r)
        for (int a = 0; a < 160; ++a) {
            const float t = float(a) / 160.f * 2.f * kPi;
            const int gx = x + int(std::lround(std::cos(t) * float(r))), gy = y - 10 + int(std::lround(std::sin(t) * float(r)));
            if (bayer(gx, gy) < 0.5f - float(r) * 0.016f) c.blend(gx, gy, pal(GoldLight, 60));
        }
    prop(c, 4, 3, [&](Canvas& k) {
        k.ellipse(x, y + 3, 10, 3, pal(Ember));   // brass foot
        k.ellipse(x, y + 2, 9, 2, pal(Gold));
        k.ellipse(x - 2, y + 1, 5, 1, pal(GoldLight));
        k.ellipse(x, y - 1, 7, 3, pal(Gold));     // oil font
        k.px(x - 5, y - 2, pal(GoldLight));
        k.px(x - 4, y - 3, pal(GoldLight));
        for (int j = 0; j < 16; ++j) {            // glass chimney, bulging in the middle
            const int half = 4 + (j > 3 && j < 12 ? 1 : 0);
            for (int i = -half; i <= half; ++i) {
                int col = Foam;
                if (i <= -half + 1) col = White;
                if (i >= half - 1) col = WaterLight;
                k.px(x + i, y - 4 - j, pal(col));
            }
        }
        k.rect(x - 4, y - 22, 9, 3, pal(Gold));   // cap
        k.px(x - 4, y - 22, pal(GoldLight));
        k.px(x + 4, y - 20, pal(Ember));
        for (int i = -3; i <= 3; ++i) k.px(x + i, y - 27 + std::abs(i) / 2, pal(Gold)); // handle
    });
    // The flame inside the glass.
    for (int j = 0; j < 7; ++j) {
        const int half = j < 4 ? 1 : 0;
        for (int i = -half; i <= half; ++i)
            c.px(x + i, y - 6 - j, pal(j < 2 ? Ember : (i == 0 ? White : GoldLight)));
    }
}

void coinStack(Canvas& c, int x, int y, int n) {
    prop(c, 2, 1, [&](Canvas& k) {
        for (int i = 0; i < n; ++i) {
            const int cy = y - i * 2, w = (i % 3 == 1) ? 1 : 0;
            k.ellipse(x + w, cy + 1, 5, 2, pal(Ember));
            k.ellipse(x + w, cy, 5, 2, pal(Gold));
            k.px(x + w - 5, cy, pal(GoldLight));
        }
        const int ty = y - (n - 1) * 2;
        k.ellipse(x, ty - 1, 5, 2, pal(GoldLight));
        k.ellipse(x, ty - 1, 2, 1, pal(Gold));
        k.px(x - 2, ty - 2, pal(White));
    });
}

void looseCoin(Canvas& c, int x, int y) {
    prop(c, 1, 1, [&](Canvas& k) {
        k.ellipse(x, y, 3, 2, pal(Gold));
        k.px(x - 1, y - 1, pal(GoldLight));
        k.px(x + 2, y + 1, pal(Ember));
    });
}

// Dagger lying along the right edge, point down.
void dagger(Canvas& c, int x, int y) {
    prop(c, 2, 2, [&](Canvas& k) {
        k.rect(x - 1, y, 3, 6, pal(EarthDeep));           // grip
        for (int j = 0; j < 6; j += 2) k.px(x, y + j, pal(Earth));
        k.disc(x, y - 1, 1, pal(Gold));                    // pommel
        k.rect(x - 4, y + 6, 9, 2, pal(Gold));             // guard
        k.px(x - 4, y + 6, pal(GoldLight));
        for (int j = 0; j < 30; ++j) {                     // blade
            const int half = j < 26 ? 1 : 0;
            for (int i = -half; i <= half; ++i) k.px(x + i, y + 8 + j, pal(i < 0 ? Cloud : (i == 0 ? Silver : Steel)));
        }
    });
}

void inkwell(Canvas& c, int x, int y) {
    prop(c, 3, 2, [&](Canvas& k) {
        k.ellipse(x, y, 7, 3, pal(Night));
        k.rect(x - 7, y - 8, 15, 8, pal(Night));
        k.ellipse(x, y - 8, 7, 3, pal(Slate));
        k.ellipse(x, y - 8, 3, 1, pal(Ink));
        for (int j = y - 8; j <= y; ++j) k.px(x - 6, j, pal(Steel));
        // Quill standing in the pot, leaning to the right.
        for (int i = 0; i < 36; ++i) {
            const int qx = x + 1 + i / 6, qy = y - 9 - i;
            k.px(qx, qy, pal(Sand));
            if (i > 10) {
                const int vane = std::min(3, (i - 10) / 4 + 1) - (i > 32 ? 1 : 0);
                for (int v = 1; v <= vane; ++v) {
                    k.px(qx - v, qy, pal(v == vane ? Cloud : White));
                    k.px(qx + v, qy + 1, pal(Silver));
                }
            }
        }
    });
}

// Wooden army tokens of the war game: little turned pieces with a coloured cap.
void token(Canvas& c, int x, int y, int cap, int capLight) {
    prop(c, 2, 1, [&](Canvas& k) {
        k.ellipse(x, y + 2, 4, 2, pal(EarthDeep));
        k.rect(x - 3, y - 4, 7, 6, pal(Earth));
        for (int j = y - 4; j <= y + 1; ++j) {
            k.px(x - 3, j, pal(EarthLight));
            k.px(x + 3, j, pal(EarthDeep));
        }
        k.ellipse(x, y - 5, 3, 2, pal(cap));
        k.px(x - 1, y - 6, pal(capLight));
    });
}

// Pin flag stuck into the table.
void flagPin(Canvas& c, int x, int y, int cloth, int clothLight) {
    prop(c, 3, 2, [&](Canvas& k) {
        for (int j = 0; j < 12; ++j) k.px(x, y - j, pal(j < 1 ? Steel : Silver));
        for (int j = 0; j < 5; ++j)
            for (int i = 1; i <= 7 - j / 2; ++i) k.px(x + i, y - 11 + j, pal(j == 0 ? clothLight : cloth));
        k.disc(x, y - 12, 1, pal(Gold));
    });
}

// Folded letter closed with a red wax seal.
void letter(Canvas& c, int x, int y) {
    prop(c, 3, 2, [&](Canvas& k) {
        for (int j = 0; j < 12; ++j)
            for (int i = 0; i < 26; ++i) k.px(x + i, y + j, pal(j == 0 || i == 0 ? White : Cloud));
        k.line(x, y, x + 12, y + 6, pal(Silver));
        k.line(x + 25, y, x + 13, y + 6, pal(Silver));
        k.disc(x + 13, y + 7, 3, pal(Blood));
        k.px(x + 12, y + 6, pal(Ember));
        k.px(x + 14, y + 8, pal(BloodDeep));
    });
}

// Brass dividers lying open, for measuring marches on the map.
void dividers(Canvas& c, int x, int y) {
    prop(c, 2, 2, [&](Canvas& k) {
        k.disc(x, y, 2, pal(Gold));
        k.px(x - 1, y - 1, pal(GoldLight));
        for (int i = 1; i < 11; ++i) {
            k.px(x - i / 2, y + i, pal(i < 9 ? GoldLight : Cloud));
            k.px(x + i / 2 + 1, y + i, pal(i < 9 ? Gold : Silver));
        }
        k.px(x - 1, y + 4, pal(Gold)); // the hinge's cross bar
        k.px(x, y + 4, pal(Gold));
        k.px(x + 1, y + 4, pal(Gold));
        k.px(x + 2, y + 4, pal(Ember));
    });
}

} // namespace

Canvas warTable() {
    Canvas c(480, 270);
    planks(c);
    // The board covers the middle; what shows is a band of about 25 pixels at the sides and 15
    // above and below. Props keep to it.
    menus::vignette(c, 0, 150, 0.35f);
    lamp(c, 13, 44);
    inkwell(c, 12, 196);
    token(c, 9, 100, Blood, Ember);
    token(c, 16, 112, Blood, Ember);
    token(c, 8, 124, Teal, TealLight);
    for (int i = 0; i < 4; ++i) token(c, 120 + i * 14, 9, i < 2 ? Blood : Teal, i < 2 ? Ember : TealLight);
    flagPin(c, 250, 12, Blood, Ember);
    dividers(c, 352, 2);
    coinStack(c, 467, 40, 5);
    looseCoin(c, 471, 58);
    dagger(c, 467, 110);
    letter(c, 80, 257);
    coinStack(c, 300, 265, 3);
    looseCoin(c, 316, 262);
    looseCoin(c, 466, 230);
    flagPin(c, 468, 262, Teal, TealLight);
    return c;
}

Canvas mapBoard() {
    Canvas c(kFrameW, kFrameH);
    const int x0 = kBoardX0, y0 = kBoardY0, x1 = kBoardX1, y1 = kBoardY1, rim = 6;
    Canvas b(kFrameW, kFrameH);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const int ring = std::min(std::min(x - x0, y - y0), std::min(x1 - x, y1 - y));
            if (ring == 0 && (x == x0 || x == x1) && (y == y0 || y == y1)) continue;
            int col;
            if (ring < rim) {
                // Oak rim with a brass inlay, lit from the top-left.
                const bool vertical = std::min(x - x0, x1 - x) < std::min(y - y0, y1 - y);
                const float g = valueNoise(vertical ? float(x) * 1.7f : float(x) * 0.2f,
                                           vertical ? float(y) * 0.2f : float(y) * 1.7f, 3, 901);
                col = g > 0.64f ? EarthLight : (g < 0.32f ? EarthDeep : Earth);
                const bool lit = (x - x0 == ring || y - y0 == ring) && x1 - x > ring && y1 - y > ring;
                if (ring == 0) col = lit ? EarthLight : EarthDeep;
                if (ring == 1 && lit) col = Sand;
                if (ring == 3) col = lit ? GoldLight : Gold;
                if (ring == rim - 1) col = Ink;
            } else {
                // Green baize, worn paler in patches, with the faint grid of the war game.
                const float wear = valueNoise(float(x), float(y), 24, 902);
                col = bayer(x, y) < (wear - 0.45f) * 0.9f ? Leaf : GrassDeep;
                const int gx = (x - x0 - rim) % 24, gy = (y - y0 - rim) % 24;
                if ((gx == 0 || gy == 0) && ((x + y) % 2 == 0)) col = Leaf;
                if (ring == rim) col = Ink;
                if (ring == rim + 1 && (x - x0 == ring || y - y0 == ring)) col = Night;
            }
            b.px(x, y, pal(col));
        }
    // A compass star sewn into the baize, seen while the map is still rolled.
    const int cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    for (int i = -40; i <= 40; ++i) {
        const int w = (40 - std::abs(i)) / 7;
        for (int k = -w; k <= w; ++k) {
            if (bayer(cx + k, cy + i) < 0.5f) b.px(cx + k, cy + i, pal(Leaf));
            if (bayer(cx + i, cy + k) < 0.5f) b.px(cx + i, cy + k, pal(Leaf));
        }
    }
    for (int a = 0; a < 200; ++a) {
        const float t = float(a) / 200.f * 2.f * kPi;
        b.px(cx + int(std::lround(std::cos(t) * 30.f)), cy + int(std::lround(std::sin(t) * 30.f)), pal(Leaf));
    }
    // Brass corner plates with rivets.
    const int xs[2] = {x0, x1}, ys[2] = {y0, y1};
    for (int a = 0; a < 2; ++a)
        for (int bb = 0; bb < 2; ++bb) {
            const int sx = a ? -1 : 1, sy = bb ? -1 : 1;
            for (int j = 0; j < 12; ++j)
                for (int i = 0; i < 12 - j; ++i) {
                    const int px = xs[a] + sx * i, py = ys[bb] + sy * j;
                    int col = Gold;
                    if (i + j == 11) col = Ember;
                    if ((!a && i == 0) || (!bb && j == 0)) col = GoldLight;
                    if ((a && i == 0) || (bb && j == 0)) col = Ember;
                    b.px(px, py, pal(col));
                }
            b.px(xs[a] + sx * 3, ys[bb] + sy * 3, pal(White));
            b.px(xs[a] + sx * 4, ys[bb] + sy * 4, pal(Ember));
        }
    b.outline(pal(Ink));
    c.blit(menus::withDropShadow(b, 3, 3, 110), 0, 0);
    return c;
}

} // namespace transition
