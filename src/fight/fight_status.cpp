#include "fight/fight_status.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "fight/fight_paths.hpp"

#include <cmath>
#include <string>

namespace {

constexpr int kBadgeArt = 16;        // one badge icon in the strip, art pixels
constexpr float kBadgeScale = 2.f;   // drawn at x2: 32 screen pixels
constexpr unsigned kBadgeTextSize = 16;
constexpr unsigned kIntentTextSize = 24;
constexpr float kTextRim = 3.f;
constexpr float kBadgeGap = 6.f;
// The row starts right of the life bar's frame (237 screen pixels long) and a little above the bar.
const sf::Vector2f kBadgeRowFromBar{244.f, -12.f};
// The armor is written on the shield plate at the frame's right end, which shows while the
// fighter has armor (art pixel (140, 19) of the frame, drawn at x1.5 from 27 pixels above the bar).
const sf::Vector2f kArmorPlateFromBar{210.f, 1.f};
// An intent's number stands right of its 56-pixel icon.
const sf::Vector2f kIntentTextFromIcon{60.f, 14.f};

const sf::Color kBadgeTextColours[kBadgeKinds] = {
    {236, 240, 244, 255}, // armor
    {255, 200, 120, 255}, // attack boost
    {150, 236, 220, 255}, // defense boost
    {255, 150, 130, 255}, // the blow coming
};
const sf::Color kRim{20, 16, 28, 255};

void initLabel(StatusLabel& label, const sf::Texture* icons, std::int32_t frame, unsigned size, sf::Color colour) {
    label = StatusLabel{};
    if (icons && frame >= 0) {
        label.icon = createSprite(*icons);
        label.icon.setTextureRect({frame * kBadgeArt, 0, kBadgeArt, kBadgeArt});
        label.icon.setScale(kBadgeScale, kBadgeScale);
    }
    label.text.setFont(cachedFont(kPixelFontPath));
    label.text.setCharacterSize(size);
    label.text.setFillColor(colour);
    label.text.setOutlineColor(kRim);
    label.text.setOutlineThickness(kTextRim);
}

// Rewrites the text only when the value changes (a string a frame would only cost).
void setLabel(StatusLabel& label, std::int32_t value, std::int32_t shown, const char* prefix) {
    label.shown = shown;
    if (label.value == value && !label.text.getString().isEmpty()) return;
    label.value = value;
    label.text.setString(prefix + std::to_string(value));
}

void placeRow(FighterBadges& badges, sf::Vector2f bar) {
    StatusLabel& armor = badges.labels[BADGE_ARMOR];
    const sf::FloatRect digits = armor.text.getLocalBounds();
    armor.text.setOrigin(std::round(digits.left + digits.width / 2.f), std::round(digits.top + digits.height / 2.f));
    armor.text.setPosition(bar + kArmorPlateFromBar);
    sf::Vector2f at = bar + kBadgeRowFromBar;
    for (std::int32_t k = BADGE_ATTACK; k < kBadgeKinds; ++k) {
        StatusLabel& label = badges.labels[static_cast<std::size_t>(k)];
        if (!label.shown) continue;
        label.icon.setPosition(at);
        const float iconWidth = kBadgeArt * kBadgeScale;
        label.text.setPosition(at.x + iconWidth + 2.f, at.y + (iconWidth - static_cast<float>(kBadgeTextSize)) / 2.f);
        at.x += iconWidth + 4.f + label.text.getLocalBounds().width + kBadgeGap + 2.f * kTextRim;
    }
}

sf::Vector2f barStart(const Fighter& f) {
    return f.lifeBar.count > 0 ? f.lifeBar.entries[0].back.getPosition() : sf::Vector2f{};
}

void drawLabel(const StatusLabel& label, sf::RenderTarget& target) {
    if (!label.shown) return;
    if (label.icon.getTexture()) target.draw(label.icon);
    target.draw(label.text);
}

} // namespace

