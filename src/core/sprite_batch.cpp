#include "core/sprite_batch.hpp"

#include <cmath>

bool spriteQuad(const PictureAtlas& atlas, const sf::Sprite& sprite, sf::Vertex quad[kSpriteBatchVerticesPerSprite]) {
    if (!atlas.texture) return false;
    // A sprite turned or scaled by a fraction samples its picture exactly on texel edges,
    // where a coordinate scaled to the atlas's size may round the other way: drawn alone.
    const sf::Vector2f scale = sprite.getScale();
    if (sprite.getRotation() != 0.f || scale.x != std::round(scale.x) || scale.y != std::round(scale.y)) return false;
    const std::int32_t index = atlasPictureIndex(atlas, sprite.getTexture());
    if (index < 0) return false;
    const sf::Vector2i corner = atlas.corners[static_cast<std::size_t>(index)];
    // As sf::Sprite: corners at (0, 0) and the rectangle's absolute size, texture
    // coordinates from its left/top to left + width/top + height (a negative size mirrors).
    const sf::IntRect rect = sprite.getTextureRect();
    const float w = static_cast<float>(std::abs(rect.width)), h = static_cast<float>(std::abs(rect.height));
    const float left = static_cast<float>(rect.left + corner.x), top = static_cast<float>(rect.top + corner.y);
    const float right = left + static_cast<float>(rect.width), bottom = top + static_cast<float>(rect.height);
    const sf::Transform& transform = sprite.getTransform();
    const sf::Color colour = sprite.getColor();
    const sf::Vertex topLeft(transform.transformPoint(0.f, 0.f), colour, {left, top});
    const sf::Vertex bottomLeft(transform.transformPoint(0.f, h), colour, {left, bottom});
    const sf::Vertex topRight(transform.transformPoint(w, 0.f), colour, {right, top});
    const sf::Vertex bottomRight(transform.transformPoint(w, h), colour, {right, bottom});
    // The triangle strip of a sprite's quad, as two triangles.
    quad[0] = topLeft;
    quad[1] = bottomLeft;
    quad[2] = topRight;
    quad[3] = topRight;
    quad[4] = bottomLeft;
    quad[5] = bottomRight;
    return true;
}

void batchSprite(SpriteBatch* batch, const sf::Sprite& sprite, sf::RenderTarget& target) {
    if (!sprite.getTexture()) return;
    if (batch->used + kSpriteBatchVerticesPerSprite <= batch->vertices.size() &&
        spriteQuad(batch->atlas, sprite, &batch->vertices[batch->used])) {
        batch->used += kSpriteBatchVerticesPerSprite;
        return;
    }
    flushSpriteBatch(batch, target);
    target.draw(sprite, sf::RenderStates(batch->blend));
    batch->drawCalls += 1;
}

void flushSpriteBatch(SpriteBatch* batch, sf::RenderTarget& target) {
    if (batch->used == 0) return;
    sf::RenderStates states(batch->blend);
    states.texture = batch->atlas.texture;
    target.draw(batch->vertices.data(), batch->used, sf::Triangles, states);
    batch->drawCalls += 1;
    batch->used = 0;
}
