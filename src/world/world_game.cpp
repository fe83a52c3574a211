#include "world/world_game.hpp"

#include "core/sound.hpp"
#include "core/vector_math.hpp"
#include "world/board_moves.hpp"
#include "world/camp.hpp"
#include "world/crates.hpp"
#include "world/dialog_box.hpp"
#include "world/encounters.hpp"
#include "world/enemy_pace.hpp"
#include "world/hud_lives.hpp"
#include "world/level_change.hpp"
#include "world/party_focus.hpp"
#include "world/path_preview.hpp"
#include "world/placement.hpp"
#include "world/world_keys.hpp"

namespace {

// A frame with the camp screen open: only the heal effect and the HUD move. The screen
// belongs to the close view: a switch to the overview (M) is undone at once, and the
// screen is put back at the camera's top-left, so it stays centred with its buttons live.
void updateOpenCamp(WorldGame* world, sf::RenderWindow* window, float dt) {
    Camera& camera = world->camera;
    if (camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&camera, window);
        world->hud.visible = 1;
    }
    camera.scrollStep = {0, 0}; // the view does not scroll while the screen is open
    placeCampScreen(&world->camp, camera.topLeft);
    updateCampScreen(&world->camp, dt);
    updateHud(&world->hud, world->gold, dt, &camera.scrollStep, camera.topLeft);
}

bool insideBoard(std::int32_t x, std::int32_t y) {
    return x >= 0 && y >= 0 && x < kMapColumns * kCellSize && y < kMapRows * kCellSize;
}

} // namespace

void initWorldGame(WorldGame* world, const std::int32_t chosenTeam[4]) {
    initTileMap(&world->tileMap);
    world->level = 1;

    loadEnemyTextures(&world->enemies);
    for (WorldEnemy& enemy : world->enemies.enemies) enemy = WorldEnemy{};
    world->enemies.count = 0;
    initParty(&world->party);
    initCamp(&world->camp);
    initCrates(&world->crates, &world->tileMap); // on the first level the crates lie before the units
    initTurnBanners(&world->banners);

    spawnParty(world, chosenTeam);
    spawnEnemies(world, world->level + 3); // level L has L + 3 enemies

    world->gold = kStartingGold;
    world->playerTurn = 1;
    world->endTurnQueued = 0;
    world->party.leaderAlive = 1;
    world->partyChanged = 0;
    world->cursorHidden = 0;
    world->phase = WORLD_PHASE_MAP;
    world->autosaveDue = 1; // the first level's start
    world->fightRandomState.clear();
    // Nothing of a fight of an earlier game survives into this one.
    destroyFightScene(&world->fight);
    world->encounter = Encounter{};

    initHud(&world->hud, &world->party, world->camera.topLeft);
    setGoldText(&world->hud, world->gold, world->camera.topLeft); // right from the first frame drawn
    initDialogBox(&world->dialog);
    if (world->startTutorialShown == 0) {
        world->startTutorialShown = 1;
        openDialog(&world->dialog, kTutorialSection, kMapTutorialFirstPage, kMapTutorialLastPage, WORLD_PHASE_MAP,
                   world->camera.topLeft);
    }
    if (world->hud.visible == 0) toggleHud(&world->hud);
    world->mapBatch.atlas = mapPictureAtlas();
    focusCameraOnParty(world); // the first frame drawn shows the party
}

void destroyWorldGame(WorldGame* world) {
    destroyEnemies(&world->enemies);
    destroyParty(&world->party);
    destroyFightScene(&world->fight);
    world->encounter = Encounter{};
    world->phase = WORLD_PHASE_MAP;
    world->cursorHidden = 0;
    world->endTurnQueued = 0;
}

std::int32_t anyPlayerMoving(const WorldGame* world) {
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i)
        if (world->party.players[i].body.moving) return 1;
    return 0;
}

