// The painted backdrop of the card battle: 480 x 270 pixels drawn four times larger.
#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

struct FightBackground {
    const sf::Texture* texture = nullptr;
    sf::Sprite sprite;
};

void initFightBackground(FightBackground& background);
void drawFightBackground(const FightBackground& background, sf::RenderTarget& target);
void destroyFightBackground(FightBackground& background);
