// The recruit-shop scene: a rug and heaps of coins on the counter, and the ledger strip with
// the recruiter's sign and the note pad with the price list laid over it.
#include "menus_scenes.hpp"

#include "menus_scene_parts.hpp"

#include <algorithm>
#include <cstdlib>

using namespace art;

namespace menus {

Canvas shopTable() {
    Canvas c(480, 270);
    tabletop(c, 401);
    // A patterned rug under the recruit on show, fringed at both ends.
    Canvas cloth(480, 270);
    const int rx0 = 60, rx1 = 171, ry0 = 122, ry1 = 258;
    for (int y = ry0 - 4; y <= ry1 + 4; ++y)
        for (int x = rx0; x <= rx1; ++x) {
            if (y < ry0 || y > ry1) {
                // Fringe strands.
                if ((x - rx0) % 3 != 2 && x > rx0 + 1 && x < rx1 - 1) cloth.px(x, y, pal((x % 2) ? SandLight : Sand));
                continue;
            }
            const int e = std::min({x - rx0, rx1 - x, y - ry0, ry1 - y});
            int col = Blood;
            // Diamond lattice in the field.
            const int u = (x - 115 + 600) % 14, v = (y - 190 + 600) % 14;
            if (u == v || u == 14 - v - 1 + 1 - 1) col = BloodDeep;
            if (e < 8) {
                // Border band with a running diamond pattern in gold.
                col = BloodDeep;
                const int p = ((e < 8 && (x - rx0 < 8 || rx1 - x < 8)) ? y : x) % 8;
                const int q = std::abs(e - 4);
                if (q + std::abs(p - 4) <= 2) col = Gold;
                if (q + std::abs(p - 4) == 0) col = GoldLight;
            }
            if (e == 0) col = Ember;
            if (e == 8) col = Gold;
            cloth.px(x, y, pal(col));
        }
    cloth.outline(pal(Ink));
    c.blit(withDropShadow(cloth, 2, 3, 100), 0, 0);
    vignette(c, 0, 170, 0.5f);
    figureBase(c, 114, 180, 22, 6);
    // Coins everywhere: the counter of a recruiter.
    coinStack(c, 236, 236, 6);
    coinStack(c, 252, 246, 3);
    coinStack(c, 360, 250, 5);
    looseCoin(c, 222, 252);
    looseCoin(c, 268, 232);
    looseCoin(c, 378, 258);
    looseCoin(c, 30, 250);
    coinPurse(c, 404, 232);
    candle(c, 452, 214);
    return c;
}

namespace {

// The recruiter's sign, hung from the ledger strip on two cords: a dark board with gold
// letters, under the strip the hire page writes on.
void shopSign(Canvas& c) {
    const int x0 = 40, x1 = 236, y0 = 36, y1 = 56;
    Canvas board(480, 270);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int col = Earth;
            if (y == y0 + 1) col = EarthLight;
            if (y >= y1 - 1) col = EarthDeep;
            // Grain: long streaks of the next darker wood.
            if (col == Earth && hashNoise(x / 9, y, 511) > 0.78f) col = EarthDeep;
            board.px(x, y, pal(col));
        }
    board.outline(pal(Ink));
    c.blit(withDropShadow(board, 2, 2, 110), 0, 0);
    // Cords up to the strip, and the nail heads on the board.
    // The cords are light hemp with a shaded side, so they read against the dark counter.
    for (int x : {60, 216}) {
        for (int y = 30; y < y0 + 3; ++y) {
            c.px(x, y, pal(y < y0 ? SandLight : Sand));
            c.px(x + 1, y, pal(y < y0 ? Sand : EarthLight));
        }
        c.px(x, y0 + 3, pal(Silver));
        c.px(x + 1, y0 + 3, pal(Steel));
    }
    shadowTextCentred(c, (x0 + x1) / 2, y0 + 4, "HEROES FOR HIRE", pal(GoldLight), 2);
}

// The price list written down the right of the pad, clear of the stat sheet the hire page
// writes on the left: a red heading, then one entry a rule, each resting on its rule.
void recruitNotice(Canvas& c) {
    const int x = 364;
    const char* lines[] = {"RECRUITS", "LIGHT", "HEAVY", "SHIELD", "", "200 GOLD", "EACH", "", "4 HEROES", "A PARTY"};
    for (int i = 0; i < int(sizeof lines / sizeof lines[0]); ++i) {
        const int rule = int(18.75f + float(i) * 10.f) + 1;
        c.text(x, rule - 8, lines[i], pal(i == 0 ? Blood : Ink));
    }
    // The heading underlined in the same red ink.
    c.rect(x, 20, Canvas::textWidth("RECRUITS"), 1, pal(Blood));
}

} // namespace

Canvas shopNotePad() {
    Canvas c(480, 270);
    // Ledger strip for the party size and the gold, nailed to the counter.
    Canvas strip(480, 270);
    for (int y = 6; y <= 30; ++y)
        for (int x = 24; x <= 252; ++x) {
            const float ragged = hashNoise(x, y, 501) * 1.5f;
            if ((x < 26 || x > 250) && ragged > 0.8f) continue;
            int col = SandLight;
            if (y == 6 || y == 30) col = Sand;
            if (chance(x, y, 502, 0.03f)) col = Sand;
            if (y == 23 && x > 30 && x < 246 && x != 138) col = Sand;
            strip.px(x, y, pal(col));
        }
    // Divider between the two entries.
    for (int y = 9; y < 28; ++y)
        if (y % 3) strip.px(138, y, pal(EarthLight));
    strip.outline(pal(EarthDeep));
    c.blit(withDropShadow(strip, 3, 3, 110), 0, 0);
    for (int x : {28, 248}) {
        c.px(x, 9, pal(Silver));
        c.px(x + 1, 9, pal(Steel));
        c.px(x, 10, pal(Steel));
        c.px(x + 1, 10, pal(Slate));
    }
    shopSign(c);
    notePad(c, 268, 0, 468, 124, 18.75f, 10.f);
    recruitNotice(c);
    return c;
}

} // namespace menus
