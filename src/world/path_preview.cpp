#include "world/path_preview.hpp"

#include "world/path_search.hpp"

namespace {

// The selected hero, when it stands still and its squares are shown.
WorldPlayer* previewedHero(WorldGame* world) {
    Party& party = world->party;
    const std::int32_t selected = party.selectedIndex;
    if (selected < 0 || static_cast<std::uint32_t>(selected) >= party.count || selected >= kMaxPlayers) return nullptr;
    WorldPlayer& player = party.players[static_cast<std::size_t>(selected)];
    if (player.body.moving) return nullptr;
    return &player;
}

bool boardTakesPointer(const WorldGame* world) {
    return world->phase == WORLD_PHASE_MAP && world->playerTurn == 1 && !world->camp.open &&
           !world->dialog.visible && world->camera.mode == CAMERA_CLOSE;
}

} // namespace

void clearPathPreview(Party* party) {
    const std::int32_t index = party->previewIndex;
    party->previewIndex = -1;
    party->previewCell = {-1, -1};
    if (index < 0 || static_cast<std::uint32_t>(index) >= party->count || index >= kMaxPlayers) return;
    WorldPlayer& player = party->players[static_cast<std::size_t>(index)];
    if (!player.body.moving) hidePath(&player);
}

void pointAtBoard(WorldGame* world, sf::Vector2i point) {
    Party& party = world->party;
    WorldPlayer* hero = boardTakesPointer(world) ? previewedHero(world) : nullptr;
    const bool onBoard = point.x >= 0 && point.y >= 0 && point.x < kMapColumns * kCellSize &&
                         point.y < kMapRows * kCellSize;
    const GridPos cell{point.x / kCellSize, point.y / kCellSize};
    if (!hero || !onBoard || cell == party.selectedCell ||
        !party.rangeSquares[static_cast<std::size_t>(cellIndex(cell))].visible) {
        clearPathPreview(&party);
        return;
    }
    if (party.previewIndex == party.selectedIndex && party.previewCell == cell) return; // shown already
    GridPath found;
    searchPath(&world->tileMap, party.selectedCell, cell, SIDE_PLAYER, &found);
    // The walk a click would order (storePath's rule): the whole path, or nothing.
    if (!found.reachedGoal || found.length <= 0 || found.length > kMaxPathCells) {
        clearPathPreview(&party);
        return;
    }
    clearPathPreview(&party);
    MapWalk walk;
    setWalk(&walk, party.selectedCell, found.cells.data(), found.length);
    showArrowAlong(&party, hero, &walk);
    party.previewIndex = party.selectedIndex;
    party.previewCell = cell;
}
