#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

namespace tallywick {

// Text that grows with a report: result texts, output kept before it is written. It grows as
// GrowBlock grows memory: a large text's pages are moved, not copied. Cleared, it keeps its
// memory, as a std::string does.
class LargeText {
public:
    LargeText() = default;
    LargeText(const LargeText& other);
    LargeText& operator=(const LargeText& other);
    LargeText(LargeText&& other) noexcept;
    LargeText& operator=(LargeText&& other) noexcept;
    ~LargeText();

    void append(std::string_view more);
    LargeText& operator+=(std::string_view more)
    {
        append(more);
        return *this;
    }
    LargeText& operator+=(char c)
    {
        if (size_ == capacity_)
            grow(size_ + 1);
        data_[size_++] = c;
        return *this;
    }

    // Never null, as a std::string's: an empty text may be handed to memcpy and write().
    const char* data() const { return data_ != nullptr ? data_ : ""; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t capacity() const { return capacity_; }
    void clear() { size_ = 0; }
    void swap(LargeText& other) noexcept;

    operator std::string_view() const { return {data(), size_}; }
    friend bool operator==(const LargeText& a, std::string_view b) { return std::string_view(a) == b; }
    friend bool operator==(const LargeText& a, const LargeText& b) { return std::string_view(a) == b; }
    friend std::ostream& operator<<(std::ostream& out, const LargeText& text)
    {
        return out.write(text.data(), static_cast<std::streamsize>(text.size_));
    }

private:
    void grow(std::size_t needed);

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace tallywick
