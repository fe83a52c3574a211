#include "art.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

namespace art {

namespace {

const sf::Color kPalette[PalCount] = {
    {20, 16, 24},    // Ink
    {34, 32, 52},    // Night
    {58, 64, 88},    // Slate
    {92, 104, 128},  // Steel
    {150, 162, 178}, // Silver
    {214, 222, 226}, // Cloud
    {250, 246, 236}, // White
    {38, 72, 46},    // GrassDeep
    {70, 118, 56},   // Grass
    {118, 160, 72},  // GrassLight
    {52, 96, 60},    // Leaf
    {96, 142, 76},   // LeafLight
    {62, 40, 32},    // EarthDeep
    {112, 74, 48},   // Earth
    {164, 116, 72},  // EarthLight
    {206, 168, 108}, // Sand
    {234, 208, 150}, // SandLight
    {30, 58, 104},   // WaterDeep
    {44, 98, 150},   // Water
    {86, 146, 190},  // WaterLight
    {176, 216, 230}, // Foam
    {92, 24, 36},    // BloodDeep
    {164, 44, 48},   // Blood
    {214, 104, 52},  // Ember
    {214, 166, 60},  // Gold
    {246, 218, 120}, // GoldLight
    {76, 48, 96},    // Plum
    {130, 90, 150},  // PlumLight
    {232, 182, 146}, // Skin
    {184, 128, 104}, // SkinShade
    {40, 112, 112},  // Teal
    {92, 176, 160},  // TealLight
};

// 5x7 glyphs, one string of 7 rows of 5 characters ('#' = ink).
const std::map<char, const char*>& glyphs() {
    static const std::map<char, const char*> g = {
        {'A', " ### #   ##   #######   ##   ##   #"}, {'B', "#### #   ##   ##### #   ##   ##### "},
        {'C', " ### #   ##    #    #    #   # ### "}, {'D', "#### #   ##   ##   ##   ##   ##### "},
        {'E', "######    #### #    #    #    #####"}, {'F', "######    #### #    #    #    #    "},
        {'G', " ### #   ##    # ####   ##   # ####"}, {'H', "#   ##   #######   ##   ##   ##   #"},
        {'I', " ###   #    #    #    #    #   ### "}, {'J', "  ###   #    #    #    ##   # ###  "},
        {'K', "#   ##  # # #  ##   # #  #  # #   #"}, {'L', "#    #    #    #    #    #    #####"},
        {'M', "#   ### ### # ##   ##   ##   ##   #"}, {'N', "#   ###  ## # ##  ###   ##   ##   #"},
        {'O', " ### #   ##   ##   ##   ##   # ### "}, {'P', "#### #   ##   ##### #    #    #    "},
        {'Q', " ### #   ##   ##   ## # ##  #  ## #"}, {'R', "#### #   ##   ##### # #  #  # #   #"},
        {'S', " #####    #     ###     #    ##### "}, {'T', "#####  #    #    #    #    #    #  "},
        {'U', "#   ##   ##   ##   ##   ##   # ### "}, {'V', "#   ##   ##   ##   # # #  # #   #  "},
        {'W', "#   ##   ##   ## # ## # ## # # # # "}, {'X', "#   # # #   #    #   # # #   ##   #"},
        {'Y', "#   # # #   #    #    #    #    #  "}, {'Z', "#####    #   #   #   #   #    #####"},
        {'0', " ### #   ##  ### # ###  ##   # ### "}, {'1', "  #   ##    #    #    #    #   ### "},
        {'2', " ### #   #    #   #   #   #   #####"}, {'3', "#####   #   #     #     ##   # ### "},
        {'4', "   #   ##  # # #  # #####   #    # "}, {'5', "######    ####     #    ##   # ### "},
        {'6', "  ##  #   #    #### #   ##   # ### "}, {'7', "#####    #   #   #   #    #    #   "},
        {'8', " ### #   ##   # ### #   ##   # ### "}, {'9', " ### #   ##   # ####    #   #  ##  "},
        {' ', "                                   "}, {'.', "                          ##   ##  "},
        {',', "                     ##    #   #   "}, {':', "      ##   ##        ##   ##       "},
        {'!', "  #    #    #    #    #         #  "}, {'?', " ### #   #    #   #   #         #  "},
        {'-', "               ###                 "}, {'+', "       #    #  #####  #    #       "},
        {'%', "##   ##  #   #   #   #   #  ##   ##"}, {'/', "    #    #   #   #   #   #    #    "},
        {'\'', "  #    #   #                       "}, {'&', " ##  #  # # #   #   # # ##  #  ## #"},
    };
    return g;
}

} // namespace

sf::Color pal(int index, std::uint8_t alpha) {
    sf::Color c = kPalette[std::clamp(index, 0, PalCount - 1)];
    c.a = alpha;
    return c;
}

float hashNoise(int x, int y, int seed) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + std::uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / float(0x1000000);
}

