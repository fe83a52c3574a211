// Green land: grass, trodden earth areas, dirt roads and paths, crop field.
// All earth pieces (Road*, Chemin*, CornerRoad*, TRoad, XRoad, *Ground*) are cells of one
// system: earth reaches a tile edge across the band 16..47 (or the whole edge for open areas)
// wherever the piece joins that side; elsewhere a 16-pixel band of grass lies along the edge.
// See docs/tiles.md for which sides each piece joins.
#include "tiles_kit.hpp"

#include <cmath>

using namespace art;

namespace tiles {

namespace {

enum class Decor { None, Puddle, MidGrass, Stones, Wheelbarrow };

// An earth cell on grass. `ruts`: a cart track (roads and paths); otherwise trodden ground.
Canvas earthOnGrass(const Cell& cell, bool ruts, bool roundEnd, int variant, Decor decor = Decor::None) {
    Canvas c(kTile, kTile);
    paintGrass(c, variant);
    Canvas earth(kTile, kTile);
    paintEarth(earth, variant);
    Edge e;
    e.seed = 1;
    e.capRound = roundEnd ? 1 : 0;
    const std::vector<int> in = insideDistance(cell, e, 4);
    const std::vector<int> outD = outsideDistance(cell, e, 2);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const int d = in[y * kTile + x];
            if (d == 0) {
                // Grass blades leaning over the earth edge.
                if (outD[y * kTile + x] == 1 && hashNoise(x, y, 77) < 0.35f) c.px(x, y, pal(GrassLight));
                continue;
            }
            sf::Color col = earth.get(x, y);
            if (d == 1) col = pal(GrassDeep);
            else if (d == 2) {
                // The grass lip shades the earth on its top/left side (light from the top-left).
                const bool shaded = !cellInside(cell, e, x, y - 2) || !cellInside(cell, e, x - 2, y);
                col = shaded ? pal(Earth) : pal(EarthLight);
            } else if (d == 3 && (!cellInside(cell, e, x, y - 3) || !cellInside(cell, e, x - 3, y)) && bayer(x, y) < 0.5f) {
                col = pal(Earth);
            }
            if (ruts && d > 2 && rutAt(cell, x, y)) {
                col = pal(Earth);
                if (hashNoise(x, y, 78) < 0.2f) col = pal(EarthDeep);
            }
            c.px(x, y, col);
        }
    // Light rim on the lower edge of each rut.
    if (ruts)
        for (int y = 1; y < kTile; ++y)
            for (int x = 1; x < kTile; ++x)
                if (in[y * kTile + x] > 3 && !rutAt(cell, x, y) && rutAt(cell, x - 1, y - 1) && bayer(x, y) < 0.6f)
                    c.px(x, y, pal(Sand));

