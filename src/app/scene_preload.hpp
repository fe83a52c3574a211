// What every scene change of a game needs, read at start-up: the map's pictures and both
// its atlases, the board's pictures, the shop's pictures and the measures of its backdrop,
// every road of the level transition and the visible part of each of its frames, the
// battle's pictures (those of a battle with fighters too), and every letter of every text
// style the scenes show. The first shop, road, level, fight or new game of a run then
// reads nothing from the disk and draws no new letter.
#pragma once

#include "core/fonts.hpp"

#include <SFML/Config.hpp>

namespace sf {
class RenderTarget;
}

struct SceneTextStyle {
    const char* font = nullptr;
    unsigned size = 0;
    float outline = 0.f; // > 0: the rimmed letters too (a rimmed text draws both)
};

// The scenes' texts: a font draws a letter into its page the first time it shows at a size
// (and rim). Writing into a texture the frame already drew with makes the software GL wait
// for that whole frame first: a first map frame or battle lost 10 ms to it.
inline constexpr SceneTextStyle kSceneTextStyles[] = {
    {kPixelFontPath, 8, 0.f},    // battle cards at rest
    {kPixelFontPath, 15, 0.f},   // tutorial box, HUD life numbers
    {kPixelFontPath, 16, 2.f},   // deck view cards and hint
    {kPixelFontPath, 16, 3.f},   // battle badges, the card under the pointer
    {kPixelFontPath, 24, 3.f},   // enemy intents, gold on the battle's end banner
    {kPixelFontPath, 25, 0.f},   // camp heal cost
    {kPixelFontPath, 32, 0.f},   // HUD gold
    {kPixelFontPath, 40, 4.f},   // deck view title
    {kPixelFontPath, 50, 0.f},   // crate gold
    {kDisplayFontPath, 20, 0.f}, // HUD character sheet
    {kDisplayFontPath, 35, 4.f}, // shop texts and its refusal note
};
// The letters the game's texts use (they are plain ASCII).
inline constexpr sf::Uint32 kFirstShownLetter = U' ';
inline constexpr sf::Uint32 kLastShownLetter = U'~';

void preloadScenePictures();
// Draws the first frame of the shop, the road, the map and a battle once into `target`
// through a one-pixel viewport, then clears it (nothing shows). The software GL builds the
// code of each way of drawing the first time it meets it, up to 10 ms in a first frame;
// the scenes then find theirs built. Both random generators end as they were.
void preloadSceneDrawing(sf::RenderTarget& target);
// Draws every letter of kSceneTextStyles into its font's page (part of preloadScenePictures).
void preloadSceneGlyphs();
