// Pictures of the level transition: on the war table a parchment map unrolls and shows the
// party's route to the next level.
#pragma once

#include "art.hpp"

namespace transition {

// The map and its board share one 360 x 202 frame (drawn x5, centred on the screen).
constexpr int kFrameW = 360, kFrameH = 202;
constexpr int kFrames = 15;
// The open parchment inside the frame; the board around it.
constexpr int kMapX = 22, kMapY = 16, kMapW = 316, kMapH = 170;
constexpr int kBoardX0 = 8, kBoardY0 = 5, kBoardX1 = 351, kBoardY1 = 196;
// The ten levels of the campaign, one stage each on the map.
constexpr int kStages = 10;

art::Canvas warTable();        // 480 x 270, drawn x4 behind everything
art::Canvas mapBoard();        // 360 x 202, the board the map is unrolled on
art::Canvas mapSheet(int n);   // 15 frames of 360 x 202: the way from level n to level n + 1

} // namespace transition
