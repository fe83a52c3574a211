// The party in the card battle, part two: Light (bow), Heavy (axe) and Shield (tower shield).
#include "fight_heroes.hpp"

#include "units_types.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

const units::Build& heroBuild(int i) {
    static const std::vector<units::UnitDef> defs = units::heroUnits();
    return defs[size_t(i)].build;
}

Ramp leafR() { return units::ramp(GrassDeep, Leaf, LeafLight); }
Ramp leatherR() { return units::ramp(EarthDeep, Earth, EarthLight); }
Ramp jerkinR() { return units::ramp(Earth, EarthLight, Sand); }
Ramp bootR() { return units::ramp(Ink, EarthDeep, Earth); }
Ramp steelR() { return units::ramp(Slate, Steel, Silver); }
Ramp darkSteelR() { return units::ramp(Night, Slate, Steel); }
Ramp brightSteelR() { return units::ramp(Steel, Silver, Cloud); }
Ramp blueR() { return units::ramp(WaterDeep, Water, WaterLight); }

// ------------------------------------------------------------------ Light
// Bow held in the far hand across the aim line `aim` (degrees from up); the string meets at `nock`.
void bow(Canvas& c, const Pen& p, V grip, float aim, V nock, bool far) {
    const V a = fromUp(aim), n = fromUp(aim - 90.f);
    const V top = grip + n * 10.f - a * 2.f, bot = grip - n * 10.f - a * 2.f;
    const Ramp wood = far ? units::farSide(woodR()) : woodR();
    shade(c, p, wood, [&](Canvas& m) {
        crv(m, p, top, grip + n * 5.f + a * 2.f, grip, 0.8f);
        crv(m, p, grip, grip - n * 5.f + a * 2.f, bot, 0.8f);
    });
    const V t0 = p.to(top), b0 = p.to(bot), k0 = p.to(nock);
    c.line(int(t0.x), int(t0.y), int(k0.x), int(k0.y), pal(Cloud));
    c.line(int(k0.x), int(k0.y), int(b0.x), int(b0.y), pal(Cloud));
    shade(c, p, goldR(), [&](Canvas& m) { ovl(m, p, grip, 1.1f, 1.4f); });
}

void arrow(Canvas& c, const Pen& p, V nock, V dir, float len) {
    const V tip = nock + dir * len;
    shade(c, p, units::ramp(Earth, EarthLight, EarthLight), [&](Canvas& m) { cap(m, p, nock, tip, 0.45f); });
    shade(c, p, bladeR(), [&](Canvas& m) { pol(m, p, units::local(tip, dir, {{-1.f, -1.3f}, {2.5f, 0.f}, {-1.f, 1.3f}})); });
    shade(c, p, units::ramp(BloodDeep, Blood, Ember), [&](Canvas& m) {
        pol(m, p, units::local(nock, dir, {{0.f, -0.4f}, {3.f, -0.4f}, {0.5f, -1.6f}}));
        pol(m, p, units::local(nock, dir, {{0.f, 0.4f}, {3.f, 0.4f}, {0.5f, 1.6f}}));
    });
}

