// The enemies in the card battle: skirmisher (daggers), brute (club), dark shield bearer (mace)
// and the horned warlord (greatsword). Blood, ink and bone colours with burning red eyes, as on
// the map; drawn facing left, toward the party.
#include "fight_heroes.hpp"

#include "units_types.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

const units::Build& enemyBuild(int i) {
    static const std::vector<units::UnitDef> defs = units::enemyUnits();
    return defs[size_t(i)].build;
}

Ramp clothR() { return units::ramp(Ink, Night, Slate); }
Ramp ironR() { return units::ramp(Ink, Night, Slate); }
Ramp plateR() { return units::ramp(Night, Slate, Steel); }
Ramp leatherR() { return units::ramp(Ink, BloodDeep, Blood); }
Ramp bloodR() { return units::ramp(BloodDeep, Blood, Ember); }
Ramp boneR() { return units::ramp(Sand, SandLight, White); }

void spike(Canvas& c, const Pen& p, V base, V dir, float len, float halfW) {
    shade(c, p, boneR(), [&](Canvas& m) { pol(m, p, units::local(base, dir, {{0, -halfW}, {len, 0}, {0, halfW}})); });
}

// A burning eye: the ember core in the figure, a soft red glow around it in the effect layer.
void burningEye(Canvas& c, Canvas& fx, const Pen& p, V at) {
    const V q = p.to(at);
    const int x = int(std::floor(q.x)), y = int(std::floor(q.y));
    c.px(x, y, pal(Ember));
    c.px(x, y + 1, pal(Blood));
    c.px(x - int(p.dir), y, pal(GoldLight));
    for (int j = -2; j <= 2; ++j)
        for (int i = -2; i <= 2; ++i)
            if (std::abs(i) + std::abs(j) >= 2 && std::abs(i) + std::abs(j) <= 3) fx.blend(x + i, y + j, pal(Ember, 60));
}

// Shared death: thrown back by the blow, knees give way, then a fall onto the face.
std::vector<float> deathKeys(float t, float wepEnd, float lieX) {
    static const std::vector<Key> base = {
        {0.0f, {-2.5f, 0.5f, -18.f, -16.f, 3.f, 0.f, -5.f, 0.f, 25.f, 0.8f, 20.f, 0.8f, 0.f, 0}},
        {0.35f, {-1.5f, 6.f, 12.f, 10.f, 1.f, 0.f, -7.f, 1.f, 40.f, 0.9f, 30.f, 0.9f, 0.5f, 0}},
        {0.7f, {0.5f, 9.f, 55.f, 6.f, -4.f, -1.f, -8.f, -0.5f, 80.f, 0.9f, 70.f, 0.9f, 0.8f, 0}},
        {1.0f, {0.f, 10.5f, 88.f, -8.f, -12.f, -2.f, -14.f, -0.5f, 95.f, 0.85f, 90.f, 0.9f, 1.f, 0}}};
    std::vector<float> v = sample(base, t);
    const float lie = std::clamp((t - 0.35f) / 0.65f, 0.f, 1.f);
    v[PX] += lieX * lie;
    v[A0X] += lieX * lie;
    v[A1X] += lieX * lie;
    v[WEP] = wepEnd * v[WEP];
    return v;
}

// ------------------------------------------------------------------ skirmisher
void dagger(Canvas& c, const Pen& p, V hand, V dir, bool far) {
    shade(c, p, far ? units::farSide(bladeR()) : bladeR(), [&](Canvas& m) {
        pol(m, p, units::local(hand, dir, {{1.f, -1.2f}, {8.5f, 0.f}, {1.f, 1.2f}}));
    });
    const V d = units::normalize(dir), n{-d.y, d.x};
    shade(c, p, boneR(), [&](Canvas& m) { cap(m, p, hand + d * 1.f + n * 1.6f, hand + d * 1.f - n * 1.6f, 0.5f); });
}

