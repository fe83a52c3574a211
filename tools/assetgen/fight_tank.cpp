// The enemy war machine in the card battle: the map's siege ram on wheels, drawn four times
// bigger. Idle: engine rumble and chimney smoke. Attack: the ram draws back and slams forward.
// Death: it bursts, sheds its roof, chimney, banner and a wheel, and burns down to a wreck.
#include "fight_heroes.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

Ramp ironR() { return units::ramp(Ink, Night, Slate); }
Ramp plateR() { return units::ramp(Night, Slate, Steel); }
Ramp bloodR() { return units::ramp(BloodDeep, Blood, Ember); }
Ramp boneR() { return units::ramp(Sand, SandLight, White); }

constexpr int kW = 364, kH = 206;

// Map-sheet coordinates (u forward, y from the 64-pixel frame's top) to model space.
V M(float u, float y) { return {u, y - units::kGround}; }

void spike(Canvas& c, const Pen& p, V base, V dir, float len, float halfW) {
    shade(c, p, boneR(), [&](Canvas& m) { pol(m, p, units::local(base, dir, {{0, -halfW}, {len, 0}, {0, halfW}})); });
}

// Pixels of colour `from` inside the shape become `to` where the ordered dither says so.
void grain(Canvas& c, int from, int to, float ratio, int x0, int y0, int x1, int y1) {
    for (int y = std::max(0, y0); y < std::min(int(c.height()), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(int(c.width()), x1); ++x)
            if (c.get(x, y) == pal(from) && bayer(x, y) < ratio) c.px(x, y, pal(to));
}

void wheel(Canvas& c, const Pen& p, V centre, float r, float turn) {
    shade(c, p, ironR(), [&](Canvas& m) { ovl(m, p, centre, r, r); }, 2);
    shade(c, p, woodR(), [&](Canvas& m) { ovl(m, p, centre, r - 1.5f, r - 1.5f); });
    shade(c, p, units::ramp(Ink, Ink, EarthDeep), [&](Canvas& m) { ovl(m, p, centre, r - 3.f, r - 3.f); });
    shade(c, p, units::ramp(Earth, EarthLight, Sand), [&](Canvas& m) {
        for (int k = 0; k < 6; ++k) {
            const float a = turn + float(k) * kPi / 3.f;
            cap(m, p, centre, centre + V{std::cos(a), std::sin(a)} * (r - 2.2f), 0.6f);
        }
    });
    shade(c, p, plateR(), [&](Canvas& m) { ovl(m, p, centre, 1.6f, 1.6f); });
    for (int k = 0; k < 8; ++k) {
        const float a = turn + kPi / 8.f + float(k) * kPi / 4.f;
        const V s = p.to(centre + V{std::cos(a), std::sin(a)} * (r - 0.7f));
        c.rect(int(s.x) - 1, int(s.y) - 1, 2, 2, pal(Silver));
    }
}

void banner(Canvas& c, const Pen& p, float flutter) {
    shade(c, p, woodR(), [&](Canvas& m) { cap(m, p, M(-12.f, 31.f), M(-12.f, 15.f), 0.7f); });
    spike(c, p, M(-12.f, 15.5f), {0.f, -1.f}, 2.5f, 1.f);
    shade(c, p, bloodR(), [&](Canvas& m) {
        pol(m, p, {M(-12.5f, 16.5f), M(-19.f, 17.f + flutter), M(-16.5f, 20.f + flutter * 0.5f), M(-19.f, 23.5f - flutter * 0.5f),
                   M(-12.5f, 23.f)});
    });
    for (float u = -13.f; u > -17.f; u -= 0.5f) dot(c, p, M(u, 19.5f), pal(Ink));
}

void ram(Canvas& c, const Pen& p, float slide) {
    const float s = slide;
    shade(c, p, woodR(), [&](Canvas& m) { cap(m, p, M(-6.f + s, 37.f), M(22.f + s, 37.f), 2.8f); }, 2);
    Canvas bands(c.width(), c.height());
    shade(c, p, ironR(), [&](Canvas& m) {
        cap(m, p, M(14.f + s, 34.f), M(14.f + s, 40.f), 1.f);
        cap(m, p, M(18.5f + s, 34.f), M(18.5f + s, 40.f), 1.f);
    });
    shade(c, p, plateR(), [&](Canvas& m) {
        pol(m, p, {M(19.f + s, 32.5f), M(24.f + s, 32.5f), M(28.f + s, 35.f), M(29.f + s, 38.f), M(27.5f + s, 41.f), M(19.f + s, 41.5f)});
    }, 2);
    shade(c, p, boneR(), [&](Canvas& m) { ovl(m, p, M(21.5f + s, 36.f), 3.2f, 3.2f); });
    shade(c, p, units::ramp(Sand, Sand, Sand), [&](Canvas& m) { ovl(m, p, M(21.5f + s, 36.f), 1.2f, 1.2f); });
    dot(c, p, M(21.5f + s, 36.f), pal(EarthDeep));
    const V eye = p.to(M(25.5f + s, 35.5f));
    c.rect(int(eye.x) - 1, int(eye.y) - 1, 3, 2, pal(Ember));
}

void chassis(Canvas& c, const Pen& p) {
    shade(c, p, woodR(), [&](Canvas& m) { pol(m, p, {M(-19.f, 41.f), M(18.f, 41.f), M(17.f, 47.f), M(-18.f, 47.f)}); }, 2);
    for (float u : {-14.f, -4.f, 6.f, 14.f}) {
        const V a = p.to(M(u, 41.5f)), b = p.to(M(u, 46.5f));
        c.line(int(a.x), int(a.y), int(b.x), int(b.y), pal(EarthDeep));
    }
    for (float y : {43.f, 45.f}) {
        const V a = p.to(M(-17.5f, y)), b = p.to(M(16.5f, y));
        for (int x = int(std::min(a.x, b.x)); x < int(std::max(a.x, b.x)); ++x)
            if (c.get(x, int(a.y)) == pal(Earth) && hashNoise(x / 3, int(y), 5) < 0.7f) c.px(x, int(a.y), pal(EarthDeep));
    }
}

// The armoured housing with its trim, drape, vision slit and roof spikes; `glow` 0..1 lights the slit.
void housing(Canvas& c, const Pen& p, float glow, bool roof) {
    shade(c, p, plateR(), [&](Canvas& m) {
        pol(m, p, {M(-17.f, 42.f), M(-15.f, 30.f), M(-7.f, 24.f), M(7.f, 24.f), M(13.f, 30.f), M(14.f, 42.f)});
    }, 2);
    // plate seams and rivets
    Canvas seams(c.width(), c.height());
    for (float y : {30.f, 36.f}) cap(seams, p, M(-15.f, y), M(13.f, y), 0.2f);
    for (float u : {-6.f, 4.f}) cap(seams, p, M(u, 30.5f), M(u, 41.f), 0.2f);
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x)
            if (seams.opaque(x, y) && c.get(x, y) == pal(Slate)) c.px(x, y, pal(Night));
    for (float u = -12.f; u <= 10.f; u += 2.75f)
        for (float y : {31.5f, 37.5f}) {
            const V q = p.to(M(u, y));
            if (c.get(int(q.x), int(q.y)) == pal(Slate)) {
                c.rect(int(q.x), int(q.y), 2, 2, pal(Silver));
                c.px(int(q.x) + 1, int(q.y) + 1, pal(Steel));
            }
        }
    grain(c, Slate, Night, 0.25f, 0, int(p.to(M(0, 39.f)).y), int(c.width()), int(p.to(M(0, 42.f)).y));
    shade(c, p, bloodR(), [&](Canvas& m) {
        pol(m, p, {M(-15.5f, 30.f), M(-7.f, 24.5f), M(7.f, 24.5f), M(13.f, 30.f), M(11.5f, 30.5f), M(6.5f, 26.f), M(-6.5f, 26.f), M(-14.f, 31.f)});
    });
    shade(c, p, bloodR(), [&](Canvas& m) {
        pol(m, p, {M(-5.f, 31.f), M(3.f, 31.f), M(3.f, 38.f), M(1.5f, 40.f), M(0.f, 38.5f), M(-2.f, 40.5f), M(-3.5f, 38.5f), M(-5.f, 40.f)});
    });
    shade(c, p, boneR(), [&](Canvas& m) {
        ovl(m, p, M(-1.f, 34.5f), 1.8f, 1.6f);
        pol(m, p, {M(-2.f, 35.5f), M(0.f, 35.5f), M(0.f, 37.f), M(-2.f, 37.f)});
    });
    dot(c, p, M(-1.7f, 34.5f), pal(Ink));
    dot(c, p, M(-0.3f, 34.5f), pal(Ink));
    // vision slit: burning eyes while the machine lives
    shade(c, p, units::ramp(Ink, Ink, Ink), [&](Canvas& m) { cap(m, p, M(6.f, 31.f), M(10.5f, 31.f), 0.55f); });
    if (glow > 0) {
        for (float u : {7.f, 9.5f}) {
            const V q = p.to(M(u, 31.f));
            c.rect(int(q.x) - 1, int(q.y) - 1, 3, 2, pal(glow > 0.5f ? Ember : Blood));
            if (glow > 0.5f) c.px(int(q.x), int(q.y) - 1, pal(GoldLight));
        }
    }
    if (roof) {
        for (float u : {-9.f, -3.f, 3.f}) spike(c, p, M(u, 24.5f), {0.f, -1.f}, 4.f, 1.2f);
        spike(c, p, M(11.f, 28.f), {0.8f, -0.8f}, 3.5f, 1.1f);
    }
}

