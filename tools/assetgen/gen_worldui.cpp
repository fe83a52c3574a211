// World-map interface pictures: path arrow pieces, range squares, move-point digits,
// the HUD (top bar, portrait frames, gold bag, character sheet, end-turn button) and the
// two turn banners shared with the fight scene.
#include "art.hpp"
#include "generators.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

using namespace art;

namespace {

// ---------------------------------------------------------------------------------------
// Small helpers
// ---------------------------------------------------------------------------------------

// Nearest-neighbour enlargement: pictures drawn at scale 1 by the game are authored at a
// coarser pixel so that their pixels match the x2 / x4 art around them.
Canvas upscale(const Canvas& src, int k) {
    Canvas dst(src.width() * unsigned(k), src.height() * unsigned(k));
    for (int y = 0; y < int(src.height()); ++y)
        for (int x = 0; x < int(src.width()); ++x) {
            const sf::Color c = src.get(x, y);
            if (c.a) dst.rect(x * k, y * k, k, k, c);
        }
    return dst;
}

// Shadow of every opaque pixel, shifted down-right, under the picture (away from the light).
void dropShadow(Canvas& c, int dx, int dy, std::uint8_t alpha) {
    Canvas shadow(c.width(), c.height());
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x)
            if (c.opaque(x - dx, y - dy)) shadow.px(x, y, pal(Ink, alpha));
    shadow.blit(c, 0, 0);
    c = shadow;
}

// Label in the pixel font with an Ink drop shadow one font pixel down-right.
void shadowText(Canvas& c, int x, int y, const std::string& s, int colour, int scale) {
    c.text(x + scale, y + scale, s, pal(Ink), scale);
    c.text(x, y, s, pal(colour), scale);
}

// True inside a w x h rectangle whose corners are cut by `r` pixels (a chamfered plate).
bool inPlate(int x, int y, int w, int h, int r) {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const int cx = std::min(x, w - 1 - x), cy = std::min(y, h - 1 - y);
    return cx + cy >= r;
}

// Rivet: a 2x2 metal head lit from the top-left.
void rivet(Canvas& c, int x, int y) {
    c.px(x, y, pal(Cloud));
    c.px(x + 1, y, pal(Silver));
    c.px(x, y + 1, pal(Silver));
    c.px(x + 1, y + 1, pal(Slate));
    c.px(x + 2, y + 2, pal(Ink, 120));
}

// Planked wood: boards `boardH` rows tall from row y0, each with a lit top row, a dark
// bottom row, staggered butt joints with a nail beside them and sparse grain streaks.
sf::Color plankAt(int x, int y, int y0, int boardH, int seed, int dark, int mid, int light) {
    const int board = (y - y0) / boardH, r = (y - y0) % boardH;
    const int len = 64 + int(hashNoise(board, 0, seed) * 48.f);
    const int off = int(hashNoise(board, 1, seed) * float(len));
    const int bx = (x + off) % len;
    if (r == boardH - 1 || bx == 0) return pal(dark);
    if (bx == 3 && r == boardH / 2) return pal(Silver);       // nail head
    if (bx == 4 && r == boardH / 2 + 1) return pal(dark);     // its shadow
    if (r == 0 || bx == 1) return pal(light);
    const int seg = (x + off * 3 + r * 17) / 11;
    const float h = hashNoise(seg, board * 16 + r, seed + 5);
    if (h < 0.16f) return pal(dark);
    if (h > 0.93f) return pal(light);
    return pal(mid);
}

// ---------------------------------------------------------------------------------------
// Path arrow pieces
// ---------------------------------------------------------------------------------------
//
// Each piece is rendered from a signed distance to the arrow's centre line, so every
// piece crosses a cell side with the same 10-pixel band (columns / rows 27 to 36) and
// the same one-pixel Ink outline (26 and 37): any chain of pieces reads as one arrow.
// A turn is a quarter circle of radius 32 about the cell corner between its two sides,
// which meets the side at a right angle exactly where a straight piece does.

enum Side { SideTop, SideRight, SideDown, SideLeft, SideNone };

struct Vec {
    float x, y;
};

Vec sideDir(Side s) {
    switch (s) {
    case SideTop: return {0, -1};
    case SideRight: return {1, 0};
    case SideDown: return {0, 1};
    case SideLeft: return {-1, 0};
    default: return {0, 0};
    }
}

enum class PieceKind { Start, Way, End };

struct ArrowPiece {
    const char* name;
    PieceKind kind;
    Side a, b;
};

// Distance-field sample: signed distance to the shape edge (negative inside), the lighting
// term in [-1, 1] (top-left positive) and whether it belongs to the arrow head.
struct Sample {
    float sd = 1e9f;
    float light = 0;
    bool head = false;
    bool tail = false;
    float tailDist = 0;
};

constexpr float kCentre = 32.f;
constexpr float kHalf = 5.f;    // half-width of the shaft band
constexpr float kTail = 8.f;    // radius of the tail knob of a Start piece
const Vec kToLight = {-0.70710678f, -0.70710678f};

float dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

void keep(Sample& best, const Sample& s) {
    if (s.sd < best.sd) best = s;
}

