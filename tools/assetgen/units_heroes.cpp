// The six heroes of the party on the world map: three leaders and three companion types.
#include "units_types.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace art;

namespace units {

namespace {

const sf::Color W = pal(White); // mask colour: any opaque colour will do

// Ramps shared by the heroes.
Ramp skinR() { return ramp(SkinShade, Skin, Skin); }
Ramp tealR() { return ramp(WaterDeep, Teal, TealLight); }
Ramp plumR() { return ramp(Night, Plum, PlumLight); }
Ramp steelR() { return ramp(Slate, Steel, Silver); }
Ramp brightSteelR() { return ramp(Steel, Silver, Cloud); }
Ramp darkSteelR() { return ramp(Night, Slate, Steel); }
Ramp leatherR() { return ramp(EarthDeep, Earth, EarthLight); }
Ramp lightLeatherR() { return ramp(Earth, EarthLight, Sand); }
Ramp bootR() { return ramp(Ink, EarthDeep, Earth); }
Ramp woodR() { return ramp(EarthDeep, Earth, EarthLight); }
Ramp goldR() { return ramp(Earth, Gold, GoldLight); }
Ramp creamR() { return ramp(Sand, SandLight, White); }
Ramp blueR() { return ramp(WaterDeep, Water, WaterLight); }
Ramp leafR() { return ramp(GrassDeep, Leaf, LeafLight); }

float fwdOf(const Pose& p) { return float(p.facing); }

// Spear: shaft from butt to the tip's base, a leaf blade and a small tassel.
void spear(Canvas& c, V butt, V tip, float sway) {
    const V d = normalize(tip - butt);
    const V bladeBase = tip - d * 6.f;
    pole(c, butt, bladeBase, woodR(), 0.8f);
    part(c, brightSteelR(), [&](Canvas& m) {
        poly(m, local(bladeBase, d, {{-0.5f, -1.f}, {2.5f, -2.2f}, {6.5f, 0.f}, {2.5f, 2.2f}, {-0.5f, 1.f}}), W);
    });
    // socket ring
    part(c, goldR(), [&](Canvas& m) { capsule(m, bladeBase - d * 0.5f, bladeBase - d * 1.5f, 1.2f, W); });
    // teal tassel hanging from the socket, moving with the breeze
    part(c, tealR(), [&](Canvas& m) {
        const V s = bladeBase - d * 1.5f;
        curve(m, s, s + V{1.5f + sway * 0.8f, 2.f}, s + V{1.f + sway * 1.5f, 5.f}, 0.7f, W);
    });
}

// ---------------------------------------------------------------- Irina
void irinaHair(Canvas& c, const Pose& p, const Build& b) {
    const Ramp hair = ramp(BloodDeep, Blood, Ember);
    const V h = p.head;
    if (!p.side) {
        part(c, hair, [&](Canvas& m) {
            oval(m, h + V{0, -2.f}, b.headRX + 0.6f, b.headRY - 1.5f, W);
            // clear the face below the fringe, leaving two strands over the brow
            for (int y = int(h.y - 2); y < int(h.y + 6); ++y)
                for (int x = int(h.x - 4); x < int(h.x + 4); ++x) {
                    const bool fringe = y == int(h.y - 2) && (x == int(h.x - 3) || x == int(h.x) || x == int(h.x + 2));
                    if (!fringe) m.px(x, y, sf::Color::Transparent);
                }
            // side locks framing the face
            capsule(m, h + V{-5.f, -1.f}, h + V{-5.f, 3.5f}, 0.8f, W);
            capsule(m, h + V{5.f, -1.f}, h + V{5.f, 3.5f}, 0.8f, W);
        });
    } else {
        const float f = fwdOf(p);
        part(c, hair, [&](Canvas& m) {
            oval(m, h + V{-f * 0.8f, -1.5f}, b.headRX, b.headRY - 0.5f, W);
            for (int y = int(h.y - 1); y < int(h.y + 6); ++y)
                for (int dx = 0; dx < 6; ++dx) m.px(int(std::floor(h.x + f * (-0.5f + dx))), y, sf::Color::Transparent);
            capsule(m, h + V{-f * 1.5f, 0.f}, h + V{-f * 2.5f, 3.5f}, 1.2f, W);
        });
    }
}

void irinaPonytail(Canvas& c, const Pose& p) {
    const Ramp hair = ramp(BloodDeep, Blood, Ember);
    if (!p.side) {
        part(c, hair, [&](Canvas& m) {
            curve(m, p.head + V{3.5f, -3.5f}, p.head + V{7.5f, -1.f}, p.head + V{6.f + p.sway * 0.8f, 8.f}, 1.3f, W);
        });
    } else {
        const float f = fwdOf(p);
        const float bounce = p.bob * 1.5f;
        part(c, hair, [&](Canvas& m) {
            curve(m, p.head + V{-f * 4.f, -3.5f}, p.head + V{-f * 9.f, -3.f - bounce},
                  p.head + V{-f * (8.f + p.sway), 5.f - bounce}, 1.3f, W);
        });
        part(c, goldR(), [&](Canvas& m) { oval(m, p.head + V{-f * 5.f, -3.5f}, 0.8f, 1.f, W); });
    }
}

void drawIrina(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx, sw = p.sway;
    if (!p.side) {
        placeHand(p, b, 0, {cx - 8.f, b.hipY - 2.5f}, -1);
        // cloak falling behind the body, hem fluttering
        part(c, tealR(), [&](Canvas& m) {
            poly(m,
                 {{cx - 5.5f, p.chest.y - 1.5f}, {cx + 5.5f, p.chest.y - 1.5f}, {cx + 8.f + sw * 0.6f, 46.f},
                  {cx + 8.5f + sw, 52.5f}, {cx + 4.f + sw * 0.5f, 53.5f}, {cx - 4.f + sw * 0.3f, 53.5f},
                  {cx - 8.5f + sw * 0.4f, 52.5f}, {cx - 8.f, 46.f}},
                 W);
        }, 2);
        irinaPonytail(c, p);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, darkSteelR(), leatherR(), 5.f);
        drawTorso(c, p, b, creamR());
        // belt and clasp
        part(c, leatherR(), [&](Canvas& m) { m.rect(int(cx - 4), int(b.hipY - 3), 8, 2, W); });
        c.px(int(cx) - 1, int(b.hipY - 3), pal(GoldLight));
        c.px(int(cx), int(b.hipY - 3), pal(Gold));
        // short teal mantle over the shoulders, opening in a V at the chest
        part(c, tealR(), [&](Canvas& m) {
            poly(m,
                 {{cx - 6.5f, p.chest.y + 0.5f}, {cx - 5.f, p.chest.y - 2.f}, {cx + 5.f, p.chest.y - 2.f},
                  {cx + 6.5f, p.chest.y + 0.5f}, {cx + 6.5f, p.chest.y + 4.5f}, {cx + 1.f, p.chest.y + 6.f},
                  {cx - 1.f, p.chest.y + 6.f}, {cx - 6.5f, p.chest.y + 4.5f}},
                 W);
        });
        c.px(int(cx) - 1, int(p.chest.y + 4), pal(GoldLight));
        c.px(int(cx), int(p.chest.y + 4), pal(Gold));
        drawArm(c, p, 1, b, creamR(), skinR());
        spear(c, {p.hand[0].x, 55.f}, {p.hand[0].x, 16.5f}, sw);
        drawArm(c, p, 0, b, creamR(), skinR());
        drawHead(c, p, b, skinR(), pal(Ink));
        irinaHair(c, p, b);
        return;
    }
    const float f = fwdOf(p);
    // cloak streaming behind
    part(c, tealR(), [&](Canvas& m) {
        poly(m,
             {{p.neck.x + f * 1.f, p.neck.y - 0.5f}, {p.neck.x - f * 3.5f, p.neck.y}, {cx - f * 7.f, 44.f + p.bob},
              {cx - f * (9.5f + sw * 1.2f), 51.f + p.bob}, {cx - f * (5.f + sw * 0.5f), 52.f + p.bob},
              {cx - f * 1.f, 48.f + p.bob}},
             W);
    }, 2);
    irinaPonytail(c, p);
    drawArm(c, p, 1, b, farSide(creamR()), farSide(skinR()));
    drawLeg(c, p, 1, b, farSide(darkSteelR()), farSide(leatherR()), 5.f);
    drawTorso(c, p, b, creamR());
    part(c, leatherR(), [&](Canvas& m) {
        capsule(m, p.pelvis + V{-f * 3.f, -2.f}, p.pelvis + V{f * 3.f, -2.f}, 1.f, W);
    });
    part(c, tealR(), [&](Canvas& m) {
        poly(m,
             {{p.chest.x + f * 2.5f, p.chest.y - 2.f}, {p.chest.x + f * 3.5f, p.chest.y + 3.f},
              {p.chest.x - f * 1.f, p.chest.y + 5.5f}, {p.chest.x - f * 4.5f, p.chest.y + 3.f},
              {p.chest.x - f * 3.5f, p.chest.y - 2.f}},
             W);
    });
    drawLeg(c, p, 0, b, darkSteelR(), leatherR(), 5.f);
    placeHand(p, b, 0, carryHand(p, {3.5f, 8.5f}, 1.f), -f);
    const V dir = normalize({f * 0.45f, -0.89f});
    spear(c, p.hand[0] - dir * 11.f, p.hand[0] + dir * 24.f, sw);
    drawArm(c, p, 0, b, creamR(), skinR());
    drawHead(c, p, b, skinR(), pal(Ink));
    irinaHair(c, p, b);
}

// ---------------------------------------------------------------- Rem
// The staff's gem pulses through the frames of the loop.
void staff(Canvas& c, V bottom, V top, const Pose& p) {
    const V d = normalize(top - bottom);
    pole(c, bottom, top, woodR(), 0.8f);
    // crook holding the gem
    part(c, woodR(), [&](Canvas& m) {
        curve(m, top, top + d * 3.f + V{-2.5f, 0}, top + d * 5.f + V{0.5f, 0.5f}, 0.7f, W);
    });
    const V gem = top + d * 2.5f + V{0.5f, 0};
    const float pulse = 0.5f + 0.5f * std::sin(2 * 3.14159265f * float(p.frame) / float(std::max(1, p.frames)));
    for (int y = -4; y <= 4; ++y)
        for (int x = -4; x <= 4; ++x) {
            const float r2 = float(x * x + y * y);
            if (r2 > 3.f && r2 <= 9.f + 7.f * pulse)
                c.blend(int(std::floor(gem.x)) + x, int(std::floor(gem.y)) + y, pal(Foam, std::uint8_t(60 + 50 * pulse)));
        }
    part(c, ramp(Water, WaterLight, Foam), [&](Canvas& m) { oval(m, gem, 1.6f, 1.9f, W); });
    c.px(int(std::floor(gem.x)) - 1, int(std::floor(gem.y)) - 1, pal(White));
    if (pulse > 0.6f) c.px(int(std::floor(gem.x)), int(std::floor(gem.y)) - 1, pal(White));
}

void remHat(Canvas& c, const Pose& p) {
    const V h = p.head;
    const float f = p.side ? fwdOf(p) : 1.f;
    const float tipSwing = p.side ? -f * (5.f + p.sway) : 3.f + p.sway * 0.8f;
    const float brimY = h.y - 3.f;
    part(c, plumR(), [&](Canvas& m) {
        poly(m,
             {{h.x - 4.5f, brimY}, {h.x - 2.f, brimY - 6.f}, {h.x + tipSwing * 0.6f, brimY - 11.f},
              {h.x + tipSwing, brimY - 12.5f}, {h.x + tipSwing * 0.5f + 1.f, brimY - 8.f}, {h.x + 3.f, brimY - 4.f},
              {h.x + 4.5f, brimY}},
             W);
    }, 2);
    part(c, goldR(), [&](Canvas& m) { m.rect(int(h.x - 4), int(brimY - 2), 8, 2, W); });
    part(c, plumR(), [&](Canvas& m) { oval(m, {h.x + (p.side ? f * 0.5f : 0.f), brimY + 0.5f}, 8.f, 1.6f, W); });
}

void drawRem(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx, sw = p.sway;
    const Ramp robe = plumR();
    if (!p.side) {
        placeHand(p, b, 0, {cx - 8.f, b.hipY - 6.f}, -1);
        placeHand(p, b, 1, {cx + 5.5f, b.hipY - 4.5f}, 1);
        for (int k = 0; k < 2; ++k)
            part(c, bootR(), [&](Canvas& m) { oval(m, {p.ankle[k].x + (k ? 0.5f : -0.5f), kGround - 1.5f}, 2.5f, 1.5f, W); });
        // robe skirt from the waist to the ankles
        part(c, robe, [&](Canvas& m) {
            poly(m,
                 {{cx - 5.f, b.hipY - 4.f}, {cx + 5.f, b.hipY - 4.f}, {cx + 7.5f + sw * 0.4f, 55.f},
                  {cx + 3.f, 56.f}, {cx - 3.f, 56.f}, {cx - 7.5f + sw * 0.4f, 55.f}},
                 W);
        }, 2);
        // hem trim and front panel
        for (int x = int(cx - 7); x <= int(cx + 6); ++x) c.px(x, 54, pal(Gold));
        part(c, ramp(Plum, PlumLight, PlumLight), [&](Canvas& m) { poly(m, {{cx - 1.f, b.hipY - 3.f}, {cx + 1.f, b.hipY - 3.f}, {cx + 2.f, 54.f}, {cx - 2.f, 54.f}}, W); });
        drawTorso(c, p, b, robe);
        part(c, goldR(), [&](Canvas& m) { m.rect(int(cx - 5), int(b.hipY - 4), 10, 2, W); });
        part(c, goldR(), [&](Canvas& m) { capsule(m, {cx - 2.5f, p.chest.y - 1.f}, {cx, p.chest.y + 3.f}, 0.6f, W); capsule(m, {cx + 2.5f, p.chest.y - 1.f}, {cx, p.chest.y + 3.f}, 0.6f, W); });
        // wide sleeves
        part(c, robe, [&](Canvas& m) { capsule2(m, p.shoulder[1], p.hand[1] + V{0, -1.f}, 1.6f, 2.6f, 0, W); });
        part(c, skinR(), [&](Canvas& m) { oval(m, p.hand[1] + V{0, 0.5f}, 1.4f, 1.4f, W); });
        staff(c, {p.hand[0].x, 55.5f}, {p.hand[0].x, 19.f}, p);
        part(c, robe, [&](Canvas& m) { capsule2(m, p.shoulder[0], p.hand[0] + V{0.5f, 1.f}, 1.6f, 2.6f, 0, W); });
        part(c, skinR(), [&](Canvas& m) { oval(m, p.hand[0], 1.5f, 1.5f, W); });
        drawHead(c, p, b, skinR(), pal(Ink));
        // silver hair under the hat
        part(c, ramp(Steel, Silver, Cloud), [&](Canvas& m) {
            capsule(m, p.head + V{-4.5f, -2.f}, p.head + V{-5.f, 3.5f}, 1.1f, W);
            capsule(m, p.head + V{4.5f, -2.f}, p.head + V{5.f, 3.5f}, 1.1f, W);
            m.rect(int(p.head.x - 4), int(p.head.y - 3), 8, 1, W);
        });
        remHat(c, p);
        return;
    }
    const float f = fwdOf(p);
    const Ramp farRobe = farSide(robe);
    placeHand(p, b, 0, carryHand(p, {5.f, 7.f}, 1.f), -f);
    part(c, farRobe, [&](Canvas& m) { capsule2(m, p.shoulder[1], p.hand[1], 1.5f, 2.4f, 0, W); });
    for (int k = 1; k >= 0; --k) {
        const float fy = std::min(p.ankle[k].y + 1.f, kGround - 1.5f);
        part(c, k ? farSide(bootR()) : bootR(), [&](Canvas& m) { capsule(m, {p.ankle[k].x - f * 0.5f, fy}, {p.ankle[k].x + f * 2.5f, fy}, 1.5f, W); });
    }
    // robe: hem stretched between the feet
    const float frontX = std::max(f * (p.ankle[0].x - cx), f * (p.ankle[1].x - cx));
    const float backX = std::min(f * (p.ankle[0].x - cx), f * (p.ankle[1].x - cx));
    part(c, robe, [&](Canvas& m) {
        poly(m,
             {{p.pelvis.x - f * 3.5f, p.pelvis.y - 3.f}, {p.pelvis.x + f * 3.5f, p.pelvis.y - 3.f},
              {cx + f * (frontX + 2.f), 54.f}, {cx + f * (frontX + 1.f), 55.5f}, {cx + f * (backX - 2.f), 55.5f},
              {cx + f * (backX - 3.f - sw * 0.5f), 54.f}},
             W);
    }, 2);
    for (int x = -12; x <= 12; ++x) {
        const int px = int(cx) + x, y = 54;
        if (c.opaque(px, y) && c.opaque(px, y + 1) && c.get(px, y + 1) != pal(Ink)) c.px(px, y, pal(Gold));
    }
    drawTorso(c, p, b, robe);
    part(c, goldR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 3.f, -3.f}, p.pelvis + V{f * 3.f, -3.f}, 1.f, W); });
    staff(c, p.hand[0] + V{-f * 0.5f, 13.f}, p.hand[0] + V{f * 5.f, -21.f}, p);
    part(c, robe, [&](Canvas& m) { capsule2(m, p.shoulder[0], p.hand[0] + V{-f * 0.5f, 0.f}, 1.6f, 2.5f, 0, W); });
    part(c, skinR(), [&](Canvas& m) { oval(m, p.hand[0], 1.5f, 1.5f, W); });
    drawHead(c, p, b, skinR(), pal(Ink));
    part(c, ramp(Steel, Silver, Cloud), [&](Canvas& m) {
        oval(m, p.head + V{-f * 2.5f, 0.5f}, 2.5f, 3.5f, W);
        capsule(m, p.head + V{-f * 3.f, 2.f}, p.head + V{-f * 4.f, 5.5f}, 1.1f, W);
    });
    remHat(c, p);
}

