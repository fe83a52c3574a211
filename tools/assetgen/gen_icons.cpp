#include "art.hpp"
#include "generators.hpp"

#include <cmath>
#include <string>

using namespace art;

namespace {

// The desktop icon: a playing card behind a heater shield, on a rounded night-blue tile.
// Drawn on a coarse grid (16 or 32 art pixels, each a square of screen pixels) so that it
// keeps the pixel look of the game's own pictures at every size.
constexpr float kDesign = 32.f; // the shapes below are laid out on a 32 x 32 design square

// Art pixel (x, y) of a grid of n, in design units (its centre).
float unit(int p, int n) { return (static_cast<float>(p) + 0.5f) * kDesign / static_cast<float>(n); }

bool insideRoundedSquare(float u, float v, float low, float high, float radius) {
    const float cu = std::fmax(std::fmax(low + radius - u, u - (high - radius)), 0.f);
    const float cv = std::fmax(std::fmax(low + radius - v, v - (high - radius)), 0.f);
    return u >= low && u <= high && v >= low && v <= high && cu * cu + cv * cv <= radius * radius;
}

// Straight sides from the top to its middle, then curving in to the point at the bottom.
bool insideShield(float u, float v) {
    constexpr float centre = 13.f, halfWidth = 8.5f, top = 10.f, shoulder = 17.f, point = 28.5f;
    if (v < top || v > point) return false;
    float half = halfWidth;
    if (v > shoulder) {
        const float t = (v - shoulder) / (point - shoulder);
        half = halfWidth * std::sqrt(std::fmax(0.f, 1.f - t * t));
    }
    return std::fabs(u - centre) <= half;
}

Canvas drawIcon(int n) {
    Canvas tile(n, n);
    tile.fillIf([n](int x, int y) { return insideRoundedSquare(unit(x, n), unit(y, n), 1.f, 31.f, 5.f); }, pal(Night));
    // Light from the top-left: the upper-left of the tile fades towards slate.
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (tile.opaque(x, y) && bayer(x, y) < 0.55f - (unit(x, n) + unit(y, n)) / 64.f) tile.px(x, y, pal(Slate));
    tile.outline(pal(Ink));

    Canvas card(n, n);
    card.fillIf([n](int x, int y) {
        return unit(x, n) >= 15.f && unit(x, n) <= 27.f && unit(y, n) >= 4.f && unit(y, n) <= 21.f;
    }, pal(Cloud));
    card.fillIf([n](int x, int y) {
        const float u = unit(x, n), v = unit(y, n);
        const bool edge = u < 16.2f || u > 25.8f || v < 5.2f || v > 19.8f;
        return u >= 15.f && u <= 27.f && v >= 4.f && v <= 21.f && edge;
    }, pal(Gold));
    // The card's pip: a red diamond in its free upper-right part.
    card.fillIf([n](int x, int y) { return std::fabs(unit(x, n) - 24.f) + std::fabs(unit(y, n) - 9.5f) <= 2.6f; },
                pal(Blood));
    card.outline(pal(Ink));
    tile.blit(card, 0, 0);

    Canvas shield(n, n);
    shield.fillIf([n](int x, int y) { return insideShield(unit(x, n), unit(y, n)); }, pal(Steel));
    // The lit left half, then a gold cross over the field.
    shield.fillIf([n](int x, int y) { return insideShield(unit(x, n), unit(y, n)) && unit(x, n) < 13.f; }, pal(Silver));
    shield.fillIf([n](int x, int y) {
        const float u = unit(x, n), v = unit(y, n);
        return insideShield(u, v) && (std::fabs(u - 13.f) <= 1.6f || std::fabs(v - 16.f) <= 1.6f);
    }, pal(Gold));
    shield.rimLight(pal(Cloud), pal(Slate));
    shield.outline(pal(Ink));
    tile.blit(shield, 0, 0);
    return tile;
}

// Each art pixel becomes a scale x scale square.
Canvas enlarged(const Canvas& art, int scale) {
    Canvas big(art.width() * scale, art.height() * scale);
    for (int y = 0; y < int(big.height()); ++y)
        for (int x = 0; x < int(big.width()); ++x) big.px(x, y, art.get(x / scale, y / scale));
    return big;
}

// Icons live outside the game's data: by default in dist/icons of the repository (the
// generator runs from its root), else in <--out DIR>/icons.
std::string iconPath(int size) {
    const std::string root = outputRoot() == "Assets" ? std::string("dist") : outputRoot();
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    return root + "/icons/hicolor/" + folder + "/apps/org.ostrevald.Ostrevald.png";
}

} // namespace

void genIcons() {
    // 48 = 24 art pixels of 2; 128 and 256 = 32 art pixels of 4 and 8.
    enlarged(drawIcon(24), 2).save(iconPath(48));
    enlarged(drawIcon(32), 4).save(iconPath(128));
    enlarged(drawIcon(32), 8).save(iconPath(256));
}