void toggleTurn(WorldGame* world, sf::RenderWindow* window) {
    if (world->playerTurn == 0) {
        world->playerTurn = 1;
        world->banners.allyHidden = 0;
        if (world->camera.mode == CAMERA_OVERVIEW) {
            toggleCameraMode(&world->camera, window);
            world->hud.visible = 1;
        }
        resetEnemyTurn(&world->enemies);
        focusCameraOnParty(world); // the player's turn opens on the party
        world->autosaveDue = 1;
        return;
    }
    if (anyPlayerMoving(world)) {
        // A hero still walks: the turn ends when the walk does (endQueuedTurn).
        world->endTurnQueued = 1;
        return;
    }
    world->endTurnQueued = 0;
    forgetHeroMoves(&world->moveUndo); // the enemies answer every move of the turn
    playSound(Sound::EndTurn);
    world->playerTurn = 0;
    world->banners.enemyHidden = 0;
    if (world->camera.mode == CAMERA_CLOSE) {
        toggleCameraMode(&world->camera, window);
        world->hud.visible = 0;
    }
    resetPartyTurn(&world->party);
}

void endQueuedTurn(WorldGame* world, sf::RenderWindow* window) {
    if (!world->endTurnQueued) return;
    // A walk that ended in a fight or at a camp hands the board back to the player.
    if (world->phase != WORLD_PHASE_MAP || world->camp.open || !world->playerTurn) {
        world->endTurnQueued = 0;
        return;
    }
    if (anyPlayerMoving(world)) return;
    toggleTurn(world, window);
}

void checkArrival(WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->party.count || index >= kMaxPlayers) return;
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    if (player.body.moving || !player.interactPending) return;
    const GridPos cell = playerCell(&player);
    if (!cellOnBoard(cell)) {
        player.interactPending = 0;
        return;
    }
    const Tile& tile = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))];
    if (tile.enemyHere) {
        // An enemy holds the cell: the meeting opens a fight instead.
        player.interactPending = 0;
        return;
    }
    if (tile.camp) {
        // One camp screen at a time: a second hero arriving keeps its errand for later.
        if (!world->camp.open) toggleCampScreen(&world->camp, &world->party, index, world->camera.topLeft);
        return;
    }
    if (tile.crateHere) openCrate(&world->crates, &world->tileMap, &world->gold, cell.x, cell.y);
    player.interactPending = 0;
}

void updatePlayerMoves(WorldGame* world, float dt) {
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i) {
        WorldPlayer& player = world->party.players[i];
        if (!player.body.moving) continue;
        stepPlayer(&world->party, &player, dt);
        checkArrival(world, static_cast<std::int32_t>(i));
        if (world->camp.open) return; // the camp screen stops every walk until it closes
    }
}

void planEnemyMove(WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->enemies.count) return;
    WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
    enemy.acted = 1;
    enemy.body.moving = 0;
    if (world->party.count == 0) return; // nobody to walk to
    const GridPos enemyCellPos = enemyCell(&enemy);
    const GridPos closestPlayer = findClosestPlayer(world, enemyCellPos);
    findPath(world, enemyCellPos, closestPlayer, SIDE_ENEMY, index);
    enemy.body.moving = enemy.walk.length > 0 ? 1 : 0;
}

void updateEnemyMoves(WorldGame* world, sf::RenderWindow* window, float dt) {
    EnemyList& list = world->enemies;
    // One enemy at a time: the walker finishes before the next one plans.
    for (std::uint32_t i = 0; i < list.count && i < kMaxEnemies; ++i)
        if (list.enemies[i].body.moving) {
            stepEnemy(&list.enemies[i], dt);
            return;
        }
    for (std::uint32_t i = 0; i < list.count && i < kMaxEnemies; ++i)
        if (!list.enemies[i].acted) {
            planEnemyMove(world, static_cast<std::int32_t>(i));
            return;
        }
    toggleTurn(world, window);
}

