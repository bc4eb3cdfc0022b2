#pragma once

#include "core/views/calendar.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

enum class ComparedSpan { Week, Month, Year };

// The calendar week (Monday to Sunday), month or year that holds the day, up to and including
// it; and the same span of the week, month or year before. A day the earlier month lacks (the
// 31st against a 30-day month, February 29 against a common year) ends at that month's last day.
struct ComparedPeriods {
    DayRange current;
    DayRange previous;
    friend bool operator==(const ComparedPeriods&, const ComparedPeriods&) = default;
};
ComparedPeriods PeriodsToCompare(ComparedSpan span, std::chrono::sys_days day);

struct ItemComparison {
    std::string item;
    std::int64_t current = 0;            // downloads in the current period
    std::int64_t previous = 0;           // and in the one before
    std::int64_t change = 0;             // current - previous
    std::optional<double> changePercent; // of previous; nothing when previous is 0
    std::int64_t currentUnique = 0;      // unique downloaders a day
    std::int64_t previousUnique = 0;
    friend bool operator==(const ItemComparison&, const ItemComparison&) = default;
};

struct PeriodComparison {
    ComparedPeriods periods;
    std::vector<ItemComparison> items; // each distinct tracked item once, in list order
};

// Per tracked item, its downloads (records holding it in their request part, by their own date)
// and unique downloaders a day in both periods; one pass over the records.
PeriodComparison ComparePeriods(const std::vector<std::string_view>& records,
                                const std::vector<std::string>& trackedItems, ComparedSpan span,
                                std::chrono::sys_days day);

// The change in percent of before, nothing when before is 0.
std::optional<double> ChangePercent(std::int64_t now, std::int64_t before);

} // namespace tallywick
