#pragma once

#include "core/views/calendar.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// The daily view's date picker when it opens.
struct DailyDatePicker {
    std::chrono::sys_days value;    // yesterday
    std::chrono::sys_days earliest; // today minus TimeLimit months
    std::chrono::sys_days latest;   // today
};

DailyDatePicker DailyDateRange(std::chrono::sys_days today, int timeLimit);

struct DailyTextResult {
    std::string text; // each record followed by CR LF CR LF; also the "daily.txt" content
    std::int64_t hits = 0;
};

// The records of one day that hold the selected tracked item at or after character 38, in
// history order. Nothing is computed (nullopt) when the history or the tracked items are empty
// or the selection is out of range: the view then keeps what it showed.
std::optional<DailyTextResult> DailyText(const std::vector<std::string>& history,
                                         const std::vector<std::string>& trackedItems, std::size_t selected,
                                         std::chrono::sys_days day);

} // namespace tallywick
