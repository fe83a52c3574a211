// The party in the card battle, part one: Irina (spear), Rem (staff) and Tungstene (hammer).
// Same gear and colours as their map sheets, drawn in profile at twice the size.
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

Ramp tealR() { return units::ramp(WaterDeep, Teal, TealLight); }
Ramp creamR() { return units::ramp(Sand, SandLight, White); }
Ramp darkSteelR() { return units::ramp(Night, Slate, Steel); }
Ramp steelR() { return units::ramp(Slate, Steel, Silver); }
Ramp brightSteelR() { return units::ramp(Steel, Silver, Cloud); }
Ramp leatherR() { return units::ramp(EarthDeep, Earth, EarthLight); }
Ramp plumR() { return units::ramp(Night, Plum, PlumLight); }
Ramp bootR() { return units::ramp(Ink, EarthDeep, Earth); }
Ramp hairRedR() { return units::ramp(BloodDeep, Blood, Ember); }
Ramp silverHairR() { return units::ramp(Steel, Silver, Cloud); }

// ------------------------------------------------------------------ Irina
// Two-handed spear: the near hand holds it, the far hand rides the shaft behind it.
void spear(Canvas& c, const Pen& p, V hand, float deg, float sway) {
    const V d = fromUp(deg);
    const V bladeBase = hand + d * 10.f;
    const V butt = hand - d * 14.f;
    shade(c, p, woodR(), [&](Canvas& m) { cap(m, p, butt, bladeBase, 0.8f); });
    shade(c, p, brightSteelR(), [&](Canvas& m) {
        pol(m, p, units::local(bladeBase, d, {{-0.5f, -1.f}, {2.5f, -2.2f}, {6.5f, 0.f}, {2.5f, 2.2f}, {-0.5f, 1.f}}));
    });
    shade(c, p, goldR(), [&](Canvas& m) { cap(m, p, bladeBase - d * 0.5f, bladeBase - d * 1.5f, 1.2f); });
    shade(c, p, tealR(), [&](Canvas& m) {
        const V s = bladeBase - d * 1.5f;
        crv(m, p, s, s + V{-1.5f - sway * 0.8f, 2.f}, s + V{-1.f - sway * 1.5f, 5.f}, 0.7f);
    });
}

void drawIrina(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, float spearDeg, float sway) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    // cloth and hair trailing behind flatten onto the back as the body goes down
    const float back = 1.f - 0.75f * fallen(k);
    shade(c, p, tealR(), [&](Canvas& m) {
        pol(m, p, {k.neck + t.u * 1.f + t.v * -0.5f, k.neck + t.u * -3.5f * back, t.at(-7.f * back, 0.5f),
                   t.at((-9.5f - sway * 1.2f) * back, 7.5f), t.at((-5.f - sway * 0.5f) * back, 8.5f), t.at(-1.f, 4.5f)});
    }, 2);
    shade(c, p, hairRedR(), [&](Canvas& m) {
        crv(m, p, h.at(-4.f, -3.5f), h.at(-9.f * back, -3.f + sway * 0.5f), h.at((-8.f - sway) * back, 5.f), 1.3f);
    });
    shade(c, p, goldR(), [&](Canvas& m) { ovl(m, p, h.at(-5.f, -3.5f), 0.8f, 1.f); });
    arm(c, p, k, 1, b, units::farSide(creamR()), units::farSide(skinR()));
    leg(c, p, k, 1, b, units::farSide(darkSteelR()), units::farSide(leatherR()), 5.f);
    torso(c, p, k, b, creamR());
    shade(c, p, leatherR(), [&](Canvas& m) { cap(m, p, t.at(-3.f, -2.f), t.at(3.f, -2.f), 1.f); });
    shade(c, p, tealR(), [&](Canvas& m) {
        pol(m, p, {k.chest + t.u * 2.5f + t.v * -2.f, k.chest + t.u * 3.5f + t.v * 3.f, k.chest + t.u * -1.f + t.v * 5.5f,
                   k.chest + t.u * -4.5f + t.v * 3.f, k.chest + t.u * -3.5f + t.v * -2.f});
    });
    dot(c, p, k.chest + t.u * 2.f + t.v * 2.f, pal(GoldLight));
    leg(c, p, k, 0, b, darkSteelR(), leatherR(), 5.f);
    spear(c, p, k.hand[0], spearDeg, sway);
    arm(c, p, k, 0, b, creamR(), skinR());
    head(c, p, k, b, skinR(), pal(Ink));
    shade(c, p, hairRedR(), [&](Canvas& m) {
        ovl(m, p, h.at(-0.8f, -1.5f), b.headRX, b.headRY - 0.5f, k.lean + k.tilt);
        cut(m, [&](Canvas& q) { pol(q, p, {h.at(-0.5f, -1.f), h.at(7.f, -1.f), h.at(7.f, 7.f), h.at(-0.5f, 7.f)}); });
        cap(m, p, h.at(-1.5f, 0.f), h.at(-2.5f, 3.5f), 1.2f);
        // fringe falling over the brow
        cap(m, p, h.at(1.f, -3.5f), h.at(3.5f, -1.5f), 0.9f);
    });
}

