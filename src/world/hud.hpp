// The overlay of the world map: the top bar with the heroes' animated portraits, a
// character sheet while the mouse is over a portrait, the gold and the end-turn button.
// It is drawn in world coordinates at the camera's top-left plus fixed screen offsets and
// follows every scroll of the view, so it stays put on the screen.
#pragma once

#include "core/animation.hpp"
#include "core/sprite_batch.hpp"
#include "world/party.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

constexpr int kHudSlots = 4;

inline constexpr const char* kHudBarPath = "Assets/Sprites/HUD/HUD.png";
inline constexpr const char* kHudLeaderFramePath = "Assets/Sprites/HUD/carre_2.png";
inline constexpr const char* kHudFramePath = "Assets/Sprites/HUD/carre_1.png";
inline constexpr const char* kHudGoldIconPath = "Assets/Sprites/HUD/money_sac.png";
inline constexpr const char* kHudSheetPath = "Assets/Sprites/HUD/Fiche_technique.png";
inline constexpr const char* kHudEndTurnPath = "Assets/Sprites/HUD/EndTurnPress.png";

// Screen layout, as offsets from the camera's top-left corner.
inline const sf::Vector2f kHudFrameOffsets[kHudSlots] = {{20.f, 20.f}, {200.f, 20.f}, {380.f, 20.f}, {560.f, 20.f}};
inline const sf::Vector2f kHudPortraitOffsets[kHudSlots] = {{5.f, 10.f}, {185.f, 10.f}, {365.f, 10.f}, {545.f, 10.f}};
inline const sf::Vector2f kHudSheetTextOffsets[kHudSlots] = {{90.f, 120.f}, {270.f, 120.f}, {450.f, 120.f},
                                                                 {630.f, 120.f}};
inline const sf::Vector2f kHudSheetHoverOffsets[kHudSlots] = {{50.f, 75.f}, {230.f, 75.f}, {410.f, 75.f},
                                                                  {590.f, 75.f}};
inline const sf::Vector2f kHudSheetStartOffset{700.f, 20.f};
inline const sf::Vector2f kHudGoldIconOffset{1800.f, 15.f};
inline const sf::Vector2f kHudEndTurnOffset{1664.f, 1005.f};
constexpr float kHudGoldRightMargin = 135.f; // the gold text ends this far from the screen's right edge
constexpr float kHudGoldTop = 45.f;
inline const sf::IntRect kEndTurnNormalRect{0, 0, 63, 17};
inline const sf::IntRect kEndTurnPressedRect{0, 17, 63, 17};

struct Hud {
    sf::Sprite barSprite;
    std::array<sf::Sprite, kHudSlots> frameSprites;
    std::array<sf::Sprite, kHudSlots> portraitSprites;
    sf::Sprite endTurnSprite;
    std::array<Animation, kHudSlots> portraitAnimations{};
    sf::Sprite goldIconSprite;
    sf::Text goldText;
    std::array<sf::Text, kHudSlots> sheetTexts;
    sf::Sprite sheetSprite;
    std::int32_t visible = 0;
    std::array<std::int32_t, kHudSlots> hovered{};
    const sf::Font* sheetFont = nullptr;
    const sf::Font* goldFont = nullptr;
};

// The fixed description shown on the character sheet of a hero type ("" outside 0 to 5).
const char* heroSheetText(std::int32_t type);

void initHud(Hud* hud, const Party* party, sf::Vector2f topLeft);
// The pictures gathered into `batch` and drawn with it, then the texts (no picture overlaps
// a text, so the screen is the same as drawing them in their stacking order).
void drawHud(const Hud* hud, SpriteBatch* batch, sf::RenderTarget& target, std::int32_t showEndTurn,
             std::uint32_t heroCount);
void updateHud(Hud* hud, std::int32_t gold, float dt, const sf::Vector2i* scrollStep, sf::Vector2f topLeft);
void toggleHud(Hud* hud);
// Positions are world positions (the caller adds the camera's top-left).
void hoverHud(Hud* hud, float x, float y, sf::Vector2f topLeft, std::uint32_t heroCount);
void updateEndTurnHover(Hud* hud, sf::Event::MouseMoveEvent move);
std::int32_t isEndTurnClicked(const Hud* hud, sf::Event::MouseButtonEvent press);
void setGoldText(Hud* hud, std::int32_t gold, sf::Vector2f topLeft);
