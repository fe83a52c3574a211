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

std::vector<UnitDef> heroUnits();
std::vector<UnitDef> enemyUnits();
// The enemy war machine has no legs and is drawn by its own routine.
void drawTankSheet(const std::string& path);

} // namespace units
