// Why the shop turns a hire down, said on the hire page for two seconds: the party has no
// room left, or the shop's gold does not cover the price.
#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstdint>
#include <string>

struct Shop;

enum class HireRefusal { None, PartyFull, NotEnoughGold };

constexpr float kHireRefusalSeconds = 2.f;

// The line under the Hire button while a refusal shows.
struct HireRefusalNote {
    sf::Text text;
    float secondsLeft = 0.f;
};

// What stands in the way of hiring one more companion now (room is checked first).
HireRefusal hireRefusalOf(const Shop* shop);
// The words for a refusal ("" for None).
std::string hireRefusalText(HireRefusal refusal);
// Shows the refusal's words for kHireRefusalSeconds (None hides the note).
void showHireRefusal(Shop* shop, HireRefusal refusal);
void updateHireRefusal(Shop* shop, float dt);
void drawHireRefusal(const Shop* shop, sf::RenderTarget& target);