void drawLight(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, float aim, V nock, bool nocked, float sway) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const float back = 1.f - 0.75f * fallen(k);
    // quiver on the back with three fletched shafts
    shade(c, p, leatherR(), [&](Canvas& m) {
        pol(m, p, {k.chest + t.u * -2.5f + t.v * -1.f, k.chest + t.u * -5.5f + t.v * 0.f, k.pelvis + t.u * -5.f + t.v * -2.f,
                   k.pelvis + t.u * -2.f + t.v * -3.f});
    });
    for (int j = 0; j < 3; ++j) {
        const V base = k.chest + t.u * (-3.f - 1.f * float(j)) + t.v * -0.5f;
        shade(c, p, units::ramp(Cloud, White, White), [&](Canvas& m) { cap(m, p, base, base + t.v * -3.f + t.u * -0.6f, 0.5f); });
    }
    arm(c, p, k, 1, b, units::farSide(jerkinR()), units::farSide(skinR()));
    bow(c, p, k.hand[1], aim, nock, true);
    leg(c, p, k, 1, b, units::farSide(leatherR()), units::farSide(bootR()), 5.5f);
    torso(c, p, k, b, jerkinR());
    shade(c, p, leatherR(), [&](Canvas& m) { cap(m, p, t.at(-3.f, -2.f), t.at(3.f, -2.f), 1.f); });
    shade(c, p, leafR(), [&](Canvas& m) {
        pol(m, p, {k.chest + t.u * 2.5f + t.v * -2.f, k.chest + t.u * 3.5f + t.v * 2.5f, k.chest + t.u * -1.f + t.v * 5.f,
                   k.chest + t.u * -5.f * back + t.v * 3.5f, k.chest + t.u * -3.5f + t.v * -2.f});
    });
    leg(c, p, k, 0, b, leatherR(), bootR(), 5.5f);
    head(c, p, k, b, skinR(), pal(Ink));
    shade(c, p, leafR(), [&](Canvas& m) {
        pol(m, p, {h.at(3.5f, -5.f), h.at(5.f, -2.f), h.at(3.f, -2.5f), h.at(0.5f, -1.5f), h.at(-0.5f, 3.f), h.at(1.f, 6.f),
                   h.at(-4.5f, 6.f), h.at((-8.5f - sway) * back, 2.f), h.at(-4.5f, -4.f), h.at(0.f, -6.5f)});
    }, 2);
    dot(c, p, h.at(2.5f, -1.5f), pal(SkinShade));
    eye(c, p, h.at(b.headRX - 2.f, 0.f), pal(Ink));
    if (nocked) arrow(c, p, nock, fromUp(aim), 14.f);
    arm(c, p, k, 0, b, jerkinR(), skinR());
}

//                                   PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D  H1R  WEP    AUX
const std::vector<float> kLightRest{0.f, 0.5f, 2.f, 0.f, 3.5f, 0.f, -3.5f, 0.f, 30.f, 0.7f, 45.f, 0.85f, 135.f, 0.1f};

void lightFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = heroBuild(3);
    std::vector<float> v = kLightRest;
    float breath = 0, sway = 0;
    const float t = rowTime(i, n);
    bool nocked = true;
    if (row == 0) {
        breath = breathAt(i, n);
        sway = std::sin(2 * kPi * float(i) / float(n));
        v[H1D] += breath * 3.f;
        v[WEP] -= breath * 3.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {0.f, 0.5f, 0.f, -2.f, 3.5f, 0.f, -3.5f, 0.f, 80.f, 0.6f, 80.f, 0.9f, 100.f, 0.3f}},
            {0.3f, {-1.f, 1.f, -4.f, -2.f, 4.f, 0.f, -4.f, 0.f, 90.f, 0.5f, 90.f, 1.f, 88.f, 1.f}},
            {0.45f, {-1.f, 1.f, -4.f, -2.f, 4.f, 0.f, -4.f, 0.f, 90.f, 0.5f, 90.f, 1.f, 88.f, 1.f}},
            {0.55f, {-1.5f, 1.f, -6.f, -4.f, 4.f, 0.f, -4.f, 0.f, 60.f, 0.6f, 92.f, 1.f, 86.f, 0.f}},
            {0.75f, {-0.5f, 0.5f, -2.f, -2.f, 4.f, 0.f, -4.f, 0.f, 40.f, 0.7f, 80.f, 0.9f, 100.f, 0.f}},
            {1.0f, kLightRest}};
        v = sample(keys, t);
        nocked = t < 0.5f || t > 0.92f;
    } else {
        static const std::vector<Key> keys = {
            {0.0f, {-2.5f, 0.5f, -18.f, -16.f, 3.f, 0.f, -5.f, 0.f, 20.f, 0.8f, 30.f, 0.8f, 160.f, 0.f}},
            {0.35f, {-1.5f, 6.f, 12.f, 12.f, 1.f, 0.f, -7.f, 1.f, 35.f, 0.9f, 40.f, 0.9f, 170.f, 0.f}},
            {0.7f, {0.5f, 9.f, 55.f, 8.f, -4.f, -1.f, -8.f, -0.5f, 80.f, 0.9f, 75.f, 0.9f, 180.f, 0.f}},
            {1.0f, {-4.f, 10.5f, 88.f, -8.f, -13.f, -2.f, -15.f, -0.5f, 95.f, 0.9f, 90.f, 0.8f, 185.f, 0.f}}};
        v = sample(keys, t);
        sway = 1.f;
        nocked = false;
    }
    Skel k = poseFrom(b, v, breath);
    const V a = fromUp(v[WEP]);
    const V nock = k.hand[1] - a * (3.f + 8.f * v[AUX]);
    if (row == 1 && t < 0.5f) {
        k.hand[0] = nock;
        solve(k, b);
    }
    drawLight(fig, p, k, b, v[WEP], nocked ? nock : k.hand[1] - a * 3.f, nocked, sway);
    if (row == 1 && t >= 0.5f && t < 0.92f) {
        // the loosed arrow speeds off toward the foe
        const float fly = (t - 0.5f) / 0.42f;
        const V start = k.hand[1] + a * (4.f + fly * 10.f);
        arrow(fig, p, start, a, 9.f);
        streak(fx, p, start - a * 8.f, start, 0.35f, Cloud, 150);
        streak(fx, p, start - a * 6.f + V{0, -1.5f}, start - a * 1.f + V{0, -1.5f}, 0.3f, White, 90);
    }
}

