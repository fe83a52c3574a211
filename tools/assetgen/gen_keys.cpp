// Pictures of the keyboard play: the key caps shown beside cards and buttons, the undo
// button of the map HUD and the square that marks where an enemy can walk next turn.
#include "art.hpp"
#include "generators.hpp"

#include <algorithm>
#include <string>

using namespace art;

namespace {

// True inside a w x h rectangle whose corners are cut by `r` pixels (a chamfered plate).
bool insideCut(int x, int y, int w, int h, int r) {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const int cx = std::min(x, w - 1 - x), cy = std::min(y, h - 1 - y);
    return cx + cy >= r;
}

// One key cap, w x 13: an Ink rim, a Cloud face lit on its top-left, a Silver lip under
// it (the key's height) and the label in the 5x7 font, Night on the face.
Canvas keyCap(int w, const std::string& label) {
    constexpr int h = 13;
    Canvas c{unsigned(w), unsigned(h)};
    c.fillIf([&](int x, int y) { return insideCut(x, y, w, h, 2); }, pal(Ink));
    // Lip: the two rows above the bottom rim.
    c.fillIf([&](int x, int y) { return insideCut(x - 1, y - 1, w - 2, h - 2, 1); }, pal(Steel));
    // Face: everything above the lip.
    c.fillIf([&](int x, int y) { return insideCut(x - 1, y - 1, w - 2, h - 4, 1); }, pal(Cloud));
    for (int x = 2; x < w - 2; ++x) c.px(x, 1, pal(White)); // top-left light
    for (int y = 2; y < h - 4; ++y) c.px(1, y, pal(White));
    for (int y = 2; y < h - 4; ++y) c.px(w - 2, y, pal(Silver)); // right side in shade
    const int tw = Canvas::textWidth(label);
    c.text((w - tw) / 2, 2, label, pal(Night));
    return c;
}

// The caps sheet: the narrow caps in one row of 13 x 13 frames, the wide ones below in
// 35 x 13 frames (the order the game's KeyCap names them).
void drawKeyCaps() {
    const char* narrow[] = {"1", "2", "3", "4", "5", "D", "E", "U"};
    const char* wide[] = {"TAB", "ENTER"};
    Canvas sheet(104, 26);
    for (int i = 0; i < 8; ++i) sheet.blit(keyCap(13, narrow[i]), i * 13, 0);
    for (int i = 0; i < 2; ++i) sheet.blit(keyCap(35, wide[i]), i * 35, 13);
    sheet.save(out("Sprites/HUD/KeyHints.png"));
}

// The undo button, 17 x 17 per row: at rest, under the mouse, and spent (nothing to take
// back). A square plate built like the end-turn button beside it, with a hooked arrow
// turning back to the left.
void drawUndoButton() {
    Canvas sheet(17, 51);
    for (int row = 0; row < 3; ++row) {
        const bool pressed = row == 1, spent = row == 2;
        Canvas b(17, 17);
        const int top = pressed ? 1 : 0;
        const int lipH = pressed ? 1 : 2;
        const int plateH = 17 - top - lipH;
        const int face = spent ? Night : pressed ? Teal : Slate;
        const int faceHi = spent ? Slate : pressed ? TealLight : Steel;
        b.fillIf([&](int x, int y) { return insideCut(x, y - top, 17, plateH + lipH, 3); }, pal(Ink));
        b.fillIf([&](int x, int y) { return insideCut(x - 1, y - top, 15, plateH + lipH - 1, 2); }, pal(Night));
        b.fillIf([&](int x, int y) { return insideCut(x - 1, y - top - 1, 15, plateH - 1, 2); }, pal(face));
        for (int y = top + 1; y < top + 4; ++y)
            for (int x = 1; x < 16; ++x)
                if (insideCut(x - 1, y - top - 1, 15, plateH - 1, 2) && bayer(x, y) < 0.6f - float(y - top - 1) * 0.2f)
                    b.px(x, y, pal(faceHi));
        // Gold pin-stripe inside the face, lit on its top-left.
        const int stripe = spent ? Steel : Gold, stripeHi = spent ? Silver : GoldLight;
        for (int x = 3; x < 14; ++x) {
            b.px(x, top + 2, pal(stripeHi));
            b.px(x, top + plateH - 2, pal(stripe));
        }
        for (int y = top + 3; y < top + plateH - 2; ++y) {
            b.px(2, y, pal(stripeHi));
            b.px(14, y, pal(stripe));
        }
        // The arrow: a hook over the top from the right, its head pointing left.
        Canvas arrow(17, 17);
        const int ink = spent ? Steel : pressed ? GoldLight : White;
        const int y0 = top + 5;
        for (int x = 7; x <= 10; ++x) arrow.px(x, y0, pal(ink)); // the top of the hook
        arrow.px(11, y0 + 1, pal(ink));
        arrow.px(12, y0 + 2, pal(ink));
        arrow.px(12, y0 + 3, pal(ink));
        arrow.px(11, y0 + 4, pal(ink));
        for (int x = 7; x <= 10; ++x) arrow.px(x, y0 + 5, pal(ink)); // back along the bottom
        // Head at the top-left end of the hook.
        arrow.px(6, y0, pal(ink));
        arrow.px(5, y0, pal(ink));
        arrow.px(6, y0 - 1, pal(ink));
        arrow.px(6, y0 + 1, pal(ink));
        arrow.px(7, y0 - 2 >= top + 3 ? y0 - 2 : y0 - 1, pal(ink));
        arrow.px(7, y0 + 2, pal(ink));
        // Its shadow down-right, in the face's darker colour.
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 17; ++x)
                if (arrow.opaque(x - 1, y - 1) && !arrow.opaque(x, y)) b.px(x, y, pal(Ink, 160));
        b.blit(arrow, 0, 0);
        sheet.blit(b, 0, row * 17);
    }
    sheet.save(out("Sprites/HUD/UndoButton.png"));
}

