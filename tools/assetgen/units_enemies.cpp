// The enemies on the world map: blood-red, ink-dark and bone-pale, with glowing red eyes.
#include "units_types.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace art;

namespace units {

namespace {

const sf::Color W = pal(White);
constexpr float kPi = 3.14159265f;

Ramp clothR() { return ramp(Ink, Night, Slate); }
Ramp ironR() { return ramp(Ink, Night, Slate); }
Ramp plateR() { return ramp(Night, Slate, Steel); }
Ramp leatherR() { return ramp(Ink, BloodDeep, Blood); }
Ramp bloodR() { return ramp(BloodDeep, Blood, Ember); }
Ramp boneR() { return ramp(Sand, SandLight, White); }
Ramp bladeR() { return ramp(Steel, Silver, Cloud); }
Ramp woodR() { return ramp(EarthDeep, Earth, EarthLight); }
Ramp greySkinR() { return ramp(BloodDeep, Blood, Ember); }

// A bone spike from base (centre of its root) pointing along dir.
void spike(Canvas& c, V base, V dir, float len, float halfW) {
    part(c, boneR(), [&](Canvas& m) { poly(m, local(base, dir, {{0, -halfW}, {len, 0}, {0, halfW}}), W); });
}

// Two glowing eyes in a shadowed face (front) or one (profile), at head centre + dy.
void redEyes(Canvas& c, const Pose& p, float dy, float spread = 2.f) {
    const int y = int(std::floor(p.head.y + dy));
    if (!p.side) {
        for (int s = -1; s <= 1; s += 2) {
            const int x = int(std::floor(p.head.x + (s < 0 ? -spread : spread - 1.f)));
            c.px(x, y, pal(Ember));
            c.px(x + (s < 0 ? -1 : 1), y, pal(Blood));
            c.px(x, y - 1, pal(Blood, 170));
        }
    } else {
        const int x = int(std::floor(p.head.x + float(p.facing) * 2.5f));
        c.px(x, y, pal(Ember));
        c.px(x - p.facing, y, pal(Blood));
        c.px(x + p.facing, y, pal(Blood, 170));
    }
}

// Ragged cloth hem: a polygon from two shoulder points to a toothed hem between hemL and hemR.
std::vector<V> raggedCloak(V topL, V topR, float hemL, float hemR, float hemY, float sway, int teeth) {
    std::vector<V> pts{topL, topR};
    for (int i = teeth; i >= 0; --i) {
        const float t = float(i) / float(teeth);
        const float x = hemL + (hemR - hemL) * t + sway * (1.f - std::fabs(t - 0.5f));
        pts.push_back({x, hemY + ((i % 2) ? -2.5f : 0.f)});
    }
    return pts;
}

// ---------------------------------------------------------------- enemy Light (skirmisher)
void dagger(Canvas& c, V hand, V dir) {
    part(c, bladeR(), [&](Canvas& m) { poly(m, local(hand, dir, {{1.f, -1.2f}, {8.f, 0.f}, {1.f, 1.2f}}), W); });
    part(c, boneR(), [&](Canvas& m) { capsule(m, hand + normalize(dir) * 1.f + V{-normalize(dir).y, normalize(dir).x} * 1.5f, hand + normalize(dir) * 1.f - V{-normalize(dir).y, normalize(dir).x} * 1.5f, 0.5f, W); });
}

void skirmisherHood(Canvas& c, const Pose& p) {
    const V h = p.head;
    if (!p.side) {
        part(c, clothR(), [&](Canvas& m) {
            poly(m, {{h.x - 5.5f, h.y + 4.5f}, {h.x - 6.f, h.y - 1.f}, {h.x - 2.5f, h.y - 6.f}, {h.x + 0.5f, h.y - 8.5f},
                     {h.x + 3.5f, h.y - 5.5f}, {h.x + 6.f, h.y - 1.f}, {h.x + 5.5f, h.y + 4.5f}},
                 W);
        }, 2);
        // the face is lost in the hood's shadow
        part(c, ramp(Ink, Ink, Night), [&](Canvas& m) { oval(m, h + V{0, 1.f}, 3.5f, 3.5f, W); });
        // blood-red scarf over mouth and neck
        part(c, bloodR(), [&](Canvas& m) {
            poly(m, {{h.x - 4.f, h.y + 2.f}, {h.x + 4.f, h.y + 2.f}, {h.x + 4.5f, h.y + 6.f}, {h.x - 4.5f, h.y + 6.f}}, W);
            capsule(m, h + V{3.5f, 5.f}, h + V{6.f + p.sway, 9.f}, 1.f, W);
        });
        redEyes(c, p, 0.5f, 1.5f);
    } else {
        const float f = float(p.facing);
        part(c, bloodR(), [&](Canvas& m) {
            curve(m, h + V{-f * 2.f, 5.f}, h + V{-f * 6.f, 5.f + p.bob}, h + V{-f * (9.f + p.sway * 1.5f), 7.f}, 1.f, W);
        });
        part(c, clothR(), [&](Canvas& m) {
            poly(m, {{h.x + f * 4.f, h.y - 4.f}, {h.x + f * 4.5f, h.y + 4.5f}, {h.x - f * 4.f, h.y + 5.f},
                     {h.x - f * 6.f, h.y + 1.f}, {h.x - f * 5.f, h.y - 3.f}, {h.x - f * 4.f, h.y - 8.f}, {h.x, h.y - 6.f}},
                 W);
        }, 2);
        part(c, ramp(Ink, Ink, Night), [&](Canvas& m) { oval(m, h + V{f * 2.5f, 1.f}, 2.f, 3.f, W); });
        part(c, bloodR(), [&](Canvas& m) {
            poly(m, {{h.x + f * 4.5f, h.y + 2.f}, {h.x + f * 4.5f, h.y + 5.5f}, {h.x - f * 2.f, h.y + 6.f}, {h.x - f * 1.f, h.y + 2.f}}, W);
        });
        redEyes(c, p, 0.5f);
    }
}

void drawSkirmisher(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    if (!p.side) {
        placeHand(p, b, 0, {cx - 7.5f, b.hipY - 3.f}, -1);
        placeHand(p, b, 1, {cx + 7.5f, b.hipY - 3.f}, 1);
        part(c, clothR(), [&](Canvas& m) {
            poly(m, raggedCloak({cx - 5.f, p.chest.y - 1.f}, {cx + 5.f, p.chest.y - 1.f}, cx + 7.5f, cx - 7.5f, 52.f, p.sway, 6), W);
        }, 2);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, clothR(), leatherR(), 6.f);
        drawTorso(c, p, b, leatherR());
        part(c, clothR(), [&](Canvas& m) { capsule(m, {cx - 4.f, p.chest.y}, {cx + 3.5f, b.hipY - 3.f}, 0.8f, W); });
        part(c, ironR(), [&](Canvas& m) { m.rect(int(cx - 4), int(b.hipY - 3), 8, 2, W); });
        c.px(int(cx) - 1, int(b.hipY - 3), pal(SandLight));
        for (int k = 0; k < 2; ++k) {
            const float s = k == 0 ? -1.f : 1.f;
            drawArm(c, p, k, b, clothR(), leatherR());
            dagger(c, p.hand[k], {s * 0.8f, 1.f});
            part(c, leatherR(), [&](Canvas& m) { oval(m, p.hand[k], 1.5f, 1.5f, W); });
        }
        skirmisherHood(c, p);
        for (int k = 0; k < 2; ++k) {
            const float s = k == 0 ? -1.f : 1.f;
            part(c, leatherR(), [&](Canvas& m) { oval(m, p.shoulder[k] + V{s * 1.f, 0.f}, 2.5f, 2.f, W); });
            spike(c, p.shoulder[k] + V{s * 2.f, -1.f}, {s * 0.8f, -1.f}, 3.5f, 1.2f);
        }
        return;
    }
    const float f = float(p.facing);
    // crouched, leaning into the run
    p.chest.x += f * 1.f;
    p.head = p.head + V{f * 1.5f, 1.f};
    for (int k = 0; k < 2; ++k) p.shoulder[k].x += f * 1.f;
    part(c, clothR(), [&](Canvas& m) {
        poly(m, {{p.neck.x + f * 1.f, p.neck.y}, {p.neck.x - f * 3.5f, p.neck.y}, {cx - f * (8.f + p.sway), 49.f + p.bob},
                 {cx - f * 6.f, 51.5f + p.bob}, {cx - f * 4.f, 49.5f + p.bob}, {cx - f * 1.f, 51.f + p.bob}, {cx + f * 1.f, 46.f}},
             W);
    }, 2);
    placeHand(p, b, 1, carryHand(p, {-3.5f, 8.5f}, -2.f) + V{-f * 0.5f, 0}, -f);
    drawArm(c, p, 1, b, farSide(clothR()), farSide(leatherR()));
    dagger(c, p.hand[1], {-f * 1.f, 0.4f});
    drawLeg(c, p, 1, b, farSide(clothR()), farSide(leatherR()), 6.f);
    drawTorso(c, p, b, leatherR());
    part(c, ironR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 3.f, -2.f}, p.pelvis + V{f * 3.f, -2.f}, 1.f, W); });
    drawLeg(c, p, 0, b, clothR(), leatherR(), 6.f);
    skirmisherHood(c, p);
    spike(c, p.shoulder[0] + V{-f * 0.5f, -1.f}, {-f * 0.5f, -1.f}, 3.5f, 1.2f);
    placeHand(p, b, 0, carryHand(p, {5.f, 6.5f}, 2.f), -f);
    drawArm(c, p, 0, b, clothR(), leatherR());
    dagger(c, p.hand[0], {f * 1.f, -0.3f});
    part(c, leatherR(), [&](Canvas& m) { oval(m, p.hand[0], 1.5f, 1.5f, W); });
}

