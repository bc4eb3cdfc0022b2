#include "core/log/simdlevel.h"

namespace tallywick {
namespace {

SimdLevel DetectSimdLevel()
{
#if defined(TALLYWICK_HAS_AVX2_PATH)
    if (__builtin_cpu_supports("avx2"))
        return SimdLevel::Avx2;
#endif
#if defined(__SSE2__)
    return SimdLevel::Sse2;
#else
    return SimdLevel::Scalar;
#endif
}

} // namespace

SimdLevel BestSimdLevel()
{
    static const SimdLevel best = DetectSimdLevel(); // the processor does not change
    return best;
}

std::string_view SimdLevelName(SimdLevel level)
{
    switch (level) {
    case SimdLevel::Scalar:
        return "scalar";
    case SimdLevel::Sse2:
        return "sse2";
    case SimdLevel::Avx2:
        return "avx2";
    }
    return "scalar";
}

} // namespace tallywick