    switch (decor) {
    case Decor::Puddle: {
        // A rain puddle between the ruts, lit rim on its lower right.
        c.ellipse(33, 32, 9, 4, pal(Earth));
        c.ellipse(33, 32, 8, 3, pal(WaterDeep));
        c.ellipse(34, 32, 7, 2, pal(Water));
        for (int k = 0; k < 4; ++k) c.px(29 + k, 31, pal(WaterLight));
        c.px(30, 31, pal(Foam));
        c.px(41, 33, pal(Sand));
        c.px(40, 35, pal(Sand));
        break;
    }
    case Decor::MidGrass:
        // A strip of grass between the wheel tracks.
        for (int y = 0; y < kTile; ++y)
            for (int x = 29; x <= 34; ++x) {
                const float h = hashNoise(x, y, 81);
                const bool patch = wrapNoise(x, y, 8, 82) > 0.45f;
                if (!patch || ((x == 29 || x == 34) && h < 0.5f)) continue;
                if (h < 0.8f) c.px(x, y, h < 0.25f ? pal(GrassLight) : (h < 0.55f ? pal(Grass) : pal(GrassDeep)));
            }
        break;
    case Decor::Stones:
        for (const auto& s : {std::array<int, 2>{22, 28}, {38, 40}, {31, 20}, {44, 26}}) {
            c.ellipse(s[0], s[1], 2, 1, pal(Steel));
            c.px(s[0] - 1, s[1] - 1, pal(Cloud));
            c.px(s[0], s[1] - 1, pal(Silver));
            c.px(s[0] + 1, s[1] + 1, pal(Slate));
            c.px(s[0] + 2, s[1] + 1, pal(Earth));
        }
        break;
    default: break;
    }
    return c;
}

// Grass with flowers or taller weed clumps.
Canvas grassVariant(int variant, int extra) {
    Canvas c(kTile, kTile);
    paintGrass(c, variant);
    if (extra == 1) {
        // Small flowers: white, yellow and lilac, a darker pixel under each.
        const int colors[3] = {White, GoldLight, PlumLight};
        for (int k = 0; k < 14; ++k) {
            const int x = 6 + int(hashNoise(k, 1, 700) * 52), y = 6 + int(hashNoise(k, 2, 700) * 52);
            const int col = colors[k % 3];
            c.px(x, y, pal(col));
            c.px(x - 1, y, pal(col));
            c.px(x + 1, y, pal(col));
            c.px(x, y - 1, pal(col));
            c.px(x, y + 1, pal(col));
            c.px(x, y, pal(k % 3 == 1 ? Ember : Gold));
            c.px(x + 1, y + 1, pal(GrassDeep));
        }
    } else if (extra == 2) {
        // Clumps of tall weeds and a mossy stone.
        const int spots[4][2] = {{16, 24}, {46, 18}, {26, 50}, {50, 46}};
        for (int k = 0; k < 4; ++k) {
            const int bx = spots[k][0], by = spots[k][1];
            for (int s = -4; s <= 5; ++s) c.blend(bx + s + 1, by + 1, pal(Ink, 70)); // shadow at the foot
            for (int b = -4; b <= 4; ++b) {
                const int h = 5 + int(hashNoise(k, b + 9, 710) * 7) - std::abs(b);
                const int lean = b < -1 ? -1 : (b > 1 ? 1 : 0);
                for (int t = 0; t < h; ++t) {
                    const int x = bx + b + (t > h / 2 ? lean : 0), y = by - t;
                    sf::Color col = t > h - 3 ? pal(GrassLight) : (t < 2 ? pal(GrassDeep) : (b < 0 ? pal(LeafLight) : pal(Leaf)));
                    c.px(x, y, col);
                }
                if (b % 2 == 0) c.px(bx + b + lean, by - h, pal(k % 2 ? GoldLight : Cloud)); // seed heads
            }
        }
        // A low shrub.
        Canvas shrub(kTile, kTile);
        shadeBalls(shrub, {{36, 36, 6}, {43, 38, 5}, {31, 39, 4, 1}}, kLeafRamp, 0.4f, 711);
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x)
                if (!shrub.opaque(x, y) && shrub.opaque(x - 2, y - 2)) c.blend(x, y, pal(Ink, 80));
        shrub.outline(pal(GrassDeep));
        c.blit(shrub, 0, 0);
        c.ellipse(18, 38, 4, 3, pal(Steel));
        c.ellipse(17, 37, 2, 1, pal(Silver));
        c.px(16, 36, pal(Cloud));
        c.px(20, 36, pal(LeafLight));
        c.px(21, 37, pal(Leaf));
        for (int s = 0; s < 8; ++s) c.blend(16 + s, 41, pal(Ink, 80));
        c.px(22, 40, pal(Slate));
    }
    return c;
}

// A field of wheat: rows 8 pixels apart, so fields of any size join.
Canvas field() {
    Canvas c(kTile, kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const int row = y & 7, line = y >> 3;
            // Each column of a row is an ear whose tip rises 0..2 pixels above the row's base line.
            const int tip = int(hashNoise(x, line, 720) * 3.f);
            sf::Color col;
            if (row == 7) col = pal(EarthDeep);            // furrow in the shade of the row
            else if (row == 6) col = pal(Earth);
            else if (row < tip) col = (row == tip - 1 || hashNoise(x, y, 721) < 0.5f) ? pal(Earth) : pal(EarthDeep);
            else if (row == tip) col = hashNoise(x, line, 722) < 0.55f ? pal(GoldLight) : pal(Gold);
            else if (row == 5) col = hashNoise(x, y, 723) < 0.6f ? pal(Ember) : pal(Gold);
            else col = hashNoise(x, y, 724) < 0.18f ? pal(GoldLight) : pal(Gold);
            c.px(x, y, col);
        }
    // Poppies here and there.
    for (int k = 0; k < 4; ++k) {
        const int x = 4 + int(hashNoise(k, 0, 730) * 56), y = (int(hashNoise(k, 1, 730) * 8) * 8) + 3;
        c.px(x, y, pal(Blood));
        c.px(x + 1, y, pal(Blood));
        c.px(x, y + 1, pal(BloodDeep));
    }
    return c;
}

void earthPiece(const char* name, const Cell& cell, bool ruts, bool roundEnd, int variant, Decor decor = Decor::None) {
    saveTile(earthOnGrass(cell, ruts, roundEnd, variant, decor), name);
}

} // namespace