// ---------------------------------------------------------------- enemy Heavy (brute)
void club(Canvas& c, V grip, V top) {
    const V d = normalize(top - grip);
    const V n{-d.y, d.x};
    part(c, ramp(Earth, EarthLight, Sand), [&](Canvas& m) { capsule2(m, grip - d * 3.f, top, 1.2f, 3.8f, 0, W); }, 2);
    part(c, ironR(), [&](Canvas& m) { capsule(m, top - d * 8.5f, top - d * 7.5f, 3.f, W); });
    spike(c, top - d * 1.5f + n * 3.2f, n + d * 0.3f, 3.5f, 1.1f);
    spike(c, top - d * 4.5f - n * 3.f, n * -1.f + d * 0.2f, 3.5f, 1.1f);
    spike(c, top + d * 3.f, d, 3.f, 1.1f);
    spike(c, top - d * 5.f + n * 2.8f, n, 3.f, 1.1f);
    spike(c, top - d * 0.5f - n * 3.2f, n * -1.f + d * 0.4f, 3.f, 1.1f);
}

void bruteHead(Canvas& c, const Pose& p, const Build& b) {
    const V h = p.head;
    const float f = p.side ? float(p.facing) : 0.f;
    part(c, greySkinR(), [&](Canvas& m) {
        oval(m, h, b.headRX + 0.5f, b.headRY, W);
        oval(m, h + V{f * 1.5f, 3.f}, b.headRX, 2.5f, W); // heavy jaw
    });
    // iron half-helm with bone horns
    part(c, ironR(), [&](Canvas& m) {
        oval(m, h + V{-f * 0.5f, -1.5f}, b.headRX + 1.f, 4.f, W);
        for (int y = int(h.y - 0.5f); y < 64; ++y)
            for (int x = 0; x < 64; ++x) m.px(x, y, sf::Color::Transparent);
    });
    if (!p.side) {
        spike(c, h + V{-4.f, -3.f}, {-1.f, -1.f}, 4.5f, 1.3f);
        spike(c, h + V{4.f, -3.f}, {1.f, -1.f}, 4.5f, 1.3f);
        // tusks
        c.px(int(h.x) - 3, int(h.y + 3), pal(White));
        c.px(int(h.x) - 3, int(h.y + 2), pal(SandLight));
        c.px(int(h.x) + 2, int(h.y + 3), pal(White));
        c.px(int(h.x) + 2, int(h.y + 2), pal(SandLight));
        for (int x = int(h.x) - 2; x < int(h.x) + 2; ++x) c.px(x, int(h.y + 4), pal(Ink));
    } else {
        spike(c, h + V{-f * 1.f, -4.5f}, {f * 0.6f, -1.f}, 4.5f, 1.3f);
        c.px(int(std::floor(h.x + f * 3.5f)), int(h.y + 2), pal(White));
        c.px(int(std::floor(h.x + f * 3.5f)), int(h.y + 1), pal(SandLight));
    }
    redEyes(c, p, 0.f, 2.f);
}

