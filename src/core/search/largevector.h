#pragma once

#include "core/search/largeblocks.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

namespace tallywick {

// An array of plain values that grows with a report (an entry a hit, a line or a download), as
// a std::vector does but in memory that GrowBlock grows: a large array's pages are moved, not
// copied, as it doubles.
template <class T>
class LargeVector {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "the values are moved as bytes");
    static_assert(alignof(T) <= alignof(std::max_align_t));

public:
    using value_type = T;
    using size_type = std::size_t;
    using reference = T&;
    using const_reference = const T&;
    using iterator = T*;
    using const_iterator = const T*;

    LargeVector() = default;
    LargeVector(const LargeVector& other) { append(other.begin(), other.end()); }
    LargeVector& operator=(const LargeVector& other)
    {
        if (this != &other) {
            clear();
            append(other.begin(), other.end());
        }
        return *this;
    }
    LargeVector(LargeVector&& other) noexcept :
        data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
        bytes_(std::exchange(other.bytes_, 0))
    {
    }
    LargeVector& operator=(LargeVector&& other) noexcept
    {
        LargeVector(std::move(other)).swap(*this);
        return *this;
    }
    ~LargeVector() { FreeLargeBlock(data_, bytes_); }

    void swap(LargeVector& other) noexcept
    {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(bytes_, other.bytes_);
    }

    T& push_back(const T& value) { return emplace_back(value); }
    template <class... Args>
    T& emplace_back(Args&&... args)
    {
        // Made before growing: an argument may be one of ours, which growing moves.
        const T value(std::forward<Args>(args)...);
        if (size_ == capacity())
            grow(size_ + 1);
        T* made = ::new (data_ + size_) T(value);
        ++size_;
        return *made;
    }
    // count copies of value, in place of what it held.
    void assign(std::size_t count, const T& value)
    {
        clear();
        resize(count, value);
    }
    void resize(std::size_t count, const T& given = T())
    {
        const T value = given; // it may be one of ours
        reserve(count);
        for (std::size_t i = size_; i < count; ++i)
            ::new (data_ + i) T(value);
        size_ = count;
    }
    void reserve(std::size_t count)
    {
        if (count > capacity())
            grow(count);
    }
    // [first, last) of another array: growing would move its own.
    void append(const T* first, const T* last)
    {
        const auto count = static_cast<std::size_t>(last - first);
        reserve(size_ + count);
        if (count > 0)
            std::memcpy(static_cast<void*>(data_ + size_), first, count * sizeof(T));
        size_ += count;
    }
    // Lets write() fill up to most values after the last, uninitialized; it returns the end of
    // what it wrote, and the array ends there.
    template <class Write>
    void appendAtMost(std::size_t most, Write&& write)
    {
        reserve(size_ + most);
        T* const end = write(data_ + size_);
        size_ = static_cast<std::size_t>(end - data_);
    }
    void clear() { size_ = 0; }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t capacity() const { return bytes_ / sizeof(T); }
    T* data() { return data_; }
    const T* data() const { return data_; }
    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T& front() { return data_[0]; }
    const T& front() const { return data_[0]; }
    T& back() { return data_[size_ - 1]; }
    const T& back() const { return data_[size_ - 1]; }

    friend bool operator==(const LargeVector& a, const LargeVector& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    void grow(std::size_t needed)
    {
        if (needed > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_alloc();
        const std::size_t bytes = GrownCapacity(bytes_, needed * sizeof(T));
        data_ = static_cast<T*>(GrowBlock(data_, size_ * sizeof(T), bytes_, bytes));
        bytes_ = bytes;
    }

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t bytes_ = 0; // of the block
};

} // namespace tallywick
