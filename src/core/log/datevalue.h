#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tallywick {

// Day 0 of the date values.
inline constexpr std::chrono::sys_days kDayZero{std::chrono::year{1899} / std::chrono::December / 30};

// A date-time as days from 30 December 1899 with the time of day as the fraction. It is held in
// whole seconds so that cutting to the minute is exact. 0 (or below) stands for "no date".
class DateValue {
public:
    constexpr DateValue() = default;

    static constexpr DateValue fromSeconds(std::int64_t seconds) { return DateValue(seconds); }
    static constexpr DateValue fromDay(std::chrono::sys_days day)
    {
        return DateValue((day - kDayZero).count() * kSecondsPerDay);
    }

    constexpr std::int64_t seconds() const { return seconds_; }
    constexpr std::int64_t wholeMinutes() const { return floorDiv(seconds_, 60); }
    constexpr std::int64_t dayNumber() const { return floorDiv(seconds_, kSecondsPerDay); }
    // The traditional form: day number plus fraction of the day.
    constexpr double value() const { return static_cast<double>(seconds_) / kSecondsPerDay; }
    constexpr bool isDate() const { return seconds_ > 0; }
    constexpr std::chrono::sys_days day() const { return kDayZero + std::chrono::days{dayNumber()}; }

    friend constexpr DateValue operator+(DateValue a, DateValue b) { return DateValue(a.seconds_ + b.seconds_); }
    constexpr auto operator<=>(const DateValue&) const = default; // NOLINT(modernize-use-nullptr): tidy 14 bug

    static constexpr std::int64_t kSecondsPerDay = 86400;

private:
    constexpr explicit DateValue(std::int64_t seconds) : seconds_(seconds) {}
    static constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b)
    {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
    }
    std::int64_t seconds_ = 0;
};

// A request-date text such as "05/Dec/2004" (day of one or two digits, English month
// abbreviation in any letter case, four-digit year) read as a date; 0 when it is not one.
DateValue DateValueOf(std::string_view text);

// A request-time text such as "10:15:42" read as the time of day; 0 when it is not one.
DateValue TimeValueOf(std::string_view text);
// The same, telling midnight from a text that is not a time.
std::optional<DateValue> ReadTimeOfDay(std::string_view text);

// The calendar day of a date value, or nothing for "no date".
std::optional<std::chrono::sys_days> DayOf(DateValue value);

} // namespace tallywick
