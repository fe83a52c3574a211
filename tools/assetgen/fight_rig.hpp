// Card-battle fighters: the map units' bodies drawn bigger and in profile, with poses
// built from a few keyframed numbers (stance, lean, hand angles, weapon angle).
//
// Model space is the map unit's pixel space moved so that the soles rest on y = 0 and the
// body's centre line is x = 0; +x is "forward" (where the fighter looks), y grows downward.
// A `Pen` maps model points to frame pixels (scale, mirror, optional rotation), so one design
// serves every size and every fall.
#pragma once

#include "art.hpp"
#include "units_rig.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fight {

using units::V;
using units::Ramp;

constexpr float kPi = 3.14159265f;
inline float rad(float deg) { return deg * kPi / 180.f; }
// Direction at `deg` degrees from straight down, turning toward forward (90 = forward, 180 = up).
inline V fromDown(float deg) { return {std::sin(rad(deg)), std::cos(rad(deg))}; }
// Direction at `deg` degrees from straight up, turning toward forward (90 = forward).
inline V fromUp(float deg) { return {std::sin(rad(deg)), -std::cos(rad(deg))}; }

struct Pen {
    float s = 2.f;      // frame pixels per model unit
    V ground{40, 96};   // frame point of the model origin (sole level, centre line)
    float dir = -1.f;   // -1: forward draws toward the frame's left
    float rot = 0.f;    // radians about `pivot`; positive tips the top forward
    V pivot{0, 0};
    V shift{0, 0};      // model offset applied after the rotation
    V to(V m) const;
};

// A local frame: `u` forward, `v` down, both unit vectors, turned by `deg` (positive tips forward).
struct Axis {
    V o, u, v;
    V at(float a, float b) const { return o + u * a + v * b; }
};
Axis axis(V origin, float deg);

// ---- shapes drawn into a mask (model coordinates, model radii) ----
void cap(art::Canvas& m, const Pen& p, V a, V b, float r);
void cap2(art::Canvas& m, const Pen& p, V a, V b, float ra, float rb);
void ovl(art::Canvas& m, const Pen& p, V c, float rx, float ry, float deg = 0.f);
void pol(art::Canvas& m, const Pen& p, const std::vector<V>& pts);
void crv(art::Canvas& m, const Pen& p, V a, V ctrl, V b, float r);
// One frame pixel at a model point.
void dot(art::Canvas& c, const Pen& p, V at, sf::Color col);

// A shaded body part (units::part) with the shade band scaled to the pen.
void shade(art::Canvas& dst, const Pen& p, const Ramp& r, const std::function<void(art::Canvas&)>& shape, int depth = 1);

// ---- skeleton ----
struct Skel {
    // inputs
    V pelvis;
    float lean = 0, tilt = 0;    // degrees: torso from vertical, head relative to torso
    V ankle[2], hand[2];         // 0 near side, 1 far side
    float breath = 0;            // 0..1 chest rise
    // derived by solve()
    V chest, neck, head, shoulder[2], hip[2], knee[2], elbow[2];
    Axis torso, headA;
    float thigh = 6, shin = 6;
};
Skel restSkel(const units::Build& b);
void solve(Skel& k, const units::Build& b);
// Hand placed at `deg` from straight down (toward forward) and `reach` (0..1) of the arm.
V handAt(const Skel& k, const units::Build& b, int side, float deg, float reach);

// Keyframed numbers: each channel eases between (time, value) pairs.
struct Key {
    float t;
    std::vector<float> v;
};
std::vector<float> sample(const std::vector<Key>& keys, float t);

// Channels of a body key: pelvis offset from rest, torso lean and head tilt (degrees), ankle x and
// lift (negative y) of the near (0) and far (1) foot, hand angle from straight down and reach
// (0..1 of the arm), a weapon angle and one spare channel each fighter uses its own way.
enum Ch { PX, PY, LEAN, TILT, A0X, A0Y, A1X, A1Y, H0D, H0R, H1D, H1R, WEP, AUX, NCH };
Skel poseFrom(const units::Build& b, const std::vector<float>& v, float breath = 0);
// Time of frame i of n in a once-played row: 0 for the first frame, 1 for the last.
inline float rowTime(int i, int n) { return n > 1 ? float(i) / float(n - 1) : 0.f; }
// Breath of idle frame i of n (one full breath over the row).
float breathAt(int i, int n);
// Motion smears laid into the effect layer: a straight streak, and an arc around `centre`
// from `deg0` to `deg1` (angles from straight up, toward forward) between radii r0 and r1.
void streak(art::Canvas& fx, const Pen& p, V a, V b, float r, int palIndex, std::uint8_t alpha);
void arcTrail(art::Canvas& fx, const Pen& p, V centre, float r0, float r1, float deg0, float deg1, int palIndex,
              std::uint8_t alpha);
// How far a body has toppled (0 upright .. 1 lying), from its lean.
inline float fallen(const Skel& k) { return std::clamp((std::fabs(k.lean) - 30.f) / 60.f, 0.f, 1.f); }
// Clears from `m` every pixel that `shape` paints.
void cut(art::Canvas& m, const std::function<void(art::Canvas&)>& shape);

// ---- standard parts in profile ----
void leg(art::Canvas& c, const Pen& p, const Skel& k, int side, const units::Build& b, const Ramp& pants,
         const Ramp& boot, float bootTop = 4.5f);
void arm(art::Canvas& c, const Pen& p, const Skel& k, int side, const units::Build& b, const Ramp& sleeve,
         const Ramp& hand);
void torso(art::Canvas& c, const Pen& p, const Skel& k, const units::Build& b, const Ramp& r, float extra = 0);
void head(art::Canvas& c, const Pen& p, const Skel& k, const units::Build& b, const Ramp& skin, sf::Color eye);
void eye(art::Canvas& c, const Pen& p, V at, sf::Color col);

// A fighter's sheet: three rows (idle, attack, death) of frames.
struct SheetLayout {
    std::string path;
    int w = 81, h = 96;           // frame size
    int rows[3] = {15, 6, 6};     // frame counts
    int rowH[3] = {0, 0, 0};      // per-row frame height when rows differ (0 = h)
    int rowTop[3] = {0, 0, 0};    // per-row top when rows differ (0 = row * h)
    unsigned sheetW = 0, sheetH = 0; // exact sheet size (0 = computed)
    float s = 2.f;                // model scale
    float footX = 40;             // frame column of the centre line, as the figure faces in the file
    float soleRow[3] = {95, 95, 95};
    bool ally = true;             // allies are drawn facing right and mirrored into the file
};
// The common layout: equal rows of w x h frames holding idle, attack and death, the feet on
// the frames' bottom row.
SheetLayout fighterLayout(const char* path, bool ally, int w, int h, int idle, int attack, int death, float scale,
                          float footX);
// Draws every frame and saves the sheet. `draw(fig, fx, pen, row, frame, count)` paints the
// body into `fig` (outlined afterwards) and glows, sparks or smoke into `fx` (laid on top as is).
using FrameFn = std::function<void(art::Canvas& fig, art::Canvas& fx, const Pen& pen, int row, int i, int n)>;
void drawFighterSheet(const SheetLayout& layout, const FrameFn& draw);

// Common ramps.
Ramp skinR();
Ramp woodR();
Ramp goldR();
Ramp bladeR();

} // namespace fight
