// The two singly linked lists of the world board's searches: a cost-ordered node
// list for the shortest-path search and a first-in first-out queue for the move-range
// flood fill. Each list owns its nodes: removing or destroying frees them, and a node
// handed to an insert that cannot link it is freed too, so callers never delete.
#pragma once

#include "core/grid.hpp"

#include <cstdint>
#include <memory>


struct PathNodeData {
    GridPos position;
    std::int32_t g = 0;
    double h = 0.0;
    double f = 0.0;
};

struct PathNode {
    PathNodeData data;
    PathNode* parent = nullptr; // not owned: a node of the same search
    std::unique_ptr<PathNode> next;
};

struct PathList {
    std::unique_ptr<PathNode> first;
    std::int32_t count = 0;

    PathList() = default;
    PathList(PathList&&) = default;
    PathList& operator=(PathList&&) = default;
    ~PathList(); // unlinks iteratively, so long lists never recurse deeply
};

std::unique_ptr<PathList> createPathList();
std::unique_ptr<PathNode> createPathNode(const PathNodeData* data, PathNode* parent);
void insertPathNode(PathList* list, std::unique_ptr<PathNode> node, std::uint32_t index);
void removePathNode(PathList* list, std::int32_t index);
PathNode* getPathNode(const PathList* list, std::int32_t index);
int pathListContains(const PathList* list, GridPos position);
int getPathNodeCost(const PathList* list, GridPos position);
int findPathNodeIndex(const PathList* list, GridPos position);
int findLowestCostIndex(const PathList* list);
void setPathNodeParent(PathNode* node, PathNode* parent);
void freePathList(std::unique_ptr<PathList>& list);

struct RangeCell {
    std::int32_t row = 0;
    std::int32_t column = 0;
};

struct RangeNode {
    RangeCell cell;
    std::uint32_t steps = 0;
    std::unique_ptr<RangeNode> next;
};

struct RangeQueue {
    std::unique_ptr<RangeNode> first;

    RangeQueue() = default;
    RangeQueue(RangeQueue&&) = default;
    RangeQueue& operator=(RangeQueue&&) = default;
    ~RangeQueue();
};

std::unique_ptr<RangeQueue> createRangeQueue();
std::unique_ptr<RangeNode> createRangeNode(RangeCell cell, std::uint32_t steps);
void insertRangeNode(RangeQueue* queue, std::unique_ptr<RangeNode> node, std::uint32_t index);
void removeRangeNode(RangeQueue* queue, std::uint32_t index);
RangeNode* getRangeNode(const RangeQueue* queue, std::uint32_t index);
std::uint32_t countRangeNodes(const RangeQueue* queue);
