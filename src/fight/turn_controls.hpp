// The end-turn button and the sliding turn banners of the card battle.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

constexpr float kEnemyTurnSeconds = 5.f;
constexpr float kFirstBannerHold = 0.8f;
constexpr float kBannerHold = 2.f;
constexpr float kBannerStep = 40.f; // pixels per frame, not per second
inline const sf::Vector2f kBannerRest{-1920.f, 540.f};

struct TurnButton {
    sf::Sprite sprite;
    const sf::Texture* texture = nullptr;
    sf::IntRect normalArea{0, 0, 63, 17};   // the button at rest
    sf::IntRect hoveredArea{0, 17, 63, 17}; // under the mouse
    std::int32_t isAllyTurn = 1;
    std::int32_t hovered = 0;
    float enemyTurnTimer = kEnemyTurnSeconds;
    std::int32_t fightOver = 0;
    // Every living enemy has carried out its intent in this enemies' turn: only then may a
    // press on the button cut the turn short.
    std::int32_t enemiesActed = 0;
};

struct TurnBanner {
    sf::Sprite allySprite;
    sf::Sprite enemySprite;
    const sf::Texture* allyTexture = nullptr;
    const sf::Texture* enemyTexture = nullptr;
    float holdTimer = kFirstBannerHold;
    std::int32_t animating = 1;
};

void initTurnButton(TurnButton& button);
void initTurnBanner(TurnBanner& banner);
// The button lights up under the mouse during the allies' turn only.
void hoverTurnButton(TurnButton& button, sf::Vector2f mouse);
// One frame of the banner of the side whose turn it is: in, rest, out.
void slideTurnBanner(TurnBanner& banner, std::int32_t isAllyTurn, float dt);
// The allies' turn begins: the ally banner slides in and the next enemies' turn is whole.
void beginAlliesTurn(TurnButton& button, TurnBanner& banner);
// The enemies' turn begins: the enemy banner slides in.
void beginEnemiesTurn(TurnButton& button, TurnBanner& banner);
void drawTurnButton(const TurnButton& button, sf::RenderTarget& target);
void drawTurnBanner(const TurnBanner& banner, std::int32_t isAllyTurn, sf::RenderTarget& target);
