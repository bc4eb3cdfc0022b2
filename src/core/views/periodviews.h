#pragma once

#include "core/views/historytext.h"
#include "core/views/monthlychart.h"
#include "core/views/period.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The views that span time, over a period: each counts the records dated in it, as if the
// history held no others, and its From/To show the period (an open end: the first or last
// dated record taken). With no period each is the plain view.

HistoryTextResult HistoryTextInPeriod(const std::vector<std::string>& records, std::optional<std::string_view> item,
                                      const Period& period);

// Every month the period touches, oldest first (an open start: the first month of the time
// limit; an open end: the current month), at most kMaxAllTimeMonths of the latest; none when the
// period ends before it starts.
MonthlyChartResult MonthlyChartInPeriod(const std::vector<std::string>& records,
                                        const std::vector<std::string>& trackedItems, std::size_t selected,
                                        const Period& period, int timeLimit, std::chrono::sys_days today);

} // namespace tallywick
