#include "app/game.hpp"
#include "core/display.hpp"

#include <cstdio>
#include <memory>
#include <string>

int main() {
    std::string why;
    if (!displayAvailable(&why)) {
        std::fprintf(stderr, "Ostrevald cannot start: %s\n", why.c_str());
        return 1;
    }
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
