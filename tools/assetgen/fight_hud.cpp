// Battle HUD pieces: end-turn button, deck case, action-point medallion, digit sheet, life bars,
// markers and arrows, intent icons, the fighters' shadow and the fight cursor.
#include "fight_ui.hpp"

#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

bool inRound(int x, int y, int w, int h, int r) {
    const int cx = x < r ? r : x > w - 1 - r ? w - 1 - r : x;
    const int cy = y < r ? r : y > h - 1 - r ? h - 1 - r : y;
    return x >= 0 && y >= 0 && x < w && y < h && (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

} // namespace

void drawTurnButton() {
    Canvas sheet(63, 34);
    for (int row = 0; row < 2; ++row) {
        const bool lit = row == 1;
        Canvas b(63, 17);
        const int face = lit ? Ember : Blood, hi = lit ? GoldLight : Ember, lo = lit ? Blood : BloodDeep;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 63; ++x) {
                if (!inRound(x, y, 63, 17, 3)) continue;
                int col = face;
                if (!inRound(x, y, 63, 17, 3) || !inRound(x - 1, y, 63, 17, 3) || !inRound(x + 1, y, 63, 17, 3) || y == 0 || y == 16)
                    col = Ink;
                else if (y == 1 || y == 2) col = (y == 1 || bayer(x, y) < 0.5f) ? hi : face;
                else if (y >= 13) col = y == 15 ? BloodDeep : lo;
                else if (y == 3 || y == 12) col = lit ? GoldLight : Gold;
                b.px(x, y, pal(col));
            }
        // gold studs at both ends
        for (int x : {4, 58}) {
            b.px(x, 7, pal(GoldLight));
            b.px(x, 8, pal(Gold));
            b.px(x - 1, 8, pal(Gold));
            b.px(x + 1, 8, pal(Earth));
            b.px(x, 9, pal(Earth));
        }
        const std::string label = "END TURN";
        menus::shadowText(b, (63 - Canvas::textWidth(label)) / 2, 5, label, pal(lit ? White : SandLight), 1);
        sheet.blit(b, 0, row * 17);
    }
    sheet.save(out("Sprites/Fight/TurnButton.png"));
}

void drawDeckCase() {
    // 44 x 44 art pixels drawn at x2: a leather card case with its flap open and cards inside
    Canvas c(44, 44);
    // cards peeking out of the case
    for (int k = 0; k < 3; ++k) {
        const int x0 = 9 + k * 3, y0 = 3 + (2 - k) * 2;
        for (int y = y0; y < 22; ++y)
            for (int x = x0; x < x0 + 20; ++x) {
                int col = Plum;
                if (x == x0 || x == x0 + 19 || y == y0) col = GoldLight;
                else if ((x + y) % 6 == 0) col = PlumLight;
                c.px(x, y, pal(col));
            }
    }
    // the case
    for (int y = 14; y < 42; ++y)
        for (int x = 4; x < 40; ++x) {
            int col = Earth;
            if (x <= 5 || y <= 15) col = EarthLight;
            else if (x >= 38 || y >= 40) col = EarthDeep;
            else if (hashNoise(x / 2, y, 9) < 0.15f) col = EarthDeep;
            c.px(x, y, pal(col));
        }
    // stitching and the flap folded over the front
    for (int x = 6; x < 38; x += 2) c.px(x, 39, pal(Sand));
    for (int y = 16; y < 39; y += 2) {
        c.px(6, y, pal(Sand));
        c.px(37, y, pal(Sand));
    }
    for (int y = 14; y < 24; ++y)
        for (int x = 4; x < 40; ++x) {
            const int half = 18 - (y - 14);
            if (std::abs(x - 22) > half + 6) continue;
            c.px(x, y, pal(y == 14 ? EarthLight : y >= 22 ? EarthDeep : Earth));
        }
    // gold clasp with a teal gem
    c.rect(19, 21, 7, 6, pal(Gold));
    c.rect(19, 21, 7, 1, pal(GoldLight));
    c.rect(21, 23, 3, 2, pal(Teal));
    c.px(21, 23, pal(TealLight));
    c.outline(pal(Ink));
    menus::upscale(menus::withDropShadow(c, 1, 1, 90), 1).save(out("Sprites/Fight/DeckCase.png"));
}

