#include "art.hpp"
#include "generators.hpp"

using namespace art;

namespace {

// The game's pointer: a gilded arrowhead whose tip is the top-left pixel (the hot spot).
void drawCursor() {
    // Shape rows of the arrow, 'o' outline, 'f' fill, 'h' highlight, 's' shade.
    static const char* rows[] = {
        "o...........",
        "oo..........",
        "oho.........",
        "ohfo........",
        "ohffo.......",
        "ohfffo......",
        "ohffffo.....",
        "ohfffffo....",
        "ohffffffo...",
        "ohfffffffo..",
        "ohffffffffo.",
        "ohfffsoooooo",
        "ohfsofso....",
        "ohso.ofso...",
        "oso..ofso...",
        "oo....ofso..",
        "o.....ofso..",
        ".......oo...",
    };
    Canvas c(16, 22);
    for (int y = 0; y < int(sizeof(rows) / sizeof(rows[0])); ++y)
        for (int x = 0; rows[y][x]; ++x) {
            switch (rows[y][x]) {
            case 'o': c.px(x, y, pal(Ink)); break;
            case 'h': c.px(x, y, pal(GoldLight)); break;
            case 'f': c.px(x, y, pal(Gold)); break;
            case 's': c.px(x, y, pal(Ember)); break;
            default: break;
            }
        }
    // Soft drop shadow down-right, away from the light.
    Canvas shadowed(16, 22);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 16; ++x)
            if (c.opaque(x - 1, y - 2) && !c.opaque(x, y)) shadowed.px(x, y, pal(Ink, 110));
    shadowed.blit(c, 0, 0);
    // Each art pixel covers 2x2 screen pixels, the same pixel size as the map art.
    Canvas doubled(32, 44);
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 32; ++x) doubled.px(x, y, shadowed.get(x / 2, y / 2));
    doubled.save(out("Sprites/HUD/mouse_menu.png"));
}

} // namespace

void genCore() { drawCursor(); }
