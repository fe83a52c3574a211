// The victory scene: ten frames of a festival night at the castle (fireworks, bonfires and a
// cheering crowd), and the veil laid over the window behind it.
#include "menus_scenes.hpp"

#include "menus_scene_parts.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace menus {

namespace {

constexpr int kFrameW = 240, kFrameH = 135, kFrames = 10;

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

// Festive dusk: deep blue overhead, plum and ember glow on the horizon. Stars twinkle.
void paintFestiveSky(Canvas& c, int f) {
    const int sky[6] = {Night, WaterDeep, WaterDeep, Plum, PlumLight, Ember};
    for (int y = 0; y < 112; ++y)
        for (int x = 0; x < kFrameW; ++x) c.px(x, y, rampDither(sky, 6, float(y) / 108.f, x, y, 0.5f));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < kFrameW; ++x)
            if (chance(x, y, 601, 0.006f)) {
                // Stars twinkle: a few dim every other frame.
                const bool tw = hashNoise(x, y, 602) < 0.3f && ((f + x) % 4 < 2);
                c.px(x, y, pal(tw ? Steel : (hashNoise(x, y, 603) > 0.5f ? White : Cloud)));
            }
}

// Fireworks, each at its own point of its ten-frame loop.
void launchFireworks(Canvas& c, int f) {
    const Burst bursts[6] = {
        {36, 28, 22, 0, White, GoldLight, Gold},   {204, 24, 24, 3, White, Ember, Blood},
        {120, 12, 16, 6, White, TealLight, Teal},  {18, 74, 14, 8, White, PlumLight, Plum},
        {226, 72, 16, 5, White, GoldLight, Ember}, {82, 44, 12, 2, White, Foam, WaterLight},
    };
    for (const Burst& b : bursts) firework(c, b, f);
}

// Distant hills, then the castle hill lit by the bonfires, with the castle on it.
void paintCastleHill(Canvas& c, float phase) {
    for (int x = 0; x < kFrameW; ++x) {
        const int top = 104 - int(valueNoise(float(x), 1.f, 30, 611) * 10.f);
        for (int y = top; y < kFrameH; ++y) c.px(x, y, pal(y - top < 1 ? Plum : Night));
    }
    // Castle hill, lit by the bonfires.
    for (int y = 90; y < kFrameH; ++y)
        for (int x = 0; x < kFrameW; ++x) {
            const float dx = (float(x) - 120.f) / 120.f;
            const float top = 111.f + dx * dx * 30.f;
            if (float(y) < top) continue;
            int col = GrassDeep;
            if (float(y) - top < 1.f) col = x < 120 ? GrassLight : Leaf;
            else if (float(y) - top < 3.f && x < 120) col = Leaf;
            c.px(x, y, pal(col));
        }
    castle(c, 88, 116, 1, phase, 621);
}

// Festival banners hanging from the wall, swaying.
void hangBanners(Canvas& c, float phase) {
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
}

// Bonfires on both sides of the hill, sparks rising from them.
void lightBonfires(Canvas& c, int f) {
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
}

// Cheering crowd along the bottom.
void gatherCrowd(Canvas& c, int f) {
    const int cloths[6] = {Blood, Teal, Plum, Earth, Steel, Gold};
    for (int i = 0; i < 24; ++i) {
        const int x = 6 + i * 10 + int(hashNoise(i, 0, 631) * 5.f);
        const int h = 12 + int(hashNoise(i, 1, 631) * 5.f);
        const bool up = ((f / 2) + i) % 2 == 0;
        const int cloth = cloths[int(hashNoise(i, 3, 631) * 6.f) % 6];
        cheerer(c, x, kFrameH + 3, h, cloth, up, hashNoise(i, 2, 631) < 0.22f, f + i);
    }
}

} // namespace

Canvas winSheet() {
    Sheet sheet(kFrameW, kFrameH, kFrames, 1);
    for (int f = 0; f < kFrames; ++f) {
        sheet.frame(unsigned(f), 0, [&](Canvas& c) {
            const float phase = float(f) / float(kFrames) * 2.f * kPi;
            paintFestiveSky(c, f);
            launchFireworks(c, f);
            paintCastleHill(c, phase);
            hangBanners(c, phase);
            lightBonfires(c, f);
            gatherCrowd(c, f);
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

} // namespace menus
