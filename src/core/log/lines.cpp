#include "core/log/lines.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace tallywick {

namespace {

#if defined(__SSE2__)
// Bit i set when block[i] is a CR or a LF.
unsigned BreakMask(const char* block)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const __m128i breaks =
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
    return static_cast<unsigned>(_mm_movemask_epi8(breaks));
}
#endif

// Every LF ends a line, and every CR that no LF follows. The vector paths count whole blocks:
// each byte lane adds 1 for a LF or for a CR whose next byte is not a LF, and the lanes are
// summed before any of them can pass 255. They leave the last block or so to the byte loop.

std::size_t CountBreaksByByte(const char* p, const char* end)
{
    std::size_t count = 0;
    for (; p < end; ++p) {
        if (*p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n')))
            ++count;
    }
    return count;
}

#if defined(__SSE2__)
std::size_t CountBreaksSse2(const char*& p, const char* end)
{
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    std::size_t count = 0;
    while (end - p > 16) {
        __m128i lanes = _mm_setzero_si128();
        for (int round = 0; round < 255 && end - p > 16; ++round, p += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
            const __m128i loneCr = _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(here, cr));
            lanes = _mm_sub_epi8(lanes, _mm_or_si128(_mm_cmpeq_epi8(here, lf), loneCr));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
    }
    return count;
}

#if defined(TALLYWICK_HAS_AVX2_PATH)
TALLYWICK_AVX2_FUNCTION std::size_t CountBreaksAvx2(const char*& p, const char* end)
{
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i cr = _mm256_set1_epi8('\r');
    std::size_t count = 0;
    while (end - p > 32) {
        __m256i lanes = _mm256_setzero_si256();
        for (int round = 0; round < 255 && end - p > 32; ++round, p += 32) {
            const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
            const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
            const __m256i loneCr = _mm256_andnot_si256(_mm256_cmpeq_epi8(next, lf), _mm256_cmpeq_epi8(here, cr));
            lanes = _mm256_sub_epi8(lanes, _mm256_or_si256(_mm256_cmpeq_epi8(here, lf), loneCr));
        }
        const __m256i sums = _mm256_sad_epu8(lanes, _mm256_setzero_si256());
        count += static_cast<std::size_t>(_mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
                                          _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3));
    }
    return count;
}
#endif
#endif // __SSE2__

} // namespace

std::size_t FindLineBreak(std::string_view text, std::size_t from, SimdLevel level)
{
#if defined(__SSE2__)
    for (; level != SimdLevel::Scalar && from + 16 <= text.size(); from += 16) {
        if (const unsigned mask = BreakMask(text.data() + from))
            return from + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; from < text.size(); ++from) {
        if (IsLineBreak(text[from]))
            break;
    }
    return from;
}

std::size_t FindLineStart(std::string_view text, std::size_t pos, SimdLevel level)
{
#if defined(__SSE2__)
    for (; level != SimdLevel::Scalar && pos >= 16; pos -= 16) {
        if (const unsigned mask = BreakMask(text.data() + pos - 16))
            return pos - 16 + static_cast<std::size_t>(32 - __builtin_clz(mask));
    }
#endif
    while (pos > 0 && !IsLineBreak(text[pos - 1]))
        --pos;
    return pos;
}

std::size_t CountLines(std::string_view text, SimdLevel level)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    std::size_t count = 0;
#if defined(TALLYWICK_HAS_AVX2_PATH)
    if (level == SimdLevel::Avx2)
        count += CountBreaksAvx2(p, end);
#endif
#if defined(__SSE2__)
    if (level != SimdLevel::Scalar)
        count += CountBreaksSse2(p, end);
#endif
    count += CountBreaksByByte(p, end);
    if (!text.empty() && !IsLineBreak(text.back()))
        ++count;
    return count;
}

std::string_view LineAssembler::RunInPlace(std::string_view chunk, char before, SimdLevel level)
{
    if (chunk.empty())
        return {};
    std::size_t begin = 0;
    if (before == '\r') {
        begin = chunk.front() == '\n' ? 1 : 0; // a CR held back, ended here or by the LF
    } else if (before != '\n') {
        const auto lineEnd = FindLineBreak(chunk, 0, level);
        if (lineEnd == chunk.size() || (chunk[lineEnd] == '\r' && lineEnd + 1 == chunk.size()))
            return {}; // the carried line goes on
        begin = SkipLineBreak(chunk, lineEnd);
    }
    chunk.remove_prefix(begin);
    return chunk.substr(0, CompleteEnd(chunk));
}

std::size_t LineAssembler::CompleteEnd(std::string_view chunk)
{
    for (std::size_t i = chunk.size(); i-- > 0;) {
        if (chunk[i] == '\n' || (chunk[i] == '\r' && i + 1 < chunk.size()))
            return i + 1;
    }
    return 0;
}

} // namespace tallywick
