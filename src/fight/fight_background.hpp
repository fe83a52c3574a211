// The painted backdrop of the card battle: 480 x 270 pixels drawn four times larger.
#pragma once

#include "core/backdrop_strips.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

struct FightBackground {
    const sf::Texture* texture = nullptr;
    sf::Sprite sprite;
    // Only what the battle HUD's opaque bar leaves to see is drawn.
    BackdropStrips shown;
};

void initFightBackground(FightBackground& background);
// Leaves out of the backdrop what lies under the fully opaque middle of `cover` (the
// picture at `coverPath`), drawn over it in every frame.
void hideFightBackgroundUnder(FightBackground& background, const sf::Sprite& cover, const char* coverPath);
void drawFightBackground(const FightBackground& background, sf::RenderTarget& target);
void destroyFightBackground(FightBackground& background);
