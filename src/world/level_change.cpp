#include "world/level_change.hpp"

#include "world/crates.hpp"
#include "world/level_file.hpp"
#include "world/party_focus.hpp"
#include "world/placement.hpp"

#include <cstdio>

void startNextLevel(WorldGame* world, sf::RenderWindow* window) {
    world->playerTurn = 1;
    world->endTurnQueued = 0;
    world->level += 1;
    world->partyChanged = 1;
    Camera& camera = world->camera;
    if (camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&camera, window);
        toggleHud(&world->hud);
    }
    applyCamera(&camera, window, 1);
    for (Tile& tile : world->tileMap.tiles) {
        tile.heroHere = 0;
        tile.enemyHere = 0;
        tile.camp = 0;
        tile.crateHere = 0;
    }
    if (!loadLevel(&world->tileMap, world->level, world->generatedLevelFolder))
        std::fprintf(stderr, "Level %d: its file could not be read, the previous ground is used again\n", world->level);
    buildTileMap(&world->tileMap, kMapColumns, kMapRows);
    // The enemies left on the old level (a debug skip) leave with it.
    while (world->enemies.count > 0) removeEnemy(&world->enemies, static_cast<std::int32_t>(world->enemies.count - 1));
    spawnEnemies(world, world->level + 3);
    scatterParty(world);
    returnCameraToParty(world); // the level opens on the party once the transition is over
    resetPartyTurn(&world->party);
    // A walk cut short by the level's end must not keep the hero walking on the new map.
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i) {
        stopBody(&world->party.players[i].body);
        world->party.players[i].interactPending = 0;
    }
    // After the units: the new crates avoid the cells they hold.
    placeCrates(&world->crates, &world->tileMap, world->level);
}

std::int32_t applyShopPurchases(WorldGame* world, const ShopPurchases* purchases) {
    if (!world->partyChanged) return 0;
    if (purchases) {
        for (std::int32_t i = 0; i < purchases->hiredCount && i < static_cast<std::int32_t>(purchases->recruitList.size()); ++i)
            spawnPlayer(world, purchases->recruitList[static_cast<std::size_t>(i)]);
        world->gold = purchases->shopGold;
    }
    world->partyChanged = 0;
    world->autosaveDue = 1; // the level starts with the party it bought
    initHud(&world->hud, &world->party, world->camera.topLeft);
    setGoldText(&world->hud, world->gold, world->camera.topLeft); // right from the first frame drawn
    toggleHud(&world->hud);
    return 1;
}