// ---------------------------------------------------------------- Tungstene
void hammer(Canvas& c, V butt, V top) {
    const V d = normalize(top - butt);
    pole(c, butt, top, woodR(), 1.f);
    part(c, darkSteelR(), [&](Canvas& m) { capsule(m, butt - d * 0.5f, butt + d * 1.f, 1.3f, W); });
    // block head across the haft
    part(c, steelR(), [&](Canvas& m) {
        poly(m, local(top, d, {{-3.5f, -5.5f}, {3.f, -5.5f}, {3.f, 5.5f}, {-3.5f, 5.5f}}), W);
    }, 2);
    part(c, goldR(), [&](Canvas& m) { poly(m, local(top, d, {{-1.f, -5.5f}, {0.5f, -5.5f}, {0.5f, 5.5f}, {-1.f, 5.5f}}), W); });
}

void tungsteneHelm(Canvas& c, const Pose& p) {
    const V h = p.head;
    part(c, brightSteelR(), [&](Canvas& m) {
        if (!p.side) {
            poly(m,
                 {{h.x - 5.f, h.y - 2.f}, {h.x - 3.5f, h.y - 5.5f}, {h.x + 3.5f, h.y - 5.5f}, {h.x + 5.f, h.y - 2.f},
                  {h.x + 5.f, h.y + 4.5f}, {h.x + 3.f, h.y + 6.f}, {h.x - 3.f, h.y + 6.f}, {h.x - 5.f, h.y + 4.5f}},
                 W);
        } else {
            const float f = fwdOf(p);
            poly(m,
                 {{h.x - f * 4.5f, h.y - 2.f}, {h.x - f * 3.f, h.y - 5.5f}, {h.x + f * 3.f, h.y - 5.5f},
                  {h.x + f * 4.5f, h.y - 2.f}, {h.x + f * 5.f, h.y + 2.f}, {h.x + f * 4.f, h.y + 5.5f},
                  {h.x - f * 3.f, h.y + 6.f}, {h.x - f * 4.5f, h.y + 3.f}},
                 W);
        }
    }, 2);
    const int y = int(std::floor(h.y + 0.5f));
    if (!p.side) {
        for (int x = int(h.x - 4); x < int(h.x + 4); ++x) c.px(x, y, pal(Ink));
        for (int x = int(h.x - 3); x < int(h.x + 3); ++x) c.px(x, y - 1, pal(Slate));
        c.px(int(h.x) - 1, y + 1, pal(Ink));
        c.px(int(h.x) - 1, y + 2, pal(Ink));
        c.px(int(h.x) - 1, y + 3, pal(Slate));
        // breathing holes
        c.px(int(h.x) + 2, y + 3, pal(Slate));
        c.px(int(h.x) - 4, y + 3, pal(Slate));
    } else {
        const float f = fwdOf(p);
        for (int i = 0; i < 5; ++i) c.px(int(std::floor(h.x + f * (0.5f + i))), y, pal(Ink));
        c.px(int(std::floor(h.x + f * 3.5f)), y + 2, pal(Slate));
        c.px(int(std::floor(h.x + f * 2.5f)), y + 3, pal(Slate));
    }
    // golden crest along the top
    part(c, goldR(), [&](Canvas& m) {
        if (!p.side) capsule(m, h + V{0, -7.f}, h + V{0, -3.f}, 1.f, W);
        else curve(m, h + V{fwdOf(p) * 2.f, -6.5f}, h + V{-fwdOf(p) * 1.f, -8.f}, h + V{-fwdOf(p) * 5.f, -4.f}, 1.f, W);
    });
}