//                                   PX    PY   LEAN TILT A0X A0Y  A1X A1Y  H0D  H0R  H1D H1R WEP  AUX
const std::vector<float> kIrinaRest{0.f, 0.5f, 4.f, 0.f, 4.f, 0.f, -4.f, 0.f, 45.f, 0.6f, 0, 0, 62.f, 0};

void irinaFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = heroBuild(0);
    std::vector<float> v = kIrinaRest;
    float breath = 0, sway = 0;
    if (row == 0) {
        breath = breathAt(i, n);
        sway = std::sin(2 * kPi * float(i) / float(n));
        v[H0D] += breath * 3.f;
        v[WEP] += breath * 2.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-1.5f, 1.5f, -8.f, -4.f, 4.f, 0.f, -5.f, 0.f, 15.f, 0.55f, 0, 0, 76.f, 0}},
            {0.2f, {-2.5f, 2.f, -12.f, -6.f, 3.5f, 0.f, -5.5f, 0.f, 0.f, 0.5f, 0, 0, 80.f, 0}},
            {0.45f, {2.f, 2.f, 16.f, 4.f, 10.f, 0.f, -5.f, 0.f, 82.f, 0.5f, 0, 0, 88.f, 0}},
            {0.65f, {2.5f, 2.5f, 20.f, 4.f, 10.f, 0.f, -5.f, 0.f, 88.f, 0.45f, 0, 0, 90.f, 0}},
            {0.85f, {1.f, 1.f, 8.f, 0.f, 7.f, 0.f, -4.5f, 0.f, 60.f, 0.6f, 0, 0, 72.f, 0}},
            {1.0f, kIrinaRest}};
        v = sample(keys, rowTime(i, n));
        sway = -0.8f + 1.6f * rowTime(i, n);
    } else {
        static const std::vector<Key> keys = {
            {0.0f, {-2.5f, 0.5f, -18.f, -18.f, 3.f, 0.f, -5.5f, 0.f, 25.f, 0.8f, 0, 0, 35.f, 0}},
            {0.35f, {-1.5f, 6.f, 12.f, 12.f, 1.f, 0.f, -7.f, 1.f, 35.f, 0.9f, 0, 0, 70.f, 0}},
            {0.7f, {0.5f, 9.f, 55.f, 8.f, -4.f, -1.f, -8.f, -0.5f, 80.f, 0.9f, 0, 0, 88.f, 0}},
            {1.0f, {-3.f, 10.5f, 88.f, -8.f, -12.f, -2.f, -14.f, -0.5f, 95.f, 0.9f, 0, 0, 96.f, 0}}};
        v = sample(keys, rowTime(i, n));
        sway = 1.f;
    }
    Skel k = poseFrom(b, v, breath);
    // the far hand rides the shaft behind the near one
    k.hand[1] = k.hand[0] - fromUp(v[WEP]) * 5.5f;
    solve(k, b);
    drawIrina(fig, p, k, b, v[WEP], sway);
    const float t = rowTime(i, n);
    if (row == 1 && t > 0.3f && t < 0.75f) {
        // the thrust leaves a bright streak behind the blade
        const V d = fromUp(v[WEP]);
        const V tip = k.hand[0] + d * 14.f;
        streak(fx, p, tip - d * 20.f + V{0, -2.5f}, tip - d * 5.f + V{0, -2.5f}, 0.4f, Cloud, 150);
        streak(fx, p, tip - d * 16.f + V{0, 2.5f}, tip - d * 6.f + V{0, 2.5f}, 0.4f, Cloud, 110);
        streak(fx, p, tip - d * 12.f, tip - d * 3.f, 0.5f, White, 90);
    }
}


