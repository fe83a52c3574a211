// The camp heal screen: background panel, heal button, close cross, life bar and the
// sparkle played after each heal. The game draws them all at scale 1 at fixed screen places;
// they are authored at half size and doubled, so their pixels match the x2 HUD.
#include "loop_camp.hpp"
#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>
#include <string>

using namespace art;

namespace camp {

namespace {

// The background is 311 x 86 art pixels (622 x 172 on screen), centred on (960, 540): its
// top-left corner sits at screen (649, 454). Screen point (sx, sy) is art pixel
// ((sx - 649) / 2, (sy - 454) / 2). The places below follow from the game's layout.
constexpr int kBgW = 311, kBgH = 86;
constexpr int kPortraitX0 = 10, kPortraitX1 = 74, kPortraitY0 = 13, kPortraitY1 = 76; // 670..798, 480..608
constexpr int kBarX = 82, kBarY = 38, kBarW = 128, kBarH = 11;                          // (813, 530) 256 x 22
constexpr int kCostX = 268, kCostY = 35;                                                // "20" at (1188, 526)

bool chamfer(int x, int y, int w, int h, int r) {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    return std::min(x, w - 1 - x) + std::min(y, h - 1 - y) >= r;
}

// Wooden frame of `band` pixels around a w x h plate, bevelled and lit from the top-left.
void woodFrame(Canvas& c, int w, int h, int band, int seed) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!chamfer(x, y, w, h, 2)) continue;
            const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
            if (ring >= band) continue;
            const bool vertical = std::min(x, w - 1 - x) < std::min(y, h - 1 - y);
            const float u = vertical ? float(x) * 1.7f : float(x) * 0.2f;
            const float v = vertical ? float(y) * 0.2f : float(y) * 1.7f;
            const float g = valueNoise(u, v, 3, seed) * 0.7f + hashNoise(x, y, seed) * 0.3f;
            int col = g > 0.66f ? EarthLight : (g < 0.3f ? EarthDeep : Earth);
            const bool lit = x < w - 1 - ring && y < h - 1 - ring && (x == ring || y == ring);
            if (ring == 0) col = Ink;
            else if (ring == 1) col = lit ? Sand : EarthDeep;
            else if (ring == band - 2) col = lit ? Gold : Ember;
            else if (ring == band - 1) col = Ink;
            c.px(x, y, pal(col));
        }
    // Gold corner caps.
    const int xs[2] = {1, w - 2}, ys[2] = {1, h - 2};
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            const int sx = a ? -1 : 1, sy = b ? -1 : 1;
            for (int k = 0; k < 9; ++k)
                for (int t = 0; t < 2; ++t) {
                    c.px(xs[a] + sx * k, ys[b] + sy * t, pal(t == 0 && !b ? GoldLight : Gold));
                    c.px(xs[a] + sx * t, ys[b] + sy * k, pal(t == 0 && !a ? GoldLight : Gold));
                }
            c.px(xs[a] + sx * 2, ys[b] + sy * 2, pal(White));
            c.px(xs[a] + sx * 3, ys[b] + sy * 3, pal(Ember));
        }
}

// Dark inset with a faint diamond lattice, the cloth of the game's menu panels.
void latticePanel(Canvas& c, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const int u = (x + y) % 10, v = (x - y + 1000) % 10;
            int col = (u == 0 || v == 0) ? Slate : Night;
            if ((u == 0 || v == 0) && bayer(x, y) < 0.5f) col = Night;
            c.px(x, y, pal(col));
        }
}

// Recessed box: Ink top/left lip, lit bottom/right lip.
void inset(Canvas& c, int x0, int y0, int x1, int y1, int fill) {
    c.rect(x0, y0, x1 - x0 + 1, y1 - y0 + 1, pal(fill));
    for (int x = x0; x <= x1; ++x) {
        c.px(x, y0, pal(Ink));
        c.px(x, y1, pal(Steel));
    }
    for (int y = y0; y <= y1; ++y) {
        c.px(x0, y, pal(Ink));
        c.px(x1, y, pal(y == y0 ? Ink : Steel));
    }
}

void coinIcon(Canvas& c, int x, int y) {
    c.disc(x + 4, y + 4, 4, pal(Ink));
    c.disc(x + 4, y + 4, 3, pal(Gold));
    c.disc(x + 3, y + 3, 2, pal(GoldLight));
    c.disc(x + 4, y + 4, 1, pal(Gold));
    c.px(x + 2, y + 2, pal(White));
    c.px(x + 6, y + 6, pal(Ember));
    c.px(x + 7, y + 5, pal(Ember));
}