void drawSkirmisher(Canvas& c, Canvas& fx, const Pen& p, const Skel& k, const units::Build& b, float sway, float knife) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const float back = 1.f - 0.75f * fallen(k);
    shade(c, p, clothR(), [&](Canvas& m) {
        pol(m, p, {k.neck + t.u * 1.f, k.neck + t.u * -3.5f * back, t.at((-8.f - sway) * back, 5.f), t.at(-6.f * back, 7.5f),
                   t.at(-4.f * back, 5.5f), t.at(-1.f, 7.f), t.at(1.f, 2.f)});
    }, 2);
    arm(c, p, k, 1, b, units::farSide(clothR()), units::farSide(leatherR()));
    dagger(c, p, k.hand[1], fromUp(knife - 20.f), true);
    leg(c, p, k, 1, b, units::farSide(clothR()), units::farSide(leatherR()), 6.f);
    torso(c, p, k, b, leatherR());
    shade(c, p, ironR(), [&](Canvas& m) { cap(m, p, t.at(-3.f, -2.f), t.at(3.f, -2.f), 1.f); });
    leg(c, p, k, 0, b, clothR(), leatherR(), 6.f);
    // hood, face lost in shadow, blood-red scarf
    shade(c, p, bloodR(), [&](Canvas& m) { crv(m, p, h.at(-2.f, 5.f), h.at(-6.f * back, 5.f), h.at((-9.f - sway * 1.5f) * back, 7.f), 1.f); });
    shade(c, p, clothR(), [&](Canvas& m) {
        pol(m, p, {h.at(4.f, -4.f), h.at(4.5f, 4.5f), h.at(-4.f, 5.f), h.at(-6.f, 1.f), h.at(-5.f, -3.f), h.at(-4.f, -8.f), h.at(0.f, -6.f)});
    }, 2);
    shade(c, p, units::ramp(Ink, Ink, Night), [&](Canvas& m) { ovl(m, p, h.at(2.5f, 1.f), 2.f, 3.f, k.lean + k.tilt); });
    shade(c, p, bloodR(), [&](Canvas& m) { pol(m, p, {h.at(4.5f, 2.f), h.at(4.5f, 5.5f), h.at(-2.f, 6.f), h.at(-1.f, 2.f)}); });
    burningEye(c, fx, p, h.at(2.5f, 0.5f));
    spike(c, p, k.shoulder[0] + t.u * -0.5f + t.v * -1.f, fromUp(k.lean - 25.f), 3.5f, 1.2f);
    arm(c, p, k, 0, b, clothR(), leatherR());
    dagger(c, p, k.hand[0], fromUp(knife), false);
    shade(c, p, leatherR(), [&](Canvas& m) { ovl(m, p, k.hand[0], 1.5f, 1.5f); });
}

//                                  PX   PY   LEAN  TILT A0X  A0Y  A1X  A1Y  H0D  H0R   H1D  H1R  WEP   AUX
const std::vector<float> kSkirmRest{0.5f, 2.f, 14.f, -6.f, 4.f, 0.f, -4.5f, 0.f, 60.f, 0.7f, 30.f, 0.75f, 100.f, 0};

void skirmisherFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = enemyBuild(0);
    std::vector<float> v = kSkirmRest;
    float breath = 0, sway = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        sway = std::sin(2 * kPi * float(i) / float(n));
        v[H0D] += sway * 4.f;
        v[H1D] -= sway * 3.f;
        v[PY] += breath * 0.5f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-1.f, 3.5f, 20.f, -8.f, 3.5f, 0.f, -5.f, 0.f, 10.f, 0.8f, 60.f, 0.7f, 40.f, 0}},
            {0.2f, {-2.f, 4.5f, 24.f, -10.f, 3.f, 0.f, -5.5f, 0.f, -20.f, 0.9f, 70.f, 0.7f, 10.f, 0}},
            {0.4f, {4.f, 1.f, 30.f, -6.f, 11.f, 0.f, -2.f, -2.f, 130.f, 0.95f, 40.f, 0.7f, 120.f, 0}},
            {0.55f, {5.f, 2.5f, 34.f, -4.f, 11.f, 0.f, -3.f, 0.f, 80.f, 1.f, 20.f, 0.7f, 150.f, 0}},
            {0.75f, {3.f, 3.f, 24.f, -6.f, 9.f, 0.f, -4.f, 0.f, 50.f, 0.8f, 30.f, 0.75f, 120.f, 0}},
            {1.0f, kSkirmRest}};
        v = sample(keys, t);
        sway = -1.f + 2.f * t;
    } else {
        v = deathKeys(t, 180.f, -3.f);
        sway = 1.f;
    }
    Skel k = poseFrom(b, v, breath);
    drawSkirmisher(fig, fx, p, k, b, sway, v[WEP]);
    if (row == 1 && t > 0.3f && t < 0.6f) arcTrail(fx, p, k.shoulder[0], 8.f, 15.f, 20.f, 160.f, Cloud, 130);
}