// ------------------------------------------------------------------ Rem
// The staff's gem glows brighter as a spell gathers (`charge` 0..1).
void remStaff(Canvas& c, Canvas& fx, const Pen& p, V hand, float deg, float charge, int frame) {
    const V d = fromUp(deg);
    const V top = hand + d * 12.f, bottom = hand - d * 14.f;
    shade(c, p, woodR(), [&](Canvas& m) {
        cap(m, p, bottom, top, 0.8f);
        const Axis a = axis(top, deg);
        crv(m, p, top, a.at(-2.5f, -3.f), a.at(0.5f, -5.f), 0.7f);
    });
    const V gem = axis(top, deg).at(0.5f, -2.5f);
    const float pulse = 0.5f + 0.5f * std::sin(2 * kPi * float(frame) / 6.f);
    const float g = 0.3f + 0.7f * std::max(charge, pulse * 0.4f);
    Canvas halo(c.width(), c.height());
    ovl(halo, p, gem, 2.5f + 3.5f * g, 2.5f + 3.5f * g);
    for (int y = 0; y < int(halo.height()); ++y)
        for (int x = 0; x < int(halo.width()); ++x)
            if (halo.opaque(x, y)) fx.blend(x, y, pal(Foam, std::uint8_t(40 + 70 * g)));
    shade(fx, p, units::ramp(Water, WaterLight, Foam), [&](Canvas& m) { ovl(m, p, gem, 1.6f, 1.9f); });
    dot(fx, p, gem + V{-0.5f, -0.7f}, pal(White));
    if (charge > 0.5f) dot(fx, p, gem + V{0.3f, -0.7f}, pal(White));
}

void remHat(Canvas& c, const Pen& p, const Skel& k, float sway, V off) {
    const Axis h = axis(k.headA.o + off, k.lean + k.tilt);
    const float tip = -(5.f + sway), brim = -3.f;
    shade(c, p, plumR(), [&](Canvas& m) {
        pol(m, p, {h.at(-4.5f, brim), h.at(-2.f, brim - 6.f), h.at(tip * 0.6f, brim - 11.f), h.at(tip, brim - 12.5f),
                   h.at(tip * 0.5f + 1.f, brim - 8.f), h.at(3.f, brim - 4.f), h.at(4.5f, brim)});
    }, 2);
    shade(c, p, goldR(), [&](Canvas& m) {
        pol(m, p, {h.at(-4.f, brim - 2.f), h.at(4.f, brim - 2.f), h.at(4.f, brim), h.at(-4.f, brim)});
    });
    shade(c, p, plumR(), [&](Canvas& m) { ovl(m, p, h.at(0.5f, brim + 0.5f), 8.f, 1.6f, k.lean + k.tilt); });
}

