#pragma once

#include <array>
#include <string_view>

namespace tallywick {

// The vector instructions a byte scan may use. Each scan takes its level as an argument, so that
// tests and the fuzz target run every path on a machine that would otherwise take only the
// widest; a level the processor lacks must not be asked for.
enum class SimdLevel { Scalar, Sse2, Avx2 };

inline constexpr std::array kSimdLevels = {SimdLevel::Scalar, SimdLevel::Sse2, SimdLevel::Avx2};

// The widest level this processor runs (and this build has).
SimdLevel BestSimdLevel();

// "scalar", "sse2", "avx2"
std::string_view SimdLevelName(SimdLevel level);

} // namespace tallywick