// Small campfire: crossed logs, a flame and its light on the ground.
void campfire(Canvas& c, int cx, int base) {
    for (int j = -6; j <= 6; ++j)
        for (int i = -14; i <= 14; ++i) {
            const float d = float(i * i) / 196.f + float(j * j) / 36.f;
            if (d < 1.f && bayer(cx + i, base + j) < (1.f - d) * 0.7f) c.px(cx + i, base + j, pal(Plum));
        }
    Canvas k(c.width(), c.height());
    for (int i = -8; i <= 8; ++i) {
        k.px(cx + i, base - 1 - i / 3, pal(i < 0 ? EarthLight : Earth));
        k.px(cx + i, base - i / 3, pal(EarthDeep));
        k.px(cx - i, base - 1 - i / 3 + 1, pal(Earth));
        k.px(cx - i, base - i / 3 + 1, pal(EarthDeep));
    }
    for (int s : {-10, -6, 5, 9}) k.ellipse(cx + s, base + 2, 1, 1, pal(Steel)); // ring stones
    k.outline(pal(Ink));
    c.blit(k, 0, 0);
    // Flame, no outline.
    const int rows = 12;
    for (int j = 0; j < rows; ++j) {
        const int half = j < 3 ? 3 : (j < 6 ? 2 : (j < 9 ? 1 : 0));
        const int sway = (j > 6) ? ((j % 2) ? 1 : 0) : 0;
        for (int i = -half; i <= half; ++i) {
            int col = std::abs(i) == half ? Blood : (j < 4 ? Ember : Gold);
            if (std::abs(i) < half && j >= 2 && j < 6) col = GoldLight;
            if (i == 0 && j >= 1 && j < 4) col = White;
            c.px(cx + i + sway, base - 3 - j, pal(col));
        }
    }
    c.px(cx + 3, base - 14, pal(Ember));
    c.px(cx - 2, base - 16, pal(Gold));
}

} // namespace

Canvas healBackground() {
    Canvas c(kBgW, kBgH);
    woodFrame(c, kBgW, kBgH, 6, 601);
    latticePanel(c, 6, 6, kBgW - 7, kBgH - 7);

    // Portrait niche: a 2-pixel gold frame around a dark backdrop lit from behind the hero.
    for (int y = kPortraitY0 - 2; y <= kPortraitY1 + 2; ++y)
        for (int x = kPortraitX0 - 2; x <= kPortraitX1 + 2; ++x) {
            const bool ring0 = x == kPortraitX0 - 2 || x == kPortraitX1 + 2 || y == kPortraitY0 - 2 || y == kPortraitY1 + 2;
            const bool ring1 = x == kPortraitX0 - 1 || x == kPortraitX1 + 1 || y == kPortraitY0 - 1 || y == kPortraitY1 + 1;
            if (ring0) {
                const bool lit = x == kPortraitX0 - 2 || y == kPortraitY0 - 2;
                c.px(x, y, pal(lit ? GoldLight : Ember));
            } else if (ring1) {
                c.px(x, y, pal(Ink));
            } else {
                const float dx = (float(x) - 42.f) / 30.f, dy = (float(y) - 40.f) / 30.f;
                const float glow = 1.f - std::sqrt(dx * dx + dy * dy);
                int col = bayer(x, y) < glow * 1.1f ? Teal : Slate;
                if (glow < 0.25f) col = bayer(x, y) < glow * 3.f ? Slate : Night;
                if (y >= kPortraitY1 - 10) col = bayer(x, y) < 0.45f - float(y - (kPortraitY1 - 10)) * 0.05f ? Slate : Night;
                c.px(x, y, pal(col));
            }
        }
    for (int x = kPortraitX0 - 2; x <= kPortraitX1 + 2; ++x) c.px(x, kPortraitY1 + 3, pal(Ink)); // shadow under the frame
    for (auto [x, y] : {std::pair{kPortraitX0 - 2, kPortraitY0 - 2}, std::pair{kPortraitX1 + 1, kPortraitY0 - 2},
                        std::pair{kPortraitX0 - 2, kPortraitY1 + 1}, std::pair{kPortraitX1 + 1, kPortraitY1 + 1}}) {
        c.rect(x, y, 2, 2, pal(Gold));
        c.px(x, y, pal(White));
    }

    // Title over the bar: a campfire and the word CAMP.
    campfire(c, 96, 27);
    menus::shadowText(c, 114, 17, "CAMP", pal(GoldLight), 2);
    menus::shadowText(c, 165, 24, "REST HERE", pal(Silver), 1);

    // Life bar trough: red where life is missing, behind the green bar.
    for (int y = kBarY - 1; y <= kBarY + kBarH; ++y)
        for (int x = kBarX - 1; x <= kBarX + kBarW; ++x) {
            const bool edge = x == kBarX - 1 || x == kBarX + kBarW || y == kBarY - 1 || y == kBarY + kBarH;
            int col = BloodDeep;
            if (y == kBarY) col = Ink;
            else if (y == kBarY + 1 && bayer(x, y) < 0.5f) col = Ink;
            else if (y >= kBarY + kBarH - 2) col = bayer(x, y) < 0.5f ? Blood : BloodDeep;
            if (edge) col = Ink;
            c.px(x, y, pal(col));
        }
    // Gold rim around the trough, lit on top.
    for (int x = kBarX - 2; x <= kBarX + kBarW + 1; ++x) {
        c.px(x, kBarY - 2, pal(GoldLight));
        c.px(x, kBarY + kBarH + 1, pal(Ember));
    }
    for (int y = kBarY - 2; y <= kBarY + kBarH + 1; ++y) {
        c.px(kBarX - 2, y, pal(GoldLight));
        c.px(kBarX + kBarW + 1, y, pal(Ember));
    }
    for (int x = kBarX - 2; x <= kBarX + kBarW + 1; ++x) c.px(x + 1, kBarY + kBarH + 2, pal(Ink));
    menus::shadowText(c, kBarX, 56, "+10 LIFE FOR 20 GOLD", pal(Cloud), 1);

    // Slot of the heal button and the price plate next to it.
    inset(c, 221, 25, 268, 52, Ink);
    inset(c, kCostX + 2, kCostY, kCostX + 29, kCostY + 16, Night);
    coinIcon(c, kCostX + 19, kCostY + 4);

    // Fire and tent of the camp, bottom right.
    Canvas tent(kBgW, kBgH);
    for (int j = 0; j < 17; ++j)
        for (int i = -j; i <= j; ++i) {
            int col = i < 0 ? Sand : EarthLight;
            if (std::abs(i) <= 2 && j > 8) col = Ink; // door
            if (i == -j) col = SandLight;
            tent.px(286 + i, 62 + j, pal(col));
        }
    tent.px(286, 61, pal(Earth));
    tent.px(286, 60, pal(Earth));
    tent.px(287, 59, pal(Blood)); // pennant
    tent.px(288, 59, pal(Blood));
    tent.px(287, 60, pal(BloodDeep));
    tent.outline(pal(Ink));
    c.blit(tent, 0, 0);
    for (int x = 230; x <= 304; ++x) // ground line under the tent
        if (bayer(x, 79) < 0.6f) c.px(x, 79, pal(Slate));
    campfire(c, 248, 76);
    return menus::upscale(c, 2);
}

