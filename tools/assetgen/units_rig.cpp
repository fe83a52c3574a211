#include "units_rig.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace units {

namespace {
constexpr float kPi = 3.14159265f;

// Squared distance from p to the segment ab, and the position t along it.
float segDist2(V p, V a, V b, float* tOut = nullptr) {
    const V ab = b - a, ap = p - a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    float t = len2 > 0 ? (ap.x * ab.x + ap.y * ab.y) / len2 : 0.f;
    t = std::clamp(t, 0.f, 1.f);
    const V q = a + ab * t;
    if (tOut) *tOut = t;
    return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y);
}

void bounds(float x0, float y0, float x1, float y1, int& ix0, int& iy0, int& ix1, int& iy1) {
    ix0 = int(std::floor(x0)) - 1;
    iy0 = int(std::floor(y0)) - 1;
    ix1 = int(std::ceil(x1)) + 1;
    iy1 = int(std::ceil(y1)) + 1;
}
} // namespace

V lerp(V a, V b, float t) { return a + (b - a) * t; }
float length(V a) { return std::sqrt(a.x * a.x + a.y * a.y); }
V normalize(V a) {
    const float l = length(a);
    return l > 0 ? a * (1.f / l) : V{0, 0};
}
std::vector<V> local(V origin, V dir, std::initializer_list<V> uv) {
    const V d = normalize(dir), n{-d.y, d.x};
    std::vector<V> pts;
    for (const V& q : uv) pts.push_back(origin + d * q.x + n * q.y);
    return pts;
}
V rotate(V a, float r) { return {a.x * std::cos(r) - a.y * std::sin(r), a.x * std::sin(r) + a.y * std::cos(r)}; }

void capsule(Canvas& c, V a, V b, float r, sf::Color col) { capsule2(c, a, b, r, r, 0, col); }

void capsule2(Canvas& c, V a, V b, float ra, float rb, float expand, sf::Color col) {
    const float rm = std::max(ra, rb) + expand;
    int x0, y0, x1, y1;
    bounds(std::min(a.x, b.x) - rm, std::min(a.y, b.y) - rm, std::max(a.x, b.x) + rm, std::max(a.y, b.y) + rm, x0, y0,
           x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float t = 0;
            const float d2 = segDist2({x + 0.5f, y + 0.5f}, a, b, &t);
            const float r = ra + (rb - ra) * t + expand;
            if (d2 <= r * r + 0.01f) c.px(x, y, col);
        }
}

void oval(Canvas& c, V ctr, float rx, float ry, sf::Color col) {
    if (rx <= 0 || ry <= 0) return;
    int x0, y0, x1, y1;
    bounds(ctr.x - rx, ctr.y - ry, ctr.x + rx, ctr.y + ry, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float dx = (x + 0.5f - ctr.x) / rx, dy = (y + 0.5f - ctr.y) / ry;
            if (dx * dx + dy * dy <= 1.02f) c.px(x, y, col);
        }
}

void poly(Canvas& c, const std::vector<V>& pts, sf::Color col) {
    if (pts.size() < 3) return;
    float minX = pts[0].x, maxX = pts[0].x, minY = pts[0].y, maxY = pts[0].y;
    for (const V& p : pts) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    int x0, y0, x1, y1;
    bounds(minX, minY, maxX, maxY, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            bool in = false;
            for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                const V& a = pts[i];
                const V& b = pts[j];
                if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) in = !in;
            }
            if (in) c.px(x, y, col);
        }
}

void curve(Canvas& c, V a, V ctrl, V b, float r, sf::Color col) {
    const int steps = 12;
    V prev = a;
    for (int i = 1; i <= steps; ++i) {
        const float t = float(i) / steps;
        const V p = a * ((1 - t) * (1 - t)) + ctrl * (2 * (1 - t) * t) + b * (t * t);
        capsule(c, prev, p, r, col);
        prev = p;
    }
}

void dot(Canvas& c, V p, sf::Color col) { c.px(int(std::floor(p.x)), int(std::floor(p.y)), col); }

Ramp ramp(int dark, int mid, int light) { return {pal(dark), pal(mid), pal(light)}; }
Ramp farSide(const Ramp& r) { return {r.dark, r.dark, r.mid}; }

