// The large menu pictures: backdrops, tabletops, note pads and the end-screen scenes.
#pragma once

#include "art.hpp"

namespace menus {

// Decorative ribbon banner: a cloth band with gold trim and swallowtail ends folded behind.
// (x, y, w, h) is the front band; each tail reaches `tail` pixels beyond it.
void ribbon(art::Canvas& c, int x, int y, int w, int h, int tail, int cloth, int clothDark, int seed);

art::Canvas mainMenuBackground();  // 480 x 270, drawn at scale 4
art::Canvas teamTable();           // 480 x 270, team-selection tabletop
art::Canvas teamNotePad();         // 480 x 270 overlay, note pad for the stat sheet
art::Canvas shopTable();           // 480 x 270, recruit-shop counter
art::Canvas shopNotePad();         // 480 x 270 overlay, ledger strip and note pad
art::Canvas winSheet();            // 10 frames of 240 x 135, victory celebration
art::Canvas winVeil();             // 1920 x 1080 translucent veil
art::Canvas defeatPicture();       // 480 x 270, translucent defeat scene

} // namespace menus