void drawActionIcon() {
    // 38 x 38 art pixels at x5 (190 x 190): a medallion whose dark centre holds the action-point digit
    Canvas c(38, 38);
    const float cx = 19.f, cy = 18.6f;
    for (int y = 0; y < 38; ++y)
        for (int x = 0; x < 38; ++x) {
            const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d > 17.5f) continue;
            int col;
            if (d > 16.5f) col = Ink;
            else if (d > 13.f) {
                // gold rim with eight lightning notches
                const float a = std::atan2(dy, dx);
                const bool notch = std::fabs(std::fmod(a + 2 * kPi, kPi / 4.f) - kPi / 8.f) < 0.09f;
                col = notch ? Ember : (dx + dy < 0 ? GoldLight : Gold);
                if (d > 15.8f && dx + dy > 0) col = Earth;
            } else if (d > 12.f) col = Ink;
            else col = (d > 10.f && dx + dy < -4.f) ? Plum : Night;
            c.px(x, y, pal(col));
        }
    // little sparks on the rim
    for (int k = 0; k < 4; ++k) {
        const float a = kPi / 4.f + float(k) * kPi / 2.f;
        const int x = int(cx + std::cos(a) * 14.8f), y = int(cy + std::sin(a) * 14.8f);
        c.px(x, y, pal(White));
    }
    menus::upscale(c, 5).save(out("Sprites/Fight/PA.png"));
}

void drawNumbers() {
    constexpr int CW = 56, CH = 72, S = 8;
    Canvas sheet(CW * 10, CH * 6);
    struct Style {
        int top, bottom, rim;
    };
    // 0 action points (gold), 1 damage (red), 2 armor (steel), 3 life (white), 4 spare (teal)
    const Style styles[5] = {{GoldLight, Gold, White}, {Ember, Blood, GoldLight}, {Cloud, Silver, White},
                             {White, Cloud, White}, {TealLight, Teal, Foam}};
    auto glyph = [&](int row, const std::string& s) {
        Canvas mask(CW, CH);
        mask.text((CW - 5 * S) / 2, (CH - 7 * S) / 2, s, pal(White), S);
        // bolder strokes for the small rows: each stroke widened by two pixels on the right
        Canvas bold = mask;
        for (int y = 0; y < CH; ++y)
            for (int x = 0; x < CW; ++x)
                if (mask.opaque(x - 1, y) || mask.opaque(x - 2, y)) bold.px(x, y, pal(White));
        const Style st = styles[std::min(row, 4)];
        Canvas g(CW, CH);
        for (int y = 0; y < CH; ++y)
            for (int x = 0; x < CW; ++x) {
                if (!bold.opaque(x, y)) continue;
                int col = y < CH / 2 ? st.top : st.bottom;
                if (!bold.opaque(x, y - 1) || !bold.opaque(x - 1, y)) col = st.rim;
                else if (!bold.opaque(x, y + 1) || !bold.opaque(x + 1, y)) col = st.bottom;
                if (row != 3 && y >= CH / 2 - 2 && y < CH / 2 + 2 && bayer(x, y) < 0.5f) col = st.bottom;
                g.px(x, y, pal(col));
            }
        // thick ink outline: three rings
        for (int r = 0; r < 3; ++r) g.outline(pal(Ink));
        return g;
    };
    for (int row = 0; row < 5; ++row)
        for (int d = 0; d < 10; ++d) sheet.blit(glyph(row, std::string(1, char('0' + d))), d * CW, row * CH);
    sheet.blit(glyph(3, "/"), 0, 5 * CH);
    sheet.save(out("Sprites/Fight/Number.png"));
}

