// The props laid on the team-selection and recruit-shop tables: the planked top, a candle,
// coins, a quill, a dagger, figurine bases, an old map and the note pad.
#include "menus_scene_parts.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace art;

namespace menus {

// Planked wooden tabletop, lit from the top, darker toward its edges.
void tabletop(Canvas& c, int seed) {
    const int W = int(c.width()), H = int(c.height());
    const int plankH = 30;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int p = (y + 6) / plankH, r = (y + 6) % plankH;
            const int joint = 60 + int(hashNoise(p, 0, seed) * 300.f);
            const float g = valueNoise(float(x) * 0.08f + float(p) * 17.f, float(y) * 0.9f, 4, seed) * 0.7f +
                            valueNoise(float(x) * 0.5f, float(y) * 2.f, 6, seed + 1) * 0.3f;
            const bool darkPlank = hashNoise(p, 1, seed) < 0.4f;
            int col = darkPlank ? EarthDeep : Earth;
            if (g > 0.66f) col = darkPlank ? Earth : EarthLight;
            else if (g < 0.3f) col = EarthDeep;
            if (r == 0) col = Ink;
            else if (r == 1) col = EarthLight;
            else if (r == plankH - 1) col = EarthDeep;
            if (x == joint) col = Ink;
            if (x == joint + 1 && r > 0) col = EarthLight;
            // Nails beside the joint.
            if ((x == joint - 3 || x == joint + 4) && (r == 5 || r == plankH - 6)) col = Silver;
            c.px(x, y, pal(col));
        }
    // Knots.
    for (int i = 0; i < 9; ++i) {
        const int kx = int(hashNoise(i, 0, seed + 5) * float(W)), ky = int(hashNoise(i, 1, seed + 5) * float(H));
        if ((ky + 6) % plankH < 6 || (ky + 6) % plankH > plankH - 7) continue;
        c.ellipse(kx, ky, 4, 2, pal(EarthDeep));
        c.ellipse(kx, ky, 2, 1, pal(Earth));
        c.px(kx - 1, ky, pal(Ink));
    }
}

void candle(Canvas& c, int x, int y) {
    // Warm pool of light on the table.
    for (int j = -70; j <= 70; ++j)
        for (int i = -90; i <= 90; ++i) {
            const float d = std::sqrt(float(i * i) / 8100.f + float(j * j) / 4900.f);
            if (d > 1.f) continue;
            if (bayer(x + i, y + j) < (1.f - d) * 0.5f) c.blend(x + i, y + j, pal(Ember, 40));
        }
    Canvas k(c.width(), c.height());
    const int waxH = 26, waxHalf = 5;
    // Brass dish and handle.
    k.ellipse(x, y + 3, 13, 4, pal(Ember));
    k.ellipse(x, y + 2, 12, 3, pal(Gold));
    k.ellipse(x - 1, y + 1, 9, 2, pal(GoldLight));
    k.ellipse(x, y + 1, 6, 1, pal(Gold));
    for (int j = -2; j <= 3; ++j) k.px(x + 15 + (std::abs(j) < 2 ? 1 : 0), y + j, pal(Gold));
    // Wax stub with drips.
    for (int j = 0; j < waxH; ++j)
        for (int i = -waxHalf; i <= waxHalf; ++i) {
            int col = Cloud;
            if (i <= -waxHalf + 1) col = White;
            if (i >= waxHalf - 1) col = Silver;
            k.px(x + i, y - j, pal(col));
        }
    const int drips[3][2] = {{-3, 9}, {1, 5}, {3, 12}};
    for (const auto& d : drips)
        for (int j = 0; j < d[1]; ++j) k.px(x + d[0], y - waxH + 1 + j, pal(White));
    k.ellipse(x, y - waxH + 1, waxHalf, 1, pal(White));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 3, 2, 90), 0, 0);
    // Wick and flame (no outline: it glows).
    const int fy = y - waxH - 1;
    c.px(x, fy, pal(Ink));
    c.px(x, fy - 1, pal(Ink));
    for (int j = 0; j < 11; ++j) {
        const int half = j < 2 ? 1 : (j < 7 ? 2 : (j < 9 ? 1 : 0));
        for (int i = -half; i <= half; ++i) {
            const int col = (j < 3) ? Ember : (std::abs(i) == half && half > 0 ? Gold : (j < 8 ? GoldLight : Gold));
            c.px(x + i, fy - 1 - j, pal(col));
        }
    }
    c.px(x, fy - 4, pal(White));
    c.px(x, fy - 5, pal(White));
    c.px(x, fy - 6, pal(White));
    for (int r = 9; r < 16; ++r)
        for (int a = 0; a < 48; ++a) {
            const float t = float(a) / 48.f * 2.f * kPi;
            const int gx = x + int(std::lround(std::cos(t) * float(r))), gy = fy - 6 + int(std::lround(std::sin(t) * float(r)));
            if (bayer(gx, gy) < 0.35f - float(r - 9) * 0.04f) c.blend(gx, gy, pal(GoldLight, 70));
        }
}

