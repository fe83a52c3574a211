#include "world/path_search.hpp"

#include "world/world_game.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Neighbour orders. The range order does not change which cells are shown; the path
// order decides which of several shortest paths is taken (straight lines first).
constexpr GridPos kRangeSteps[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}; // row-1, row+1, column-1, column+1
constexpr GridPos kPathSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // row-1, column+1, row+1, column-1

GridPos offset(GridPos cell, GridPos step) { return {cell.x + step.x, cell.y + step.y}; }

bool passable(const Tile& tile, std::int32_t side) {
    if (tile.walkable) return true;
    return side == SIDE_PLAYER ? tile.enemyHere != 0 : tile.heroHere != 0;
}

enum : std::uint8_t { NODE_NONE = 0, NODE_OPEN = 1, NODE_CLOSED = 2 };

// One entry of the open set. Among equal costs the node that joined the open set first
// is taken, exactly as a scan of an insertion-ordered list that keeps the first minimum.
struct OpenEntry {
    double f;
    std::int32_t order;
    std::int32_t cell;
};

// Heap ordering: the top is the smallest f, then the smallest insertion order.
bool laterThan(const OpenEntry& a, const OpenEntry& b) {
    if (a.f != b.f) return a.f > b.f;
    return a.order > b.order;
}

} // namespace

bool cellOnBoard(GridPos cell) { return cell.x >= 0 && cell.x < kMapColumns && cell.y >= 0 && cell.y < kMapRows; }

std::int32_t cellIndex(GridPos cell) { return cell.y * kMapColumns + cell.x; }

double cellDistance(GridPos a, GridPos b) {
    const std::int32_t dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}

void showRange(WorldGame* world, std::int32_t movePoints, GridPos start) {
    if (!cellOnBoard(start)) return;
    Party& party = world->party;
    // A cell reached again later in a breadth-first walk never has more steps left than
    // on its first visit, so each cell is queued once; the shown set is the same.
    std::array<std::uint8_t, kCellCount> queued{};
    std::unique_ptr<RangeQueue> queue = createRangeQueue();
    insertRangeNode(queue.get(), createRangeNode({start.y, start.x}, static_cast<std::uint32_t>(std::max(movePoints, 0))),
                    0);
    queued[static_cast<std::size_t>(cellIndex(start))] = 1;
    while (queue->first) {
        const GridPos cell{queue->first->cell.column, queue->first->cell.row};
        const std::uint32_t steps = queue->first->steps;
        removeRangeNode(queue.get(), 0);
        const std::size_t index = static_cast<std::size_t>(cellIndex(cell));
        const Tile& tile = world->tiles[index];
        if (!tile.walkable && !(cell == start) && !tile.enemyHere) continue;
        RangeSquare& square = party.rangeSquares[index];
        const sf::Texture* texture = tile.enemyHere ? party.squareEnemyTexture : party.squareFreeTexture;
        if (texture) square.sprite.setTexture(*texture, true);
        square.visible = 1;
        if (steps == 0) continue;
        for (const GridPos step : kRangeSteps) {
            const GridPos next = offset(cell, step);
            if (!cellOnBoard(next) || queued[static_cast<std::size_t>(cellIndex(next))]) continue;
            queued[static_cast<std::size_t>(cellIndex(next))] = 1;
            insertRangeNode(queue.get(), createRangeNode({next.y, next.x}, steps - 1), countRangeNodes(queue.get()));
        }
    }
}

void searchPath(const WorldGame* world, GridPos start, GridPos goal, std::int32_t side, GridPath* result) {
    result->length = 0;
    result->reachedGoal = 0;
    if (!cellOnBoard(start)) return;

    std::array<std::uint8_t, kCellCount> state{};
    std::array<std::int32_t, kCellCount> g{};
    std::array<double, kCellCount> f{};
    std::array<std::int32_t, kCellCount> order{};
    std::array<std::int16_t, kCellCount> parent{};
    // Every cell joins the open set once and is re-costed at most four times.
    std::array<OpenEntry, kCellCount * 5 + 1> heap;
    std::size_t heapSize = 0;
    std::int32_t nextOrder = 0;

    const std::int32_t startIndex = cellIndex(start);
    state[static_cast<std::size_t>(startIndex)] = NODE_OPEN;
    parent[static_cast<std::size_t>(startIndex)] = -1;
    f[static_cast<std::size_t>(startIndex)] = 0.0; // the start is taken first whatever its estimate
    order[static_cast<std::size_t>(startIndex)] = nextOrder++;
    heap[heapSize++] = {0.0, 0, startIndex};

    // Where the walk ends when the goal cannot be reached: the closed cell nearest to
    // the goal (the first one closed among equals), so a blocked unit still closes in.
    std::int32_t nearest = startIndex;
    double nearestDistance = cellDistance(start, goal);
    std::int32_t lastClosed = startIndex;
    while (heapSize > 0) {
        std::pop_heap(heap.begin(), heap.begin() + static_cast<std::ptrdiff_t>(heapSize), laterThan);
        const OpenEntry top = heap[--heapSize];
        const std::size_t current = static_cast<std::size_t>(top.cell);
        if (state[current] != NODE_OPEN || f[current] != top.f) continue; // superseded by a cheaper entry
        state[current] = NODE_CLOSED;
        lastClosed = top.cell;
        const GridPos cell{top.cell % kMapColumns, top.cell / kMapColumns};
        if (cell == goal) break;
        if (cellDistance(cell, goal) < nearestDistance) {
            nearest = top.cell;
            nearestDistance = cellDistance(cell, goal);
        }
        for (const GridPos step : kPathSteps) {
            const GridPos next = offset(cell, step);
            if (!cellOnBoard(next)) continue;
            const std::size_t n = static_cast<std::size_t>(cellIndex(next));
            if (!passable(world->tiles[n], side) || state[n] == NODE_CLOSED) continue;
            const std::int32_t newG = g[current] + 1;
            if (state[n] == NODE_OPEN) {
                if (g[n] <= newG) continue;
            } else {
                state[n] = NODE_OPEN;
                order[n] = nextOrder++;
            }
            g[n] = newG;
            f[n] = static_cast<double>(newG) + cellDistance(next, goal);
            parent[n] = static_cast<std::int16_t>(current);
            if (heapSize < heap.size()) {
                heap[heapSize++] = {f[n], order[n], static_cast<std::int32_t>(n)};
                std::push_heap(heap.begin(), heap.begin() + static_cast<std::ptrdiff_t>(heapSize), laterThan);
            }
        }
    }

    const bool reached = cellOnBoard(goal) && lastClosed == cellIndex(goal);
    const std::int32_t end = reached ? lastClosed : nearest;
    // Walk back from the end cell to the start, then lay the cells out in walking order.
    std::int32_t length = 0;
    for (std::int32_t c = end; c != startIndex && c >= 0; c = parent[static_cast<std::size_t>(c)]) ++length;
    result->length = length;
    std::int32_t k = length - 1;
    for (std::int32_t c = end; c != startIndex && c >= 0; c = parent[static_cast<std::size_t>(c)], --k)
        result->cells[static_cast<std::size_t>(k)] = {c % kMapColumns, c / kMapColumns};
    result->reachedGoal = reached ? 1 : 0;
}

