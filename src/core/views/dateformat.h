#pragma once

#include <chrono>
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

} // namespace tallywick
