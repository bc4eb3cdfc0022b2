#include "core/log/datevalue.h"

#include <array>

namespace tallywick {
namespace {

using namespace std::chrono;

// Reads a field of min..max decimal digits and nothing else.
std::optional<int> ReadDigits(std::string_view text, std::size_t minDigits, std::size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::optional<unsigned> MonthOf(std::string_view name)
{
    static constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                                 "jul", "aug", "sep", "oct", "nov", "dec"};
    if (name.size() != 3)
        return std::nullopt;
    for (unsigned m = 0; m < kMonths.size(); ++m) {
        const auto& month = kMonths[m];
        if (Lower(name[0]) == month[0] && Lower(name[1]) == month[1] && Lower(name[2]) == month[2])
            return m + 1;
    }
    return std::nullopt;
}

// Splits "a<sep>b<sep>c" into exactly three fields.
std::optional<std::array<std::string_view, 3>> SplitThree(std::string_view text, char separator)
{
    const auto first = text.find(separator);
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto second = text.find(separator, first + 1);
    if (second == std::string_view::npos || text.find(separator, second + 1) != std::string_view::npos)
        return std::nullopt;
    return std::array{text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
}

} // namespace

DateValue DateValueOf(std::string_view text)
{
    const auto fields = SplitThree(text, '/');
    if (!fields)
        return {};
    const auto dayNumber = ReadDigits((*fields)[0], 1, 2);
    const auto monthNumber = MonthOf((*fields)[1]);
    const auto yearNumber = ReadDigits((*fields)[2], 4, 4);
    if (!dayNumber || !monthNumber || !yearNumber)
        return {};
    const year_month_day date{year{*yearNumber}, month{*monthNumber}, day{static_cast<unsigned>(*dayNumber)}};
    if (!date.ok())
        return {};
    return DateValue::fromDay(sys_days{date});
}

DateValue TimeValueOf(std::string_view text)
{
    return ReadTimeOfDay(text).value_or(DateValue{});
}

std::optional<DateValue> ReadTimeOfDay(std::string_view text)
{
    const auto fields = SplitThree(text, ':');
    if (!fields)
        return {};
    const auto hours = ReadDigits((*fields)[0], 1, 2);
    const auto minutes = ReadDigits((*fields)[1], 1, 2);
    const auto seconds = ReadDigits((*fields)[2], 1, 2);
    if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    return DateValue::fromSeconds(*hours * 3600 + *minutes * 60 + *seconds);
}

std::optional<sys_days> DayOf(DateValue value)
{
    if (!value.isDate())
        return std::nullopt;
    return value.day();
}

} // namespace tallywick
