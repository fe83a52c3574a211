#include "fight/impact_set.hpp"

#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/sprite_batch.hpp"
#include "core/visible_area.hpp"
#include "fight/fight_paths.hpp"

namespace {

enum : std::size_t { TEXTURE_EXPLOSION = 0, TEXTURE_IMPACT = 1, TEXTURE_BOOST_DEFENSE = 2, TEXTURE_BOOST_ATTACK = 3 };

constexpr float kBoostRise = 25.f;
const sf::IntRect kImpactFrame{0, 0, 70, 65};
const sf::IntRect kExplosionFrame{0, 0, 60, 64};
const sf::IntRect kBoostFrame{0, 0, 81, 100};
// The strips' files, in the order of ImpactSet::textures.
const char* const kImpactPaths[kImpactTextureCount] = {kExplosionPath, kImpactPath, kBoostDefensePath, kBoostAttackPath};

void setUp(Impact& impact, const sf::Texture* texture, const sf::IntRect& frame, std::uint32_t frames,
           std::uint32_t fps) {
    impact.sprite = texture ? createSprite(*texture) : sf::Sprite();
    impact.animation = createAnimation(frames, fps, &frame, 1);
    impact.sprite.setTextureRect(frame);
}

} // namespace

void initImpacts(ImpactSet& set, sf::Vector2f position, std::int32_t kind) {
    set.textures = {&createTexture(kExplosionPath), &createTexture(kImpactPath), &createTexture(kBoostDefensePath),
                    &createTexture(kBoostAttackPath)};
    set.atlas = cachedPictureAtlas("impacts", set.textures);
    set.count = 0;
    for (int i = 0; i < kImpactsPerSet; ++i) addImpact(set, position, kind);
}

void addImpact(ImpactSet& set, sf::Vector2f p, std::int32_t kind) {
    if (set.count >= kMaxImpacts) return;
    Impact& impact = set.impacts[static_cast<std::size_t>(set.count)];
    impact = Impact{};
    switch (kind) {
    case IMPACT_HIT: {
        // The look of the pile only: drawn from the cosmetic generator.
        if (cosmeticRandomInt() % 3 == 2)
            setUp(impact, set.textures[TEXTURE_IMPACT], kImpactFrame, 8, 15);
        else
            setUp(impact, set.textures[TEXTURE_EXPLOSION], kExplosionFrame, 8, 15);
        const float s = static_cast<float>(cosmeticRandomInt() % 3); // 0 (hidden), 1 or 2
        impact.sprite.setScale(s, s);
        impact.sprite.setPosition(p);
        break;
    }
    case IMPACT_DEFENSE_BOOST:
    case IMPACT_ATTACK_BOOST:
        setUp(impact, set.textures[kind == IMPACT_DEFENSE_BOOST ? TEXTURE_BOOST_DEFENSE : TEXTURE_BOOST_ATTACK],
              kBoostFrame, 6, 10);
        impact.sprite.setScale(2.f, 3.f);
        impact.sprite.setPosition(p.x, p.y - kBoostRise);
        break;
    default:
        break;
    }
    set.count += 1;
}

void updateImpacts(ImpactSet& set, float dt) {
    for (std::int32_t i = 0; i < set.count; ++i) {
        Impact& impact = set.impacts[static_cast<std::size_t>(i)];
        if (impact.animation.frameCount > 0) updateAnimation(&impact.animation, &impact.sprite, dt);
    }
}

void drawImpacts(const ImpactSet& set, sf::RenderTarget& target) {
    std::array<sf::Vertex, kMaxImpacts * kSpriteBatchVerticesPerSprite> vertices;
    SpriteBatch batch;
    batch.vertices = vertices;
    batch.atlas = set.atlas;
    for (std::int32_t i = 0; i < set.count && i < kMaxImpacts; ++i) {
        const sf::Sprite& sprite = set.impacts[static_cast<std::size_t>(i)].sprite;
        if (sprite.getScale().x == 0.f || !sprite.getTexture()) continue;
        // Most of each frame is transparent: only its visible part is drawn (without an
        // atlas, on a small card, each effect is drawn whole, on its own).
        sf::Sprite shown = sprite;
        for (std::size_t k = 0; k < kImpactTextureCount && set.atlas.texture; ++k)
            if (set.textures[k] == sprite.getTexture()) showVisibleFramePart(&shown, kImpactPaths[k]);
        batchSprite(&batch, shown, target);
    }
    flushSpriteBatch(&batch, target);
}