Canvas healButton() {
    constexpr int W = 44, H = 24;
    Canvas c(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!chamfer(x, y, W, H, 2)) continue;
            const int ring = std::min(std::min(x, y), std::min(W - 1 - x, H - 1 - y));
            int col = (y < H / 2) ? Grass : (bayer(x, y) < float(y - H / 2) / float(H) * 1.6f ? Leaf : Grass);
            if (ring == 0) col = Ink;
            else if (ring == 1) col = (y == 1 || x == 1) ? GrassLight : GrassDeep;
            else if (ring == 2 && y == H - 3) col = Leaf;
            c.px(x, y, pal(col));
        }
    // Potion: a round flask of red draught with a cork, glass lit on the left.
    Canvas p(W, H);
    p.disc(10, 14, 5, pal(Cloud)); // glass
    p.rect(8, 6, 5, 4, pal(Cloud)); // neck
    for (int y = 10; y <= 18; ++y)
        for (int x = 6; x <= 14; ++x) {
            if ((x - 10) * (x - 10) + (y - 14) * (y - 14) > 17) continue;
            p.px(x, y, pal(y < 12 ? Foam : (y == 12 ? Ember : Blood)));
        }
    p.rect(9, 6, 3, 4, pal(Foam));
    p.px(7, 13, pal(White));
    p.px(7, 14, pal(White));
    p.px(8, 11, pal(White));
    p.px(13, 17, pal(BloodDeep));
    p.px(12, 18, pal(BloodDeep));
    p.px(14, 15, pal(BloodDeep));
    p.rect(8, 3, 5, 3, pal(EarthLight)); // cork
    p.px(8, 3, pal(Sand));
    p.px(12, 5, pal(Earth));
    p.outline(pal(Ink));
    c.blit(p, 0, 0);
    // White plus on the flask.
    c.rect(9, 15, 3, 1, pal(White));
    c.rect(10, 14, 1, 3, pal(White));
    menus::shadowText(c, 18, 9, "HEAL", pal(White), 1);
    return menus::upscale(c, 2);
}

