#include "app/game.hpp"

#include <memory>

int main() {
    // The game-wide record is large (the whole board lives in it): keep it off the stack.
    auto mainData = std::make_unique<MainData>();
    initGame(mainData.get());
    while (mainData->window.isOpen()) {
        handleEvents(mainData.get());
        updateGame(mainData.get());
        drawGame(mainData.get());
    }
    destroyGame(mainData.get());
    return 0;
}
