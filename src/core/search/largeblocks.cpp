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

} // namespace tallywick
