#include "core/search/largetext.h"

#include "core/search/largeblocks.h"

#include <cstring>
#include <new>
#include <utility>

namespace tallywick {

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
    FreeGrownBlock(data_, capacity_);
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
    const std::size_t capacity = GrownCapacity(capacity_, needed);
    data_ = static_cast<char*>(GrowBlock(data_, size_, capacity_, capacity));
    capacity_ = capacity;
}

} // namespace tallywick
