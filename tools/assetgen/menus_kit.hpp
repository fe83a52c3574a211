// Shared pieces for the menu and end-screen pictures: enlargement to a screen pixel grid,
// title lettering, wooden sign plaques, glows and dithered ramps.
#pragma once

#include "art.hpp"

#include <string>

namespace menus {

// Nearest-neighbour enlargement: every art pixel becomes a k x k block. Pictures drawn at
// scale 1 (or at odd scales such as 1.4) are authored small and enlarged so that their pixels
// match the chunky pixels of the scaled backdrops.
art::Canvas upscale(const art::Canvas& src, int k);
// `src` copied into a transparent canvas of w x h at (dx, dy): pads a picture to an exact texture area.
art::Canvas padTo(const art::Canvas& src, unsigned w, unsigned h, int dx, int dy);
// Two equally sized pictures stacked: normal on top, hover below (the two-row button sheets).
art::Canvas stackRows(const art::Canvas& top, const art::Canvas& bottom);

// Pixel-font label with an Ink drop shadow one pixel down-right.
void shadowText(art::Canvas& c, int x, int y, const std::string& s, sf::Color col, int scale = 1);
// Same, horizontally centred on cx.
void shadowTextCentred(art::Canvas& c, int cx, int y, const std::string& s, sf::Color col, int scale = 1);

// Metal colour families for lettering: each is a top-to-bottom ramp plus an extrusion colour.
enum class Metal { Gold, Blood, Silver };
// Large bevelled letters: the 5x7 font at `scale`, lit from the top, with a `depth`-pixel
// extrusion down-right and an Ink outline; `spacing` widens the gap between letters so the
// extrusion does not fill it. The canvas is just large enough.
art::Canvas metalLetters(const std::string& s, int scale, int depth, Metal metal = Metal::Gold, int spacing = 0);

// Halo around every opaque pixel: `rings` rings of colour `pal` with falling alpha.
void glow(art::Canvas& c, int palIndex, int rings, int alpha0);
// Flat drop shadow of the opaque shape (Ink, given alpha), offset down-right, under the picture.
art::Canvas withDropShadow(const art::Canvas& c, int dx, int dy, int alpha);

// Colour at t in [0, 1] along a ramp of palette indices, ordered-dithered at the band edges.
// `soft` is the share of each band given to the dithered transition (0 = hard bands).
sf::Color rampDither(const int* ramp, int n, float t, int x, int y, float soft = 0.5f);

// Blends Ink over every pixel with an alpha that grows toward the picture's edges (dithered
// between two levels so no in-between shade is invented).
void vignette(art::Canvas& c, int alphaCentre, int alphaEdge, float reach);

// Wooden sign board at (x, y, w, h): grained planks, bevelled rim, a dark carved inset where the
// label goes and iron corner brackets; `lit` gives the hover look (lighter wood, gold fittings).
// `frame` is the wood border width around the inset.
void woodPlaque(art::Canvas& c, int x, int y, int w, int h, bool lit, int frame, int seed);

// A whole button picture in art pixels: a plaque of boardW x boardH with the label centred,
// a 2-pixel glow margin on every side (lit when hovered), and optionally a hanging ring on top
// for a chain. `icon` (0 none, 1 arrow right, 2 coin) is drawn after the label.
struct ButtonLook {
    int boardW = 112;
    int boardH = 26;
    int textScale = 2;
    int frame = 3;
    bool ring = false;
    int icon = 0;
};
art::Canvas buttonArt(const std::string& label, const ButtonLook& look, bool lit, int seed);

} // namespace menus
