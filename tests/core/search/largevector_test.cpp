#include "core/search/largevector.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace tallywick {
namespace {

struct Entry {
    std::uint64_t offset = 0;
    std::uint32_t line = 0xFFFFFFFFu;
    bool operator==(const Entry&) const = default;
};

// It grows from a small block into large pages, which move as they grow: what it held goes
// along, an element of its own handed back to it included (growing moves it).
TEST(LargeVector, GrowsAsAStdVectorDoes)
{
    LargeVector<Entry> entries;
    std::vector<Entry> expected;
    for (std::uint32_t i = 0; entries.size() * sizeof(Entry) < 3 * kLargePage; ++i) {
        if (i % 5 == 4) {
            entries.push_back(entries[i / 2]);
            expected.push_back(expected[i / 2]);
        } else {
            entries.emplace_back(Entry{std::uint64_t{i} * 7, i});
            expected.push_back(Entry{std::uint64_t{i} * 7, i});
        }
        ASSERT_EQ(entries.back(), expected.back()) << i;
    }
    EXPECT_TRUE(std::equal(entries.begin(), entries.end(), expected.begin(), expected.end()));

    entries.resize(entries.size() + 3);
    EXPECT_EQ(entries.back(), Entry{}) << "new elements are made as the type makes them";
    entries.resize(2);
    EXPECT_EQ(entries.size(), 2u);
    entries.assign(4, entries[1]);
    EXPECT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[3], expected[1]);
}

TEST(LargeVector, CopiesMovesAndSwaps)
{
    LargeVector<std::uint32_t> large;
    large.resize(kLargePage / sizeof(std::uint32_t) + 1, 7);
    LargeVector<std::uint32_t> small;
    small.push_back(1);

    LargeVector<std::uint32_t> copy = large;
    EXPECT_TRUE(copy == large);
    copy = small;
    EXPECT_TRUE(copy == small);
    LargeVector<std::uint32_t> moved = std::move(large);
    EXPECT_TRUE(large.empty()); // NOLINT(bugprone-use-after-move): a moved-from vector is empty
    EXPECT_EQ(moved.back(), 7u);
    moved.swap(small);
    EXPECT_EQ(moved.size(), 1u);
    EXPECT_EQ(small.size(), kLargePage / sizeof(std::uint32_t) + 1);
}

} // namespace
} // namespace tallywick
