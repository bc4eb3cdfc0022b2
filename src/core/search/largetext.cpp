#include "core/search/largetext.h"

#include "core/search/largeblocks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tallywick {
namespace {

constexpr std::size_t kFirstCapacity = 256;

bool InLargePages(std::size_t capacity)
{
    return capacity >= kSmallestLargeBlock;
}

std::size_t WholeLargePages(std::size_t bytes)
{
    if (bytes > std::numeric_limits<std::size_t>::max() - kLargePage)
        throw std::bad_alloc();
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

#if defined(__linux__)
// Whole large pages straight from the system, aligned to one, so that mremap can move them.
char* MapLargePages(std::size_t bytes)
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
    return reinterpret_cast<char*>(aligned);
}

char* GrowLargePages(char* block, std::size_t bytes, std::size_t newBytes)
{
    // Failing, it leaves the block as it was.
    void* moved = ::mremap(block, bytes, newBytes, MREMAP_MAYMOVE);
    if (moved == MAP_FAILED)
        throw std::bad_alloc();
    return static_cast<char*>(moved);
}

void UnmapLargePages(char* block, std::size_t bytes) noexcept
{
    ::munmap(block, bytes);
}
#else
char* MapLargePages(std::size_t bytes)
{
    return static_cast<char*>(AllocateLargeBlock(bytes));
}

char* GrowLargePages(char* block, std::size_t bytes, std::size_t newBytes)
{
    char* grown = MapLargePages(newBytes);
    std::memcpy(grown, block, bytes);
    FreeLargeBlock(block, bytes);
    return grown;
}

void UnmapLargePages(char* block, std::size_t bytes) noexcept
{
    FreeLargeBlock(block, bytes);
}
#endif

} // namespace

LargeText::LargeText(const LargeText& other)
{
    append(other);
}

LargeText& LargeText::operator=(const LargeText& other)
{
    if (this != &other) {
        clear();
        append(other);
    }
    return *this;
}

LargeText::LargeText(LargeText&& other) noexcept :
    data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
    capacity_(std::exchange(other.capacity_, 0))
{
}

LargeText& LargeText::operator=(LargeText&& other) noexcept
{
    LargeText(std::move(other)).swap(*this);
    return *this;
}

LargeText::~LargeText()
{
    release();
}

void LargeText::swap(LargeText& other) noexcept
{
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
}

void LargeText::append(std::string_view more)
{
    if (more.size() > capacity_ - size_)
        grow(size_ + more.size());
    if (!more.empty())
        std::memcpy(data_ + size_, more.data(), more.size());
    size_ += more.size();
}

void LargeText::grow(std::size_t needed)
{
    if (needed < size_)
        throw std::bad_alloc(); // the size overflowed
    const std::size_t doubled = capacity_ > std::numeric_limits<std::size_t>::max() / 2 ? needed : capacity_ * 2;
    std::size_t capacity = std::max({needed, doubled, kFirstCapacity});
    if (!InLargePages(capacity)) {
        char* grown = new char[capacity];
        if (size_ > 0)
            std::memcpy(grown, data_, size_);
        release();
        data_ = grown;
        capacity_ = capacity;
        return;
    }
    capacity = WholeLargePages(capacity);
    if (InLargePages(capacity_)) {
        data_ = GrowLargePages(data_, capacity_, capacity);
    } else {
        char* grown = MapLargePages(capacity);
        if (size_ > 0)
            std::memcpy(grown, data_, size_);
        delete[] data_;
        data_ = grown;
    }
    capacity_ = capacity;
}

void LargeText::release() noexcept
{
    if (InLargePages(capacity_))
        UnmapLargePages(data_, capacity_);
    else
        delete[] data_;
}

} // namespace tallywick
