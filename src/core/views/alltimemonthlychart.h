#pragma once

#include "core/views/monthlychart.h"

#include <string_view>

namespace tallywick {

// A month chart never reaches further back than this, whatever date a stray record claims.
inline constexpr int kMaxAllTimeMonths = 1200;

// The month chart with the months before the time limit: every month from the first month with
// a dated record of all time (any item) to the current month, and never fewer than the
// TimeLimit months of the plain chart. From/To are the earliest and the latest dated record.
MonthlyChartResult AllTimeMonthlyChart(const std::vector<std::string_view>& records,
                                       const std::vector<std::string>& trackedItems, std::size_t selected,
                                       int timeLimit, std::chrono::sys_days today);

} // namespace tallywick
