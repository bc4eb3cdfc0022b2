#include "core/views/dateformat.h"

#include <array>

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

} // namespace tallywick
