#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tallywick {

// Dates as the views show them, with English names.

// "12/05/2004"
std::string FormatDate(std::chrono::sys_days day);

// "Dec 04": the label of a month category.
std::string MonthLabel(std::chrono::year_month month);

// "Sunday, December 05, 2004"
std::string LongDate(std::chrono::sys_days day);

// "Sun" to "Sat"; Sunday is 0.
std::string_view WeekdayAbbreviation(std::chrono::weekday weekday);

// "2004-12-05", and back: exactly ten characters naming a real day, else nothing.
std::string IsoDay(std::chrono::sys_days day);
std::optional<std::chrono::sys_days> ReadIsoDay(std::string_view text);

} // namespace tallywick
