// The camp heal screen: a hero that ends its move on a camp cell rests there; each click on
// the heal button buys 10 life for 20 gold, never above the hero's maximum, and the cross
// closes the screen. While it is open the board stands still.
#pragma once

#include "core/animation.hpp"
#include "world/party.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>

inline constexpr const char* kCampBackgroundPath = "Assets/Sprites/Camp/HUD_heal.png";
inline constexpr const char* kHealButtonPath = "Assets/Sprites/Camp/button_healing.png";
inline constexpr const char* kCampCrossPath = "Assets/Sprites/Camp/cross.png";
inline constexpr const char* kCampLifeBarPath = "Assets/Sprites/Camp/life_bar-Sheet-export.png";
inline constexpr const char* kHealEffectPath = "Assets/Sprites/Camp/heal_spritsheet.png";

constexpr std::int32_t kHealCost = 20;
constexpr std::int32_t kHealAmount = 10;
constexpr int kCampLifeBarWidth = 256; // at full life
constexpr int kCampLifeBarHeight = 22;
constexpr std::uint32_t kHealEffectFrames = 8;
constexpr std::uint32_t kHealEffectRate = 8;
inline const sf::IntRect kHealEffectFirstFrame{0, 0, 225, 74};
constexpr unsigned kHealCostTextSize = 25;

// Screen layout, as offsets from the camera's top-left corner.
inline const sf::Vector2f kCampBackgroundOffset{960.f, 540.f}; // the background's centre
inline const sf::Vector2f kCampLifeBarOffset{813.f, 530.f};
inline const sf::Vector2f kHealButtonOffset{1095.f, 508.f};
inline const sf::Vector2f kCampCrossOffset{1213.f, 486.f};
inline const sf::Vector2f kHealEffectOffset{830.f, 498.f};
inline const sf::Vector2f kHealCostOffset{1188.f, 526.f};
inline const sf::Vector2f kCampPortraitOffset{670.f, 480.f};

struct CampScreen {
    std::int32_t open = 0;
    std::int32_t player = -1; // party index of the hero being healed
    const sf::Texture* backgroundTexture = nullptr;
    const sf::Texture* healButtonTexture = nullptr;
    const sf::Texture* crossTexture = nullptr;
    const sf::Texture* lifeBarTexture = nullptr;
    const sf::Texture* healEffectTexture = nullptr;
    sf::Sprite background;
    sf::Sprite healButton;
    sf::Sprite cross;
    sf::Sprite lifeBar;
    sf::Sprite healEffect;
    Animation healAnimation;
    sf::Text healCostText;
    sf::Sprite portrait;
};

// Builds the camp screen, closed; the heal effect is played to its end so that it does not
// show before the first heal.
void initCamp(CampScreen* camp);
// Closes the screen when open (hero `index` drops its errand); otherwise opens it for hero
// `index` of the party at `topLeft`, the camera's top-left corner.
void toggleCampScreen(CampScreen* camp, Party* party, std::int32_t index, sf::Vector2f topLeft);
// Puts every element of the screen at `topLeft`, so that it shows at the same place in the
// window whatever the view did.
void placeCampScreen(CampScreen* camp, sf::Vector2f topLeft);
// A left click in world pixels while the screen is open: the heal button (paid from
// *gold), then the cross.
void clickCampScreen(CampScreen* camp, Party* party, std::int32_t* gold, sf::Event::MouseButtonEvent press);
// One frame of the open screen: the heal effect plays.
void updateCampScreen(CampScreen* camp, float dt);
void drawCampScreen(const CampScreen* camp, sf::RenderTarget& target);
// Width of the life bar for `life` of `maxLife`: 256 pixels at full life.
int campLifeBarWidth(std::int32_t life, float maxLife);
