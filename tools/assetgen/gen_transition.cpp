// The level transition: the war table, the board and one unrolling map per level passage.
#include "art.hpp"
#include "generators.hpp"
#include "loop_transition.hpp"

#include <string>

using namespace art;

void genTransition() {
    const std::string dir = "Sprites/ChangeMapTile/";
    transition::warTable().save(out(dir + "table.png"));
    transition::mapBoard().save(out(dir + "mapChangeLevel.png"));
    // Sheet n is shown on the way from level n to level n + 1.
    for (int n = 1; n <= 9; ++n) transition::mapSheet(n).save(out(dir + "map-Sheet" + std::to_string(n) + ".png"));
}
