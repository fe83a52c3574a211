#include "world/hud.hpp"

#include "core/asset_cache.hpp"
#include "core/display.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/vector_math.hpp"

#include <cstdio>

namespace {

constexpr float kPortraitScale = 1.5f;
constexpr float kGoldIconScale = 2.f;
constexpr float kEndTurnScale = 4.f;
constexpr unsigned kGoldTextSize = 32;
constexpr unsigned kSheetTextSize = 20;

constexpr const char* kSheetTexts[kPlayerTypeCount] = {
    "\t\tIrina\nPv : 100\nStrengt : 10\nDefense : 2\nAlloy Defense : 4\nBoost : 4\nMove : 5\nPierce defense : 10\n"
    "Stamina : 3",
    "\t\tRem\nPv : 100\nStrengt : 7\nDefense : 8\nAlloy Defense : 16\nBoost : 4\nMove : 4\nPierce defense : 6\n"
    "Stamina : 3",
    "\t\tTungstene\nPv : 100\nStrengt : 8\nDefense : 3\nAlloy Defense : 6\nBoost : 4\nMove : 6\nPierce defense : 5\n"
    "Stamina : 3",
    "\t\tLight\nPv : 100\nStrengt : 5\nDefense : 2\nAlloy Defense : 4\nBoost : 2\nMove : 7\nPierce defense :3\n"
    "Stamina : 5",
    "\t\tHeavy\nPv : 100\nStrengt : 8\nDefense : 3\nAlloy Defense : 6\nBoost : 2\nMove : 3\nPierce defense :3\n"
    "Stamina : 3",
    "\t\tShield\nPv : 100\nStrengt : 5\nDefense : 6\nAlloy Defense : 12\nBoost : 2\nMove : 3\nPierce defense :2\n"
    "Stamina : 3",
};

sf::Vector2f at(sf::Vector2f topLeft, sf::Vector2f offset) { return {topLeft.x + offset.x, topLeft.y + offset.y}; }

bool contains(const sf::FloatRect& bounds, float x, float y) { return pointInRect({x, y}, &bounds) != 0; }

} // namespace

const char* heroSheetText(std::int32_t type) {
    if (type < 0 || type >= kPlayerTypeCount) return "";
    return kSheetTexts[type];
}

void initHud(Hud* hud, const Party* party, sf::Vector2f t) {
    hud->sheetFont = &cachedFont(kDisplayFontPath);
    hud->goldFont = &cachedFont(kPixelFontPath);

    hud->goldText = sf::Text();
    hud->goldText.setFont(*hud->goldFont);
    hud->goldText.setCharacterSize(kGoldTextSize);
    hud->goldText.setFillColor(sf::Color::White);
    setGoldText(hud, 0, t);

    hud->endTurnSprite = createSprite(createTexture(kHudEndTurnPath));
    hud->endTurnSprite.setTextureRect(kEndTurnNormalRect);
    hud->endTurnSprite.setScale(kEndTurnScale, kEndTurnScale);
    hud->endTurnSprite.setPosition(at(t, kHudEndTurnOffset));

    hud->barSprite = createSprite(createTexture(kHudBarPath));
    hud->barSprite.setPosition(t);
    for (int i = 0; i < kHudSlots; ++i) {
        sf::Sprite& frame = hud->frameSprites[static_cast<std::size_t>(i)];
        frame = createSprite(createTexture(i == 0 ? kHudLeaderFramePath : kHudFramePath));
        frame.setPosition(at(t, kHudFrameOffsets[i]));
    }
    hud->goldIconSprite = createSprite(createTexture(kHudGoldIconPath));
    hud->goldIconSprite.setScale(kGoldIconScale, kGoldIconScale);
    hud->goldIconSprite.setPosition(at(t, kHudGoldIconOffset));
    hud->sheetSprite = createSprite(createTexture(kHudSheetPath));
    hud->sheetSprite.setPosition(at(t, kHudSheetStartOffset));
    hud->visible = 0;
    hud->hovered = {};

    // Slot 1 shows the leader (types 0 to 2), slots 2 to 4 the companions (types 3 to 5).
    const sf::IntRect firstFrame{0, 0, 64, 64};
    for (int i = 0; i < kHudSlots; ++i) {
        const std::size_t slot = static_cast<std::size_t>(i);
        const std::int32_t type = static_cast<std::uint32_t>(i) < party->count ? party->players[slot].type : -1;
        const bool inRange = i == 0 ? (type >= PLAYER_IRINA && type <= PLAYER_TUNGSTENE)
                                    : (type >= PLAYER_LIGHT && type <= PLAYER_SHIELD);
        sf::Sprite& portrait = hud->portraitSprites[slot];
        sf::Text& text = hud->sheetTexts[slot];
        portrait = sf::Sprite();
        text = sf::Text();
        if (inRange) {
            portrait = createSprite(createTexture(kPlayerSheetPaths[static_cast<std::size_t>(type)]));
            char buffer[2000];
            std::snprintf(buffer, sizeof buffer, "%s", heroSheetText(type));
            text.setString(buffer);
        }
        portrait.setTextureRect(firstFrame);
        portrait.setScale(kPortraitScale, kPortraitScale);
        portrait.setPosition(at(t, kHudPortraitOffsets[i]));
        text.setFont(*hud->sheetFont);
        text.setCharacterSize(kSheetTextSize);
        text.setFillColor(sf::Color::Black);
        text.setPosition(at(t, kHudSheetTextOffsets[i]));
        // The portraits walk out of step.
        hud->portraitAnimations[slot] = createAnimation(11, 11, &firstFrame, 1);
        hud->portraitAnimations[slot].currentFrame = static_cast<std::uint32_t>(cosmeticRandomInt() % 11);
    }
}