// ------------------------------------------------------------------ Heavy
void axe(Canvas& c, const Pen& p, V hand, float deg) {
    const V d = fromUp(deg);
    const V butt = hand - d * 4.f, top = hand + d * 13.f;
    shade(c, p, woodR(), [&](Canvas& m) { cap(m, p, butt, top + d * 1.f, 1.f); });
    for (int s = -1; s <= 1; s += 2) {
        const float q = float(s);
        shade(c, p, brightSteelR(), [&](Canvas& m) {
            pol(m, p, units::local(top, d, {{-3.f, q * 1.f}, {-5.5f, q * 5.f}, {-3.f, q * 7.f}, {0.f, q * 7.5f}, {3.f, q * 7.f},
                                            {5.f, q * 5.f}, {2.5f, q * 1.f}}));
        });
    }
    shade(c, p, darkSteelR(), [&](Canvas& m) { cap(m, p, top - d * 2.5f, top + d * 2.5f, 1.4f); });
}

void drawHeavy(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, float axeDeg) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const Ramp pants = units::ramp(Ink, EarthDeep, Earth), boots = units::ramp(Earth, EarthLight, Sand);
    units::Build bs = b;
    bs.armR = 1.8f;
    arm(c, p, k, 1, bs, units::farSide(skinR()), units::farSide(skinR()));
    leg(c, p, k, 1, b, units::farSide(pants), units::farSide(boots), 4.5f);
    torso(c, p, k, b, leatherR());
    shade(c, p, units::ramp(EarthDeep, EarthDeep, Earth), [&](Canvas& m) { cap(m, p, t.at(-4.5f, -2.f), t.at(4.5f, -2.f), 1.3f); });
    shade(c, p, goldR(), [&](Canvas& m) { ovl(m, p, t.at(3.5f, -2.f), 1.2f, 1.2f); });
    leg(c, p, k, 0, b, pants, boots, 5.f);
    shade(c, p, units::ramp(Earth, EarthLight, Sand), [&](Canvas& m) { ovl(m, p, k.chest + t.u * -1.f + t.v * 0.5f, 6.f, 3.f, k.lean); }, 2);
    head(c, p, k, b, skinR(), pal(Ink));
    shade(c, p, units::ramp(EarthDeep, Earth, EarthLight), [&](Canvas& m) { ovl(m, p, h.at(-3.f, 0.5f), 2.5f, 3.f, k.lean + k.tilt); });
    shade(c, p, units::ramp(Earth, Gold, GoldLight), [&](Canvas& m) {
        pol(m, p, {h.at(-2.f, 0.5f), h.at(5.5f, 1.5f), h.at(5.f, 5.f), h.at(2.5f, 8.5f), h.at(-1.5f, 5.5f)});
    });
    shade(c, p, steelR(), [&](Canvas& m) {
        ovl(m, p, h.at(-0.5f, -2.f), 5.5f, 4.f, k.lean + k.tilt);
        cut(m, [&](Canvas& q) { pol(q, p, {h.at(-8.f, -1.f), h.at(8.f, -1.f), h.at(8.f, 8.f), h.at(-8.f, 8.f)}); });
        pol(m, p, {h.at(-6.f, -2.f), h.at(6.f, -2.f), h.at(6.f, -1.f), h.at(-6.f, -1.f)});
        cap(m, p, h.at(4.6f, -1.5f), h.at(4.6f, 0.5f), 0.6f);
    });
    eye(c, p, h.at(b.headRX - 2.f, 0.f), pal(Ink));
    axe(c, p, k.hand[0], axeDeg);
    arm(c, p, k, 0, bs, skinR(), skinR());
    shade(c, p, leatherR(), [&](Canvas& m) {
        cap(m, p, units::lerp(k.elbow[0], k.hand[0], 0.3f), units::lerp(k.elbow[0], k.hand[0], 0.75f), bs.armR + 0.2f);
    });
    shade(c, p, skinR(), [&](Canvas& m) { ovl(m, p, k.hand[0], 1.8f, 1.6f); });
}

