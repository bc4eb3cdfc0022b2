#include "core/views/dateformat.h"

#include <array>
#include <charconv>

namespace tallywick {
namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};

// Zero-padded to at least width digits.
std::string Digits(int value, std::size_t width)
{
    auto text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

std::string_view MonthName(month m)
{
    return kMonthNames[static_cast<unsigned>(m) - 1];
}

// A run of decimal digits, nothing else.
std::optional<int> Number(std::string_view text)
{
    int value = 0;
    const auto end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    return value;
}

} // namespace

std::string FormatDate(sys_days day)
{
    const year_month_day date{day};
    return Digits(static_cast<int>(static_cast<unsigned>(date.month())), 2) + '/' +
           Digits(static_cast<int>(static_cast<unsigned>(date.day())), 2) + '/' +
           Digits(static_cast<int>(date.year()), 4);
}

std::string MonthLabel(year_month month)
{
    const int twoDigitYear = (static_cast<int>(month.year()) % 100 + 100) % 100;
    return std::string(MonthName(month.month()).substr(0, 3)) + ' ' + Digits(twoDigitYear, 2);
}

std::string LongDate(sys_days day)
{
    const year_month_day date{day};
    return std::string(kWeekdayNames[weekday{day}.c_encoding()]) + ", " + std::string(MonthName(date.month())) + ' ' +
           Digits(static_cast<int>(static_cast<unsigned>(date.day())), 2) + ", " +
           Digits(static_cast<int>(date.year()), 4);
}

std::string_view WeekdayAbbreviation(weekday weekday)
{
    return kWeekdayNames[weekday.c_encoding()].substr(0, 3);
}

std::string IsoDay(sys_days day)
{
    const year_month_day date{day};
    return Digits(static_cast<int>(date.year()), 4) + '-' +
           Digits(static_cast<int>(static_cast<unsigned>(date.month())), 2) + '-' +
           Digits(static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

std::optional<sys_days> ReadIsoDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = Number(text.substr(0, 4));
    const auto m = Number(text.substr(5, 2));
    const auto d = Number(text.substr(8, 2));
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date};
}

} // namespace tallywick
