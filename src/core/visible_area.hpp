// Many pictures are mostly transparent (the battle HUD is a bar along the bottom of a
// full-screen picture, a shadow a thin ellipse in a tall one, the note pad a quarter of
// its screen). Drawing only the part that holds visible pixels looks the same and spares
// the software rasteriser most of the work.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// The smallest area of `texture` holding every pixel that is not fully transparent (empty
// for an empty or wholly transparent picture). Reads the texture back: init only.
sf::IntRect visiblePictureArea(const sf::Texture& texture);

// The same for the cached picture at `path`, measured once and remembered in the asset
// cache until it is cleared.
sf::IntRect visiblePictureArea(const std::string& path);

// The visible area of `frame` (a frame of a strip or sheet, in the picture's pixels) of the
// cached picture at `path`, in the same coordinates; empty when the frame shows nothing.
// The first question about a picture measures every frame of its grid (frames of the same
// size, aligned with `frame`) at once and remembers them in the cache.
sf::IntRect visibleFrameArea(const std::string& path, const sf::IntRect& frame);
// Makes `sprite`, which shows `frame` of the picture at `path`, show only that frame's
// visible area, standing exactly where the whole frame put it (origin, scale and rotation
// kept); a frame that shows nothing leaves the sprite showing nothing.
void showVisibleFramePart(sf::Sprite* sprite, const std::string& path);

// True when `texture` has pixels and none of them lets anything show through: drawn over
// everything, it may be written without blending. Reads the texture back: init only.
bool pictureIsOpaque(const sf::Texture& texture);
// The same for the cached picture at `path`, looked at once and remembered in the cache.
bool pictureIsOpaque(const std::string& path);

// The largest rectangle of `texture` whose every pixel is fully opaque (empty when there is
// none): whatever lies under it where the picture is drawn never shows. Reads the texture
// back: init only.
sf::IntRect opaquePictureCore(const sf::Texture& texture);
// The same for the cached picture at `path`, measured once and remembered in the cache.
sf::IntRect opaquePictureCore(const std::string& path);
