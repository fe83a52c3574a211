// The game's two fonts: a pixel font for labels and numbers, a Roman display face for
// character sheets and titles.
#pragma once

inline constexpr const char* kPixelFontPath = "Assets/Fonts/dogicapixel.ttf";
inline constexpr const char* kDisplayFontPath = "Assets/Fonts/The Centurion .ttf";
