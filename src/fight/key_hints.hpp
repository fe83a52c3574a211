// The small key caps that name the key of a card or a button, on the battle screen and on
// the map's HUD: one picture sheet, one cap per key.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

inline constexpr const char* kKeyHintsPath = "Assets/Sprites/HUD/KeyHints.png";
// The caps are drawn at twice their picture's size.
constexpr float kKeyHintScale = 2.f;

// In sheet order: the narrow caps, then the wide ones.
enum KeyCap : std::int32_t {
    KEY_CAP_1, KEY_CAP_2, KEY_CAP_3, KEY_CAP_4, KEY_CAP_5, KEY_CAP_D, KEY_CAP_E, KEY_CAP_U,
    KEY_CAP_TAB, KEY_CAP_ENTER, KEY_CAP_COUNT
};

// The cap's area on the sheet.
sf::IntRect keyCapArea(KeyCap cap);
// Draws the cap with its centre at `centre`, turned by `degrees`.
void drawKeyCap(sf::RenderTarget& target, KeyCap cap, sf::Vector2f centre, float degrees = 0.f);
