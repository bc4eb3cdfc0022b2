#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tallywick {

// "12 Hits", "0 Hits"
std::string HitLabel(std::int64_t hits);

// "From: 09/01/2004"; just "From:" when there is no date to show.
std::string FromLabel(std::optional<std::chrono::sys_days> day);

// "To: 12/05/2004"; just "To:" when there is no date to show.
std::string ToLabel(std::optional<std::chrono::sys_days> day);

// "Today is Sunday, December 05, 2004"
std::string TodayLabel(std::chrono::sys_days today);

} // namespace tallywick
