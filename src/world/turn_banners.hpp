// The banners that open each turn: the allies' one grows at the middle of the close view,
// the enemies' one at the middle of the map (the half-size overview). Each holds a second
// at full size, then hides; the board waits while one shows.
#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>

inline constexpr const char* kAllyBannerPath = "Assets/Sprites/Fight/AllyTurn.png";
inline constexpr const char* kEnemyBannerPath = "Assets/Sprites/Fight/EnemyTurn.png";

constexpr float kAllyBannerGrowth = 0.75f; // scale per second
constexpr float kEnemyBannerGrowth = 1.5f;
constexpr float kAllyBannerScale = 1.f;
constexpr float kEnemyBannerScale = 2.f; // the enemies' banner shows over the half-size overview
constexpr float kBannerHoldSeconds = 1.f;

struct TurnBanners {
    const sf::Texture* allyTexture = nullptr;
    const sf::Texture* enemyTexture = nullptr;
    sf::Sprite ally;
    sf::Sprite enemy;
    std::int32_t allyHidden = 1;
    std::int32_t enemyHidden = 1;
    float holdTimer = 0.f; // seconds the shown banner has stood at full size
};

// Both banners built and hidden.
void initTurnBanners(TurnBanners* banners);
// One frame of the shown banners; `topLeft` is the camera's top-left corner.
void updateTurnBanners(TurnBanners* banners, sf::Vector2f topLeft, float dt);
void drawTurnBanners(const TurnBanners* banners, sf::RenderTarget& target);