void drawBrute(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    if (!p.side) {
        placeHand(p, b, 0, {cx - 11.5f, b.hipY - 3.f}, -1);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, leatherR(), ironR(), 5.f);
        drawTorso(c, p, b, greySkinR(), 0.5f);
        // belly and chest shading
        part(c, greySkinR(), [&](Canvas& m) { oval(m, {cx, b.hipY - 6.f}, 5.5f, 4.5f, W); }, 2);
        // harness
        part(c, leatherR(), [&](Canvas& m) {
            capsule(m, {cx - 7.f, p.chest.y}, {cx + 5.f, b.hipY - 4.f}, 1.f, W);
            m.rect(int(cx - 8), int(b.hipY - 3), 16, 3, W);
        });
        part(c, leatherR(), [&](Canvas& m) { poly(m, {{cx - 3.5f, b.hipY}, {cx + 3.5f, b.hipY}, {cx + 2.5f, b.hipY + 6.f}, {cx, b.hipY + 5.f}, {cx - 2.5f, b.hipY + 6.f}}, W); });
        part(c, boneR(), [&](Canvas& m) { oval(m, {cx, b.hipY - 1.5f}, 1.8f, 1.8f, W); });
        c.px(int(cx) - 1, int(b.hipY - 2), pal(Ink));
        c.px(int(cx), int(b.hipY - 2), pal(Ink));
        club(c, p.hand[0], {cx - 12.5f, 19.f});
        for (int k = 0; k < 2; ++k) {
            drawArm(c, p, k, b, greySkinR(), greySkinR());
            part(c, ironR(), [&](Canvas& m) { capsule(m, lerp(p.elbow[k], p.hand[k], 0.35f), lerp(p.elbow[k], p.hand[k], 0.8f), b.armR + 0.3f, W); });
        }
        part(c, greySkinR(), [&](Canvas& m) { oval(m, p.hand[0], 2.f, 1.8f, W); });
        // spiked pauldron on the left shoulder
        part(c, ironR(), [&](Canvas& m) { oval(m, p.shoulder[1] + V{1.f, -0.5f}, 4.f, 3.f, W); }, 2);
        spike(c, p.shoulder[1] + V{0.f, -3.f}, {0.2f, -1.f}, 4.f, 1.2f);
        spike(c, p.shoulder[1] + V{3.f, -2.f}, {1.f, -0.8f}, 4.f, 1.2f);
        bruteHead(c, p, b);
        return;
    }
    const float f = float(p.facing);
    // hunched forward
    p.head = p.head + V{f * 2.f, 1.f};
    drawArm(c, p, 1, b, farSide(greySkinR()), farSide(greySkinR()));
    drawLeg(c, p, 1, b, farSide(leatherR()), farSide(ironR()), 5.f);
    placeHand(p, b, 0, carryHand(p, {3.f, 6.5f}, 0.8f), -f);
    club(c, p.hand[0], p.shoulder[0] + V{-f * 9.f, -11.f});
    drawTorso(c, p, b, greySkinR(), 1.f);
    part(c, greySkinR(), [&](Canvas& m) { oval(m, p.pelvis + V{f * 3.f, -4.f}, 4.f, 4.5f, W); }, 2);
    part(c, leatherR(), [&](Canvas& m) {
        capsule(m, p.pelvis + V{-f * 5.f, -1.5f}, p.pelvis + V{f * 5.5f, -1.5f}, 1.5f, W);
        capsule(m, p.chest + V{-f * 4.f, 0.f}, p.pelvis + V{f * 4.f, -3.f}, 0.9f, W);
    });
    drawLeg(c, p, 0, b, leatherR(), ironR(), 5.f);
    part(c, ironR(), [&](Canvas& m) { oval(m, p.shoulder[1] + V{-f * 1.f, -0.5f}, 4.f, 3.f, W); }, 2);
    spike(c, p.shoulder[1] + V{-f * 1.5f, -3.f}, {-f * 0.3f, -1.f}, 4.f, 1.2f);
    bruteHead(c, p, b);
    drawArm(c, p, 0, b, greySkinR(), greySkinR());
    part(c, ironR(), [&](Canvas& m) { capsule(m, lerp(p.elbow[0], p.hand[0], 0.35f), lerp(p.elbow[0], p.hand[0], 0.8f), b.armR + 0.3f, W); });
    part(c, greySkinR(), [&](Canvas& m) { oval(m, p.hand[0], 2.f, 1.8f, W); });
}