// ------------------------------------------------------------------ brute
void club(Canvas& c, const Pen& p, V grip, float deg) {
    const V d = fromUp(deg), n{-d.y, d.x};
    const V top = grip + d * 15.f;
    shade(c, p, units::ramp(Earth, EarthLight, Sand), [&](Canvas& m) { cap2(m, p, grip - d * 3.f, top, 1.2f, 3.6f); }, 2);
    shade(c, p, ironR(), [&](Canvas& m) { cap(m, p, top - d * 8.5f, top - d * 7.5f, 2.8f); });
    spike(c, p, top - d * 1.5f + n * 3.f, n + d * 0.3f, 3.5f, 1.1f);
    spike(c, p, top - d * 4.5f - n * 2.8f, n * -1.f + d * 0.2f, 3.5f, 1.1f);
    spike(c, p, top + d * 3.f, d, 3.f, 1.1f);
    spike(c, p, top - d * 5.f + n * 2.6f, n, 3.f, 1.1f);
}

void drawBrute(Canvas& c, Canvas& fx, const Pen& p, const Skel& k, const units::Build& b, float clubDeg) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    arm(c, p, k, 1, b, units::farSide(bloodR()), units::farSide(bloodR()));
    leg(c, p, k, 1, b, units::farSide(leatherR()), units::farSide(ironR()), 5.f);
    torso(c, p, k, b, bloodR(), 1.f);
    shade(c, p, bloodR(), [&](Canvas& m) { ovl(m, p, t.at(3.f, -4.f), 4.f, 4.5f, k.lean); }, 2);
    shade(c, p, leatherR(), [&](Canvas& m) {
        cap(m, p, t.at(-5.f, -1.5f), t.at(5.5f, -1.5f), 1.5f);
        cap(m, p, k.chest + t.u * -4.f, t.at(4.f, -3.f), 0.9f);
    });
    leg(c, p, k, 0, b, leatherR(), ironR(), 5.f);
    shade(c, p, ironR(), [&](Canvas& m) { ovl(m, p, k.shoulder[1] + t.u * -1.f + t.v * -0.5f, 4.f, 3.f, k.lean); }, 2);
    spike(c, p, k.shoulder[1] + t.u * -1.5f + t.v * -3.f, fromUp(k.lean - 15.f), 4.f, 1.2f);
    // head: jaw, iron half-helm, horn, tusk
    shade(c, p, bloodR(), [&](Canvas& m) {
        ovl(m, p, h.o, b.headRX + 0.5f, b.headRY, k.lean + k.tilt);
        ovl(m, p, h.at(1.5f, 3.f), b.headRX, 2.5f, k.lean + k.tilt);
    });
    shade(c, p, ironR(), [&](Canvas& m) {
        ovl(m, p, h.at(-0.5f, -1.5f), b.headRX + 1.f, 4.f, k.lean + k.tilt);
        cut(m, [&](Canvas& q) { pol(q, p, {h.at(-9.f, -0.5f), h.at(9.f, -0.5f), h.at(9.f, 9.f), h.at(-9.f, 9.f)}); });
    });
    spike(c, p, h.at(-1.f, -4.5f), fromUp(k.lean + k.tilt + 30.f), 4.5f, 1.3f);
    dot(c, p, h.at(3.5f, 2.f), pal(White));
    dot(c, p, h.at(3.5f, 1.f), pal(SandLight));
    burningEye(c, fx, p, h.at(2.5f, 0.f));
    club(c, p, k.hand[0], clubDeg);
    arm(c, p, k, 0, b, bloodR(), bloodR());
    shade(c, p, ironR(), [&](Canvas& m) {
        cap(m, p, units::lerp(k.elbow[0], k.hand[0], 0.35f), units::lerp(k.elbow[0], k.hand[0], 0.8f), b.armR + 0.3f);
    });
    shade(c, p, bloodR(), [&](Canvas& m) { ovl(m, p, k.hand[0], 2.f, 1.8f); });
}

