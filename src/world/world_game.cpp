#include "world/world_game.hpp"

void initWorldGame(WorldGame* world, const std::int32_t chosenTeam[4]) {
    (void)chosenTeam;
    initTileMap(world);
    world->gold = 100;
    world->playerTurn = 1;
    world->phase = WORLD_PHASE_MAP;
}

void destroyWorldGame(WorldGame* world) { destroyTileMap(world); }