// ---------------------------------------------------------------- enemy Shield (dark shield bearer)
void darkShield(Canvas& c, V topLeft, float w, float h) {
    const float x = topLeft.x, y = topLeft.y;
    part(c, plateR(), [&](Canvas& m) {
        poly(m, {{x, y + 3.f}, {x + w * 0.5f, y - 1.5f}, {x + w, y + 3.f}, {x + w, y + h - 5.f}, {x + w * 0.5f, y + h}, {x, y + h - 5.f}}, W);
    });
    part(c, leatherR(), [&](Canvas& m) {
        poly(m, {{x + 1.f, y + 3.5f}, {x + w * 0.5f, y - 0.2f}, {x + w - 1.f, y + 3.5f}, {x + w - 1.f, y + h - 5.5f}, {x + w * 0.5f, y + h - 1.5f}, {x + 1.f, y + h - 5.5f}}, W);
    }, 2);
    // bone skull boss
    const V s{x + w * 0.5f, y + h * 0.4f};
    part(c, boneR(), [&](Canvas& m) {
        oval(m, s, 2.8f, 2.5f, W);
        m.rect(int(std::floor(s.x - 1.5f)), int(std::floor(s.y + 2.f)), 3, 2, W);
    });
    c.px(int(std::floor(s.x - 1.5f)), int(std::floor(s.y)), pal(Ink));
    c.px(int(std::floor(s.x + 0.5f)), int(std::floor(s.y)), pal(Ink));
    c.px(int(std::floor(s.x - 1.5f)), int(std::floor(s.y)) + 1, pal(Blood));
    c.px(int(std::floor(s.x + 0.5f)), int(std::floor(s.y)) + 1, pal(Blood));
    // rim spikes
    spike(c, {x + 0.5f, y + 3.5f}, {-0.7f, -1.f}, 3.f, 1.f);
    spike(c, {x + w - 0.5f, y + 3.5f}, {0.7f, -1.f}, 3.f, 1.f);
    spike(c, {x + w * 0.5f, y + h - 0.5f}, {0.f, 1.f}, 2.f, 1.f);
}

void bearerHelm(Canvas& c, const Pose& p) {
    const V h = p.head;
    const float f = p.side ? float(p.facing) : 0.f;
    part(c, plateR(), [&](Canvas& m) {
        poly(m, {{h.x - 5.f, h.y - 2.f}, {h.x - 3.f, h.y - 5.5f}, {h.x + 3.f, h.y - 5.5f}, {h.x + 5.f, h.y - 2.f},
                 {h.x + 5.f + f, h.y + 4.f}, {h.x + f * 2.f, h.y + 6.5f}, {h.x - 5.f + f, h.y + 4.f}},
             W);
    }, 2);
    // slit with burning eyes
    const int y = int(std::floor(h.y + 0.5f));
    if (!p.side) {
        for (int x = int(h.x - 4); x < int(h.x + 4); ++x) c.px(x, y, pal(Ink));
        for (int x = int(h.x) - 1; x <= int(h.x); ++x)
            for (int yy = y + 1; yy < y + 5; ++yy) c.px(x, yy, pal(Ink));
        c.px(int(h.x) - 3, y, pal(Ember));
        c.px(int(h.x) + 2, y, pal(Ember));
        c.px(int(h.x) - 2, y, pal(Blood));
        c.px(int(h.x) + 1, y, pal(Blood));
        for (int i = -1; i <= 1; ++i) spike(c, h + V{float(i) * 3.f, -5.f}, {float(i) * 0.35f, -1.f}, i == 0 ? 5.f : 3.5f, 1.1f);
    } else {
        for (int i = 0; i < 5; ++i) c.px(int(std::floor(h.x + f * (0.5f + i))), y, pal(Ink));
        c.px(int(std::floor(h.x + f * 3.5f)), y, pal(Ember));
        c.px(int(std::floor(h.x + f * 2.5f)), y, pal(Blood));
        for (int i = -1; i <= 1; ++i) spike(c, h + V{f * float(i) * 2.5f, -5.f}, {-f * 0.4f + float(i) * 0.2f, -1.f}, i == 0 ? 5.f : 3.5f, 1.1f);
    }
}

void drawBearer(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    if (!p.side) {
        placeHand(p, b, 0, {cx - 9.f, b.hipY - 3.f}, -1);
        placeHand(p, b, 1, {cx + 7.f, b.hipY - 6.f}, 1);
        part(c, bloodR(), [&](Canvas& m) {
            poly(m, raggedCloak({cx - 6.f, p.chest.y - 1.f}, {cx + 6.f, p.chest.y - 1.f}, cx + 8.5f, cx - 8.5f, 53.f, p.sway * 0.8f, 6), W);
        }, 2);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, plateR(), ironR(), 5.f);
        drawTorso(c, p, b, plateR());
        part(c, leatherR(), [&](Canvas& m) { poly(m, {{cx - 2.5f, p.chest.y + 1.f}, {cx + 2.5f, p.chest.y + 1.f}, {cx + 2.f, b.hipY + 5.f}, {cx - 2.f, b.hipY + 5.f}}, W); });
        part(c, ironR(), [&](Canvas& m) { m.rect(int(cx - 5), int(b.hipY - 3), 10, 2, W); });
        // flanged mace in the right hand
        pole(c, p.hand[0] + V{0, -2.f}, p.hand[0] + V{0, 9.f}, woodR(), 0.8f);
        part(c, plateR(), [&](Canvas& m) { oval(m, p.hand[0] + V{0, 10.5f}, 2.5f, 2.5f, W); });
        spike(c, p.hand[0] + V{-2.f, 10.5f}, {-1.f, 0}, 2.f, 0.8f);
        spike(c, p.hand[0] + V{0, 12.5f}, {0, 1.f}, 2.f, 0.8f);
        drawArm(c, p, 0, b, plateR(), ironR());
        drawArm(c, p, 1, b, plateR(), ironR());
        for (int k = 0; k < 2; ++k) {
            const float s = k == 0 ? -1.f : 1.f;
            part(c, ironR(), [&](Canvas& m) { oval(m, p.shoulder[k] + V{s * 0.5f, -0.5f}, 3.5f, 2.5f, W); }, 2);
            spike(c, p.shoulder[k] + V{s * 1.5f, -2.5f}, {s * 0.5f, -1.f}, 3.5f, 1.1f);
        }
        bearerHelm(c, p);
        darkShield(c, {cx + 2.5f, p.chest.y}, 12.f, 24.f);
        return;
    }
    const float f = float(p.facing);
    part(c, bloodR(), [&](Canvas& m) {
        poly(m, {{p.neck.x + f * 1.f, p.neck.y}, {p.neck.x - f * 4.f, p.neck.y}, {cx - f * (8.f + p.sway), 50.f + p.bob},
                 {cx - f * 6.f, 53.f + p.bob}, {cx - f * 3.5f, 50.5f + p.bob}, {cx - f * 1.f, 52.f + p.bob}, {cx + f * 1.f, 46.f}},
             W);
    }, 2);
    drawArm(c, p, 1, b, farSide(plateR()), farSide(ironR()));
    drawLeg(c, p, 1, b, farSide(plateR()), farSide(ironR()), 5.f);
    drawTorso(c, p, b, plateR());
    part(c, ironR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 3.5f, -2.f}, p.pelvis + V{f * 3.5f, -2.f}, 1.f, W); });
    drawLeg(c, p, 0, b, plateR(), ironR(), 5.f);
    bearerHelm(c, p);
    placeHand(p, b, 0, p.shoulder[0] + V{f * 3.f, 7.f}, -f);
    drawArm(c, p, 0, b, plateR(), ironR());
    const float sx = p.shoulder[0].x + (f > 0 ? -3.f : -8.f) + f * 1.5f;
    darkShield(c, {sx, p.shoulder[0].y + 0.5f - 0.5f * std::cos(2 * p.phase)}, 10.f, 22.f);
}

