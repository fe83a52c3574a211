#include "menus/shop.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "core/visible_area.hpp"
#include "fight/visible_part.hpp"
#include "world/party.hpp"

#include <cstdio>

namespace {

constexpr float kShopScale = 4.f;
constexpr float kReturnScale = 1.f;
constexpr int kPreviewFrames = 11;
constexpr int kPreviewFps = 11;
constexpr unsigned kShopTextSize = 35;
constexpr std::size_t kShopTextBuffer = 256;

const sf::IntRect kHireNormal(0, 0, 80, 37);
const sf::IntRect kHireHover(0, 37, 80, 37);
const sf::IntRect kNextNormal(0, 0, 90, 38);
const sf::IntRect kNextHover(0, 38, 90, 38);
const sf::IntRect kReturnNormal(0, 0, 182, 44);
const sf::IntRect kReturnHover(0, 44, 182, 44);
const sf::IntRect kArrowNormal(0, 0, 39, 39);
const sf::IntRect kArrowHover(0, 39, 39, 39);
const sf::IntRect kPreviewFirstFrame(0, 0, 64, 64);

const sf::Vector2f kFrontHirePosition(275.f, 450.f);
const sf::Vector2f kNextPosition(1150.f, 450.f);
const sf::Vector2f kHirePosition(304.f, 275.f);
const sf::Vector2f kReturnPosition(65.f, 850.f);
const sf::Vector2f kLeftArrowPosition(65.f, 540.f);
const sf::Vector2f kRightArrowPosition(680.f, 540.f);
const sf::Vector2f kPreviewPosition(330.f, 490.f);
const sf::Vector2f kSheetPosition(1100.f, 40.f);
// Light's sheet sits 10 pixels higher when the left arrow brings it back from Heavy.
const sf::Vector2f kSheetPositionRaised(1100.f, 30.f);
const sf::Vector2f kGoldPosition(600.f, 50.f);
const sf::Vector2f kPartyPosition(150.f, 50.f);

// Hero type of each carousel value 1 to 3.
constexpr std::array<std::int32_t, kShopTypeCount> kShopHeroTypes = {PLAYER_LIGHT, PLAYER_HEAVY, PLAYER_SHIELD};

// The six buttons in hover order; both pages' buttons react whichever page is shown.
std::array<MenuButton*, 6> buttonsOf(Shop* shop) {
    return {&shop->frontHire, &shop->next, &shop->hire, &shop->returnButton, &shop->leftArrow, &shop->rightArrow};
}

std::array<MenuButton*, 2> frontPageButtons(Shop* shop) { return {&shop->frontHire, &shop->next}; }

// Drawing order of the hire page's buttons.
std::array<MenuButton*, 4> hirePageButtons(Shop* shop) {
    return {&shop->hire, &shop->returnButton, &shop->leftArrow, &shop->rightArrow};
}

sf::Sprite fullScreenPicture(const sf::Texture& texture) {
    sf::Sprite sprite = createSprite(texture);
    sprite.setScale(kShopScale, kShopScale);
    sprite.setPosition(0.f, 0.f);
    return sprite;
}

void setShopText(sf::Text* text, const sf::Font& font, const char* content, sf::Vector2f position) {
    text->setFont(font);
    text->setString(content);
    text->setFillColor(sf::Color::Black);
    text->setCharacterSize(kShopTextSize);
    text->setPosition(position);
}

void formatNumberText(sf::Text* text, const char* format, std::int32_t value) {
    char buffer[kShopTextBuffer];
    std::snprintf(buffer, sizeof buffer, format, static_cast<int>(value));
    text->setString(buffer);
}

// Preview and stat sheet of carousel value `index` (1 Light, 2 Heavy, 3 Shield).
void showShopType(Shop* shop, std::int32_t index, sf::Vector2f sheetPosition) {
    const std::size_t slot = static_cast<std::size_t>(index - 1);
    shop->preview = createSprite(*shop->heroTextures[slot]);
    setSpriteRect(&shop->preview, &kPreviewFirstFrame);
    shop->preview.setScale(kShopScale, kShopScale);
    shop->preview.setPosition(kPreviewPosition);
    shop->previewAnimation = createAnimation(kPreviewFrames, kPreviewFps, &kPreviewFirstFrame, 1);

    char buffer[kShopTextBuffer];
    std::snprintf(buffer, sizeof buffer, kShopSheetFormats[slot], static_cast<int>(kHirePrice));
    setShopText(&shop->statSheet, *shop->font, buffer, sheetPosition);
    shop->carouselIndex = index;
}

void refreshShopTexts(Shop* shop) {
    formatNumberText(&shop->goldText, kShopGoldFormat, shop->shopGold);
    formatNumberText(&shop->partySizeText, kShopPartyFormat, shop->partySize + shop->hiredCount);
}

// Buys the type on show when the party has room and the gold is there; otherwise says why.
void hireShownType(Shop* shop) {
    const HireRefusal refusal = hireRefusalOf(shop);
    showHireRefusal(shop, refusal);
    playSound(refusal != HireRefusal::None ? Sound::Refused : Sound::Hire);
    if (refusal != HireRefusal::None) return;
    shop->recruitList[static_cast<std::size_t>(shop->hiredCount)] = shop->carouselIndex;
    shop->shopGold -= kHirePrice;
    shop->hiredCount += 1;
}

ShopChoice pressFrontPage(Shop* shop, float x, float y) {
    if (menuButtonHit(&shop->frontHire, x, y)) shop->hirePageOpen = 1;
    else if (menuButtonHit(&shop->next, x, y)) return ShopChoice::Next;
    return ShopChoice::None;
}

void pressHirePage(Shop* shop, float x, float y) {
    // The four targets of this page never overlap.
    if (menuButtonHit(&shop->hire, x, y)) {
        hireShownType(shop);
    } else if (menuButtonHit(&shop->returnButton, x, y)) {
        shop->hirePageOpen = 0;
        showHireRefusal(shop, HireRefusal::None);
    } else if (menuButtonHit(&shop->leftArrow, x, y)) {
        switch (shop->carouselIndex) {
        case SHOP_LIGHT: showShopType(shop, SHOP_SHIELD, kSheetPosition); break;
        case SHOP_HEAVY: showShopType(shop, SHOP_LIGHT, kSheetPositionRaised); break;
        default: showShopType(shop, SHOP_HEAVY, kSheetPosition); break;
        }
    } else if (menuButtonHit(&shop->rightArrow, x, y)) {
        const std::int32_t nextIndex = shop->carouselIndex >= SHOP_SHIELD ? SHOP_LIGHT : shop->carouselIndex + 1;
        showShopType(shop, nextIndex, kSheetPosition);
    }
}

} // namespace

