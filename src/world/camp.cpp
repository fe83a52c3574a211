#include "world/camp.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "core/vector_math.hpp"

#include <cmath>
#include <cstdio>

namespace {

bool inParty(const Party* party, std::int32_t index) {
    return index >= 0 && index < kMaxPlayers && static_cast<std::uint32_t>(index) < party->count;
}

void showLife(CampScreen* camp, const UnitStats& stats) {
    const sf::IntRect bar{0, 0, campLifeBarWidth(stats.life, stats.maxLife), kCampLifeBarHeight};
    setSpriteRect(&camp->lifeBar, &bar);
}

} // namespace

int campLifeBarWidth(std::int32_t life, float maxLife) {
    if (!(maxLife > 0.f) || life <= 0) return 0;
    const int width = static_cast<int>(std::trunc(static_cast<float>(kCampLifeBarWidth) / maxLife * static_cast<float>(life)));
    return width > kCampLifeBarWidth ? kCampLifeBarWidth : width;
}

void initCamp(CampScreen* camp) {
    camp->open = 0;
    camp->player = -1;
    camp->backgroundTexture = &createTexture(kCampBackgroundPath);
    camp->healButtonTexture = &createTexture(kHealButtonPath);
    camp->crossTexture = &createTexture(kCampCrossPath);
    camp->lifeBarTexture = &createTexture(kCampLifeBarPath);
    camp->healEffectTexture = &createTexture(kHealEffectPath);

    camp->background = createSprite(*camp->backgroundTexture);
    const sf::FloatRect bounds = camp->background.getLocalBounds();
    camp->background.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
    camp->healButton = createSprite(*camp->healButtonTexture);
    camp->cross = createSprite(*camp->crossTexture);
    camp->lifeBar = createSprite(*camp->lifeBarTexture);
    camp->healEffect = createSprite(*camp->healEffectTexture);
    camp->healAnimation = createAnimation(kHealEffectFrames, kHealEffectRate, &kHealEffectFirstFrame, 0);

    camp->healCostText = sf::Text();
    camp->healCostText.setFont(cachedFont(kPixelFontPath));
    camp->healCostText.setCharacterSize(kHealCostTextSize);
    camp->healCostText.setFillColor(sf::Color::White);
    char cost[8];
    std::snprintf(cost, sizeof cost, "%d", kHealCost);
    camp->healCostText.setString(cost);
    camp->healCostText.setPosition(0.f, 0.f);
    camp->portrait = sf::Sprite();

    // Played to its end, so that nothing shows before the first heal: the strip lasts one
    // second and ends one frame later.
    updateAnimation(&camp->healAnimation, &camp->healEffect,
                    static_cast<float>(kHealEffectFrames + 1) / static_cast<float>(kHealEffectRate));
}

void placeCampScreen(CampScreen* camp, sf::Vector2f topLeft) {
    camp->background.setPosition(topLeft + kCampBackgroundOffset);
    camp->lifeBar.setPosition(topLeft + kCampLifeBarOffset);
    camp->healButton.setPosition(topLeft + kHealButtonOffset);
    camp->cross.setPosition(topLeft + kCampCrossOffset);
    camp->healEffect.setPosition(topLeft + kHealEffectOffset);
    camp->healCostText.setPosition(topLeft + kHealCostOffset);
    camp->portrait.setPosition(topLeft + kCampPortraitOffset);
}

void toggleCampScreen(CampScreen* camp, Party* party, std::int32_t index, sf::Vector2f topLeft) {
    if (camp->open) {
        camp->open = 0;
        if (inParty(party, index)) party->players[static_cast<std::size_t>(index)].interactPending = 0;
        return;
    }
    if (!inParty(party, index)) return;
    camp->open = 1;
    camp->player = index;
    const WorldPlayer& player = party->players[static_cast<std::size_t>(index)];
    showLife(camp, player.stats);
    // The portrait: the hero's first idle frame, at twice its size.
    camp->portrait = sf::Sprite();
    if (player.type >= 0 && player.type < kPlayerTypeCount) {
        const sf::Texture* sheet = party->types[static_cast<std::size_t>(player.type)];
        if (sheet) setSpriteTexture(&camp->portrait, *sheet, false);
    }
    const sf::IntRect idle{0, 0, kMapUnitFrameSize, kMapUnitFrameSize};
    setSpriteRect(&camp->portrait, &idle);
    camp->portrait.setScale(kMapUnitScale, kMapUnitScale);
    placeCampScreen(camp, topLeft);
}

void clickCampScreen(CampScreen* camp, Party* party, std::int32_t* gold, sf::Event::MouseButtonEvent press) {
    const sf::Vector2f point{static_cast<float>(press.x), static_cast<float>(press.y)};
    const sf::FloatRect acceptHitbox = camp->healButton.getGlobalBounds();
    if (pointInRect(point, &acceptHitbox)) {
        if (inParty(party, camp->player) && *gold < kHealCost) playSound(Sound::Refused);
        if (!inParty(party, camp->player) || *gold < kHealCost) return;
        UnitStats& stats = party->players[static_cast<std::size_t>(camp->player)].stats;
        // Nothing to heal, nothing spent.
        if (!(static_cast<float>(stats.life) < stats.maxLife)) return;
        stats.life = static_cast<float>(stats.life + kHealAmount) > stats.maxLife ? static_cast<std::int32_t>(stats.maxLife)
                                                                                   : stats.life + kHealAmount;
        resetAnimation(&camp->healAnimation);
        playSound(Sound::CampHeal);
        *gold -= kHealCost;
        showLife(camp, stats);
        return;
    }
    const sf::FloatRect refuseHitbox = camp->cross.getGlobalBounds();
    if (pointInRect(point, &refuseHitbox)) toggleCampScreen(camp, party, camp->player, {});
}

void updateCampScreen(CampScreen* camp, float dt) { updateAnimation(&camp->healAnimation, &camp->healEffect, dt); }

void drawCampScreen(const CampScreen* camp, sf::RenderTarget& target) {
    target.draw(camp->background);
    target.draw(camp->lifeBar);
    target.draw(camp->healButton);
    target.draw(camp->cross);
    target.draw(camp->healCostText);
    target.draw(camp->portrait);
    if (!isAnimationFinished(&camp->healAnimation)) target.draw(camp->healEffect);
}
