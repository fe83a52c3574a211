// Menus and end screens: main menu, pause menu, settings panel, team selection, recruit shop
// buttons, win and defeat pictures.
//
// Pictures drawn at scale 1 (buttons, chains, titles) are authored on a coarse art grid and
// enlarged here by a whole factor, so that their pixels read like the pixels of the backdrops
// drawn at scale 4. The settings panel is drawn by the game at scales 1.2 to 1.8; its pieces are
// enlarged so that one art pixel lands on about four screen pixels.
#include "art.hpp"
#include "generators.hpp"
#include "menus_kit.hpp"
#include "menus_scenes.hpp"

#include <algorithm>
#include <cmath>
#include <string>

using namespace art;
using namespace menus;

namespace {

// ---------------------------------------------------------------- chains and hanging buttons

// Screen pixels per art pixel of the main- and pause-menu buttons and chains.
constexpr int kButtonPx = 3;

// The chain hangs with its centre 40 pixels above its button's top: the picture is 1440 pixels
// tall, links fill its top half plus 48 pixels (ending inside the button's ring) and the rest
// is transparent, so the chain reaches the top of the screen from every rest position without
// showing below its button.
Canvas chainArt() {
    const int W = 9, H = 1440 / kButtonPx;
    const int end = (1440 / 2 + 40 + 8) / kButtonPx; // last art row with chain
    const int P = 14;                                // one face link plus one edge link
    Canvas side{unsigned(W), unsigned(H)}, face{unsigned(W), unsigned(H)};
    for (int c0 = 5; c0 + 2 <= end; c0 += P) {
        // Edge-on link between two face links.
        const int top = c0 + 2, bottom = std::min(c0 + 12, end);
        for (int y = top; y <= bottom; ++y) {
            const bool tip = y == top || y == bottom;
            if (!tip) side.px(3, y, pal(Silver));
            side.px(4, y, pal(Steel));
            if (!tip) side.px(5, y, pal(Slate));
        }
        if (c0 + 5 > end) continue;
        // Face-on oval link with its hole.
        for (int y = -5; y <= 5; ++y)
            for (int x = -3; x <= 3; ++x) {
                const float d = float(x * x) / 12.25f + float(y * y) / 30.25f;
                const float hole = float(x * x) / 2.25f + float(y * y) / 12.25f;
                if (d > 1.f || hole <= 1.f) continue;
                int col = Steel;
                if (x < 0 && y <= 1) col = Silver;
                if (x <= -2 && y < -2) col = Cloud;
                if (x > 0 && y >= -1) col = Slate;
                face.px(4 + x, c0 + y, pal(col));
            }
    }
    side.outline(pal(Ink));
    face.outline(pal(Ink));
    side.blit(face, 0, 0);
    for (int y = end + 1; y < H; ++y)
        for (int x = 0; x < W; ++x) side.px(x, y, sf::Color::Transparent);
    return upscale(side, kButtonPx);
}

void saveButtonPair(const std::string& folder, const std::string& name, const std::string& label,
                    const ButtonLook& look, int seed, int px) {
    upscale(buttonArt(label, look, false, seed), px).save(out(folder + name + ".png"));
    upscale(buttonArt(label, look, true, seed), px).save(out(folder + name + "Select.png"));
}

// ---------------------------------------------------------------- titles

void drawCrown(Canvas& c, int cx, int y) {
    Canvas k(40, 16);
    const int x0 = 20;
    // Band and three points.
    k.rect(x0 - 9, 9, 19, 4, pal(Gold));
    for (int i = -9; i <= 9; ++i) k.px(x0 + i, 9, pal(GoldLight));
    for (int i = -9; i <= 9; ++i) k.px(x0 + i, 12, pal(Ember));
    const int tips[3] = {-8, 0, 8};
    for (int t = 0; t < 3; ++t) {
        const int h = t == 1 ? 8 : 6;
        for (int j = 0; j < h; ++j) {
            const int half = std::max(0, (j * 3) / h);
            for (int i = -half; i <= half; ++i)
                k.px(x0 + tips[t] + i, 9 - h + j, pal(i < 0 ? GoldLight : Gold));
        }
        k.px(x0 + tips[t], 9 - h - 1, pal(GoldLight));
    }
    // Gems.
    k.px(x0 - 5, 10, pal(Blood));
    k.px(x0 - 5, 11, pal(BloodDeep));
    k.rect(x0 - 1, 10, 2, 2, pal(Teal));
    k.px(x0 - 1, 10, pal(TealLight));
    k.px(x0 + 5, 10, pal(Blood));
    k.px(x0 + 5, 11, pal(BloodDeep));
    k.outline(pal(Ink));
    c.blit(k, cx - x0, y);
}

// Main-menu title: gold OSTREVALD over a red ribbon, crowned; drawn at scale 1 from the top
// centre of the screen, over the chains.
Canvas ostrevaldTitle() {
    const int W = 240, H = 60;
    Canvas c(W, H);
    ribbon(c, 24, 26, W - 48, 20, 20, Blood, BloodDeep, 3);
    const Canvas letters = metalLetters("OSTREVALD", 3, 2, Metal::Gold, 2);
    c.blit(withDropShadow(letters, 1, 1, 120), (W - int(letters.width())) / 2, 17);
    drawCrown(c, W / 2, 1);
    // Small gold studs on the ribbon ends.
    for (int side = -1; side <= 1; side += 2) {
        const int x = W / 2 + side * (W / 2 - 20);
        c.px(x, 35, pal(GoldLight));
        c.px(x, 36, pal(Gold));
    }
    return upscale(withDropShadow(c, 1, 1, 90), 4);
}

// Pause title: a plum banner hanging from a rod at the top of the screen, an hourglass under
// the word.
Canvas pauseTitle() {
    const int W = 100, H = 68;
    Canvas c{unsigned(W), unsigned(H)};
    const int cl = 9, cr = W - 10, top = 4, bottom = 64, notch = 13;
    const int mid = (cl + cr) / 2;
    // Cloth with soft vertical folds and a swallowtail cut.
    Canvas cloth{unsigned(W), unsigned(H)};
    for (int y = top; y <= bottom; ++y)
        for (int x = cl; x <= cr; ++x) {
            const int cut = bottom - notch + std::abs(x - mid) * notch / ((cr - cl) / 2);
            if (y > cut) continue;
            const float fold = std::sin(float(x - cl) * 0.26f + 0.4f);
            int col = Plum;
            if (fold > 0.75f) col = PlumLight;
            else if (fold > 0.45f && bayer(x, y) < 0.5f) col = PlumLight;
            else if (fold < -0.8f && bayer(x, y) < 0.5f) col = Night;
            cloth.px(x, y, pal(col));
        }
    // Gold trim two pixels inside the edge.
    for (int y = top; y <= bottom; ++y)
        for (int x = cl; x <= cr; ++x) {
            if (!cloth.opaque(x, y)) continue;
            const bool trim = (x == cl + 2 || x == cr - 2 || !cloth.opaque(x, y + 2) || !cloth.opaque(x - 2, y + 2) ||
                               !cloth.opaque(x + 2, y + 2)) &&
                              x >= cl + 2 && x <= cr - 2 && cloth.opaque(x, y + 1) && cloth.opaque(x - 1, y) && cloth.opaque(x + 1, y);
            if (trim) cloth.px(x, y, pal(y < top + 3 ? Gold : (x < mid ? GoldLight : Gold)));
        }
    cloth.outline(pal(Ink));
    c.blit(cloth, 0, 0);
    // Hourglass emblem.
    Canvas hg{unsigned(W), unsigned(H)};
    const int hx = mid, hy = 32;
    hg.rect(hx - 6, hy, 13, 2, pal(Gold));
    hg.rect(hx - 6, hy + 16, 13, 2, pal(Gold));
    for (int x = hx - 6; x <= hx + 6; ++x) {
        hg.px(x, hy, pal(GoldLight));
        hg.px(x, hy + 17, pal(Ember));
    }
    for (int j = 0; j < 14; ++j) {
        const int half = std::max(0, std::abs(j - 7) * 5 / 7);
        for (int i = -half; i <= half; ++i) {
            int col = Foam;
            if (j < 7 && j > 3 && std::abs(i) < half) col = Sand; // sand still in the top bulb
            if (j >= 11 && std::abs(i) <= half) col = Sand;        // and the heap below
            if (i == -half) col = White;
            hg.px(hx + i, hy + 2 + j, pal(col));
        }
    }
    hg.px(hx, hy + 9, pal(Sand));
    hg.px(hx, hy + 10, pal(Sand));
    hg.outline(pal(Ink));
    c.blit(hg, 0, 0);
    // Rod with gold finials, hung by two cords from the top edge.
    Canvas rod{unsigned(W), unsigned(H)};
    for (int y = 0; y < 3; ++y) {
        rod.px(cl + 8, y, pal(EarthLight));
        rod.px(cr - 8, y, pal(EarthLight));
    }
    rod.rect(3, 3, W - 6, 3, pal(Earth));
    for (int x = 3; x < W - 3; ++x) {
        rod.px(x, 3, pal(EarthLight));
        rod.px(x, 5, pal(EarthDeep));
    }
    rod.disc(3, 4, 2, pal(Gold));
    rod.disc(W - 4, 4, 2, pal(Gold));
    rod.px(2, 3, pal(GoldLight));
    rod.px(W - 5, 3, pal(GoldLight));
    rod.outline(pal(Ink));
    c.blit(rod, 0, 0);
    const Canvas letters = metalLetters("PAUSE", 2, 2, Metal::Gold, 1);
    c.blit(letters, (W - int(letters.width())) / 2, 12);
    return upscale(withDropShadow(c, 1, 1, 90), 4);
}

// Team-selection title: "SELECT YOUR TEAM" in gold on a red ribbon (scale 1, at (260, 100)).
Canvas selectTeamTitle() {
    const Canvas letters = metalLetters("SELECT YOUR TEAM", 2, 2, Metal::Gold, 1);
    const int W = int(letters.width()) + 46, H = 36;
    Canvas c{unsigned(W), unsigned(H)};
    ribbon(c, 16, 3, W - 32, 24, 15, Blood, BloodDeep, 9);
    c.blit(letters, (W - int(letters.width())) / 2, 6);
    return upscale(withDropShadow(c, 1, 1, 90), 3);
}

// ---------------------------------------------------------------- settings panel

constexpr int kPanelPx = 3; // art pixel -> 3 file pixels -> 4.2 screen pixels at scale 1.4

Canvas settingsPanel() {
    const int W = 360, H = 190, F = 7; // F: wooden frame width
    Canvas c{unsigned(W), unsigned(H)};
    // Dark cloth interior quilted with a faint diamond lattice.
    for (int y = F; y < H - F; ++y)
        for (int x = F; x < W - F; ++x) {
            const bool lattice = ((x + y) % 10 == 0) || ((x - y + 1000) % 10 == 0);
            c.px(x, y, pal(lattice && (x + y) % 2 == 0 ? Slate : Night));
        }
    // Wooden frame: grained boards, mitred corners, bevel.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int dx = std::min(x, W - 1 - x), dy = std::min(y, H - 1 - y);
            if (dx >= F && dy >= F) continue;
            const bool horizontal = dy < dx; // top/bottom boards
            const float g = horizontal ? valueNoise(float(x) * 0.25f, float(y) * 1.7f, 3, 5)
                                       : valueNoise(float(y) * 0.25f, float(x) * 1.7f, 3, 6);
            int col = g > 0.66f ? EarthLight : (g < 0.3f ? EarthDeep : Earth);
            if (dx == dy) col = EarthDeep; // mitre joint
            // Bevel: the outer rim catches light on top/left, the inner rim on bottom/right.
            if (dy == 0 && y < H / 2) col = Sand;
            if (dx == 0 && x < W / 2) col = EarthLight;
            if ((dy == 0 && y > H / 2) || (dx == 0 && x > W / 2)) col = EarthDeep;
            if (dy == F - 1 && dx >= F - 1 && y > H / 2) col = EarthLight;
            if (dx == F - 1 && dy >= F - 1 && x > W / 2) col = EarthLight;
            if (dy == F - 1 && dx >= F - 1 && y < H / 2) col = EarthDeep;
            if (dx == F - 1 && dy >= F - 1 && x < W / 2) col = EarthDeep;
            c.px(x, y, pal(col));
        }
    // Gold trim line inside the frame, and its shadow on the cloth.
    for (int x = F + 1; x < W - F - 1; ++x) {
        c.px(x, F + 1, pal(Gold));
        c.px(x, H - F - 2, pal(Ember));
        c.px(x, F + 2, pal(Ink));
    }
    for (int y = F + 1; y < H - F - 1; ++y) {
        c.px(F + 1, y, pal(Gold));
        c.px(W - F - 2, y, pal(Ember));
        c.px(F + 2, y, pal(Ink));
    }
    // Rows: the panel's art coordinates of the three rows and of the buttons (screen y -> art y:
    // (y - 71) / 4.2 with the panel's top at screen y 71).
    auto artY = [](int screenY) { return int(float(screenY - 71) / 4.2f + 0.5f); };
    auto artX = [](int screenX) { return int(float(screenX - 204) / 4.2f + 0.5f); };
    const int rowsY[3] = {artY(340), artY(490), artY(640)};
    for (int r = 0; r < 3; ++r) {
        const int y0 = rowsY[r] - 14, y1 = rowsY[r] + 14;
        // Recessed row strip.
        for (int y = y0; y <= y1; ++y)
            for (int x = F + 6; x < W - F - 6; ++x) {
                int col = (y == y0) ? Ink : (y == y1 ? Slate : Night);
                if (y > y0 && y < y1 && bayer(x, y) < 0.25f) col = Ink;
                c.px(x, y, pal(col));
            }
        // Separator studs at the strip ends.
        c.px(F + 4, rowsY[r], pal(Gold));
        c.px(W - F - 5, rowsY[r], pal(Gold));
    }
    // A darker well behind each volume percentage (centred on screen x 1060).
    for (int r = 0; r < 2; ++r) {
        const int x0 = artX(978), x1 = artX(1142);
        const int y0 = rowsY[r] - 10, y1 = rowsY[r] + 9;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                int col = Ink;
                if (y == y1 || x == x1) col = Steel;
                if (y == y0 || x == x0) col = Ink;
                c.px(x, y, pal(col));
            }
        for (int x = x0 + 1; x < x1; ++x) c.px(x, y0 + 1, pal(Night));
    }
    // Gold corner plates with rivets.
    const int cxs[2] = {0, W - 1}, cys[2] = {0, H - 1};
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            const int sx = a ? -1 : 1, sy = b ? -1 : 1;
            for (int k = 0; k < 14; ++k)
                for (int t = 0; t < 3; ++t) {
                    if (k + t > 15) continue;
                    c.px(cxs[a] + sx * k, cys[b] + sy * t, pal(t == 0 && sy > 0 ? GoldLight : Gold));
                    c.px(cxs[a] + sx * t, cys[b] + sy * k, pal(t == 0 && sx > 0 ? GoldLight : Gold));
                }
            for (int k = 3; k < 10; ++k) {
                c.px(cxs[a] + sx * k, cys[b] + sy * 3, pal(Ember));
                c.px(cxs[a] + sx * 3, cys[b] + sy * k, pal(Ember));
            }
            c.px(cxs[a] + sx * 1, cys[b] + sy * 1, pal(White));
            c.px(cxs[a] + sx * 10, cys[b] + sy * 1, pal(White));
            c.px(cxs[a] + sx * 1, cys[b] + sy * 10, pal(White));
        }
    // Round the outermost corners.
    c.px(0, 0, sf::Color::Transparent);
    c.px(W - 1, 0, sf::Color::Transparent);
    c.px(0, H - 1, sf::Color::Transparent);
    c.px(W - 1, H - 1, sf::Color::Transparent);
    return upscale(c, kPanelPx);
}

