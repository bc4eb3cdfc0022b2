#include "core/search/collectedhits.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

const std::string kLine =
    R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0")";

TEST(AddTrackedHits, KeepsOnlyLinesHoldingATrackedItemFromCharacter38)
{
    CollectedHits collected;
    EXPECT_FALSE(AddTrackedHits({kLine}, {"203.0.113.45", "/other.zip"}, collected)) << "an item only in the host";
    EXPECT_TRUE(collected.empty());
    EXPECT_TRUE(AddTrackedHits({kLine, kLine}, {"/other.zip", "pelmor.zip"}, collected));
    EXPECT_EQ(collected.size(), 1u) << "equal lines are kept once";
    EXPECT_FALSE(AddTrackedHits({kLine}, {"pelmor.zip"}, collected));
    // An empty item takes every line long enough to have a request part.
    CollectedHits any;
    EXPECT_TRUE(AddTrackedHits({kLine, "short line"}, {""}, any));
    EXPECT_EQ(any.size(), 1u);
}

TEST(CollectedHits, CopiesAndMovesKeepTheirLookups)
{
    CollectedHits original;
    original.append("a line long enough not to fit in a small string buffer, so it lives on the heap");
    original.append("short");
    CollectedHits copy = original;
    CollectedHits moved = std::move(original);
    for (CollectedHits* hits : {&copy, &moved}) {
        EXPECT_TRUE(hits->contains("short"));
        EXPECT_FALSE(hits->append(std::string("short")));
        EXPECT_EQ(hits->size(), 2u);
    }
    copy = moved;
    EXPECT_TRUE(copy.contains("short"));
}

// A list moved from is used again (a panel's hits are handed on, then the next search fills it):
// what it adds must not land in the block the new owner holds.
TEST(LineList, AListMovedFromGrowsApartFromItsNewOwner)
{
    LineList first;
    first.push_back("kept");
    LineList second = std::move(first);
    first.push_back("new"); // NOLINT(bugprone-use-after-move): the point of the test
    second.push_back("x");
    EXPECT_EQ(first, std::vector<std::string>{"new"});
    EXPECT_EQ(second, (std::vector<std::string>{"kept", "x"}));

    LineList third;
    third.push_back("old");
    third = std::move(second);
    second.push_back("again"); // NOLINT(bugprone-use-after-move)
    third.push_back("y");
    EXPECT_EQ(second, std::vector<std::string>{"again"});
    EXPECT_EQ(third, (std::vector<std::string>{"kept", "x", "y"}));
}

} // namespace
} // namespace tallywick
