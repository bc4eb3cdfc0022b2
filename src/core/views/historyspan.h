#pragma once

#include "core/views/calendar.h"

#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// The days of the first and of the last dated record of the history (empty and undatable
// records are passed over); nothing when no record has a readable date.
std::optional<DayRange> HistorySpan(const std::vector<std::string>& history);

} // namespace tallywick
