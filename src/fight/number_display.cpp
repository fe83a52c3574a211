#include "fight/number_display.hpp"

#include "core/resources.hpp"
#include "fight/fight_paths.hpp"

namespace {

constexpr float kRiseSpeed = 50.f;
const sf::Vector2f kActionPointUnits{497.f, 940.f};
const sf::Vector2f kActionPointTens{357.8f, 940.f};
const sf::Vector2f kActionPointHundreds{318.6f, 940.f};

// Scale of the three sprites by kind (kind 5 scales its units only; kind 4 keeps 1).
constexpr float kKindScale[6] = {0.7f, kDamageNumberScale, 0.4f, 0.2f, 1.f, 0.2f};

sf::IntRect digitArea(std::int32_t digit, std::int32_t kind) {
    // A digit outside 0..9 (a value past 999, a negative one) would read past the sheet.
    if (digit < 0) digit = 0;
    digit %= 10;
    return {kDigitWidth * digit, kDigitHeight * kind, kDigitWidth, kDigitHeight};
}

sf::Vector2f shifted(sf::Vector2f p, float dx) { return {p.x - dx, p.y}; }

} // namespace

void initNumberDisplay(NumberDisplay& display, std::int32_t kind, sf::Vector2f position) {
    display.texture = &createTexture(kNumberSheetPath);
    display.count = 0;
    display.twoDigits = 0;
    display.threeDigits = 0;
    addNumberEntry(display, kind, position);
}

void addNumberEntry(NumberDisplay& display, std::int32_t kind, sf::Vector2f p) {
    if (display.count >= kMaxNumberEntries || kind < 0 || kind > NUMBER_SEPARATOR) return;
    NumberEntry& entry = display.entries[static_cast<std::size_t>(display.count)];
    for (sf::Sprite* digit : {&entry.units, &entry.tens, &entry.hundreds}) {
        *digit = display.texture ? createSprite(*display.texture) : sf::Sprite();
        digit->setTextureRect({0, 0, kDigitWidth, kDigitHeight});
    }
    const float scale = kKindScale[kind];
    const float step = kDigitWidth * scale; // one scaled digit to the left
    switch (kind) {
    case NUMBER_ACTION_POINTS:
        for (sf::Sprite* digit : {&entry.units, &entry.tens, &entry.hundreds}) digit->setScale(scale, scale);
        entry.units.setPosition(kActionPointUnits);
        entry.tens.setPosition(kActionPointTens);
        entry.hundreds.setPosition(kActionPointHundreds);
        break;
    case NUMBER_DAMAGE:
    case NUMBER_ARMOR:
    case NUMBER_LIFE:
        for (sf::Sprite* digit : {&entry.units, &entry.tens, &entry.hundreds}) digit->setScale(scale, scale);
        entry.units.setPosition(p);
        entry.tens.setPosition(shifted(p, step));
        entry.hundreds.setPosition(shifted(p, 2.f * step));
        break;
    case NUMBER_PLAIN:
        break;
    case NUMBER_SEPARATOR:
        entry.units.setScale(scale, scale);
        entry.units.setPosition(p);
        entry.units.setTextureRect(digitArea(0, NUMBER_SEPARATOR));
        break;
    default:
        break;
    }
    entry.kind = kind;
    entry.basePosition = p;
    display.count += 1;
}

void setNumberValue(NumberDisplay& display, std::int32_t v) {
    for (std::int32_t i = 0; i < display.count; ++i) {
        NumberEntry& entry = display.entries[static_cast<std::size_t>(i)];
        const std::int32_t k = entry.kind;
        if (k == NUMBER_SEPARATOR) continue; // the separator never changes
        if (v >= 10 && v <= 99) {
            display.twoDigits = 1;
            display.threeDigits = 0;
            if (k != NUMBER_ACTION_POINTS) {
                entry.units.setTextureRect(digitArea(v % 10, k));
                entry.tens.setTextureRect(digitArea(v / 10, k));
            }
        } else if (v > 99) {
            display.threeDigits = 1;
            if (k != NUMBER_ACTION_POINTS) {
                entry.units.setTextureRect(digitArea(v % 10, k));
                entry.tens.setTextureRect(digitArea((v % 100) / 10, k));
                entry.hundreds.setTextureRect(digitArea(v / 100, k));
            }
        } else {
            display.twoDigits = 0;
            display.threeDigits = 0;
            entry.units.setTextureRect(digitArea(v, k));
        }
        if (k == NUMBER_ARMOR) entry.units.setPosition(entry.basePosition);
    }
}

void floatNumbers(NumberDisplay& display, std::int32_t rising, float dt) {
    for (std::int32_t i = 0; i < display.count; ++i) {
        NumberEntry& entry = display.entries[static_cast<std::size_t>(i)];
        if (entry.kind != NUMBER_DAMAGE) continue;
        if (rising) {
            entry.units.move(0.f, -kRiseSpeed * dt);
            entry.tens.move(0.f, -kRiseSpeed * dt);
        } else {
            entry.units.setPosition(entry.basePosition);
            entry.tens.setPosition(shifted(entry.basePosition, kDigitWidth * kKindScale[NUMBER_DAMAGE]));
        }
    }
}

void drawNumberDisplay(const NumberDisplay& display, sf::RenderTarget& target) {
    for (std::int32_t i = 0; i < display.count; ++i) {
        const NumberEntry& entry = display.entries[static_cast<std::size_t>(i)];
        target.draw(entry.units);
        if (entry.kind == NUMBER_ACTION_POINTS) continue;
        if (display.twoDigits) target.draw(entry.tens);
        if (display.threeDigits) {
            target.draw(entry.tens);
            target.draw(entry.hundreds);
        }
    }
}
