#include "menus/team_select.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "core/visible_area.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kHeroFrames = 11;
constexpr int kHeroFps = 11;
constexpr float kPreviewScale = 4.f;
constexpr float kSlotScale = 2.f;
constexpr float kArrowScale = 4.f;
constexpr float kButtonScale = 2.f;
constexpr float kBackdropScale = 4.f;
constexpr unsigned kSheetSize = 40;
const sf::Vector2f kPreviewPosition(330.f, 590.f);
const sf::Vector2f kSheetPosition(1100.f, 40.f);
const sf::Vector2f kSelectPosition(325.f, 480.f);
const sf::Vector2f kStartPosition(335.f, 480.f);
const std::array<sf::Vector2f, kTeamShownSlots> kSlotPositions = {
    sf::Vector2f(300.f, 250.f), sf::Vector2f(400.f, 250.f), sf::Vector2f(500.f, 250.f)};

const sf::IntRect kArrowNormal(0, 0, 39, 39);
const sf::IntRect kArrowHover(0, 39, 39, 39);
const sf::IntRect kSelectNormal(0, 0, 146, 40);
const sf::IntRect kSelectHover(0, 40, 146, 40);
const sf::IntRect kStartNormal(0, 0, 123, 40);
const sf::IntRect kStartHover(0, 40, 123, 40);
const sf::IntRect kIdleFirstFrame(0, 0, 64, 64);

enum class Arrow { None, Left, Right };

// The sheet of the hero the carousel shows; Rem's move line depends on the arrow that
// reached him.
const char* sheetOf(int heroIndex, Arrow reachedBy) {
    switch (heroIndex) {
    case 0: return kIrinaSheet;
    case 1: return reachedBy == Arrow::Left ? kRemSheetFromLeft : kRemSheetFromRight;
    case 2: return kTungsteneSheet;
    case 3: return kLightSheet;
    case 4: return kHeavySheet;
    default: return kShieldSheet;
    }
}

sf::Sprite heroSprite(const TeamSelect* t, int heroIndex, float scale, sf::Vector2f position) {
    sf::Sprite sprite = createSprite(*t->heroTextures[heroIndex]);
    sprite.setTextureRect(kIdleFirstFrame);
    sprite.setScale(scale, scale);
    sprite.setPosition(position);
    return sprite;
}

void setSheetText(TeamSelect* t, const char* sheet, std::size_t bufferSize) {
    char buffer[20000];
    std::snprintf(buffer, bufferSize < sizeof buffer ? bufferSize : sizeof buffer, "%s", sheet);
    t->statSheet.setString(buffer);
    t->statSheet.setFillColor(sf::Color::Black);
    t->statSheet.setPosition(kSheetPosition);
    t->statSheet.setCharacterSize(kSheetSize);
}

// Shows hero `carouselIndex` of the current phase: new preview sprite and animation, new sheet.
void showHero(TeamSelect* t, std::int32_t carouselIndex, Arrow reachedBy) {
    t->carouselIndex = carouselIndex;
    const int hero = shownHeroIndex(t);
    t->preview = heroSprite(t, hero, kPreviewScale, kPreviewPosition);
    t->previewAnimation = createAnimation(kHeroFrames, kHeroFps, &kIdleFirstFrame, 1);
    setSheetText(t, sheetOf(hero, reachedBy), 2000);
}

sf::Sprite makeSheetButton(const sf::Texture& texture, const sf::IntRect& rect, float scale, sf::Vector2f position) {
    sf::Sprite sprite = createSprite(texture);
    sprite.setTextureRect(rect);
    sprite.setScale(scale, scale);
    sprite.setPosition(position);
    return sprite;
}

void hoverSheetSprite(sf::Sprite* sprite, float x, float y, const sf::IntRect& normal, const sf::IntRect& hover) {
    sprite->setTextureRect(sprite->getGlobalBounds().contains(x, y) ? hover : normal);
}

// The note pad: only the part of its full-screen picture that is not fully transparent
// (about a quarter of it), placed where the whole picture would show it.
sf::Sprite makeNotePad(const sf::Texture& texture) {
    sf::Sprite pad = createSprite(texture);
    pad.setScale(kBackdropScale, kBackdropScale);
    const sf::IntRect shown = visiblePictureArea(texture);
    pad.setTextureRect(shown);
    pad.setPosition(static_cast<float>(shown.left) * kBackdropScale, static_cast<float>(shown.top) * kBackdropScale);
    return pad;
}

void pickShownHero(TeamSelect* t) {
    const int hero = shownHeroIndex(t);
    TeamSlot& slot = t->slots[t->pickCount];
    slot.sprite = heroSprite(t, hero, kSlotScale, kSlotPositions[t->pickCount]);
    slot.animation = createAnimation(kHeroFrames, kHeroFps, &kIdleFirstFrame, 1);
    slot.filled = 1;
    t->chosenTeam[t->pickCount] = t->carouselIndex;
    t->pickCount += 1;
    // The carousel goes on with the companions, starting again on Light.
    t->companionPhase = 1;
    showHero(t, 1, Arrow::None);
    if (t->pickCount >= 3) t->button = makeSheetButton(*t->startTexture, kStartNormal, kButtonScale, kStartPosition);
}

} // namespace

