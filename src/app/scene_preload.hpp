// What every scene change of a game needs, read at start-up: the map's pictures and both
// its atlases, the shop's pictures and the measures of its backdrop, every road of the
// level transition and the visible part of each of its frames, the battle's pictures. The
// first shop, road, level, fight or new game of a run then reads nothing from the disk.
#pragma once

void preloadScenePictures();
