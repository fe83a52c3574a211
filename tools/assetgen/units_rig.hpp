// Shared rig for the map units: float shapes, shaded body parts and the poses of the
// idle (facing the viewer) and walking (profile) animations. Each unit type dresses the rig
// with its own gear in units_heroes.cpp / units_enemies.cpp.
#pragma once

#include "art.hpp"

#include <functional>
#include <vector>

namespace units {

struct V {
    float x = 0, y = 0;
};
inline V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
inline V operator-(V a, V b) { return {a.x - b.x, a.y - b.y}; }
inline V operator*(V a, float s) { return {a.x * s, a.y * s}; }
V lerp(V a, V b, float t);
float length(V a);
V rotate(V a, float radians);
V normalize(V a);
// Points given along a direction: u runs along `dir`, v across it (dir turned a quarter clockwise
// on screen), both measured from `origin`. Used to lay weapons at any angle.
std::vector<V> local(V origin, V dir, std::initializer_list<V> uv);

// Frame layout of every unit frame.
constexpr int kFrame = 64;
constexpr float kGround = 58.f;   // the soles' bottom pixel row is 57
constexpr int kDigitCorner = 15;  // top-left square kept free for the move-points digit

// ---- shapes: a pixel is covered when its centre (x + 0.5, y + 0.5) lies inside ----
void capsule(art::Canvas& c, V a, V b, float r, sf::Color col);
void capsule2(art::Canvas& c, V a, V b, float ra, float rb, float expand, sf::Color col); // tapered
void oval(art::Canvas& c, V centre, float rx, float ry, sf::Color col);
void poly(art::Canvas& c, const std::vector<V>& pts, sf::Color col);
// Quadratic curve drawn as a chain of capsules.
void curve(art::Canvas& c, V a, V ctrl, V b, float r, sf::Color col);
void dot(art::Canvas& c, V p, sf::Color col);

// ---- colours ----
struct Ramp {
    sf::Color dark, mid, light;
};
Ramp ramp(int dark, int mid, int light);
// The same ramp one step darker, for limbs on the far side of a profile.
Ramp farSide(const Ramp& r);

// Draws one body part. `shape` paints the part's silhouette (any colour) into a blank mask;
// the part is then shaded with its ramp and laid over dst:
//  - edges that meet what is already drawn take the ramp's dark colour (sel-out seam),
//  - free top/left edges take the light colour, free bottom/right edges the dark one,
//  - `shadeDepth` widens the dark band on the right side of broad parts.
void part(art::Canvas& dst, const Ramp& r, const std::function<void(art::Canvas&)>& shape, int shadeDepth = 1);

// ---- poses ----
struct Build {
    float cx = 32;
    float hipY = 44.5f;      // hip joints
    float shoulderY = 31.5f; // shoulder joints
    float headY = 25.f;      // head centre
    float headRX = 5.f, headRY = 5.5f;
    float shoulderHW = 6.f;  // half width at the shoulders (front view)
    float waistHW = 4.5f;
    float hipHW = 2.5f;      // hip joint offset from the centre
    float legR = 2.f;        // leg thickness (radius)
    float armR = 1.5f;
    float depth = 3.5f;      // half depth of the torso in profile
    float stride = 5.f;      // walk: foot reach in front of / behind the hip
    float armSwing = 4.f;    // walk: hand reach
    float upperArm = 6.5f, foreArm = 6.f;
};

struct Pose {
    bool side = false; // false: facing the viewer; true: profile
    int facing = 1;    // profile: +1 looks right, -1 looks left. Front: +1
    float cx = 32;
    float breath = 0;  // idle: 0 exhaled .. 1 inhaled
    float sway = 0;    // -1..1 slow cloth sway / flutter
    float phase = 0;   // walk phase in radians
    float bob = 0;     // body offset in pixels (negative = up)
    float handDy = 0;  // idle: hands follow the breath a little later than the chest
    int frame = 0, frames = 1;
    V head, neck, chest, pelvis;
    // index 0: weapon side (the character's right hand in front view, the near side in profile),
    // index 1: the other side.
    V shoulder[2], elbow[2], hand[2];
    V hip[2], knee[2], ankle[2];
    float lift[2] = {0, 0};
    // direction "forward" on screen: facing in profile, outward for the weapon side in front view
    float fwd() const { return side ? float(facing) : -1.f; }
};

// Idle pose facing the viewer, frame i of n. Frames past `cycle` hold the resting pose
// (lets a long idle row contain a shorter loop at its start).
Pose idlePose(const Build& b, int i, int n, int cycle);
// Walking profile, frame i of n, looking left (facing -1) or right (+1).
Pose walkPose(const Build& b, int i, int n, int facing);
// Two-bone solve: the knee/elbow between a and c, bent toward bendDir.
V joint(V a, V c, float la, float lb, float bendDir);

// ---- standard body parts ----
void drawLeg(art::Canvas& c, const Pose& p, int k, const Build& b, const Ramp& pants, const Ramp& boot,
             float bootTop = 4.5f);
void drawArm(art::Canvas& c, const Pose& p, int k, const Build& b, const Ramp& sleeve, const Ramp& hand);
// Torso from shoulders to hips (front: tapered trapezoid; profile: rounded block).
void drawTorso(art::Canvas& c, const Pose& p, const Build& b, const Ramp& r, float extraW = 0);
// Bare head (skin) with eyes; `eye` is the eye colour.
void drawHead(art::Canvas& c, const Pose& p, const Build& b, const Ramp& skin, sf::Color eye);
// Eyes only (for heads drawn by gear).
void drawEyes(art::Canvas& c, const Pose& p, const Build& b, sf::Color eye, bool glow = false);

// Re-aims an arm so that its hand sits at `hand` (elbow bent toward bendDir).
void placeHand(Pose& p, const Build& b, int k, V hand, float bend);
// Walking arm that carries something: the hand swings a little around a carry point
// given relative to the weapon-side shoulder (x measured forward).
V carryHand(const Pose& p, V offset, float swing);
// A straight shaded pole (spear shaft, staff, haft) from a to b.
void pole(art::Canvas& c, V a, V b, const Ramp& r, float radius = 0.75f);

// Finishes a frame: Ink outline around the figure, flat shadow under the feet, the digit corner
// cleared, laid on `frame`.
void finish(art::Canvas& frame, const art::Canvas& figure, float shadowCx, float shadowRX);

} // namespace units