void drawTungstene(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    const Ramp plate = steelR();
    if (!p.side) {
        placeHand(p, b, 0, {cx - 10.f, b.hipY - 3.f}, -1);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, plate, darkSteelR(), 4.f);
        drawTorso(c, p, b, plate);
        // breastplate highlight ridge and faulds
        part(c, brightSteelR(), [&](Canvas& m) {
            poly(m, {{cx - 4.f, p.chest.y + 0.f}, {cx + 4.f, p.chest.y + 0.f}, {cx + 3.f, p.chest.y + 7.f}, {cx, p.chest.y + 9.f}, {cx - 3.f, p.chest.y + 7.f}}, W);
        });
        part(c, darkSteelR(), [&](Canvas& m) {
            poly(m, {{cx - 6.f, b.hipY - 3.f}, {cx + 6.f, b.hipY - 3.f}, {cx + 6.5f, b.hipY + 2.5f}, {cx - 6.5f, b.hipY + 2.5f}}, W);
        });
        part(c, goldR(), [&](Canvas& m) { m.rect(int(cx - 6), int(b.hipY - 4), 12, 2, W); });
        c.px(int(cx) - 1, int(b.hipY - 4), pal(White));
        for (int k = 0; k < 2; ++k) {
            if (k == 0) hammer(c, {p.hand[0].x, 53.f}, {p.hand[0].x, 21.5f});
            drawArm(c, p, k, b, plate, darkSteelR());
            // round pauldron with a gold rim
            const float s = k == 0 ? -1.f : 1.f;
            part(c, brightSteelR(), [&](Canvas& m) { oval(m, p.shoulder[k] + V{s * 0.5f, -0.5f}, 3.5f, 3.f, W); }, 2);
            for (int i = -2; i <= 2; ++i) c.px(int(std::floor(p.shoulder[k].x + s * 0.5f)) + i, int(p.shoulder[k].y + 2.5f), pal(Gold));
        }
        tungsteneHelm(c, p);
        return;
    }
    const float f = fwdOf(p);
    drawArm(c, p, 1, b, farSide(plate), farSide(darkSteelR()));
    drawLeg(c, p, 1, b, farSide(plate), farSide(darkSteelR()), 4.f);
    drawTorso(c, p, b, plate);
    part(c, darkSteelR(), [&](Canvas& m) {
        poly(m, {{p.pelvis.x - f * 4.5f, p.pelvis.y - 2.f}, {p.pelvis.x + f * 4.5f, p.pelvis.y - 2.f}, {p.pelvis.x + f * 5.f, p.pelvis.y + 3.5f}, {p.pelvis.x - f * 5.f, p.pelvis.y + 3.5f}}, W);
    });
    part(c, goldR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 4.f, -2.5f}, p.pelvis + V{f * 4.f, -2.5f}, 0.9f, W); });
    drawLeg(c, p, 0, b, plate, darkSteelR(), 4.f);
    tungsteneHelm(c, p);
    // hammer carried at the ready, head up in front
    placeHand(p, b, 0, carryHand(p, {4.f, 8.5f}, 1.f), -f);
    const V dir = normalize({f * 0.5f, -0.87f});
    hammer(c, p.hand[0] - dir * 4.f, p.hand[0] + dir * 15.f);
    drawArm(c, p, 0, b, plate, darkSteelR());
    part(c, brightSteelR(), [&](Canvas& m) { oval(m, p.shoulder[0] + V{0, -0.5f}, 3.5f, 3.f, W); }, 2);
}

