#pragma once

#include "core/views/calendar.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tallywick {

// The periods a view offers, in the order of its period box.
enum class PeriodKind { All, ThisMonth, LastMonth, Last7Days, Last30Days, ThisYear, Custom };

struct PeriodChoice {
    PeriodKind kind = PeriodKind::All;
    DayRange custom{}; // the two date pickers; used by Custom only

    friend bool operator==(const PeriodChoice&, const PeriodChoice&) = default;
};

// The stored form: "All", "ThisMonth", "LastMonth", "Last7", "Last30", "ThisYear", or
// "YYYY-MM-DD..YYYY-MM-DD" for a custom period. Anything else, a reversed custom period
// included, reads as All.
PeriodChoice ReadPeriodChoice(std::string_view text);
std::string PeriodChoiceText(const PeriodChoice& choice);

// The days of the choice on that day; nothing for All. "Last N days" ends with today and
// includes it; this month and this year end with today.
std::optional<DayRange> PeriodDays(const PeriodChoice& choice, std::chrono::sys_days today);

} // namespace tallywick