void part(Canvas& dst, const Ramp& r, const std::function<void(Canvas&)>& shape, int shadeDepth) {
    Canvas m(dst.width(), dst.height());
    shape(m);
    auto in = [&](int x, int y) { return m.opaque(x, y); };
    // Reads what lay on dst before this part (this part is drawn into a copy).
    Canvas before = dst;
    auto under = [&](int x, int y) { return !in(x, y) && before.opaque(x, y); };
    for (int y = 0; y < int(m.height()); ++y)
        for (int x = 0; x < int(m.width()); ++x) {
            if (!in(x, y)) continue;
            const bool l = !in(x - 1, y), t = !in(x, y - 1), rr = !in(x + 1, y), b = !in(x, y + 1);
            const bool seam = under(x - 1, y) || under(x, y - 1) || under(x + 1, y) || under(x, y + 1);
            bool deep = false;
            for (int k = 2; k <= shadeDepth; ++k)
                if (!in(x + k, y)) deep = true;
            sf::Color col = r.mid;
            if (seam && !(l && !under(x - 1, y)) && !(t && !under(x, y - 1))) col = r.dark;
            else if (l || t) col = r.light;
            else if (rr || b || deep) col = r.dark;
            dst.px(x, y, col);
        }
}

V joint(V a, V c, float la, float lb, float bendDir) {
    V d = c - a;
    float dist = length(d);
    if (dist < 0.001f) return a + V{bendDir * la, 0};
    const V u = d * (1.f / dist);
    dist = std::clamp(dist, std::fabs(la - lb) + 0.01f, la + lb - 0.01f);
    const float along = (la * la - lb * lb + dist * dist) / (2 * dist);
    const float h = std::sqrt(std::max(0.f, la * la - along * along));
    V perp{-u.y, u.x};
    if (perp.x * bendDir < 0) perp = perp * -1.f;
    return a + u * along + perp * h;
}

Pose idlePose(const Build& b, int i, int n, int cycle) {
    Pose p;
    p.side = false;
    p.facing = 1;
    p.cx = b.cx;
    p.frame = i;
    p.frames = n;
    const bool held = i >= cycle;
    const float t = held ? 0.f : float(i) / float(cycle);
    const float tl = held ? 0.f : float((i + cycle - 1) % cycle) / float(cycle);
    p.breath = 0.5f - 0.5f * std::cos(2 * kPi * t);
    const float breathLag = held ? 0.f : 0.5f - 0.5f * std::cos(2 * kPi * tl);
    p.sway = held ? 0.35f * std::sin(2 * kPi * float(i - cycle + 1) / float(n - cycle + 1)) : std::sin(2 * kPi * t);
    const float th = held ? 0.f : float((i + cycle - 2) % cycle) / float(cycle);
    p.handDy = held ? 0.f : -std::round(0.5f - 0.5f * std::cos(2 * kPi * th));
    const float chestDy = -std::round(p.breath);
    const float headDy = -std::round(breathLag);
    const float cx = b.cx;
    p.pelvis = {cx, b.hipY - 1};
    p.chest = {cx, b.shoulderY + chestDy};
    p.neck = {cx, b.shoulderY - 1 + chestDy};
    p.head = {cx, b.headY + headDy};
    for (int k = 0; k < 2; ++k) {
        const float s = k == 0 ? -1.f : 1.f; // weapon side sits on the screen's left
        p.hip[k] = {cx + s * b.hipHW, b.hipY};
        p.ankle[k] = {cx + s * (b.hipHW + 0.5f), kGround - 2.5f};
        p.knee[k] = lerp(p.hip[k], p.ankle[k], 0.5f);
        p.shoulder[k] = {cx + s * (b.shoulderHW - 1.5f), b.shoulderY + 0.5f + chestDy};
        p.hand[k] = {cx + s * (b.shoulderHW + 0.5f), b.hipY - 0.5f + p.handDy};
        p.elbow[k] = joint(p.shoulder[k], p.hand[k], b.upperArm, b.foreArm, s);
    }
    return p;
}

