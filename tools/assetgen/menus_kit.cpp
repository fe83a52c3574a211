#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace menus {

Canvas upscale(const Canvas& src, int k) {
    Canvas out(src.width() * unsigned(k), src.height() * unsigned(k));
    for (int y = 0; y < int(src.height()); ++y)
        for (int x = 0; x < int(src.width()); ++x) {
            const sf::Color c = src.get(x, y);
            if (c.a) out.rect(x * k, y * k, k, k, c);
        }
    return out;
}

Canvas padTo(const Canvas& src, unsigned w, unsigned h, int dx, int dy) {
    Canvas out(w, h);
    out.blit(src, dx, dy);
    return out;
}

Canvas stackRows(const Canvas& top, const Canvas& bottom) {
    Canvas out(std::max(top.width(), bottom.width()), top.height() + bottom.height());
    out.blit(top, 0, 0);
    out.blit(bottom, 0, int(top.height()));
    return out;
}

void shadowText(Canvas& c, int x, int y, const std::string& s, sf::Color col, int scale) {
    c.text(x + 1, y + 1, s, pal(Ink), scale);
    c.text(x, y, s, col, scale);
}

void shadowTextCentred(Canvas& c, int cx, int y, const std::string& s, sf::Color col, int scale) {
    shadowText(c, cx - Canvas::textWidth(s, scale) / 2, y, s, col, scale);
}

Canvas metalLetters(const std::string& s, int scale, int depth, Metal metal, int spacing) {
    const int advance = 6 * scale + spacing;
    const int tw = s.empty() ? 0 : int(s.size()) * advance - scale - spacing, th = 7 * scale;
    Canvas mask{unsigned(std::max(tw, 1)), unsigned(th)};
    for (std::size_t i = 0; i < s.size(); ++i) mask.text(int(i) * advance, 0, std::string(1, s[i]), pal(White), scale);

    int hi = White, light = GoldLight, mid = Gold, shade = Ember, side = Earth, sideDeep = EarthDeep;
    if (metal == Metal::Blood) {
        hi = Ember; light = Ember; mid = Blood; shade = BloodDeep; side = BloodDeep; sideDeep = Ink;
    } else if (metal == Metal::Silver) {
        hi = White; light = Cloud; mid = Silver; shade = Steel; side = Slate; sideDeep = Night;
    }

    Canvas c{unsigned(tw + depth + 2), unsigned(th + depth + 2)};
    // Extrusion first, deepest layer last-drawn underneath the face.
    for (int d = depth; d >= 1; --d)
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x)
                if (mask.opaque(x, y)) c.px(1 + x + d, 1 + y + d, pal(d == depth ? sideDeep : side));
    // Face: lit from the top, with a bright rim along top and left edges of every stroke.
    const int ramp[4] = {light, light, mid, shade};
    for (int y = 0; y < th; ++y)
        for (int x = 0; x < tw; ++x) {
            if (!mask.opaque(x, y)) continue;
            const float r = (float(y) + 0.5f) / float(th);
            sf::Color col = rampDither(ramp, 4, r, x, y, 0.6f);
            if (!mask.opaque(x, y - 1)) col = pal(r < 0.5f ? hi : light);
            else if (!mask.opaque(x - 1, y) && r < 0.6f) col = pal(light);
            else if (!mask.opaque(x, y + 1)) col = pal(shade);
            c.px(1 + x, 1 + y, col);
        }
    c.outline(pal(Ink));
    return c;
}

void glow(Canvas& c, int palIndex, int rings, int alpha0) {
    for (int r = 0; r < rings; ++r) {
        const int a = alpha0 / (r + 1) - r * 20;
        Canvas copy = c;
        for (int y = 0; y < int(c.height()); ++y)
            for (int x = 0; x < int(c.width()); ++x) {
                if (copy.opaque(x, y)) continue;
                if (copy.opaque(x - 1, y) || copy.opaque(x + 1, y) || copy.opaque(x, y - 1) || copy.opaque(x, y + 1))
                    c.px(x, y, pal(palIndex, std::uint8_t(std::clamp(a, 20, 255))));
            }
    }
}

Canvas withDropShadow(const Canvas& c, int dx, int dy, int alpha) {
    Canvas out(c.width() + unsigned(dx), c.height() + unsigned(dy));
    for (int y = 0; y < int(out.height()); ++y)
        for (int x = 0; x < int(out.width()); ++x)
            if (c.opaque(x - dx, y - dy)) out.px(x, y, pal(Ink, std::uint8_t(alpha)));
    out.blit(c, 0, 0);
    return out;
}

