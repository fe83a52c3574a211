#include "core/game.hpp"
#include "support/test_window.hpp"

#include <gtest/gtest.h>

namespace {

void pressChord(MainData* data) {
    for (auto key : {sf::Keyboard::LControl, sf::Keyboard::LShift, sf::Keyboard::F, sf::Keyboard::J})
        dispatchEvent(data, keyPressEvent(key));
}

} // namespace

TEST(Shell, StartsOnMainMenuWithCursorAndDebugOff) {
    auto game = makeTestGame();
    EXPECT_EQ(game->sceneState, SCENE_MAIN_MENU);
    EXPECT_EQ(game->debugMode, 0);
    EXPECT_GT(game->cursorTexture->getSize().x, 0u);
}

TEST(Shell, DebugChordFlipsOnEveryKeyPressWhileHeld) {
    auto game = makeTestGame();
    pressChord(game.get()); // the J press completes the chord
    EXPECT_EQ(game->debugMode, 1);
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::J)); // key repeat flips again
    EXPECT_EQ(game->debugMode, 0);
    dispatchEvent(game.get(), keyReleaseEvent(sf::Keyboard::F));
    dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::A));
    EXPECT_EQ(game->debugMode, 0) << "chord broken: no flip";
}
