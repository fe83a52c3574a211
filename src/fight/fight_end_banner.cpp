#include "fight/fight_end_banner.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "fight/fight_paths.hpp"

#include <cmath>
#include <string>

namespace {

constexpr int kPlateWidth = 120;  // art pixels; one row per outcome
constexpr int kPlateHeight = 44;
constexpr float kPlateScale = 4.f;
const sf::Vector2f kPlateCentre{960.f, 400.f};
constexpr float kGoldLineDrop = 40.f; // the gold line's middle below the plate's middle, screen pixels

} // namespace

void initFightEndBanner(FightEndBanner& banner) {
    banner = FightEndBanner{};
    banner.plate = createSprite(createTexture(kFightEndBannerPath));
    banner.plate.setTextureRect({0, 0, kPlateWidth, kPlateHeight});
    banner.plate.setOrigin(kPlateWidth / 2.f, kPlateHeight / 2.f);
    banner.plate.setScale(kPlateScale, kPlateScale);
    banner.plate.setPosition(kPlateCentre);
    banner.gold.setFont(cachedFont(kPixelFontPath));
    banner.gold.setCharacterSize(24);
    banner.gold.setFillColor(sf::Color{255, 226, 130, 255});
    banner.gold.setOutlineColor(sf::Color{20, 16, 28, 255});
    banner.gold.setOutlineThickness(3.f);
}

void raiseFightEndBanner(FightEndBanner& banner, bool victory, std::int32_t goldEarned) {
    if (banner.raised) return;
    banner.raised = 1;
    banner.victory = victory ? 1 : 0;
    banner.goldEarned = goldEarned;
    banner.heldFor = 0.f;
    banner.skipped = 0;
    banner.plate.setTextureRect({0, victory ? 0 : kPlateHeight, kPlateWidth, kPlateHeight});
    banner.gold.setString(victory ? "+" + std::to_string(goldEarned) + " GOLD" : "");
    const sf::FloatRect b = banner.gold.getLocalBounds();
    banner.gold.setOrigin(std::round(b.left + b.width / 2.f), std::round(b.top + b.height / 2.f));
    banner.gold.setPosition(kPlateCentre.x, kPlateCentre.y + kGoldLineDrop);
}

void updateFightEndBanner(FightEndBanner& banner, float dt) {
    if (banner.raised) banner.heldFor += dt;
}

void skipFightEndBanner(FightEndBanner& banner) {
    if (banner.raised) banner.skipped = 1;
}

bool fightEndBannerDone(const FightEndBanner& banner) {
    return banner.raised && (banner.skipped || banner.heldFor >= kFightEndHoldSeconds);
}

void drawFightEndBanner(const FightEndBanner& banner, sf::RenderTarget& target) {
    if (!banner.raised) return;
    target.draw(banner.plate);
    if (banner.victory) target.draw(banner.gold);
}