// ---------------------------------------------------------------- Boss (horned warlord)
void horn(Canvas& c, V root, float s, float sway) {
    // s: -1 curls out to the left, +1 to the right
    part(c, boneR(), [&](Canvas& m) {
        const V a = root, ctrl = root + V{s * 7.f, -1.f}, e = root + V{s * (6.f + sway * 0.3f), -10.f};
        V prev = a;
        for (int i = 1; i <= 10; ++i) {
            const float t = float(i) / 10.f;
            const V q = a * ((1 - t) * (1 - t)) + ctrl * (2 * (1 - t) * t) + e * (t * t);
            capsule2(m, prev, q, 2.f * (1.f - (t - 0.1f) * 0.85f), 2.f * (1.f - t * 0.85f), 0, W);
            prev = q;
        }
    });
    // ridges
    const V r1 = root + V{s * 4.f, -1.5f}, r2 = root + V{s * 6.f, -4.5f};
    c.px(int(std::floor(r1.x)), int(std::floor(r1.y)), pal(Sand));
    c.px(int(std::floor(r2.x)), int(std::floor(r2.y)), pal(Sand));
}

void greatsword(Canvas& c, V hilt, V dir, float len) {
    const V d = normalize(dir);
    part(c, bladeR(), [&](Canvas& m) {
        poly(m, local(hilt, d, {{2.f, -2.5f}, {len - 5.f, -3.f}, {len, 0.5f}, {len - 3.f, 2.5f}, {2.f, 2.5f}}), W);
    }, 2);
    // blood-red runes along the fuller
    for (int i = 0; i < 4; ++i) {
        const V q = hilt + d * (6.f + float(i) * 5.f);
        c.px(int(std::floor(q.x)), int(std::floor(q.y)), pal(Blood));
    }
    part(c, ironR(), [&](Canvas& m) { poly(m, local(hilt, d, {{0.5f, -5.f}, {2.f, -4.5f}, {2.f, 4.5f}, {0.5f, 5.f}}), W); });
    pole(c, hilt, hilt - d * 4.5f, leatherR(), 1.f);
    part(c, bloodR(), [&](Canvas& m) { oval(m, hilt - d * 5.5f, 1.5f, 1.5f, W); });
}

void bossHead(Canvas& c, const Pose& p) {
    const V h = p.head;
    const float f = p.side ? float(p.facing) : 0.f;
    if (!p.side) {
        horn(c, h + V{-4.5f, -2.f}, -1.f, p.sway);
        horn(c, h + V{4.5f, -2.f}, 1.f, -p.sway);
    } else {
        horn(c, h + V{-f * 3.5f, -2.5f}, -f, p.sway);
    }
    part(c, ironR(), [&](Canvas& m) {
        poly(m, {{h.x - 5.5f, h.y - 1.f}, {h.x - 4.f, h.y - 5.5f}, {h.x + 4.f, h.y - 5.5f}, {h.x + 5.5f, h.y - 1.f},
                 {h.x + 5.f + f, h.y + 4.f}, {h.x + f * 2.f, h.y + 7.f}, {h.x - 5.f + f, h.y + 4.f}},
             W);
    }, 2);
    // face plate: blood-red brow, burning eyes
    const int y = int(std::floor(h.y + 0.5f));
    if (!p.side) {
        for (int x = int(h.x - 4); x < int(h.x + 4); ++x) c.px(x, y - 2, pal(BloodDeep));
        for (int x = int(h.x - 4); x < int(h.x + 4); ++x) c.px(x, y, pal(Ink));
        for (int x = int(h.x) - 1; x <= int(h.x); ++x)
            for (int yy = y; yy < y + 5; ++yy) c.px(x, yy, pal(Ink));
        c.px(int(h.x) - 3, y, pal(GoldLight));
        c.px(int(h.x) - 2, y, pal(Ember));
        c.px(int(h.x) + 2, y, pal(GoldLight));
        c.px(int(h.x) + 1, y, pal(Ember));
        c.px(int(h.x) - 3, y - 1, pal(Ember, 140));
        c.px(int(h.x) + 2, y - 1, pal(Ember, 140));
        spike(c, h + V{0, -5.f}, {0, -1.f}, 3.5f, 1.2f);
    } else {
        for (int i = 0; i < 6; ++i) c.px(int(std::floor(h.x + f * (0.f + i))), y, pal(Ink));
        c.px(int(std::floor(h.x + f * 3.5f)), y, pal(GoldLight));
        c.px(int(std::floor(h.x + f * 2.5f)), y, pal(Ember));
        spike(c, h + V{0, -5.f}, {-f * 0.3f, -1.f}, 3.5f, 1.2f);
    }
}

