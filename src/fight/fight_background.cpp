#include "fight/fight_background.hpp"

#include "core/resources.hpp"
#include "core/visible_area.hpp"

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
    background.shown = BackdropStrips{};
}

void hideFightBackgroundUnder(FightBackground& background, const sf::Sprite& cover, const char* coverPath) {
    background.shown = BackdropStrips{};
    // The backdrop is written without blending whole or cut, so what the cover hides never shows.
    if (background.texture)
        background.shown = cutBackdropStrips(background.sprite, coveredArea(cover, opaquePictureCore(coverPath)));
}

void drawFightBackground(const FightBackground& background, sf::RenderTarget& target) {
    // The backdrop is drawn first and covers the whole window: its own colours, no blending.
    if (background.texture) drawBackdrop(background.sprite, background.shown, true, target);
}

// The pixels stay in the cache for the next fight; only the record lets go of them.
void destroyFightBackground(FightBackground& background) {
    background.sprite = sf::Sprite();
    background.texture = nullptr;
    background.shown = BackdropStrips{};
}
