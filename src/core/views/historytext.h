#pragma once

#include "core/views/calendar.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The first entry of the full history view's item box: no filter.
inline constexpr std::string_view kAllHistoryEntry = "All History";

// What the full history view shows.
struct HistoryTextResult {
    std::string text;             // each record taken followed by CR LF CR LF; also the "history.txt" content
    std::int64_t hits = 0;        // records taken
    std::optional<DayRange> span; // From/To: the first and last dated records of the whole history
};

// The non-empty records of the history in order, all of them (no item) or those that hold the
// item in their request part.
HistoryTextResult HistoryText(const std::vector<std::string>& history, std::optional<std::string_view> item);

} // namespace tallywick