void chimney(Canvas& c, const Pen& p) {
    shade(c, p, ironR(), [&](Canvas& m) {
        pol(m, p, {M(-5.f, 17.f), M(-2.f, 17.f), M(-2.f, 25.f), M(-5.f, 25.f)});
        pol(m, p, {M(-5.5f, 16.f), M(-1.5f, 16.f), M(-1.5f, 18.f), M(-5.5f, 18.f)});
    });
}

// Soft puff (no outline): lit on its top-left rim.
void puff(Canvas& fx, const Pen& p, V at, float r, std::uint8_t a, int lit, int dark) {
    Canvas m(fx.width(), fx.height());
    ovl(m, p, at, r, r * 0.85f);
    for (int y = 0; y < int(m.height()); ++y)
        for (int x = 0; x < int(m.width()); ++x) {
            if (!m.opaque(x, y)) continue;
            const bool edgeLit = !m.opaque(x - 2, y - 2);
            fx.blend(x, y, pal(edgeLit ? lit : dark, a));
        }
}

// A flickering flame of height h (model units) rooted at `base`; `seed` varies its dance.
void flame(Canvas& fx, const Pen& p, V base, float h, int frame, int seed) {
    const float w = h * 0.45f;
    const float lean = (hashNoise(frame, seed, 31) - 0.5f) * h * 0.5f;
    const float hh = h * (0.75f + 0.5f * hashNoise(frame, seed, 17));
    const int layers[3] = {Blood, Ember, GoldLight};
    for (int l = 0; l < 3; ++l) {
        const float k = 1.f - 0.3f * float(l);
        Canvas m(fx.width(), fx.height());
        pol(m, p, {base + V{-w * k, 0.f}, base + V{-w * k * 0.7f, -hh * k * 0.5f}, base + V{lean * k, -hh * k},
                   base + V{w * k * 0.6f, -hh * k * 0.45f}, base + V{w * k, 0.f}});
        ovl(m, p, base + V{0.f, -0.3f}, w * k, w * k * 0.5f);
        for (int y = 0; y < int(m.height()); ++y)
            for (int x = 0; x < int(m.width()); ++x)
                if (m.opaque(x, y)) fx.px(x, y, pal(layers[l]));
    }
}

