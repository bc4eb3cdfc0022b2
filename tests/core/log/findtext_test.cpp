#include "core/log/findtext.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(FindText, PositionsAreOneBasedAndZeroMeansNotFound)
{
    EXPECT_EQ(FindText(1, "abcabc", "c"), 3u);
    EXPECT_EQ(FindText(4, "abcabc", "c"), 6u);
    EXPECT_EQ(FindText(7, "abcabc", "c"), 0u);
    EXPECT_EQ(FindText(1, "abcabc", "C"), 0u) << "comparison keeps letter case";
}

TEST(FindText, EmptyPatternIsFoundAtStartWhileStartIsInsideTheText)
{
    EXPECT_EQ(FindText(3, "abc", ""), 3u);
    EXPECT_EQ(FindText(4, "abc", ""), 0u);
    EXPECT_EQ(FindText(1, "", ""), 0u);
}

TEST(Cuts, StopAtTheEndOfTheText)
{
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(MidFrom("abc", 4), "");
    EXPECT_EQ(MidFrom("abc", 2), "bc");
    EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
}

} // namespace
} // namespace tallywick
