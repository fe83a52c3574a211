// The deck view the pile opens: the battle darkened behind a title and the eight cards of
// one hero's deck, each with its words at the value they have now, all on the screen.
// A click anywhere or Escape closes it.
#pragma once

#include "fight/ally_list.hpp"
#include "fight/card_hand.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <cstdint>

struct DeckView {
    sf::RectangleShape shade;
    sf::Text title;
    sf::Text hint;
    std::array<sf::Sprite, kDeckSize> faces;
    std::array<sf::Text, kDeckSize> words;
    std::int32_t heroType = -1; // whose deck it shows
};

void initDeckView(DeckView& view);
// Lays out `ally`'s deck with its live values (its stats and boosts).
void showDeck(DeckView& view, const Ally& ally);
void drawDeckView(const DeckView& view, sf::RenderTarget& target);
