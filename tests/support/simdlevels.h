#pragma once

// Tests that run once per vector level of the byte scans: every path is checked, not only the
// widest that the build machine takes.

#include "core/log/simdlevel.h"

#include <gtest/gtest.h>

#include <string>

namespace tallywick::testing {

class AtEverySimdLevel : public ::testing::TestWithParam<SimdLevel> {
protected:
    void SetUp() override
    {
        if (GetParam() > BestSimdLevel())
            GTEST_SKIP() << "this processor lacks " << SimdLevelName(GetParam());
    }
    SimdLevel level() const { return GetParam(); }
};

inline std::string SimdLevelTestName(const ::testing::TestParamInfo<SimdLevel>& info)
{
    return std::string(SimdLevelName(info.param));
}

} // namespace tallywick::testing

// Instantiates a suite derived from AtEverySimdLevel at every level.
#define TALLYWICK_AT_EVERY_SIMD_LEVEL(Suite)                                                                           \
    INSTANTIATE_TEST_SUITE_P(Simd, Suite, ::testing::ValuesIn(::tallywick::kSimdLevels),                               \
                             ::tallywick::testing::SimdLevelTestName)
