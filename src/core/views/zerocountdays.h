#pragma once

#include "core/views/calendar.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

struct ZeroCountResult {
    DayRange period;                         // one month back plus one day, to today
    std::vector<std::chrono::sys_days> days; // days of the period without a tracked record, oldest first
};

// The days of the past month on which no tracked item was downloaded. The history is walked
// backwards (it is in ascending date order) and the walk ends after the first tracked record
// dated before the period; untracked and undatable records never end it. Nothing is computed
// when the history or the tracked items are empty.
std::optional<ZeroCountResult> FindZeroCountDays(const std::vector<std::string>& history,
                                                 const std::vector<std::string>& trackedItems,
                                                 std::chrono::sys_days today);

// The "nocount.txt" content: one "mm/dd/yyyy" per line, each ended by CR LF.
std::string ZeroCountText(const std::vector<std::chrono::sys_days>& days);

} // namespace tallywick
