// Drawing kit shared by every picture the asset generator makes.
// One palette, one light direction (top-left), one outline rule: see docs/art-direction.md.
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cstdint>
#include <functional>
#include <string>

namespace art {

// The game's palette. Every picture draws only with these colours (plus alpha).
// Ramps run dark -> light; pick neighbours on a ramp for shading.
enum Pal : int {
    Ink = 0,      // outlines, deepest shadow
    Night,        // very dark blue
    Slate,        // dark blue-grey
    Steel,        // mid blue-grey
    Silver,       // light grey-blue
    Cloud,        // near white
    White,
    GrassDeep,    // greens
    Grass,
    GrassLight,
    Leaf,
    LeafLight,
    EarthDeep,    // browns (roads, wood, trunks)
    Earth,
    EarthLight,
    Sand,
    SandLight,
    WaterDeep,    // blues
    Water,
    WaterLight,
    Foam,
    BloodDeep,    // reds (enemies, danger)
    Blood,
    Ember,        // orange
    Gold,         // yellows
    GoldLight,
    Plum,         // purples (magic, dusk)
    PlumLight,
    Skin,
    SkinShade,
    Teal,
    TealLight,
    PalCount
};

sf::Color pal(int index, std::uint8_t alpha = 255);

// Deterministic value noise in [0, 1): same inputs, same output, every run.
float hashNoise(int x, int y, int seed);
// Smooth value noise (bilinear between lattice points of the given period).
float valueNoise(float x, float y, int period, int seed);
// Ordered 4x4 Bayer threshold in [0, 1).
float bayer(int x, int y);

class Canvas {
public:
    Canvas(unsigned width, unsigned height, sf::Color fill = sf::Color::Transparent);

    unsigned width() const { return w_; }
    unsigned height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < int(w_) && y < int(h_); }

    void px(int x, int y, sf::Color c);              // overwrite (clipped)
    void blend(int x, int y, sf::Color c);           // alpha-blend over (clipped)
    sf::Color get(int x, int y) const;               // transparent outside
    bool opaque(int x, int y) const { return get(x, y).a > 0; }

    void fill(sf::Color c);
    void rect(int x, int y, int w, int h, sf::Color c);          // filled
    void frame(int x, int y, int w, int h, sf::Color c);         // 1px border
    void line(int x0, int y0, int x1, int y1, sf::Color c);
    void ellipse(int cx, int cy, int rx, int ry, sf::Color c);   // filled
    void disc(int cx, int cy, int r, sf::Color c) { ellipse(cx, cy, r, r, c); }
    // Two-colour ordered dither inside a rectangle: ratio 0 -> all a, 1 -> all b.
    void dither(int x, int y, int w, int h, sf::Color a, sf::Color b, float ratio);
    // Fill where the predicate says so.
    void fillIf(const std::function<bool(int, int)>& inside, sf::Color c);

    // Adds a 1px outline of colour c around every opaque pixel (4-neighbour), outside the shape.
    void outline(sf::Color c);
    // Darkens the bottom-right rim and lightens the top-left rim of the opaque shape.
    void rimLight(sf::Color light, sf::Color shade);
    // Copies another canvas in (alpha-blended), optionally mirrored horizontally.
    void blit(const Canvas& src, int dx, int dy, bool mirror = false);
    // Copies a sub-rectangle of another canvas.
    void blitRect(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy, bool mirror = false);
    // Replaces every pixel of colour `from` with `to`.
    void recolor(sf::Color from, sf::Color to);

    // Text in the generator's 5x7 pixel font, scale >= 1; returns the drawn width.
    int text(int x, int y, const std::string& s, sf::Color c, int scale = 1);
    static int textWidth(const std::string& s, int scale = 1);

    const sf::Image& image() const { return img_; }
    sf::Image& image() { return img_; }
    // Writes a PNG, creating folders as needed. Returns false on failure.
    bool save(const std::string& path) const;

private:
    unsigned w_, h_;
    sf::Image img_;
};

// A sheet of equally sized frames laid out in rows (the layout the game's animations read).
class Sheet {
public:
    Sheet(unsigned frameW, unsigned frameH, unsigned cols, unsigned rows);
    // Draws one frame: the callback gets a blank canvas of one frame's size.
    void frame(unsigned col, unsigned row, const std::function<void(Canvas&)>& draw);
    Canvas& canvas() { return sheet_; }
    bool save(const std::string& path) const { return sheet_.save(path); }

private:
    unsigned fw_, fh_;
    Canvas sheet_;
};

// Root folder the generator writes into (default "Assets").
const std::string& outputRoot();
void setOutputRoot(const std::string& root);
// outputRoot() + "/" + relative, where relative is given without the leading "Assets/".
std::string out(const std::string& relative);

} // namespace art
