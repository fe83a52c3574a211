// Numbers drawn from the digit sheet: ten digits 56 x 72 per row, one row per style.
// Kind 0 is the action-point counter (one digit at a fixed place), kind 1 the damage
// taken (rises while shown), kind 2 armor, kind 3 life, kind 5 the life separator.
#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

constexpr int kMaxNumberEntries = 50;
constexpr int kDigitWidth = 56;
constexpr int kDigitHeight = 72;
// A damage number's digits: 34 x 43 screen pixels, read from across the room.
constexpr float kDamageNumberScale = 0.6f;

enum : std::int32_t { NUMBER_ACTION_POINTS = 0, NUMBER_DAMAGE = 1, NUMBER_ARMOR = 2, NUMBER_LIFE = 3,
                      NUMBER_PLAIN = 4, NUMBER_SEPARATOR = 5 };

struct NumberEntry {
    sf::Sprite units;
    sf::Sprite tens;
    sf::Sprite hundreds;
    std::int32_t kind = 0;
    sf::Vector2f basePosition;
};

struct NumberDisplay {
    const sf::Texture* texture = nullptr;
    std::array<NumberEntry, kMaxNumberEntries> entries;
    std::int32_t count = 0;
    std::int32_t twoDigits = 0;
    std::int32_t threeDigits = 0;
};

void initNumberDisplay(NumberDisplay& display, std::int32_t kind, sf::Vector2f position);
// Appends an entry laid out by kind; a full display takes no more.
void addNumberEntry(NumberDisplay& display, std::int32_t kind, sf::Vector2f position);
void setNumberValue(NumberDisplay& display, std::int32_t value);
// Damage numbers rise 50 pixels per second while `rising` is set and go back at once when not.
void floatNumbers(NumberDisplay& display, std::int32_t rising, float dt);
void drawNumberDisplay(const NumberDisplay& display, sf::RenderTarget& target);
