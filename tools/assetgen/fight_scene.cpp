// The battlefield at dusk (480 x 270, drawn at x4) and the battle HUD overlay: a framed band
// along the bottom of the screen for the hand, the deck and the end-turn button.
#include "fight_ui.hpp"

#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

constexpr int W = 480, H = 270;
constexpr int kHorizon = 118;

// Height of a ridge line at x: layered value noise.
float ridge(int x, int seed, float base, float amp, int period) {
    return base - amp * (valueNoise(float(x), 0.f, period, seed) * 0.7f + valueNoise(float(x), 0.f, period / 3, seed + 1) * 0.3f);
}

void sky(Canvas& c) {
    const int ramp[6] = {Night, Night, Plum, PlumLight, Ember, GoldLight};
    for (int y = 0; y < kHorizon; ++y)
        for (int x = 0; x < W; ++x) {
            // the sun sets low on the right, behind the enemies
            const float dx = (float(x) - 360.f) / 260.f, dy = (float(kHorizon - y)) / 130.f;
            const float glow = std::max(0.f, 1.f - std::sqrt(dx * dx + dy * dy));
            const float t = std::clamp(float(y) / float(kHorizon) * 0.75f + glow * 0.45f, 0.f, 1.f);
            c.px(x, y, menus::rampDither(ramp, 6, t, x, y, 0.7f));
        }
    // stars in the dark top
    for (int i = 0; i < 60; ++i) {
        const int x = int(hashNoise(i, 1, 501) * W), y = int(hashNoise(i, 2, 501) * 40);
        if (c.get(x, y) == pal(Night)) c.px(x, y, pal(i % 4 ? Silver : White));
    }
    // long streaks of cloud lit from below
    for (int k = 0; k < 5; ++k) {
        const int cy = 30 + k * 14, cx = int(hashNoise(k, 7, 33) * 420), len = 70 + int(hashNoise(k, 8, 33) * 90);
        for (int x = cx; x < cx + len; ++x) {
            const int th = 1 + int(2.5f * std::sin(kPi * float(x - cx) / float(len)));
            for (int y = cy; y < cy + th; ++y) c.px(x % W, y, pal(y == cy + th - 1 ? (k > 2 ? Ember : PlumLight) : Plum));
        }
    }
    // the sun, half sunk
    for (int y = kHorizon - 14; y < kHorizon; ++y)
        for (int x = 345; x < 376; ++x) {
            const float d = std::hypot(float(x) - 360.f, float(y) - float(kHorizon) + 2.f);
            if (d < 13.f) c.px(x, y, pal(d < 9.f ? White : GoldLight));
        }
}

void hills(Canvas& c) {
    // far mountains, nearer hills with a ruined keep, then the tree line
    for (int x = 0; x < W; ++x) {
        const int m = int(ridge(x, 11, 104.f, 46.f, 90));
        for (int y = m; y < kHorizon + 4; ++y) c.px(x, y, pal(y < m + 2 && x % 3 ? PlumLight : Plum));
    }
    for (int x = 0; x < W; ++x) {
        const int m = int(ridge(x, 21, 116.f, 18.f, 60));
        for (int y = m; y < kHorizon + 8; ++y) c.px(x, y, pal(y == m ? Plum : Night));
    }
    // ruined keep on the left hill
    const int kx = 70, ky = int(ridge(kx, 21, 116.f, 18.f, 60));
    for (int y = ky - 26; y < ky + 2; ++y)
        for (int x = kx - 8; x < kx + 9; ++x) {
            const bool broken = y < ky - 20 && (x > kx + 3 || (x + y) % 4 == 0);
            if (!broken) c.px(x, y, pal(Night));
        }
    for (int x = kx - 8; x < kx + 4; x += 3) c.px(x, ky - 27, pal(Night));
    c.px(kx - 2, ky - 16, pal(Ember));
    c.px(kx - 2, ky - 15, pal(Ember));
    // smoke rising from distant fires
    for (int k = 0; k < 3; ++k) {
        const int sx = 150 + k * 110;
        for (int y = 60; y < kHorizon + 4; ++y) {
            const int x = sx + int(std::sin(float(y) * 0.09f + float(k)) * 4.f) + (kHorizon - y) / 6;
            const int w = 1 + (kHorizon - y) / 18;
            for (int i = -w; i <= w; ++i)
                if (bayer(x + i, y) < 0.45f) c.blend(x + i, y, pal(Slate, 150));
        }
    }
    // tree line along the horizon
    for (int x = 0; x < W; ++x) {
        const int t = kHorizon + 6 - int(hashNoise(x / 3, 0, 77) * 6.f) - ((x / 3) % 2);
        for (int y = t; y < kHorizon + 10; ++y) c.px(x, y, pal(y == t ? GrassDeep : Ink));
    }
}