sf::Color rampDither(const int* ramp, int n, float t, int x, int y, float soft) {
    t = std::clamp(t, 0.f, 1.f);
    const float p = t * float(n - 1);
    const int i = std::min(int(p), n - 2);
    const float f = p - float(i);
    const float lo = 0.5f - soft / 2, hi = 0.5f + soft / 2;
    float ratio;
    if (f <= lo) ratio = 0;
    else if (f >= hi) ratio = 1;
    else ratio = (f - lo) / (hi - lo);
    return pal(bayer(x, y) < ratio ? ramp[i + 1] : ramp[i]);
}

void vignette(Canvas& c, int alphaCentre, int alphaEdge, float reach) {
    const float hw = float(c.width()) / 2, hh = float(c.height()) / 2;
    for (int y = 0; y < int(c.height()); ++y)
        for (int x = 0; x < int(c.width()); ++x) {
            const float dx = (float(x) + 0.5f - hw) / hw, dy = (float(y) + 0.5f - hh) / hh;
            const float d = std::sqrt(dx * dx * 0.8f + dy * dy * 0.6f);
            const float e = std::clamp((d - (1 - reach)) / reach, 0.f, 1.f);
            const float a = float(alphaCentre) + float(alphaEdge - alphaCentre) * e;
            // Two neighbouring alpha steps, chosen by the Bayer threshold.
            const float step = 32;
            const float lo = std::floor(a / step) * step;
            const float pick = (a - lo) / step;
            const int alpha = int(bayer(x, y) < pick ? lo + step : lo);
            if (alpha > 0) c.blend(x, y, pal(Ink, std::uint8_t(std::min(alpha, 255))));
        }
}

void woodPlaque(Canvas& c, int x, int y, int w, int h, bool lit, int frame, int seed) {
    const int base = lit ? EarthLight : Earth;
    const int dark = lit ? Earth : EarthDeep;
    const int light = lit ? Sand : EarthLight;
    const int top = lit ? SandLight : Sand;
    Canvas b{unsigned(w), unsigned(h)};
    auto corner = [&](int i, int j) { return (i == 0 || i == w - 1) && (j == 0 || j == h - 1); };
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (corner(i, j)) continue;
            // Long horizontal grain: slow along x, fast along y.
            const float g = valueNoise(float(i) * 0.22f, float(j) * 1.6f, 3, seed) * 0.75f + hashNoise(i, j, seed) * 0.25f;
            b.px(i, j, pal(g > 0.68f ? light : (g < 0.27f ? dark : base)));
        }
    // Vertical plank joints in the border bands.
    for (int i = 18 + seed % 7; i < w - 8; i += 29)
        for (int j = 1; j < h - 1; ++j) {
            if (j >= frame && j < h - frame) continue;
            b.px(i, j, pal(dark));
            b.px(i + 1, j, pal(light));
        }
    // Bevelled rim: light on top and left, dark on bottom and right.
    for (int i = 1; i < w - 1; ++i) {
        b.px(i, 0, pal(top));
        b.px(i, h - 1, pal(dark));
    }
    for (int j = 1; j < h - 1; ++j) {
        b.px(0, j, pal(light));
        b.px(w - 1, j, pal(dark));
    }
    // Carved inset for the label: deep wood, shadowed along its top and left edges.
    // A one-pixel border leaves no room for it: the label then sits on the grain.
    const int ix = frame, iy = frame, iw = w - 2 * frame, ih = h - 2 * frame;
    if (frame > 1 && iw > 2 && ih > 2) {
        for (int j = iy; j < iy + ih; ++j)
            for (int i = ix; i < ix + iw; ++i) {
                const float g = valueNoise(float(i) * 0.2f, float(j) * 1.4f, 3, seed + 11);
                b.px(i, j, pal(g > 0.74f ? (lit ? Earth : EarthDeep) : EarthDeep));
                if (lit && g > 0.8f) b.px(i, j, pal(Earth));
            }
        for (int i = ix; i < ix + iw; ++i) {
            b.px(i, iy, pal(Ink));
            b.px(i, iy + ih - 1, pal(light));
        }
        for (int j = iy; j < iy + ih; ++j) {
            b.px(ix, j, pal(Ink));
            b.px(ix + iw - 1, j, pal(j == iy ? Ink : light));
        }
    }
    // Corner brackets with a rivet.
    const int metal = lit ? Gold : Slate, metalHi = lit ? GoldLight : Steel, rivet = lit ? White : Silver;
    const int arm = std::max(4, std::min(7, frame * 2));
    const int thick = std::max(1, std::min(2, frame - 1));
    const int cxs[2] = {0, w - 1}, cys[2] = {0, h - 1};
    for (int a = 0; a < 2; ++a)
        for (int bb = 0; bb < 2; ++bb) {
            const int cx = cxs[a], cy = cys[bb];
            const int sx = a == 0 ? 1 : -1, sy = bb == 0 ? 1 : -1;
            for (int k = 0; k < arm; ++k)
                for (int t = 0; t < thick; ++t) {
                    b.px(cx + sx * k, cy + sy * t, pal(t == 0 && sy > 0 ? metalHi : metal));
                    b.px(cx + sx * t, cy + sy * k, pal(t == 0 && sx > 0 ? metalHi : metal));
                }
            if (corner(cx, cy)) b.px(cx, cy, sf::Color::Transparent);
            b.px(cx + sx, cy + sy, pal(rivet));
        }
    c.blit(b, x, y);
}

