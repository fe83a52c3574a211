// Pictures of the "camp" group: map crates, the camp heal screen and the tutorial box frame.
// Each function returns the finished picture at the size the game loads it.
#pragma once

#include "art.hpp"

namespace camp {

// Crates: 128 x 128 (64-pixel art doubled), the crate centred in its cell, transparent around.
art::Canvas crateClosed();
art::Canvas crateOpened();

// Heal screen, all drawn at scale 1 by the game (authored at x2 pixels).
art::Canvas healBackground();    // 622 x 160, centred on screen point (960, 540)
art::Canvas healButton();        // 88 x 48, at screen (1095, 508)
art::Canvas closeCross();        // 32 x 32, at screen (1213, 486)
art::Canvas lifeBarFill();       // 256 x 22, cut from the left to the hero's share of life
art::Canvas healSparkleSheet();  // 8 frames of 225 x 74, at screen (830, 498)

// Tutorial box frame: three pieces of the same height. The middle is stretched x6.5 by x2,
// so its columns are all alike; the ends are drawn at x2.
art::Canvas dialogLeft();
art::Canvas dialogMid();
art::Canvas dialogRight();

} // namespace camp