void coinPurse(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    for (int j = -12; j <= 12; ++j)
        for (int i = -15; i <= 15; ++i) {
            const float d = float(i * i) / 225.f + float(j * j) / 144.f;
            if (d > 1.f) continue;
            const float l = (-float(i) - float(j)) / 20.f;
            int col = Earth;
            if (l > 0.35f) col = EarthLight;
            if (l < -0.4f) col = EarthDeep;
            if (d > 0.8f && l < 0.f) col = EarthDeep;
            k.px(x + i, y + j, pal(col));
        }
    // Gathered neck, tie cord and frill.
    k.rect(x - 5, y - 15, 11, 4, pal(Earth));
    for (int i = -5; i <= 5; i += 2) k.px(x + i, y - 14, pal(EarthDeep));
    for (int i = -8; i <= 8; ++i) k.px(x + i, y - 17 - (std::abs(i) % 3 == 0 ? 1 : 0), pal(i < 0 ? EarthLight : Earth));
    k.rect(x - 7, y - 12, 15, 2, pal(Gold));
    for (int i = -7; i <= 7; ++i) k.px(x + i, y - 12, pal(GoldLight));
    k.px(x + 8, y - 10, pal(Gold));
    k.px(x + 9, y - 8, pal(Gold));
    // Stitching.
    for (int j = -6; j <= 8; j += 3) k.px(x - 10, y + j, pal(Sand));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 3, 2, 100), 0, 0);
}

void quillAndInk(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    // Ink pot.
    k.ellipse(x, y, 8, 3, pal(Night));
    k.rect(x - 8, y - 9, 17, 9, pal(Night));
    k.ellipse(x, y - 9, 8, 3, pal(Slate));
    k.ellipse(x, y - 9, 4, 1, pal(Ink));
    for (int j = y - 9; j <= y; ++j) {
        k.px(x - 7, j, pal(Steel));
        k.px(x - 6, j, pal(Slate));
    }
    k.px(x - 5, y - 5, pal(Silver));
    // Quill: shaft from the pot up-right, feather vanes.
    for (int i = 0; i < 34; ++i) {
        const int qx = x + 1 + i, qy = y - 10 - i / 2;
        k.px(qx, qy, pal(Sand));
        if (i > 8) {
            const int vane = std::min(4, (i - 8) / 3 + 1) - (i > 30 ? 2 : 0);
            for (int v = 1; v <= vane; ++v) {
                k.px(qx, qy - v, pal(v == vane ? Cloud : White));
                if (v < vane - 1) k.px(qx + 1, qy + v, pal(Silver));
            }
        }
    }
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 90), 0, 0);
}

void coinStack(Canvas& c, int x, int y, int n) {
    Canvas k(c.width(), c.height());
    // Coins from the bottom up: each shows a gold rim band with a dark seam under it.
    for (int i = 0; i < n; ++i) {
        const int cy = y - i * 3;
        const int wob = (i % 3 == 1) ? 1 : 0;
        k.ellipse(x + wob, cy + 1, 6, 3, pal(Ember));
        k.ellipse(x + wob, cy, 6, 3, pal(Gold));
        k.px(x + wob - 6, cy, pal(GoldLight));
        k.px(x + wob - 6, cy + 1, pal(GoldLight));
    }
    const int ty = y - (n - 1) * 3;
    const int tw = ((n - 1) % 3 == 1) ? 1 : 0;
    k.ellipse(x + tw, ty - 1, 6, 3, pal(GoldLight));
    k.ellipse(x + tw, ty - 1, 3, 1, pal(Gold));
    k.px(x + tw - 3, ty - 3, pal(White));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 1, 90), 0, 0);
}

