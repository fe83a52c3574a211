// The campaign map drawn on parchment: green lands in the west, a river, the mountains, the
// desert in the east and the warlord's fortress at the end. Ten stages, one per level, are
// joined by the party's route; the map of the way from level n to level n + 1 shows the
// road travelled so far, the new leg and a pin on the next stage.
#include "loop_worldmap.hpp"
#include "menus_kit.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace art;

namespace transition {

namespace {

constexpr float kPi = 3.14159265f;
constexpr int MW = kMapW, MH = kMapH;

struct Pt {
    float x, y;
};

// Stage of each level on the map (parchment coordinates) and where its number is written.
const Pt kStage[kStages] = {{30, 138}, {66, 116}, {44, 80}, {90, 54}, {126, 84},
                            {172, 120}, {214, 102}, {204, 62}, {248, 40}, {288, 66}};
const int kLabel[kStages][2] = {{-3, 6}, {6, -3}, {-12, -4}, {6, -9}, {-4, 7},
                                {-3, 7}, {6, 1}, {-13, -4}, {-12, -8}, {-5, 8}};

// The leg from stage i to stage i + 1: a gentle curve, bending alternately left and right.
Pt legPoint(int i, float t) {
    const Pt a = kStage[i], b = kStage[i + 1];
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float bend = (i % 2 ? 0.22f : -0.22f);
    const Pt m{(a.x + b.x) / 2 - dy * bend, (a.y + b.y) / 2 + dx * bend};
    const float u = 1 - t;
    return {u * u * a.x + 2 * u * t * m.x + t * t * b.x, u * u * a.y + 2 * u * t * m.y + t * t * b.y};
}

// Dots along a leg every `step` pixels of length, leaving the stage rings clear.
std::vector<Pt> legDots(int i, float step) {
    std::vector<Pt> samples;
    for (int s = 0; s <= 400; ++s) samples.push_back(legPoint(i, float(s) / 400.f));
    float total = 0;
    for (std::size_t s = 1; s < samples.size(); ++s)
        total += std::hypot(samples[s].x - samples[s - 1].x, samples[s].y - samples[s - 1].y);
    std::vector<Pt> dots;
    float run = 0, next = 7;
    for (std::size_t s = 1; s < samples.size(); ++s) {
        run += std::hypot(samples[s].x - samples[s - 1].x, samples[s].y - samples[s - 1].y);
        if (run >= next && run <= total - 6) {
            dots.push_back(samples[s]);
            next += step;
        }
    }
    return dots;
}

float riverX(float y) { return 150.f + std::sin(y * 0.05f) * 7.f + std::sin(y * 0.13f + 1.f) * 3.f; }

bool isSea(int x, int y) { return float(x) * 0.8f + float(MH - y) < 26.f + valueNoise(float(x), float(y), 10, 951) * 16.f; }

float distToRoute(float x, float y) {
    float best = 1e9f;
    for (int i = 0; i + 1 < kStages; ++i)
        for (int s = 0; s <= 40; ++s) {
            const Pt p = legPoint(i, float(s) / 40.f);
            best = std::min(best, std::hypot(p.x - x, p.y - y));
        }
    return best;
}

// Ground kinds for the decoration: 0 sea, 1 green land, 2 steppe, 3 desert.
int ground(int x, int y) {
    if (isSea(x, y)) return 0;
    const float edge = 186.f + (valueNoise(float(x), float(y), 20, 952) - 0.5f) * 30.f;
    if (float(x) > edge) return 3;
    if (float(x) > riverX(float(y)) + 8.f) return 2;
    return 1;
}

// Keep decoration off the route, the stages, the title and the compass.
bool busy(int x, int y) {
    if (x < 84 && y < 28) return true;
    if (std::hypot(float(x - 286), float(y - 140)) < 22.f) return true;
    for (const Pt& s : kStage)
        if (std::hypot(s.x - float(x), s.y - float(y)) < 11.f) return true;
    return distToRoute(float(x), float(y)) < 6.f;
}

void paper(Canvas& m) {
    for (int y = 0; y < MH; ++y)
        for (int x = 0; x < MW; ++x) {
            const float ragTop = 1.f + hashNoise(x, 0, 961) * 1.5f + valueNoise(float(x), 0.f, 9, 962) * 2.f;
            const float ragBot = 1.f + hashNoise(x, 1, 961) * 1.5f + valueNoise(float(x), 5.f, 9, 963) * 2.f;
            if (float(y) < ragTop - 1.f || float(MH - 1 - y) < ragBot - 1.f) continue;
            const float e = std::min(float(y) - ragTop, float(MH - 1 - y) - ragBot);
            const float stain = valueNoise(float(x), float(y), 28, 964);
            int col = SandLight;
            if (stain > 0.62f && hashNoise(x, y, 965) < (stain - 0.62f) * 2.5f) col = Sand;
            if (e < 3.f && hashNoise(x, y, 966) < 0.6f) col = Sand;
            if (e < 1.f) col = EarthLight;
            m.px(x, y, pal(col));
        }
    // Double border line, with corner knots.
    for (int x = 5; x < MW - 5; ++x) {
        m.px(x, 6, pal(Earth));
        m.px(x, MH - 7, pal(Earth));
        if (x > 6 && x < MW - 7) {
            m.px(x, 8, pal(EarthLight));
            m.px(x, MH - 9, pal(EarthLight));
        }
    }
    for (int y = 6; y < MH - 6; ++y) {
        m.px(5, y, pal(Earth));
        m.px(MW - 6, y, pal(Earth));
        if (y > 7 && y < MH - 8) {
            m.px(7, y, pal(EarthLight));
            m.px(MW - 8, y, pal(EarthLight));
        }
    }
    for (auto [x, y] : {std::pair{5, 6}, std::pair{MW - 6, 6}, std::pair{5, MH - 7}, std::pair{MW - 6, MH - 7}}) {
        m.rect(x - 1, y - 1, 3, 3, pal(Earth));
        m.px(x, y, pal(Blood));
    }
}

void sea(Canvas& m) {
    for (int y = 0; y < MH; ++y)
        for (int x = 0; x < MW; ++x) {
            if (!m.opaque(x, y) || !isSea(x, y)) continue;
            const bool coast = !isSea(x - 1, y) || !isSea(x + 1, y) || !isSea(x, y - 1) || !isSea(x, y + 1);
            int col = bayer(x, y) < 0.35f ? Foam : SandLight;
            if (coast) col = Water;
            else if (!isSea(x - 2, y) || !isSea(x, y - 2) || !isSea(x + 2, y)) col = WaterLight;
            m.px(x, y, pal(col));
        }
    // Wave marks.
    for (auto [x, y] : {std::pair{8, 160}, std::pair{16, 152}, std::pair{6, 146}, std::pair{24, 162}}) {
        if (!isSea(x, y) || !isSea(x + 3, y)) continue;
        m.px(x, y, pal(WaterLight));
        m.px(x + 1, y - 1, pal(WaterLight));
        m.px(x + 2, y, pal(WaterLight));
        m.px(x + 3, y - 1, pal(WaterLight));
    }
}

void river(Canvas& m) {
    for (int y = 30; y < MH - 2; ++y) {
        const int x = int(std::lround(riverX(float(y))));
        const int w = y < 50 ? 1 : 2;
        for (int i = 0; i < w; ++i) m.px(x + i, y, pal(Water));
        m.px(x - 1, y, pal(WaterLight));
        m.px(x + w, y, pal(Foam));
    }
    // Lake in the west.
    m.ellipse(100, 132, 12, 6, pal(Water));
    m.ellipse(100, 132, 11, 5, pal(WaterLight));
    m.ellipse(99, 131, 8, 3, pal(Foam));
    m.px(96, 130, pal(White));
    m.px(97, 130, pal(White));
}

void mountain(Canvas& m, int x, int y, int h, bool snow) {
    for (int j = 0; j < h; ++j) {
        const int half = j;
        for (int i = -half; i <= half; ++i) {
            int col = i < 0 ? SandLight : (bayer(x + i, y - h + j) < 0.5f ? Sand : EarthLight);
            if (i == -half) col = Earth;
            if (i == half) col = EarthDeep;
            if (snow && j < h / 3) col = i <= 0 ? White : Cloud;
            m.px(x + i, y - h + 1 + j, pal(col));
        }
    }
    m.px(x, y - h, pal(EarthDeep));
}

void tree(Canvas& m, int x, int y, bool palm) {
    if (palm) {
        for (int j = 0; j < 5; ++j) m.px(x + (j < 2 ? 1 : 0), y - j, pal(Earth));
        for (int i = -3; i <= 3; ++i) m.px(x + i, y - 5 + (std::abs(i) > 1 ? 1 : 0), pal(i < 0 ? GrassLight : Grass));
        m.px(x, y - 6, pal(GrassLight));
        return;
    }
    m.px(x, y, pal(EarthDeep));
    m.rect(x - 1, y - 4, 3, 3, pal(Grass));
    m.px(x, y - 5, pal(GrassLight));
    m.px(x - 1, y - 4, pal(GrassLight));
    m.px(x + 1, y - 2, pal(GrassDeep));
    m.px(x + 2, y - 3, pal(GrassDeep));
    m.px(x - 2, y - 3, pal(Grass));
}

void landscape(Canvas& m) {
    // Mountain chain along the north, snow on the tall ones; it bends south between the
    // river and the desert.
    for (int i = 0; i < 16; ++i) {
        const int x = 100 + i * 7 + int(hashNoise(i, 0, 971) * 4.f);
        const int y = 40 - int(std::sin(float(i) * 0.7f) * 4.f) + (i > 11 ? (i - 11) * 6 : 0);
        const int h = 6 + int(hashNoise(i, 1, 971) * 6.f);
        if (!busy(x, y) && !busy(x - h / 2, y) && !busy(x + h / 2, y)) mountain(m, x, y, h, h > 9);
    }
    // Forests, grass tufts, dunes and rocks, placed on a grid with a jitter.
    for (int gy = 12; gy < MH - 10; gy += 6)
        for (int gx = 10; gx < MW - 10; gx += 6) {
            const int x = gx + int(hashNoise(gx, gy, 972) * 4.f), y = gy + int(hashNoise(gx, gy, 973) * 4.f);
            if (busy(x, y) || y < 44) {
                if (!(y < 44 && x < 96 && x > 10 && y > 26 && !busy(x, y))) continue;
            }
            const int g = ground(x, y);
            const float r = hashNoise(x, y, 974);
            if (g == 1) {
                if (valueNoise(float(x), float(y), 22, 975) > 0.52f) tree(m, x, y, false);
                else if (r < 0.25f) {
                    m.px(x, y, pal(GrassLight));
                    m.px(x + 2, y, pal(GrassLight));
                    m.px(x + 1, y + 1, pal(Grass));
                }
            } else if (g == 2) {
                if (r < 0.3f) {
                    m.px(x, y, pal(Sand));
                    m.px(x + 1, y - 1, pal(GrassLight));
                }
            } else if (g == 3) {
                if (r < 0.3f) {
                    for (int i = -3; i <= 3; ++i) m.px(x + i, y - (3 - std::abs(i)) / 2, pal(i < 0 ? EarthLight : Sand));
                } else if (r < 0.38f) {
                    m.rect(x, y, 2, 2, pal(Earth));
                    m.px(x, y, pal(EarthLight));
                } else if (r < 0.7f && bayer(x, y) < 0.5f) {
                    m.px(x, y, pal(Gold));
                }
            }
        }
    // An oasis in the desert.
    m.ellipse(252, 142, 6, 3, pal(WaterLight));
    m.ellipse(251, 141, 3, 1, pal(Foam));
    tree(m, 244, 140, true);
    tree(m, 260, 139, true);
    // The fortress: curse-darkened ground, walls, three towers and a red banner.
    for (int j = -16; j <= 12; ++j)
        for (int i = -26; i <= 26; ++i) {
            const float d = std::sqrt(float(i * i) / 676.f + float(j * j) / 256.f);
            if (d < 1.f && hashNoise(i, j, 976) < (1.f - d) * 0.4f) m.px(288 + i, 60 + j, pal(hashNoise(i, j, 977) < 0.5f ? Plum : EarthDeep));
        }
    const int fx = 288, fy = 56;
    for (int y = fy - 6; y <= fy + 2; ++y)
        for (int x = fx - 10; x <= fx + 10; ++x) m.px(x, y, pal(x < fx - 8 ? Steel : Slate));
    for (int t : {-10, 0, 8}) {
        const int th = t == 0 ? 14 : 10;
        m.rect(fx + t - 2, fy - th, 5, th - 5, pal(Slate));
        m.px(fx + t - 2, fy - th, pal(Steel));
        for (int k = -2; k <= 2; k += 2) m.px(fx + t + k, fy - th - 1, pal(Slate));
        m.px(fx + t, fy - th + 3, pal(Ember)); // lit window
    }
    for (int x = fx - 10; x <= fx + 10; x += 2) m.px(x, fy - 7, pal(Slate));
    m.rect(fx - 1, fy - 2, 3, 4, pal(Ink)); // gate
    m.px(fx, fy - 16, pal(Night));
    m.px(fx, fy - 17, pal(Night));
    m.rect(fx + 1, fy - 18, 4, 2, pal(Blood));
    // The village of the first stage.
    for (auto [x, y] : {std::pair{20, 130}, std::pair{26, 127}, std::pair{38, 131}}) {
        m.rect(x, y, 5, 3, pal(Cloud));
        m.px(x, y + 2, pal(Silver));
        for (int i = 0; i < 7; ++i) m.px(x - 1 + i, y - 1, pal(Blood));
        for (int i = 1; i < 6; ++i) m.px(x - 1 + i, y - 2, pal(i < 3 ? Ember : Blood));
        m.px(x + 2, y + 2, pal(EarthDeep));
    }
    // A little ship off the coast.
    m.rect(10, 157, 7, 2, pal(Earth));
    m.px(9, 157, pal(Earth));
    m.rect(12, 151, 1, 6, pal(EarthDeep));
    m.rect(13, 152, 3, 3, pal(White));
}

void compass(Canvas& m, int cx, int cy) {
    for (int a = 0; a < 120; ++a) {
        const float t = float(a) / 120.f * 2.f * kPi;
        m.px(cx + int(std::lround(std::cos(t) * 11.f)), cy + int(std::lround(std::sin(t) * 11.f)), pal(EarthLight));
    }
    for (int i = -15; i <= 15; ++i) {
        const int w = (15 - std::abs(i)) / 4;
        for (int k = -w; k <= w; ++k) {
            m.px(cx + k, cy + i, pal(k <= 0 ? Earth : EarthDeep));
            m.px(cx + i, cy + k, pal(k <= 0 ? Earth : EarthDeep));
        }
    }
    for (int i = -7; i <= 7; ++i) {
        m.px(cx + i, cy + i, pal(EarthLight));
        m.px(cx + i, cy - i, pal(EarthLight));
    }
    m.px(cx, cy, pal(Gold));
    // North mark.
    m.rect(cx - 1, cy - 19, 3, 1, pal(Blood));
    m.px(cx, cy - 20, pal(Blood));
}

// Red banner with swallowtail ends and the land's name in gold.
void title(Canvas& m) {
    constexpr int x0 = 12, y0 = 7, w = 62, h = 13, tail = 6;
    Canvas tails(MW, MH);
    for (int side = 0; side < 2; ++side)
        for (int j = 0; j < h - 2; ++j)
            for (int i = 0; i < tail + 3; ++i) {
                const int notch = int(float(tail) * 0.5f * (1.f - std::abs(float(j) - float(h - 3) / 2.f) / (float(h - 2) / 2.f)));
                if (i < notch) continue;
                const int x = side == 0 ? x0 - tail + i : x0 + w - 1 + tail - i;
                tails.px(x, y0 + 4 + j, pal(j == 0 ? Blood : BloodDeep));
            }
    tails.outline(pal(Ink));
    m.blit(tails, 0, 0);
    Canvas band(MW, MH);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int col = (j < 4 && bayer(x0 + i, y0 + j) < 0.4f) ? Ember : Blood;
            if (j > h - 5 && bayer(x0 + i, y0 + j) < 0.5f) col = BloodDeep;
            if (j == 1) col = GoldLight;
            if (j == h - 2) col = Gold;
            band.px(x0 + i, y0 + j, pal(col));
        }
    band.outline(pal(Ink));
    m.blit(band, 0, 0);
    menus::shadowText(m, x0 + (w - Canvas::textWidth("OSTREVALD")) / 2, y0 + 3, "OSTREVALD", pal(GoldLight), 1);
}

void dot(Canvas& m, Pt p, int col, int hi) {
    const int x = int(std::lround(p.x)) - 1, y = int(std::lround(p.y)) - 1;
    m.rect(x, y, 2, 2, pal(col));
    m.px(x, y, pal(hi));
}

// The stage's number; the destination's stands further out, clear of the pin and its halo.
void stageLabel(Canvas& m, int i, int state) {
    int dx = kLabel[i][0], dy = kLabel[i][1];
    if (state == 2) {
        const bool side = dx >= 6 || dx <= -8;
        if (side) dx += dx > 0 ? 5 : -5;
        else dy += dy > 0 ? 3 : -4;
    }
    const int col = state == 0 ? EarthLight : (state == 1 ? EarthDeep : Blood);
    const int x = int(kStage[i].x) + dx, y = int(kStage[i].y) + dy;
    if (state == 2) m.text(x + 1, y + 1, std::to_string(i + 1), pal(SandLight), 1);
    m.text(x, y, std::to_string(i + 1), pal(col), 1);
}

void stageMark(Canvas& m, int i, int state) {
    // state: 0 ahead, 1 cleared, 2 destination.
    const int x = int(kStage[i].x), y = int(kStage[i].y);
    const int ring = state == 0 ? EarthLight : (state == 1 ? EarthDeep : Blood);
    m.disc(x, y, 4, pal(ring));
    m.disc(x, y, 3, pal(state == 2 ? Ember : SandLight));
    if (state == 2) m.disc(x, y, 1, pal(Blood));
    if (state == 1)
        for (int k = -2; k <= 2; ++k) {
            m.px(x + k, y + k, pal(BloodDeep));
            m.px(x + k, y - k, pal(BloodDeep));
        }
    if (state != 2) stageLabel(m, i, state);
}

// Red pin on the destination; `drop` lifts it while it falls, `planted` adds its glow.
void pin(Canvas& m, int i, int drop, bool planted) {
    const int x = int(kStage[i].x), y = int(kStage[i].y) - drop;
    if (planted)
        for (int a = 0; a < 90; ++a) {
            const float t = float(a) / 90.f * 2.f * kPi;
            const int gx = x + int(std::lround(std::cos(t) * 9.f)), gy = int(kStage[i].y) + int(std::lround(std::sin(t) * 6.f));
            m.px(gx, gy, pal(a % 3 == 0 ? GoldLight : Gold));
        }
    m.ellipse(x + 2 + drop / 2, int(kStage[i].y) + 1, 3 - drop / 4, 1, pal(Ink, 90)); // shadow
    Canvas p(MW, MH);
    p.disc(x, y - 11, 4, pal(Blood));
    for (int j = 0; j < 6; ++j)
        for (int k = -(3 - j / 2); k <= 3 - j / 2; ++k) p.px(x + k, y - 7 + j, pal(Blood));
    p.px(x, y - 1, pal(BloodDeep));
    p.px(x, y, pal(Ink));
    p.px(x - 2, y - 13, pal(Ember));
    p.px(x - 3, y - 12, pal(Ember));
    p.px(x - 2, y - 12, pal(White));
    p.px(x + 2, y - 8, pal(BloodDeep));
    p.px(x + 3, y - 10, pal(BloodDeep));
    p.disc(x, y - 11, 1, pal(BloodDeep));
    p.outline(pal(Ink));
    m.blit(p, 0, 0);
    if (planted) {
        // Glint on the pin head.
        m.px(x + 5, y - 16, pal(White));
        m.px(x + 4, y - 16, pal(GoldLight));
        m.px(x + 6, y - 16, pal(GoldLight));
        m.px(x + 5, y - 17, pal(GoldLight));
        m.px(x + 5, y - 15, pal(GoldLight));
    }
}

} // namespace