// Shaft from the centre towards side s (and past it), round cap at the centre.
Sample legSample(Vec p, Side s) {
    const Vec d = sideDir(s);
    const Vec rel = {p.x - kCentre, p.y - kCentre};
    const float t = std::clamp(dot(rel, d), 0.f, 48.f);
    const Vec q = {kCentre + d.x * t, kCentre + d.y * t};
    const Vec off = {p.x - q.x, p.y - q.y};
    const float dist = std::sqrt(dot(off, off));
    Sample out;
    out.sd = dist - kHalf;
    if (dist > 1e-4f) out.light = (dist / kHalf) * dot({off.x / dist, off.y / dist}, kToLight);
    return out;
}

// Quarter circle joining sides a and b, centred on their shared cell corner.
Sample arcSample(Vec p, Side a, Side b) {
    const Vec da = sideDir(a), db = sideDir(b);
    const Vec k = {kCentre + 32.f * (da.x + db.x), kCentre + 32.f * (da.y + db.y)};
    const Vec rel = {p.x - k.x, p.y - k.y};
    const float r = std::sqrt(dot(rel, rel));
    Sample out;
    const float dist = std::fabs(r - 32.f);
    out.sd = dist - kHalf;
    if (r > 1e-4f) {
        const float sign = r > 32.f ? 1.f : -1.f;
        out.light = (dist / kHalf) * sign * dot({rel.x / r, rel.y / r}, kToLight);
    }
    return out;
}

// Arrow head pointing along u (into the cell): a barbed triangle.
Sample headSample(Vec p, Vec u) {
    const Vec perp = {-u.y, u.x};
    auto at = [&](float along, float side) {
        return Vec{kCentre + u.x * along + perp.x * side, kCentre + u.y * along + perp.y * side};
    };
    const std::array<Vec, 4> poly = {at(22.f, 0.f), at(-6.f, 17.f), at(-1.f, 0.f), at(-6.f, -17.f)};
    // Point in polygon (even-odd) and distance to the nearest edge.
    bool inside = false;
    float best = 1e9f;
    Vec bestOff = {0, 0};
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Vec a = poly[j], b = poly[i];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        const Vec ab = {b.x - a.x, b.y - a.y};
        const float t = std::clamp(dot({p.x - a.x, p.y - a.y}, ab) / dot(ab, ab), 0.f, 1.f);
        const Vec off = {p.x - (a.x + ab.x * t), p.y - (a.y + ab.y * t)};
        const float d = std::sqrt(dot(off, off));
        if (d < best) {
            best = d;
            bestOff = off;
        }
    }
    Sample out;
    out.head = true;
    out.sd = inside ? -best : best;
    if (inside && best < 2.2f && best > 1e-4f) {
        // Bevelled rim: the edge facing the light is bright, the far edge dark.
        const Vec n = {-bestOff.x / best, -bestOff.y / best};
        out.light = dot(n, kToLight);
    } else {
        // Two faces either side of the spine.
        const float side = dot({p.x - kCentre, p.y - kCentre}, perp);
        const Vec n = side >= 0 ? perp : Vec{-perp.x, -perp.y};
        out.light = std::fabs(side) < 0.75f ? 0.45f : 0.5f * dot(n, kToLight);
    }
    return out;
}

bool hasSide(const ArrowPiece& piece, Side s) { return piece.a == s || piece.b == s; }

// The piece's shape at pixel centre p. Outside the cell only the straight continuation of
// the shaft through an open side exists (used by the drop shadow near the top/left edges).
Sample sampleArrow(const ArrowPiece& piece, Vec p) {
    Sample best;
    if (p.x < 0 || p.y < 0 || p.x > 64 || p.y > 64) {
        if (p.y < 0 && hasSide(piece, SideTop)) keep(best, legSample(p, SideTop));
        if (p.x < 0 && hasSide(piece, SideLeft)) keep(best, legSample(p, SideLeft));
        return best;
    }
    switch (piece.kind) {
    case PieceKind::Start: {
        keep(best, legSample(p, piece.a));
        const Vec rel = {p.x - kCentre, p.y - kCentre};
        const float r = std::sqrt(dot(rel, rel));
        Sample knob;
        knob.sd = r - kTail;
        knob.tail = true;
        knob.tailDist = r;
        if (r > 1e-4f) knob.light = (r / kTail) * dot({rel.x / r, rel.y / r}, kToLight);
        keep(best, knob);
        break;
    }
    case PieceKind::Way: {
        const Vec da = sideDir(piece.a), db = sideDir(piece.b);
        if (da.x + db.x == 0 && da.y + db.y == 0) {
            keep(best, legSample(p, piece.a));
            keep(best, legSample(p, piece.b));
        } else {
            keep(best, arcSample(p, piece.a, piece.b));
        }
        break;
    }
    case PieceKind::End: {
        keep(best, legSample(p, piece.a));
        const Vec d = sideDir(piece.a);
        keep(best, headSample(p, {-d.x, -d.y}));
        break;
    }
    }
    return best;
}

sf::Color shaftColour(const Sample& s) {
    if (s.tail && s.tailDist < 3.5f) return pal(Ember);             // hollow of the tail ring
    if (s.tail && s.tailDist < 4.5f) return pal(s.light > 0 ? Gold : Ember);
    if (s.light > 0.42f) return pal(White);
    if (s.light > -0.28f) return pal(GoldLight);
    if (s.light > -0.56f) return pal(Gold);
    return pal(Ember);
}