//                                  PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D  H1R  WEP  AUX
const std::vector<float> kBruteRest{0.f, 1.f, 12.f, -4.f, 4.f, 0.f, -4.5f, 0.f, 35.f, 0.8f, 15.f, 0.8f, 40.f, 0};

void bruteFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = enemyBuild(1);
    std::vector<float> v = kBruteRest;
    float breath = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        v[PY] += breath * 0.5f;
        v[WEP] += breath * 6.f;
        v[H0D] += breath * 4.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-0.5f, 1.5f, 6.f, -6.f, 4.f, 0.f, -5.f, 0.f, 80.f, 0.6f, 30.f, 0.8f, 10.f, 0}},
            {0.2f, {-2.f, 2.5f, -8.f, -8.f, 3.5f, 0.f, -5.5f, 0.f, 150.f, 0.45f, 60.f, 0.8f, -15.f, 0}},
            {0.32f, {-2.5f, 3.f, -12.f, -8.f, 3.5f, 0.f, -5.5f, 0.f, 160.f, 0.4f, 70.f, 0.8f, -30.f, 0}},
            {0.45f, {2.f, 3.f, 24.f, 4.f, 8.f, 0.f, -4.5f, 0.f, 70.f, 0.6f, 40.f, 0.8f, 140.f, 0}},
            {0.65f, {2.f, 3.5f, 26.f, 4.f, 8.f, 0.f, -4.5f, 0.f, 65.f, 0.6f, 40.f, 0.8f, 148.f, 0}},
            {0.8f, {1.f, 2.f, 16.f, 0.f, 6.f, 0.f, -4.5f, 0.f, 50.f, 0.7f, 25.f, 0.8f, 100.f, 0}},
            {1.0f, kBruteRest}};
        v = sample(keys, t);
    } else {
        v = deathKeys(t, 120.f, -2.f);
        v[WEP] += 40.f;
    }
    Skel k = poseFrom(b, v, breath);
    drawBrute(fig, fx, p, k, b, v[WEP]);
    if (row == 1 && t > 0.34f && t < 0.5f) arcTrail(fx, p, k.shoulder[0], 9.f, 17.f, -40.f, v[WEP] - 10.f, Cloud, 120);
    if (row == 1 && t >= 0.45f && t < 0.8f) {
        const V top = k.hand[0] + fromUp(v[WEP]) * 15.f;
        const float age = (t - 0.45f) / 0.35f;
        for (int j = 0; j < 6; ++j) {
            const V d = fromUp(-60.f + 24.f * float(j));
            const V q{top.x + d.x * (2.f + age * 8.f), -0.5f + d.y * (2.f + age * 6.f) + age * age * 5.f};
            Canvas m(fx.width(), fx.height());
            ovl(m, p, q, 1.f + age, 1.f + age * 0.8f);
            for (int y = 0; y < int(m.height()); ++y)
                for (int x = 0; x < int(m.width()); ++x)
                    if (m.opaque(x, y)) fx.px(x, y, pal(j % 2 ? Sand : EarthLight, std::uint8_t(255 - 140 * age)));
        }
    }
}

// ------------------------------------------------------------------ shield bearer
void darkShield(Canvas& c, const Pen& p, V centre, float w, float hgt, float deg) {
    Pen q = p;
    q.rot = rad(deg);
    q.pivot = centre;
    const float x = centre.x - w * 0.5f, y = centre.y - hgt * 0.45f;
    shade(c, q, plateR(), [&](Canvas& m) {
        pol(m, q, {{x, y + 3.f}, {x + w * 0.5f, y - 1.5f}, {x + w, y + 3.f}, {x + w, y + hgt - 5.f}, {x + w * 0.5f, y + hgt}, {x, y + hgt - 5.f}});
    });
    shade(c, q, leatherR(), [&](Canvas& m) {
        pol(m, q, {{x + 1.f, y + 3.5f}, {x + w * 0.5f, y - 0.2f}, {x + w - 1.f, y + 3.5f}, {x + w - 1.f, y + hgt - 5.5f},
                   {x + w * 0.5f, y + hgt - 1.5f}, {x + 1.f, y + hgt - 5.5f}});
    }, 2);
    const V s{x + w * 0.5f, y + hgt * 0.4f};
    shade(c, q, boneR(), [&](Canvas& m) {
        ovl(m, q, s, 2.8f, 2.5f);
        pol(m, q, {{s.x - 1.5f, s.y + 2.f}, {s.x + 1.5f, s.y + 2.f}, {s.x + 1.5f, s.y + 4.f}, {s.x - 1.5f, s.y + 4.f}});
    });
    for (float ex : {-1.2f, 1.2f}) {
        dot(c, q, {s.x + ex, s.y}, pal(Ink));
        dot(c, q, {s.x + ex, s.y + 0.6f}, pal(Blood));
    }
    spike(c, q, {x + 0.5f, y + 3.5f}, {-0.7f, -1.f}, 3.f, 1.f);
    spike(c, q, {x + w - 0.5f, y + 3.5f}, {0.7f, -1.f}, 3.f, 1.f);
    spike(c, q, {x + w * 0.5f, y + hgt - 0.5f}, {0.f, 1.f}, 2.f, 1.f);
}

