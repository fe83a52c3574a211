#include "world/turn_banners.hpp"

#include "core/asset_cache.hpp"
#include "core/resources.hpp"

namespace {

void buildBanner(const sf::Texture* texture, sf::Sprite* banner) {
    *banner = createSprite(*texture);
    const sf::FloatRect bounds = banner->getLocalBounds();
    banner->setOrigin(bounds.width / 2.f, bounds.height / 2.f);
    banner->setScale(0.f, 0.f);
}

// Grows a banner toward `fullScale` at `position`, holds it there for a second, then hides it.
void growBanner(float* holdTimer, sf::Sprite* banner, std::int32_t* hidden, float growth, float fullScale,
                sf::Vector2f position, float dt) {
    const sf::Vector2f grown = banner->getScale() + sf::Vector2f(dt * growth, dt * growth);
    banner->setPosition(position);
    if (grown.x < fullScale && grown.y < fullScale) {
        banner->setScale(grown);
        return;
    }
    banner->setScale(fullScale, fullScale);
    *holdTimer += dt;
    if (*holdTimer >= kBannerHoldSeconds) {
        *hidden = 1;
        banner->setScale(0.f, 0.f);
        *holdTimer = 0.f;
    }
}

} // namespace

void initTurnBanners(TurnBanners* banners) {
    banners->allyTexture = &createTexture(kAllyBannerPath);
    banners->enemyTexture = &createTexture(kEnemyBannerPath);
    buildBanner(banners->allyTexture, &banners->ally);
    buildBanner(banners->enemyTexture, &banners->enemy);
    banners->allyHidden = 1;
    banners->enemyHidden = 1;
    banners->holdTimer = 0.f;
}

void updateTurnBanners(TurnBanners* banners, sf::Vector2f topLeft, float dt) {
    if (!banners->allyHidden) {
        const sf::Vector2f centre = topLeft + sf::Vector2f(960.f, 540.f);
        growBanner(&banners->holdTimer, &banners->ally, &banners->allyHidden, kAllyBannerGrowth, kAllyBannerScale,
                   centre, dt);
    }
    if (!banners->enemyHidden) {
        // The middle of the map, which is the middle of the screen in the overview.
        growBanner(&banners->holdTimer, &banners->enemy, &banners->enemyHidden, kEnemyBannerGrowth, kEnemyBannerScale,
                   {1920.f, 1080.f}, dt);
    }
}

void drawTurnBanners(const TurnBanners* banners, sf::RenderTarget& target) {
    if (!banners->allyHidden) target.draw(banners->ally);
    if (!banners->enemyHidden) target.draw(banners->enemy);
}