// ---------------------------------------------------------------- Light (archer)
void bow(Canvas& c, V grip, float f, float len) {
    // f: the side the bow's belly bulges to
    const V top = grip + V{-f * 2.f, -len}, bot = grip + V{-f * 2.f, len};
    part(c, woodR(), [&](Canvas& m) {
        curve(m, top, grip + V{f * 3.5f, -len * 0.5f}, grip, 0.8f, W);
        curve(m, grip, grip + V{f * 3.5f, len * 0.5f}, bot, 0.8f, W);
    });
    c.line(int(std::floor(top.x)), int(std::floor(top.y)), int(std::floor(bot.x)), int(std::floor(bot.y)), pal(Cloud));
    part(c, goldR(), [&](Canvas& m) { oval(m, grip + V{f * 0.5f, 0}, 1.2f, 1.5f, W); });
}

void quiverArrows(Canvas& c, V top, float lean) {
    for (int i = 0; i < 3; ++i) {
        const V base = top + V{float(i) * 1.3f, 0};
        const V tip = base + V{lean - 0.5f * float(i), -3.5f};
        c.line(int(base.x), int(base.y), int(tip.x), int(tip.y), pal(EarthLight));
        c.px(int(tip.x), int(tip.y), pal(White));
        c.px(int(tip.x) + 1, int(tip.y), pal(Cloud));
    }
}

