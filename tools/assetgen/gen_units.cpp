// Map sheets of the heroes and the enemies: 64x64 frames, row 0 idle (facing the viewer),
// row 1 walking left, row 2 walking right.
#include "art.hpp"
#include "generators.hpp"
#include "units_types.hpp"

#include <algorithm>

using namespace art;

namespace {

void drawUnitSheet(const units::UnitDef& u) {
    const int cols = std::max(u.idleFrames, u.walkFrames);
    Sheet sheet(units::kFrame, units::kFrame, unsigned(cols), 3);
    for (int i = 0; i < u.idleFrames; ++i)
        sheet.frame(unsigned(i), 0, [&](Canvas& f) {
            Canvas fig(units::kFrame, units::kFrame);
            u.draw(fig, units::idlePose(u.build, i, u.idleFrames, u.idleCycle), u.build);
            units::finish(f, fig, u.build.cx, u.shadowRX);
        });
    for (int row = 1; row <= 2; ++row)
        for (int i = 0; i < u.walkFrames; ++i)
            sheet.frame(unsigned(i), unsigned(row), [&](Canvas& f) {
                Canvas fig(units::kFrame, units::kFrame);
                u.draw(fig, units::walkPose(u.build, i, u.walkFrames, row == 1 ? -1 : 1), u.build);
                units::finish(f, fig, u.build.cx, u.shadowRX);
            });
    sheet.save(out(u.path));
}

} // namespace

void genUnits() {
    for (const units::UnitDef& u : units::heroUnits()) drawUnitSheet(u);
    for (const units::UnitDef& u : units::enemyUnits()) drawUnitSheet(u);
    units::drawTankSheet("Sprites/WorldEnemySprite/Tank/Tank_Sprite_Sheet.png");
}