Canvas settingsTitle() {
    const Canvas letters = metalLetters("SETTINGS", 2, 2, Metal::Gold, 1);
    const int W = int(letters.width()) + 44, H = int(letters.height()) + 2;
    Canvas c{unsigned(W), unsigned(H)};
    c.blit(letters, 22, 0);
    // Flourishes: a gold bar ending in a diamond on each side.
    const int y = H / 2 - 1;
    for (int s = 0; s < 2; ++s) {
        const int x0 = s == 0 ? 2 : W - 19, dir = s == 0 ? 1 : -1;
        Canvas f{unsigned(W), unsigned(H)};
        for (int i = 0; i < 17; ++i) f.px(x0 + i, y, pal(i % 3 == 0 ? GoldLight : Gold));
        const int dx = s == 0 ? x0 : x0 + 16;
        for (int d = 0; d < 3; ++d) {
            f.px(dx - dir * 0, y - d, pal(GoldLight));
            f.px(dx, y + d, pal(Gold));
            f.px(dx - d, y, pal(Gold));
            f.px(dx + d, y, pal(Gold));
        }
        f.outline(pal(Ink));
        c.blit(f, 0, 0);
    }
    return upscale(c, kPanelPx);
}

// Row labels: an icon and a white pixel-font word (enlarged by 4: 5.6 screen pixels per art pixel
// at scale 1.4, so the words stand as tall as the 40-point percentages).
Canvas settingsLabel(const std::string& word, int icon) {
    const int tw = Canvas::textWidth(word, 1);
    Canvas c(unsigned(tw + 14), 11);
    Canvas ic(11, 11);
    if (icon == 0) {
        // Two beamed quavers.
        ic.rect(2, 6, 3, 3, pal(GoldLight));
        ic.rect(7, 5, 3, 3, pal(GoldLight));
        ic.rect(4, 1, 1, 6, pal(GoldLight));
        ic.rect(9, 0, 1, 6, pal(GoldLight));
        ic.line(4, 1, 9, 0, pal(GoldLight));
        ic.line(4, 2, 9, 1, pal(Gold));
        ic.px(2, 6, pal(White));
        ic.px(7, 5, pal(White));
    } else if (icon == 1) {
        // A bell with a clapper.
        ic.rect(3, 2, 5, 5, pal(Gold));
        ic.rect(2, 6, 7, 2, pal(Gold));
        ic.px(5, 1, pal(Gold));
        ic.px(3, 2, pal(GoldLight));
        ic.px(3, 3, pal(GoldLight));
        ic.px(3, 4, pal(GoldLight));
        ic.px(7, 5, pal(Ember));
        ic.px(8, 7, pal(Ember));
        ic.px(5, 9, pal(GoldLight));
    } else if (icon == 3) {
        // An hourglass: the enemies' turn and how long it takes.
        ic.rect(2, 0, 7, 1, pal(EarthLight));
        ic.rect(2, 10, 7, 1, pal(EarthLight));
        for (int y = 1; y < 10; ++y) {
            const int half = y < 5 ? 4 - y : y - 5;
            ic.rect(5 - half, y, 2 * half + 1, 1, pal(Cloud));
        }
        for (int y = 2; y < 4; ++y) ic.rect(5 - (3 - y), y, 2 * (3 - y) + 1, 1, pal(GoldLight));
        ic.rect(3, 8, 5, 1, pal(Gold));
        ic.rect(4, 7, 3, 1, pal(Gold));
        ic.px(5, 6, pal(GoldLight));
    } else {
        // A globe.
        ic.disc(5, 5, 4, pal(Water));
        ic.px(3, 3, pal(GrassLight));
        ic.px(4, 3, pal(GrassLight));
        ic.px(3, 4, pal(Grass));
        ic.px(6, 6, pal(Grass));
        ic.px(7, 6, pal(GrassLight));
        ic.px(6, 7, pal(Grass));
        ic.px(2, 3, pal(WaterLight));
        ic.px(3, 2, pal(Foam));
    }
    ic.outline(pal(Ink));
    c.blit(ic, 0, 0);
    shadowText(c, 14, 2, word, pal(White), 1);
    return upscale(c, 4);
}

