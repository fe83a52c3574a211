// Hit and boost effects: a fiery explosion, a bright impact star, and the rising glows of a
// defense boost (steel-blue shields) and an attack boost (embers and upward blades).
#include "fight_ui.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

// A soft round blob of one colour, lit from the top-left edge.
void blob(Canvas& c, float cx, float cy, float r, int col, int lit, std::uint8_t a) {
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d > r) continue;
            const bool edge = d > r - 1.5f && dx + dy < 0;
            c.blend(x, y, pal(edge ? lit : col, a));
        }
}

void explosionFrame(Canvas& c, int f) {
    const float cx = 30.f, cy = 36.f;
    const float t = float(f) / 7.f;
    if (f < 5) {
        // fire ball growing, its core burning out
        const float r = 8.f + 18.f * std::sqrt(t / 0.6f) * 0.9f;
        for (int k = 0; k < 7; ++k) {
            const float a = float(k) * 2.f * kPi / 7.f + 0.4f;
            const float rr = r * (0.45f + 0.2f * hashNoise(k, f, 3));
            blob(c, cx + std::cos(a) * r * 0.45f, cy + std::sin(a) * r * 0.4f, rr, Blood, Ember, 255);
        }
        blob(c, cx, cy, r * 0.7f, Ember, GoldLight, 255);
        if (f < 4) blob(c, cx - 1, cy - 1, r * 0.45f * (1.f - t), GoldLight, White, 255);
    }
    if (f >= 3) {
        // smoke taking over, rising and thinning
        const float s = float(f - 3) / 4.f;
        for (int k = 0; k < 6; ++k) {
            const float a = float(k) * 2.f * kPi / 6.f;
            blob(c, cx + std::cos(a) * (10.f + 6.f * s), cy - 8.f * s + std::sin(a) * (8.f + 5.f * s), 7.f + 4.f * s, Slate,
                 Steel, std::uint8_t(220 * (1.f - s * 0.8f)));
        }
    }
    // flying embers
    for (int k = 0; k < 12; ++k) {
        const float a = hashNoise(k, 1, 7) * 2 * kPi;
        const float d = (6.f + 24.f * t) * (0.6f + 0.4f * hashNoise(k, 2, 7));
        const int x = int(cx + std::cos(a) * d), y = int(cy + std::sin(a) * d * 0.8f + t * t * 6.f);
        if (f < 7) c.rect(x, y, 2, 2, pal(k % 3 ? GoldLight : Ember));
    }
}

void impactFrame(Canvas& c, int f) {
    const float cx = 35.f, cy = 32.f;
    const float t = float(f) / 7.f;
    const float r = 6.f + 26.f * std::sqrt(t);
    const std::uint8_t a = std::uint8_t(255 * (1.f - t * 0.75f));
    // rays
    for (int k = 0; k < 10; ++k) {
        const float ang = float(k) * kPi / 5.f + 0.2f;
        const float len = (k % 2 ? 1.f : 0.6f) * r;
        const float r0 = r * 0.35f;
        for (float d = r0; d < len; d += 0.5f) {
            const int x = int(cx + std::cos(ang) * d), y = int(cy + std::sin(ang) * d);
            const float w = (1.f - (d - r0) / (len - r0)) * 2.f;
            for (int i = 0; i <= int(w); ++i) c.blend(x + i, y, pal(d < len * 0.6f ? White : GoldLight, a));
        }
    }
    // ring
    for (int y = 0; y < 65; ++y)
        for (int x = 0; x < 70; ++x) {
            const float d = std::hypot(float(x) + 0.5f - cx, (float(y) + 0.5f - cy) * 1.1f);
            if (std::fabs(d - r * 0.8f) < 1.2f) c.blend(x, y, pal(Cloud, a));
        }
    if (f < 3) blob(c, cx, cy, 8.f - 2.f * float(f), White, White, 255);
}

// Rising column of glyphs: `shield` true draws little shields, false draws upward chevrons.
void boostFrame(Canvas& c, int f, bool shield) {
    const int core = shield ? WaterLight : Ember, light = shield ? Foam : GoldLight, dark = shield ? Water : Blood;
    // a glowing column from the feet up
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 81; ++x) {
            const float dx = (float(x) - 40.f) / 26.f;
            const float v = 1.f - dx * dx;
            if (v <= 0) continue;
            const float fade = float(y) / 100.f;
            const float a = v * fade * 0.5f;
            if (bayer(x, y + f) < a) c.blend(x, y, pal(core, 110));
        }
    // base ring on the ground
    for (int x = 8; x < 73; ++x) {
        const float dx = (float(x) - 40.f) / 32.f;
        const int y = 92 + int(std::sqrt(std::max(0.f, 1.f - dx * dx)) * 4.f);
        c.px(x, y, pal(light, 200));
        c.px(x, 184 - y, pal(core, 160));
    }
    // glyphs rising: each climbs 12 pixels a frame and loops
    for (int k = 0; k < 6; ++k) {
        const float gx = 14.f + hashNoise(k, 1, shield ? 5 : 6) * 52.f;
        const int gy = int(90 - std::fmod(float(f) * 14.f + float(k) * 16.f, 90.f));
        const std::uint8_t a = std::uint8_t(255 * std::min(1.f, float(gy) / 30.f));
        if (shield) {
            for (int y = 0; y < 9; ++y) {
                const int half = y < 5 ? 3 : 3 - (y - 4);
                for (int x = -half; x <= half; ++x)
                    c.blend(int(gx) + x, gy + y, pal(std::abs(x) == half || y == 0 ? light : (x < 0 ? core : dark), a));
            }
        } else {
            for (int y = 0; y < 8; ++y) {
                const int half = y < 4 ? y : 1;
                for (int x = -half; x <= half; ++x)
                    if (y < 4 ? std::abs(x) >= half - 1 : true) c.blend(int(gx) + x, gy + y, pal(y < 2 ? light : core, a));
            }
        }
    }
    // sparkles
    for (int k = 0; k < 10; ++k) {
        const int x = 6 + int(hashNoise(k, f, shield ? 8 : 9) * 68), y = int(hashNoise(k, f + 20, 9) * 95);
        c.px(x, y, pal(White, 220));
        if (k % 2) {
            c.px(x - 1, y, pal(light, 160));
            c.px(x + 1, y, pal(light, 160));
            c.px(x, y - 1, pal(light, 160));
            c.px(x, y + 1, pal(light, 160));
        }
    }
}

} // namespace

void drawEffects() {
    {
        Canvas sheet(480, 64);
        for (int f = 0; f < 8; ++f) {
            Canvas c(60, 64);
            explosionFrame(c, f);
            sheet.blit(c, f * 60, 0);
        }
        sheet.save(out("Sprites/Fight/Explosion.png"));
    }
    {
        Canvas sheet(560, 65);
        for (int f = 0; f < 8; ++f) {
            Canvas c(70, 65);
            impactFrame(c, f);
            sheet.blit(c, f * 70, 0);
        }
        sheet.save(out("Sprites/Fight/Impact.png"));
    }
    for (int kind = 0; kind < 2; ++kind) {
        Canvas sheet(486, 100);
        for (int f = 0; f < 6; ++f) {
            Canvas c(81, 100);
            boostFrame(c, f, kind == 0);
            sheet.blit(c, f * 81, 0);
        }
        sheet.save(out(kind == 0 ? "Sprites/Fight/BoostDef.png" : "Sprites/Fight/BoostAttack.png"));
    }
}

} // namespace fight
