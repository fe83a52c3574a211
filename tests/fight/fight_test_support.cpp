#include "fight/fight_test_support.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace fighttest {

UnitStats hero(std::int32_t type, std::int32_t unitIndex) {
    UnitStats stats = initialUnitStats(type);
    stats.unitIndex = unitIndex;
    return stats;
}

UnitStats foe(std::int32_t type, std::int32_t unitIndex) {
    UnitStats stats = initialUnitStats(type);
    stats.unitIndex = unitIndex;
    return stats;
}

std::unique_ptr<FightScene> openFight(const std::vector<UnitStats>& heroes, const std::vector<UnitStats>& enemies) {
    auto scene = std::make_unique<FightScene>();
    testing::internal::CaptureStdout(); // the enemy types are traced at creation
    initFightScene(scene.get(), heroes.data(), static_cast<std::int32_t>(heroes.size()), enemies.data(),
                   static_cast<std::int32_t>(enemies.size()));
    testing::internal::GetCapturedStdout();
    return scene;
}

void moveMouse(FightScene& scene, sf::Vector2f point) {
    const sf::Event event = mouseMoveEvent(static_cast<int>(point.x), static_cast<int>(point.y));
    mouseMovedFightScene(&scene, event.mouseMove);
}

void clickAt(FightScene& scene, sf::Vector2f point) {
    moveMouse(scene, point);
    stepQuietly(scene, 1);
    mousePressedFightScene(&scene);
}

void step(FightScene& scene, int frames, float dt) {
    for (int i = 0; i < frames; ++i) updateFightScene(&scene, dt);
}

void stepQuietly(FightScene& scene, int frames, float dt) {
    testing::internal::CaptureStdout();
    step(scene, frames, dt);
    testing::internal::GetCapturedStdout();
}

sf::Vector2f centreOf(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {b.left + b.width / 2.f, b.top + b.height / 2.f};
}

sf::Vector2f endTurnButton(const FightScene& scene) { return centreOf(scene.turnButton.sprite); }

Ally& ally(FightScene& scene, int slot) { return scene.allies.allies[static_cast<std::size_t>(slot)]; }
FightEnemy& enemy(FightScene& scene, int slot) { return scene.enemies.enemies[static_cast<std::size_t>(slot)]; }

bool dealToFront(FightScene& scene, int slot, std::int32_t kind) {
    CardHand& hand = ally(scene, slot).hand;
    for (int i = 0; i < hand.count; ++i) {
        if (hand.cards[static_cast<std::size_t>(i)].kind == kind && !hand.cards[static_cast<std::size_t>(i)].used) {
            std::swap(hand.cards[0], hand.cards[static_cast<std::size_t>(i)]);
            return true;
        }
    }
    return false;
}

void selectAlly(FightScene& scene, int slot) {
    if (!ally(scene, slot).selected) clickAt(scene, centreOf(ally(scene, slot).fighter.body.sprite));
}

sf::Vector2f visiblePointOf(const CardHand& hand, int place) {
    // Cards further right lie over it: find the middle of the strip of the card they leave
    // uncovered along its centre line.
    const sf::FloatRect own = hand.cards[static_cast<std::size_t>(place)].sprite.getGlobalBounds();
    const float y = own.top + own.height / 2.f;
    float first = -1.f;
    float last = -1.f;
    for (float x = own.left + 2.f; x < own.left + own.width - 2.f; x += 2.f) {
        bool covered = false;
        for (int k = place + 1; k <= place + 2 && k < hand.shownCount; ++k)
            if (hand.cards[static_cast<std::size_t>(k)].sprite.getGlobalBounds().contains(x, y)) covered = true;
        if (covered) {
            if (first >= 0.f) break;
            continue;
        }
        if (first < 0.f) first = x;
        last = x;
    }
    return {(first + last) / 2.f, y};
}

void clickCard(FightScene& scene, int slot, int place) {
    // Lay the fan out first so the card stands where the player sees it.
    moveMouse(scene, {960.f, 200.f});
    stepQuietly(scene, 1);
    clickAt(scene, visiblePointOf(ally(scene, slot).hand, place));
}

void playFrontCardOnEnemy(FightScene& scene, int allySlot, int enemySlot) {
    selectAlly(scene, allySlot);
    clickCard(scene, allySlot, 0);
    clickAt(scene, centreOf(enemy(scene, enemySlot).fighter.body.sprite));
}

void playFrontCardOnAlly(FightScene& scene, int allySlot, int targetSlot) {
    selectAlly(scene, allySlot);
    clickCard(scene, allySlot, 0);
    clickAt(scene, centreOf(ally(scene, targetSlot).fighter.body.sprite));
}

void passEnemiesTurn(FightScene& scene) {
    clickAt(scene, endTurnButton(scene));
    moveMouse(scene, {960.f, 200.f});
    stepQuietly(scene, 301);
}

} // namespace fighttest
