#include "world/move_undo.hpp"

#include "core/resources.hpp"
#include "fight/key_hints.hpp"
#include "world/board_moves.hpp"
#include "world/world_game.hpp"

namespace {

constexpr float kUndoButtonScale = 4.f;
constexpr float kUndoButtonSize = 17.f * kUndoButtonScale;
// The U cap rides the button's top-left corner.
const sf::Vector2f kUndoCapOffset{14.f, -6.f};

bool boardAsLeft(const WorldGame* world) {
    const MoveUndo& undo = world->moveUndo;
    return world->phase == WORLD_PHASE_MAP && world->playerTurn && !world->camp.open && world->gold == undo.gold &&
           world->level == undo.level && world->party.count == undo.partyCount;
}

sf::FloatRect buttonArea(const WorldGame* world) {
    const sf::Vector2f t = world->camera.topLeft;
    return {t.x + kUndoButtonOffset.x, t.y + kUndoButtonOffset.y, kUndoButtonSize, kUndoButtonSize};
}

} // namespace

void rememberHeroMove(WorldGame* world, std::int32_t hero, GridPos from, std::int32_t movePointsBefore, bool answered) {
    MoveUndo& undo = world->moveUndo;
    if (answered || undo.count >= kMaxTurnMoves || hero < 0 || static_cast<std::uint32_t>(hero) >= world->party.count) {
        forgetHeroMoves(&undo);
        return;
    }
    if (undo.count > 0 && !boardAsLeft(world)) forgetHeroMoves(&undo);
    const WorldPlayer& player = world->party.players[static_cast<std::size_t>(hero)];
    if (player.walk.length <= 0) return;
    undo.moves[static_cast<std::size_t>(undo.count++)] = {hero, from, walkEnd(&player.walk), movePointsBefore};
    undo.gold = world->gold;
    undo.level = world->level;
    undo.partyCount = world->party.count;
}

void forgetHeroMoves(MoveUndo* undo) { undo->count = 0; }

void forgetAnsweredMoves(WorldGame* world) {
    if (world->moveUndo.count > 0 && !boardAsLeft(world)) forgetHeroMoves(&world->moveUndo);
}

bool canUndoHeroMove(const WorldGame* world) {
    const MoveUndo& undo = world->moveUndo;
    if (undo.count <= 0 || !boardAsLeft(world) || anyPlayerMoving(world)) return false;
    const HeroMove& last = undo.moves[static_cast<std::size_t>(undo.count - 1)];
    if (last.hero < 0 || static_cast<std::uint32_t>(last.hero) >= world->party.count) return false;
    // The hero stands where the move left it, and the cell it came from is free again.
    const WorldPlayer& player = world->party.players[static_cast<std::size_t>(last.hero)];
    if (!(playerCell(&player) == last.to) || !cellOnBoard(last.from)) return false;
    return world->tileMap.tiles[static_cast<std::size_t>(cellIndex(last.from))].walkable != 0;
}

bool undoHeroMove(WorldGame* world) {
    if (!canUndoHeroMove(world)) {
        forgetAnsweredMoves(world);
        return false;
    }
    MoveUndo& undo = world->moveUndo;
    const HeroMove last = undo.moves[static_cast<std::size_t>(--undo.count)];
    Party& party = world->party;
    WorldPlayer& player = party.players[static_cast<std::size_t>(last.hero)];
    movePlayerOnGrid(world, last.hero, last.to, last.from);
    const sf::Vector2f at = cellCorner(last.from);
    player.body.sprite.setPosition(at);
    player.mpSprite.setPosition(at);
    stopBody(&player.body);
    clearWalk(&player.walk);
    hidePath(&player);
    player.interactPending = 0;
    player.movePoints = last.movePoints;
    updateMpSprite(&party, last.hero);
    selectHero(world, last.hero);
    return true;
}

void hoverUndoButton(WorldGame* world, float x, float y) {
    world->moveUndo.buttonHovered = undoButtonUnder(world, x, y) ? 1 : 0;
}

bool undoButtonUnder(const WorldGame* world, float x, float y) {
    if (!world->playerTurn || !world->hud.visible) return false;
    return buttonArea(world).contains(x, y);
}

void drawUndoButton(const WorldGame* world, sf::RenderTarget& target) {
    if (world->phase != WORLD_PHASE_MAP || !world->playerTurn || !world->hud.visible) return;
    const bool live = canUndoHeroMove(world);
    sf::Sprite button = createSprite(createTexture(kUndoButtonPath));
    const sf::IntRect& area = !live                           ? kUndoSpentRect
                              : world->moveUndo.buttonHovered ? kUndoPressedRect
                                                              : kUndoNormalRect;
    setSpriteRect(&button, &area);
    button.setScale(kUndoButtonScale, kUndoButtonScale);
    const sf::FloatRect placed = buttonArea(world);
    button.setPosition(placed.left, placed.top);
    target.draw(button);
    if (live) drawKeyCap(target, KEY_CAP_U, sf::Vector2f{placed.left, placed.top} + kUndoCapOffset);
}
