#pragma once

#include <chrono>
#include <optional>

namespace tallywick {

// The user's calendar date now. The only place that reads the clock: everything else takes
// "today" as an argument.
std::chrono::sys_days Today();

// A fixed date when one is given (tests, the command line's --today), else the clock's.
std::chrono::sys_days TodayOr(const std::optional<std::chrono::sys_days>& fixed);

} // namespace tallywick
