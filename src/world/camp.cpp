#include "world/camp.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "core/vector_math.hpp"

#include <cmath>
#include <cstdio>

namespace {

WorldPlayer* campHero(WorldGame* world) {
    const std::int32_t index = world->campPlayer;
    if (index < 0 || index >= kMaxPlayers || static_cast<std::uint32_t>(index) >= world->party.count) return nullptr;
    return &world->party.players[static_cast<std::size_t>(index)];
}

void showLife(WorldGame* world, const UnitStats& stats) {
    const sf::IntRect bar{0, 0, campLifeBarWidth(stats.life, stats.maxLife), kCampLifeBarHeight};
    setSpriteRect(&world->campLifeBar, &bar);
}

} // namespace

int campLifeBarWidth(std::int32_t life, float maxLife) {
    if (!(maxLife > 0.f) || life <= 0) return 0;
    const int width = static_cast<int>(std::trunc(static_cast<float>(kCampLifeBarWidth) / maxLife * static_cast<float>(life)));
    return width > kCampLifeBarWidth ? kCampLifeBarWidth : width;
}

void initCamp(WorldGame* world) {
    world->campOpen = 0;
    world->campPlayer = -1;
    world->campBackgroundTexture = &createTexture(kCampBackgroundPath);
    world->healButtonTexture = &createTexture(kHealButtonPath);
    world->campCrossTexture = &createTexture(kCampCrossPath);
    world->campLifeBarTexture = &createTexture(kCampLifeBarPath);
    world->healEffectTexture = &createTexture(kHealEffectPath);

    world->campBackground = createSprite(*world->campBackgroundTexture);
    const sf::FloatRect bounds = world->campBackground.getLocalBounds();
    world->campBackground.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
    world->healButton = createSprite(*world->healButtonTexture);
    world->campCross = createSprite(*world->campCrossTexture);
    world->campLifeBar = createSprite(*world->campLifeBarTexture);
    world->healEffect = createSprite(*world->healEffectTexture);
    world->healAnimation = createAnimation(kHealEffectFrames, kHealEffectRate, &kHealEffectFirstFrame, 0);

    if (!world->font) world->font = &cachedFont(kPixelFontPath);
    world->healCostText = sf::Text();
    world->healCostText.setFont(*world->font);
    world->healCostText.setCharacterSize(kHealCostTextSize);
    world->healCostText.setFillColor(sf::Color::White);
    char cost[8];
    std::snprintf(cost, sizeof cost, "%d", kHealCost);
    world->healCostText.setString(cost);
    world->healCostText.setPosition(0.f, 0.f);
    world->campPortrait = sf::Sprite();

    // Played to its end, so that nothing shows before the first heal: the strip lasts one
    // second and ends one frame later.
    updateAnimation(&world->healAnimation, &world->healEffect,
                    static_cast<float>(kHealEffectFrames + 1) / static_cast<float>(kHealEffectRate));
}

void placeCampScreen(WorldGame* world) {
    const sf::Vector2f o = world->camera.topLeft;
    world->campBackground.setPosition(o + kCampBackgroundOffset);
    world->campLifeBar.setPosition(o + kCampLifeBarOffset);
    world->healButton.setPosition(o + kHealButtonOffset);
    world->campCross.setPosition(o + kCampCrossOffset);
    world->healEffect.setPosition(o + kHealEffectOffset);
    world->healCostText.setPosition(o + kHealCostOffset);
    world->campPortrait.setPosition(o + kCampPortraitOffset);
}

void toggleCampScreen(WorldGame* world, std::int32_t index) {
    if (world->campOpen) {
        world->campOpen = 0;
        if (index >= 0 && index < kMaxPlayers && static_cast<std::uint32_t>(index) < world->party.count)
            world->party.players[static_cast<std::size_t>(index)].interactPending = 0;
        return;
    }
    if (index < 0 || index >= kMaxPlayers || static_cast<std::uint32_t>(index) >= world->party.count) return;
    world->campOpen = 1;
    world->campPlayer = index;
    const WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    showLife(world, player.stats);
    // The portrait: the hero's first idle frame, at twice its size.
    world->campPortrait = sf::Sprite();
    if (player.type >= 0 && player.type < kPlayerTypeCount) {
        const sf::Texture* sheet = world->party.types[static_cast<std::size_t>(player.type)];
        if (sheet) setSpriteTexture(&world->campPortrait, *sheet, false);
    }
    const sf::IntRect idle{0, 0, kMapUnitFrameSize, kMapUnitFrameSize};
    setSpriteRect(&world->campPortrait, &idle);
    world->campPortrait.setScale(kMapUnitScale, kMapUnitScale);
    placeCampScreen(world);
}

void clickCampScreen(WorldGame* world, sf::Event::MouseButtonEvent press) {
    const sf::Vector2f point{static_cast<float>(press.x), static_cast<float>(press.y)};
    const sf::FloatRect acceptHitbox = world->healButton.getGlobalBounds();
    if (pointInRect(point, &acceptHitbox)) {
        WorldPlayer* hero = campHero(world);
        if (!hero || world->gold < kHealCost) return;
        UnitStats& stats = hero->stats;
        // Nothing to heal, nothing spent.
        if (!(static_cast<float>(stats.life) < stats.maxLife)) return;
        stats.life = static_cast<float>(stats.life + kHealAmount) > stats.maxLife ? static_cast<std::int32_t>(stats.maxLife)
                                                                                   : stats.life + kHealAmount;
        resetAnimation(&world->healAnimation);
        world->gold -= kHealCost;
        showLife(world, stats);
        return;
    }
    const sf::FloatRect refuseHitbox = world->campCross.getGlobalBounds();
    if (pointInRect(point, &refuseHitbox)) toggleCampScreen(world, world->campPlayer);
}

void updateCampScreen(WorldGame* world, float dt) {
    updateAnimation(&world->healAnimation, &world->healEffect, dt);
}

void drawCampScreen(const WorldGame* world, sf::RenderTarget& target) {
    target.draw(world->campBackground);
    target.draw(world->campLifeBar);
    target.draw(world->healButton);
    target.draw(world->campCross);
    target.draw(world->healCostText);
    target.draw(world->campPortrait);
    if (!isAnimationFinished(&world->healAnimation)) target.draw(world->healEffect);
}
