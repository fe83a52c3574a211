#include "world/world_keys.hpp"

#include "fight/fight_keys.hpp"
#include "fight/key_hints.hpp"
#include "world/board_moves.hpp"
#include "world/enemy_reach.hpp"
#include "world/move_undo.hpp"
#include "world/world_game.hpp"

#include <algorithm>

namespace {

// The Enter cap rides the end-turn button's top-left corner; the Tab cap sits on the lower
// edge of the leader's portrait frame.
const sf::Vector2f kEndTurnCapOffset{38.f, -6.f};
const sf::Vector2f kTabCapOffset{63.f, 112.f};

bool altKey(sf::Keyboard::Key key) { return key == sf::Keyboard::LAlt || key == sf::Keyboard::RAlt; }

// The player may give orders on the map: the same moments a click on the board counts.
bool ordersOpen(const WorldGame* world) {
    return world->phase == WORLD_PHASE_MAP && !world->dialog.visible && world->camera.mode == CAMERA_CLOSE &&
           !world->camp.open && world->playerTurn;
}

// A hero picked by key while the view looks elsewhere: the view goes to it.
void bringHeroIntoView(WorldGame* world, std::int32_t index) {
    if (index < 0) return;
    const GridPos cell = playerCell(&world->party.players[static_cast<std::size_t>(index)]);
    const float half = static_cast<float>(kCellSize) / 2.f;
    const sf::Vector2f centre{static_cast<float>(cell.x * kCellSize) + half, static_cast<float>(cell.y * kCellSize) + half};
    const sf::Vector2f from = world->camera.topLeft;
    // Clear of the top bar and of the screen's edges, where the view would scroll away.
    const bool shown = centre.x > from.x + half && centre.x < from.x + 1920.f - half && centre.y > from.y + 120.f + half &&
                       centre.y < from.y + 1080.f - half;
    if (!shown) focusCamera(&world->camera, centre);
}

} // namespace

std::int32_t selectNextMovableHero(WorldGame* world) {
    const std::int32_t count = std::min(static_cast<std::int32_t>(world->party.count), kMaxPlayers);
    if (count <= 0) return -1;
    const std::int32_t selected = world->party.selectedIndex;
    const std::int32_t from = selected >= 0 && selected < count ? selected : -1;
    for (std::int32_t step = 1; step <= count; ++step) {
        const std::int32_t index = (from + step + count) % count;
        if (selectHero(world, index)) return index;
    }
    return -1;
}

void keyPressedWorldGame(WorldGame* world, sf::Keyboard::Key key, sf::RenderWindow* window) {
    if (world->phase == WORLD_PHASE_FIGHT) {
        if (!world->dialog.visible) keyPressedFightScene(&world->fight, key);
        return;
    }
    if (altKey(key)) showAllEnemyReach(world, true);
    if (!ordersOpen(world)) return;
    switch (key) {
    case sf::Keyboard::Tab:
        bringHeroIntoView(world, selectNextMovableHero(world));
        break;
    case sf::Keyboard::Enter:
        toggleTurn(world, window);
        break;
    case sf::Keyboard::U:
        undoHeroMove(world);
        break;
    default:
        break;
    }
}

void keyReleasedWorldGame(WorldGame* world, sf::Keyboard::Key key) {
    if (altKey(key)) showAllEnemyReach(world, false);
}

void releaseWorldKeys(WorldGame* world) { showAllEnemyReach(world, false); }

void drawMapKeyHints(const WorldGame* world, sf::RenderTarget& target) {
    if (world->phase != WORLD_PHASE_MAP || !world->playerTurn || !world->hud.visible) return;
    const sf::FloatRect button = world->hud.endTurnSprite.getGlobalBounds();
    drawKeyCap(target, KEY_CAP_ENTER, sf::Vector2f{button.left, button.top} + kEndTurnCapOffset);
    drawKeyCap(target, KEY_CAP_TAB, world->camera.topLeft + kTabCapOffset);
}