namespace {

void drawIcon(Canvas& c, int icon, int x, int y, int size, bool lit) {
    if (icon == 1) {
        // Arrow pointing right.
        const int h = size, mid = y + h / 2;
        for (int j = 0; j < h; ++j) {
            const int half = std::min(j, h - 1 - j);
            for (int i = 0; i <= half; ++i) c.px(x + size / 3 + i, y + j, pal(lit ? GoldLight : White));
        }
        c.rect(x, mid - 1, size / 3 + 1, 3 - (h % 2 == 0 ? 1 : 0), pal(lit ? GoldLight : White));
    } else if (icon == 2) {
        // Gold coin.
        const int r = size / 2;
        c.disc(x + r, y + r, r, pal(Ink));
        c.disc(x + r, y + r, r - 1, pal(lit ? GoldLight : Gold));
        c.disc(x + r, y + r, r - 3 > 0 ? r - 3 : 0, pal(lit ? Gold : Ember));
        c.px(x + r - r / 2, y + r - r / 2, pal(White));
    }
}

} // namespace

Canvas buttonArt(const std::string& label, const ButtonLook& look, bool lit, int seed) {
    const int g = 3; // outline plus two glow rings
    const int boardY = look.ring ? 5 : g;
    const int W = look.boardW + 2 * g, H = boardY + look.boardH + g;
    Canvas c{unsigned(W), unsigned(H)};
    const int cx = W / 2;

    if (look.ring) {
        // Iron (gold when lit) ring the chain hooks into; its lower half hides behind the board.
        Canvas ring{unsigned(W), unsigned(H)};
        ring.disc(cx, 3, 3, pal(lit ? Gold : Steel));
        ring.px(cx - 2, 1, pal(lit ? GoldLight : Silver));
        ring.px(cx - 1, 0, pal(lit ? GoldLight : Silver));
        ring.disc(cx, 3, 1, sf::Color::Transparent);
        ring.px(cx + 2, 5, pal(lit ? Ember : Slate));
        ring.outline(pal(Ink));
        c.blit(ring, 0, 0);
    }

    Canvas board{unsigned(W), unsigned(H)};
    woodPlaque(board, g, boardY, look.boardW, look.boardH, lit, look.frame, seed);
    if (look.ring) {
        // Mounting plate where the ring is bolted.
        board.rect(cx - 3, boardY, 7, 2, pal(lit ? Gold : Slate));
        board.px(cx - 2, boardY, pal(lit ? GoldLight : Steel));
        board.px(cx, boardY, pal(lit ? White : Silver));
    }
    board.outline(pal(Ink));
    c.blit(board, 0, 0);

    const int ts = look.textScale;
    const int iconSize = look.icon ? 7 * ts : 0;
    const int gap = look.icon ? 2 * ts + 1 : 0;
    const int tw = Canvas::textWidth(label, ts);
    const int total = tw + gap + iconSize;
    const int tx = g + (look.boardW - total + 1) / 2;
    const int ty = boardY + (look.boardH - 7 * ts) / 2;
    shadowText(c, tx, ty, label, pal(lit ? GoldLight : White), ts);
    if (look.icon) {
        Canvas ic{unsigned(iconSize + 2), unsigned(iconSize + 2)};
        drawIcon(ic, look.icon, 0, 0, iconSize, lit);
        Canvas sh{unsigned(iconSize + 2), unsigned(iconSize + 2)};
        for (int y = 0; y < iconSize; ++y)
            for (int x = 0; x < iconSize; ++x)
                if (ic.opaque(x, y)) sh.px(x + 1, y + 1, pal(Ink));
        c.blit(sh, tx + tw + gap, ty);
        c.blit(ic, tx + tw + gap, ty);
    }

    if (lit) glow(c, GoldLight, 2, 190);
    return c;
}

} // namespace menus
