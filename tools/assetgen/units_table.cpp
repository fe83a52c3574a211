// Turns the unit tables of units_heroes.cpp and units_enemies.cpp into sheet definitions.
#include "units_types.hpp"

namespace units {

Build buildOf(const BodyRow& body) {
    Build b;
    b.hipY = body.hipY;
    b.shoulderY = body.shoulderY;
    b.headY = body.headY;
    b.headRX = body.headRX;
    b.headRY = body.headRY;
    b.shoulderHW = body.shoulderHW;
    b.waistHW = body.waistHW;
    b.hipHW = body.hipHW;
    b.legR = body.legR;
    b.armR = body.armR;
    b.depth = body.depth;
    b.stride = body.stride;
    b.armSwing = body.armSwing;
    b.upperArm = body.upperArm;
    b.foreArm = body.foreArm;
    return b;
}

std::vector<UnitDef> unitDefs(const char* group, const UnitRow* rows, int count) {
    std::vector<UnitDef> defs;
    for (int i = 0; i < count; ++i) {
        const UnitRow& row = rows[i];
        UnitDef def;
        def.path = std::string("Sprites/") + group + "/" + row.name + "/" + row.name + "_Sprite_Sheet.png";
        def.build = buildOf(row.body);
        def.idleFrames = row.idleFrames;
        def.idleCycle = row.idleCycle;
        def.draw = row.draw;
        def.shadowRX = row.shadowRX;
        defs.push_back(def);
    }
    return defs;
}

} // namespace units
