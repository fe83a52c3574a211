// The defeat scene: a burial mound under a storm, a sword planted in it and the keep burning
// on the ridge behind, shown in an oval over a dark veil with the title above.
#include "menus_scenes.hpp"

#include "menus_scene_parts.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace art;

namespace menus {

namespace {

constexpr int W = 480, H = 270;
// The painted scene: an oval vignette in the middle of the screen.
constexpr float kSceneX = 240, kSceneY = 150, kSceneRX = 176, kSceneRY = 100;
// The top of the far ridge.
constexpr int kRidge = 182;

// Sky: storm dark above, a red glow of fires on the horizon.
void paintStormSky(Canvas& s) {
    const int sky[6] = {Ink, Night, Night, Plum, BloodDeep, Blood};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float t = std::clamp((float(y) - 50.f) / 130.f, 0.f, 1.f);
            s.px(x, y, rampDither(sky, 6, t, x, y, 0.6f));
        }
}

// Heavy storm clouds, their undersides reddened by the fires.
void paintStormClouds(Canvas& s) {
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
}

// Far ridge and the burning keep on it, smoke pouring from it.
void paintBurningKeep(Canvas& s) {
    for (int x = 0; x < W; ++x) {
        const int top = kRidge - int(valueNoise(float(x), 0.f, 24, 711) * 9.f);
        for (int y = top; y < H; ++y) s.px(x, y, pal(y == top ? BloodDeep : Ink));
    }
    const int kx = 318, ky = kRidge - 6;
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
void paintMound(Canvas& s) {
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
}

// Sword planted in the mound.
void plantSword(Canvas& s) {
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
void leanShield(Canvas& s) {
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
void plantBanner(Canvas& s) {
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
void scatterHelmetAndArrows(Canvas& s) {
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
void paintCrows(Canvas& s) {
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
}

// Rain, slanting with the wind.
void paintRain(Canvas& s) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int k = (x + y / 3) % 19;
            if (k == 0 && chance(x, y / 6, 741, 0.4f)) s.blend(x, y, pal(Steel, 140));
        }
}

} // namespace

Canvas defeatPicture() {
    Canvas s(W, H);
    paintStormSky(s);
    paintStormClouds(s);
    paintBurningKeep(s);
    paintMound(s);
    plantSword(s);
    leanShield(s);
    plantBanner(s);
    scatterHelmetAndArrows(s);
    paintCrows(s);
    paintRain(s);

    Canvas c(W, H);
    // Over the whole window: a dark veil (the world shows dimly through); the scene inside an
    // oval whose rim dissolves into the veil.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float dx = (float(x) - kSceneX) / kSceneRX, dy = (float(y) - kSceneY) / kSceneRY;
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