void drawArrowPiece(const ArrowPiece& piece) {
    Canvas c(64, 64);
    auto sampleAt = [&](int x, int y) { return sampleArrow(piece, {float(x) + 0.5f, float(y) + 0.5f}); };
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Sample s = sampleAt(x, y);
            if (s.sd < 0) c.px(x, y, shaftColour(s));
            else if (s.sd < 1) c.px(x, y, pal(Ink));
            else if (sampleAt(x - 2, y - 2).sd < 1) c.px(x, y, pal(Ink, 90)); // shadow down-right
        }
    c.save(out(std::string("Sprites/WorldPlayerSprite/Move_arrow/") + piece.name + ".png"));
}

void drawArrows() {
    const ArrowPiece pieces[] = {
        {"StartTop", PieceKind::Start, SideTop, SideNone},
        {"StartRight", PieceKind::Start, SideRight, SideNone},
        {"StartDown", PieceKind::Start, SideDown, SideNone},
        {"StartLeft", PieceKind::Start, SideLeft, SideNone},
        {"WayTopDown", PieceKind::Way, SideTop, SideDown},
        {"WayLeftRight", PieceKind::Way, SideLeft, SideRight},
        {"WayTopRight", PieceKind::Way, SideTop, SideRight},
        {"WayDownRight", PieceKind::Way, SideDown, SideRight},
        {"WayLeftDown", PieceKind::Way, SideLeft, SideDown},
        {"WayLeftTop", PieceKind::Way, SideLeft, SideTop},
        // An End piece is named after the side it enters through; the head points away from it.
        {"EndDown", PieceKind::End, SideDown, SideNone},
        {"EndLeft", PieceKind::End, SideLeft, SideNone},
        {"EndTop", PieceKind::End, SideTop, SideNone},
        {"EndRight", PieceKind::End, SideRight, SideNone},
    };
    for (const ArrowPiece& p : pieces) drawArrowPiece(p);
}

// ---------------------------------------------------------------------------------------
// Range squares
// ---------------------------------------------------------------------------------------

struct SquareStyle {
    int fill, fillAlpha;
    int rim, rimLight;   // border ramp
    int mark, markLight; // corner brackets
};