void field(Canvas& c) {
    // the ground: dusk-dark grass, torn into mud where the two sides meet
    const int grass[3] = {GrassDeep, Grass, GrassLight};
    const int mudR[3] = {EarthDeep, Earth, EarthLight};
    for (int y = kHorizon + 10; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float depth = float(y - kHorizon) / float(H - kHorizon);
            const float n = valueNoise(float(x), float(y) * 2.5f, 28, 301) * 0.65f + valueNoise(float(x), float(y) * 2.f, 8, 302) * 0.35f;
            const float band = std::exp(-std::pow((float(y) - 172.f) / 38.f, 2.f));
            const bool mud = n * 0.9f + band * 0.55f > 0.78f;
            // light from the low sun on the right, fading toward the viewer
            const float sun = std::clamp((float(x) - 200.f) / 280.f, 0.f, 1.f) * (1.f - depth);
            const float t = std::clamp(0.25f + (n - 0.5f) * 0.6f + sun * 0.45f - depth * 0.25f, 0.f, 1.f);
            sf::Color col = menus::rampDither(mud ? mudR : grass, 3, t, x, y, 0.5f);
            if (mud && n > 0.9f - band * 0.2f && bayer(x, y) < 0.5f) col = pal(Night);
            if (depth > 0.7f && bayer(x, y) < (depth - 0.7f) * 1.6f) col = pal(mud ? EarthDeep : GrassDeep);
            c.px(x, y, col);
        }
    // grass tufts
    for (int i = 0; i < 260; ++i) {
        const int x = int(hashNoise(i, 3, 88) * W), y = kHorizon + 14 + int(hashNoise(i, 4, 88) * (H - kHorizon - 20));
        const int h = 1 + (y - kHorizon) / 40;
        for (int k = 0; k < h; ++k) {
            c.px(x, y - k, pal(k == h - 1 ? GrassLight : Grass));
            c.px(x + 2, y - k + 1, pal(Grass));
        }
    }
    // puddles reflecting the sky
    for (int k = 0; k < 4; ++k) {
        const int px = 60 + k * 110 + int(hashNoise(k, 5, 9) * 40), py = 150 + int(hashNoise(k, 6, 9) * 70);
        const int rx = 10 + k * 2, ry = 2 + k / 2;
        for (int y = -ry; y <= ry; ++y)
            for (int x = -rx; x <= rx; ++x)
                if (float(x * x) / float(rx * rx) + float(y * y) / float(ry * ry) <= 1.f)
                    c.px(px + x, py + y, pal(y < 0 ? (x < 0 ? PlumLight : Plum) : Ember));
    }
}