// A value plate of the settings panel: the word on a small field, then its marker.
// markers 0: a down-pointing arrow (a list to choose from); 1 to 3: that many right-pointing
// arrows (the enemy-turn speeds, one arrow more for each step faster).
Canvas valueTag(const std::string& word, int markers) {
    const int tw = Canvas::textWidth(word, 1);
    const int W = tw + (markers == 0 ? 18 : 12 + 5 * markers), H = 13;
    Canvas c{unsigned(W), unsigned(H)};
    // A small plate like a selection field.
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) c.px(x, y, pal(Slate));
    for (int x = 1; x < W - 1; ++x) {
        c.px(x, 1, pal(Steel));
        c.px(x, H - 2, pal(Night));
    }
    for (int y = 1; y < H - 1; ++y) {
        c.px(1, y, pal(Steel));
        c.px(W - 2, y, pal(Night));
    }
    c.outline(pal(Ink));
    // Outline leaves the border transparent: draw it on a padded copy instead.
    Canvas p{unsigned(W + 2), unsigned(H + 2)};
    p.blit(c, 1, 1);
    p.outline(pal(Ink));
    shadowText(p, 5, 4, word, pal(GoldLight), 1);
    if (markers == 0) {
        // Small down-pointing marker at the right end.
        const int mx = W - 6;
        for (int j = 0; j < 3; ++j)
            for (int i = -2 + j; i <= 2 - j; ++i) p.px(mx + i, 6 + j, pal(Cloud));
    }
    for (int m = 0; m < markers; ++m) {
        // Right-pointing arrows side by side, the last one brightest.
        const int mx = tw + 8 + 5 * m;
        const int col = m == markers - 1 ? Cloud : Silver;
        for (int j = 0; j < 3; ++j)
            for (int i = -2 + j; i <= 2 - j; ++i) p.px(mx + j, 7 + i, pal(col));
    }
    return upscale(p, 4);
}