// Translucent cell tint with a soft border and bold corner brackets; every cell of a range
// keeps a 2-pixel gap to its neighbour so the grid reads even over plain grass.
Canvas rangeSquare(const SquareStyle& st) {
    Canvas c(64, 64);
    for (int y = 1; y < 63; ++y)
        for (int x = 1; x < 63; ++x) {
            if (!inPlate(x - 1, y - 1, 62, 62, 2)) continue;
            const int ring = std::min(std::min(x - 1, y - 1), std::min(62 - x, 62 - y));
            if (ring == 0) c.px(x, y, pal(Ink, 150));
            else if (ring == 1) c.px(x, y, pal((x + y) < 64 ? st.rimLight : st.rim, 225));
            else if (ring == 2) c.px(x, y, pal(st.rim, 150));
            else if (ring == 3) c.px(x, y, pal(st.fill, std::uint8_t(st.fillAlpha + 40)));
            else c.px(x, y, pal(st.fill, std::uint8_t(st.fillAlpha + (bayer(x, y) < 0.25f ? 18 : 0))));
        }
    // Corner brackets: an L of 2-pixel arms, 11 long, outlined in Ink.
    Canvas marks(64, 64);
    for (int corner = 0; corner < 4; ++corner) {
        const bool right = corner & 1, bottom = corner & 2;
        for (int i = 0; i < 11; ++i)
            for (int t = 0; t < 2; ++t) {
                const int ax = 3 + i, ay = 3 + t; // horizontal arm
                const int bx = 3 + t, by = 3 + i; // vertical arm
                for (auto [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
                    const int fx = right ? 63 - px : px, fy = bottom ? 63 - py : py;
                    const bool lit = (!bottom && t == 0 && py == ay) || (!right && t == 0 && px == bx);
                    marks.px(fx, fy, pal(lit ? st.markLight : st.mark));
                }
            }
    }
    marks.outline(pal(Ink));
    c.blit(marks, 0, 0);
    return c;
}

void drawRangeSquares() {
    const SquareStyle freeStyle{Foam, 58, WaterLight, White, Cloud, White};
    rangeSquare(freeStyle).save(out("Sprites/WorldPlayerSprite/SquareFree.png"));

    const SquareStyle enemyStyle{Blood, 46, Blood, Ember, Blood, Ember};
    Canvas c = rangeSquare(enemyStyle);
    // Diagonal hazard hatch: reads as red over any ground while the enemy shows through.
    for (int y = 5; y < 59; ++y)
        for (int x = 5; x < 59; ++x)
            if ((x + y) % 8 == 0) c.blend(x, y, pal(Blood, 130));
            else if ((x + y) % 8 == 1) c.blend(x, y, pal(Ember, 90));
    // Target ticks at the middle of each side, pointing in.
    Canvas mark(64, 64);
    for (int i = 0; i < 7; ++i)
        for (int t = 0; t < 2; ++t) {
            mark.px(31 + t, 4 + i, pal(t ? Blood : Ember));
            mark.px(31 + t, 59 - i, pal(t ? Blood : Ember));
            mark.px(4 + i, 31 + t, pal(t ? Blood : Ember));
            mark.px(59 - i, 31 + t, pal(t ? Blood : Ember));
        }
    // Crossed swords badge in the top-right corner: the attack sign.
    Canvas swords(15, 15);
    for (int i = 0; i < 10; ++i) {
        swords.px(2 + i, 2 + i, pal(Cloud));      // blade falling to the right
        swords.px(3 + i, 2 + i, pal(Silver));
        swords.px(12 - i, 2 + i, pal(Cloud));     // blade falling to the left
        swords.px(11 - i, 2 + i, pal(Silver));
    }
    for (int i = 0; i < 4; ++i) { // cross-guards and grips
        swords.px(9 + i, 12 - i, pal(Gold));
        swords.px(2 + i, 9 + i, pal(Gold));
    }
    swords.px(12, 12, pal(EarthLight));
    swords.px(13, 13, pal(Gold));
    swords.px(2, 12, pal(EarthLight));
    swords.px(1, 13, pal(Gold));
    swords.outline(pal(Ink));
    mark.outline(pal(Ink));
    Canvas badge(19, 19);
    badge.fillIf([](int x, int y) { return inPlate(x, y, 19, 19, 4); }, pal(BloodDeep, 230));
    badge.fillIf([](int x, int y) { return inPlate(x, y, 19, 19, 4) && !inPlate(x - 1, y - 1, 17, 17, 3); },
                 pal(Ember));
    badge.blit(swords, 2, 2);
    badge.outline(pal(Ink));
    c.blit(mark, 0, 0);
    c.blit(badge, 64 - 22, 2);
    c.save(out("Sprites/WorldPlayerSprite/SquareEnemy.png"));
}

// ---------------------------------------------------------------------------------------
// Move-point digits
// ---------------------------------------------------------------------------------------

void drawMoveDigits() {
    Canvas sheet(150, 15);
    const char* order = "1234567890";
    for (int i = 0; i < 10; ++i) {
        const bool spent = order[i] == '0';
        Canvas b(15, 15);
        const int plate = spent ? BloodDeep : Night;
        const int rimHi = spent ? Blood : Slate;
        b.fillIf([](int x, int y) { return inPlate(x, y, 15, 15, 3); }, pal(Ink));
        b.fillIf([](int x, int y) { return inPlate(x - 1, y - 1, 13, 13, 2); }, pal(plate));
        // Rim light top-left, gold pin-stripe
        for (int k = 2; k < 12; ++k) {
            b.px(k + 1, 1, pal(rimHi));
            b.px(1, k + 1, pal(rimHi));
        }
        b.px(2, 2, pal(rimHi));
        // Digit: 5x7 glyph, gold with a darker foot so it reads as embossed.
        Canvas g(5, 7);
        g.text(0, 0, std::string(1, order[i]), pal(spent ? Cloud : GoldLight));
        for (int y = 4; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                if (g.opaque(x, y)) g.px(x, y, pal(spent ? Silver : Gold));
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                if (g.opaque(x, y) && !g.opaque(x + 1, y + 1)) b.px(6 + x, 5 + y, pal(Ink));
        b.blit(g, 5, 4);
        sheet.blit(b, i * 15, 0);
    }
    sheet.save(out("Sprites/WorldPlayerSprite/MP-Sheet.png"));
}

// ---------------------------------------------------------------------------------------
// HUD
// ---------------------------------------------------------------------------------------

// HUD.png is authored at half resolution (960 x 65) and doubled, so its pixels match the
// map art. Layout on screen: portrait frames at x 20..626, y 20..108 on the left panel;
// gold bag at (1800, 15) and gold text ending at x 1785 (y 52..78) on the right panel.
// Boards close the whole width down to y 120: the view may rise 120 pixels above the map
// (so that its top row shows below the bar), and that band is never seen.
void drawHudBar() {
    constexpr int W = 960, H = 65;
    constexpr int beamBottom = 20;
    constexpr int barBottom = 59;
    Canvas c(W, H);

    auto inBar = [&](int, int y) { return y <= barBottom; };

    // Wood: a lighter beam across the top, darker boards on the panels below it.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!inBar(x, y)) continue;
            if (y <= beamBottom) c.px(x, y, plankAt(x, y, 1, 6, 11, EarthDeep, Earth, EarthLight));
            else c.px(x, y, plankAt(x, y, beamBottom + 1, 7, 41, Ink, EarthDeep, Earth));
        }
    // Dark top edge with a lit lip.
    for (int x = 0; x < W; ++x) c.px(x, 0, pal(EarthDeep));

    // Metal trim under the beam and along the panels' lower edges.
    auto edgeBelow = [&](int x, int y) { return inBar(x, y) && !inBar(x, y + 1); };
    Canvas trim(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!inBar(x, y)) continue;
            int depth = 0; // distance to the lower edge
            while (depth < 4 && inBar(x, y + depth + 1)) ++depth;
            if (depth >= 4) continue;
            static const int ramp[4] = {Slate, Steel, Silver, Slate};
            trim.px(x, y, pal(ramp[depth]));
        }
    c.blit(trim, 0, 0);
    for (int x = 6; x < W; x += 16) {
        int y = 0;
        while (y < H && !edgeBelow(x, y)) ++y;
        if (y < H && inBar(x + 2, y)) rivet(c, x, y - 2);
    }

    // Shelf line where the panels hang under the beam.
    for (int x = 0; x < W; ++x)
        if (inBar(x, beamBottom + 1) && inBar(x, beamBottom + 3)) {
            c.px(x, beamBottom + 1, pal(Ink));
            c.px(x, beamBottom + 2, pal(EarthDeep));
        }
    // Recessed plaque behind the gold amount (text from about x 1550 to 1785, y 52..78).
    for (int y = 24; y <= 41; ++y)
        for (int x = 776; x <= 896; ++x) {
            if (!inPlate(x - 776, y - 24, 121, 18, 2)) continue;
            const bool edge = !inPlate(x - 777, y - 25, 119, 16, 2);
            sf::Color col = pal(Night);
            if (edge) col = pal(y > 39 || x > 894 ? EarthLight : Ink);
            else if (y == 25) col = pal(Ink);
            else if (bayer(x, y) < 0.12f) col = pal(Slate);
            c.px(x, y, col);
        }

    // Iron brackets between the portrait frames, a gold stud in each.
    for (int gx : {71, 161, 251}) {
        for (int y = beamBottom + 3; y < barBottom - 4; ++y)
            for (int x = -2; x <= 2; ++x)
                c.px(gx + x, y, pal(x == -2 ? Steel : (x == 2 ? Ink : Slate)));
        for (int y : {beamBottom + 6, barBottom - 8}) rivet(c, gx - 1, y);
        c.rect(gx - 3, (beamBottom + barBottom) / 2 - 3, 7, 7, pal(Ink));
        c.rect(gx - 2, (beamBottom + barBottom) / 2 - 2, 5, 5, pal(Gold));
        c.rect(gx - 2, (beamBottom + barBottom) / 2 - 2, 4, 4, pal(GoldLight));
        c.rect(gx - 1, (beamBottom + barBottom) / 2 - 1, 3, 3, pal(Gold));
        c.px(gx - 1, (beamBottom + barBottom) / 2 - 1, pal(White));
    }

    // Pennants hanging from the beam across the middle of the screen.
    for (int px = 396; px < 770 - 40; px += 84) {
        Canvas flag(18, 18);
        // Swallowtail pennant: a 12 x 14 cloth with a V cut at the bottom.
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 12; ++x) {
                if (y >= 9 && std::abs(x * 2 - 11) < (y - 8) * 2) continue;
                int col = x < 2 ? TealLight : (x > 9 ? Night : Teal);
                if (y == 1 || y == 2) col = x < 11 ? GoldLight : Gold;
                flag.px(x + 1, y, pal(col));
            }
        flag.px(6, 5, pal(GoldLight)); // little gold star
        flag.px(5, 6, pal(GoldLight));
        flag.px(7, 6, pal(GoldLight));
        flag.px(6, 7, pal(GoldLight));
        flag.px(6, 6, pal(White));
        flag.outline(pal(Ink));
        c.blit(flag, px, beamBottom + 1);
    }

    dropShadow(c, 1, 2, 90);
    upscale(c, 2).save(out("Sprites/HUD/HUD.png"));
}

