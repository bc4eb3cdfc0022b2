#pragma once

#include <chrono>

namespace tallywick {

// A run of calendar days, both ends included.
struct DayRange {
    std::chrono::sys_days first;
    std::chrono::sys_days last;

    constexpr bool contains(std::chrono::sys_days day) const { return first <= day && day <= last; }
    friend constexpr bool operator==(const DayRange&, const DayRange&) = default;
};

// The day that many calendar months later (earlier when months is negative); a day that the
// target month lacks becomes its last day, so March 31 minus one month is February 28 or 29.
std::chrono::sys_days AddMonths(std::chrono::sys_days day, int months);

// The history period is 1 to 24 months; anything else reads as the default, as the stored
// setting does, so that a bad value can never size a chart or a date range absurdly.
inline constexpr int kDefaultTimeLimit = 12;
constexpr int ValidTimeLimit(int timeLimit)
{
    return timeLimit >= 1 && timeLimit <= 24 ? timeLimit : kDefaultTimeLimit;
}

} // namespace tallywick