void drawLifeBars() {
    // back: a dark trough with an ink rim
    Canvas back(128, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 128; ++x) {
            int col = Night;
            if (y == 0 || y == 10 || x == 0 || x == 127) col = Ink;
            else if (y == 1) col = Ink;
            else if (y == 9 || bayer(x, y) < 0.2f) col = Slate;
            back.px(x, y, pal(col));
        }
    back.save(out("Sprites/Fight/LifeBarBack.png"));

    // the bar: 15 frames with a light glint running along it
    Canvas bar(128 * 15, 11);
    for (int f = 0; f < 15; ++f)
        for (int y = 1; y < 10; ++y)
            for (int x = 1; x < 127; ++x) {
                int col = Blood;
                if (y <= 2) col = Ember;
                else if (y >= 8) col = BloodDeep;
                else if (y == 3 && bayer(x, y) < 0.5f) col = Ember;
                const int g = (x + (9 - y) / 2) - (f * 10 - 12);
                if (g >= 0 && g < 6 && y < 8) col = g < 2 ? White : (g < 4 ? GoldLight : Ember);
                bar.px(f * 128 + x, y, pal(col));
            }
    bar.save(out("Sprites/Fight/LifeBar.png"));

    // armor frame: a steel band around the bar (rows 18..28) and a shield plate at its right end
    // that backs the armor number
    Canvas fr(158, 40);
    for (int y = 16; y < 31; ++y)
        for (int x = 0; x < 132; ++x) {
            const bool edge = y <= 17 || y >= 29 || x <= 1 || x >= 130;
            if (!edge) continue;
            int col = (y <= 16 || x == 0) ? Cloud : (y >= 30 || x == 131) ? Slate : Silver;
            if (y == 17 || y == 29 || x == 1 || x == 130) col = y == 17 || x == 1 ? Steel : Silver;
            fr.px(x, y, pal(col));
        }
    for (int x = 8; x < 128; x += 12) {
        fr.px(x, 16, pal(White));
        fr.px(x, 30, pal(Steel));
    }
    for (int y = 4; y < 40; ++y)
        for (int x = 124; x < 156; ++x) {
            const float t = float(y - 4) / 35.f;
            const int half = int(15.f * (t < 0.6f ? 1.f : std::sqrt(std::max(0.f, 1.f - (t - 0.6f) / 0.4f))));
            const int dx = x - 140;
            if (std::abs(dx) > half) continue;
            int col = Slate;
            if (std::abs(dx) >= half - 1 || y <= 5) col = (dx < 0 || y <= 5) ? Cloud : Steel;
            else if (std::abs(dx) >= half - 3) col = dx < 0 ? Silver : Steel;
            else if (bayer(x, y) < 0.15f) col = Night;
            fr.px(x, y, pal(col));
        }
    fr.outline(pal(Ink));
    // keep the bar's own rows clear
    for (int y = 18; y < 29; ++y)
        for (int x = 2; x < 128; ++x) fr.px(x, y, sf::Color::Transparent);
    fr.save(out("Sprites/Fight/HUDLife.png"));
}

void drawMarkers() {
    // bouncing arrows pointing down: teal for allies, blood red for the enemy under the mouse
    for (int kind = 0; kind < 2; ++kind) {
        const int face = kind ? Blood : Teal, hi = kind ? Ember : TealLight, lo = kind ? BloodDeep : WaterDeep;
        Canvas sheet(45, 20);
        static const int bounce[3] = {0, 2, 1};
        for (int f = 0; f < 3; ++f) {
            Canvas a(15, 20);
            const int top = 1 + bounce[f];
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 15; ++x) {
                    const int dx = x - 7;
                    bool in = false;
                    if (y < 7) in = std::abs(dx) <= 2;
                    else in = std::abs(dx) <= 6 - (y - 7) * 6 / 8;
                    if (!in) continue;
                    const int col = dx < 0 ? hi : (dx > 1 || y > 12) ? lo : face;
                    a.px(x, top + y, pal(col));
                }
            a.px(6, top + 1, pal(White));
            a.outline(pal(Ink));
            sheet.blit(a, f * 15, 0);
        }
        sheet.save(out(kind ? "Sprites/Fight/Arrow.png" : "Sprites/Fight/Arrow_Ally.png"));
    }
    // card arrow: small chevrons pointing up, and a bigger head
    for (int big = 0; big < 2; ++big) {
        Canvas c(17, 22);
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 17; ++x) {
                const int dx = x - 8;
                bool in;
                if (big) in = (y >= 2 && y < 13 && std::abs(dx) <= (y - 2) * 7 / 10) || (y >= 12 && y < 20 && std::abs(dx) <= 2);
                else in = y >= 4 && y < 18 && std::abs(dx) <= (y - 4) * 6 / 8 && std::abs(dx) >= (y - 4) * 6 / 8 - 3;
                if (!in) continue;
                const int col = big ? (dx < 0 ? Ember : Blood) : (dx < 0 ? GoldLight : Gold);
                c.px(x, y, pal(col));
            }
        if (big) c.px(7, 5, pal(GoldLight));
        c.outline(pal(Ink));
        c.save(out(big ? "Sprites/Fight/ArrowBig.png" : "Sprites/Fight/ArrowCard.png"));
    }
}