void mace(Canvas& c, const Pen& p, V hand, float deg, bool far) {
    const V d = fromUp(deg);
    const V head = hand + d * 10.f;
    shade(c, p, far ? units::farSide(woodR()) : woodR(), [&](Canvas& m) { cap(m, p, hand - d * 2.f, head, 0.8f); });
    shade(c, p, plateR(), [&](Canvas& m) { ovl(m, p, head, 2.6f, 2.6f); });
    for (float a : {-90.f, 0.f, 90.f}) spike(c, p, head + fromUp(deg + a) * 2.f, fromUp(deg + a), 2.2f, 0.8f);
}

void drawBearer(Canvas& c, Canvas& fx, const Pen& p, const Skel& k, const units::Build& b, float maceDeg, float sway) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const float back = 1.f - 0.75f * fallen(k);
    shade(c, p, bloodR(), [&](Canvas& m) {
        pol(m, p, {k.neck + t.u * 1.f, k.neck + t.u * -4.f * back, t.at((-8.f - sway) * back, 6.f), t.at(-6.f * back, 9.f),
                   t.at(-3.5f * back, 6.5f), t.at(-1.f, 8.f), t.at(1.f, 2.f)});
    }, 2);
    mace(c, p, k.hand[1], maceDeg, true);
    arm(c, p, k, 1, b, units::farSide(plateR()), units::farSide(ironR()));
    leg(c, p, k, 1, b, units::farSide(plateR()), units::farSide(ironR()), 5.f);
    torso(c, p, k, b, plateR());
    shade(c, p, ironR(), [&](Canvas& m) { cap(m, p, t.at(-3.5f, -2.f), t.at(3.5f, -2.f), 1.f); });
    leg(c, p, k, 0, b, plateR(), ironR(), 5.f);
    shade(c, p, plateR(), [&](Canvas& m) {
        pol(m, p, {h.at(-5.f, -2.f), h.at(-3.f, -5.5f), h.at(3.f, -5.5f), h.at(5.f, -2.f), h.at(6.f, 4.f), h.at(2.f, 6.5f), h.at(-4.f, 4.f)});
    }, 2);
    Canvas slit(c.width(), c.height());
    cap(slit, p, h.at(0.5f, 0.5f), h.at(6.f, 0.5f), 0.45f);
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x)
            if (slit.opaque(x, y) && c.opaque(x, y)) c.px(x, y, pal(Ink));
    burningEye(c, fx, p, h.at(3.5f, 0.5f));
    for (int j = -1; j <= 1; ++j)
        spike(c, p, h.at(float(j) * 2.5f, -5.f), fromUp(k.lean + k.tilt - 20.f + float(j) * 12.f), j == 0 ? 5.f : 3.5f, 1.1f);
    arm(c, p, k, 0, b, plateR(), ironR());
    const float f = fallen(k);
    darkShield(c, p, k.hand[0] + V{1.f, 6.f * f}, 11.f, 23.f, 90.f * f);
}

//                                   PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D  H1R  WEP  AUX
const std::vector<float> kBearerRest{0.f, 0.5f, 4.f, 0.f, 3.5f, 0.f, -4.f, 0.f, 70.f, 0.55f, 30.f, 0.8f, 60.f, 0};

void bearerFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = enemyBuild(2);
    std::vector<float> v = kBearerRest;
    float breath = 0, sway = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        sway = std::sin(2 * kPi * float(i) / float(n));
        v[H0D] += breath * 3.f;
        v[H1D] += breath * 5.f;
        v[WEP] += breath * 6.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {-1.f, 1.f, -4.f, -2.f, 3.5f, 0.f, -4.5f, 0.f, 70.f, 0.5f, 120.f, 0.8f, -20.f, 0}},
            {0.25f, {-2.f, 1.5f, -10.f, -4.f, 3.f, 0.f, -5.f, 0.f, 65.f, 0.5f, 160.f, 0.8f, -60.f, 0}},
            {0.45f, {3.f, 2.f, 22.f, 4.f, 9.f, 0.f, -4.f, 0.f, 80.f, 0.6f, 80.f, 1.f, 120.f, 0}},
            {0.65f, {3.f, 2.5f, 24.f, 4.f, 9.f, 0.f, -4.f, 0.f, 80.f, 0.6f, 60.f, 1.f, 150.f, 0}},
            {1.0f, kBearerRest}};
        v = sample(keys, t);
        sway = -1.f + 2.f * t;
    } else {
        v = deathKeys(t, 120.f, -4.f);
        sway = 1.f;
    }
    Skel k = poseFrom(b, v, breath);
    drawBearer(fig, fx, p, k, b, v[WEP], sway);
    if (row == 1 && t > 0.3f && t < 0.6f) arcTrail(fx, p, k.shoulder[1], 11.f, 16.f, -20.f, v[WEP] - 10.f, Cloud, 120);
}

// ------------------------------------------------------------------ warlord
void horn(Canvas& c, const Pen& p, const Axis& h, float sway) {
    shade(c, p, boneR(), [&](Canvas& m) {
        const V a = h.at(-3.5f, -2.5f), ctrl = h.at(-10.5f, -3.5f), e = h.at(-9.5f - sway * 0.3f, -12.5f);
        V prev = a;
        for (int i = 1; i <= 10; ++i) {
            const float t = float(i) / 10.f;
            const V q = a * ((1 - t) * (1 - t)) + ctrl * (2 * (1 - t) * t) + e * (t * t);
            cap2(m, p, prev, q, 2.f * (1.f - (t - 0.1f) * 0.85f), 2.f * (1.f - t * 0.85f));
            prev = q;
        }
    });
    dot(c, p, h.at(-7.5f, -4.f), pal(Sand));
    dot(c, p, h.at(-9.5f, -7.f), pal(Sand));
}

void greatsword(Canvas& c, const Pen& p, V hilt, float deg) {
    const V d = fromUp(deg);
    const float len = 22.f;
    shade(c, p, bladeR(), [&](Canvas& m) {
        pol(m, p, units::local(hilt, d, {{2.f, -2.5f}, {len - 5.f, -3.f}, {len, 0.5f}, {len - 3.f, 2.5f}, {2.f, 2.5f}}));
    }, 2);
    for (int i = 0; i < 4; ++i) dot(c, p, hilt + d * (6.f + float(i) * 4.5f), pal(Blood));
    shade(c, p, ironR(), [&](Canvas& m) { pol(m, p, units::local(hilt, d, {{0.5f, -5.f}, {2.f, -4.5f}, {2.f, 4.5f}, {0.5f, 5.f}})); });
    shade(c, p, leatherR(), [&](Canvas& m) { cap(m, p, hilt, hilt - d * 4.5f, 1.f); });
    shade(c, p, bloodR(), [&](Canvas& m) { ovl(m, p, hilt - d * 5.5f, 1.5f, 1.5f); });
}

