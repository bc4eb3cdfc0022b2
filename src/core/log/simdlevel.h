#pragma once

#include <array>
#include <string_view>

namespace tallywick {

// The vector instructions a byte scan may use. Each scan takes its level as an argument, so that
// tests and the fuzz target run every path on a machine that would otherwise take only the
// widest; a level the processor lacks must not be asked for.
enum class SimdLevel { Scalar, Sse2, Avx2 };

// Where this build has an AVX2 path: a function marked TALLYWICK_AVX2_FUNCTION is compiled for
// AVX2 whatever the build's target, and is called only at SimdLevel::Avx2.
#if defined(__SSE2__) && defined(__x86_64__) && defined(__GNUC__)
#define TALLYWICK_HAS_AVX2_PATH 1
#define TALLYWICK_AVX2_FUNCTION __attribute__((target("avx2")))
#endif

inline constexpr std::array kSimdLevels = {SimdLevel::Scalar, SimdLevel::Sse2, SimdLevel::Avx2};

// The widest level this processor runs (and this build has).
SimdLevel BestSimdLevel();

// "scalar", "sse2", "avx2"
std::string_view SimdLevelName(SimdLevel level);

} // namespace tallywick
