#pragma once

#include <cstddef>
#include <limits>
#include <memory_resource>
#include <new>
#include <vector>

namespace tallywick {

// Memory for the tables that grow with a report. A block of 256 KiB or more takes whole 2 MiB
// pages, aligned, and asks the kernel for transparent huge pages: a table that grows by doubling
// then takes a page fault every 2 MiB instead of every 4 KiB, and faults and TLB misses are dear
// (most of all in a virtual machine). Where the kernel declines, the block is plain memory.
inline constexpr std::size_t kLargePage = std::size_t{2} << 20;
// From here a block takes whole large pages. Smaller blocks would waste more of a page than
// their faults cost; from here on a table's random look-ups miss the TLB far less, and growing
// faults a few times, not hundreds.
inline constexpr std::size_t kSmallestLargeBlock = kLargePage / 8;

void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLargeBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { FreeLargeBlock(block, count * sizeof(T)); }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const noexcept
    {
        return true;
    }
};

// Memory for an array of plain bytes that grows by doubling: from kSmallestLargeBlock on it takes
// whole large pages that the system moves as they grow (mremap on Linux), so that growing neither
// copies what the array holds nor clears fresh pages for it. A large search then touches an
// array's memory once, not twice. Where it fails it throws std::bad_alloc and leaves the block as
// it was.
//
// The capacity to grow to (in bytes) from capacity, for at least needed.
std::size_t GrownCapacity(std::size_t capacity, std::size_t needed);
// A block of newCapacity bytes (one GrownCapacity gave) holding the used bytes of block, which
// had capacity bytes (0 for none); block is given up. A grown block is freed by FreeLargeBlock.
void* GrowBlock(void* block, std::size_t used, std::size_t capacity, std::size_t newCapacity);

// AllocateLargeBlock as a memory resource, for the arenas (std::pmr::monotonic_buffer_resource)
// of node containers that grow with a report: as their blocks grow, they come in large pages.
// Stateless, as std::pmr::new_delete_resource() is.
std::pmr::memory_resource* LargeBlockResource();

} // namespace tallywick