Canvas englishTag() { return valueTag("ENGLISH", 0); }

Canvas speaker(bool on) {
    Canvas c(22, 15);
    Canvas body(22, 15);
    const int bodyCol = on ? Silver : Steel, bodyHi = on ? Cloud : Silver, bodyDark = on ? Steel : Slate;
    // Box.
    body.rect(1, 5, 4, 5, pal(bodyCol));
    body.px(1, 5, pal(bodyHi));
    body.px(1, 6, pal(bodyHi));
    body.px(4, 9, pal(bodyDark));
    // Cone.
    for (int x = 5; x <= 10; ++x) {
        const int half = 2 + (x - 5);
        for (int y = 7 - half; y <= 7 + half; ++y) {
            int col = bodyCol;
            if (y == 7 - half) col = bodyHi;
            if (y == 7 + half || x == 10) col = bodyDark;
            body.px(x, y, pal(col));
        }
    }
    body.outline(pal(Ink));
    c.blit(body, 0, 0);
    if (on) {
        // Sound waves.
        Canvas w(22, 15);
        for (int r = 0; r < 3; ++r) {
            const int rad = 3 + r * 3;
            for (int a = -60; a <= 60; a += 4) {
                const float t = float(a) * 3.14159f / 180.f;
                const int x = 11 + int(std::lround(std::cos(t) * float(rad)));
                const int y = 7 + int(std::lround(std::sin(t) * float(rad)));
                if (x < 21) w.px(x, y, pal(r == 0 ? White : (r == 1 ? Cloud : Silver)));
            }
        }
        c.blit(w, 0, 0);
    } else {
        // Red cross.
        Canvas x(22, 15);
        for (int i = 0; i < 7; ++i) {
            x.px(13 + i, 4 + i, pal(Blood));
            x.px(14 + i, 4 + i, pal(Ember));
            x.px(19 - i, 4 + i, pal(Blood));
            x.px(20 - i, 4 + i, pal(Blood));
        }
        x.outline(pal(Ink));
        c.blit(x, 0, 0);
    }
    return upscale(c, kPanelPx);
}

