#include "fight/deck_view.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "fight/fight_paths.hpp"

#include <array>
#include <cmath>
#include <string>

namespace {

constexpr int kColumns = 4;
constexpr float kFaceScale = 2.4f; // the size of a hovered card: its words read
constexpr float kGap = 20.f;
constexpr float kTop = 150.f;       // the first row's top edge, under the title
const sf::Vector2f kPanelCentre{64.f, 132.f}; // the light panel of a face, card pixels
const sf::Color kShade{8, 6, 14, 200};
const sf::Color kTitleColour{255, 214, 120, 255};
const sf::Color kRim{20, 16, 28, 255};

const std::array<const char*, kPlayerTypeCount> kHeroNames = {"IRINA", "REM", "TUNGSTENE", "LIGHT", "HEAVY", "SHIELD"};

void centreText(sf::Text& text, sf::Vector2f at) {
    const sf::FloatRect b = text.getLocalBounds();
    text.setOrigin(std::round(b.left + b.width / 2.f), std::round(b.top + b.height / 2.f));
    text.setPosition(std::round(at.x), std::round(at.y));
}

} // namespace

void initDeckView(DeckView& view) {
    const sf::Font& font = cachedFont(kPixelFontPath);
    view.shade.setSize({1920.f, 1080.f});
    view.shade.setFillColor(kShade);
    for (sf::Text* text : {&view.title, &view.hint}) {
        text->setFont(font);
        text->setOutlineColor(kRim);
    }
    view.title.setCharacterSize(40);
    view.title.setFillColor(kTitleColour);
    view.title.setOutlineThickness(4.f);
    view.hint.setCharacterSize(16);
    view.hint.setFillColor(sf::Color{220, 220, 230, 255});
    view.hint.setOutlineThickness(2.f);
    view.hint.setString("CLICK OR ESCAPE TO CLOSE");
    const sf::Texture& sheet = createTexture(kCardSheetPath);
    for (std::size_t i = 0; i < kDeckSize; ++i) {
        view.faces[i] = createSprite(sheet);
        view.faces[i].setScale(kFaceScale, kFaceScale);
        view.words[i].setFont(font);
        view.words[i].setCharacterSize(16);
        view.words[i].setLineSpacing(0.9f);
        view.words[i].setFillColor(sf::Color::Black);
    }
    view.heroType = -1;
}

void showDeck(DeckView& view, const Ally& ally) {
    const std::int32_t type = ally.heroType >= 0 && ally.heroType < kPlayerTypeCount ? ally.heroType : 0;
    view.heroType = type;
    view.title.setString(std::string("DECK OF ") + kHeroNames[static_cast<std::size_t>(type)]);
    centreText(view.title, {960.f, 70.f});
    const float w = kCardWidth * kFaceScale;
    const float h = kCardHeight * kFaceScale;
    const float left = 960.f - (kColumns * w + (kColumns - 1) * kGap) / 2.f;
    std::array<char, kCardTextBuffer> buffer{};
    for (std::int32_t j = 0; j < kDeckSize; ++j) {
        const std::size_t i = static_cast<std::size_t>(j);
        const sf::Vector2f at{left + static_cast<float>(j % kColumns) * (w + kGap),
                              kTop + static_cast<float>(j / kColumns) * (h + kGap)};
        view.faces[i].setTextureRect(cardFaceArea(type, j));
        view.faces[i].setPosition(at);
        const std::int32_t kind = deckCardKind(type, j);
        const std::int32_t value = cardValue(kind, ally.fighter.stats, ally.attackBoost, ally.defenseBoost);
        formatCardText(kind, value, buffer.data(), buffer.size());
        view.words[i].setString(buffer.data());
        centreText(view.words[i], at + kPanelCentre * kFaceScale);
    }
    centreText(view.hint, {960.f, kTop + 2.f * h + kGap + 40.f});
}

void drawDeckView(const DeckView& view, sf::RenderTarget& target) {
    if (view.heroType < 0) return;
    target.draw(view.shade);
    target.draw(view.title);
    for (std::size_t i = 0; i < kDeckSize; ++i) {
        target.draw(view.faces[i]);
        target.draw(view.words[i]);
    }
    target.draw(view.hint);
}
