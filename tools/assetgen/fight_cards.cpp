// Cards of the battle: the face sheet (one face per card kind, framed in the hero's colour),
// the shimmering card back of the deck pile and the glowing contour of a chosen card.
#include "fight_ui.hpp"

#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

constexpr int kCardW = 128, kCardH = 169;

// Hero colour of each card-sheet row: frame, its shade and its light.
struct HeroInk {
    int mid, dark, light;
};
const HeroInk kRowInk[6] = {
    {Teal, WaterDeep, TealLight},  // Irina
    {Plum, Night, PlumLight},      // Rem
    {Steel, Slate, Silver},        // Tungstene
    {Leaf, GrassDeep, LeafLight},  // Light
    {Earth, EarthDeep, EarthLight}, // Heavy
    {Water, WaterDeep, WaterLight}, // Shield
};

// Card kind at (row, column) of the sheet: the decks of the six hero types.
const int kKinds[6][8] = {
    {0, 2, 3, 1, 5, 4, 6, 7}, {2, 0, 3, 1, 5, 6, 8, 9}, {0, 3, 2, 1, 6, 8, 9, 7},
    {2, 0, 3, 1, 5, 6, 8, 9}, {2, 0, 3, 1, 5, 6, 8, 9}, {2, 0, 3, 1, 5, 6, 8, 9},
};

// ---- icon pieces, drawn into a 56 x 56 icon canvas and then outlined ----
void sword(Canvas& c, int cx, int tipY, int len, bool down) {
    const int dir = down ? 1 : -1;
    const int tip = tipY, hilt = tipY - dir * len;
    for (int i = 0; i < len; ++i) {
        const int y = tip - dir * i;
        const int half = i < 3 ? i / 2 : 2;
        for (int x = -half; x <= half; ++x) c.px(cx + x, y, pal(x < 0 ? Cloud : x == 0 ? White : Silver));
    }
    c.rect(cx - 6, hilt - (down ? 2 : 0), 13, 3, pal(Gold));
    c.rect(cx - 6, hilt - (down ? 2 : 0), 13, 1, pal(GoldLight));
    c.rect(cx - 1, down ? hilt - 8 : hilt + 3, 3, 6, pal(Earth));
    c.disc(cx, down ? hilt - 10 : hilt + 10, 2, pal(Blood));
}

void shieldIcon(Canvas& c, int cx, int top, int w, int h, int face, int rim) {
    for (int y = 0; y < h; ++y) {
        const float t = float(y) / float(h);
        const int half = int(float(w) / 2.f * (t < 0.55f ? 1.f : std::sqrt(std::max(0.f, 1.f - (t - 0.55f) / 0.45f))));
        for (int x = -half; x <= half; ++x) {
            int col = face;
            if (std::abs(x) >= half - 1 || y < 2) col = rim;
            c.px(cx + x, top + y, pal(col));
        }
    }
    // light on the upper-left quarter, a boss in the middle
    for (int y = 2; y < h / 2; ++y)
        for (int x = -w / 2 + 2; x < 0; ++x)
            if (c.get(cx + x, top + y) == pal(face) && bayer(x, y) < 0.35f) c.px(cx + x, top + y, pal(Cloud));
    c.disc(cx, top + h * 2 / 5, 2, pal(Gold));
}

void burst(Canvas& c, int cx, int cy, int r, int col, int core) {
    for (int k = 0; k < 8; ++k) {
        const float a = float(k) * kPi / 4.f + kPi / 8.f;
        const int len = k % 2 ? r : r * 2 / 3;
        c.line(cx, cy, cx + int(std::cos(a) * len), cy + int(std::sin(a) * len), pal(col));
        c.line(cx + 1, cy, cx + 1 + int(std::cos(a) * len), cy + int(std::sin(a) * len), pal(col));
    }
    c.disc(cx, cy, r / 3, pal(col));
    c.disc(cx, cy, r / 5, pal(core));
}

void upArrow(Canvas& c, int cx, int top, int h, int col, int light) {
    for (int y = 0; y < h; ++y) {
        const int half = y < h / 2 ? y : 2;
        for (int x = -half; x <= half; ++x) c.px(cx + x, top + y, pal(x < 0 ? light : col));
    }
}

void heart(Canvas& c, int cx, int cy, int r) {
    c.disc(cx - r / 2 - 1, cy - r / 3, r / 2 + 1, pal(Blood));
    c.disc(cx + r / 2 + 1, cy - r / 3, r / 2 + 1, pal(Blood));
    for (int y = 0; y < r + 2; ++y)
        for (int x = -(r + 1 - y); x <= r + 1 - y; ++x) c.px(cx + x, cy - r / 3 + y, pal(Blood));
    c.disc(cx - r / 2 - 1, cy - r / 2, 2, pal(Ember));
}

