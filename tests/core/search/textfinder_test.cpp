#include "core/search/textfinder.h"

#include "support/simdlevels.h"

#include <gtest/gtest.h>

#include <random>

namespace tallywick {
namespace {

class TextFinderAt : public testing::AtEverySimdLevel {};
TALLYWICK_AT_EVERY_SIMD_LEVEL(TextFinderAt);

TEST_P(TextFinderAt, FindsWhatStringViewFindFinds)
{
    // Short alphabets give many near misses; lengths cross the 16-, 32- and 64-byte blocks and the
    // tail.
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const auto letters = 2 + random() % 3;
        std::string haystack(random() % 200, 'a');
        for (auto& c : haystack)
            c = static_cast<char>('a' + random() % letters);
        std::string pattern(1 + random() % 6, 'a');
        for (auto& c : pattern)
            c = static_cast<char>('a' + random() % letters);
        const TextFinder finder(pattern, level());
        for (std::size_t from = 0; from <= haystack.size() + 1; ++from)
            ASSERT_EQ(finder.find(haystack, from), std::string_view(haystack).find(pattern, from))
                << haystack << " / " << pattern << " from " << from;
    }
}

TEST_P(TextFinderAt, HandlesEmptyPatternsAndBytesOfEveryValue)
{
    EXPECT_EQ(TextFinder("", level()).find("abc", 2), 2u);
    EXPECT_EQ(TextFinder("", level()).find("abc", 4), std::string_view::npos);
    const std::string binary("\x00\xff\x80zip\x00\xff", 8);
    EXPECT_EQ(TextFinder(std::string("\xff\x80", 2), level()).find(binary, 0), 1u);
    EXPECT_EQ(TextFinder(std::string("p\x00\xff", 3), level()).find(binary, 0), 5u);
}

} // namespace
} // namespace tallywick