// Volume bar: a metal-rimmed groove whose track runs from file pixel 9 to width - 9, where the
// game's cursor range (left + 10 .. right - 9 screen pixels at scale 1.2) lands.
Canvas volumeBar() {
    const int W = 128, H = 9;
    Canvas c{unsigned(W), unsigned(H)};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool end = x < 2 || x > W - 3;
            if ((y == 0 || y == H - 1) && end) continue;
            int col = Steel;
            if (y == 0 || (x == 0)) col = Ink;
            if (y == H - 1 || x == W - 1) col = Ink;
            else if (y == 1) col = Silver;
            else if (y == H - 2) col = Slate;
            c.px(x, y, pal(col));
        }
    // Groove with a rising wedge: quiet on the left, loud on the right.
    const int g0 = 3, g1 = W - 4;
    for (int x = g0; x <= g1; ++x)
        for (int y = 2; y <= H - 3; ++y) {
            const float t = float(x - g0) / float(g1 - g0);
            const int wedgeTop = (H - 3) - int(t * 4.f + 0.5f);
            int col = (y == 2) ? Ink : Night;
            if (y >= wedgeTop && y > 2) col = t > 0.66f ? Gold : (t > 0.33f ? Ember : Blood);
            if (y >= wedgeTop && y > 2 && y == wedgeTop && t > 0.05f) col = t > 0.66f ? GoldLight : (t > 0.33f ? Gold : Ember);
            c.px(x, y, pal(col));
        }
    // Tick marks at every quarter.
    for (int q = 0; q <= 4; ++q) {
        const int x = g0 + (g1 - g0) * q / 4;
        c.px(x, 1, pal(White));
    }
    return upscale(c, kPanelPx);
}

