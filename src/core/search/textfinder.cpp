#include "core/search/textfinder.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tallywick {

TextFinder::TextFinder(std::string pattern) : pattern_(std::move(pattern)) {}

std::size_t TextFinder::find(std::string_view haystack, std::size_t from) const
{
    const std::size_t n = pattern_.size();
    if (from > haystack.size() || haystack.size() - from < n)
        return std::string_view::npos;
    if (n == 0)
        return from;
    const char* const base = haystack.data();
    const char* const last = base + haystack.size() - n; // last possible start

#if defined(__SSE2__)
    if (n >= 2) {
        // Compare the pattern's first and last byte at 16 candidate starts at once; only the
        // starts where both agree are checked in full.
        const __m128i first = _mm_set1_epi8(pattern_.front());
        const __m128i lastByte = _mm_set1_epi8(pattern_.back());
        const char* p = base + from;
        for (; p + 16 <= last + 1; p += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
            unsigned mask = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, lastByte))));
            while (mask != 0) {
                const int bit = __builtin_ctz(mask);
                if (std::memcmp(p + bit + 1, pattern_.data() + 1, n - 2) == 0)
                    return static_cast<std::size_t>(p + bit - base);
                mask &= mask - 1;
            }
        }
        for (; p <= last; ++p) {
            if (*p == pattern_.front() && std::memcmp(p, pattern_.data(), n) == 0)
                return static_cast<std::size_t>(p - base);
        }
        return std::string_view::npos;
    }
#endif
    return haystack.find(pattern_, from);
}

} // namespace tallywick
