#pragma once

#include "core/views/downloadsources.h"
#include "core/views/periodcomparison.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The comparison and the sources as text lines, for the terminal and the exports alike.

// "+12.5 %", "-3 %", "0 %"; "new" when there was nothing to compare with.
std::string PercentText(const std::optional<double>& percent);

// The two periods, then a table: downloads now and before, the change, in percent, unique
// downloaders a day now and before, the item.
std::vector<std::string> ComparisonLines(const PeriodComparison& comparison);

// A line per source: downloads, share, host; then the total.
std::vector<std::string> SourcesLines(const DownloadSourcesResult& sources);

// "This month: 12 (last month: 10, +20 %)"; without the percent when last month had none.
std::string MonthComparisonLine(std::int64_t thisMonth, std::int64_t lastMonth);

// The lines, each ended by lineEnd.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd);

} // namespace tallywick