Canvas volumeKnob() {
    Canvas c(11, 11);
    c.disc(5, 5, 4, pal(Cloud));
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) {
            if (!c.opaque(x, y)) continue;
            const int d = (x - 3) * (x - 3) + (y - 3) * (y - 3);
            if (d <= 2) c.px(x, y, pal(White));
            else if ((x - 5) + (y - 5) >= 4) c.px(x, y, pal(Silver));
        }
    c.px(5, 5, pal(Steel));
    c.outline(pal(Ink));
    return upscale(c, kPanelPx);
}

void genSettingsMenu() {
    const std::string dir = "SettingsMenu/Sprites/";
    settingsPanel().save(out(dir + "FondSetting.png"));
    settingsTitle().save(out(dir + "SETTINGS.png"));
    settingsLabel("MUSIC", 0).save(out(dir + "Music.png"));
    settingsLabel("SOUND EFFECTS", 1).save(out(dir + "Sound_Effect.png"));
    settingsLabel("LANGUAGE", 2).save(out(dir + "Language.png"));
    englishTag().save(out(dir + "English.png"));
    settingsLabel("ENEMY TURN", 3).save(out(dir + "Enemy_Speed.png"));
    valueTag("NORMAL", 1).save(out(dir + "Speed_Normal.png"));
    valueTag("FAST", 2).save(out(dir + "Speed_Fast.png"));
    valueTag("INSTANT", 3).save(out(dir + "Speed_Instant.png"));
    speaker(true).save(out(dir + "HautParleur.png"));
    speaker(false).save(out(dir + "HautParleurmuet.png"));
    volumeBar().save(out(dir + "BarreDeSons.png"));
    volumeKnob().save(out(dir + "CercleBlanc.png"));
    // Back and Apply: drawn at scale 1.8, enlarged by 2 (3.6 screen pixels per art pixel).
    ButtonLook look;
    look.boardW = 70;
    look.boardH = 20;
    look.frame = 2;
    saveButtonPair(dir, "ButtonBack", "BACK", look, 21, 2);
    saveButtonPair(dir, "ButtonApply", "APPLY", look, 22, 2);
}