void debris(Canvas& c) {
    // broken spears and swords stuck in the ground, a fallen banner, rocks
    struct Stake {
        int x, y, len;
        float lean;
    };
    const Stake stakes[] = {{30, 140, 22, -0.3f}, {120, 132, 14, 0.25f}, {205, 138, 16, -0.15f}, {272, 134, 18, 0.35f},
                            {330, 146, 20, -0.25f}, {455, 150, 24, 0.2f}, {10, 205, 30, 0.3f}, {470, 215, 28, -0.35f}};
    for (const Stake& s : stakes) {
        const int ex = s.x + int(s.lean * float(s.len)), ey = s.y - s.len;
        c.line(s.x, s.y, ex, ey, pal(EarthDeep));
        c.line(s.x + 1, s.y, ex + 1, ey, pal(Earth));
        c.px(ex, ey - 1, pal(Silver));
        c.px(ex + 1, ey - 1, pal(Cloud));
        c.px(ex, ey - 2, pal(Cloud));
        c.px(s.x - 1, s.y + 1, pal(Ink, 120));
        c.px(s.x + 2, s.y + 1, pal(Ink, 120));
    }
    // torn banner on a leaning pole, left side
    c.line(405, 160, 418, 118, pal(EarthDeep));
    c.line(406, 160, 419, 118, pal(Earth));
    for (int y = 120; y < 136; ++y)
        for (int x = 420; x < 436 - (y - 120) / 3; ++x)
            if (!((y > 130) && (x % 5 == 0))) c.px(x, y, pal(y < 123 ? Ember : (x > 430 ? BloodDeep : Blood)));
    // rocks
    for (int k = 0; k < 7; ++k) {
        const int rx = int(hashNoise(k, 1, 55) * 460) + 10, ry = 140 + int(hashNoise(k, 2, 55) * 100);
        const int r = 2 + k % 3 + (ry - 130) / 40;
        for (int y = -r; y <= 0; ++y)
            for (int x = -r - 1; x <= r + 1; ++x)
                if (x * x + y * y * 3 <= r * r * 2) c.px(rx + x, ry + y, pal(y < -r / 2 && x < 0 ? Steel : Slate));
        for (int x = -r; x <= r + 2; ++x) c.blend(rx + x + 1, ry + 1, pal(Ink, 90));
    }
}

} // namespace

void drawBackground() {
    Canvas c(W, H);
    sky(c);
    hills(c);
    field(c);
    debris(c);
    menus::vignette(c, 0, 150, 0.35f);
    c.save(out("Sprites/Fight/BackgroundFight2.png"));
}

void drawHudBattle() {
    // authored at 480 x 270 and enlarged x4 so its pixels match the backdrop's
    Canvas c(W, H);
    constexpr int top = 229;
    for (int y = top; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            // the band's upper edge dips in the middle, leaving room for the hand of cards
            const float mid = std::exp(-std::pow((float(x) - 240.f) / 95.f, 2.f));
            const int edge = top + int(mid * 8.f);
            if (y < edge) continue;
            int col = Night;
            if (y == edge) col = Ink;
            else if (y == edge + 1) col = GoldLight;
            else if (y == edge + 2) col = Gold;
            else if (y == edge + 3) col = Earth;
            else if (y == edge + 4) col = Ink;
            else {
                // dark iron plates with seams every 40 pixels
                col = (x % 40 == 0) ? Ink : (x % 40 == 1 ? Slate : (bayer(x, y) < 0.12f ? Slate : Night));
                if (y == H - 1) col = Ink;
            }
            c.px(x, y, pal(col));
        }
    // rivets along the band and gold corner pieces
    for (int x = 20; x < W; x += 40) {
        const float mid = std::exp(-std::pow((float(x) - 240.f) / 95.f, 2.f));
        const int y = top + int(mid * 8.f) + 8;
        c.px(x, y, pal(Silver));
        c.px(x + 1, y + 1, pal(Ink));
    }
    for (int side = 0; side < 2; ++side)
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14 - y; ++x) {
                const int px = side ? W - 1 - x : x;
                c.px(px, top + 5 + y, pal((x + y) % 4 == 0 ? GoldLight : Gold));
            }
    // a thin shade line above the band so it sits on the ground
    for (int x = 0; x < W; ++x) {
        const float mid = std::exp(-std::pow((float(x) - 240.f) / 95.f, 2.f));
        const int y = top + int(mid * 8.f) - 1;
        c.px(x, y, pal(Ink, 110));
    }
    menus::upscale(c, 4).save(out("Sprites/Fight/HUDBattle.png"));
}

} // namespace fight
