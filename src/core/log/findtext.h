#pragma once

#include <cstddef>
#include <string_view>

namespace tallywick {

// Every cut of a log line is a position search from a fixed starting character, so positions
// here are 1-based and 0 means "not found", exactly as the cuts are defined.

// Position of the first occurrence of pattern in text that begins at or after start (1-based),
// or 0. An empty pattern is found at start itself while start is within the text.
constexpr std::size_t FindText(std::size_t start, std::string_view text, std::string_view pattern)
{
    if (start == 0)
        start = 1;
    if (start > text.size())
        return 0;
    const auto found = text.find(pattern, start - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

// The first n characters; the whole text when n is larger.
constexpr std::string_view Left(std::string_view text, std::size_t n)
{
    return text.substr(0, n);
}

// The text from 1-based position p on; empty when p is past the end.
constexpr std::string_view MidFrom(std::string_view text, std::size_t p)
{
    if (p == 0)
        p = 1;
    return p > text.size() ? std::string_view{} : text.substr(p - 1);
}

// n characters from 1-based position p, stopping at the end of the text.
constexpr std::string_view Mid(std::string_view text, std::size_t p, std::size_t n)
{
    return MidFrom(text, p).substr(0, n);
}

} // namespace tallywick