Pose walkPose(const Build& b, int i, int n, int facing) {
    Pose p;
    p.side = true;
    p.facing = facing;
    p.cx = b.cx;
    p.frame = i;
    p.frames = n;
    const float f = float(facing);
    p.phase = 2 * kPi * float(i) / float(n);
    const float c = std::cos(p.phase);
    // Contact frames (legs spread) sit low, passing frames one pixel higher.
    p.bob = std::fabs(c) > 0.75f ? 0.f : -1.f;
    p.sway = std::sin(p.phase);
    const float cx = b.cx;
    p.pelvis = {cx, b.hipY - 1 + p.bob};
    p.chest = {cx + f * 1.f, b.shoulderY + p.bob};
    p.neck = {cx + f * 1.f, b.shoulderY - 1 + p.bob};
    p.head = {cx + f * 1.5f, b.headY + p.bob};
    const float shin = (kGround - 2.5f - b.hipY) / 2 + 0.7f;
    for (int k = 0; k < 2; ++k) {
        const float ph = p.phase + (k == 0 ? 0.f : kPi);
        const float reach = b.stride * std::cos(ph);
        p.lift[k] = std::round(std::max(0.f, -std::sin(ph)) * 2.2f);
        p.hip[k] = {cx - f * (k == 0 ? 0.f : 0.5f), b.hipY + p.bob};
        p.ankle[k] = {cx + f * reach, kGround - 2.5f - p.lift[k]};
        p.knee[k] = joint(p.hip[k], p.ankle[k], shin, shin, f);
        // Arms swing against the leg of the same side.
        p.shoulder[k] = {cx + f * (k == 0 ? 0.5f : 1.f), b.shoulderY + 1 + p.bob};
        const float armLen = b.upperArm + b.foreArm - 1.f;
        const float a = -b.armSwing * std::cos(ph) / armLen;
        const float ang = std::asin(std::clamp(a, -0.9f, 0.9f));
        p.hand[k] = p.shoulder[k] + V{f * std::sin(ang), std::cos(ang)} * armLen;
        p.elbow[k] = joint(p.shoulder[k], p.hand[k], b.upperArm, b.foreArm, -f);
    }
    return p;
}

void drawLeg(Canvas& c, const Pose& p, int k, const Build& b, const Ramp& pants, const Ramp& boot, float bootTop) {
    const V shinDir = p.ankle[k] - p.knee[k];
    const float shinLen = length(shinDir);
    const V bootStart = shinLen > 0 ? p.ankle[k] - shinDir * (std::min(bootTop, shinLen) / shinLen) : p.ankle[k];
    part(c, pants, [&](Canvas& m) {
        capsule(m, p.hip[k], p.knee[k], b.legR, pal(White));
        capsule2(m, p.knee[k], bootStart, b.legR, b.legR * 0.9f, 0, pal(White));
    });
    part(c, boot, [&](Canvas& m) {
        capsule2(m, bootStart, p.ankle[k], b.legR * 0.95f, b.legR, 0, pal(White));
        if (p.side) {
            const float f = float(p.facing);
            const float fy = std::min(p.ankle[k].y + 1.f, kGround - 1.5f);
            capsule(m, {p.ankle[k].x - f * 0.5f, fy}, {p.ankle[k].x + f * 2.5f, fy}, 1.5f, pal(White));
        } else {
            const float s = k == 0 ? -0.5f : 0.5f;
            oval(m, {p.ankle[k].x + s, kGround - 1.5f}, b.legR + 0.5f, 1.5f, pal(White));
        }
    });
}

void drawArm(Canvas& c, const Pose& p, int k, const Build& b, const Ramp& sleeve, const Ramp& hand) {
    part(c, sleeve, [&](Canvas& m) {
        capsule(m, p.shoulder[k], p.elbow[k], b.armR + 0.3f, pal(White));
        capsule2(m, p.elbow[k], lerp(p.elbow[k], p.hand[k], 0.75f), b.armR + 0.1f, b.armR - 0.1f, 0, pal(White));
    });
    part(c, hand, [&](Canvas& m) { oval(m, p.hand[k], 1.5f, 1.5f, pal(White)); });
}

