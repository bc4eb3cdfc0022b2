#pragma once

#include "core/views/calendar.h"
#include "core/views/chartcategory.h"
#include "core/views/period.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// Index 0 is Sunday, 6 Saturday.
using WeekdayCounts = std::array<std::int64_t, 7>;

enum class WeekdayMeasure { Average, Total };

struct WeekdayValues {
    std::array<double, 7> values{}; // totals, or totals per occurrence of the weekday
    WeekdayCounts occurrences{};    // of each weekday from RangeStart to RangeEnd, both included
    std::int64_t hits = 0;
    std::optional<DayRange> range; // RangeStart/RangeEnd: the first and last dated records of the history,
                                   // or the period
};

struct WeekdayChartResult {
    WeekdayValues weekdays;
    std::vector<ChartCategory> categories; // seven, Sunday first, labelled "Sun" to "Sat"
    std::chrono::sys_days today;
};

// How often each weekday occurs in the range (none when the range is reversed).
WeekdayCounts CountWeekdays(DayRange range);

// The records of the selected tracked item (at or after character 38) per weekday of their
// date. Averages divide by the weekday's occurrences in the history period; a weekday that does
// not occur stays 0. Undatable records are not counted at all. Nothing is computed when the
// history or the tracked items are empty or the selection is out of range.
// Over a period, only the records dated in it count, and averages divide by the weekdays of the
// period (an open end closed by the first or last dated record in it).
std::optional<WeekdayValues> ComputeWeekdayValues(const std::vector<std::string>& history,
                                                  const std::vector<std::string>& trackedItems, std::size_t selected,
                                                  WeekdayMeasure measure, const Period& period = {});

std::optional<WeekdayChartResult> WeekdayChart(const std::vector<std::string>& history,
                                               const std::vector<std::string>& trackedItems, std::size_t selected,
                                               WeekdayMeasure measure, std::chrono::sys_days today,
                                               const Period& period = {});

} // namespace tallywick