// Portrait frame, drawn at (20, 20) etc. The portrait (96 x 96) sits 15 px left of and
// 10 px above the frame, so the hero's body (centred on portrait column 48, feet near row
// 86) lands in the middle of this 66 x 88 window. Authored at 33 x 44 and doubled.
Canvas portraitFrame(bool leader) {
    constexpr int W = 33, H = 44;
    Canvas c(W, H);
    // Backing: dark niche with a soft light behind the hero and a floor.
    for (int y = 3; y < H - 3; ++y)
        for (int x = 3; x < W - 3; ++x) {
            const float dx = (float(x) - 16.f) / 12.f, dy = (float(y) - 18.f) / 16.f;
            const float glow = 1.f - std::sqrt(dx * dx + dy * dy);
            sf::Color col = bayer(x, y) < glow * 0.9f ? pal(leader ? Plum : Slate) : pal(Night);
            if (y >= H - 9) col = bayer(x, y) < 0.5f - float(y - (H - 9)) * 0.1f ? pal(Slate) : pal(Night);
            c.px(x, y, col);
        }
    // Border: metal (companions) or gold (leader), 3 px with bevel.
    const int hi = leader ? GoldLight : Cloud, mid = leader ? Gold : Silver, lo = leader ? Ember : Steel;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!inPlate(x, y, W, H, 2)) continue;
            const int ring = std::min(std::min(x, y), std::min(W - 1 - x, H - 1 - y));
            if (ring == 0) c.px(x, y, pal(Ink));
            else if (ring == 1) c.px(x, y, pal((x < W - 2 && y < H - 2 && (x <= 1 || y <= 1)) ? hi : mid));
            else if (ring == 2) c.px(x, y, pal((x >= W - 3 || y >= H - 3) ? lo : mid));
            else if (ring == 3) c.px(x, y, pal(Ink, 160)); // inner groove shadow
        }
    // Corner studs.
    for (auto [x, y] : {std::pair{1, 1}, std::pair{W - 4, 1}, std::pair{1, H - 4}, std::pair{W - 4, H - 4}}) {
        c.rect(x, y, 3, 3, pal(lo));
        c.px(x, y, pal(hi));
        c.px(x + 1, y, pal(hi));
        c.px(x, y + 1, pal(hi));
        c.px(x + 1, y + 1, pal(mid));
    }
    if (leader) {
        // Crest at the bottom centre: a red gem in a gold setting, and a small crown on top.
        const int gx = W / 2;
        for (int y = -3; y <= 3; ++y)
            for (int x = -4; x <= 4; ++x)
                if (std::abs(x) + std::abs(y) <= 4) c.px(gx + x, H - 2 + y, pal(std::abs(x) + std::abs(y) == 4 ? Ink : Gold));
        c.px(gx, H - 2, pal(Blood));
        c.px(gx - 1, H - 2, pal(Ember));
        c.px(gx, H - 3, pal(Ember));
        c.px(gx + 1, H - 2, pal(BloodDeep));
        c.px(gx, H - 1, pal(BloodDeep));
        // Crown: three points above the top edge line.
        for (int x = -4; x <= 4; ++x) c.px(gx + x, 1, pal(GoldLight));
        for (int x = -4; x <= 4; ++x) c.px(gx + x, 2, pal(Gold));
        for (int t : {-4, 0, 4}) c.px(gx + t, 0, pal(GoldLight));
        c.px(gx, 1, pal(Blood));
    }
    return upscale(c, 2);
}