void initFightStatus(FightStatus& status) {
    const sf::Texture* icons = &createTexture(kStatusBadgesPath);
    for (auto* side : {&status.allies, &status.enemies})
        for (FighterBadges& badges : *side)
            for (std::int32_t k = 0; k < kBadgeKinds; ++k)
                initLabel(badges.labels[static_cast<std::size_t>(k)], icons, k - 1, kBadgeTextSize,
                          kBadgeTextColours[k]);
    for (StatusLabel& label : status.intents) initLabel(label, nullptr, 0, kIntentTextSize, sf::Color::White);
}

void updateFightStatus(FightStatus& status, const AllyList& allies, const FightEnemyList& enemies) {
    std::int32_t incoming[kMaxFighters] = {};
    std::int32_t aimedAt[kMaxFighters] = {};
    for (std::int32_t i = 0; i < kMaxFighters; ++i) {
        const FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
        StatusLabel& intent = status.intents[static_cast<std::size_t>(i)];
        const bool announced = i < enemies.count && fighterStanding(enemy.fighter) &&
                               (enemy.intentAttack || enemy.intentShield);
        setLabel(intent, enemy.intentAmount, announced ? 1 : 0, enemy.intentShield ? "+" : "");
        if (announced) {
            const sf::Sprite& icon = enemy.intentAttack ? enemy.attackIcon : enemy.shieldIcon;
            intent.text.setPosition(icon.getPosition() + kIntentTextFromIcon);
        }
        if (announced && enemy.intentAttack && enemy.intentTarget >= 0 && enemy.intentTarget < kMaxFighters) {
            incoming[enemy.intentTarget] += enemy.intentAmount;
            aimedAt[enemy.intentTarget] = 1;
        }
    }
    for (std::int32_t i = 0; i < kMaxFighters; ++i) {
        const Ally& ally = allies.allies[static_cast<std::size_t>(i)];
        FighterBadges& badges = status.allies[static_cast<std::size_t>(i)];
        const bool standing = i < allies.count && fighterStanding(ally.fighter);
        setLabel(badges.labels[BADGE_ARMOR], ally.fighter.armor, standing && ally.fighter.armor > 0, "");
        setLabel(badges.labels[BADGE_ATTACK], ally.attackBoost, standing && ally.attackBoost > 0, "+");
        setLabel(badges.labels[BADGE_DEFENSE], ally.defenseBoost, standing && ally.defenseBoost > 0, "+");
        setLabel(badges.labels[BADGE_INCOMING], incoming[i], standing && aimedAt[i], "-");
        placeRow(badges, barStart(ally.fighter));

        const FightEnemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
        FighterBadges& theirs = status.enemies[static_cast<std::size_t>(i)];
        const bool up = i < enemies.count && fighterStanding(enemy.fighter);
        setLabel(theirs.labels[BADGE_ARMOR], enemy.fighter.armor, up && enemy.fighter.armor > 0, "");
        for (std::int32_t k = BADGE_ATTACK; k < kBadgeKinds; ++k) theirs.labels[static_cast<std::size_t>(k)].shown = 0;
        placeRow(theirs, barStart(enemy.fighter));
    }
}

void drawFightStatus(const FightStatus& status, const AllyList& allies, const FightEnemyList& enemies,
                     sf::RenderTarget& target) {
    for (const auto* side : {&status.allies, &status.enemies})
        for (const FighterBadges& badges : *side)
            for (const StatusLabel& label : badges.labels) drawLabel(label, target);
    for (const StatusLabel& label : status.intents) drawLabel(label, target);
    for (std::int32_t i = 0; i < allies.count; ++i) drawFighterDamage(allies.allies[static_cast<std::size_t>(i)].fighter, target);
    for (std::int32_t i = 0; i < enemies.count; ++i)
        drawFighterDamage(enemies.enemies[static_cast<std::size_t>(i)].fighter, target);
}
