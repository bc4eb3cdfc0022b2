#include "core/searchlist/trackinglists.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using Items = std::vector<std::string>;

TEST(TrackingLists, AddOneMovesAnAvailableItemUnlessItIsEmptyOrAlreadyTracked)
{
    TrackingLists lists{{"/a.zip", "", "/b.exe"}, {"/b.exe"}};
    lists.addOne(std::nullopt);
    lists.addOne(1);
    lists.addOne(2);
    lists.addOne(7);
    EXPECT_EQ(lists.available, (Items{"/a.zip", "", "/b.exe"})) << "nothing moved";
    lists.addOne(0);
    EXPECT_EQ(lists.available, (Items{"", "/b.exe"}));
    EXPECT_EQ(lists.selected, (Items{"/b.exe", "/a.zip"}));
}

TEST(TrackingLists, AddAllAppendsEverythingInOrder)
{
    TrackingLists lists{{"B", "C"}, {"A"}};
    lists.addAll();
    EXPECT_EQ(lists.selected, (Items{"A", "B", "C"}));
    EXPECT_TRUE(lists.available.empty());
}

TEST(TrackingLists, RemoveOneReturnsTheItemButLetsAnEmptyOneGo)
{
    TrackingLists lists{{"X"}, {"A", "", "B"}};
    lists.removeOne(std::nullopt);
    EXPECT_EQ(lists.selected.size(), 3u);
    lists.removeOne(1);
    EXPECT_EQ(lists.available, (Items{"X"}));
    EXPECT_EQ(lists.selected, (Items{"A", "B"}));
    lists.removeOne(1);
    EXPECT_EQ(lists.available, (Items{"X", "B"}));
}

TEST(TrackingLists, RemoveAllKeepsTheAvailableItemsAndAppendsDuplicatesToo)
{
    TrackingLists lists{{"A", "B"}, {"B", "C"}};
    lists.removeAll();
    EXPECT_EQ(lists.available, (Items{"A", "B", "B", "C"}));
    EXPECT_TRUE(lists.selected.empty());
}

} // namespace
} // namespace tallywick