//                                   PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D H1R WEP   AUX
const std::vector<float> kHeavyRest{0.f, 1.f, 6.f, 0.f, 4.f, 0.f, -4.f, 0.f, 30.f, 0.7f, 0, 0, 28.f, 0};

void heavyFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = heroBuild(4);
    std::vector<float> v = kHeavyRest;
    float breath = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        v[H0D] += breath * 3.f;
        v[WEP] += breath * 4.f;
        v[PY] += breath * 0.3f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-0.5f, 1.5f, 0.f, -3.f, 4.f, 0.f, -4.5f, 0.f, 80.f, 0.6f, 0, 0, 0.f, 0}},
            {0.15f, {-2.f, 2.5f, -10.f, -6.f, 4.f, 0.f, -5.f, 0.f, 135.f, 0.65f, 0, 0, -45.f, 0}},
            {0.28f, {-2.5f, 3.f, -14.f, -8.f, 3.5f, 0.f, -5.5f, 0.f, 145.f, 0.65f, 0, 0, -65.f, 0}},
            {0.36f, {0.f, -1.f, 0.f, -4.f, 6.f, -2.f, -4.f, -1.f, 120.f, 0.6f, 0, 0, 15.f, 0}},
            {0.46f, {3.f, 3.5f, 26.f, 8.f, 10.f, 0.f, -4.f, 0.f, 70.f, 0.85f, 0, 0, 130.f, 0}},
            {0.66f, {3.f, 3.5f, 28.f, 8.f, 10.f, 0.f, -4.f, 0.f, 65.f, 0.85f, 0, 0, 138.f, 0}},
            {0.8f, {1.f, 2.f, 10.f, 2.f, 7.f, 0.f, -4.5f, 0.f, 60.f, 0.75f, 0, 0, 80.f, 0}},
            {1.0f, kHeavyRest}};
        v = sample(keys, t);
    } else {
        static const std::vector<Key> keys = {
            {0.0f, {-2.5f, 1.f, -18.f, -16.f, 3.f, 0.f, -5.f, 0.f, 25.f, 0.8f, 0, 0, 15.f, 0}},
            {0.35f, {-1.f, 5.f, 12.f, 10.f, 1.f, 0.f, -6.f, 1.f, 45.f, 0.9f, 0, 0, 70.f, 0}},
            {0.7f, {0.5f, 8.f, 55.f, 6.f, -4.f, -1.f, -7.f, -0.5f, 75.f, 0.9f, 0, 0, 110.f, 0}},
            {1.0f, {-4.f, 9.f, 88.f, -8.f, -12.f, -2.f, -14.f, -0.5f, 95.f, 0.8f, 0, 0, 100.f, 0}}};
        v = sample(keys, t);
    }
    Skel k = poseFrom(b, v, breath);
    k.hand[1] = k.hand[0] - fromUp(v[WEP]) * 3.5f;
    solve(k, b);
    drawHeavy(fig, p, k, b, v[WEP]);
    if (row == 1 && t > 0.36f && t < 0.5f) arcTrail(fx, p, k.shoulder[0], 10.f, 18.f, -20.f, v[WEP] - 10.f, Cloud, 120);
    if (row == 1 && t >= 0.46f && t < 0.8f) {
        const V top = k.hand[0] + fromUp(v[WEP]) * 13.f;
        const float age = (t - 0.46f) / 0.34f;
        for (int j = 0; j < 6; ++j) {
            const float a = -60.f + 120.f * float(j) / 5.f;
            const V d = fromUp(a);
            const V q{top.x + d.x * (2.f + age * 8.f), -0.5f + d.y * (2.f + age * 6.f) + age * age * 5.f};
            Canvas m(fx.width(), fx.height());
            ovl(m, p, q, 1.f + age, 1.f + age * 0.8f);
            for (int y = 0; y < int(m.height()); ++y)
                for (int x = 0; x < int(m.width()); ++x)
                    if (m.opaque(x, y)) fx.px(x, y, pal(j % 2 ? Sand : EarthLight, std::uint8_t(255 - 140 * age)));
        }
    }
}

