#include "world/enemy_pace.hpp"

#include "world/encounters.hpp"
#include "world/world_game.hpp"

namespace {

// An Instant step is long enough to reach the next cell corner whatever the walking speed.
constexpr float kInstantStepSeconds = 4.f;
// Every enemy plans once and takes at most a whole walk, then the turn ends: the most
// steps one Instant turn can take (a guard, never reached).
constexpr int kInstantStepLimit = kMaxEnemies * (kMaxPathCells + 2) + 2;

void skipEnemyBanner(TurnBanners* banners) {
    banners->enemyHidden = 1;
    banners->enemy.setScale(0.f, 0.f);
    banners->holdTimer = 0.f;
}

// The whole rest of the turn now, one walk step at a time with the meeting test after each,
// as the frames at Normal would have: a fight opening stops it, and the turn goes on after.
void resolveEnemyTurn(WorldGame* world, sf::RenderWindow* window) {
    for (int step = 0; step < kInstantStepLimit; ++step) {
        if (world->playerTurn || world->phase != WORLD_PHASE_MAP) return;
        updateEnemyMoves(world, window, kInstantStepSeconds);
        checkFightStart(world, window);
    }
}

} // namespace

void updatePacedEnemyTurn(WorldGame* world, sf::RenderWindow* window, float dt) {
    const EnemySpeed speed = world->enemySpeed;
    if (speed == EnemySpeed::Instant) {
        skipEnemyBanner(&world->banners);
        resolveEnemyTurn(world, window);
        return;
    }
    const float scaled = dt * enemyTimeScale(speed);
    if (world->banners.enemyHidden)
        updateEnemyMoves(world, window, scaled);
    else
        updateTurnBanners(&world->banners, world->camera.topLeft, scaled);
}