void lightHood(Canvas& c, const Pose& p, const Build& b, bool behind) {
    const V h = p.head;
    const Ramp hood = leafR();
    if (!p.side) {
        if (behind) return;
        part(c, hood, [&](Canvas& m) {
            poly(m, {{h.x - 5.5f, h.y + 5.f}, {h.x - 6.f, h.y - 1.f}, {h.x - 3.f, h.y - 6.f}, {h.x + 1.f, h.y - 7.5f},
                     {h.x + 4.f, h.y - 5.5f}, {h.x + 6.f, h.y - 1.f}, {h.x + 5.5f, h.y + 5.f}},
                 W);
            // opening for the face
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    const float dx = (x + 0.5f - h.x) / 3.6f, dy = (y + 0.5f - (h.y + 1.5f)) / 4.2f;
                    if (dx * dx + dy * dy <= 1.f) m.px(x, y, sf::Color::Transparent);
                }
        }, 2);
        // shadow of the hood's brim on the brow
        const int by = int(std::floor(h.y - 2.f));
        for (int x = int(h.x - 3); x < int(h.x + 3); ++x)
            if (c.get(x, by + 1) == pal(Skin) || c.get(x, by + 1) == pal(SkinShade)) c.px(x, by + 1, pal(SkinShade));
    } else {
        const float f = fwdOf(p);
        if (behind) return;
        // hood over the crown and the back of the head, its point trailing; the face stays open
        part(c, hood, [&](Canvas& m) {
            poly(m, {{h.x + f * 3.5f, h.y - 5.f}, {h.x + f * 5.f, h.y - 2.f}, {h.x + f * 3.f, h.y - 2.5f},
                     {h.x + f * 0.5f, h.y - 1.5f}, {h.x - f * 0.5f, h.y + 3.f}, {h.x + f * 1.f, h.y + 6.f},
                     {h.x - f * 4.5f, h.y + 6.f}, {h.x - f * (8.5f + p.sway), h.y + 2.f}, {h.x - f * 4.5f, h.y - 4.f},
                     {h.x, h.y - 6.5f}},
                 W);
        }, 2);
        c.px(int(std::floor(h.x + f * 2.5f)), int(std::floor(h.y - 1.5f)), pal(SkinShade));
        drawEyes(c, p, b, pal(Ink));
    }
}

