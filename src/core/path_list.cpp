#include "core/path_list.hpp"

#include <new>

namespace {

// Unlinks a chain one node at a time (a recursive unique_ptr destructor could be deep).
template <typename Node> void destroyChain(std::unique_ptr<Node>& head) {
    while (head) head = std::move(head->next);
}

// Links `node` at `index` of the chain starting at `head`; false when index - 1 is past the end.
template <typename Node> bool linkAt(std::unique_ptr<Node>& head, std::unique_ptr<Node>& node, std::uint32_t index) {
    if (index == 0) {
        node->next = std::move(head);
        head = std::move(node);
        return true;
    }
    Node* before = head.get();
    for (std::uint32_t i = 1; before && i < index; ++i) before = before->next.get();
    if (!before) return false;
    node->next = std::move(before->next);
    before->next = std::move(node);
    return true;
}

template <typename Node> bool unlinkAt(std::unique_ptr<Node>& head, std::uint32_t index) {
    if (index == 0) {
        if (!head) return false;
        head = std::move(head->next);
        return true;
    }
    Node* before = head.get();
    for (std::uint32_t i = 1; before && i < index; ++i) before = before->next.get();
    if (!before || !before->next) return false;
    before->next = std::move(before->next->next);
    return true;
}

} // namespace

PathList::~PathList() { destroyChain(first); }
RangeQueue::~RangeQueue() { destroyChain(first); }

std::unique_ptr<PathList> createPathList() { return std::make_unique<PathList>(); }

std::unique_ptr<PathNode> createPathNode(const PathNodeData* data, PathNode* parent) {
    std::unique_ptr<PathNode> node(new (std::nothrow) PathNode);
    if (!node) return nullptr;
    node->data = *data;
    node->parent = parent;
    return node;
}

void insertPathNode(PathList* list, std::unique_ptr<PathNode> node, std::uint32_t index) {
    if (!node) return;
    if (linkAt(list->first, node, index)) ++list->count;
}

void removePathNode(PathList* list, std::int32_t index) {
    if (index < 0) return;
    if (unlinkAt(list->first, static_cast<std::uint32_t>(index))) --list->count;
}

PathNode* getPathNode(const PathList* list, std::int32_t index) {
    if (index < 0) return nullptr;
    PathNode* node = list->first.get();
    for (std::int32_t i = 0; node && i < index; ++i) node = node->next.get();
    return node;
}

int pathListContains(const PathList* list, GridPos position) {
    if (list->count < 0) return -1;
    const PathNode* node = list->first.get();
    for (std::int32_t i = 0; node && i < list->count; ++i, node = node->next.get())
        if (node->data.position == position) return 1;
    return 0;
}

int getPathNodeCost(const PathList* list, GridPos position) {
    for (const PathNode* node = list->first.get(); node; node = node->next.get())
        if (node->data.position == position) return node->data.g;
    return -1;
}

int findPathNodeIndex(const PathList* list, GridPos position) {
    int index = 0;
    for (const PathNode* node = list->first.get(); node; node = node->next.get(), ++index)
        if (node->data.position == position) return index;
    return -1;
}

int findLowestCostIndex(const PathList* list) {
    if (list->count < 0) return -1;
    int best = 0;
    double bestCost = 0.0;
    const PathNode* node = list->first.get();
    for (std::int32_t i = 0; node && i < list->count; ++i, node = node->next.get()) {
        if (i == 0 || node->data.f < bestCost) {
            best = i;
            bestCost = node->data.f;
        }
    }
    return best;
}

void setPathNodeParent(PathNode* node, PathNode* parent) { node->parent = parent; }

void freePathList(std::unique_ptr<PathList>& list) { list.reset(); }

std::unique_ptr<RangeQueue> createRangeQueue() { return std::make_unique<RangeQueue>(); }

std::unique_ptr<RangeNode> createRangeNode(RangeCell cell, std::uint32_t steps) {
    std::unique_ptr<RangeNode> node(new (std::nothrow) RangeNode);
    if (!node) return nullptr;
    node->cell = cell;
    node->steps = steps;
    return node;
}

void insertRangeNode(RangeQueue* queue, std::unique_ptr<RangeNode> node, std::uint32_t index) {
    if (node) linkAt(queue->first, node, index);
}

void removeRangeNode(RangeQueue* queue, std::uint32_t index) { unlinkAt(queue->first, index); }

RangeNode* getRangeNode(const RangeQueue* queue, std::uint32_t index) {
    RangeNode* node = queue->first.get();
    for (std::uint32_t i = 0; node && i < index; ++i) node = node->next.get();
    return node;
}

std::uint32_t countRangeNodes(const RangeQueue* queue) {
    std::uint32_t n = 0;
    for (const RangeNode* node = queue->first.get(); node; node = node->next.get()) ++n;
    return n;
}