// ------------------------------------------------------------------ Shield
void towerShield(Canvas& c, const Pen& p, V centre, float w, float hgt, float deg) {
    Pen q = p;
    q.rot = rad(deg);
    q.pivot = centre;
    const Pen& pp = q;
    const float x = centre.x - w * 0.5f, y = centre.y - hgt * 0.45f;
    shade(c, pp, brightSteelR(), [&](Canvas& m) {
        pol(m, pp, {{x, y + 1.5f}, {x + w * 0.5f, y - 0.5f}, {x + w, y + 1.5f}, {x + w, y + hgt - 3.f}, {x + w * 0.5f, y + hgt},
                   {x, y + hgt - 3.f}});
    });
    shade(c, pp, blueR(), [&](Canvas& m) {
        pol(m, pp, {{x + 1.f, y + 2.f}, {x + w * 0.5f, y + 0.7f}, {x + w - 1.f, y + 2.f}, {x + w - 1.f, y + hgt - 3.5f},
                   {x + w * 0.5f, y + hgt - 1.2f}, {x + 1.f, y + hgt - 3.5f}});
    }, 2);
    const float mx = x + w * 0.5f, my = y + hgt * 0.42f;
    shade(c, pp, goldR(), [&](Canvas& m) {
        pol(m, pp, {{mx - 1.f, my - 6.f}, {mx + 1.f, my - 6.f}, {mx + 1.f, my + 6.f}, {mx - 1.f, my + 6.f}});
        pol(m, pp, {{mx - 4.f, my - 2.f}, {mx + 4.f, my - 2.f}, {mx + 4.f, my}, {mx - 4.f, my}});
    });
}

void drawShieldHero(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, float swordDeg) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const V sd = fromUp(swordDeg);
    shade(c, p, units::farSide(brightSteelR()), [&](Canvas& m) {
        pol(m, p, units::local(k.hand[1], sd, {{1.f, -1.f}, {11.f, -1.f}, {12.5f, 0.f}, {11.f, 1.f}, {1.f, 1.f}}));
    });
    shade(c, p, goldR(), [&](Canvas& m) { cap(m, p, k.hand[1] + units::rotate(sd, kPi / 2) * 2.f, k.hand[1] - units::rotate(sd, kPi / 2) * 2.f, 0.6f); });
    arm(c, p, k, 1, b, units::farSide(steelR()), units::farSide(darkSteelR()));
    leg(c, p, k, 1, b, units::farSide(steelR()), units::farSide(darkSteelR()), 5.f);
    torso(c, p, k, b, blueR());
    shade(c, p, blueR(), [&](Canvas& m) {
        pol(m, p, {t.at(-4.f, -3.f), t.at(4.f, -3.f), t.at(4.5f, 4.f), t.at(0.5f, 4.5f), t.at(-4.5f, 4.f)});
    }, 2);
    shade(c, p, leatherR(), [&](Canvas& m) { cap(m, p, t.at(-3.5f, -2.f), t.at(3.5f, -2.f), 1.f); });
    leg(c, p, k, 0, b, steelR(), darkSteelR(), 5.f);
    head(c, p, k, b, skinR(), pal(Ink));
    shade(c, p, steelR(), [&](Canvas& m) {
        ovl(m, p, h.at(-0.5f, -2.5f), 4.8f, 4.f, k.lean + k.tilt);
        cut(m, [&](Canvas& q) { pol(q, p, {h.at(-8.f, -1.f), h.at(8.f, -1.f), h.at(8.f, 8.f), h.at(-8.f, 8.f)}); });
    });
    shade(c, p, brightSteelR(), [&](Canvas& m) { ovl(m, p, h.at(-0.5f, -1.5f), 7.5f, 1.5f, k.lean + k.tilt); });
    eye(c, p, h.at(b.headRX - 2.f, 1.f), pal(Ink));
    arm(c, p, k, 0, b, steelR(), darkSteelR());
    shade(c, p, steelR(), [&](Canvas& m) { ovl(m, p, k.shoulder[0] + t.v * -0.5f, 3.f, 2.5f, k.lean); }, 2);
    // the shield drops flat with its bearer
    const float f = fallen(k);
    towerShield(c, p, k.hand[0] + V{1.5f, 6.f * f}, 10.f, 22.f, 90.f * f);
}

