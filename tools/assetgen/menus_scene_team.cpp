// The team-selection scene: a campaign map on the table with the party's figurine bases,
// and the note pad laid over it for the stat sheet.
#include "menus_scenes.hpp"

#include "menus_scene_parts.hpp"

#include <cmath>

using namespace art;

namespace menus {

Canvas teamTable() {
    Canvas c(480, 270);
    tabletop(c, 201);
    // Campaign map under the team area, the heroes standing on it as figurines.
    mapSheet(c, 8, 8, 252, 262, 211);
    mapMountain(c, 222, 80, 5);
    mapMountain(c, 230, 84, 4);
    mapMountain(c, 215, 88, 3);
    for (int i = 0; i < 7; ++i) mapTree(c, 214 + (i % 4) * 7 + (i / 4) * 3, 110 + (i / 4) * 6);
    mapTree(c, 30, 150);
    mapTree(c, 36, 146);
    // River crossing the lower corner.
    for (int i = 0; i < 70; ++i) {
        const int rx = 160 + i, ry = 262 - i / 2 - int(std::sin(float(i) * 0.15f) * 4.f);
        c.px(rx, ry, pal(WaterLight));
        c.px(rx, ry - 1, pal(Foam));
    }
    const int route[][2] = {{228, 250}, {232, 226}, {226, 200}, {236, 174}, {230, 140}, {236, 118}};
    dottedRoute(c, route, 6);
    compassRose(c, 40, 232, 14);
    // Figurine bases: the hero on show and the three party slots.
    figureBase(c, 114, 205, 22, 6);
    figureBase(c, 91, 92, 10, 3);
    figureBase(c, 116, 92, 10, 3);
    figureBase(c, 141, 92, 10, 3);
    vignette(c, 0, 170, 0.5f);
    // Props on the free part of the table.
    candle(c, 440, 236);
    quillAndInk(c, 300, 236);
    coinStack(c, 380, 252, 4);
    looseCoin(c, 395, 256);
    looseCoin(c, 364, 240);
    dagger(c, 296, 190);
    return c;
}

Canvas teamNotePad() {
    Canvas c(480, 270);
    notePad(c, 268, 0, 468, 142, 20.f, 11.5f);
    pencil(c, 300, 150, 46);
    return c;
}

} // namespace menus