Canvas closeCross() {
    constexpr int S = 16;
    Canvas c(S, S);
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            if (!chamfer(x, y, S, S, 2)) continue;
            const int ring = std::min(std::min(x, y), std::min(S - 1 - x, S - 1 - y));
            int col = Blood;
            if (ring == 0) col = Ink;
            else if (ring == 1) col = (x == 1 || y == 1) ? Ember : BloodDeep;
            else if (y > S / 2 && bayer(x, y) < 0.4f) col = BloodDeep;
            c.px(x, y, pal(col));
        }
    for (int k = 4; k <= 11; ++k) {
        c.px(k, k + 1, pal(BloodDeep));
        c.px(k + 1, k + 1, pal(BloodDeep));
        c.px(S - 1 - k, k + 1, pal(BloodDeep));
        c.px(S - 2 - k, k + 1, pal(BloodDeep));
    }
    for (int k = 4; k <= 11; ++k) {
        c.px(k, k, pal(White));
        c.px(k + 1, k, pal(Cloud));
        c.px(S - 1 - k, k, pal(White));
        c.px(S - 2 - k, k, pal(Cloud));
    }
    return menus::upscale(c, 2);
}

Canvas lifeBarFill() {
    Canvas c(kBarW, kBarH);
    for (int y = 0; y < kBarH; ++y)
        for (int x = 0; x < kBarW; ++x) {
            int col = Grass;
            if (y == 0) col = GrassLight;
            else if (y == 1) col = bayer(x, y) < 0.5f ? GrassLight : Grass;
            else if (y >= kBarH - 3) col = bayer(x, y) < float(y - (kBarH - 4)) / 3.f ? GrassDeep : Leaf;
            if (y == kBarH - 1) col = GrassDeep;
            // A notch every 16 pixels: eight segments over the whole bar.
            if (x % 16 == 15 && y > 0) col = y < kBarH - 1 ? Leaf : GrassDeep;
            if (x % 16 == 0 && y > 0 && y < kBarH - 1 && x > 0) col = GrassLight;
            c.px(x, y, pal(col));
        }
    // Highlight streak near the top.
    for (int x = 2; x < kBarW - 2; ++x)
        if (x % 16 > 1 && x % 16 < 9) c.px(x, 2, pal(LeafLight));
    return menus::upscale(c, 2);
}

Canvas healSparkleSheet() {
    constexpr int FW = 225, FH = 74, AW = 112, AH = 37;
    constexpr int barTop = 16, barBottom = 27; // the life bar under the effect, in art rows
    Canvas sheet(FW * 8, FH);
    for (int f = 0; f < 8; ++f) {
        Canvas a(AW, AH);
        // A wash of green light over the bar at the start.
        if (f < 4) {
            const float strength = 0.55f - float(f) * 0.15f;
            for (int y = barTop - 3; y <= barBottom + 2; ++y)
                for (int x = 0; x < AW; ++x) {
                    const float dy = std::abs(float(y) - float(barTop + barBottom) / 2.f) / 8.f;
                    if (bayer(x, y) < strength * (1.f - dy)) a.px(x, y, pal(f == 0 ? GoldLight : LeafLight, 170));
                }
        }
        // Motes rising from the bar: plus signs, diamonds and dots, each on its own path.
        for (int i = 0; i < 48; ++i) {
            const int start = int(hashNoise(i, 1, 701) * 3.f);
            const int age = f - start;
            if (age < 0) continue;
            const float speed = 2.5f + hashNoise(i, 2, 701) * 2.5f;
            const int x = 3 + int(hashNoise(i, 0, 701) * float(AW - 6)) + int(std::lround(std::sin(float(age) * 1.3f + float(i)) * 1.5f));
            const int y = barBottom - int(hashNoise(i, 3, 701) * 8.f) - int(float(age) * speed);
            if (y < 1) continue;
            const float life = 1.f - float(age) / 6.f; // fades out over six frames
            if (life <= 0.f) continue;
            if (hashNoise(i, 5 + f, 701) > life + 0.25f) continue; // thinning: motes wink out
            const int kind = i % 3;
            const int core = age < 2 ? White : (age < 4 ? GoldLight : LeafLight);
            const int edge = age < 2 ? GoldLight : (age < 4 ? LeafLight : Grass);
            if (kind == 0 && life > 0.3f) {
                const int arm = life > 0.6f ? 2 : 1;
                for (int k = -arm; k <= arm; ++k) {
                    a.px(x + k, y, pal(std::abs(k) == arm ? edge : core));
                    a.px(x, y + k, pal(std::abs(k) == arm ? edge : core));
                }
            } else if (kind == 1) {
                a.px(x, y, pal(core));
                if (life > 0.5f) {
                    a.px(x - 1, y, pal(edge));
                    a.px(x + 1, y, pal(edge));
                    a.px(x, y - 1, pal(edge));
                    a.px(x, y + 1, pal(edge));
                }
            } else {
                a.px(x, y, pal(life > 0.5f ? core : edge));
                if (age < 3) a.px(x, y + 1, pal(edge, 150)); // short trail
            }
        }
        Canvas big = menus::upscale(a, 2);
        sheet.blit(big, f * FW, 0);
    }
    return sheet;
}

} // namespace camp