void bossPauldron(Canvas& c, V at, float s) {
    part(c, ironR(), [&](Canvas& m) { oval(m, at, 5.f, 3.5f, W); }, 2);
    part(c, bloodR(), [&](Canvas& m) { capsule(m, at + V{-4.f, 2.5f}, at + V{4.f, 2.5f}, 0.7f, W); });
    spike(c, at + V{s * 1.f, -3.f}, {s * 0.3f, -1.f}, 5.f, 1.4f);
    spike(c, at + V{s * 4.f, -1.5f}, {s * 1.f, -0.6f}, 4.f, 1.2f);
}

void drawBoss(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    if (!p.side) {
        placeHand(p, b, 0, {cx - 13.f, b.hipY - 7.f}, -1);
        placeHand(p, b, 1, {cx + 11.f, b.hipY - 1.f}, 1);
        // wide cape behind, ragged hem
        part(c, bloodR(), [&](Canvas& m) {
            poly(m, raggedCloak({cx - 9.f, p.chest.y - 2.f}, {cx + 9.f, p.chest.y - 2.f}, cx + 13.f, cx - 12.f, 55.f, p.sway * 1.2f, 8), W);
        }, 2);
        for (int k = 0; k < 2; ++k) {
            drawLeg(c, p, k, b, ironR(), ironR(), 6.f);
            const float s = k == 0 ? -1.f : 1.f;
            spike(c, p.knee[k] + V{s * 1.5f, 0}, {s * 1.f, -0.2f}, 2.5f, 1.f);
        }
        drawTorso(c, p, b, plateR(), 0.5f);
        // chest: blood trim, bone skull clasp, belt with tassets
        part(c, ironR(), [&](Canvas& m) { poly(m, {{cx - 5.f, p.chest.y + 1.f}, {cx + 5.f, p.chest.y + 1.f}, {cx + 4.f, p.chest.y + 9.f}, {cx, p.chest.y + 11.f}, {cx - 4.f, p.chest.y + 9.f}}, W); });
        part(c, bloodR(), [&](Canvas& m) {
            m.rect(int(cx - 7), int(b.hipY - 3), 14, 2, W);
            poly(m, {{cx - 3.f, b.hipY - 1.f}, {cx + 3.f, b.hipY - 1.f}, {cx + 2.f, b.hipY + 8.f}, {cx - 2.f, b.hipY + 8.f}}, W);
        });
        part(c, boneR(), [&](Canvas& m) { oval(m, {cx, p.chest.y + 5.f}, 2.f, 2.f, W); m.rect(int(cx - 1), int(p.chest.y + 6.f), 2, 2, W); });
        c.px(int(cx) - 1, int(p.chest.y + 5.f), pal(Ink));
        c.px(int(cx), int(p.chest.y + 5.f), pal(Ink));
        drawArm(c, p, 1, b, plateR(), ironR());
        part(c, ironR(), [&](Canvas& m) { oval(m, p.hand[1], 2.2f, 2.2f, W); });
        // greatsword planted point-down at his right side
        greatsword(c, p.hand[0] + V{0, 1.f}, {0, 1.f}, 22.f);
        drawArm(c, p, 0, b, plateR(), ironR());
        part(c, ironR(), [&](Canvas& m) { oval(m, p.hand[0], 2.2f, 2.2f, W); });
        bossPauldron(c, p.shoulder[0] + V{-1.f, -1.f}, -1.f);
        bossPauldron(c, p.shoulder[1] + V{1.f, -1.f}, 1.f);
        bossHead(c, p);
        return;
    }
    const float f = float(p.facing);
    part(c, bloodR(), [&](Canvas& m) {
        poly(m, {{p.neck.x + f * 2.f, p.neck.y}, {p.neck.x - f * 6.f, p.neck.y + 1.f}, {cx - f * (12.f + p.sway * 1.5f), 52.f + p.bob},
                 {cx - f * 9.f, 55.f + p.bob}, {cx - f * 6.f, 52.5f + p.bob}, {cx - f * 3.f, 55.f + p.bob}, {cx + f * 1.f, 48.f}},
             W);
    }, 2);
    drawArm(c, p, 1, b, farSide(plateR()), farSide(ironR()));
    drawLeg(c, p, 1, b, farSide(ironR()), farSide(ironR()), 6.f);
    drawTorso(c, p, b, plateR(), 1.f);
    part(c, bloodR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 6.f, -2.f}, p.pelvis + V{f * 6.f, -2.f}, 1.f, W); });
    drawLeg(c, p, 0, b, ironR(), ironR(), 6.f);
    spike(c, p.knee[0] + V{f * 2.f, 0}, {f * 1.f, -0.2f}, 2.5f, 1.f);
    bossHead(c, p);
    // the greatsword held low before him, point trailing forward toward the ground
    placeHand(p, b, 0, p.shoulder[0] + V{f * 5.5f, 9.f - 0.7f * std::cos(p.phase)}, -f);
    greatsword(c, p.hand[0] + V{0.f, 0.5f}, {f * 0.62f, 0.78f}, 20.f);
    drawArm(c, p, 0, b, plateR(), ironR());
    part(c, ironR(), [&](Canvas& m) { oval(m, p.hand[0], 2.2f, 2.2f, W); });
    bossPauldron(c, p.shoulder[0] + V{-f * 0.5f, -1.f}, -f);
}

