#include "core/search/largeblocks.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tallywick {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// From here a block takes whole large pages. Smaller blocks would waste more of a page than
// their faults cost; from here on a table's random look-ups miss the TLB far less, and growing
// faults a few times, not hundreds.
constexpr std::size_t kSmallestLarge = kHugePage / 8;

bool IsLarge(std::size_t bytes)
{
    return bytes >= kSmallestLarge;
}

std::size_t WholePages(std::size_t bytes)
{
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

} // namespace

void* AllocateLargeBlock(std::size_t bytes)
{
    if (!IsLarge(bytes))
        return ::operator new(bytes);
    if (bytes > std::numeric_limits<std::size_t>::max() - kHugePage)
        throw std::bad_alloc();
    const std::size_t whole = WholePages(bytes);
    void* block = ::operator new (whole, std::align_val_t{kHugePage});
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
        ::operator delete (block, std::align_val_t{kHugePage});
}

namespace {

class LargeBlocks final : public std::pmr::memory_resource {
    // A large block sits on a large page; a small one has new's alignment.
    static bool Aligned(std::size_t bytes, std::size_t alignment)
    {
        return alignment <= (IsLarge(bytes) ? kHugePage : alignof(std::max_align_t));
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
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override
    {
        return dynamic_cast<const LargeBlocks*>(&other) != nullptr;
    }
};

} // namespace

std::pmr::memory_resource* LargeBlockResource()
{
    static LargeBlocks resource;
    return &resource;
}

} // namespace tallywick