void drawBoss(Canvas& c, Canvas& fx, const Pen& p, const Skel& k, const units::Build& b, float swordDeg, float sway) {
    const Axis& t = k.torso;
    const Axis& h = k.headA;
    const float back = 1.f - 0.7f * fallen(k);
    shade(c, p, bloodR(), [&](Canvas& m) {
        pol(m, p, {k.neck + t.u * 2.f, k.neck + t.u * -6.f * back, t.at((-12.f - sway * 1.5f) * back, 9.5f), t.at(-9.f * back, 12.5f),
                   t.at(-6.f * back, 10.f), t.at(-3.f * back, 12.5f), t.at(1.f, 5.5f)});
    }, 2);
    arm(c, p, k, 1, b, units::farSide(plateR()), units::farSide(ironR()));
    leg(c, p, k, 1, b, units::farSide(ironR()), units::farSide(ironR()), 6.f);
    torso(c, p, k, b, plateR(), 1.f);
    shade(c, p, ironR(), [&](Canvas& m) {
        pol(m, p, {k.chest + t.u * 1.f + t.v * 1.f, k.chest + t.u * 5.f + t.v * 1.5f, k.chest + t.u * 4.5f + t.v * 8.f,
                   k.chest + t.u * 1.5f + t.v * 9.f});
    });
    shade(c, p, bloodR(), [&](Canvas& m) { cap(m, p, t.at(-6.f, -2.f), t.at(6.f, -2.f), 1.f); });
    leg(c, p, k, 0, b, ironR(), ironR(), 6.f);
    spike(c, p, k.knee[0] + V{2.f, 0.f}, {1.f, -0.2f}, 2.5f, 1.f);
    horn(c, p, h, sway);
    shade(c, p, ironR(), [&](Canvas& m) {
        pol(m, p, {h.at(-5.5f, -1.f), h.at(-4.f, -5.5f), h.at(4.f, -5.5f), h.at(5.5f, -1.f), h.at(6.f, 4.f), h.at(2.f, 7.f), h.at(-4.f, 4.f)});
    }, 2);
    Canvas slit(c.width(), c.height());
    cap(slit, p, h.at(0.f, 0.5f), h.at(6.f, 0.5f), 0.45f);
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x)
            if (slit.opaque(x, y) && c.opaque(x, y)) c.px(x, y, pal(Ink));
    burningEye(c, fx, p, h.at(3.5f, 0.5f));
    spike(c, p, h.at(0.f, -5.f), fromUp(k.lean + k.tilt - 15.f), 3.5f, 1.2f);
    greatsword(c, p, k.hand[0], swordDeg);
    arm(c, p, k, 0, b, plateR(), ironR());
    shade(c, p, ironR(), [&](Canvas& m) { ovl(m, p, k.hand[0], 2.2f, 2.2f); });
    const V pa = k.shoulder[0] + t.u * -0.5f + t.v * -1.f;
    shade(c, p, ironR(), [&](Canvas& m) { ovl(m, p, pa, 5.f, 3.5f, k.lean); }, 2);
    shade(c, p, bloodR(), [&](Canvas& m) { cap(m, p, pa + t.u * -4.f + t.v * 2.5f, pa + t.u * 4.f + t.v * 2.5f, 0.7f); });
    spike(c, p, pa + t.u * -1.f + t.v * -3.f, fromUp(k.lean - 15.f), 5.f, 1.4f);
    spike(c, p, pa + t.u * -4.f + t.v * -1.5f, fromUp(k.lean - 60.f), 4.f, 1.2f);
}

//                                 PX   PY   LEAN TILT A0X  A0Y  A1X  A1Y  H0D  H0R  H1D  H1R  WEP   AUX
const std::vector<float> kBossRest{0.f, 1.f, 5.f, 0.f, 4.5f, 0.f, -5.f, 0.f, 55.f, 0.65f, 45.f, 0.7f, 125.f, 0};

