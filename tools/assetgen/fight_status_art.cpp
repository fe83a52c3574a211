// Status marks of the battle: the badges by the fighters' life bars (attack boost, defense
// boost, the blow announced; the armor is written on the bar frame's own shield plate) and the plates of a battle's end (victory, defeat).
#include "fight_ui.hpp"

#include "menus_kit.hpp"

#include <cmath>
#include <cstdlib>

using namespace art;

namespace fight {

namespace {

constexpr int kBadge = 16;

// A heater shield filling most of the badge: `face` with its light on the top-left edge.
void smallShield(Canvas& c, int face, int light, int shade) {
    for (int y = 2; y < 15; ++y) {
        const int half = y < 9 ? 6 : 6 - (y - 8);
        for (int x = -half; x < half; ++x) c.px(8 + x, y, pal(face));
    }
    c.rimLight(pal(light), pal(shade));
}

void upArrow(Canvas& c, int cx, int top, int col) {
    for (int y = 0; y < 3; ++y)
        for (int x = -y; x <= y; ++x) c.px(cx + x, top + y, pal(col));
    c.rect(cx, top + 3, 1, 3, pal(col));
}

Canvas attackBadge() {
    Canvas c(kBadge, kBadge);
    // a blade raised point up, gold guard, leather grip
    for (int y = 1; y < 10; ++y) {
        c.px(6, y, pal(Cloud));
        c.px(7, y, pal(y == 1 ? Cloud : Silver));
    }
    c.rect(3, 10, 8, 1, pal(Gold));
    c.px(3, 10, pal(GoldLight));
    c.rect(6, 11, 2, 3, pal(Earth));
    c.rect(6, 14, 2, 1, pal(Gold));
    upArrow(c, 12, 2, Ember);
    return c;
}

Canvas defenseBadge() {
    Canvas c(kBadge, kBadge);
    smallShield(c, Teal, TealLight, WaterDeep);
    upArrow(c, 8, 4, Foam);
    return c;
}

Canvas incomingBadge() {
    Canvas c(kBadge, kBadge);
    for (int y = 0; y < kBadge; ++y)
        for (int x = 0; x < kBadge; ++x) {
            const float dx = float(x) - 7.5f, dy = float(y) - 7.5f;
            if (dx * dx + dy * dy <= 42.f) c.px(x, y, pal(Blood));
        }
    c.rimLight(pal(Ember), pal(BloodDeep));
    for (int i = 0; i < 8; ++i) {
        c.px(4 + i, 4 + i, pal(Cloud));
        c.px(11 - i, 4 + i, pal(Cloud));
    }
    return c;
}

// One end plate, 120 x 44: a plank framed in `trim` with its word; a victory keeps a dark
// strip under the word for the gold the game writes there.
Canvas endPlate(bool victory) {
    const int w = 120, h = 44;
    Canvas c(w, h);
    const int board = victory ? Earth : Slate, light = victory ? EarthLight : Steel, deep = victory ? EarthDeep : Night;
    const int trim = victory ? Gold : Blood, trimLight = victory ? GoldLight : Ember;
    for (int y = 2; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x) {
            int col = board;
            if (y % 10 == 1) col = deep; // the seams between planks
            else if (hashNoise(x / 5, y, victory ? 21 : 22) < 0.12f) col = deep;
            else if (hashNoise(x / 7, y, victory ? 23 : 24) > 0.9f) col = light;
            c.px(x, y, pal(col));
        }
    c.frame(2, 2, w - 4, h - 4, pal(trim));
    c.frame(3, 3, w - 6, h - 6, pal(deep));
    for (int x = 3; x < w - 3; ++x) c.px(x, 2, pal(trimLight));
    for (int y = 3; y < h - 3; ++y) c.px(2, y, pal(trimLight));
    for (int k = 0; k < 4; ++k) {
        const int x = k % 2 ? w - 7 : 6, y = k / 2 ? h - 7 : 6;
        c.disc(x, y, 1, pal(trim));
        c.px(x - 1, y - 1, pal(trimLight));
    }
    if (victory) {
        c.rect(16, 25, w - 32, 15, pal(Night));
        c.frame(15, 24, w - 30, 17, pal(Ink));
        for (int x = 16; x < w - 16; ++x) c.px(x, 39, pal(deep));
        menus::shadowTextCentred(c, w / 2, 6, "VICTORY", pal(GoldLight), 2);
    } else {
        menus::shadowTextCentred(c, w / 2, 15, "DEFEAT", pal(White), 2);
    }
    c.outline(pal(Ink));
    return c;
}

} // namespace

void drawStatusBadges() {
    Canvas strip(kBadge * 3, kBadge);
    const Canvas badges[3] = {attackBadge(), defenseBadge(), incomingBadge()};
    for (int k = 0; k < 3; ++k) {
        Canvas one = badges[k];
        one.outline(pal(Ink));
        strip.blit(one, k * kBadge, 0);
    }
    strip.save(out("Sprites/Fight/StatusBadges.png"));
}

void drawFightEndPlates() {
    Canvas sheet(120, 88);
    sheet.blit(endPlate(true), 0, 0);
    sheet.blit(endPlate(false), 0, 44);
    sheet.save(out("Sprites/Fight/FightEnd.png"));
}

} // namespace fight
