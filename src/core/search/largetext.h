#pragma once

#include "core/search/largevector.h"

#include <cstddef>
#include <ostream>
#include <string_view>
#include <utility>

namespace tallywick {

// Text that grows with a report: result texts, output kept before it is written. Its bytes are
// a LargeVector's: a large text's pages are moved, not copied, as it grows. Cleared, it keeps
// its memory, as a std::string does.
class LargeText {
public:
    void append(std::string_view more) { bytes_.append(more.data(), more.data() + more.size()); }
    LargeText& operator+=(std::string_view more)
    {
        append(more);
        return *this;
    }
    template <class Write>
    void appendAtMost(std::size_t most, Write&& write)
    {
        bytes_.appendAtMost(most, std::forward<Write>(write));
    }
    LargeText& operator+=(char c)
    {
        bytes_.push_back(c);
        return *this;
    }

    // Never null, as a std::string's: an empty text may be handed to memcpy and write().
    const char* data() const { return bytes_.data() != nullptr ? bytes_.data() : ""; }
    std::size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    std::size_t capacity() const { return bytes_.capacity(); }
    void clear() { bytes_.clear(); }
    void swap(LargeText& other) noexcept { bytes_.swap(other.bytes_); }

    operator std::string_view() const { return {data(), size()}; }
    friend bool operator==(const LargeText& a, std::string_view b) { return std::string_view(a) == b; }
    friend bool operator==(const LargeText& a, const LargeText& b) { return a.bytes_ == b.bytes_; }
    friend std::ostream& operator<<(std::ostream& out, const LargeText& text)
    {
        return out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

private:
    LargeVector<char> bytes_;
};

} // namespace tallywick
