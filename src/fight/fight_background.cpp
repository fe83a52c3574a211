#include "fight/fight_background.hpp"

#include "core/resources.hpp"

#include <SFML/Graphics/RenderStates.hpp>
#include "fight/fight_paths.hpp"

namespace {
constexpr float kBackgroundScale = 4.f;
}

void initFightBackground(FightBackground& background) {
    background.texture = &createTexture(kFightBackgroundPath);
    background.sprite = createSprite(*background.texture);
    background.sprite.setScale(kBackgroundScale, kBackgroundScale);
    background.sprite.setPosition(0.f, 0.f);
}

void drawFightBackground(const FightBackground& background, sf::RenderTarget& target) {
    // The backdrop is drawn first and covers the whole window: its own colours, no blending.
    if (background.texture) target.draw(background.sprite, sf::RenderStates(sf::BlendNone));
}

// The pixels stay in the cache for the next fight; only the record lets go of them.
void destroyFightBackground(FightBackground& background) {
    background.sprite = sf::Sprite();
    background.texture = nullptr;
}
