#include "core/path_list.hpp"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<PathNode> node(int x, int y, int g, double f) {
    PathNodeData d;
    d.position = {x, y};
    d.g = g;
    d.f = f;
    return createPathNode(&d, nullptr);
}

} // namespace

TEST(PathList, InsertLinksAtIndexAndIgnoresIndexPastEnd) {
    auto list = createPathList();
    insertPathNode(list.get(), node(0, 0, 0, 1.0), 0);
    insertPathNode(list.get(), node(1, 0, 1, 2.0), 1);
    insertPathNode(list.get(), node(2, 0, 2, 3.0), 0); // new head
    ASSERT_EQ(list->count, 3);
    EXPECT_EQ(getPathNode(list.get(), 0)->data.position, (GridPos{2, 0}));
    EXPECT_EQ(getPathNode(list.get(), 2)->data.position, (GridPos{1, 0}));

    insertPathNode(list.get(), node(9, 9, 9, 9.0), 5); // index - 1 does not exist
    EXPECT_EQ(list->count, 3);
    EXPECT_EQ(findPathNodeIndex(list.get(), {9, 9}), -1);
    EXPECT_EQ(getPathNode(list.get(), 3), nullptr);
    EXPECT_EQ(getPathNode(list.get(), -1), nullptr);
}

TEST(PathList, RemoveUnlinksOnlyExistingNodes) {
    auto list = createPathList();
    for (int i = 0; i < 4; ++i) insertPathNode(list.get(), node(i, 0, i, i), static_cast<std::uint32_t>(i));
    removePathNode(list.get(), -1);
    removePathNode(list.get(), 7);
    EXPECT_EQ(list->count, 4);
    removePathNode(list.get(), 2);
    EXPECT_EQ(list->count, 3);
    EXPECT_EQ(findPathNodeIndex(list.get(), {2, 0}), -1);
    EXPECT_EQ(findPathNodeIndex(list.get(), {3, 0}), 2);
    removePathNode(list.get(), 0);
    EXPECT_EQ(getPathNode(list.get(), 0)->data.position, (GridPos{1, 0}));
}

TEST(PathList, LowestCostPrefersEarliestOnTies) {
    auto list = createPathList();
    insertPathNode(list.get(), node(0, 0, 0, 3.0), 0);
    insertPathNode(list.get(), node(1, 0, 0, 2.0), 1);
    insertPathNode(list.get(), node(2, 0, 0, 2.0), 2);
    EXPECT_EQ(findLowestCostIndex(list.get()), 1);
    list->count = -1;
    EXPECT_EQ(findLowestCostIndex(list.get()), -1);
    EXPECT_EQ(pathListContains(list.get(), {0, 0}), -1);
}

TEST(PathList, ContainsLooksAtTheFirstCountNodesOnly) {
    auto list = createPathList();
    insertPathNode(list.get(), node(0, 0, 4, 0), 0);
    insertPathNode(list.get(), node(5, 6, 7, 0), 1);
    EXPECT_EQ(pathListContains(list.get(), {5, 6}), 1);
    EXPECT_EQ(getPathNodeCost(list.get(), {5, 6}), 7);
    EXPECT_EQ(getPathNodeCost(list.get(), {1, 1}), -1);
    list->count = 1;
    EXPECT_EQ(pathListContains(list.get(), {5, 6}), 0);
    list->count = 2;
}

TEST(PathList, ParentsSurviveRemovalOfOtherNodes) {
    auto closed = createPathList();
    insertPathNode(closed.get(), node(0, 0, 0, 0), 0);
    PathNode* start = getPathNode(closed.get(), 0);
    PathNodeData d;
    d.position = {1, 0};
    insertPathNode(closed.get(), createPathNode(&d, start), 1);
    PathNode* child = getPathNode(closed.get(), 1);
    EXPECT_EQ(child->parent, start);
    setPathNodeParent(child, nullptr);
    EXPECT_EQ(child->parent, nullptr);
    freePathList(closed);
    EXPECT_EQ(closed, nullptr);
}

TEST(RangeQueue, IsFirstInFirstOutWhenAppendingAtTheCount) {
    auto queue = createRangeQueue();
    for (int i = 0; i < 5; ++i)
        insertRangeNode(queue.get(), createRangeNode({i, 10 + i}, static_cast<std::uint32_t>(5 - i)), countRangeNodes(queue.get()));
    ASSERT_EQ(countRangeNodes(queue.get()), 5u);
    EXPECT_EQ(getRangeNode(queue.get(), 0)->cell.row, 0);
    removeRangeNode(queue.get(), 0);
    EXPECT_EQ(getRangeNode(queue.get(), 0)->cell.row, 1);
    EXPECT_EQ(getRangeNode(queue.get(), 0)->steps, 4u);
    removeRangeNode(queue.get(), 2); // middle
    EXPECT_EQ(getRangeNode(queue.get(), 2)->cell.column, 14);
    removeRangeNode(queue.get(), 9); // past the end: nothing
    EXPECT_EQ(countRangeNodes(queue.get()), 3u);
    EXPECT_EQ(getRangeNode(queue.get(), 3), nullptr);
    insertRangeNode(queue.get(), createRangeNode({7, 7}, 0), 10); // cannot link: freed, not leaked
    EXPECT_EQ(countRangeNodes(queue.get()), 3u);
}

TEST(RangeQueue, LongQueueIsReleasedWithoutDeepRecursion) {
    auto queue = createRangeQueue();
    for (int i = 0; i < 200000; ++i) insertRangeNode(queue.get(), createRangeNode({i, i}, 0), 0);
    EXPECT_EQ(countRangeNodes(queue.get()), 200000u);
    queue.reset(); // would overflow the stack with a recursive chain destructor
    SUCCEED();
}