int shownHeroIndex(const TeamSelect* t) { return (t->companionPhase ? 3 : 0) + (t->carouselIndex - 1); }

void initTeamSelect(TeamSelect* t) {
    t->rightArrowTexture = &createTexture(kTeamRightArrowPath);
    t->leftArrowTexture = &createTexture(kTeamLeftArrowPath);
    for (int i = 0; i < kMenuHeroCount; ++i) t->heroTextures[i] = &createTexture(kMenuHeroSheetPaths[i]);
    t->selectTexture = &createTexture(kTeamSelectButtonPath);
    t->startTexture = &createTexture(kTeamStartButtonPath);
    t->notePadTexture = &createTexture(kTeamNotePadPath);
    t->tableTexture = &createTexture(kTeamTablePath);
    const sf::Texture& titleTexture = createTexture(kTeamTitlePath);

    t->leftArrow = makeSheetButton(*t->leftArrowTexture, kArrowNormal, kArrowScale, {65.f, 640.f});
    t->rightArrow = makeSheetButton(*t->rightArrowTexture, kArrowNormal, kArrowScale, {680.f, 640.f});
    t->companionPhase = 0;
    t->carouselIndex = 1;
    t->preview = heroSprite(t, 0, kPreviewScale, kPreviewPosition);
    t->button = makeSheetButton(*t->selectTexture, kSelectNormal, kButtonScale, kSelectPosition);
    t->notePad = makeNotePad(*t->notePadTexture);
    t->table = createSprite(*t->tableTexture);
    t->table.setScale(kBackdropScale, kBackdropScale);
    t->tableOpaque = pictureIsOpaque(kTeamTablePath) ? 1 : 0;
    t->tableStrips = BackdropStrips{};
    if (t->tableOpaque)
        t->tableStrips = cutBackdropStrips(t->table, coveredArea(t->notePad, opaquePictureCore(kTeamNotePadPath)));

    t->previewAnimation = createAnimation(kHeroFrames, kHeroFps, &kIdleFirstFrame, 1);
    t->pickCount = 0;
    t->chosenTeam.fill(-1);

    t->font = &cachedFont(kDisplayFontPath);
    t->statSheet = sf::Text();
    t->statSheet.setFont(*t->font);
    setSheetText(t, kIrinaSheet, 20000);

    t->title = createSprite(titleTexture);
    t->title.setPosition(260.f, 100.f);
    showVisibleFramePart(&t->title, kTeamTitlePath); // only the lettering, where the whole picture put it

    // Any party from an earlier visit is forgotten.
    for (TeamSlot& slot : t->slots) slot = TeamSlot{};
    t->teamReady = 0;
}

void updateTeamSelect(TeamSelect* t, float dt) {
    updateAnimation(&t->previewAnimation, &t->preview, dt);
    for (TeamSlot& slot : t->slots)
        if (slot.filled) updateAnimation(&slot.animation, &slot.sprite, dt);
}

void drawTeamSelect(TeamSelect* t, sf::RenderTarget& target) {
    // An opaque table covers whatever lay under it: written straight, without blending,
    // and not where the pad's opaque middle will cover it.
    drawBackdrop(t->table, t->tableStrips, t->tableOpaque != 0, target);
    target.draw(t->notePad);
    target.draw(t->leftArrow);
    target.draw(t->rightArrow);
    target.draw(t->button);
    drawAnimation(&t->preview, target);
    target.draw(t->statSheet);
    target.draw(t->title);
    for (const TeamSlot& slot : t->slots)
        if (slot.filled) drawAnimation(&slot.sprite, target);
}

void mouseMovedTeamSelect(TeamSelect* t, sf::Event::MouseMoveEvent move) {
    const float x = static_cast<float>(move.x), y = static_cast<float>(move.y);
    hoverSheetSprite(&t->leftArrow, x, y, kArrowNormal, kArrowHover);
    hoverSheetSprite(&t->rightArrow, x, y, kArrowNormal, kArrowHover);
    if (t->pickCount < 3)
        hoverSheetSprite(&t->button, x, y, kSelectNormal, kSelectHover);
    else
        hoverSheetSprite(&t->button, x, y, kStartNormal, kStartHover);
}

TeamSelectChoice mousePressedTeamSelect(TeamSelect* t, float x, float y) {
    TeamSelectChoice choice;
    if (t->leftArrow.getGlobalBounds().contains(x, y)) {
        showHero(t, t->carouselIndex == 1 ? 3 : t->carouselIndex - 1, Arrow::Left);
    } else if (t->rightArrow.getGlobalBounds().contains(x, y)) {
        showHero(t, t->carouselIndex == 3 ? 1 : t->carouselIndex + 1, Arrow::Right);
    } else if (t->button.getGlobalBounds().contains(x, y)) {
        if (t->pickCount < 3) {
            pickShownHero(t);
        } else if (t->pickCount < kTeamSize) {
            // Start: the companion on show becomes the fourth hero (no slot is drawn for it).
            t->chosenTeam[t->pickCount] = t->carouselIndex;
            t->pickCount += 1;
            t->teamReady = 1;
            choice.started = 1;
            choice.team = t->chosenTeam;
        }
    }
    return choice;
}