void openShop(Shop* shop, std::int32_t partySize, std::int32_t gold) {
    shop->partySize = partySize;
    shop->shopGold = gold;
    shop->hiredCount = 0;
    shop->recruitList.fill(0);
    for (int i = 0; i < kShopTypeCount; ++i)
        shop->heroTextures[static_cast<std::size_t>(i)] =
            &createTexture(kPlayerSheetPaths[static_cast<std::size_t>(kShopHeroTypes[static_cast<std::size_t>(i)])]);

    initSheetMenuButton(&shop->frontHire, kShopHirePath, kHireNormal, kHireHover, kShopScale, kFrontHirePosition);
    initSheetMenuButton(&shop->next, kShopNextPath, kNextNormal, kNextHover, kShopScale, kNextPosition);
    shop->table = fullScreenPicture(createTexture(kShopTablePath));
    shop->tableOpaque = pictureIsOpaque(kShopTablePath) ? 1 : 0;
    shop->notePad = fullScreenPicture(createTexture(kShopNotePadPath));
    showVisiblePart(shop->notePad, kShopNotePadPath);
    shop->tableStrips = BackdropStrips{};
    if (shop->tableOpaque)
        shop->tableStrips = cutBackdropStrips(shop->table, coveredArea(shop->notePad, opaquePictureCore(kShopNotePadPath)));
    initSheetMenuButton(&shop->hire, kShopHirePath, kHireNormal, kHireHover, kShopScale, kHirePosition);
    initSheetMenuButton(&shop->returnButton, kShopReturnPath, kReturnNormal, kReturnHover, kReturnScale,
                        kReturnPosition);
    initSheetMenuButton(&shop->leftArrow, kShopLeftArrowPath, kArrowNormal, kArrowHover, kShopScale,
                        kLeftArrowPosition);
    initSheetMenuButton(&shop->rightArrow, kShopRightArrowPath, kArrowNormal, kArrowHover, kShopScale,
                        kRightArrowPosition);
    shop->hirePageOpen = 0;

    shop->font = &cachedFont(kDisplayFontPath);
    showHireRefusal(shop, HireRefusal::None);
    showShopType(shop, SHOP_LIGHT, kSheetPosition);
    setShopText(&shop->goldText, *shop->font, "", kGoldPosition);
    setShopText(&shop->partySizeText, *shop->font, "", kPartyPosition);
    refreshShopTexts(shop);
}

void updateShop(Shop* shop, float dt) {
    updateAnimation(&shop->previewAnimation, &shop->preview, dt);
    refreshShopTexts(shop);
    updateHireRefusal(shop, dt);
}

void drawShop(Shop* shop, sf::RenderTarget& target) {
    drawBackdrop(shop->table, shop->tableStrips, shop->tableOpaque != 0, target);
    target.draw(shop->notePad);
    if (shop->hirePageOpen) {
        drawMenuButtons(hirePageButtons(shop), target);
        drawAnimation(&shop->preview, target);
        target.draw(shop->statSheet);
        target.draw(shop->goldText);
        target.draw(shop->partySizeText);
        drawHireRefusal(shop, target);
    } else {
        drawMenuButtons(frontPageButtons(shop), target);
    }
}

void mouseMovedShop(Shop* shop, sf::Event::MouseMoveEvent move) { hoverMenuButtons(buttonsOf(shop), move); }

ShopChoice mousePressedShop(Shop* shop, sf::Event::MouseButtonEvent press) {
    if (press.button != sf::Mouse::Left) return ShopChoice::None;
    const float x = static_cast<float>(press.x), y = static_cast<float>(press.y);
    if (shop->hirePageOpen == 0) return pressFrontPage(shop, x, y);
    pressHirePage(shop, x, y);
    return ShopChoice::None;
}
