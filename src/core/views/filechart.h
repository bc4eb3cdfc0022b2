#pragma once

#include "core/views/calendar.h"
#include "core/views/chartcategory.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tallywick {

// The period kinds in the order of the period box (its indexes, as stored in "TimeSpan").
enum class TimeSpan { Day = 0, Week = 1, Month = 2, Year = 3 };

// The day, the week (Sunday to Saturday), the month or the year that holds the day.
DayRange SetTimeSpanRange(TimeSpan span, std::chrono::sys_days day);

// Per tracked item, the non-empty records dated in the range that hold it in their request part;
// one pass over the history. A record holding two items counts for both.
std::vector<std::int64_t> CountFileHits(const std::vector<std::string>& history,
                                        const std::vector<std::string>& trackedItems, DayRange range);

struct FileChartResult {
    DayRange range;                        // From/To
    std::vector<ChartCategory> categories; // one per tracked item, in list order, labelled by ShortFileLabel
    std::int64_t total = 0;
    std::chrono::sys_days today;
};

FileChartResult FileChart(const std::vector<std::string>& history, const std::vector<std::string>& trackedItems,
                          TimeSpan span, std::chrono::sys_days day, std::chrono::sys_days today);

} // namespace tallywick