void looseCoin(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    k.ellipse(x, y, 4, 2, pal(Gold));
    k.ellipse(x, y, 2, 1, pal(GoldLight));
    k.px(x + 3, y + 1, pal(Ember));
    k.px(x - 1, y - 1, pal(White));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 1, 1, 90), 0, 0);
}

void dagger(Canvas& c, int x, int y) {
    Canvas k(c.width(), c.height());
    for (int i = 0; i < 30; ++i) {
        k.px(x + i, y - i / 3, pal(Silver));
        k.px(x + i, y - i / 3 + 1, pal(i < 27 ? Steel : Silver));
    }
    k.px(x + 30, y - 10, pal(Cloud));
    for (int j = -4; j <= 4; ++j) k.px(x - 1 - (j > 0 ? 1 : 0), y + j, pal(Gold));
    for (int i = 0; i < 8; ++i) k.px(x - 2 - i, y + i / 3, pal(i % 2 ? Earth : EarthDeep));
    k.disc(x - 11, y + 3, 1, pal(Blood));
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 90), 0, 0);
}

// Round figurine base where a hero stands on the table.
void figureBase(Canvas& c, int cx, int cy, int rx, int ry) {
    Canvas k(c.width(), c.height());
    k.ellipse(cx, cy + 2, rx, ry, pal(EarthDeep));
    k.ellipse(cx, cy, rx, ry, pal(Earth));
    k.ellipse(cx, cy, rx - 2, std::max(1, ry - 1), pal(EarthDeep));
    for (int i = -rx; i <= rx; ++i) {
        const float t = float(i) / float(rx);
        const int yy = int(std::lround(std::sqrt(std::max(0.f, 1.f - t * t)) * float(ry)));
        k.px(cx + i, cy - yy, pal(i < 0 ? GoldLight : Gold)); // gilded rim
    }
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 80), 0, 0);
}

// Old map sheet with faint drawings where nothing else stands.
void mapSheet(Canvas& c, int x0, int y0, int x1, int y1, int seed) {
    Canvas m(c.width(), c.height());
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float e = std::min({float(x - x0), float(x1 - x), float(y - y0), float(y1 - y)});
            const float ragged = hashNoise(x, y, seed) * 2.f + valueNoise(float(x), float(y), 6, seed) * 2.f;
            if (e + ragged < 1.5f) continue;
            const float stain = valueNoise(float(x), float(y), 30, seed + 1);
            int col = SandLight;
            if (stain > 0.68f && bayer(x, y) < 0.5f) col = Sand;
            if (e < 4.f + ragged && bayer(x, y) < 0.6f) col = Sand;
            if (e < 2.f + ragged * 0.5f) col = EarthLight;
            m.px(x, y, pal(col));
        }
    // Fold creases.
    for (int y = y0 + 2; y < y1 - 1; ++y)
        if (m.opaque((x0 + x1) / 2, y)) m.px((x0 + x1) / 2, y, pal(Sand));
    for (int x = x0 + 2; x < x1 - 1; ++x)
        if (m.opaque(x, (y0 + y1) / 2)) m.px(x, (y0 + y1) / 2, pal(Sand));
    m.outline(pal(EarthDeep));
    c.blit(withDropShadow(m, 3, 3, 100), 0, 0);
}

void mapMountain(Canvas& c, int x, int y, int h) {
    for (int j = 0; j < h; ++j) {
        c.px(x - j, y - h + j + 1, pal(EarthLight));
        c.px(x + j, y - h + j + 1, pal(Earth));
    }
    c.px(x, y - h, pal(Earth));
}

void mapTree(Canvas& c, int x, int y) {
    c.px(x, y - 3, pal(Grass));
    c.rect(x - 1, y - 2, 3, 2, pal(Grass));
    c.px(x - 1, y - 2, pal(GrassLight));
    c.px(x, y, pal(Earth));
}

