// An opaque picture filling the screen (a table, a battlefield) of which a part always
// lies under the opaque middle of another picture drawn over it (a frame, a note pad, a
// bar): only what can show is drawn, without blending, as up to four strips around the
// hidden part.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <cstdint>

struct BackdropStrips {
    std::array<sf::Sprite, 4> strips;
    std::int32_t count = 0; // 0: nothing cut (the backdrop is drawn as it is)
};

// The screen area under the fully opaque pixels `core` (picture pixels, see
// opaquePictureCore) of the picture `cover` shows, wherever and however large it is drawn.
sf::FloatRect coveredArea(const sf::Sprite& cover, const sf::IntRect& core);

// `backdrop`, unrotated and showing its whole picture from its top-left, cut into the
// strips that leave out `hidden` (screen pixels); each strip is a whole number of picture
// pixels, reaching at least to the hidden area's edge.
BackdropStrips cutBackdropStrips(const sf::Sprite& backdrop, const sf::FloatRect& hidden);

// The strips without blending; a backdrop that was not cut is drawn whole, blended or not.
void drawBackdrop(const sf::Sprite& backdrop, const BackdropStrips& strips, bool opaque, sf::RenderTarget& target);
