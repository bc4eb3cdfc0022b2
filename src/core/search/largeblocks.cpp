#include "core/search/largeblocks.h"

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
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

} // namespace

void* AllocateLargeBlock(std::size_t bytes)
{
    if (!IsLarge(bytes))
        return ::operator new(bytes);
    if (bytes > std::numeric_limits<std::size_t>::max() - kLargePage)
        throw std::bad_alloc();
    const std::size_t whole = WholePages(bytes);
    void* block = ::operator new (whole, std::align_val_t{kLargePage});
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Advice only: refused, it changes nothing.
    ::madvise(block, whole, MADV_HUGEPAGE);
#endif
    return block;
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept
{
    // Unsized: not every compiler declares the sized forms by default.
    if (!IsLarge(bytes))
        ::operator delete(block);
    else
        ::operator delete (block, std::align_val_t{kLargePage});
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