void genGreenGround() {
    saveTile(grassVariant(0, 0), "Weed2");
    saveTile(grassVariant(1, 0), "Weed1");
    saveTile(grassVariant(2, 1), "Weed3");
    saveTile(grassVariant(3, 2), "WeedEX");
    saveTile(field(), "champ");

    // Roads and paths (ruts). Sides: N, E, S, W.
    earthPiece("Road1", cellOpen(false, true, false, true), true, false, 4);
    earthPiece("Road12", cellOpen(true, false, true, false), true, false, 5);
    earthPiece("Road2", cellOpen(false, true, false, true), true, false, 6, Decor::Puddle);
    earthPiece("Road3", cellOpen(true, false, true, false), true, false, 7, Decor::MidGrass);
    earthPiece("XRoad", cellOpen(true, true, true, true), true, false, 8);
    earthPiece("TRoad", cellOpen(true, true, false, true), true, false, 9);
    earthPiece("Chemin_T_below", cellOpen(false, true, true, true), true, false, 10);
    earthPiece("Chemin_T_right", cellOpen(true, true, true, false), true, false, 11);
    earthPiece("chemin_T_left", cellOpen(true, false, true, true), true, false, 12);
    earthPiece("CornerRoadBottomLeft", cellOpen(true, true, false, false), true, false, 13);
    earthPiece("CornerRoad2", cellOpen(false, true, true, false), true, false, 14);
    earthPiece("CornerRoad3", cellOpen(false, false, true, true), true, false, 15);
    earthPiece("CornerRoad4", cellOpen(true, false, false, true), true, false, 16);
    earthPiece("Chemin_rightcirculaire", cellOpen(false, false, false, true), true, true, 17);
    earthPiece("Chemin_leftcirculaire", cellOpen(false, true, false, false), true, true, 18);
    earthPiece("Chemin_below_rightcirculaire", cellOpen(true, false, false, false), true, true, 19);
    earthPiece("Chemin_below_leftcirculaire", cellOpen(false, false, true, false), true, true, 20);
    earthPiece("chemin_plein", cellArea(true, true, true, true), false, false, 21);

    // Trodden ground areas. The last digit (none = 1) is a direction: 1 north, 2 east,
    // 3 south, 4 west for sides; for corners 1 north-east, 2 south-east, 3 south-west, 4 north-west.
    // BoarderGround1d: grass along side d only.
    earthPiece("BoarderGround1", cellArea(false, true, true, true), false, false, 22);
    earthPiece("BoarderGround12", cellArea(true, false, true, true), false, false, 23);
    earthPiece("BoarderGround13", cellArea(true, true, false, true), false, false, 24);
    earthPiece("BoarderGround14", cellArea(true, true, true, false), false, false, 25);
    // BoarderGround2d: the same borders with stones on the ground.
    earthPiece("BoarderGround2", cellArea(false, true, true, true), false, false, 26, Decor::Stones);
    earthPiece("BoarderGround22", cellArea(true, false, true, true), false, false, 27, Decor::Stones);
    earthPiece("BoarderGround24", cellArea(true, true, true, false), false, false, 28, Decor::Stones);
    // CornerGround d: outer corner, grass along the two sides around corner d.
    earthPiece("CornerGround", cellArea(false, false, true, true), false, false, 29);
    earthPiece("CornerGround12", cellArea(true, false, false, true), false, false, 30);
    earthPiece("CornerGround13", cellArea(true, true, false, false), false, false, 31);
    earthPiece("CornerGround14", cellArea(false, true, true, false), false, false, 32);
    // CornerInvGround d: inner corner, earth on every side, a grass nub in corner d.
    {
        const char* names[4] = {"CornerInvGround", "CornerInvGround12", "CornerInvGround13", "CornerInvGround14"};
        for (int k = 0; k < 4; ++k) {
            Cell cell = cellArea(true, true, true, true);
            cell.diag[k] = false;
            earthPiece(names[k], cell, false, false, 33 + k);
        }
    }
    // TGround d: a road (or strip of earth) coming from side d meets the edge of an earth
    // area: earth on every side, grass nubs in the two corners beside side d.
    {
        const char* names[4] = {"TGround", "TGround12", "TGround13", "TGround14"};
        const int corners[4][2] = {{3, 0}, {0, 1}, {1, 2}, {2, 3}}; // NW+NE, NE+SE, SE+SW, SW+NW
        for (int k = 0; k < 4; ++k) {
            Cell cell = cellArea(true, true, true, true);
            cell.diag[corners[k][0]] = false;
            cell.diag[corners[k][1]] = false;
            earthPiece(names[k], cell, false, false, 37 + k);
        }
    }
    // StartGround d: a strip of earth starts here and leaves by side d only.
    earthPiece("StartGround", cellOpen(true, false, false, false), false, false, 41);
    earthPiece("StartGround12", cellOpen(false, true, false, false), false, false, 42);
    earthPiece("StartGround13", cellOpen(false, false, true, false), false, false, 43);
    earthPiece("StartGround14", cellOpen(false, false, false, true), false, false, 44);
}

} // namespace tiles