void bossFrame(Canvas& fig, Canvas& fx, const Pen& p, int row, int i, int n) {
    const units::Build& b = enemyBuild(3);
    std::vector<float> v = kBossRest;
    float breath = 0, sway = 0;
    const float t = rowTime(i, n);
    if (row == 0) {
        breath = breathAt(i, n);
        sway = std::sin(2 * kPi * float(i) / float(n));
        v[PY] += breath * 0.4f;
        v[H0D] += breath * 3.f;
        v[WEP] += breath * 3.f;
    } else if (row == 1) {
        static const std::vector<Key> keys = {
            {0.0f, {0.f, 1.f, 0.f, -3.f, 4.5f, 0.f, -5.f, 0.f, 90.f, 0.6f, 80.f, 0.6f, 60.f, 0}},
            {0.2f, {-2.f, 2.f, -10.f, -8.f, 4.f, 0.f, -6.f, 0.f, 195.f, 0.6f, 185.f, 0.6f, -30.f, 0}},
            {0.38f, {-2.5f, 2.5f, -14.f, -6.f, 4.f, 0.f, -6.f, 0.f, 205.f, 0.65f, 195.f, 0.6f, -55.f, 0}},
            {0.5f, {3.f, 3.f, 24.f, 6.f, 10.f, 0.f, -5.f, 0.f, 80.f, 0.85f, 75.f, 0.8f, 120.f, 0}},
            {0.7f, {3.5f, 3.5f, 28.f, 6.f, 10.f, 0.f, -5.f, 0.f, 70.f, 0.85f, 65.f, 0.8f, 135.f, 0}},
            {0.85f, {2.f, 2.f, 15.f, 3.f, 8.f, 0.f, -5.f, 0.f, 60.f, 0.7f, 50.f, 0.7f, 130.f, 0}},
            {1.0f, kBossRest}};
        v = sample(keys, t);
        sway = -1.f + 2.f * t;
    } else {
        v = deathKeys(t, 160.f, -5.f);
        sway = 1.f;
    }
    Skel k = poseFrom(b, v, breath);
    if (row == 1) {
        k.hand[1] = k.hand[0] - fromUp(v[WEP]) * 3.f;
        solve(k, b);
    }
    drawBoss(fig, fx, p, k, b, v[WEP], sway);
    if (row == 1 && t > 0.15f && t < 0.42f) {
        // dark power gathers along the raised blade
        const V d = fromUp(v[WEP]);
        for (int j = 0; j < 5; ++j)
            dot(fx, p, k.hand[0] + d * (6.f + 4.f * float(j)) + fromUp(v[WEP] + 90.f) * (3.5f * ((i + j) % 2 ? 1.f : -1.f)),
                pal(j % 2 ? Ember : Blood, 220));
    }
    if (row == 1 && t > 0.4f && t < 0.62f) arcTrail(fx, p, k.shoulder[0], 12.f, 26.f, -40.f, v[WEP] - 8.f, Blood, 110);
    if (row == 1 && t >= 0.5f && t < 0.85f) {
        const V tip = k.hand[0] + fromUp(v[WEP]) * 22.f;
        const float age = (t - 0.5f) / 0.35f;
        for (int j = 0; j < 7; ++j) {
            const V d = fromUp(-70.f + 23.f * float(j));
            const V q{tip.x + d.x * (2.f + age * 10.f), -0.5f + d.y * (2.f + age * 8.f) + age * age * 6.f};
            Canvas m(fx.width(), fx.height());
            ovl(m, p, q, 1.2f + age, 1.f + age);
            for (int y = 0; y < int(m.height()); ++y)
                for (int x = 0; x < int(m.width()); ++x)
                    if (m.opaque(x, y)) fx.px(x, y, pal(j % 2 ? Sand : Ember, std::uint8_t(255 - 140 * age)));
        }
    }
}


} // namespace

void drawEnemyLightSheet() {
    // idle frames are 96 high, attack and death frames 91 high, all on a sheet of 16 columns
    SheetLayout s = fighterLayout("Sprites/Fight/EnemyLight.png", false, 81, 96, 16, 7, 5, 2.f, 49);
    s.rowH[0] = 96;
    s.rowH[1] = s.rowH[2] = 91;
    s.rowTop[1] = 96;
    s.rowTop[2] = 192;
    s.sheetW = 1296;
    s.sheetH = 283;
    // the feet sit a little above the idle frame's bottom, so the shorter rows jump less
    s.soleRow[0] = 92;
    s.soleRow[1] = s.soleRow[2] = 90;
    drawFighterSheet(s, skirmisherFrame);
}

void drawEnemyHeavySheet() {
    SheetLayout s = fighterLayout("Sprites/Fight/EnemyHeavy.png", false, 76, 68, 16, 14, 6, 1.5f, 42);
    drawFighterSheet(s, bruteFrame);
}

void drawEnemyShieldSheet() {
    SheetLayout s = fighterLayout("Sprites/Fight/EnemyShield.png", false, 100, 110, 18, 7, 4, 2.1f, 62);
    drawFighterSheet(s, bearerFrame);
}

void drawBossSheet() {
    // the warlord stands a little left of his shadow's centre so his cape fits the frame
    SheetLayout s = fighterLayout("Sprites/Fight/Boss.png", false, 100, 118, 15, 16, 6, 1.9f, 62);
    drawFighterSheet(s, bossFrame);
}

} // namespace fight
