#include "core/search/largetext.h"

#include "core/search/largeblocks.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tallywick {
namespace {

// Growing crosses from a small block into large pages, which then grow several times in place
// or moved: what was written goes along each time.
TEST(LargeText, GrowingIntoLargePagesKeepsWhatWasWritten)
{
    LargeText text;
    std::string expected;
    for (int i = 0; text.size() < 5 * kLargePage; ++i) {
        const std::string line = "line " + std::to_string(i);
        text += line;
        text += '\r';
        text.append("\n");
        expected += line + "\r\n";
        ASSERT_GE(text.capacity(), text.size());
    }
    EXPECT_TRUE(text == expected);
    EXPECT_EQ(text.capacity() % kLargePage, 0u) << "large pages are taken whole";
}

TEST(LargeText, CopiesMovesSwapsAndClearsAsAStringDoes)
{
    LargeText large;
    EXPECT_NE(large.data(), nullptr) << "an empty text may be handed to memcpy";
    while (large.size() <= kLargePage)
        large += "0123456789abcdef";
    LargeText small;
    small += "small";

    LargeText copy = large;
    EXPECT_TRUE(copy == large);
    copy = small;
    EXPECT_TRUE(copy == "small");

    LargeText moved = std::move(large);
    EXPECT_TRUE(large.empty()); // NOLINT(bugprone-use-after-move): a moved-from text is empty
    EXPECT_EQ(moved.size() % 16, 0u);
    moved.swap(small);
    EXPECT_TRUE(moved == "small");
    EXPECT_GT(small.size(), kLargePage);

    const auto capacity = small.capacity();
    small.clear();
    EXPECT_TRUE(small.empty());
    EXPECT_EQ(small.capacity(), capacity) << "cleared, it keeps its memory for what follows";
    small += 'x';
    EXPECT_TRUE(small == "x");
}

} // namespace
} // namespace tallywick
