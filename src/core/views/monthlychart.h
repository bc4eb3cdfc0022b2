#pragma once

#include "core/views/calendar.h"
#include "core/views/chartcategory.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

struct MonthlyChartResult {
    std::vector<ChartCategory> categories; // TimeLimit months, oldest first, the last is the current one
    std::chrono::year_month firstMonth{};  // of the first category
    std::int64_t total = 0;
    std::optional<DayRange> span; // From/To: the first and last dated records of the whole history
    std::chrono::sys_days today;
};

// Per month of monthCount consecutive months from firstMonth, the non-empty records that hold
// the item in their request part and are dated in that month; one pass over the history.
std::vector<std::int64_t> CountMonth(const std::vector<std::string>& history, std::string_view item,
                                     std::chrono::year_month firstMonth, int monthCount);

// The records of the selected tracked item per month, labelled "Dec 04". With no tracked items
// (or no valid selection) the item text is empty, which every record long enough holds.
MonthlyChartResult MonthlyChart(const std::vector<std::string>& history, const std::vector<std::string>& trackedItems,
                                std::size_t selected, int timeLimit, std::chrono::sys_days today);

} // namespace tallywick