// The enemies' rows. Body columns, in pixels of the 64x64 frame:
//   hipY  shoulderY headY headRX headRY | shoulderHW waistHW hipHW legR armR depth | stride armSwing upperArm foreArm
const UnitRow kEnemyRows[] = {
    {"Light", {45.f, 32.f, 26.f, 5.f, 5.5f, 5.f, 3.5f, 2.f, 1.7f, 1.3f, 3.f, 5.5f, 4.5f, 6.5f, 6.f}, 11, 11, 9.f, drawSkirmisher},
    {"Heavy", {45.f, 32.f, 27.f, 4.5f, 4.5f, 9.5f, 8.f, 3.5f, 2.6f, 2.4f, 6.f, 4.5f, 3.f, 7.f, 6.5f}, 11, 11, 12.f, drawBrute},
    {"Shield", {44.5f, 31.5f, 25.f, 5.f, 5.5f, 7.f, 5.f, 2.5f, 2.2f, 1.8f, 4.f, 4.5f, 2.5f, 6.5f, 6.f}, 11, 11, 10.f, drawBearer},
    {"Boss", {41.5f, 26.f, 18.5f, 5.5f, 5.5f, 10.f, 7.5f, 3.5f, 3.f, 2.6f, 6.5f, 6.5f, 4.f, 8.f, 7.5f}, 12, 12, 14.f, drawBoss},
};

} // namespace

std::vector<UnitDef> enemyUnits() { return unitDefs("WorldEnemySprite", kEnemyRows, int(std::size(kEnemyRows))); }

namespace {

// ---------------------------------------------------------------- Tank (siege ram on wheels)
// Drawn in the machine's own frame: u runs forward (toward where it faces), y down.
struct TankPose {
    float f = -1;      // facing: -1 left, +1 right
    float cx = 33;
    float bodyDy = 0;  // rumble / bob of the body over the wheels
    float wheelTurn = 0;
    float flutter = 0;
    int frame = 0;
    bool idle = true;
};

V tp(const TankPose& t, float u, float y) { return {t.cx + t.f * u, y}; }

void wheel(Canvas& c, const TankPose& t, float u, float r) {
    const V ctr = tp(t, u, kGround - r);
    part(c, ironR(), [&](Canvas& m) { oval(m, ctr, r, r, W); }, 2);
    part(c, woodR(), [&](Canvas& m) { oval(m, ctr, r - 1.5f, r - 1.5f, W); });
    part(c, ramp(Ink, Ink, EarthDeep), [&](Canvas& m) { oval(m, ctr, r - 3.f, r - 3.f, W); });
    part(c, ramp(Earth, EarthLight, Sand), [&](Canvas& m) {
        for (int k = 0; k < 4; ++k) {
            const float a = t.wheelTurn + float(k) * kPi * 0.5f;
            capsule(m, ctr, ctr + V{std::cos(a), std::sin(a)} * (r - 2.2f), 0.75f, W);
        }
    });
    part(c, plateR(), [&](Canvas& m) { oval(m, ctr, 1.6f, 1.6f, W); });
    // iron studs on the tyre, between the spokes: they turn with the wheel
    for (int k = 0; k < 4; ++k) {
        const float a = t.wheelTurn + kPi * 0.25f + float(k) * kPi * 0.5f;
        const V s = ctr + V{std::cos(a), std::sin(a)} * (r - 0.7f);
        c.px(int(std::floor(s.x)), int(std::floor(s.y)), pal(Silver));
    }
}

void drawTank(Canvas& c, const TankPose& t) {
    const float d = t.bodyDy;
    auto P = [&](float u, float y) { return tp(t, u, y + d); };
    auto px = [&](V q, sf::Color col) { c.px(int(std::floor(q.x)), int(std::floor(q.y)), col); };
    // war banner on a pole at the back, a swallow-tailed flag streaming behind
    pole(c, P(-12.f, 31.f), P(-12.f, 15.f), woodR(), 0.7f);
    spike(c, P(-12.f, 15.5f), {0.f, -1.f}, 2.5f, 1.f);
    part(c, bloodR(), [&](Canvas& m) {
        const float fl = t.flutter;
        poly(m, {P(-12.5f, 16.5f), P(-19.f, 17.f + fl), P(-16.5f, 20.f + fl * 0.5f), P(-19.f, 23.5f - fl * 0.5f), P(-12.5f, 23.f)}, W);
    });
    for (float u = -13.f; u > -17.f; u -= 1.f) px(P(u, 19.5f), pal(Ink));
    // the ram: a great iron-shod log running out of the front
    part(c, woodR(), [&](Canvas& m) { capsule(m, P(-6.f, 37.f), P(22.f, 37.f), 2.8f, W); }, 2);
    part(c, ironR(), [&](Canvas& m) {
        capsule(m, P(14.f, 34.f), P(14.f, 40.f), 1.f, W);
        capsule(m, P(18.5f, 34.f), P(18.5f, 40.f), 1.f, W);
    });
    // ram head: an iron ram's head with a curled bone horn and a burning eye
    part(c, plateR(), [&](Canvas& m) {
        poly(m, {P(19.f, 32.5f), P(24.f, 32.5f), P(28.f, 35.f), P(29.f, 38.f), P(27.5f, 41.f), P(19.f, 41.5f)}, W);
    }, 2);
    part(c, boneR(), [&](Canvas& m) {
        oval(m, P(21.5f, 36.f), 3.2f, 3.2f, W);
        m.px(int(std::floor(P(24.5f, 39.5f).x)), int(std::floor(P(24.5f, 39.5f).y)), W);
    }, 1);
    part(c, ramp(Sand, Sand, Sand), [&](Canvas& m) { oval(m, P(21.5f, 36.f), 1.2f, 1.2f, W); });
    px(P(21.5f, 36.f), pal(EarthDeep));
    px(P(25.5f, 35.5f), pal(Ember));
    px(P(26.5f, 35.5f), pal(Blood));
    px(P(28.f, 39.f), pal(Ink));
    // chassis beam
    part(c, woodR(), [&](Canvas& m) { poly(m, {P(-19.f, 41.f), P(18.f, 41.f), P(17.f, 47.f), P(-18.f, 47.f)}, W); }, 2);
    for (float u : {-14.f, -4.f, 6.f, 14.f}) {
        const V a = P(u, 41.5f), b2 = P(u, 46.5f);
        c.line(int(std::floor(a.x)), int(std::floor(a.y)), int(std::floor(b2.x)), int(std::floor(b2.y)), pal(EarthDeep));
    }
    // armoured housing with a sloped roof
    part(c, plateR(), [&](Canvas& m) {
        poly(m, {P(-17.f, 42.f), P(-15.f, 30.f), P(-7.f, 24.f), P(7.f, 24.f), P(13.f, 30.f), P(14.f, 42.f)}, W);
    }, 2);
    // plate seams and rivets
    for (float y : {30.f, 36.f})
        for (float u = -14.f; u <= 12.f; u += 1.f) {
            const V q = P(u, y);
            if (c.get(int(std::floor(q.x)), int(std::floor(q.y))) == pal(Slate)) px(q, pal(Night));
        }
    for (float u : {-6.f, 4.f})
        for (float y = 31.f; y < 41.f; y += 1.f) {
            const V q = P(u, y);
            if (c.get(int(std::floor(q.x)), int(std::floor(q.y))) == pal(Slate)) px(q, pal(Night));
        }
    for (float u = -12.f; u <= 10.f; u += 5.5f)
        for (float y : {32.f, 38.f}) px(P(u, y), pal(Silver));
    // blood-red trim along the eaves
    part(c, bloodR(), [&](Canvas& m) { poly(m, {P(-15.5f, 30.f), P(-7.f, 24.5f), P(7.f, 24.5f), P(13.f, 30.f), P(11.5f, 30.5f), P(6.5f, 26.f), P(-6.5f, 26.f), P(-14.f, 31.f)}, W); });
    // a ragged blood-red drape with a bone mark hung on the flank
    part(c, bloodR(), [&](Canvas& m) {
        poly(m, {P(-5.f, 31.f), P(3.f, 31.f), P(3.f, 38.f), P(1.5f, 40.f + t.flutter * 0.5f), P(0.f, 38.5f), P(-2.f, 40.5f), P(-3.5f, 38.5f), P(-5.f, 40.f)}, W);
    });
    part(c, boneR(), [&](Canvas& m) { oval(m, P(-1.f, 34.5f), 1.8f, 1.6f, W); m.rect(int(std::floor(std::min(P(-2.f, 0).x, P(0.f, 0).x))), int(std::floor(35.5f + d)), 2, 2, W); });
    px(P(-1.5f, 34.5f), pal(Ink));
    px(P(0.f, 34.5f), pal(Ink));
    // vision slit glowing like eyes
    for (int i = 0; i < 5; ++i) px(P(6.f + float(i), 31.f), i == 1 || i == 3 ? pal(Ember) : pal(Ink));
    const std::uint8_t glow = (t.frame % 2 == 0) ? 170 : 100;
    px(P(7.f, 30.f), pal(Blood, glow));
    px(P(9.f, 30.f), pal(Blood, glow));
    // roof spikes
    for (float u : {-9.f, -3.f, 3.f}) spike(c, P(u, 24.5f), {0.f, -1.f}, 4.f, 1.2f);
    spike(c, P(11.f, 28.f), {t.f * 0.8f, -0.8f}, 3.5f, 1.1f);
    // chimney
    part(c, ironR(), [&](Canvas& m) { m.rect(int(std::floor(std::min(P(-5.f, 0).x, P(-2.f, 0).x))), int(std::floor(17.f + d)), 3, 8, W); });
    part(c, ironR(), [&](Canvas& m) { m.rect(int(std::floor(std::min(P(-5.5f, 0).x, P(-1.5f, 0).x))), int(std::floor(16.f + d)), 5, 2, W); });
    // wheels
    wheel(c, t, -11.f, 7.5f);
    wheel(c, t, 9.5f, 7.5f);
}

// Smoke puffs from the chimney: soft, no outline, rising with the frame.
void tankSmoke(Canvas& frame, const TankPose& t, int n) {
    const V top = tp(t, -3.5f, 15.f + t.bodyDy);
    for (int k = 0; k < 2; ++k) {
        const float age = std::fmod(float(t.frame) / float(n) + float(k) * 0.5f, 1.f);
        const V ctr = top + V{-t.f * (age * 6.f), -age * 10.f};
        const float r = 2.f + age * 3.f;
        const std::uint8_t a = std::uint8_t(170 * (1.f - age * 0.7f));
        Canvas puff(frame.width(), frame.height());
        oval(puff, ctr, r, r * 0.85f, W);
        for (int y = 0; y < int(frame.height()); ++y)
            for (int x = 0; x < int(frame.width()); ++x) {
                if (!puff.opaque(x, y) || (x < kDigitCorner && y < kDigitCorner)) continue;
                const bool lit = !puff.opaque(x - 1, y) || !puff.opaque(x, y - 1);
                frame.blend(x, y, pal(lit ? Silver : Steel, a));
            }
    }
}

} // namespace