void drawLight(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    const Ramp jerkin = lightLeatherR();
    if (!p.side) {
        placeHand(p, b, 1, {cx + 8.f, b.hipY - 4.f}, 1);
        // quiver on the back, arrows over the left shoulder
        part(c, leatherR(), [&](Canvas& m) { poly(m, {{cx + 2.f, p.chest.y - 2.f}, {cx + 6.f, p.chest.y - 4.f}, {cx + 7.f, p.chest.y + 1.f}, {cx + 3.f, p.chest.y + 3.f}}, W); });
        quiverArrows(c, {cx + 3.f, p.chest.y - 3.5f}, 1.f);
        // short cape of the hood
        part(c, leafR(), [&](Canvas& m) { poly(m, {{cx - 6.f, p.chest.y - 1.f}, {cx + 6.f, p.chest.y - 1.f}, {cx + 7.f + p.sway * 0.5f, p.chest.y + 9.f}, {cx - 7.f + p.sway * 0.3f, p.chest.y + 9.f}}, W); }, 2);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, leatherR(), bootR(), 5.5f);
        drawTorso(c, p, b, jerkin);
        // laced front and belt
        for (int y = int(p.chest.y + 1); y < int(b.hipY - 3); y += 2) c.px(int(cx) - 1 + (y % 4 == 0), y, pal(Earth));
        part(c, leatherR(), [&](Canvas& m) { m.rect(int(cx - 4), int(b.hipY - 3), 8, 2, W); });
        c.px(int(cx), int(b.hipY - 3), pal(Gold));
        // the hood's collar over the shoulders
        part(c, leafR(), [&](Canvas& m) { poly(m, {{cx - 6.5f, p.chest.y + 1.f}, {cx - 4.f, p.chest.y - 2.f}, {cx + 4.f, p.chest.y - 2.f}, {cx + 6.5f, p.chest.y + 1.f}, {cx + 5.f, p.chest.y + 3.5f}, {cx, p.chest.y + 5.f}, {cx - 5.f, p.chest.y + 3.5f}}, W); });
        drawArm(c, p, 0, b, jerkin, skinR());
        drawArm(c, p, 1, b, jerkin, skinR());
        bow(c, p.hand[1], 1.f, 11.f);
        part(c, skinR(), [&](Canvas& m) { oval(m, p.hand[1], 1.5f, 1.5f, W); });
        drawHead(c, p, b, skinR(), pal(Ink));
        lightHood(c, p, b, false);
        return;
    }
    const float f = fwdOf(p);
    // bow slung across the back, belly outward, and the quiver beside it
    {
        const V top = p.chest + V{-f * 1.5f, -5.f}, bot = p.pelvis + V{-f * 0.5f, 7.f};
        part(c, woodR(), [&](Canvas& m) { curve(m, top, lerp(top, bot, 0.5f) + V{-f * 8.f, 0.f}, bot, 0.8f, W); });
        c.line(int(std::floor(top.x)), int(std::floor(top.y)), int(std::floor(bot.x)), int(std::floor(bot.y)), pal(Cloud));
    }
    part(c, leatherR(), [&](Canvas& m) {
        poly(m, local(p.chest + V{-f * 3.5f, 9.f}, {-f * 0.35f, -1.f}, {{0, -1.6f}, {11.f, -1.6f}, {11.f, 1.6f}, {0, 1.6f}}), W);
    });
    quiverArrows(c, p.chest + V{-f * 7.5f - 1.f, -1.5f}, -f * 1.5f);
    drawArm(c, p, 1, b, farSide(jerkin), farSide(skinR()));
    drawLeg(c, p, 1, b, farSide(leatherR()), farSide(bootR()), 5.5f);
    drawTorso(c, p, b, jerkin);
    part(c, leatherR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 3.f, -2.f}, p.pelvis + V{f * 3.f, -2.f}, 1.f, W); });
    part(c, leafR(), [&](Canvas& m) {
        poly(m, {{p.chest.x + f * 2.5f, p.chest.y - 2.f}, {p.chest.x + f * 3.5f, p.chest.y + 2.5f}, {p.chest.x - f * 1.f, p.chest.y + 5.f}, {p.chest.x - f * 5.f, p.chest.y + 3.5f}, {p.chest.x - f * 3.5f, p.chest.y - 2.f}}, W);
    });
    drawLeg(c, p, 0, b, leatherR(), bootR(), 5.5f);
    drawHead(c, p, b, skinR(), pal(Ink));
    lightHood(c, p, b, false);
    drawArm(c, p, 0, b, jerkin, skinR());
}

// ---------------------------------------------------------------- Heavy (axe)
void axe(Canvas& c, V butt, V top) {
    const V d = normalize(top - butt);
    pole(c, butt, top + d * 1.f, woodR(), 1.f);
    for (int s = -1; s <= 1; s += 2) {
        part(c, brightSteelR(), [&](Canvas& m) {
            const float v = float(s);
            poly(m, local(top, d, {{-3.f, v * 1.f}, {-5.5f, v * 5.f}, {-3.f, v * 7.f}, {0.f, v * 7.5f}, {3.f, v * 7.f}, {5.f, v * 5.f}, {2.5f, v * 1.f}}), W);
        });
    }
    part(c, darkSteelR(), [&](Canvas& m) { capsule(m, top - d * 2.5f, top + d * 2.5f, 1.4f, W); });
}

