#include "core/search/largeblocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory_resource>
#include <new>
#include <numeric>
#include <set>
#include <vector>

namespace tallywick {
namespace {

// Growing by doubling crosses from small blocks to large ones and back when it shrinks: the
// contents go along each time.
TEST(LargeBlockAllocator, AVectorGrowingPastALargePageKeepsItsContents)
{
    std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> numbers;
    for (std::uint32_t i = 0; i < 3 * kLargePage / sizeof(std::uint32_t); ++i)
        numbers.push_back(i);
    std::vector<std::uint32_t> expected(numbers.size());
    std::iota(expected.begin(), expected.end(), 0u);
    EXPECT_TRUE(std::equal(numbers.begin(), numbers.end(), expected.begin(), expected.end()));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(numbers.data()) % kLargePage, 0u) << "a large block sits on a page";

    numbers.resize(10);
    numbers.shrink_to_fit();
    EXPECT_EQ(numbers.back(), 9u);
}

TEST(LargeBlockAllocator, ABlockFromAnEighthOfALargePageTakesWholeLargePages)
{
    for (const std::size_t bytes : {kLargePage / 8, kLargePage + 1}) {
        auto* block = static_cast<char*>(AllocateLargeBlock(bytes));
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kLargePage, 0u) << bytes;
        std::fill(block, block + bytes, 'x');
        FreeLargeBlock(block, bytes);
    }
}

// A set of a host a node, as the split-download index keeps, in an arena whose blocks outgrow a
// large page; an over-aligned node still gets its alignment.
TEST(LargeBlockResource, AnArenaOfNodesKeepsThemAndTheirAlignment)
{
    std::pmr::monotonic_buffer_resource arena(4096, LargeBlockResource());
    std::pmr::set<std::uint64_t> hosts(&arena);
    for (std::uint64_t i = 0; i < 200'000; ++i)
        hosts.insert(i * 7919 % 200'000);
    ASSERT_EQ(hosts.size(), 200'000u);
    EXPECT_EQ(*hosts.begin(), 0u);
    EXPECT_EQ(*hosts.rbegin(), 199'999u);

    struct alignas(4096) Page {
        char bytes[4096];
    };
    void* page = LargeBlockResource()->allocate(sizeof(Page), alignof(Page));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(page) % alignof(Page), 0u);
    LargeBlockResource()->deallocate(page, sizeof(Page), alignof(Page));
}

TEST(LargeBlockAllocator, ASizeBeyondMemoryIsRefusedNotWrappedAround)
{
    LargeBlockAllocator<std::uint64_t> allocator;
    EXPECT_THROW((void)allocator.allocate(std::numeric_limits<std::size_t>::max() / 4), std::bad_alloc);
    EXPECT_THROW((void)AllocateLargeBlock(std::numeric_limits<std::size_t>::max() - 1), std::bad_alloc);
}

} // namespace
} // namespace tallywick
