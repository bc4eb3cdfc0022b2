#include "core/search/largeblocks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tallywick {
namespace {

bool IsLarge(std::size_t bytes)
{
    return bytes >= kSmallestLargeBlock;
}

std::size_t WholePages(std::size_t bytes)
{
    if (bytes > std::numeric_limits<std::size_t>::max() - kLargePage)
        throw std::bad_alloc();
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

// Whole large pages, aligned to one, and (on Linux) straight from the system, so that mremap
// can move them.
#if defined(__linux__)
void* MapLargePages(std::size_t bytes)
{
    const std::size_t spare = bytes + kLargePage;
    void* start = ::mmap(nullptr, spare, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        throw std::bad_alloc();
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const auto aligned = (begin + kLargePage - 1) / kLargePage * kLargePage;
    if (aligned > begin)
        ::munmap(start, aligned - begin);
    if (const auto after = begin + spare - (aligned + bytes); after > 0)
        ::munmap(reinterpret_cast<void*>(aligned + bytes), after);
#if defined(MADV_HUGEPAGE)
    ::madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE); // advice only
#endif
    return reinterpret_cast<void*>(aligned);
}

void* MoveLargePages(void* block, std::size_t bytes, std::size_t newBytes)
{
    void* moved = ::mremap(block, bytes, newBytes, MREMAP_MAYMOVE);
    if (moved == MAP_FAILED)
        throw std::bad_alloc();
    return moved;
}

void UnmapLargePages(void* block, std::size_t bytes) noexcept
{
    ::munmap(block, bytes);
}
#else
void* MapLargePages(std::size_t bytes)
{
    return ::operator new (bytes, std::align_val_t{kLargePage});
}

void UnmapLargePages(void* block, std::size_t /*bytes*/) noexcept
{
    ::operator delete (block, std::align_val_t{kLargePage});
}

void* MoveLargePages(void* block, std::size_t bytes, std::size_t newBytes)
{
    void* moved = MapLargePages(newBytes);
    std::memcpy(moved, block, bytes);
    UnmapLargePages(block, bytes);
    return moved;
}
#endif

} // namespace

void* AllocateLargeBlock(std::size_t bytes)
{
    return IsLarge(bytes) ? MapLargePages(WholePages(bytes)) : ::operator new(bytes);
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept
{
    // Unsized: not every compiler declares the sized forms by default.
    if (!IsLarge(bytes))
        ::operator delete(block);
    else if (block != nullptr)
        UnmapLargePages(block, WholePages(bytes));
}

std::size_t GrownCapacity(std::size_t capacity, std::size_t needed)
{
    constexpr std::size_t kFirstCapacity = 256;
    const std::size_t doubled = capacity > std::numeric_limits<std::size_t>::max() / 2 ? needed : capacity * 2;
    const std::size_t grown = std::max({needed, doubled, kFirstCapacity});
    return IsLarge(grown) ? WholePages(grown) : grown;
}

void* GrowBlock(void* block, std::size_t used, std::size_t capacity, std::size_t newCapacity)
{
    if (IsLarge(capacity))
        return MoveLargePages(block, capacity, newCapacity);
    void* grown = AllocateLargeBlock(newCapacity);
    if (used > 0)
        std::memcpy(grown, block, used);
    FreeLargeBlock(block, capacity);
    return grown;
}

namespace {

class LargeBlocks final : public std::pmr::memory_resource {
    // A large block sits on a large page; a small one has new's alignment.
    static bool Aligned(std::size_t bytes, std::size_t alignment)
    {
        return alignment <= (IsLarge(bytes) ? kLargePage : alignof(std::max_align_t));
    }
    void* do_allocate(std::size_t bytes, std::size_t alignment) override
    {
        if (Aligned(bytes, alignment))
            return AllocateLargeBlock(bytes);
        return ::operator new (bytes, std::align_val_t{alignment});
    }
    void do_deallocate(void* block, std::size_t bytes, std::size_t alignment) override
    {
        if (Aligned(bytes, alignment))
            FreeLargeBlock(block, bytes);
        else
            ::operator delete (block, std::align_val_t{alignment});
    }
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
};

} // namespace

std::pmr::memory_resource* LargeBlockResource()
{
    static LargeBlocks resource;
    return &resource;
}

} // namespace tallywick