// ---------------------------------------------------------------- team selection and shop

// Round wooden medallion with a gold arrow: 39 x 39, drawn at scale 4.
Canvas arrowButton(bool left, bool lit) {
    Canvas m(39, 39);
    const int cx = 19, cy = 19;
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 39; ++x) {
            const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d2 > 15 * 15 + 8) continue;
            int col;
            if (d2 > 13 * 13 + 6) {
                // Metal rim, lit on the top-left.
                const bool litSide = (x - cx) + (y - cy) < -4;
                const bool darkSide = (x - cx) + (y - cy) > 6;
                col = lit ? (litSide ? GoldLight : (darkSide ? Ember : Gold)) : (litSide ? Silver : (darkSide ? Slate : Steel));
            } else {
                const float g = valueNoise(float(x) * 0.3f, float(y) * 1.6f, 3, 31);
                col = g > 0.68f ? (lit ? Sand : EarthLight) : (g < 0.3f ? (lit ? Earth : EarthDeep) : (lit ? EarthLight : Earth));
                if (d2 > 12 * 12 && (x - cx) + (y - cy) < 0) col = Ink; // carved shadow inside the rim
            }
            m.px(x, y, pal(col));
        }
    // Rivets on the rim.
    const int rv[4][2] = {{cx, cy - 14}, {cx, cy + 14}, {cx - 14, cy}, {cx + 14, cy}};
    for (const auto& r : rv) m.px(r[0], r[1], pal(lit ? White : Cloud));
    // Arrow pointing right (mirrored for left), centred.
    Canvas a(39, 39);
    const int tipX = 29, headBase = 20, headHalf = 9, shaftL = 10, shaftHalf = 3;
    for (int y = cy - headHalf; y <= cy + headHalf; ++y) {
        const int reach = headBase + (headHalf - std::abs(y - cy)) * (tipX - headBase) / headHalf;
        for (int x = headBase; x <= reach; ++x) a.px(x, y, pal(Gold));
    }
    a.rect(shaftL, cy - shaftHalf, headBase - shaftL, shaftHalf * 2 + 1, pal(Gold));
    // Light from the top-left: upper faces bright, lower faces shaded.
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 39; ++x) {
            if (!a.opaque(x, y)) continue;
            if (y < cy) a.px(x, y, pal(lit ? GoldLight : Gold));
            else a.px(x, y, pal(lit ? Gold : Ember));
            if (!a.opaque(x, y - 1) || !a.opaque(x - 1, y)) a.px(x, y, pal(lit ? White : GoldLight));
        }
    a.outline(pal(Ink));
    // Drop shadow of the arrow onto the wood.
    Canvas sh(39, 39);
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 39; ++x)
            if (a.opaque(x - 1, y - 1) && m.opaque(x, y)) sh.px(x, y, pal(Ink, 120));
    m.blit(sh, 0, 0);
    m.blit(a, 0, 0);
    m.outline(pal(Ink));
    if (lit) glow(m, GoldLight, 2, 190);
    if (!left) return m;
    Canvas flipped(39, 39);
    flipped.blit(m, 0, 0, true);
    return flipped;
}