// Sparks and embers: short bright dashes thrown from `at`.
void sparks(Canvas& fx, const Pen& p, V at, float spread, int count, int frame, int seed) {
    for (int i = 0; i < count; ++i) {
        const float a = hashNoise(i, seed, 3) * 2 * kPi;
        const float d = spread * (0.3f + 0.7f * hashNoise(i, seed + frame, 9));
        const V q = p.to(at + V{std::cos(a) * d, std::sin(a) * d * 0.7f - spread * 0.2f});
        fx.rect(int(q.x), int(q.y), 2, 2, pal(i % 3 ? GoldLight : Ember));
    }
}

struct TankState {
    float bodyDy = 0, slide = 0, shiftU = 0, tiltDeg = 0, flutter = 0, glow = 1, wheelTurn = 0;
    bool roof = true, chim = true, flag = true;
    V chimOff{0, 0};
    float chimRot = 0;
    V flagOff{0, 0};
    float flagRot = 0;
    V wheelOff{0, 0};
    float wheelRot = 0;
    float char_ = 0; // 0..1: soot blackens the wreck
};

void drawTank(Canvas& fig, const Pen& base, const TankState& s) {
    Pen p = base;
    p.shift = {s.shiftU, s.bodyDy};
    p.rot = rad(s.tiltDeg);
    p.pivot = M(14.f, 58.f);
    if (s.flag) {
        Pen q = p;
        q.shift = q.shift + s.flagOff;
        q.rot += rad(s.flagRot);
        q.pivot = M(-12.f, 31.f);
        banner(fig, q, s.flutter);
    }
    ram(fig, p, s.slide);
    chassis(fig, p);
    housing(fig, p, s.glow, s.roof);
    if (s.chim) {
        Pen q = p;
        q.shift = q.shift + s.chimOff;
        q.rot += rad(s.chimRot);
        q.pivot = M(-3.5f, 21.f);
        chimney(fig, q);
    }
    Pen wp = base;
    wp.shift = {s.shiftU, 0};
    wheel(fig, wp, M(-11.f, 50.5f), 7.5f, s.wheelTurn);
    Pen fw = base;
    fw.shift = V{s.shiftU, 0} + s.wheelOff;
    fw.rot = rad(s.wheelRot);
    fw.pivot = M(9.5f, 50.5f);
    wheel(fig, fw, M(9.5f, 50.5f), 7.5f, s.wheelTurn);
    if (s.char_ > 0) {
        // soot: the machine darkens as it burns
        for (int y = 0; y < int(fig.height()); ++y)
            for (int x = 0; x < int(fig.width()); ++x) {
                const sf::Color col = fig.get(x, y);
                if (col.a == 0) continue;
                if (bayer(x, y) < s.char_ * (0.4f + 0.6f * hashNoise(x / 6, y / 6, 77)))
                    fig.px(x, y, col == pal(Ink) ? pal(Ink) : pal(col.r + col.g + col.b > 300 ? Slate : Night));
            }
    }
}

void tankFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    TankState s;
    const V chimTop = M(-3.5f, 15.f);
    if (row == 0) {
        static const float shudder[5] = {0.f, -0.25f, 0.f, -0.25f, 0.f};
        s.bodyDy = shudder[i];
        s.flutter = std::sin(2 * kPi * float(i) / float(n)) * 0.8f;
        s.glow = i % 2 ? 0.4f : 1.f;
        drawTank(fig, p, s);
        for (int k = 0; k < 3; ++k) {
            const float age = std::fmod(float(i) / float(n) + float(k) / 3.f, 1.f);
            puff(fx, p, chimTop + V{-age * 7.f, -age * 12.f}, 1.8f + age * 3.f, std::uint8_t(190 * (1.f - age * 0.8f)), Silver, Steel);
        }
        return;
    }
    if (row == 1) {
        static const float slide[7] = {-3.f, -5.f, 8.f, 12.f, 11.f, 5.f, 0.f};
        static const float lurch[7] = {-1.f, -1.5f, 2.f, 3.f, 2.5f, 1.f, 0.f};
        static const float tilt[7] = {-2.f, -3.f, 2.f, 3.f, 2.f, 1.f, 0.f};
        s.slide = slide[i];
        s.shiftU = lurch[i];
        s.tiltDeg = tilt[i];
        s.wheelTurn = lurch[i] * 0.25f;
        s.flutter = -1.f + float(i % 3);
        s.glow = 1.f;
        drawTank(fig, p, s);
        if (i == 1) for (int k = 0; k < 3; ++k) puff(fx, p, chimTop + V{-2.f * float(k), -3.f * float(k)}, 2.5f + float(k), 200, Cloud, Silver);
        if (i >= 2 && i <= 4) {
            const V tip = M(29.5f + s.slide + s.shiftU, 37.f);
            const float r = 2.f + 2.f * float(i - 2);
            puff(fx, p, tip, r + 2.f, std::uint8_t(200 - 50 * (i - 2)), Sand, EarthLight);
            sparks(fx, p, tip, 6.f + 3.f * float(i - 2), 14, i, 11);
            for (int k = -1; k <= 1; ++k)
                streak(fx, p, tip + V{-14.f, float(k) * 3.f}, tip + V{-5.f, float(k) * 3.f}, 0.3f, Cloud, 140);
        }
        for (int k = 0; k < 2; ++k) {
            const float age = std::fmod(float(i) / float(n) + float(k) * 0.5f, 1.f);
            puff(fx, p, chimTop + V{-age * 8.f, -age * 12.f}, 2.f + age * 3.f, std::uint8_t(180 * (1.f - age * 0.8f)), Silver, Steel);
        }
        return;
    }
    // death: 28 frames
    const float t = float(i) / float(n - 1);
    s.glow = i < 3 ? (i % 2 ? 0.3f : 1.f) : 0.f;
    s.bodyDy = i < 4 ? (i % 2 ? -0.5f : 0.25f) : 0.f;
    if (i >= 5) {
        // the blast: roof spikes and chimney thrown off, the banner topples back
        const float a = std::min(1.f, float(i - 5) / 6.f);
        s.roof = false;
        s.chimOff = V{-10.f * a, -18.f * a + 30.f * a * a};
        s.chimRot = -160.f * a;
        s.chim = i < 12;
        s.flagRot = -80.f * std::min(1.f, float(i - 5) / 5.f);
        s.flagOff = V{-2.f, 0.f} * a;
    }
    if (i >= 10) {
        // the front wheel breaks away and the nose drops onto the ram
        const float a = std::min(1.f, float(i - 10) / 5.f);
        s.wheelOff = V{4.f * a, 1.5f * a};
        s.wheelRot = 70.f * a;
        s.tiltDeg = 7.f * a;
        s.bodyDy = 3.5f * a;
        s.slide = -2.f * a;
    }
    s.char_ = std::clamp((t - 0.25f) * 1.4f, 0.f, 0.85f);
    drawTank(fig, p, s);
    if (i < 5) sparks(fx, p, M(4.f, 30.f), 8.f + 2.f * float(i), 10 + 3 * i, i, 21);
    if (i >= 4 && i <= 10) {
        // fireball
        const float a = float(i - 4) / 6.f;
        const V c = M(-1.f, 28.f);
        puff(fx, p, c + V{0, -a * 6.f}, 6.f + a * 10.f, std::uint8_t(230 * (1.f - a * 0.6f)), Steel, Slate);
        puff(fx, p, c, 5.f + a * 8.f * (1.f - a), std::uint8_t(255 * (1.f - a)), GoldLight, Ember);
        sparks(fx, p, c, 10.f + a * 16.f, 24, i, 41);
    }
    if (i >= 6) {
        // fires: they grow, rage, then sink to embers
        const float life = std::clamp(float(i - 6) / 6.f, 0.f, 1.f) * (1.f - std::clamp(float(i - 20) / 10.f, 0.f, 0.7f));
        const V roots[5] = {M(-8.f, 27.f), M(0.f, 25.f), M(7.f, 27.5f), M(-13.f, 33.f), M(16.f, 36.f)};
        for (int k = 0; k < 5; ++k) {
            const V r = roots[k] + V{0.f, i >= 10 ? 3.5f * std::min(1.f, float(i - 10) / 5.f) : 0.f};
            flame(fx, p, r, (6.5f + 4.f * hashNoise(k, 0, 5)) * life + 1.5f, i, k);
        }
        for (int k = 0; k < 4; ++k) {
            const float age = std::fmod(float(i) / 7.f + float(k) / 4.f, 1.f);
            puff(fx, p, M(-2.f + 4.f * float(k) - age * 6.f, 20.f - age * 16.f), 2.5f + age * 5.f,
                 std::uint8_t(200 * (1.f - age * 0.7f)), Steel, Night);
        }
        sparks(fx, p, M(0.f, 24.f), 10.f, 8, i, 63);
    }
}

} // namespace

void drawTankSheet() {
    SheetLayout s;
    s.path = "Sprites/Fight/Tank.png";
    s.w = kW;
    s.h = kH;
    s.rows[0] = 5;
    s.rows[1] = 7;
    s.rows[2] = 28;
    s.s = 4.f;
    s.footX = 222;
    s.soleRow[0] = s.soleRow[1] = s.soleRow[2] = float(kH - 1);
    s.ally = false;
    drawFighterSheet(s, tankFrame);
}

} // namespace fight
