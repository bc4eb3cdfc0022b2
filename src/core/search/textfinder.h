#pragma once

#include "core/log/simdlevel.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tallywick {

// Finds one fixed text in large buffers, fast: reports are searched as a whole for each text,
// as grep does, rather than line by line.
class TextFinder {
public:
    explicit TextFinder(std::string pattern, SimdLevel level = BestSimdLevel());

    // Offset of the first occurrence in haystack at or after from, or npos.
    std::size_t find(std::string_view haystack, std::size_t from) const;

    const std::string& pattern() const { return pattern_; }

private:
    std::string pattern_;
    SimdLevel level_;
};

} // namespace tallywick