// The picture of one card kind, 56 x 56 before its outline.
Canvas kindIcon(int kind) {
    Canvas c(60, 60);
    switch (kind) {
    case 0: // damage to one enemy: a sword coming down on a flash
        burst(c, 30, 46, 12, Ember, GoldLight);
        sword(c, 30, 46, 30, true);
        break;
    case 1: // damage to all enemies: three blades raining down
        for (int k = 0; k < 3; ++k) burst(c, 12 + 18 * k, 48, 8, Ember, GoldLight);
        for (int k = 0; k < 3; ++k) sword(c, 12 + 18 * k, 46 - (k == 1 ? 6 : 0), 22, true);
        break;
    case 2: // break the armor: a shield split by a hammer blow
        shieldIcon(c, 30, 14, 30, 38, Steel, Slate);
        for (int y = 14; y < 52; ++y) {
            const int x = 30 + ((y / 4) % 2 ? 1 : -1);
            c.px(x, y, pal(Ink));
            c.px(x + 1, y, pal(Ink));
        }
        c.rect(36, 4, 16, 9, pal(Silver));
        c.rect(36, 4, 16, 2, pal(Cloud));
        c.line(44, 12, 50, 26, pal(Earth));
        c.line(45, 12, 51, 26, pal(EarthLight));
        burst(c, 31, 14, 9, GoldLight, White);
        break;
    case 3: // straight to life: a spear through a heart
        heart(c, 30, 34, 14);
        c.line(6, 54, 50, 10, pal(Earth));
        c.line(7, 54, 51, 10, pal(EarthLight));
        for (int i = 0; i < 7; ++i) c.line(50 - i / 2, 10 + i, 56 - i, 4 + i / 2, pal(i < 3 ? Cloud : Silver));
        break;
    case 4: // armor to one ally
        shieldIcon(c, 30, 8, 36, 44, Water, WaterDeep);
        c.rect(29, 14, 3, 26, pal(Gold));
        c.rect(21, 22, 19, 3, pal(Gold));
        break;
    case 5: // armor to all allies
        shieldIcon(c, 15, 16, 22, 30, Water, WaterDeep);
        shieldIcon(c, 45, 16, 22, 30, Water, WaterDeep);
        shieldIcon(c, 30, 8, 26, 36, WaterLight, Water);
        break;
    case 6: // attack to one ally: a blade with a rising arrow
        sword(c, 24, 8, 40, false);
        upArrow(c, 44, 10, 26, Ember, GoldLight);
        break;
    case 7: // attack to all allies
        sword(c, 30, 6, 40, false);
        upArrow(c, 12, 18, 22, Ember, GoldLight);
        upArrow(c, 48, 18, 22, Ember, GoldLight);
        break;
    case 8: // defense to one ally: a shield with a rising arrow
        shieldIcon(c, 24, 12, 30, 40, Teal, WaterDeep);
        upArrow(c, 48, 10, 26, TealLight, Foam);
        break;
    default: // defense to all allies
        shieldIcon(c, 30, 14, 30, 38, Teal, WaterDeep);
        upArrow(c, 8, 14, 22, TealLight, Foam);
        upArrow(c, 52, 14, 22, TealLight, Foam);
        break;
    }
    c.outline(pal(Ink));
    return c;
}

bool inCard(int x, int y, int inset) {
    const int r = 6 - inset;
    const int l = inset, t = inset, rr = kCardW - 1 - inset, b = kCardH - 1 - inset;
    if (x < l || x > rr || y < t || y > b) return false;
    const int cx = x < l + r ? l + r : x > rr - r ? rr - r : x;
    const int cy = y < t + r ? t + r : y > b - r ? b - r : y;
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r + r;
}

Canvas cardFace(int row, int kind) {
    const HeroInk ink = kRowInk[row];
    Canvas c(kCardW, kCardH);
    for (int y = 0; y < kCardH; ++y)
        for (int x = 0; x < kCardW; ++x) {
            if (!inCard(x, y, 0)) continue;
            int col = ink.mid;
            if (!inCard(x, y, 1)) col = Ink;
            else if (!inCard(x, y, 2)) col = (x + y < 150) ? ink.light : ink.dark;
            else if (inCard(x, y, 7)) col = Night;
            else if (bayer(x, y) < 0.25f) col = ink.light;
            c.px(x, y, pal(col));
        }
    // picture window: a dusk glow behind the icon
    const int wx = 12, wy = 12, ww = kCardW - 24, wh = 88;
    const int sky[4] = {Night, Plum, PlumLight, Ember};
    for (int y = wy; y < wy + wh; ++y)
        for (int x = wx; x < wx + ww; ++x) {
            const float dx = (float(x) - 64.f) / 52.f, dy = (float(y) - 60.f) / 46.f;
            const float glow = 1.f - std::min(1.f, std::sqrt(dx * dx + dy * dy));
            c.px(x, y, menus::rampDither(sky, 4, glow * 0.9f, x, y, 0.6f));
        }
    c.frame(wx - 1, wy - 1, ww + 2, wh + 2, pal(Ink));
    c.frame(wx - 2, wy - 2, ww + 4, wh + 4, pal(Gold));
    for (int x = wx - 2; x < wx + ww + 2; ++x) c.px(x, wy - 2, pal(GoldLight));
    const Canvas icon = kindIcon(kind);
    c.blit(menus::upscale(icon, 1), 64 - 30, wy + wh / 2 - 30);
    // text panel: plain light parchment, the game writes the card's words on it
    const int px0 = 10, py0 = 106, pw = kCardW - 20, ph = 52;
    for (int y = py0; y < py0 + ph; ++y)
        for (int x = px0; x < px0 + pw; ++x) {
            int col = SandLight;
            if (y == py0 || x == px0) col = White;
            else if (y == py0 + ph - 1 || x == px0 + pw - 1) col = Sand;
            c.px(x, y, pal(col));
        }
    c.frame(px0 - 1, py0 - 1, pw + 2, ph + 2, pal(Ink));
    // corner studs and the action-point cost gem
    for (int k = 0; k < 4; ++k) {
        const int x = k % 2 ? kCardW - 8 : 7, y = k / 2 ? kCardH - 8 : 7;
        c.disc(x, y, 2, pal(Gold));
        c.px(x - 1, y - 1, pal(GoldLight));
    }
    c.disc(16, 16, 9, pal(Ink));
    c.disc(16, 16, 8, pal(Gold));
    c.disc(16, 16, 6, pal(Ember));
    c.disc(15, 15, 3, pal(GoldLight));
    menus::shadowText(c, 14, 13, "1", pal(White), 1);
    // bottom plaque in the hero's colour
    for (int x = 40; x < 88; ++x)
        for (int y = 160; y < 164; ++y) c.px(x, y, pal(y == 160 ? ink.light : ink.mid));
    return c;
}

} // namespace