// Where an enemy can walk next turn: a Plum stipple of dots and a dashed rim with no
// corner brackets, so it reads apart from the heroes' range (a smooth blue tint with
// brackets) and the attack square (a red diagonal hatch) without relying on colour.
void drawReachSquare() {
    Canvas c(64, 64);
    for (int y = 2; y < 62; ++y)
        for (int x = 2; x < 62; ++x) c.px(x, y, pal(Plum, std::uint8_t(bayer(x, y) < 0.5f ? 84 : 64)));
    // Dots on a staggered lattice, each 3 x 3: lit on its top-left, shaded on its bottom-right.
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 6; ++col) {
            const int x = 8 + col * 9 + (row % 2 ? 4 : 0) - (row % 2 ? 2 : 0);
            const int y = 8 + row * 9;
            if (x > 54) continue;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx) {
                    const int colour = dx + dy == 0 ? White : dx + dy >= 3 ? Plum : PlumLight;
                    c.px(x + dx, y + dy, pal(colour, 235));
                }
        }
    // Dashed rim, 7 on and 4 off, three pixels thick: Ink outside, PlumLight, Plum inside.
    for (int i = 2; i < 62; ++i) {
        if ((i - 2) % 11 >= 7) continue;
        for (int t = 0; t < 3; ++t) {
            const sf::Color colour = t == 0 ? pal(Ink, 200) : t == 1 ? pal(PlumLight, 240) : pal(Plum, 240);
            c.px(i, 2 + t, colour);
            c.px(i, 61 - t, colour);
            c.px(2 + t, i, colour);
            c.px(61 - t, i, colour);
        }
    }
    c.save(out("Sprites/WorldPlayerSprite/SquareReach.png"));
}

} // namespace

void genKeyPictures() {
    drawKeyCaps();
    drawUndoButton();
    drawReachSquare();
}
