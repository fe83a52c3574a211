#include "world/enemy_reach.hpp"

#include "core/resources.hpp"
#include "world/path_search.hpp"
#include "world/world_record.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>

namespace {

constexpr float kReachPictureSize = 64.f;

void markFill(ReachCells& cells, const GridFill& fill) {
    for (std::int32_t i = 0; i < kCellCount; ++i)
        if (fill.reached(i)) cells[static_cast<std::size_t>(i)] = 1;
}

} // namespace

GridFill enemyReach(const WorldGame* world, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->enemies.count || index >= kMaxEnemies) {
        GridFill none;
        none.steps.fill(GridFill::kUnreached);
        return none;
    }
    const WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
    // An enemy walks at most its move points, and never further than one turn's walk.
    const std::int32_t points = std::min(enemy.maxMovePoints, static_cast<std::int32_t>(kMaxPathCells));
    return moveRange(&world->tileMap, points, enemyCell(&enemy), SIDE_ENEMY);
}

std::int32_t enemyOnCell(const WorldGame* world, GridPos cell) {
    if (!cellOnBoard(cell)) return -1;
    for (std::uint32_t i = 0; i < world->enemies.count && i < kMaxEnemies; ++i)
        if (enemyCell(&world->enemies.enemies[i]) == cell) return static_cast<std::int32_t>(i);
    return -1;
}

ReachCells shownEnemyReach(const WorldGame* world) {
    ReachCells cells{};
    if (world->phase != WORLD_PHASE_MAP || !world->playerTurn || world->camp.open) return cells;
    if (world->enemyReach.allShown) {
        for (std::uint32_t i = 0; i < world->enemies.count && i < kMaxEnemies; ++i)
            markFill(cells, enemyReach(world, static_cast<std::int32_t>(i)));
        return cells;
    }
    const std::int32_t pointed = enemyOnCell(world, world->enemyReach.pointedCell);
    if (pointed >= 0) markFill(cells, enemyReach(world, pointed));
    return cells;
}

void pointEnemyReach(WorldGame* world, std::int32_t x, std::int32_t y) {
    world->enemyReach.pointedCell = x >= 0 && y >= 0 ? GridPos{x / kCellSize, y / kCellSize} : GridPos{-1, -1};
}

void stopPointingEnemyReach(WorldGame* world) { world->enemyReach.pointedCell = {-1, -1}; }

void showAllEnemyReach(WorldGame* world, bool held) { world->enemyReach.allShown = held ? 1 : 0; }

void drawEnemyReach(WorldGame* world, sf::RenderTarget& target) {
    EnemyReach& reach = world->enemyReach;
    const ReachCells cells = shownEnemyReach(world);
    reach.vertexCount = 0;
    for (std::int32_t i = 0; i < kCellCount; ++i) {
        if (!cells[static_cast<std::size_t>(i)]) continue;
        const sf::Vector2f a = cellCorner(cellAtIndex(i));
        const float size = static_cast<float>(kCellSize);
        const sf::Vector2f corners[4] = {a, {a.x + size, a.y}, {a.x + size, a.y + size}, {a.x, a.y + size}};
        const sf::Vector2f uv[4] = {{0.f, 0.f}, {kReachPictureSize, 0.f}, {kReachPictureSize, kReachPictureSize},
                                    {0.f, kReachPictureSize}};
        for (int k : {0, 1, 2, 0, 2, 3})
            reach.vertices[static_cast<std::size_t>(reach.vertexCount++)] = sf::Vertex(corners[k], uv[k]);
    }
    if (reach.vertexCount == 0) return;
    if (!reach.texture) reach.texture = &createTexture(kSquareReachPath);
    sf::RenderStates states;
    states.texture = reach.texture;
    target.draw(reach.vertices.data(), static_cast<std::size_t>(reach.vertexCount), sf::Triangles, states);
}