void drawIntentIcons() {
    // 28 x 28 art pixels at x2: a round badge with the intent's sign
    for (int kind = 0; kind < 2; ++kind) {
        Canvas c(28, 28);
        const int face = kind ? WaterDeep : BloodDeep, rim = kind ? WaterLight : Ember;
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 28; ++x) {
                const float dx = float(x) - 13.5f, dy = float(y) - 13.5f;
                const float d = std::sqrt(dx * dx + dy * dy);
                if (d > 12.5f) continue;
                c.px(x, y, pal(d > 11.f ? (dx + dy < 0 ? rim : face) : (bayer(x, y) < 0.2f ? Ink : face)));
            }
        if (kind == 0) {
            // crossed blades
            for (int i = 0; i < 14; ++i) {
                c.px(7 + i, 6 + i, pal(Cloud));
                c.px(8 + i, 6 + i, pal(Silver));
                c.px(20 - i, 6 + i, pal(Cloud));
                c.px(21 - i, 6 + i, pal(Silver));
            }
            for (int s = 0; s < 2; ++s) {
                const int hx = s ? 7 : 20;
                c.rect(hx - 2, 18, 4, 2, pal(Gold));
                c.rect(hx - 1, 20, 2, 3, pal(Earth));
            }
        } else {
            for (int y = 6; y < 23; ++y) {
                const float t = float(y - 6) / 17.f;
                const int half = int(7.f * (t < 0.5f ? 1.f : std::sqrt(std::max(0.f, 1.f - (t - 0.5f) / 0.5f))));
                for (int x = -half; x <= half; ++x)
                    c.px(13 + x, y, pal(std::abs(x) >= half - 1 || y == 6 ? Cloud : (x < 0 ? Silver : Steel)));
            }
            c.rect(13, 9, 1, 10, pal(Gold));
            c.rect(10, 12, 7, 1, pal(Gold));
        }
        c.outline(pal(Ink));
        menus::upscale(c, 2).save(out(kind ? "Sprites/Fight/Shield.png" : "Sprites/Fight/Attack.png"));
    }
}

void drawShadow() {
    // one flat ellipse centred on row 93: every fighter's feet land there
    Canvas c(80, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 80; ++x) {
            const float dx = (float(x) + 0.5f - 40.f) / 16.f, dy = (float(y) + 0.5f - 93.f) / 4.5f;
            const float d = dx * dx + dy * dy;
            if (d > 1.f) continue;
            c.px(x, y, pal(Ink, d < 0.55f ? 100 : (bayer(x, y) < 0.5f ? 80 : 55)));
        }
    c.save(out("Sprites/Fight/Shadow.png"));
    // an unused contour kept for the loader: a thin gold frame
    Canvas k(100, 110);
    k.frame(0, 0, 100, 110, pal(Gold, 200));
    k.frame(1, 1, 98, 108, pal(GoldLight, 120));
    k.save(out("Sprites/Fight/Contour2.png"));
}

void drawFightCursor() {
    // bright targeting reticle on pure black (drawn additively, so the black vanishes)
    Canvas c(32, 32, sf::Color::Black);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float dx = float(x) + 0.5f - 16.f, dy = float(y) + 0.5f - 16.f;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d > 9.f && d < 11.2f) c.px(x, y, pal(d < 10.1f ? GoldLight : Gold));
        }
    for (int i = 0; i < 7; ++i) {
        const sf::Color col = pal(i < 3 ? White : GoldLight);
        c.px(15 + (i & 0), 2 + i, col);
        c.px(16, 2 + i, col);
        c.px(15, 29 - i, col);
        c.px(16, 29 - i, col);
        c.px(2 + i, 15, col);
        c.px(2 + i, 16, col);
        c.px(29 - i, 15, col);
        c.px(29 - i, 16, col);
    }
    c.rect(15, 15, 2, 2, pal(White));
    c.save(out("Sprites/Fight/FightCursor.jpg"));
}

} // namespace fight
