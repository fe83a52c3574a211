// A picture drawn over others whose middle is fully opaque (a bar, a panel): the middle is
// written without blending, which the software rasteriser does for less, and only the rim
// around it is blended. Looks exactly as the picture drawn whole and blended.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <cstdint>

struct OpaqueSplit {
    sf::Sprite middle;               // the opaque part, drawn without blending
    std::array<sf::Sprite, 4> rim;   // what the sprite shows around it, blended
    std::int32_t rimCount = 0;
    std::int32_t split = 0;          // 0: not split (the picture is drawn whole)
};

// Splits what `picture` shows at the rectangle `opaque` (picture pixels whose every pixel
// is fully opaque, see opaquePictureCore). The pieces stand exactly where the picture put
// them, whatever its origin, scale and rotation. Nothing opaque in view: not split.
OpaqueSplit splitAtOpaqueMiddle(const sf::Sprite& picture, const sf::IntRect& opaque);

// The split pieces, or `picture` whole and blended when it was not split.
void drawOpaqueSplit(const sf::Sprite& picture, const OpaqueSplit& split, sf::RenderTarget& target);