void updateWorldGame(float dt, WorldGame* world, sf::RenderWindow* window, const ShopPurchases* purchases) {
    forgetAnsweredMoves(world);
    if (world->phase == WORLD_PHASE_FIGHT) {
        updateFightPhase(world, window, dt);
        return;
    }
    if (world->phase != WORLD_PHASE_MAP) return;
    if (applyShopPurchases(world, purchases)) return;
    updateGoldTextTimer(&world->crates, dt);
    if (world->camp.open) {
        updateOpenCamp(world, window, dt);
        return;
    }
    if (world->playerTurn) {
        if (world->banners.allyHidden)
            updatePlayerMoves(world, dt);
        else
            updateTurnBanners(&world->banners, world->camera.topLeft, dt);
    } else {
        updatePacedEnemyTurn(world, window, dt);
    }
    updatePartyAnimations(&world->party, dt);
    updateEnemyAnimations(&world->enemies, dt);
    updateCamera(&world->camera, window);
    // The overview never scrolls; a step left from the close view must not keep moving
    // the screen-fixed overlays.
    if (world->camera.mode != CAMERA_CLOSE) world->camera.scrollStep = {0, 0};
    // The view scrolled under a still pointer: it now points at another square.
    if (world->camera.scrollStep != sf::Vector2i(0, 0))
        pointAtBoard(world, world->camera.pointer + sf::Vector2i(world->camera.topLeft));
    followCameraDialog(&world->dialog, &world->camera.scrollStep);
    updateHud(&world->hud, world->gold, dt, &world->camera.scrollStep, world->camera.topLeft);
    checkFightStart(world, window);
    endQueuedTurn(world, window);
}

void drawWorldGame(WorldGame* world, sf::RenderTarget& target, std::int32_t debugMode) {
    if (world->phase == WORLD_PHASE_FIGHT) {
        drawFightScene(&world->fight, target);
        drawDialogBox(&world->dialog, target);
        return;
    }
    if (world->phase != WORLD_PHASE_MAP) return;
    drawTileMap(target, &world->tileMap, debugMode);
    drawEnemyReach(world, target);
    SpriteBatch batch = mapSpriteBatch(&world->mapBatch);
    drawPartyArrows(&world->party, &batch, target);
    drawCrates(&world->crates, &batch, target);
    drawEnemies(&world->enemies, &batch, target);
    drawParty(&world->party, &batch, target);
    flushSpriteBatch(&batch, target);
    if (world->camp.open) drawCampScreen(&world->camp, target);
    drawCrateGold(&world->crates, target);
    drawTurnBanners(&world->banners, target);
    drawDialogBox(&world->dialog, target);
    drawHud(&world->hud, &batch, target, world->playerTurn, world->party.count);
    drawHudLives(&world->hud, &world->party, target);
    drawUndoButton(world, target);
    drawMapKeyHints(world, target);
}

void clickBoard(WorldGame* world, std::int32_t x, std::int32_t y) {
    Party& party = world->party;
    const sf::Vector2f point{static_cast<float>(x), static_cast<float>(y)};
    // A selection: a hero that can still move and stands under the point.
    for (std::uint32_t i = 0; i < party.count && i < kMaxPlayers; ++i) {
        WorldPlayer& player = party.players[i];
        if (player.movePoints == 0 || player.body.moving) continue;
        const sf::FloatRect hitbox = playerHitbox(&player);
        if (!pointInRect(point, &hitbox)) continue;
        selectHero(world, static_cast<std::int32_t>(i));
        return;
    }
    // Points outside the board never hold a shown square.
    if (!insideBoard(x, y)) {
        hideRange(&party);
        return;
    }
    const GridPos mouseCellPos{x / kCellSize, y / kCellSize};
    if (!party.rangeSquares[static_cast<std::size_t>(cellIndex(mouseCellPos))].visible) {
        hideRange(&party);
        return;
    }
    // A move order for the selected hero.
    const std::int32_t selected = party.selectedIndex;
    if (selected < 0 || static_cast<std::uint32_t>(selected) >= party.count ||
        party.players[static_cast<std::size_t>(selected)].body.moving) {
        hideRange(&party);
        return;
    }
    WorldPlayer& player = party.players[static_cast<std::size_t>(selected)];
    const GridPos from = party.selectedCell;
    const std::int32_t pointsBefore = player.movePoints;
    findPath(world, party.selectedCell, mouseCellPos, SIDE_PLAYER, selected);
    hideRange(&party);
    if (player.walk.length <= 0) return; // nowhere to go: never a zero-length walk
    player.body.moving = 1;
    player.movePoints -= player.walk.length;
    updateMpSprite(&party, selected);
    showPath(&party, &player);
    // A move that ends on a camp or a crate has an errand there, done on arrival.
    const Tile& destination = world->tileMap.tiles[static_cast<std::size_t>(cellIndex(mouseCellPos))];
    player.interactPending = destination.camp || destination.crateHere ? 1 : 0;
    rememberHeroMove(world, selected, from, pointsBefore, player.interactPending || destination.enemyHere);
}