Canvas openMap(int n, float legShown, int marker) {
    Canvas m(MW, MH);
    paper(m);
    sea(m);
    river(m);
    landscape(m);
    // Bridge where the route crosses the river.
    Pt cross{0, 0};
    float bestGap = 1e9f;
    for (int s = 0; s <= 200; ++s) {
        const Pt q = legPoint(4, float(s) / 200.f);
        const float gap = std::abs(q.x - riverX(q.y));
        if (gap < bestGap) {
            bestGap = gap;
            cross = q;
        }
    }
    for (int j = -2; j <= 2; ++j) {
        const int y = int(std::lround(cross.y)) + j, x = int(std::lround(riverX(float(y))));
        m.rect(x - 2, y, 6, 1, pal(j == -2 ? EarthLight : (j == 2 ? EarthDeep : Earth)));
    }
    compass(m, 286, 140);
    title(m);
    // Keep only the paper: the decoration may not spill past the ragged edges.
    Canvas base(MW, MH);
    paper(base);
    for (int y = 0; y < MH; ++y)
        for (int x = 0; x < MW; ++x)
            if (!base.opaque(x, y)) m.px(x, y, sf::Color::Transparent);

    const int from = std::clamp(n, 1, kStages - 1) - 1; // stage index the party stands on
    for (int i = 0; i < from; ++i)
        for (const Pt& p : legDots(i, 5.f)) dot(m, p, BloodDeep, Blood);
    const std::vector<Pt> leg = legDots(from, 5.f);
    const int shown = int(std::lround(legShown * float(leg.size())));
    for (int k = 0; k < shown; ++k) dot(m, leg[std::size_t(k)], Blood, Ember);
    for (int i = 0; i < kStages; ++i) stageMark(m, i, i <= from ? 1 : (i == from + 1 ? 2 : 0));
    if (marker > 0) pin(m, from + 1, marker == 1 ? 5 : 0, marker == 2);
    stageLabel(m, from + 1, 2);
    return m;
}

} // namespace transition