void drawFrames() {
    portraitFrame(true).save(out("Sprites/HUD/carre_2.png"));
    portraitFrame(false).save(out("Sprites/HUD/carre_1.png"));
}

// Gold bag, drawn at x2 at (1800, 15): 28 x 30 keeps it on screen.
void drawMoneyBag() {
    Canvas c(28, 30);
    Canvas bag(28, 30);
    // Pouch body: a rounded sack, cinched neck and a flared mouth.
    bag.ellipse(13, 19, 10, 9, pal(Earth));
    bag.rect(10, 8, 7, 4, pal(Earth));
    bag.ellipse(13, 7, 6, 2, pal(Earth));
    // Shading of the sack: light top-left, dark bottom-right.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 28; ++x) {
            if (!bag.opaque(x, y)) continue;
            const float l = (float(x) - 13.f) / 10.f + (float(y) - 19.f) / 9.f;
            if (y > 9) {
                if (l < -0.7f) bag.px(x, y, pal(EarthLight));
                else if (l < -0.35f && bayer(x, y) < 0.5f) bag.px(x, y, pal(EarthLight));
                else if (l > 0.75f) bag.px(x, y, pal(EarthDeep));
                else if (l > 0.45f && bayer(x, y) < 0.5f) bag.px(x, y, pal(EarthDeep));
            }
        }
    // Coins in the mouth.
    for (int x = 9; x <= 17; ++x) bag.px(x, 6, pal(x < 13 ? GoldLight : Gold));
    for (int x = 10; x <= 16; ++x) bag.px(x, 5, pal(x < 12 ? White : GoldLight));
    bag.px(12, 4, pal(GoldLight));
    bag.px(14, 4, pal(Gold));
    // Cord around the neck with a knot.
    for (int x = 9; x <= 17; ++x) bag.px(x, 10, pal(x % 2 ? Gold : Ember));
    bag.px(18, 11, pal(Gold));
    bag.px(19, 12, pal(Ember));
    bag.px(18, 13, pal(Gold));
    // Stitched patch on the sack: a gold coin with a shine.
    bag.disc(12, 19, 4, pal(Ember));
    bag.disc(12, 19, 3, pal(Gold));
    bag.disc(11, 18, 2, pal(GoldLight));
    bag.px(10, 17, pal(White));
    bag.px(11, 17, pal(White));
    bag.px(14, 21, pal(Ember));
    bag.outline(pal(Ink));
    // Loose coin leaning at the front right.
    Canvas coin(28, 30);
    coin.ellipse(22, 25, 3, 3, pal(Gold));
    coin.ellipse(21, 24, 2, 2, pal(GoldLight));
    coin.px(20, 23, pal(White));
    coin.px(24, 27, pal(Ember));
    coin.outline(pal(Ink));
    bag.blit(coin, 0, 0);
    c.blit(bag, 0, 0);
    dropShadow(c, 1, 1, 80);
    c.save(out("Sprites/HUD/money_sac.png"));
}