float valueNoise(float x, float y, int period, int seed) {
    const float fx = x / float(period), fy = y / float(period);
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const float tx = fx - float(x0), ty = fy - float(y0);
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float a = hashNoise(x0, y0, seed), b = hashNoise(x0 + 1, y0, seed);
    const float c = hashNoise(x0, y0 + 1, seed), d = hashNoise(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (float(m[y & 3][x & 3]) + 0.5f) / 16.f;
}

Canvas::Canvas(unsigned width, unsigned height, sf::Color fillColor) : w_(width), h_(height) {
    img_.create(width, height, fillColor);
}

void Canvas::px(int x, int y, sf::Color c) {
    if (inside(x, y)) img_.setPixel(unsigned(x), unsigned(y), c);
}

void Canvas::blend(int x, int y, sf::Color c) {
    if (!inside(x, y) || c.a == 0) return;
    if (c.a == 255) {
        img_.setPixel(unsigned(x), unsigned(y), c);
        return;
    }
    const sf::Color d = img_.getPixel(unsigned(x), unsigned(y));
    const float a = c.a / 255.f, da = d.a / 255.f;
    const float oa = a + da * (1 - a);
    auto mix = [&](std::uint8_t s, std::uint8_t t) {
        return std::uint8_t(std::lround((s * a + t * da * (1 - a)) / (oa > 0 ? oa : 1)));
    };
    img_.setPixel(unsigned(x), unsigned(y), sf::Color(mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), std::uint8_t(std::lround(oa * 255))));
}

sf::Color Canvas::get(int x, int y) const {
    return inside(x, y) ? img_.getPixel(unsigned(x), unsigned(y)) : sf::Color::Transparent;
}

void Canvas::fill(sf::Color c) { rect(0, 0, int(w_), int(h_), c); }

void Canvas::rect(int x, int y, int w, int h, sf::Color c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) px(i, j, c);
}

void Canvas::frame(int x, int y, int w, int h, sf::Color c) {
    for (int i = x; i < x + w; ++i) {
        px(i, y, c);
        px(i, y + h - 1, c);
    }
    for (int j = y; j < y + h; ++j) {
        px(x, j, c);
        px(x + w - 1, j, c);
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, sf::Color c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        px(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Canvas::ellipse(int cx, int cy, int rx, int ry, sf::Color c) {
    if (rx < 0 || ry < 0) return;
    const float frx = float(rx) + 0.5f, fry = float(ry) + 0.5f;
    for (int y = -ry; y <= ry; ++y)
        for (int x = -rx; x <= rx; ++x)
            if ((x * x) / (frx * frx) + (y * y) / (fry * fry) <= 1.f) px(cx + x, cy + y, c);
}

void Canvas::dither(int x, int y, int w, int h, sf::Color a, sf::Color b, float ratio) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) px(i, j, bayer(i, j) < ratio ? b : a);
}

void Canvas::fillIf(const std::function<bool(int, int)>& test, sf::Color c) {
    for (int y = 0; y < int(h_); ++y)
        for (int x = 0; x < int(w_); ++x)
            if (test(x, y)) px(x, y, c);
}

void Canvas::outline(sf::Color c) {
    sf::Image copy = img_;
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < int(w_) && y < int(h_) && copy.getPixel(unsigned(x), unsigned(y)).a > 0;
    };
    for (int y = 0; y < int(h_); ++y)
        for (int x = 0; x < int(w_); ++x)
            if (!solid(x, y) && (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)))
                img_.setPixel(unsigned(x), unsigned(y), c);
}

void Canvas::rimLight(sf::Color light, sf::Color shade) {
    sf::Image copy = img_;
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < int(w_) && y < int(h_) && copy.getPixel(unsigned(x), unsigned(y)).a > 0;
    };
    for (int y = 0; y < int(h_); ++y)
        for (int x = 0; x < int(w_); ++x) {
            if (!solid(x, y)) continue;
            if (!solid(x - 1, y) || !solid(x, y - 1)) blend(x, y, light);
            else if (!solid(x + 1, y) || !solid(x, y + 1)) blend(x, y, shade);
        }
}

void Canvas::blit(const Canvas& src, int dx, int dy, bool mirror) {
    blitRect(src, 0, 0, int(src.width()), int(src.height()), dx, dy, mirror);
}

void Canvas::blitRect(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy, bool mirror) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const sf::Color c = src.get(sx + (mirror ? w - 1 - x : x), sy + y);
            if (c.a) blend(dx + x, dy + y, c);
        }
}

void Canvas::recolor(sf::Color from, sf::Color to) {
    for (unsigned y = 0; y < h_; ++y)
        for (unsigned x = 0; x < w_; ++x)
            if (img_.getPixel(x, y) == from) img_.setPixel(x, y, to);
}

int Canvas::text(int x, int y, const std::string& s, sf::Color c, int scale) {
    int pen = x;
    for (char ch : s) {
        const char up = char(std::toupper(static_cast<unsigned char>(ch)));
        auto it = glyphs().find(up);
        const char* rows = it != glyphs().end() ? it->second : glyphs().at('?');
        for (int gy = 0; gy < 7; ++gy)
            for (int gx = 0; gx < 5; ++gx)
                if (rows[gy * 5 + gx] == '#') rect(pen + gx * scale, y + gy * scale, scale, scale, c);
        pen += 6 * scale;
    }
    return pen - x - (s.empty() ? 0 : scale);
}

int Canvas::textWidth(const std::string& s, int scale) {
    return s.empty() ? 0 : int(s.size()) * 6 * scale - scale;
}

bool Canvas::save(const std::string& path) const {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (!img_.saveToFile(path)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

Sheet::Sheet(unsigned frameW, unsigned frameH, unsigned cols, unsigned rows)
    : fw_(frameW), fh_(frameH), sheet_(frameW * cols, frameH * rows) {}

void Sheet::frame(unsigned col, unsigned row, const std::function<void(Canvas&)>& draw) {
    Canvas f(fw_, fh_);
    draw(f);
    sheet_.blit(f, int(col * fw_), int(row * fh_));
}

namespace {
std::string& rootRef() {
    static std::string root = "Assets";
    return root;
}
} // namespace

const std::string& outputRoot() { return rootRef(); }
void setOutputRoot(const std::string& root) { rootRef() = root; }
std::string out(const std::string& relative) { return rootRef() + "/" + relative; }

} // namespace art
