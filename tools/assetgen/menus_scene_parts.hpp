// What the menu scene files share: small colour and noise helpers, the distant castle and the
// props laid on the team and shop tables. Only the menus_scene*.cpp files include this.
#pragma once

#include "art.hpp"
#include "menus_kit.hpp"

namespace menus {

constexpr float kPi = 3.14159265f;

// The next lighter shade of a cloth colour (the colour itself when it has none).
int lighter(int p);
// Ridged noise in [0, 1]: sharp crests where the value noise crosses one half.
float ridge(float x, int period, int seed);
bool chance(int x, int y, int seed, float p);

// A castle seen from afar: curtain wall, two towers, a keep with a turret, lit windows and
// pennants. (x, base) is the bottom-left of the wall; `s` scales the proportions (1 or 2).
void castle(art::Canvas& c, int x, int base, int s, float phase, int seed);

// ---- table props (menus_scene_props.cpp) ----
// Planked wooden tabletop filling the canvas, lit from the top, darker toward its edges.
void tabletop(art::Canvas& c, int seed);
// A candle in a brass dish at (x, y), with its warm pool of light on the table.
void candle(art::Canvas& c, int x, int y);
void coinPurse(art::Canvas& c, int x, int y);
void quillAndInk(art::Canvas& c, int x, int y);
// n coins stacked upwards from (x, y).
void coinStack(art::Canvas& c, int x, int y, int n);
void looseCoin(art::Canvas& c, int x, int y);
void dagger(art::Canvas& c, int x, int y);
// Round figurine base where a hero stands on the table.
void figureBase(art::Canvas& c, int cx, int cy, int rx, int ry);
// Old map sheet with ragged edges and fold creases.
void mapSheet(art::Canvas& c, int x0, int y0, int x1, int y1, int seed);
// Drawings on the map: a mountain, a tree, a compass rose and a dotted route through n points.
void mapMountain(art::Canvas& c, int x, int y, int h);
void mapTree(art::Canvas& c, int x, int y);
void compassRose(art::Canvas& c, int cx, int cy, int r);
void dottedRoute(art::Canvas& c, const int (*pts)[2], int n);
// Paper pad: ruled white sheets with a red margin, a spiral binding on top and a curled corner.
// The rules sit one pixel under the baselines of the game's stat-sheet lines (first baseline
// and line step in art pixels), so the black text lies on them.
void notePad(art::Canvas& c, int x0, int y0, int x1, int y1, float firstBaseline, float lineStep);
void pencil(art::Canvas& c, int x, int y, int len);

} // namespace menus