// Character sheet: a parchment leaf, 300 x 300 (authored at 150 x 150). The game writes
// nine lines of black text from (40, 45): roughly x 39..215, y 50..250 on screen.
void drawCharacterSheet() {
    constexpr int W = 150, H = 150;
    Canvas c(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            // Ragged edge from noise.
            const float edge = 2.f + valueNoise(float(x + y * 3), float(x * 2 + y), 6, 31) * 3.f;
            const float d = float(std::min(std::min(x, y), std::min(W - 1 - x, H - 1 - y)));
            if (d < edge - 1.f) continue;
            const float n = valueNoise(float(x), float(y), 12, 33) * 0.6f + valueNoise(float(x), float(y), 5, 34) * 0.4f;
            sf::Color col = pal(SandLight);
            if (d < edge + 4.f) col = bayer(x, y) < 0.6f ? pal(Sand) : pal(SandLight);     // weathered rim
            if (d < edge + 1.5f) col = pal(EarthLight);
            if (d < edge) col = pal(Earth);
            if (d >= edge + 4.f && n > 0.66f && bayer(x, y) < (n - 0.66f) * 1.6f) col = pal(Sand); // faint stains
            c.px(x, y, col);
        }
    // Ink border: double rule with corner knots.
    auto ruleRect = [&](int inset, int colour) {
        for (int x = inset; x < W - inset; ++x) {
            c.px(x, inset, pal(colour));
            c.px(x, H - 1 - inset, pal(colour));
        }
        for (int y = inset; y < H - inset; ++y) {
            c.px(inset, y, pal(colour));
            c.px(W - 1 - inset, y, pal(colour));
        }
    };
    ruleRect(8, Earth);
    ruleRect(10, EarthLight);
    for (auto [x, y] : {std::pair{8, 8}, std::pair{W - 9, 8}, std::pair{8, H - 9}, std::pair{W - 9, H - 9}}) {
        c.rect(x - 2, y - 2, 5, 5, pal(Earth));
        c.rect(x - 1, y - 1, 3, 3, pal(Gold));
        c.px(x - 1, y - 1, pal(GoldLight));
    }
    // Divider under the name line (screen y 70..71): a dotted rule with a diamond.
    for (int x = 20; x < 131; ++x)
        if (std::abs(x - 75) > 4 && x % 2 == 0) c.px(x, 35, pal(EarthLight));
    for (int k = -2; k <= 2; ++k) {
        c.px(75 + k, 35, pal(Earth));
        c.px(75, 35 + k, pal(Earth));
    }
    c.px(75, 35, pal(Gold));
    // Wax seal with a ribbon at the bottom right, clear of the text (which ends near x 215).
    Canvas seal(W, H);
    constexpr int sx = 128, sy = 124;
    for (int i = 0; i < 10; ++i) {
        seal.px(sx - 4 + i / 3, sy + 4 + i, pal(Teal));
        seal.px(sx - 3 + i / 3, sy + 4 + i, pal(TealLight));
        seal.px(sx + 3 - i / 3, sy + 4 + i, pal(Teal));
        seal.px(sx + 4 - i / 3, sy + 4 + i, pal(Teal));
    }
    seal.disc(sx, sy, 8, pal(BloodDeep));
    seal.disc(sx - 1, sy - 1, 7, pal(Blood));
    seal.disc(sx, sy, 4, pal(BloodDeep));
    seal.disc(sx, sy, 3, pal(Blood));
    seal.px(sx - 3, sy - 5, pal(Ember));
    seal.px(sx - 4, sy - 4, pal(Ember));
    seal.px(sx - 5, sy - 3, pal(Ember));
    // Stamped star in the wax.
    seal.px(sx, sy - 2, pal(BloodDeep));
    seal.px(sx, sy + 2, pal(BloodDeep));
    seal.px(sx - 2, sy, pal(BloodDeep));
    seal.px(sx + 2, sy, pal(BloodDeep));
    seal.px(sx, sy, pal(Ember));
    seal.outline(pal(Ink));
    c.blit(seal, 0, 0);
    dropShadow(c, 1, 1, 90);
    upscale(c, 2).save(out("Sprites/HUD/Fiche_technique.png"));
}

// End-turn button: 63 x 17, normal on top, pressed (mouse over) below; drawn at x4.
void drawEndTurnButton() {
    Canvas sheet(63, 34);
    for (int row = 0; row < 2; ++row) {
        const bool pressed = row == 1;
        Canvas b(63, 17);
        const int top = pressed ? 1 : 0;      // a pressed plate sits one pixel lower
        const int lipH = pressed ? 1 : 2;     // with a thinner lip under it
        const int plateH = 17 - top - lipH;   // rows of the face
        const int face = pressed ? Teal : Slate, faceHi = pressed ? TealLight : Steel;
        // Lip (the button's thickness) under the face.
        b.fillIf([&](int x, int y) { return inPlate(x, y - top, 63, plateH + lipH, 3); }, pal(Night));
        // Face.
        b.fillIf([&](int x, int y) { return inPlate(x, y - top, 63, plateH, 3); }, pal(face));
        for (int y = top; y < top + plateH; ++y)
            for (int x = 0; x < 63; ++x) {
                if (!inPlate(x, y - top, 63, plateH, 3)) continue;
                const int ry = y - top;
                if (ry <= 2 && bayer(x, y) < 0.6f - ry * 0.2f) b.px(x, y, pal(faceHi));
            }
        // Gold pin-stripe inside the face.
        for (int x = 3; x < 60; ++x) {
            b.px(x, top + 2, pal(GoldLight));
            b.px(x, top + plateH - 3, pal(Gold));
        }
        for (int y = top + 3; y < top + plateH - 3; ++y) {
            b.px(2, y, pal(GoldLight));
            b.px(60, y, pal(Gold));
        }
        // The plate's 1px Ink rim, inside its bounds (the sheet has no room around it).
        Canvas rim(63, 17);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 63; ++x)
                if (b.opaque(x, y) && (!b.opaque(x - 1, y) || !b.opaque(x + 1, y) || !b.opaque(x, y - 1) || !b.opaque(x, y + 1) ||
                                       x == 0 || x == 62 || y == 16))
                    rim.px(x, y, pal(Ink));
        b.blit(rim, 0, 0);
        // Label, centred: 47 x 7.
        const std::string label = "END TURN";
        const int tx = (63 - Canvas::textWidth(label)) / 2;
        shadowText(b, tx, top + (plateH - 7) / 2, label, pressed ? GoldLight : White, 1);
        sheet.blit(b, 0, row * 17);
    }
    sheet.save(out("Sprites/HUD/EndTurnPress.png"));
}

// ---------------------------------------------------------------------------------------
// Turn banners
// ---------------------------------------------------------------------------------------

