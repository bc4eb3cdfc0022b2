#include "core/views/itemboxentries.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using Items = std::vector<std::string>;

TEST(ItemBoxEntries, FreshBoxListsTheTrackedItemsAndPicksTheFirst)
{
    const auto entries = MakeItemBoxEntries({"/a.zip", "/b.zip"});
    EXPECT_EQ(entries.items, (Items{"/a.zip", "/b.zip"}));
    EXPECT_EQ(entries.captions, entries.items);
    EXPECT_EQ(entries.selected, 0u);
    EXPECT_FALSE(MakeItemBoxEntries({}).selected);
}

TEST(ItemBoxEntries, ShownItemKeepsThePickWhereverTheListMovedIt)
{
    const auto entries = MakeItemBoxEntries({"/new.zip", "/c.zip", "/b.zip"}, "/b.zip");
    EXPECT_EQ(entries.items, (Items{"/new.zip", "/c.zip", "/b.zip"}));
    EXPECT_EQ(entries.selected, 2u);
}

TEST(ItemBoxEntries, ItemNoLongerTrackedStaysMarkedAndPicked)
{
    const auto entries = MakeItemBoxEntries({"/a.zip"}, "/gone.zip");
    EXPECT_EQ(entries.items, (Items{"/a.zip", "/gone.zip"}));
    EXPECT_EQ(entries.captions, (Items{"/a.zip", "/gone.zip (no longer tracked)"}));
    EXPECT_EQ(entries.selected, 1u);

    const auto alone = MakeItemBoxEntries({}, "/gone.zip");
    EXPECT_EQ(alone.items, (Items{"/gone.zip"}));
    EXPECT_EQ(alone.selected, 0u);
}

} // namespace
} // namespace tallywick
