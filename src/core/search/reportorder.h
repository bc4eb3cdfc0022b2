#pragma once

#include "core/log/datevalue.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tallywick {

// The date and time of the first line of text that has one, read as the split-download test
// reads it; nothing when no line has.
std::optional<DateValue> FirstLineDate(std::string_view text);

// The order to search several reports in, as indexes into firstDates: oldest first by the date
// of their first dated line, so that rotated logs given in any order read as one; reports
// without a dated line follow, in the order given.
std::vector<std::size_t> OldestFirst(const std::vector<std::optional<DateValue>>& firstDates);

} // namespace tallywick