void drawCardSheet() {
    Canvas sheet(kCardW * 8, kCardH * 6);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 8; ++col) sheet.blit(cardFace(row, kKinds[row][col]), col * kCardW, row * kCardH);
    sheet.save(out("Sprites/Fight/CardSheet.png"));
}

void drawCardBack() {
    Canvas sheet(kCardW * 10, kCardH);
    for (int f = 0; f < 10; ++f) {
        Canvas c(kCardW, kCardH);
        for (int y = 0; y < kCardH; ++y)
            for (int x = 0; x < kCardW; ++x) {
                if (!inCard(x, y, 0)) continue;
                int col = Plum;
                if (!inCard(x, y, 1)) col = Ink;
                else if (!inCard(x, y, 3)) col = (x + y < 150) ? GoldLight : Gold;
                else if (!inCard(x, y, 5)) col = Night;
                else {
                    // diamond lattice
                    const int u = (x + y) % 16, v = (x - y + 512) % 16;
                    col = (u == 0 || v == 0) ? PlumLight : (bayer(x, y) < 0.3f ? Night : Plum);
                }
                c.px(x, y, pal(col));
            }
        // central emblem: a gold diamond with a teal eye
        for (int y = -30; y <= 30; ++y)
            for (int x = -22; x <= 22; ++x) {
                const float m = std::fabs(float(x)) / 22.f + std::fabs(float(y)) / 30.f;
                if (m > 1.f) continue;
                int col = m > 0.88f ? Ink : m > 0.76f ? (x + y < 0 ? GoldLight : Gold) : Night;
                if (m < 0.38f) col = m < 0.16f ? TealLight : Teal;
                c.px(64 + x, 84 + y, pal(col));
            }
        // the shimmer: a bright diagonal band sweeping across, one step per frame
        const int band = -60 + f * 28;
        for (int y = 0; y < kCardH; ++y)
            for (int x = 0; x < kCardW; ++x) {
                const int d = x + y / 2 - band - 64;
                if (c.opaque(x, y) && c.get(x, y) != pal(Ink) && d >= 0 && d < 10)
                    c.blend(x, y, pal(d < 4 ? White : Cloud, std::uint8_t(d < 4 ? 110 : 60)));
            }
        sheet.blit(c, f * kCardW, 0);
    }
    sheet.save(out("Sprites/Fight/CardBack.png"));
}

void drawCardContour() {
    constexpr int W = 138, H = 179;
    Canvas sheet(W * 3, H);
    for (int f = 0; f < 3; ++f) {
        Canvas c(W, H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                // the card itself (at 5, 5) stays clear
                if (x >= 5 && y >= 5 && inCard(x - 5, y - 5, 0)) continue;
                // ring distance by a rounded-rectangle measure
                const float ox = std::max({0.f, 5.f - float(x), float(x) - float(W - 6)});
                const float oy = std::max({0.f, 5.f - float(y), float(y) - float(H - 6)});
                const float dist = std::sqrt(ox * ox + oy * oy);
                if (dist > 5.f) continue;
                // a solid bright edge hugging the card and a glow that swells and ebbs over the frames
                const float reach = 3.f + float(f == 1 ? 2 : f);
                if (dist > reach) continue;
                int col = dist < 1.5f ? White : dist < 2.5f ? GoldLight : Gold;
                std::uint8_t a = 255;
                if (dist >= 2.5f) a = bayer(x, y) < 0.5f ? 200 : 120;
                if (dist >= 4.f) a = 90;
                c.px(x, y, pal(col, a));
            }
        sheet.blit(c, f * W, 0);
    }
    sheet.save(out("Sprites/Fight/ContourCard.png"));
}

} // namespace fight
