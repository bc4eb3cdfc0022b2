#include "core/search/textfinder.h"

#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace tallywick {
namespace {

#if defined(__SSE2__)
// Every path compares the pattern's first and last byte at many candidate starts at once; only
// the starts where both agree are checked in full. p runs over the candidate starts up to last.

std::size_t FinishScalar(const char* base, const char* p, const char* last, std::string_view pattern)
{
    for (; p <= last; ++p) {
        if (*p == pattern.front() && std::memcmp(p, pattern.data(), pattern.size()) == 0)
            return static_cast<std::size_t>(p - base);
    }
    return std::string_view::npos;
}

// Checks the candidates of one block in full: bit i of mask set when p + i may begin a match.
template <class Mask>
const char* CheckCandidates(Mask mask, const char* p, std::string_view pattern)
{
    while (mask != 0) {
        const int bit = __builtin_ctzll(static_cast<unsigned long long>(mask));
        if (std::memcmp(p + bit + 1, pattern.data() + 1, pattern.size() - 2) == 0)
            return p + bit;
        mask &= mask - 1;
    }
    return nullptr;
}

std::size_t FindSse2(const char* base, const char* p, const char* last, std::string_view pattern)
{
    const std::size_t n = pattern.size();
    const __m128i first = _mm_set1_epi8(pattern.front());
    const __m128i lastByte = _mm_set1_epi8(pattern.back());
    for (; p + 16 <= last + 1; p += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
        const auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, lastByte))));
        if (mask != 0) {
            if (const char* found = CheckCandidates(mask, p, pattern))
                return static_cast<std::size_t>(found - base);
        }
    }
    return FinishScalar(base, p, last, pattern);
}

#if defined(TALLYWICK_HAS_AVX2_PATH)
// The bytes of the 32 starts from p where the first and the last byte agree.
TALLYWICK_AVX2_FUNCTION inline __m256i CandidatesAvx2(const char* p, std::size_t n, __m256i first, __m256i lastByte)
{
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + n - 1));
    return _mm256_and_si256(_mm256_cmpeq_epi8(a, first), _mm256_cmpeq_epi8(b, lastByte));
}

// Twice the width where the processor has it; reports are searched mostly here.
TALLYWICK_AVX2_FUNCTION std::size_t FindAvx2(const char* base, const char* p, const char* last,
                                             std::string_view pattern)
{
    const std::size_t n = pattern.size();
    const __m256i first = _mm256_set1_epi8(pattern.front());
    const __m256i lastByte = _mm256_set1_epi8(pattern.back());
    // Two blocks a test: in a log, most blocks hold no candidate.
    for (; p + 64 <= last + 1; p += 64) {
        const __m256i low = CandidatesAvx2(p, n, first, lastByte);
        const __m256i high = CandidatesAvx2(p + 32, n, first, lastByte);
        const __m256i any = _mm256_or_si256(low, high);
        if (_mm256_testz_si256(any, any))
            continue;
        if (const char* found = CheckCandidates(static_cast<unsigned>(_mm256_movemask_epi8(low)), p, pattern))
            return static_cast<std::size_t>(found - base);
        if (const char* found = CheckCandidates(static_cast<unsigned>(_mm256_movemask_epi8(high)), p + 32, pattern))
            return static_cast<std::size_t>(found - base);
    }
    for (; p + 32 <= last + 1; p += 32) {
        const auto mask = static_cast<unsigned>(_mm256_movemask_epi8(CandidatesAvx2(p, n, first, lastByte)));
        if (const char* found = CheckCandidates(mask, p, pattern))
            return static_cast<std::size_t>(found - base);
    }
    return FinishScalar(base, p, last, pattern);
}
#endif
#endif // __SSE2__

} // namespace

TextFinder::TextFinder(std::string pattern, SimdLevel level) : pattern_(std::move(pattern)), level_(level) {}

std::size_t TextFinder::find(std::string_view haystack, std::size_t from) const
{
    const std::size_t n = pattern_.size();
    if (from > haystack.size() || haystack.size() - from < n)
        return std::string_view::npos;
    if (n == 0)
        return from;
#if defined(__SSE2__)
    if (n >= 2 && level_ != SimdLevel::Scalar) {
        const char* const base = haystack.data();
        const char* const last = base + haystack.size() - n; // last possible start
#if defined(TALLYWICK_HAS_AVX2_PATH)
        if (level_ == SimdLevel::Avx2)
            return FindAvx2(base, base + from, last, pattern_);
#endif
        return FindSse2(base, base + from, last, pattern_);
    }
#endif
    return haystack.find(pattern_, from);
}

} // namespace tallywick