// A ribbon 240 x 44 authored pixels, doubled twice (960 x 176 on screen): a central band
// with the lettering and two folded swallow-tails behind its ends.
void drawBanner(const std::string& label, bool enemy, const std::string& path) {
    constexpr int W = 240, H = 44;
    constexpr int bandL = 22, bandR = W - 23, bandT = 4, bandB = 36;
    const int cloth = enemy ? Blood : Teal, clothHi = enemy ? Ember : TealLight, clothLo = enemy ? BloodDeep : Night;
    const int trim = enemy ? Ink : Gold, trimHi = enemy ? Slate : GoldLight;
    Canvas c(W, H);

    // Tails: lower pieces behind the band ends, with a V cut and a dark fold under the band.
    Canvas tails(W, H);
    for (int side = 0; side < 2; ++side)
        for (int y = bandT + 6; y <= bandB + 6; ++y)
            for (int i = 0; i < 30; ++i) {
                const int x = side ? W - 1 - i : i;
                const int mid = (bandT + 6 + bandB + 6) / 2;
                if (i < 10 - std::abs(y - mid) * 10 / 17) continue; // swallow-tail cut
                int col = cloth;
                if (i > 23) col = clothLo;                                          // fold into shade
                else if (y >= bandB + 1 || (bayer(x, y) < 0.5f && y >= bandB - 3)) col = clothLo;
                else if (y <= bandT + 7) col = clothHi;
                if (i > 26) col = Ink;
                tails.px(x, y, pal(col));
            }
    tails.outline(pal(Ink));
    c.blit(tails, 0, 0);

    // Band: cloth with a dithered top light and bottom shade, trimmed top and bottom.
    for (int y = bandT; y <= bandB; ++y)
        for (int x = bandL; x <= bandR; ++x) {
            const int ry = y - bandT, rb = bandB - y;
            sf::Color col = pal(cloth);
            if (ry < 7 && bayer(x, y) < 0.7f - ry * 0.1f) col = pal(clothHi);
            if (rb < 8 && bayer(x, y) < 0.75f - rb * 0.09f) col = pal(clothLo);
            if (ry == 1 || rb == 1) col = pal(trim);
            if (ry == 2) col = pal(trimHi);
            if (rb == 2) col = pal(trim);
            if (ry == 0 || rb == 0) col = pal(Ink);
            c.px(x, y, col);
        }
    for (int y = bandT; y <= bandB; ++y) {
        c.px(bandL, y, pal(Ink));
        c.px(bandR, y, pal(Ink));
    }
    if (enemy) {
        // Torn lower edge: notches along the bottom trim.
        for (int x = bandL + 4; x < bandR - 4; x += 11) {
            const int depth = 1 + int(hashNoise(x, 0, 71) * 3.f);
            for (int d = 0; d < depth; ++d)
                for (int k = -(depth - d) / 2; k <= (depth - d) / 2; ++k) c.px(x + k, bandB - d, sf::Color::Transparent);
            c.px(x, bandB - depth, pal(Ink));
        }
    }

    // Emblems either side of the lettering: gold diamonds (allies) or skull-red spikes (enemies).
    const int textScale = 3;
    const int tw = Canvas::textWidth(label, textScale);
    const int tx = (W - tw) / 2;
    const int ty = (bandT + bandB) / 2 - 10;
    for (int side = 0; side < 2; ++side) {
        const int cx = side ? (tx + tw + bandR) / 2 + 1 : (bandL + tx) / 2 - 1;
        const int cy = (bandT + bandB) / 2;
        for (int y = -4; y <= 4; ++y)
            for (int x = -4; x <= 4; ++x) {
                const int m = std::abs(x) + std::abs(y);
                if (m > 4) continue;
                int col = x + y < 0 ? (enemy ? Ember : GoldLight) : (enemy ? BloodDeep : Gold);
                if (m == 4) col = Ink;
                c.px(cx + x, cy + y, pal(col));
            }
    }
    // Lettering: bright face, shaded lower half, Ink outline and a deep shadow for weight.
    Canvas letters(W, H);
    const int face = enemy ? White : GoldLight, shade = enemy ? Cloud : Gold;
    letters.text(tx, ty, label, pal(face), textScale);
    for (int y = ty + 4 * textScale; y < ty + 7 * textScale; ++y)
        for (int x = tx; x < tx + tw; ++x)
            if (letters.opaque(x, y)) letters.px(x, y, pal(shade));
    for (int y = ty; y < ty + 7 * textScale; ++y)
        for (int x = tx; x < tx + tw; ++x)
            if (letters.opaque(x, y) && !letters.opaque(x, y - 1)) letters.px(x, y, pal(White));
    letters.outline(pal(Ink));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (letters.opaque(x - 2, y - 2) && !letters.opaque(x, y)) c.px(x, y, pal(clothLo));
    c.blit(letters, 0, 0);

    dropShadow(c, 2, 2, 90);
    upscale(c, 4).save(out(path));
}

} // namespace

void genWorldUi() {
    drawArrows();
    drawRangeSquares();
    drawMoveDigits();
    drawHudBar();
    drawFrames();
    drawMoneyBag();
    drawCharacterSheet();
    drawEndTurnButton();
    drawBanner("YOUR TURN", false, "Sprites/Fight/AllyTurn.png");
    drawBanner("ENEMY TURN", true, "Sprites/Fight/EnemyTurn.png");
    genKeyPictures();
}