void storePlayerPath(WorldGame* world, std::int32_t index, GridPos start, const GridPath* found) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->party.count) return;
    WorldPlayer& player = world->party.players[static_cast<std::size_t>(index)];
    player.pathLength = 0;
    // A player is only sent to a shown cell: anything else is refused, not half-walked.
    if (!found->reachedGoal || found->length <= 0 || found->length > kMaxPathCells) return;
    const std::int32_t n = found->length;
    for (std::int32_t k = 0; k < n; ++k) player.path[static_cast<std::size_t>(k)] = found->cells[static_cast<std::size_t>(n - 1 - k)];
    for (std::int32_t k = 0; k < n - 1; ++k)
        player.pathDirs[static_cast<std::size_t>(k)] =
            stepDirection(player.path[static_cast<std::size_t>(k + 1)], player.path[static_cast<std::size_t>(k)]);
    player.pathDirs[static_cast<std::size_t>(n - 1)] = stepDirection(start, player.path[static_cast<std::size_t>(n - 1)]);
    player.pathLength = n;
    movePlayerOnGrid(world, start, player.path[0]);
}

void storeEnemyPath(WorldGame* world, std::int32_t index, GridPos start, const GridPath* found) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= world->enemies.count) return;
    WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(index)];
    enemy.pathLength = 0;
    enemy.pathStep = 0;
    const std::int32_t n = std::min({found->length, enemy.maxMovePoints, static_cast<std::int32_t>(kMaxPathCells)});
    if (n <= 0) return; // boxed in: nothing to walk, the claim stays
    for (std::int32_t k = 0; k < n; ++k) {
        const GridPos cell = found->cells[static_cast<std::size_t>(k)];
        const GridPos from = k == 0 ? start : found->cells[static_cast<std::size_t>(k - 1)];
        enemy.path[static_cast<std::size_t>(k)] = cell;
        enemy.pathDirs[static_cast<std::size_t>(k)] = stepDirection(from, cell);
    }
    enemy.pathLength = n;
    moveEnemyOnGrid(world, start, enemy.path[static_cast<std::size_t>(n - 1)]);
}

void findPath(WorldGame* world, GridPos start, GridPos goal, std::int32_t side, std::int32_t unitIndex) {
    GridPath found;
    searchPath(world, start, goal, side, &found);
    if (side == SIDE_PLAYER)
        storePlayerPath(world, unitIndex, start, &found);
    else
        storeEnemyPath(world, unitIndex, start, &found);
}

GridPos findClosestPlayer(const WorldGame* world, GridPos cell) {
    GridPos best{};
    double bestDistance = 0.0;
    for (std::uint32_t i = 0; i < world->party.count && i < kMaxPlayers; ++i) {
        const GridPos other = playerCell(&world->party.players[i]);
        const double d = cellDistance(cell, other);
        if (i == 0 || d < bestDistance) {
            best = other;
            bestDistance = d;
        }
    }
    return best;
}

void movePlayerOnGrid(WorldGame* world, GridPos from, GridPos to) {
    if (cellOnBoard(from)) {
        Tile& tile = world->tiles[static_cast<std::size_t>(cellIndex(from))];
        tile.heroHere = 0;
        tile.walkable = tile.enemyHere ? 0 : 1; // an enemy still standing there keeps it blocked
    }
    if (cellOnBoard(to)) {
        Tile& tile = world->tiles[static_cast<std::size_t>(cellIndex(to))];
        tile.walkable = 0;
        tile.heroHere = 1;
    }
}

void moveEnemyOnGrid(WorldGame* world, GridPos from, GridPos to) {
    if (cellOnBoard(from)) {
        Tile& tile = world->tiles[static_cast<std::size_t>(cellIndex(from))];
        tile.enemyHere = 0;
        tile.walkable = tile.heroHere ? 0 : 1;
    }
    if (cellOnBoard(to)) {
        Tile& tile = world->tiles[static_cast<std::size_t>(cellIndex(to))];
        tile.walkable = 0;
        tile.enemyHere = 1;
    }
}
