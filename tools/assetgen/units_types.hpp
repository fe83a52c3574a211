// The map units: one entry per sheet, each with its body build and its drawing routine.
#pragma once

#include "units_rig.hpp"

#include <string>
#include <vector>

namespace units {

// Draws one unit (no outline, no shadow) in the given pose onto a blank 64x64 figure.
using DrawUnit = void (*)(art::Canvas& fig, Pose p, const Build& b);

struct UnitDef {
    std::string path;     // relative to Assets/
    Build build;
    int idleFrames = 11;  // idle row length
    int idleCycle = 11;   // frames of one breath (the rest of the row holds the resting pose)
    int walkFrames = 6;
    DrawUnit draw = nullptr;
    float shadowRX = 10.f;
};

// The numbers of one unit's body, in the order of Build's fields after cx (the centre line,
// the same for every map unit).
struct BodyRow {
    float hipY, shoulderY, headY, headRX, headRY;
    float shoulderHW, waistHW, hipHW, legR, armR, depth;
    float stride, armSwing, upperArm, foreArm;
};

// One unit type as a table row: its sheet is Sprites/<group>/<name>/<name>_Sprite_Sheet.png
// and every unit walks in 6 frames.
struct UnitRow {
    const char* name;
    BodyRow body;
    int idleFrames, idleCycle;
    float shadowRX;
    DrawUnit draw;
};

Build buildOf(const BodyRow& body);
// The sheets of one group of units, one per row, in the rows' order.
std::vector<UnitDef> unitDefs(const char* group, const UnitRow* rows, int count);

std::vector<UnitDef> heroUnits();
std::vector<UnitDef> enemyUnits();
// The enemy war machine has no legs and is drawn by its own routine.
void drawTankSheet(const std::string& path);

} // namespace units