void drawTorso(Canvas& c, const Pose& p, const Build& b, const Ramp& r, float extraW) {
    part(c, r,
         [&](Canvas& m) {
             if (!p.side) {
                 const float cx = p.cx, sy = p.chest.y, hy = b.hipY;
                 const float sw = b.shoulderHW + extraW, ww = b.waistHW + extraW * 0.5f;
                 const float hw = b.hipHW + b.legR + 0.5f + extraW * 0.3f;
                 poly(m,
                      {{cx - sw + 1, sy - 1.5f}, {cx + sw - 1, sy - 1.5f}, {cx + sw, sy + 0.5f}, {cx + sw, sy + 3},
                       {cx + ww, hy - 3}, {cx + hw, hy + 1}, {cx - hw, hy + 1}, {cx - ww, hy - 3}, {cx - sw, sy + 3},
                       {cx - sw, sy + 0.5f}},
                      pal(White));
             } else {
                 const float f = float(p.facing), d = b.depth + extraW * 0.5f;
                 const V ch = p.chest, pe = p.pelvis;
                 poly(m,
                      {{ch.x + f * (d - 1), ch.y - 1.5f}, {ch.x + f * d, ch.y + 3}, {pe.x + f * (d - 1.5f), pe.y - 2},
                       {pe.x + f * d, pe.y + 2}, {pe.x - f * d, pe.y + 2}, {pe.x - f * (d - 1), pe.y - 3},
                       {ch.x - f * d, ch.y}, {ch.x - f * (d - 1.5f), ch.y - 1.5f}},
                      pal(White));
             }
         },
         2);
}

void drawEyes(Canvas& c, const Pose& p, const Build& b, sf::Color eye, bool glow) {
    const int y = int(std::floor(p.head.y + 0.5f));
    if (!p.side) {
        const int l = int(std::floor(p.head.x - 2.f)), r = int(std::floor(p.head.x + 1.f));
        for (int x : {l, r}) {
            c.px(x, y, eye);
            c.px(x, y + 1, glow ? pal(Ember) : eye);
        }
    } else {
        const int x = int(std::floor(p.head.x + float(p.facing) * (b.headRX - 2.f)));
        c.px(x, y, eye);
        c.px(x, y + 1, glow ? pal(Ember) : eye);
    }
}

void drawHead(Canvas& c, const Pose& p, const Build& b, const Ramp& skin, sf::Color eye) {
    part(c, skin, [&](Canvas& m) {
        if (!p.side) {
            oval(m, p.head, b.headRX, b.headRY, pal(White));
        } else {
            const float f = float(p.facing);
            oval(m, p.head, b.headRX - 0.5f, b.headRY, pal(White));
            // nose and chin
            dot(m, {p.head.x + f * (b.headRX - 0.2f), p.head.y + 1.5f}, pal(White));
        }
    });
    drawEyes(c, p, b, eye);
}

void placeHand(Pose& p, const Build& b, int k, V hand, float bend) {
    if (!p.side) hand.y += p.handDy;
    p.hand[k] = hand;
    p.elbow[k] = joint(p.shoulder[k], hand, b.upperArm, b.foreArm, bend);
}

V carryHand(const Pose& p, V offset, float swing) {
    const float f = float(p.facing);
    return p.shoulder[0] + V{f * offset.x - f * swing * std::cos(p.phase), offset.y};
}

void pole(Canvas& c, V a, V b, const Ramp& r, float radius) {
    part(c, r, [&](Canvas& m) { capsule(m, a, b, radius, pal(White)); });
}

void finish(Canvas& frame, const Canvas& figure, float shadowCx, float shadowRX) {
    Canvas fig = figure;
    for (int y = 0; y < kDigitCorner; ++y)
        for (int x = 0; x < kDigitCorner + 1; ++x) fig.px(x, y, sf::Color::Transparent);
    fig.outline(pal(Ink));
    // flat shadow down and to the right of the feet
    Canvas shadow(frame.width(), frame.height());
    oval(shadow, {shadowCx + 1.5f, kGround - 0.5f}, shadowRX, 2.f, pal(Ink));
    for (int y = 0; y < int(frame.height()); ++y)
        for (int x = 0; x < int(frame.width()); ++x)
            if (shadow.opaque(x, y)) frame.blend(x, y, pal(Ink, 90));
    frame.blit(fig, 0, 0);
    for (int y = 0; y < kDigitCorner; ++y)
        for (int x = 0; x < kDigitCorner; ++x) frame.px(x, y, sf::Color::Transparent);
}

} // namespace units
