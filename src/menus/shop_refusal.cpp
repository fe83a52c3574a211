#include "menus/shop_refusal.hpp"

#include "menus/shop.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned kRefusalTextSize = 35;
// Centred under the Hire button, above the recruit on show.
const sf::Vector2f kRefusalCentre(464.f, 448.f);
// Palette colours: Ember words with an Ink rim, to read on the dark counter.
const sf::Color kRefusalFill{214, 104, 52};
const sf::Color kRefusalRim{20, 16, 24};

} // namespace

HireRefusal hireRefusalOf(const Shop* shop) {
    const bool room = shop->partySize + shop->hiredCount < kShopPartyLimit && shop->hiredCount < kShopPartyLimit;
    if (!room) return HireRefusal::PartyFull;
    if (shop->shopGold < kHirePrice) return HireRefusal::NotEnoughGold;
    return HireRefusal::None;
}

std::string hireRefusalText(HireRefusal refusal) {
    switch (refusal) {
    case HireRefusal::PartyFull:
        return "The party is full: four heroes march at most.";
    case HireRefusal::NotEnoughGold:
        return "Not enough gold: a recruit asks " + std::to_string(kHirePrice) + " Golds.";
    case HireRefusal::None:
        break;
    }
    return "";
}

void showHireRefusal(Shop* shop, HireRefusal refusal) {
    HireRefusalNote& note = shop->refusal;
    note.secondsLeft = refusal == HireRefusal::None ? 0.f : kHireRefusalSeconds;
    if (refusal == HireRefusal::None || !shop->font) return;
    note.text.setFont(*shop->font);
    note.text.setCharacterSize(kRefusalTextSize);
    note.text.setFillColor(kRefusalFill);
    note.text.setOutlineColor(kRefusalRim);
    note.text.setOutlineThickness(4.f);
    note.text.setString(hireRefusalText(refusal));
    const sf::FloatRect bounds = note.text.getLocalBounds();
    note.text.setOrigin(std::floor(bounds.left + bounds.width / 2.f), std::floor(bounds.top + bounds.height / 2.f));
    note.text.setPosition(kRefusalCentre);
}

void updateHireRefusal(Shop* shop, float dt) {
    HireRefusalNote& note = shop->refusal;
    if (note.secondsLeft > 0.f) note.secondsLeft = std::max(0.f, note.secondsLeft - dt);
}

void drawHireRefusal(const Shop* shop, sf::RenderTarget& target) {
    if (shop->hirePageOpen && shop->refusal.secondsLeft > 0.f) target.draw(shop->refusal.text);
}