void genTeamSelectButtons() {
    const std::string dir = "Sprites/InterMenu/";
    stackRows(arrowButton(true, false), arrowButton(true, true)).save(out(dir + "Arrow_left.png"));
    stackRows(arrowButton(false, false), arrowButton(false, true)).save(out(dir + "Arrow_right.png"));

    // Select and Start: drawn at scale 2, authored at half size (rows of 146 x 40 and 123 x 40).
    ButtonLook sel;
    sel.boardW = 67;
    sel.boardH = 14;
    sel.textScale = 1;
    sel.frame = 2;
    stackRows(upscale(buttonArt("SELECT", sel, false, 41), 2), upscale(buttonArt("SELECT", sel, true, 41), 2))
        .save(out(dir + "Select.png"));
    ButtonLook start = sel;
    start.boardW = 55;
    start.icon = 1;
    const Canvas s0 = padTo(upscale(buttonArt("START", start, false, 42), 2), 123, 40, 0, 0);
    const Canvas s1 = padTo(upscale(buttonArt("START", start, true, 42), 2), 123, 40, 0, 0);
    stackRows(s0, s1).save(out(dir + "Start.png"));

    // Shop buttons: Hire and Next at scale 4 (80 x 37 and 90 x 38 per row), Return at scale 1
    // (182 x 44 per row, authored at half size).
    ButtonLook hire;
    hire.boardW = 74;
    hire.boardH = 31;
    hire.frame = 4;
    stackRows(buttonArt("HIRE", hire, false, 43), buttonArt("HIRE", hire, true, 43)).save(out(dir + "hire.png"));
    ButtonLook next;
    next.boardW = 84;
    next.boardH = 32;
    next.frame = 4;
    next.icon = 1;
    stackRows(buttonArt("NEXT", next, false, 44), buttonArt("NEXT", next, true, 44)).save(out(dir + "Next.png"));
    ButtonLook ret;
    ret.boardW = 85;
    ret.boardH = 16;
    ret.frame = 1;
    stackRows(upscale(buttonArt("RETURN", ret, false, 45), 2), upscale(buttonArt("RETURN", ret, true, 45), 2))
        .save(out(dir + "return.png"));

    teamTable().save(out("Sprites/MenuPrincipal/table.png"));
    teamNotePad().save(out("Sprites/MenuPrincipal/bloc-note.png"));
    selectTeamTitle().save(out("Sprites/MenuPrincipal/Select_your_team.png"));
    shopTable().save(out(dir + "table.png"));
    shopNotePad().save(out(dir + "bloc-note.png"));
}

// ---------------------------------------------------------------- main and pause menus

void genMainMenu() {
    const std::string dir = "Sprites/MenuPrincipal/";
    mainMenuBackground().save(out(dir + "Background.png"));
    ostrevaldTitle().save(out(dir + "Ostrevald.png"));
    ButtonLook look;
    look.boardW = 112;
    look.boardH = 26;
    look.frame = 4;
    look.ring = true;
    saveButtonPair(dir, "ButtonPlay", "PLAY", look, 1, kButtonPx);
    saveButtonPair(dir, "ButtonSettings", "SETTINGS", look, 2, kButtonPx);
    saveButtonPair(dir, "ButtonCredits", "CREDITS", look, 3, kButtonPx);
    saveButtonPair(dir, "ButtonExit", "EXIT", look, 4, kButtonPx);
    saveButtonPair(dir, "ButtonContinue", "CONTINUE", look, 8, kButtonPx);
    chainArt().save(out(dir + "Chaine.png"));
}

void genPauseMenu() {
    const std::string dir = "Sprites/MenuPause/";
    pauseTitle().save(out(dir + "PauseMenu.png"));
    ButtonLook look;
    look.boardW = 164;
    look.boardH = 26;
    look.frame = 4;
    look.ring = true;
    saveButtonPair(dir, "ButtonResume", "RESUME", look, 5, kButtonPx);
    saveButtonPair(dir, "ButtonSettings", "SETTINGS", look, 6, kButtonPx);
    saveButtonPair(dir, "ExitToMenu", "EXIT TO MENU", look, 7, kButtonPx);
    chainArt().save(out(dir + "Chaine.png"));
}

void genEndScreens() {
    winSheet().save(out("Sprites/WinScreen/Win.png"));
    winVeil().save(out("Sprites/WinScreen/Black.png"));
    defeatPicture().save(out("Sprites/LooseScreen/Defeat.png"));
}

} // namespace

void genMenus() {
    genMainMenu();
    genPauseMenu();
    genSettingsMenu();
    genTeamSelectButtons();
    genEndScreens();
}