void drawRem(Canvas& c, Canvas& fx, const Pen& p, const Skel& k, const units::Build& b, float staffDeg, float charge,
             float sway, int frame, V hatOff) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const Ramp robe = plumR();
    // far sleeve
    shade(c, p, units::farSide(robe), [&](Canvas& m) { cap2(m, p, k.shoulder[1], k.hand[1], 1.5f, 2.4f); });
    shade(c, p, units::farSide(skinR()), [&](Canvas& m) { ovl(m, p, k.hand[1], 1.4f, 1.4f); });
    for (int s = 1; s >= 0; --s)
        shade(c, p, s ? units::farSide(bootR()) : bootR(), [&](Canvas& m) {
            const float fy = std::min(k.ankle[s].y + 1.f, -1.5f);
            cap(m, p, {k.ankle[s].x - 0.5f, fy}, {k.ankle[s].x + 2.5f, fy}, 1.5f);
        });
    // robe skirt: from the waist to a hem stretched between the feet
    const V a0 = k.ankle[0], a1 = k.ankle[1];
    const V front = a0.x > a1.x ? a0 : a1, rear = a0.x > a1.x ? a1 : a0;
    shade(c, p, robe, [&](Canvas& m) {
        pol(m, p, {t.at(-3.5f, -3.f), t.at(3.5f, -3.f), front + V{2.5f, -1.f}, front + V{1.f, 0.5f},
                   rear + V{-2.f, 0.5f}, rear + V{-3.5f - sway * 0.5f, -1.f}});
    }, 2);
    {
        // gold hem trim one row above the bottom edge
        Canvas m(c.width(), c.height());
        cap(m, p, rear + V{-3.f, -0.6f}, front + V{2.f, -0.6f}, 0.35f);
        for (int y = 0; y < int(m.height()); ++y)
            for (int x = 0; x < int(m.width()); ++x)
                if (m.opaque(x, y) && c.get(x, y) == pal(Plum)) c.px(x, y, pal(Gold));
    }
    torso(c, p, k, b, robe);
    shade(c, p, goldR(), [&](Canvas& m) { cap(m, p, t.at(-3.f, -3.f), t.at(3.f, -3.f), 1.f); });
    remStaff(c, fx, p, k.hand[0], staffDeg, charge, frame);
    shade(c, p, robe, [&](Canvas& m) { cap2(m, p, k.shoulder[0], k.hand[0] - fromDown(0) * 0.5f, 1.6f, 2.5f); });
    shade(c, p, skinR(), [&](Canvas& m) { ovl(m, p, k.hand[0], 1.5f, 1.5f); });
    head(c, p, k, b, skinR(), pal(Ink));
    shade(c, p, silverHairR(), [&](Canvas& m) {
        ovl(m, p, h.at(-2.5f, 0.5f), 2.5f, 3.5f, k.lean + k.tilt);
        cap(m, p, h.at(-3.f, 2.f), h.at(-4.f, 5.5f), 1.1f);
        // a short pointed beard
        pol(m, p, {h.at(1.f, 2.5f), h.at(4.5f, 3.f), h.at(3.f, 7.5f), h.at(1.f, 5.5f)});
    });
    remHat(c, p, k, sway, hatOff);
}

//                                 PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D  H1R  WEP  AUX
const std::vector<float> kRemRest{0.f, 0.f, 3.f, 0.f, 2.5f, 0.f, -2.5f, 0.f, 60.f, 0.75f, -8.f, 0.85f, 8.f, 0.f};

void remFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = heroBuild(1);
    std::vector<float> v = kRemRest;
    float breath = 0, sway = 0;
    V hatOff{0, 0};
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        sway = std::sin(2 * kPi * float(i) / float(n));
        v[H0D] += breath * 4.f;
        v[WEP] += breath * 2.f;
        v[H1D] += sway * 3.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-0.5f, 0.f, -6.f, -6.f, 2.5f, 0.f, -3.f, 0.f, 125.f, 0.7f, 40.f, 0.7f, -8.f, 0.4f}},
            {0.25f, {-1.5f, 0.5f, -12.f, -10.f, 2.f, 0.f, -3.5f, 0.f, 140.f, 0.75f, 60.f, 0.7f, -22.f, 0.9f}},
            {0.5f, {1.5f, 1.f, 12.f, 4.f, 6.f, 0.f, -3.f, 0.f, 95.f, 0.6f, 95.f, 0.85f, 50.f, 1.f}},
            {0.7f, {1.f, 1.f, 10.f, 2.f, 6.f, 0.f, -3.f, 0.f, 90.f, 0.6f, 90.f, 0.8f, 48.f, 0.6f}},
            {1.0f, kRemRest}};
        v = sample(keys, t);
        sway = -1.f + 2.f * t;
    } else {
        static const std::vector<Key> keys = {
            {0.0f, {-2.f, 0.f, -16.f, -16.f, 2.f, 0.f, -4.f, 0.f, 30.f, 0.8f, 20.f, 0.8f, -15.f, 0.f}},
            {0.35f, {-1.f, 6.f, 14.f, 10.f, 0.f, 0.f, -6.f, 1.f, 40.f, 0.9f, 30.f, 0.9f, 40.f, 0.f}},
            {0.7f, {0.f, 9.f, 55.f, 6.f, -4.f, -1.f, -8.f, -0.5f, 80.f, 0.9f, 70.f, 0.9f, 80.f, 0.f}},
            {1.0f, {-7.f, 10.5f, 88.f, -8.f, -15.f, -1.5f, -17.f, -0.5f, 95.f, 0.7f, 85.f, 0.9f, 100.f, 0.f}}};
        v = sample(keys, t);
        sway = 1.f;
        hatOff = V{-3.f, -3.f} * std::max(0.f, (t - 0.4f) / 0.6f) + V{0.f, 5.f} * std::max(0.f, (t - 0.7f) / 0.3f);
    }
    Skel k = poseFrom(b, v, breath);
    drawRem(fig, fx, p, k, b, v[WEP], v[AUX], sway, i, hatOff);
    if (row == 1 && t > 0.4f && t < 0.95f) {
        // a bolt of light leaves the gem and flies at the foe
        const V gem = axis(k.hand[0] + fromUp(v[WEP]) * 12.f, v[WEP]).at(0.5f, -2.5f);
        const float fly = (t - 0.4f) / 0.55f;
        const V bolt = gem + V{3.f + fly * 7.f, 0.5f};
        const std::uint8_t a = std::uint8_t(255 * (1.f - fly * 0.6f));
        streak(fx, p, gem, bolt, 1.2f, WaterLight, std::uint8_t(a / 2));
        Canvas m(fx.width(), fx.height());
        ovl(m, p, bolt, 3.f, 2.6f);
        for (int y = 0; y < int(m.height()); ++y)
            for (int x = 0; x < int(m.width()); ++x)
                if (m.opaque(x, y)) fx.blend(x, y, pal(m.opaque(x - 2, y) && m.opaque(x + 2, y) && m.opaque(x, y - 2) && m.opaque(x, y + 2) ? White : Foam, a));
        for (int r = 0; r < 4; ++r) {
            const V dir = fromUp(45.f + 90.f * float(r) + fly * 60.f);
            streak(fx, p, bolt + dir * 3.5f, bolt + dir * 5.5f, 0.3f, Foam, a);
        }
    }
}

// ------------------------------------------------------------------ Tungstene
void hammer(Canvas& c, const Pen& p, V hand, float deg) {
    const V d = fromUp(deg);
    const V butt = hand - d * 5.f, top = hand + d * 14.f;
    shade(c, p, woodR(), [&](Canvas& m) { cap(m, p, butt, top, 1.f); });
    shade(c, p, darkSteelR(), [&](Canvas& m) { cap(m, p, butt - d * 0.5f, butt + d * 1.f, 1.3f); });
    shade(c, p, steelR(), [&](Canvas& m) {
        pol(m, p, units::local(top, d, {{-3.5f, -5.5f}, {3.f, -5.5f}, {3.f, 5.5f}, {-3.5f, 5.5f}}));
    }, 2);
    shade(c, p, goldR(), [&](Canvas& m) { pol(m, p, units::local(top, d, {{-1.f, -5.5f}, {0.5f, -5.5f}, {0.5f, 5.5f}, {-1.f, 5.5f}})); });
}