void drawHeavy(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    const Ramp vest = leatherR();
    const Ramp fur = ramp(Earth, EarthLight, Sand);
    const Ramp beard = ramp(Earth, Gold, GoldLight);
    auto head = [&](const Pose& q) {
        drawHead(c, q, b, skinR(), pal(Ink));
        const V h = q.head;
        if (q.side)
            part(c, ramp(EarthDeep, Earth, EarthLight), [&](Canvas& m) { oval(m, h + V{-fwdOf(q) * 3.f, 0.5f}, 2.5f, 3.f, W); });
        // beard
        part(c, beard, [&](Canvas& m) {
            if (!q.side) poly(m, {{h.x - 5.f, h.y + 1.f}, {h.x + 5.f, h.y + 1.f}, {h.x + 4.f, h.y + 6.f}, {h.x, h.y + 8.5f}, {h.x - 4.f, h.y + 6.f}}, W);
            else poly(m, {{h.x - fwdOf(q) * 2.f, h.y + 0.5f}, {h.x + fwdOf(q) * 5.5f, h.y + 1.5f}, {h.x + fwdOf(q) * 5.f, h.y + 5.f}, {h.x + fwdOf(q) * 2.5f, h.y + 8.5f}, {h.x - fwdOf(q) * 1.5f, h.y + 5.5f}}, W);
        });
        if (!q.side) {
            for (int x = int(h.x - 2); x < int(h.x + 2); ++x) c.px(x, int(h.y + 3), pal(SkinShade));
        }
        // steel cap with a nose guard
        part(c, steelR(), [&](Canvas& m) {
            if (!q.side) {
                oval(m, h + V{0, -2.f}, 5.5f, 4.f, W);
                for (int y = int(h.y - 1); y < 64; ++y)
                    for (int x = 0; x < 64; ++x) m.px(x, y, sf::Color::Transparent);
                m.rect(int(h.x - 6), int(h.y - 2), 12, 1, W);
                m.rect(int(h.x) - 1, int(h.y - 2), 2, 4, W);
            } else {
                oval(m, h + V{-fwdOf(q) * 0.5f, -2.f}, 5.5f, 4.f, W);
                for (int y = int(h.y - 1); y < 64; ++y)
                    for (int x = 0; x < 64; ++x) m.px(x, y, sf::Color::Transparent);
                m.rect(int(h.x - 6), int(h.y - 2), 12, 1, W);
                capsule(m, h + V{fwdOf(q) * 4.6f, -1.5f}, h + V{fwdOf(q) * 4.6f, 0.5f}, 0.6f, W);
            }
        });
        drawEyes(c, q, b, pal(Ink));
    };
    if (!p.side) {
        placeHand(p, b, 0, {cx - 11.f, b.hipY - 4.f}, -1);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, ramp(Ink, EarthDeep, Earth), ramp(Earth, EarthLight, Sand), 5.f);
        drawTorso(c, p, b, skinR());
        // leather vest open over the chest, crossed strap
        part(c, vest, [&](Canvas& m) {
            poly(m, {{cx - 8.f, p.chest.y}, {cx - 3.f, p.chest.y}, {cx - 2.f, b.hipY - 2.f}, {cx - 7.f, b.hipY - 1.f}}, W);
            poly(m, {{cx + 3.f, p.chest.y}, {cx + 8.f, p.chest.y}, {cx + 7.f, b.hipY - 1.f}, {cx + 2.f, b.hipY - 2.f}}, W);
        });
        for (int y = int(p.chest.y + 3); y < int(b.hipY - 4); y += 3) {
            c.px(int(cx - 5), y, pal(Gold));
            c.px(int(cx + 4), y, pal(Gold));
        }
        part(c, ramp(EarthDeep, EarthDeep, Earth), [&](Canvas& m) { m.rect(int(cx - 7), int(b.hipY - 3), 14, 3, W); });
        part(c, goldR(), [&](Canvas& m) { m.rect(int(cx - 1), int(b.hipY - 3), 3, 3, W); });
        axe(c, {p.hand[0].x, 54.f}, {p.hand[0].x, 21.f});
        for (int k = 0; k < 2; ++k) {
            drawArm(c, p, k, b, skinR(), skinR());
            // leather bracer
            part(c, vest, [&](Canvas& m) { capsule(m, lerp(p.elbow[k], p.hand[k], 0.3f), lerp(p.elbow[k], p.hand[k], 0.75f), b.armR + 0.2f, W); });
        }
        part(c, skinR(), [&](Canvas& m) { oval(m, p.hand[0], 1.8f, 1.6f, W); });
        // fur mantle over the shoulders
        part(c, fur, [&](Canvas& m) {
            oval(m, {cx, p.chest.y}, 9.f, 3.f, W);
            for (int i = -4; i <= 4; ++i) m.px(int(cx) + i * 2, int(p.chest.y + 3), W);
        }, 2);
        head(p);
        return;
    }
    const float f = fwdOf(p);
    Build bs = b; // slimmer arms in profile so the chest still shows
    bs.armR = 1.7f;
    drawArm(c, p, 1, bs, farSide(skinR()), farSide(skinR()));
    drawLeg(c, p, 1, b, farSide(ramp(Ink, EarthDeep, Earth)), farSide(ramp(Earth, EarthLight, Sand)), 4.5f);
    placeHand(p, b, 0, p.shoulder[0] + V{f * 4.f, 6.f - 0.5f * std::cos(p.phase)}, -f);
    axe(c, p.hand[0] + V{f * 2.f, 4.f}, p.shoulder[0] + V{-f * 9.f, -11.f});
    drawTorso(c, p, b, vest);
    part(c, ramp(EarthDeep, EarthDeep, Earth), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 4.5f, -2.f}, p.pelvis + V{f * 4.5f, -2.f}, 1.3f, W); });
    drawLeg(c, p, 0, b, ramp(Ink, EarthDeep, Earth), ramp(Earth, EarthLight, Sand), 5.f);
    part(c, fur, [&](Canvas& m) { oval(m, p.chest + V{-f * 1.f, 0.5f}, 6.f, 3.f, W); }, 2);
    head(p);
    drawArm(c, p, 0, bs, skinR(), skinR());
    part(c, vest, [&](Canvas& m) { capsule(m, lerp(p.elbow[0], p.hand[0], 0.3f), lerp(p.elbow[0], p.hand[0], 0.75f), bs.armR + 0.2f, W); });
    part(c, skinR(), [&](Canvas& m) { oval(m, p.hand[0], 1.8f, 1.6f, W); });
}

// ---------------------------------------------------------------- Shield (tower shield)
void towerShield(Canvas& c, V topLeft, float w, float h) {
    const float x = topLeft.x, y = topLeft.y;
    part(c, ramp(Steel, Silver, Cloud), [&](Canvas& m) {
        poly(m, {{x, y + 1.5f}, {x + w * 0.5f, y - 0.5f}, {x + w, y + 1.5f}, {x + w, y + h - 3.f}, {x + w * 0.5f, y + h}, {x, y + h - 3.f}}, W);
    });
    part(c, blueR(), [&](Canvas& m) {
        poly(m, {{x + 1.f, y + 2.f}, {x + w * 0.5f, y + 0.7f}, {x + w - 1.f, y + 2.f}, {x + w - 1.f, y + h - 3.5f}, {x + w * 0.5f, y + h - 1.2f}, {x + 1.f, y + h - 3.5f}}, W);
    }, 2);
    // golden cross emblem
    const float mx = x + w * 0.5f, my = y + h * 0.42f;
    part(c, goldR(), [&](Canvas& m) {
        m.rect(int(std::floor(mx - 1.f)), int(std::floor(my - 6.f)), 2, 12, W);
        m.rect(int(std::floor(mx - 4.f)), int(std::floor(my - 2.f)), 8, 2, W);
    });
}

void kettleHelm(Canvas& c, const Pose& p) {
    const V h = p.head;
    const float f = p.side ? fwdOf(p) : 0.f;
    part(c, steelR(), [&](Canvas& m) {
        oval(m, h + V{-f * 0.5f, -2.5f}, 4.8f, 4.f, W);
        for (int y = int(h.y - 1); y < 64; ++y)
            for (int x = 0; x < 64; ++x) m.px(x, y, sf::Color::Transparent);
    });
    part(c, brightSteelR(), [&](Canvas& m) { oval(m, {h.x - f * 0.5f, h.y - 1.5f}, 7.5f, 1.5f, W); });
    // brim shadow on the face
    const int y = int(std::floor(h.y - 0.5f));
    for (int x = int(h.x - 5); x < int(h.x + 5); ++x)
        if (c.get(x, y) == pal(Skin)) c.px(x, y, pal(SkinShade));
}

