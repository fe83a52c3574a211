#include "fight/turn_controls.hpp"

#include "core/resources.hpp"
#include "fight/fight_paths.hpp"
#include "fight/visible_part.hpp"

namespace {
constexpr float kButtonScale = 4.f;
const sf::Vector2f kButtonPosition{1650.f, 950.f};
constexpr float kBannerInBefore = -15.f; // left edges left of this still slide in
constexpr float kScreenWidth = 1920.f;
} // namespace

void initTurnButton(TurnButton& button) {
    button.texture = &createTexture(kTurnButtonPath);
    button.sprite = createSprite(*button.texture);
    button.sprite.setTextureRect(button.normalArea);
    button.sprite.setScale(kButtonScale, kButtonScale);
    button.sprite.setPosition(kButtonPosition);
    button.isAllyTurn = 1;
    button.hovered = 0;
    button.enemyTurnTimer = kEnemyTurnSeconds;
    button.fightOver = 0;
    button.enemiesActed = 0;
}

void initTurnBanner(TurnBanner& banner) {
    banner.allyTexture = &createTexture(kAllyTurnPath);
    banner.enemyTexture = &createTexture(kEnemyTurnPath);
    banner.allySprite = createSprite(*banner.allyTexture);
    banner.enemySprite = createSprite(*banner.enemyTexture);
    showVisiblePart(banner.allySprite, kAllyTurnPath);
    showVisiblePart(banner.enemySprite, kEnemyTurnPath);
    banner.allySprite.setPosition(kBannerRest);
    banner.enemySprite.setPosition(kBannerRest);
    banner.holdTimer = kFirstBannerHold;
    banner.animating = 1;
}

void hoverTurnButton(TurnButton& button, sf::Vector2f mouse) {
    button.hovered = button.sprite.getGlobalBounds().contains(mouse) ? button.isAllyTurn : 0;
    button.sprite.setTextureRect(button.hovered ? button.hoveredArea : button.normalArea);
}

void slideTurnBanner(TurnBanner& banner, std::int32_t isAllyTurn, float dt) {
    if (!banner.animating) return;
    sf::Sprite& band = isAllyTurn ? banner.allySprite : banner.enemySprite;
    const float x = band.getPosition().x;
    if (x < kBannerInBefore) band.move(kBannerStep, 0.f);
    if (x >= 0.f) {
        banner.holdTimer -= dt;
        if (banner.holdTimer < 0.f) band.move(kBannerStep, 0.f);
    }
    if (x > kScreenWidth) {
        band.setPosition(kBannerRest);
        banner.holdTimer = kBannerHold;
        banner.animating = 0;
    }
}

void beginAlliesTurn(TurnButton& button, TurnBanner& banner) {
    button.isAllyTurn = 1;
    button.enemyTurnTimer = kEnemyTurnSeconds;
    button.enemiesActed = 0;
    banner.animating = 1;
    banner.allySprite.setPosition(kBannerRest);
    banner.enemySprite.setPosition(kBannerRest);
    banner.holdTimer = kBannerHold;
}

void beginEnemiesTurn(TurnButton& button, TurnBanner& banner) {
    button.isAllyTurn = 0;
    button.enemiesActed = 0;
    banner.animating = 1;
    banner.allySprite.setPosition(kBannerRest);
    banner.holdTimer = kBannerHold;
}

void drawTurnButton(const TurnButton& button, sf::RenderTarget& target) { target.draw(button.sprite); }

void drawTurnBanner(const TurnBanner& banner, std::int32_t isAllyTurn, sf::RenderTarget& target) {
    target.draw(isAllyTurn ? banner.allySprite : banner.enemySprite);
}