void drawHud(const Hud* hud, SpriteBatch* batch, sf::RenderTarget& target, std::int32_t showEndTurn,
             std::uint32_t heroCount) {
    if (hud->visible != 1) return;
    batchSprite(batch, hud->barSprite, target);
    for (const sf::Sprite& frame : hud->frameSprites) batchSprite(batch, frame, target);
    batchSprite(batch, hud->portraitSprites[0], target);
    for (std::uint32_t i = 1; i < kHudSlots; ++i)
        if (heroCount > i) batchSprite(batch, hud->portraitSprites[i], target);
    std::size_t sheetShown = kHudSlots;
    for (std::size_t i = 0; i < kHudSlots && sheetShown == kHudSlots; ++i)
        if (hud->hovered[i]) sheetShown = i;
    if (sheetShown < kHudSlots) batchSprite(batch, hud->sheetSprite, target);
    batchSprite(batch, hud->goldIconSprite, target);
    if (showEndTurn) batchSprite(batch, hud->endTurnSprite, target);
    flushSpriteBatch(batch, target);
    if (sheetShown < kHudSlots) target.draw(hud->sheetTexts[sheetShown]);
    target.draw(hud->goldText);
}

void updateHud(Hud* hud, std::int32_t gold, float dt, const sf::Vector2i* scrollStep, sf::Vector2f topLeft) {
    for (std::size_t i = 0; i < kHudSlots; ++i)
        updateAnimation(&hud->portraitAnimations[i], &hud->portraitSprites[i], dt);
    setGoldText(hud, gold, topLeft);
    const sf::Vector2f s{static_cast<float>(scrollStep->x), static_cast<float>(scrollStep->y)};
    if (s.x == 0.f && s.y == 0.f) return;
    hud->barSprite.move(s);
    for (sf::Sprite& frame : hud->frameSprites) frame.move(s);
    for (sf::Sprite& portrait : hud->portraitSprites) portrait.move(s);
    hud->endTurnSprite.move(s);
    hud->goldIconSprite.move(s);
    for (sf::Text& text : hud->sheetTexts) text.move(s);
    hud->sheetSprite.move(s);
}

void toggleHud(Hud* hud) { hud->visible = hud->visible == 0 ? 1 : 0; }

void hoverHud(Hud* hud, float x, float y, sf::Vector2f topLeft, std::uint32_t heroCount) {
    for (std::uint32_t i = 0; i < kHudSlots; ++i) {
        // Frames of missing heroes open nothing.
        if (i > 0 && heroCount < i + 1) continue;
        if (!contains(hud->frameSprites[i].getGlobalBounds(), x, y)) continue;
        hud->hovered = {};
        hud->hovered[i] = 1;
        hud->sheetSprite.setPosition(at(topLeft, kHudSheetHoverOffsets[i]));
        return;
    }
    hud->hovered = {};
}

void updateEndTurnHover(Hud* hud, sf::Event::MouseMoveEvent move) {
    const bool over = contains(hud->endTurnSprite.getGlobalBounds(), static_cast<float>(move.x),
                               static_cast<float>(move.y));
    hud->endTurnSprite.setTextureRect(over ? kEndTurnPressedRect : kEndTurnNormalRect);
}

std::int32_t isEndTurnClicked(const Hud* hud, sf::Event::MouseButtonEvent press) {
    return contains(hud->endTurnSprite.getGlobalBounds(), static_cast<float>(press.x), static_cast<float>(press.y)) ? 1
                                                                                                                   : 0;
}

void setGoldText(Hud* hud, std::int32_t gold, sf::Vector2f t) {
    char buffer[50];
    std::snprintf(buffer, sizeof buffer, "%d", gold);
    hud->goldText.setString(buffer);
    const float width = hud->goldText.getLocalBounds().width;
    hud->goldText.setPosition(static_cast<float>(kGameWidth) - width - kHudGoldRightMargin + t.x,
                              t.y + kHudGoldTop);
}
