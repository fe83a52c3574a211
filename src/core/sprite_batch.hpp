// Sprites gathered into one vertex list over a picture atlas (core/picture_atlas) and drawn
// in one call: each sprite becomes the two triangles SFML would draw for it, its texture
// area moved to where its picture lies in the atlas, so the screen shows the same pixels.
// A sprite whose picture is not in the atlas (or a full list) draws what was gathered so
// far, then itself alone: the drawing order never changes.
#pragma once

#include "core/picture_atlas.hpp"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <cstddef>
#include <span>

constexpr int kSpriteBatchVerticesPerSprite = 6;

// The gathering of one draw: the vertices live in storage its caller owns (a fixed array
// beside the draw), `used` of them filled.
struct SpriteBatch {
    std::span<sf::Vertex> vertices;
    std::size_t used = 0;
    PictureAtlas atlas;
    sf::BlendMode blend = sf::BlendAlpha;
    std::int32_t drawCalls = 0; // calls made so far (gathered lists and lone sprites)
};

// The sprite's two triangles over the atlas area of its current texture rectangle, in
// world coordinates. False (nothing written) when its picture is not in the atlas, or when
// it is turned or scaled by a fraction (it would sample texel edges, where the atlas's
// coordinates may round differently from its own picture's).
bool spriteQuad(const PictureAtlas& atlas, const sf::Sprite& sprite, sf::Vertex quad[kSpriteBatchVerticesPerSprite]);
// Adds `sprite` (one without a texture draws nothing, as on its own).
void batchSprite(SpriteBatch* batch, const sf::Sprite& sprite, sf::RenderTarget& target);
// Draws what was gathered, in one call, and empties the list.
void flushSpriteBatch(SpriteBatch* batch, sf::RenderTarget& target);