void mousePressedWorldGame(WorldGame* world, sf::Event::MouseButtonEvent press, sf::RenderWindow* window) {
    if (press.button == sf::Mouse::Right) cancelInFight(world);
    if (press.button != sf::Mouse::Left) return;
    // While the tutorial box is open a click only turns its page, on the map and in a fight.
    if (world->phase == WORLD_PHASE_FIGHT) {
        if (world->dialog.visible)
            nextPage(&world->dialog);
        else
            mousePressedFightScene(&world->fight);
        return;
    }
    if (world->phase != WORLD_PHASE_MAP) return;
    if (world->dialog.visible) {
        nextPage(&world->dialog);
        return;
    }
    if (world->camera.mode != CAMERA_CLOSE) return;
    sf::Event::MouseButtonEvent worldPress = press;
    worldPress.x = static_cast<int>(static_cast<float>(press.x) + world->camera.topLeft.x);
    worldPress.y = static_cast<int>(static_cast<float>(press.y) + world->camera.topLeft.y);
    if (world->camp.open) {
        clickCampScreen(&world->camp, &world->party, &world->gold, worldPress);
        return;
    }
    if (!world->playerTurn) return;
    // The end-turn and undo buttons lie over the map: a click on them is for the button only.
    if (undoButtonUnder(world, static_cast<float>(worldPress.x), static_cast<float>(worldPress.y))) {
        undoHeroMove(world);
        return;
    }
    if (isEndTurnClicked(&world->hud, worldPress)) {
        toggleTurn(world, window);
        return;
    }
    clickBoard(world, worldPress.x, worldPress.y);
}

void mouseMovedWorldGame(WorldGame* world, sf::Event::MouseMoveEvent move) {
    if (world->phase == WORLD_PHASE_FIGHT) {
        mouseMovedFightScene(&world->fight, move);
        return;
    }
    if (world->phase != WORLD_PHASE_MAP) return;
    sf::Event::MouseMoveEvent worldMove = move;
    worldMove.x = static_cast<int>(static_cast<float>(move.x) + world->camera.topLeft.x);
    worldMove.y = static_cast<int>(static_cast<float>(move.y) + world->camera.topLeft.y);
    // Followed on both sides' turns, so the button comes back unpressed when the pointer
    // left it while the enemies walked.
    updateEndTurnHover(&world->hud, worldMove);
    pointAtBoard(world, {worldMove.x, worldMove.y});
    hoverUndoButton(world, static_cast<float>(worldMove.x), static_cast<float>(worldMove.y));
    if (world->camera.mode == CAMERA_CLOSE)
        pointEnemyReach(world, worldMove.x, worldMove.y);
    else
        stopPointingEnemyReach(world);
    if (world->hud.visible)
        hoverHud(&world->hud, static_cast<float>(worldMove.x), static_cast<float>(worldMove.y), world->camera.topLeft,
                 world->party.count);
}