void drawTankSheet(const std::string& path) {
    constexpr int idleN = 4, walkN = 4;
    Sheet sheet(kFrame, kFrame, 4, 3);
    for (int row = 0; row < 3; ++row) {
        const int n = row == 0 ? idleN : walkN;
        for (int i = 0; i < n; ++i)
            sheet.frame(unsigned(i), unsigned(row), [&](Canvas& f) {
                TankPose t;
                t.frame = i;
                t.idle = row == 0;
                t.f = row == 2 ? 1.f : -1.f;
                t.cx = row == 2 ? 31.f : 33.f;
                if (t.idle) {
                    // engine rumble: the body shudders on its axles
                    static const float shudder[idleN] = {0.f, -1.f, 0.f, -1.f};
                    t.bodyDy = shudder[i];
                    t.flutter = (i % 2) ? 0.5f : -0.5f;
                } else {
                    t.bodyDy = (i % 2) ? -1.f : 0.f;
                    t.wheelTurn = t.f * float(i) * (kPi * 0.5f) / float(walkN);
                    t.flutter = std::sin(2 * kPi * float(i) / float(walkN)) * 1.2f;
                }
                Canvas fig(kFrame, kFrame);
                drawTank(fig, t);
                finish(f, fig, t.cx, 23.f);
                tankSmoke(f, t, n);
            });
    }
    sheet.save(art::out(path));
}

} // namespace units