void tungsteneHelm(Canvas& c, const Pen& p, const Skel& k) {
    const Axis& h = k.headA;
    shade(c, p, brightSteelR(), [&](Canvas& m) {
        pol(m, p, {h.at(-4.5f, -2.f), h.at(-3.f, -5.5f), h.at(3.f, -5.5f), h.at(4.5f, -2.f), h.at(5.f, 2.f), h.at(4.f, 5.5f),
                   h.at(-3.f, 6.f), h.at(-4.5f, 3.f)});
    }, 2);
    Canvas slit(c.width(), c.height());
    cap(slit, p, h.at(1.f, 0.f), h.at(5.5f, 0.f), 0.45f);
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x)
            if (slit.opaque(x, y) && c.opaque(x, y)) c.px(x, y, pal(Ink));
    dot(c, p, h.at(3.5f, 2.5f), pal(Slate));
    dot(c, p, h.at(2.5f, 3.5f), pal(Slate));
    shade(c, p, goldR(), [&](Canvas& m) { crv(m, p, h.at(2.f, -6.5f), h.at(-1.f, -8.f), h.at(-5.f, -4.f), 1.f); });
}

void drawTungstene(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, float hammerDeg) {
    const Ramp plate = steelR();
    const Axis& t = k.torso;
    arm(c, p, k, 1, b, units::farSide(plate), units::farSide(darkSteelR()));
    leg(c, p, k, 1, b, units::farSide(plate), units::farSide(darkSteelR()), 4.f);
    torso(c, p, k, b, plate);
    shade(c, p, darkSteelR(), [&](Canvas& m) { pol(m, p, {t.at(-4.5f, -2.f), t.at(4.5f, -2.f), t.at(5.f, 3.5f), t.at(-5.f, 3.5f)}); });
    shade(c, p, goldR(), [&](Canvas& m) { cap(m, p, t.at(-4.f, -2.5f), t.at(4.f, -2.5f), 0.9f); });
    // breastplate ridge
    shade(c, p, brightSteelR(), [&](Canvas& m) {
        pol(m, p, {k.chest + t.u * 1.5f + t.v * 0.f, k.chest + t.u * 4.f + t.v * 1.f, k.chest + t.u * 3.f + t.v * 7.f,
                   k.chest + t.u * 0.5f + t.v * 6.f});
    });
    leg(c, p, k, 0, b, plate, darkSteelR(), 4.f);
    tungsteneHelm(c, p, k);
    hammer(c, p, k.hand[0], hammerDeg);
    arm(c, p, k, 0, b, plate, darkSteelR());
    shade(c, p, brightSteelR(), [&](Canvas& m) { ovl(m, p, k.shoulder[0] + t.v * -0.5f, 3.5f, 3.f); }, 2);
}

//                                  PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D H1R WEP  AUX
const std::vector<float> kTungRest{0.f, 0.5f, 3.f, 0.f, 3.5f, 0.f, -4.f, 0.f, 35.f, 0.75f, 0, 0, 40.f, 0.f};

void tungFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = heroBuild(2);
    std::vector<float> v = kTungRest;
    float breath = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        v[H0D] += breath * 3.f;
        v[WEP] += breath * 3.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-0.5f, 1.f, -4.f, -4.f, 3.5f, 0.f, -4.5f, 0.f, 100.f, 0.6f, 0, 0, -10.f, 0}},
            {0.2f, {-2.f, 1.5f, -14.f, -8.f, 3.f, 0.f, -5.f, 0.f, 150.f, 0.7f, 0, 0, -38.f, 0}},
            {0.3f, {-2.f, 2.f, -15.f, -8.f, 3.f, 0.f, -5.f, 0.f, 155.f, 0.7f, 0, 0, -48.f, 0}},
            {0.45f, {2.5f, 3.f, 24.f, 6.f, 9.f, 0.f, -5.f, 0.f, 80.f, 0.9f, 0, 0, 125.f, 0}},
            {0.6f, {3.f, 3.5f, 28.f, 6.f, 9.f, 0.f, -5.f, 0.f, 60.f, 0.9f, 0, 0, 135.f, 0}},
            {0.75f, {2.5f, 3.f, 24.f, 6.f, 9.f, 0.f, -5.f, 0.f, 62.f, 0.9f, 0, 0, 133.f, 0}},
            {1.0f, kTungRest}};
        v = sample(keys, t);
    } else {
        static const std::vector<Key> keys = {
            {0.0f, {-2.f, 0.5f, -15.f, -15.f, 3.f, 0.f, -5.f, 0.f, 25.f, 0.8f, 0, 0, 15.f, 0}},
            {0.35f, {-1.f, 6.f, 12.f, 10.f, 1.f, 0.f, -7.f, 1.f, 45.f, 0.9f, 0, 0, 60.f, 0}},
            {0.7f, {0.5f, 9.f, 55.f, 6.f, -4.f, -1.f, -8.f, -0.5f, 75.f, 0.9f, 0, 0, 110.f, 0}},
            {1.0f, {-3.f, 10.f, 88.f, -8.f, -11.f, -2.f, -13.f, -0.5f, 95.f, 0.9f, 0, 0, 100.f, 0}}};
        v = sample(keys, t);
    }
    Skel k = poseFrom(b, v, breath);
    k.hand[1] = k.hand[0] - fromUp(v[WEP]) * 4.f;
    solve(k, b);
    drawTungstene(fig, p, k, b, v[WEP]);
    if (row == 1 && t > 0.35f && t < 0.5f)
        arcTrail(fx, p, k.shoulder[0], 14.f, 20.f, -30.f, v[WEP] - 8.f, Cloud, 110);
    if (row == 1 && t >= 0.5f && t < 0.85f) {
        // the blow shakes the ground: dust and chips thrown up around the hammer head
        const V top = k.hand[0] + fromUp(v[WEP]) * 14.f;
        const float age = (t - 0.5f) / 0.35f;
        for (int j = 0; j < 7; ++j) {
            const float a = -70.f + 140.f * float(j) / 6.f;
            const V d = fromUp(a);
            const V q{top.x + d.x * (3.f + age * 9.f), -0.5f + d.y * (2.f + age * 7.f) + age * age * 6.f};
            Canvas m(fx.width(), fx.height());
            ovl(m, p, q, 1.2f + age * 1.2f, 1.f + age);
            for (int y = 0; y < int(m.height()); ++y)
                for (int x = 0; x < int(m.width()); ++x)
                    if (m.opaque(x, y))
                        fx.px(x, y, pal(j % 2 ? Sand : EarthLight, std::uint8_t(255 - 140 * age)));
        }
    }
}
} // namespace

void drawIrinaSheet() {
    drawFighterSheet(fighterLayout("Sprites/Fight/Ally.png", true, 81, 96, 15, 6, 6, 2.f, 50), irinaFrame);
}

} // namespace fight

namespace fight {

void drawRemSheet() {
    drawFighterSheet(fighterLayout("Sprites/Fight/AllyRem.png", true, 100, 110, 18, 7, 4, 2.1f, 66),
                     remFrame);
}

void drawTungsteneSheet() {
    drawFighterSheet(fighterLayout("Sprites/Fight/AllyTung.png", true, 94, 96, 15, 10, 4, 2.f, 64),
                     tungFrame);
}

} // namespace fight