void drawShield(Canvas& c, Pose p, const Build& b) {
    const float cx = p.cx;
    const Ramp mail = steelR();
    const Ramp coat = blueR();
    if (!p.side) {
        placeHand(p, b, 0, {cx - 8.f, b.hipY - 3.f}, -1);
        placeHand(p, b, 1, {cx + 7.f, b.hipY - 6.f}, 1);
        for (int k = 0; k < 2; ++k) drawLeg(c, p, k, b, mail, darkSteelR(), 5.f);
        drawTorso(c, p, b, mail);
        // blue surcoat down to the knees
        part(c, coat, [&](Canvas& m) {
            poly(m, {{cx - 4.5f, p.chest.y - 1.f}, {cx + 4.5f, p.chest.y - 1.f}, {cx + 5.5f, b.hipY - 3.f}, {cx + 6.f, b.hipY + 4.f}, {cx + 1.f, b.hipY + 4.5f}, {cx, b.hipY + 2.f}, {cx - 1.f, b.hipY + 4.5f}, {cx - 6.f, b.hipY + 4.f}, {cx - 5.5f, b.hipY - 3.f}}, W);
        }, 2);
        part(c, leatherR(), [&](Canvas& m) { m.rect(int(cx - 5), int(b.hipY - 3), 10, 2, W); });
        c.px(int(cx) - 1, int(b.hipY - 3), pal(Gold));
        // short sword hanging from the right hand
        part(c, brightSteelR(), [&](Canvas& m) { poly(m, {{p.hand[0].x - 1.f, p.hand[0].y + 1.f}, {p.hand[0].x + 1.f, p.hand[0].y + 1.f}, {p.hand[0].x + 1.f, p.hand[0].y + 11.f}, {p.hand[0].x, p.hand[0].y + 12.5f}, {p.hand[0].x - 1.f, p.hand[0].y + 11.f}}, W); });
        part(c, goldR(), [&](Canvas& m) { m.rect(int(std::floor(p.hand[0].x - 2.f)), int(std::floor(p.hand[0].y + 1.f)), 4, 1, W); });
        drawArm(c, p, 0, b, mail, darkSteelR());
        drawArm(c, p, 1, b, mail, darkSteelR());
        for (int k = 0; k < 2; ++k)
            part(c, steelR(), [&](Canvas& m) { oval(m, p.shoulder[k] + V{k ? 0.5f : -0.5f, -0.5f}, 3.f, 2.5f, W); });
        drawHead(c, p, b, skinR(), pal(Ink));
        kettleHelm(c, p);
        // the tower shield stands on the left side, in front of the arm
        towerShield(c, {cx + 3.f, p.chest.y - 0.5f + 0.f}, 11.f, 24.f);
        return;
    }
    const float f = fwdOf(p);
    // sword in the far hand, pointing forward
    placeHand(p, b, 1, p.shoulder[1] + V{f * 5.f, 6.5f}, -f);
    part(c, farSide(brightSteelR()), [&](Canvas& m) { capsule(m, p.hand[1], p.hand[1] + V{f * 9.f, -5.f}, 0.9f, W); });
    drawArm(c, p, 1, b, farSide(mail), farSide(darkSteelR()));
    drawLeg(c, p, 1, b, farSide(mail), farSide(darkSteelR()), 5.f);
    drawTorso(c, p, b, coat);
    part(c, leatherR(), [&](Canvas& m) { capsule(m, p.pelvis + V{-f * 3.5f, -2.f}, p.pelvis + V{f * 3.5f, -2.f}, 1.f, W); });
    drawLeg(c, p, 0, b, mail, darkSteelR(), 5.f);
    drawHead(c, p, b, skinR(), pal(Ink));
    kettleHelm(c, p);
    placeHand(p, b, 0, p.shoulder[0] + V{f * 3.f, 7.f}, -f);
    drawArm(c, p, 0, b, mail, darkSteelR());
    // shield carried on the near arm, its face to the viewer
    const float sx = p.shoulder[0].x + (f > 0 ? -2.f : -7.f) + f * 1.5f;
    towerShield(c, {sx, p.shoulder[0].y + 0.5f - 0.5f * std::cos(2 * p.phase)}, 9.f, 21.f);
}

// The party's rows. Body columns, in pixels of the 64x64 frame:
//   hipY  shoulderY headY headRX headRY | shoulderHW waistHW hipHW legR armR depth | stride armSwing upperArm foreArm
// The archer (Light) has Irina's body.
const UnitRow kHeroRows[] = {
    {"Irina", {44.5f, 31.5f, 25.f, 5.f, 5.5f, 5.5f, 4.f, 2.f, 1.8f, 1.4f, 3.f, 5.5f, 4.f, 6.5f, 6.f}, 14, 11, 9.f, drawIrina},
    {"Rem", {44.5f, 31.5f, 25.f, 5.f, 5.5f, 5.5f, 4.5f, 2.5f, 2.f, 1.5f, 3.5f, 4.f, 3.f, 6.5f, 6.f}, 11, 11, 9.f, drawRem},
    {"Tungsthene", {44.5f, 31.5f, 25.5f, 5.f, 5.f, 7.5f, 6.f, 3.f, 2.3f, 1.9f, 4.5f, 4.5f, 3.f, 6.5f, 6.f}, 11, 11, 11.f, drawTungstene},
    {"Light", {44.5f, 31.5f, 25.f, 5.f, 5.5f, 5.5f, 4.f, 2.f, 1.8f, 1.4f, 3.f, 5.5f, 4.f, 6.5f, 6.f}, 11, 11, 9.f, drawLight},
    {"Heavy", {44.5f, 31.5f, 25.5f, 5.f, 5.f, 8.5f, 6.5f, 3.f, 2.4f, 2.1f, 5.f, 4.5f, 3.5f, 6.5f, 6.f}, 11, 11, 11.f, drawHeavy},
    {"Shield", {44.5f, 31.5f, 25.f, 5.f, 5.5f, 6.5f, 5.f, 2.5f, 2.1f, 1.7f, 4.f, 4.5f, 2.5f, 6.5f, 6.f}, 11, 11, 10.f, drawShield},
};

} // namespace

std::vector<UnitDef> heroUnits() { return unitDefs("WorldPlayerSprite", kHeroRows, int(std::size(kHeroRows))); }

} // namespace units
