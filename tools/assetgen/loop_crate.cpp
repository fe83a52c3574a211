// Map crates (closed, and opened with the gold showing) and the three pieces of the tutorial
// box frame.
#include "loop_camp.hpp"
#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace camp {

namespace {

// Crate geometry in 64-pixel art: the lid (top face) over the front face, centred on column 32.
constexpr int kLeft = 16, kRight = 47;      // both faces
constexpr int kTop = 20, kFront = 29;       // lid rows kTop..kFront-1, front rows kFront..kBottom
constexpr int kBottom = 49;

// Wood grain: slow along the plank, fast across it. Returns a palette index of the wood ramp,
// shifted by `tone` (+1 lighter).
int grain(int x, int y, int seed, bool alongX, int tone) {
    const float u = alongX ? float(x) * 0.22f : float(x) * 1.7f;
    const float v = alongX ? float(y) * 1.7f : float(y) * 0.22f;
    const float g = valueNoise(u, v, 3, seed) * 0.7f + hashNoise(x, y, seed + 1) * 0.3f;
    static const int ramp[] = {Ink, EarthDeep, Earth, EarthLight, Sand, SandLight};
    int i = g > 0.66f ? 3 : (g < 0.3f ? 1 : 2);
    i = std::clamp(i + tone, 0, 5);
    return ramp[i];
}

void nail(Canvas& c, int x, int y) {
    c.px(x, y, pal(Silver));
    c.px(x + 1, y, pal(Steel));
}

// Iron corner bracket: an L of two arms along the crate's edges, with a nail at each end.
void bracket(Canvas& c, int x, int y, int sx, int sy) {
    for (int k = 0; k < 5; ++k) {
        c.px(x + sx * k, y, pal(k == 0 ? Steel : Slate));
        c.px(x, y + sy * k, pal(Slate));
    }
    c.px(x, y, pal(Silver));
    c.px(x + sx * 3, y, pal(Silver));
    c.px(x, y + sy * 3, pal(Silver));
}

// Front face: three horizontal boards framed by two posts and two rails, crossed by a brace.
void frontFace(Canvas& c) {
    for (int y = kFront; y <= kBottom; ++y)
        for (int x = kLeft; x <= kRight; ++x) {
            const int r = (y - kFront) % 7;
            int col = grain(x, y, 71 + (y - kFront) / 7, true, 0);
            if (r == 0) col = EarthDeep;          // gap between boards
            else if (r == 1) col = EarthLight;    // lit top edge of the board below
            c.px(x, y, pal(col));
        }
    // Posts and rails, lighter wood, lit on the left and top.
    auto post = [&](int x0) {
        for (int y = kFront; y <= kBottom; ++y)
            for (int x = x0; x < x0 + 4; ++x) {
                int col = grain(x, y, 81, false, 1);
                if (x == x0) col = x0 == kLeft ? Sand : EarthLight;
                if (x == x0 + 3) col = EarthDeep;
                c.px(x, y, pal(col));
            }
    };
    auto rail = [&](int y0) {
        for (int y = y0; y < y0 + 3; ++y)
            for (int x = kLeft; x <= kRight; ++x) {
                int col = grain(x, y, 83, true, 1);
                if (y == y0) col = Sand;
                if (y == y0 + 2) col = EarthDeep;
                c.px(x, y, pal(col));
            }
    };
    rail(kFront);
    rail(kBottom - 2);
    post(kLeft);
    post(kRight - 3);
    // Diagonal brace from the bottom-left post to the top-right post, 3 pixels thick.
    for (int x = kLeft + 4; x <= kRight - 4; ++x) {
        const float t = float(x - (kLeft + 4)) / float(kRight - 4 - (kLeft + 4));
        const int y = int(std::lround(float(kBottom - 4) + t * float((kFront + 3) - (kBottom - 4))));
        c.px(x, y - 1, pal(Sand));
        c.px(x, y, pal(grain(x, y, 85, true, 1)));
        c.px(x, y + 1, pal(EarthDeep));
    }
    // The right side is away from the light.
    for (int y = kFront; y <= kBottom; ++y) c.px(kRight, y, pal(EarthDeep));
    bracket(c, kLeft, kFront, 1, 1);
    bracket(c, kRight, kFront, -1, 1);
    bracket(c, kLeft, kBottom, 1, -1);
    bracket(c, kRight, kBottom, -1, -1);
    nail(c, kLeft + 1, kFront + 10);
    nail(c, kRight - 2, kFront + 10);
}

// Closed lid: three boards running left-right, the face that takes the most light.
void lidTop(Canvas& c, int x0, int x1, int y0, int rows, int shear) {
    for (int y = y0; y < y0 + rows; ++y) {
        const int off = shear ? (y0 + rows - 1 - y) * shear / rows : 0;
        for (int x = x0; x <= x1; ++x) {
            const int r = (y - y0) % 3;
            int col = grain(x, y, 91 + (y - y0) / 3, true, 1);
            if (r == 2) col = Earth;
            if (x == x0) col = SandLight;
            if (x == x1) col = Earth;
            c.px(x + off, y, pal(col));
        }
    }
    // A cleat across the boards at each end, nailed down.
    for (int y = y0; y < y0 + rows; ++y) {
        const int off = shear ? (y0 + rows - 1 - y) * shear / rows : 0;
        c.px(x0 + 3 + off, y, pal(EarthDeep));
        c.px(x1 - 3 + off, y, pal(EarthDeep));
    }
    nail(c, x0 + 1 + (shear ? shear / 2 : 0), y0 + rows / 2);
    nail(c, x1 - 2 + (shear ? shear / 2 : 0), y0 + rows / 2);
}

// Four-pointed glint (no outline: it shines).
void glint(Canvas& c, int x, int y, int arm) {
    for (int k = -arm; k <= arm; ++k) {
        const int col = std::abs(k) <= 1 ? White : GoldLight;
        c.px(x + k, y, pal(col));
        c.px(x, y + k, pal(col));
    }
    c.px(x - 1, y - 1, pal(GoldLight, 160));
    c.px(x + 1, y + 1, pal(GoldLight, 160));
    c.px(x + 1, y - 1, pal(GoldLight, 160));
    c.px(x - 1, y + 1, pal(GoldLight, 160));
}

// Finished prop: Ink outline, flat shadow down-right, doubled to the map's pixel size.
Canvas finishCrate(Canvas body, const Canvas* overlay) {
    body.outline(pal(Ink));
    Canvas c(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (body.opaque(x - 4, y - 3) && y > kTop) c.px(x, y, pal(Ink, 90));
    c.blit(body, 0, 0);
    if (overlay) c.blit(*overlay, 0, 0);
    return menus::upscale(c, 2);
}

} // namespace

Canvas crateClosed() {
    Canvas b(64, 64);
    lidTop(b, kLeft, kRight, kTop, kFront - kTop, 0);
    // The lid's front edge catches the light.
    for (int x = kLeft; x <= kRight; ++x) b.px(x, kFront - 1, pal(x == kRight ? Earth : Sand));
    frontFace(b);
    return finishCrate(b, nullptr);
}

Canvas crateOpened() {
    Canvas b(64, 64);
    // The lid, taken off and leant against the back of the crate, leaning a little to the right.
    lidTop(b, kLeft + 1, kRight - 1, kTop - 14, 15, 3);
    for (int y = kTop - 14; y < kTop; ++y) {
        const int off = (kTop - y) * 3 / 15;
        b.px(kRight - 1 + off, y, pal(EarthDeep));
    }
    // The open top: the inside of the back wall in shadow, the side walls, the rim.
    for (int y = kTop; y < kFront; ++y)
        for (int x = kLeft; x <= kRight; ++x) {
            int col = grain(x, y, 97, true, -1);
            if (x <= kLeft + 1) col = x == kLeft ? EarthLight : Earth;
            else if (x >= kRight - 1) col = x == kRight ? Earth : EarthLight;
            else if (y < kTop + 3) col = grain(x, y, 98, true, -1);
            else col = Ink;
            b.px(x, y, pal(col));
        }
    for (int x = kLeft; x <= kRight; ++x) b.px(x, kTop, pal(Sand)); // rim of the back wall
    // Heap of coins, highest in the middle, spilling over the rim.
    Canvas gold(64, 64);
    for (int i = 0; i < 40; ++i) {
        const float t = hashNoise(i, 0, 301);
        const int x = kLeft + 4 + int(t * float(kRight - kLeft - 8));
        const float mid = 1.f - std::abs(t - 0.5f) * 2.f;
        const int top = kTop + 5 - int(mid * 6.f);
        const int y = top + int(hashNoise(i, 1, 301) * float(kFront - top));
        gold.ellipse(x, y + 1, 2, 1, pal(Ember));
        gold.ellipse(x, y, 2, 1, pal(hashNoise(i, 2, 301) < 0.4f ? GoldLight : Gold));
        gold.px(x - 1, y, pal(GoldLight));
    }
    // Keep the heap inside the walls and above the front edge.
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (x <= kLeft + 1 || x >= kRight - 1 || y >= kFront) gold.px(x, y, sf::Color::Transparent);
    b.blit(gold, 0, 0);
    for (int x = kLeft; x <= kRight; ++x) b.px(x, kFront - 1, pal(x == kRight ? Earth : Sand)); // front rim
    frontFace(b);
    Canvas shine(64, 64);
    glint(shine, 28, kTop + 1, 3);
    glint(shine, 38, kTop + 5, 2);
    shine.px(22, kTop + 6, pal(White));
    return finishCrate(b, &shine);
}

// ----------------------------------------------------------------------------- dialog box

namespace {

constexpr int kBoxH = 50;

// Row profile shared by the three pieces so they join: gilded wooden rails above and below a
// dark panel. Returns a palette index, or -1 inside the panel.
int railRow(int y) {
    switch (y) {
    case 0: return Ink;
    case 1: return EarthLight;
    case 2: return Gold;
    case 3: return Ink;
    case kBoxH - 4: return Gold;
    case kBoxH - 3: return Earth;
    case kBoxH - 2: return EarthDeep;
    case kBoxH - 1: return Ink;
    default: return -1;
    }
}

int panelRow(int y) { return y == kBoxH - 5 ? Slate : Night; }

// One end of the box, drawn for the left side (the right one is its mirror plus a prompt).
Canvas dialogEnd() {
    constexpr int W = 20, bar = 9; // wood post columns 0..bar
    Canvas c(W, kBoxH);
    for (int y = 0; y < kBoxH; ++y)
        for (int x = 0; x < W; ++x) {
            const int rail = railRow(y);
            int col = rail >= 0 ? rail : panelRow(y);
            if (x <= bar) {
                // Carved post: lit left edge, grain along its length, a gold inlay, the inset edge.
                col = grain(x, y, 121, false, 0);
                if (x == 1) col = Sand;
                if (x == 2) col = EarthLight;
                if (x == bar - 2) col = Gold;
                if (x == bar - 1) col = EarthDeep;
                if (x == bar) col = Ink;
                if (x == 0 || y == 0 || y == kBoxH - 1) col = Ink;
                if (y == 1 && x > 0) col = Sand;
                if (y == kBoxH - 2 && x > 0) col = EarthDeep;
            }
            // Rounded outer corners.
            if ((x == 0 && (y <= 1 || y >= kBoxH - 2)) || (x == 1 && (y == 0 || y == kBoxH - 1))) continue;
            c.px(x, y, pal(col));
        }
    // Gold corner caps over the post.
    for (int cy : {2, kBoxH - 3}) {
        const int sy = cy == 2 ? 1 : -1;
        for (int k = 0; k < 6; ++k) {
            c.px(2 + k, cy, pal(k < 3 ? GoldLight : Gold));
            c.px(2, cy + sy * k, pal(GoldLight));
            c.px(3, cy + sy * k, pal(k < 4 ? Gold : Ember));
        }
        c.px(4, cy + sy * 2, pal(White));
    }
    // Round gem in a gold setting at the middle of the post.
    const int gy = kBoxH / 2;
    c.disc(5, gy, 3, pal(Ink));
    c.disc(5, gy, 2, pal(Gold));
    c.px(3, gy, pal(GoldLight));
    c.px(5, gy - 2, pal(GoldLight));
    c.disc(5, gy, 1, pal(Blood));
    c.px(5, gy, pal(Ember));
    c.px(4, gy - 1, pal(White));
    c.px(6, gy + 1, pal(BloodDeep));
    // Studs along the post.
    for (int y : {11, kBoxH - 12}) {
        c.px(5, y, pal(Silver));
        c.px(6, y, pal(Steel));
        c.px(5, y + 1, pal(Steel));
        c.px(6, y + 1, pal(Slate));
    }
    return c;
}

} // namespace

Canvas dialogLeft() { return dialogEnd(); }

Canvas dialogRight() {
    const Canvas left = dialogEnd();
    Canvas c(left.width(), left.height());
    c.blit(left, 0, 0, true);
    // Mirroring put the light on the wrong side of the post: relight its outer edge.
    const int W = int(c.width());
    for (int y = 2; y < kBoxH - 2; ++y) {
        c.px(W - 2, y, pal(EarthDeep));
        c.px(W - 3, y, pal(Earth));
    }
    // Prompt to click on: a small gold arrow pointing down, in the panel's lower corner.
    const int ax = 4, ay = kBoxH - 13;
    for (int j = 0; j < 4; ++j)
        for (int i = j; i < 7 - j; ++i) {
            c.px(ax + i + 1, ay + j + 1, pal(Ink));
            c.px(ax + i, ay + j, pal(j == 0 ? GoldLight : Gold));
        }
    return c;
}

Canvas dialogMid() {
    // Every column alike: the piece is stretched 6.5 times across.
    Canvas c(72, kBoxH);
    for (int y = 0; y < kBoxH; ++y) {
        const int rail = railRow(y);
        c.rect(0, y, 72, 1, pal(rail >= 0 ? rail : panelRow(y)));
    }
    return c;
}

} // namespace camp
