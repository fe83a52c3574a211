#include "fight_rig.hpp"

#include <algorithm>
#include <cmath>

using namespace art;

namespace fight {

namespace {

const sf::Color W = pal(White);

float dotv(V a, V b) { return a.x * b.x + a.y * b.y; }

// Two-bone solve with the middle joint pushed toward `bend`.
V joint2(V a, V c, float la, float lb, V bend) {
    const V d = c - a;
    float dist = units::length(d);
    if (dist < 0.001f) return a + units::normalize(bend) * la;
    const V u = d * (1.f / dist);
    dist = std::clamp(dist, std::fabs(la - lb) + 0.01f, la + lb - 0.01f);
    const float along = (la * la - lb * lb + dist * dist) / (2 * dist);
    const float h = std::sqrt(std::max(0.f, la * la - along * along));
    V perp{-u.y, u.x};
    if (dotv(perp, bend) < 0) perp = perp * -1.f;
    return a + u * along + perp * h;
}

V clampReach(V from, V to, float len) {
    const V d = to - from;
    const float l = units::length(d);
    return l > len ? from + d * (len / l) : to;
}

float ease(float t) { return t * t * (3 - 2 * t); }

} // namespace

V Pen::to(V m) const {
    V q = m - pivot;
    if (rot != 0.f) q = units::rotate(q, rot);
    q = q + pivot + shift;
    return {ground.x + dir * q.x * s, ground.y + q.y * s};
}

Axis axis(V origin, float deg) {
    const float r = rad(deg);
    return {origin, {std::cos(r), std::sin(r)}, {-std::sin(r), std::cos(r)}};
}

void cap(Canvas& m, const Pen& p, V a, V b, float r) { cap2(m, p, a, b, r, r); }

void cap2(Canvas& m, const Pen& p, V a, V b, float ra, float rb) {
    units::capsule2(m, p.to(a), p.to(b), ra * p.s, rb * p.s, 0, W);
}

void ovl(Canvas& m, const Pen& p, V c, float rx, float ry, float deg) {
    if (deg == 0.f && p.rot == 0.f) {
        units::oval(m, p.to(c), rx * p.s, ry * p.s, W);
        return;
    }
    std::vector<V> pts;
    const Axis a = axis(c, deg);
    const int n = 28;
    for (int i = 0; i < n; ++i) {
        const float t = 2 * kPi * float(i) / float(n);
        pts.push_back(p.to(a.at(std::cos(t) * rx, std::sin(t) * ry)));
    }
    units::poly(m, pts, W);
}

void pol(Canvas& m, const Pen& p, const std::vector<V>& pts) {
    std::vector<V> q;
    q.reserve(pts.size());
    for (const V& v : pts) q.push_back(p.to(v));
    units::poly(m, q, W);
}

void crv(Canvas& m, const Pen& p, V a, V ctrl, V b, float r) { units::curve(m, p.to(a), p.to(ctrl), p.to(b), r * p.s, W); }

void dot(Canvas& c, const Pen& p, V at, sf::Color col) {
    const V q = p.to(at);
    c.px(int(std::floor(q.x)), int(std::floor(q.y)), col);
}

void shade(Canvas& dst, const Pen& p, const Ramp& r, const std::function<void(Canvas&)>& shape, int depth) {
    units::part(dst, r, shape, std::max(1, int(std::lround(float(depth) * p.s * 0.75f))));
}

Skel restSkel(const units::Build& b) {
    Skel k;
    k.pelvis = {0, b.hipY - 1 - units::kGround};
    k.ankle[0] = {3.f, -2.5f};
    k.ankle[1] = {-3.f, -2.5f};
    solve(k, b);
    k.hand[0] = handAt(k, b, 0, 15, 0.9f);
    k.hand[1] = handAt(k, b, 1, -10, 0.9f);
    solve(k, b);
    return k;
}

void solve(Skel& k, const units::Build& b) {
    const Axis t = axis(k.pelvis, k.lean);
    const V up = t.v * -1.f;
    const float torsoLen = b.hipY - 1 - b.shoulderY;
    const float rise = k.breath * 0.5f;
    k.torso = t;
    k.chest = k.pelvis + up * (torsoLen + rise);
    k.neck = k.pelvis + up * (torsoLen + 1 + rise);
    const Axis h = axis({0, 0}, k.lean + k.tilt);
    k.head = k.neck + h.v * -(b.shoulderY - 1 - b.headY);
    k.headA = axis(k.head, k.lean + k.tilt);
    k.shoulder[0] = k.chest + t.u * 0.5f + t.v * 1.f;
    k.shoulder[1] = k.chest + t.u * 1.f + t.v * 1.f;
    k.hip[0] = k.pelvis + t.v * 1.f;
    k.hip[1] = k.pelvis + t.u * -0.5f + t.v * 1.f;
    k.thigh = k.shin = (units::kGround - 2.5f - b.hipY) / 2 + 0.7f;
    for (int s = 0; s < 2; ++s) {
        k.ankle[s] = clampReach(k.hip[s], k.ankle[s], k.thigh + k.shin - 0.02f);
        k.knee[s] = joint2(k.hip[s], k.ankle[s], k.thigh, k.shin, {1.f, 0.4f});
        k.hand[s] = clampReach(k.shoulder[s], k.hand[s], b.upperArm + b.foreArm - 0.02f);
        k.elbow[s] = joint2(k.shoulder[s], k.hand[s], b.upperArm, b.foreArm, {-1.f, 0.5f});
    }
}

V handAt(const Skel& k, const units::Build& b, int side, float deg, float reach) {
    return k.shoulder[side] + fromDown(deg) * ((b.upperArm + b.foreArm) * reach);
}

std::vector<float> sample(const std::vector<Key>& keys, float t) {
    if (t <= keys.front().t) return keys.front().v;
    if (t >= keys.back().t) return keys.back().v;
    for (size_t i = 0; i + 1 < keys.size(); ++i) {
        const Key& a = keys[i];
        const Key& b = keys[i + 1];
        if (t > b.t) continue;
        const float u = ease((t - a.t) / std::max(0.0001f, b.t - a.t));
        std::vector<float> v(a.v.size());
        for (size_t j = 0; j < v.size(); ++j) v[j] = a.v[j] + (b.v[j] - a.v[j]) * u;
        return v;
    }
    return keys.back().v;
}

Skel poseFrom(const units::Build& b, const std::vector<float>& v, float breath) {
    Skel k = restSkel(b);
    k.pelvis = k.pelvis + V{v[PX], v[PY]};
    k.lean = v[LEAN];
    k.tilt = v[TILT];
    k.ankle[0] = {v[A0X], -2.5f + v[A0Y]};
    k.ankle[1] = {v[A1X], -2.5f + v[A1Y]};
    k.breath = breath;
    solve(k, b);
    k.hand[0] = handAt(k, b, 0, v[H0D], v[H0R]);
    k.hand[1] = handAt(k, b, 1, v[H1D], v[H1R]);
    solve(k, b);
    return k;
}

float breathAt(int i, int n) { return 0.5f - 0.5f * std::cos(2 * kPi * float(i) / float(std::max(1, n))); }

namespace {
void blendMask(Canvas& fx, const Canvas& m, int palIndex, std::uint8_t alpha) {
    for (int y = 0; y < int(m.height()); ++y)
        for (int x = 0; x < int(m.width()); ++x)
            if (m.opaque(x, y)) fx.blend(x, y, pal(palIndex, alpha));
}
} // namespace

void streak(Canvas& fx, const Pen& p, V a, V b, float r, int palIndex, std::uint8_t alpha) {
    Canvas m(fx.width(), fx.height());
    cap(m, p, a, b, r);
    blendMask(fx, m, palIndex, alpha);
}

void arcTrail(Canvas& fx, const Pen& p, V centre, float r0, float r1, float deg0, float deg1, int palIndex,
              std::uint8_t alpha) {
    Canvas m(fx.width(), fx.height());
    std::vector<V> pts;
    const int n = 16;
    for (int i = 0; i <= n; ++i) pts.push_back(centre + fromUp(deg0 + (deg1 - deg0) * float(i) / n) * r1);
    for (int i = n; i >= 0; --i) {
        // the inner edge closes toward the trail's tail so the smear tapers
        const float t = float(i) / n;
        pts.push_back(centre + fromUp(deg0 + (deg1 - deg0) * t) * (r1 - (r1 - r0) * t));
    }
    pol(m, p, pts);
    blendMask(fx, m, palIndex, alpha);
}

void cut(Canvas& m, const std::function<void(Canvas&)>& shape) {
    Canvas t(m.width(), m.height());
    shape(t);
    for (int y = 0; y < int(m.height()); ++y)
        for (int x = 0; x < int(m.width()); ++x)
            if (t.opaque(x, y)) m.px(x, y, sf::Color::Transparent);
}

void leg(Canvas& c, const Pen& p, const Skel& k, int s, const units::Build& b, const Ramp& pants, const Ramp& boot,
         float bootTop) {
    const V shinDir = k.ankle[s] - k.knee[s];
    const float shinLen = units::length(shinDir);
    const V sd = shinLen > 0 ? shinDir * (1.f / shinLen) : V{0, 1};
    const V bootStart = k.ankle[s] - sd * std::min(bootTop, shinLen);
    shade(c, p, pants, [&](Canvas& m) {
        cap(m, p, k.hip[s], k.knee[s], b.legR);
        cap2(m, p, k.knee[s], bootStart, b.legR, b.legR * 0.9f);
    });
    shade(c, p, boot, [&](Canvas& m) {
        cap2(m, p, bootStart, k.ankle[s], b.legR * 0.95f, b.legR);
        if (k.ankle[s].y > -4.f) {
            const float fy = std::min(k.ankle[s].y + 1.f, -1.5f);
            cap(m, p, {k.ankle[s].x - 0.5f, fy}, {k.ankle[s].x + 2.5f, fy}, 1.5f);
        } else {
            const V fd{sd.y, -sd.x};
            const V f0 = k.ankle[s] + sd * 1.f;
            cap(m, p, f0 - fd * 0.5f, f0 + fd * 2.5f, 1.5f);
        }
    });
}

void arm(Canvas& c, const Pen& p, const Skel& k, int s, const units::Build& b, const Ramp& sleeve, const Ramp& hand) {
    shade(c, p, sleeve, [&](Canvas& m) {
        cap(m, p, k.shoulder[s], k.elbow[s], b.armR + 0.3f);
        cap2(m, p, k.elbow[s], units::lerp(k.elbow[s], k.hand[s], 0.75f), b.armR + 0.1f, b.armR - 0.1f);
    });
    shade(c, p, hand, [&](Canvas& m) { ovl(m, p, k.hand[s], 1.5f, 1.5f); });
}

void torso(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, const Ramp& r, float extra) {
    const float d = b.depth + extra * 0.5f;
    const V u = k.torso.u, v = k.torso.v;
    auto C = [&](float a, float bb) { return k.chest + u * a + v * bb; };
    auto P = [&](float a, float bb) { return k.pelvis + u * a + v * bb; };
    shade(c, p, r, [&](Canvas& m) {
        pol(m, p, {C(d - 1, -1.5f), C(d, 3), P(d - 1.5f, -2), P(d, 2), P(-d, 2), P(-(d - 1), -3), C(-d, 0), C(-(d - 1.5f), -1.5f)});
    }, 2);
}

void eye(Canvas& c, const Pen& p, V at, sf::Color col) {
    const V q = p.to(at);
    const int x = int(std::floor(q.x)), y = int(std::floor(q.y));
    c.px(x, y, col);
    if (p.s >= 1.8f) c.px(x, y + 1, col);
}

void head(Canvas& c, const Pen& p, const Skel& k, const units::Build& b, const Ramp& skin, sf::Color eyeCol) {
    const Axis& h = k.headA;
    shade(c, p, skin, [&](Canvas& m) {
        ovl(m, p, h.o, b.headRX - 0.5f, b.headRY, k.lean + k.tilt);
        ovl(m, p, h.at(b.headRX - 0.4f, 1.5f), 0.8f, 0.8f);
    });
    eye(c, p, h.at(b.headRX - 2.f, 0.f), eyeCol);
}

void drawFighterSheet(const SheetLayout& layout, const FrameFn& draw) {
    int cols = std::max({layout.rows[0], layout.rows[1], layout.rows[2]});
    unsigned W0 = layout.sheetW ? layout.sheetW : unsigned(cols * layout.w);
    int rowH[3], rowTop[3];
    for (int r = 0; r < 3; ++r) {
        rowH[r] = layout.rowH[r] ? layout.rowH[r] : layout.h;
        rowTop[r] = layout.rowTop[r] || r == 0 ? layout.rowTop[r] : r * layout.h;
    }
    unsigned H0 = layout.sheetH ? layout.sheetH : unsigned(rowTop[2] + rowH[2]);
    Canvas sheet(W0, H0);
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < layout.rows[r]; ++i) {
            Canvas fig(unsigned(layout.w), unsigned(rowH[r]));
            Canvas fx(unsigned(layout.w), unsigned(rowH[r]));
            Pen pen;
            pen.s = layout.s;
            pen.dir = layout.ally ? 1.f : -1.f;
            const float cx = layout.footX + 0.5f;
            pen.ground = {layout.ally ? float(layout.w) - cx : cx, layout.soleRow[r] + 1.f};
            draw(fig, fx, pen, r, i, layout.rows[r]);
            fig.outline(pal(Ink));
            fig.blit(fx, 0, 0);
            sheet.blit(fig, i * layout.w, rowTop[r], layout.ally);
        }
    sheet.save(out(layout.path));
}

Ramp skinR() { return units::ramp(SkinShade, Skin, Skin); }
Ramp woodR() { return units::ramp(EarthDeep, Earth, EarthLight); }
Ramp goldR() { return units::ramp(Earth, Gold, GoldLight); }
Ramp bladeR() { return units::ramp(Steel, Silver, Cloud); }

SheetLayout fighterLayout(const char* path, bool ally, int w, int h, int idle, int attack, int death, float scale,
                          float footX) {
    SheetLayout layout;
    layout.path = path;
    layout.ally = ally;
    layout.w = w;
    layout.h = h;
    layout.rows[0] = idle;
    layout.rows[1] = attack;
    layout.rows[2] = death;
    layout.s = scale;
    layout.footX = footX;
    layout.soleRow[0] = layout.soleRow[1] = layout.soleRow[2] = float(h - 1);
    return layout;
}

} // namespace fight
