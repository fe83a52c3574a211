// The unrolling of the campaign map: fifteen frames from a tied roll to the open map, the new
// leg of the route being drawn in and the pin dropping on the next stage at the end.
#include "loop_transition.hpp"
#include "loop_worldmap.hpp"
#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace transition {

namespace {

// Share of the map lying open at each frame: the tied roll, a first tug, then a fast unroll
// that slows as the roll runs out.
float openAt(int f) {
    if (f == 0) return 0.f;
    if (f == 1) return 0.02f;
    if (f >= 11) return 1.f;
    const float t = float(f - 1) / 10.f;
    return 1.f - (1.f - t) * (1.f - t);
}

// Share of the new leg drawn, and the pin (0 none, 1 falling, 2 planted).
float legAt(int f) {
    static const float shown[kFrames] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.2f, 0.45f, 0.7f, 1, 1};
    return shown[f];
}
int markerAt(int f) { return f < 13 ? 0 : (f == 13 ? 1 : 2); }

// Thin wooden rod with gilded finials, the edge of the map wound on it.
void rod(Canvas& c, int cx, int top, int bottom) {
    static const int cols[5] = {EarthLight, Sand, EarthLight, Earth, EarthDeep};
    for (int y = top; y <= bottom; ++y)
        for (int i = 0; i < 5; ++i) c.px(cx - 2 + i, y, pal(cols[i]));
    for (int y : {top - 2, bottom + 2}) {
        c.disc(cx, y, 2, pal(Gold));
        c.px(cx - 1, y - 1, pal(GoldLight));
        c.px(cx + 1, y + 1, pal(Ember));
    }
}

// The rolled-up part of the map: a paper cylinder of radius r lying along the map's height.
void roll(Canvas& c, int cx, int r, int top, int bottom) {
    static const int ramp[5] = {EarthDeep, Earth, EarthLight, Sand, SandLight};
    for (int y = top; y <= bottom; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            const float u = float(x - cx) / (float(r) + 0.5f);
            if (std::abs(u) > 1.f) continue;
            // Ragged paper edges at both ends of the roll.
            if (y < top + int(hashNoise(x, 0, 991) * 2.f) || y > bottom - int(hashNoise(x, 1, 991) * 2.f)) continue;
            const float t = 0.78f - 0.5f * u - 0.25f * u * u;
            c.px(x, y, menus::rampDither(ramp, 5, t, x, y, 0.5f));
        }
    // Edges of the wound layers, seen along the roll.
    for (int y = top + 2; y <= bottom - 2; ++y) {
        if (r >= 5) c.px(cx + r / 2, y, pal(Earth));
        if (r >= 8 && (y / 3) % 4 != 0) c.px(cx - r / 3, y, pal(EarthLight));
    }
    // The rod's ends stick out of the roll.
    rod(c, cx, top - 3, top - 1);
    rod(c, cx, bottom + 1, bottom + 3);
}

// Red ribbon tied round the closed roll, with its bow.
void tiedRibbon(Canvas& c, int cx, int r, int mid) {
    for (int x = cx - r; x <= cx + r; ++x)
        for (int j = -2; j <= 2; ++j) c.px(x, mid + j, pal(j == -2 ? Ember : (j == 2 ? BloodDeep : Blood)));
    const int bx = cx + r + 3;
    c.ellipse(bx, mid - 3, 3, 2, pal(Blood));
    c.ellipse(bx, mid + 3, 3, 2, pal(Blood));
    c.ellipse(bx, mid - 3, 1, 0, pal(BloodDeep));
    c.ellipse(bx, mid + 3, 1, 0, pal(BloodDeep));
    c.px(bx - 2, mid - 4, pal(Ember));
    for (int k = 0; k < 9; ++k) {
        c.px(bx + 2 + k / 2, mid + 4 + k, pal(Blood));
        c.px(bx - 1 + k / 3, mid + 5 + k, pal(BloodDeep));
    }
}

// The same ribbon slipping off, lying loose beside the roll.
void looseRibbon(Canvas& c, int x0, int mid) {
    for (int k = 0; k < 40; ++k) {
        const int x = x0 + k / 2 + int(std::lround(std::sin(float(k) * 0.3f) * 3.f)), y = mid - 10 + k;
        c.px(x, y, pal(k % 7 == 0 ? Ember : Blood));
        c.px(x + 1, y, pal(BloodDeep));
    }
}

Canvas unrollFrame(const Canvas& map, int f) {
    const float p = openAt(f);
    const int flatW = int(std::lround(p * float(kMapW)));
    const int top = kMapY, bottom = kMapY + kMapH - 1, mid = kMapY + kMapH / 2;

    Canvas paper(kFrameW, kFrameH);
    paper.blitRect(map, 0, 0, flatW, kMapH, kMapX, kMapY);
    if (flatW < kMapW)
        for (int k = 1; k <= 3; ++k) // the paper lifts toward the roll
            for (int y = top; y <= bottom; ++y)
                if (paper.opaque(kMapX + flatW - k, y) && bayer(kMapX + flatW - k, y) < 0.6f - float(k) * 0.15f)
                    paper.px(kMapX + flatW - k, y, pal(Sand));

    Canvas wood(kFrameW, kFrameH);
    rod(wood, kMapX - 2, top - 2, bottom + 2);
    int rollX = 0, rollR = 0;
    if (flatW < kMapW) {
        rollR = 3 + int(std::lround(7.f * (1.f - p)));
        rollX = kMapX + flatW + rollR - 1;
        roll(wood, rollX, rollR, top - 1, bottom + 1);
        if (f == 0) tiedRibbon(wood, rollX, rollR, mid);
    } else {
        rod(wood, kMapX + kMapW + 1, top - 2, bottom + 2);
    }
    wood.outline(pal(Ink));

    // Shadows of paper and wood on the board, down-right.
    Canvas c(kFrameW, kFrameH);
    for (int y = 0; y < kFrameH; ++y)
        for (int x = 0; x < kFrameW; ++x) {
            const bool p1 = paper.opaque(x - 2, y - 3), w1 = wood.opaque(x - 3, y - 3);
            if (p1 || w1) c.px(x, y, pal(Ink, 90));
        }
    c.blit(paper, 0, 0);
    c.blit(wood, 0, 0);
    if (f == 1) {
        Canvas rib(kFrameW, kFrameH);
        looseRibbon(rib, rollX + rollR + 4, mid);
        rib.outline(pal(Ink));
        c.blit(menus::withDropShadow(rib, 2, 2, 90), 0, 0);
    }
    return c;
}

} // namespace

Canvas mapSheet(int n) {
    Canvas sheet(kFrameW * kFrames, kFrameH);
    for (int f = 0; f < kFrames; ++f) {
        const Canvas map = openMap(n, legAt(f), markerAt(f));
        sheet.blit(unrollFrame(map, f), f * kFrameW, 0);
    }
    return sheet;
}

} // namespace transition