//                                    PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D  H1R  WEP  AUX
const std::vector<float> kShieldRest{0.f, 0.5f, 4.f, 0.f, 3.5f, 0.f, -3.5f, 0.f, 75.f, 0.55f, 25.f, 0.8f, 50.f, 0};

void shieldFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = heroBuild(5);
    std::vector<float> v = kShieldRest;
    float breath = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        v[H0D] += breath * 3.f;
        v[H1D] += breath * 4.f;
        v[WEP] += breath * 4.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-1.5f, 2.f, 10.f, 4.f, 3.f, 0.f, -4.f, 0.f, 70.f, 0.45f, 40.f, 0.6f, 20.f, 0}},
            {0.3f, {2.5f, 2.f, 18.f, 4.f, 9.f, 0.f, -4.f, 0.f, 90.f, 0.85f, 60.f, 0.6f, 60.f, 0}},
            {0.5f, {3.f, 2.f, 20.f, 4.f, 9.f, 0.f, -4.f, 0.f, 85.f, 0.7f, 98.f, 1.f, 92.f, 0}},
            {0.7f, {2.5f, 2.f, 16.f, 4.f, 9.f, 0.f, -4.f, 0.f, 80.f, 0.65f, 90.f, 0.9f, 85.f, 0}},
            {1.0f, kShieldRest}};
        v = sample(keys, t);
    } else {
        static const std::vector<Key> keys = {
            {0.0f, {-2.5f, 0.5f, -16.f, -16.f, 3.f, 0.f, -5.f, 0.f, 45.f, 0.7f, 10.f, 0.8f, 20.f, 0}},
            {0.35f, {-1.f, 6.f, 12.f, 10.f, 1.f, 0.f, -7.f, 1.f, 50.f, 0.8f, 30.f, 0.9f, 60.f, 0}},
            {0.7f, {0.5f, 9.f, 55.f, 6.f, -4.f, -1.f, -8.f, -0.5f, 75.f, 0.8f, 70.f, 0.9f, 100.f, 0}},
            {1.0f, {-5.f, 10.5f, 88.f, -8.f, -13.f, -2.f, -15.f, -0.5f, 100.f, 0.6f, 90.f, 0.9f, 95.f, 0}}};
        v = sample(keys, t);
    }
    Skel k = poseFrom(b, v, breath);
    drawShieldHero(fig, p, k, b, v[WEP]);
    if (row == 1 && t > 0.2f && t < 0.45f) {
        const V c = k.hand[0] + V{1.5f, 0.f};
        for (int j = -1; j <= 1; ++j) streak(fx, p, c + V{-12.f, float(j) * 7.f}, c + V{-6.f, float(j) * 7.f}, 0.4f, Cloud, 130);
    }
    if (row == 1 && t > 0.4f && t < 0.65f) {
        const V sd = fromUp(v[WEP]);
        const V tip = k.hand[1] + sd * 12.5f;
        streak(fx, p, tip - sd * 10.f + V{0, -1.8f}, tip - sd * 2.f + V{0, -1.8f}, 0.35f, White, 140);
    }
}

} // namespace

void drawLightSheet() {
    drawFighterSheet(fighterLayout("Sprites/Fight/AllyLight.png", true, 81, 96, 15, 7, 5, 2.f, 51),
                     lightFrame);
}

void drawHeavySheet() {
    drawFighterSheet(fighterLayout("Sprites/Fight/AllyHeavy.png", true, 76, 68, 15, 14, 6, 1.45f, 46),
                     heavyFrame);
}

void drawShieldSheet() {
    drawFighterSheet(fighterLayout("Sprites/Fight/AllyShield.png", true, 100, 110, 15, 7, 4, 2.2f, 67),
                     shieldFrame);
}

} // namespace fight