void compassRose(Canvas& c, int cx, int cy, int r) {
    for (int i = -r; i <= r; ++i) {
        const int w = (r - std::abs(i)) / 3;
        for (int k = -w; k <= w; ++k) {
            c.px(cx + k, cy + i, pal(k <= 0 ? Earth : EarthDeep));
            c.px(cx + i, cy + k, pal(k <= 0 ? Earth : EarthDeep));
        }
    }
    c.px(cx, cy - r - 2, pal(Blood));
    c.px(cx - 1, cy - r - 1, pal(Blood));
    c.px(cx + 1, cy - r - 1, pal(Blood));
    for (int a = 0; a < 40; ++a) {
        const float t = float(a) / 40.f * 2.f * kPi;
        c.px(cx + int(std::lround(std::cos(t) * float(r - 3))), cy + int(std::lround(std::sin(t) * float(r - 3))), pal(EarthLight));
    }
}

void dottedRoute(Canvas& c, const int (*pts)[2], int n) {
    int step = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const int dx = pts[i + 1][0] - pts[i][0], dy = pts[i + 1][1] - pts[i][1];
        const int len = std::max(std::abs(dx), std::abs(dy));
        for (int s = 0; s < len; ++s, ++step)
            if (step % 4 < 2) c.px(pts[i][0] + dx * s / len, pts[i][1] + dy * s / len, pal(Blood));
    }
    const int ex = pts[n - 1][0], ey = pts[n - 1][1];
    for (int d = -2; d <= 2; ++d) {
        c.px(ex + d, ey + d, pal(Blood));
        c.px(ex + d, ey - d, pal(Blood));
    }
}

// Paper pad: ruled white sheets with a red margin, a spiral binding on top and a curled corner.
// The rules sit one pixel under the baselines of the game's stat-sheet lines (first baseline
// and line step in art pixels), so the black text lies on them.
void notePad(Canvas& c, int x0, int y0, int x1, int y1, float firstBaseline, float lineStep) {
    Canvas p(c.width(), c.height());
    // Sheets underneath, showing the pad's thickness.
    for (int k = 2; k >= 1; --k)
        for (int y = y0 + 4; y <= y1 + k; ++y)
            for (int x = x0 + k; x <= x1 + k; ++x) p.px(x, y, pal(k == 2 ? Silver : Cloud));
    const int curl = 10;
    for (int y = y0 + 4; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (x - x0 + y - y0 < 0) continue;
            if ((x1 - x) + (y1 - y) < curl) continue; // folded corner
            int col = White;
            if (x > x1 - 3 || y > y1 - 2) col = Cloud;
            if (x > x0 + 1 && x < x1 - 1 && y < y1 - 3)
                for (int i = 0; i < 20; ++i)
                    if (y == int(firstBaseline + float(i) * lineStep) + 1) col = Foam;
            if (x == x0 + 4) col = Blood;
            p.px(x, y, pal(col));
        }
    // The turned-up corner: the cut-away triangle folded back over the page (its back shows).
    for (int y = y1 - curl; y <= y1; ++y)
        for (int x = x1 - curl; x <= x1; ++x) {
            const int k = (x1 - x) + (y1 - y);
            if (k < curl) continue;
            p.px(x, y, pal(k == curl ? Steel : Silver));
        }
    p.outline(pal(Ink));
    c.blit(withDropShadow(p, 3, 3, 110), 0, 0);
    // Spiral binding along the top edge.
    Canvas s(c.width(), c.height());
    for (int x = x0 + 8; x < x1 - 6; x += 9) {
        s.px(x, y0 + 6, pal(Ink)); // punched hole
        s.px(x + 1, y0 + 6, pal(Ink));
        for (int j = 0; j < 6; ++j) {
            s.px(x + (j > 2 ? 1 : 0), y0 + j, pal(j < 2 ? Cloud : Silver));
            s.px(x + 1 + (j > 2 ? 1 : 0), y0 + j, pal(Steel));
        }
    }
    s.outline(pal(Ink));
    c.blit(s, 0, 0);
}

void pencil(Canvas& c, int x, int y, int len) {
    Canvas k(c.width(), c.height());
    for (int i = 0; i < len; ++i) {
        const int px = x + i, py = y + i / 6;
        int body = i < 4 ? Sand : (i < len - 5 ? Gold : (i < len - 2 ? Blood : Silver));
        if (i < 2) body = Ink;
        k.px(px, py, pal(body == Gold ? GoldLight : body));
        k.px(px, py + 1, pal(body));
        k.px(px, py + 2, pal(body == Gold ? Ember : body));
    }
    k.outline(pal(Ink));
    c.blit(withDropShadow(k, 2, 2, 90), 0, 0);
}

} // namespace menus
