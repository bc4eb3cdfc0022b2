#include "core/views/periodchoice.h"

#include "core/views/dateformat.h"

#include <array>

namespace tallywick {

using namespace std::chrono;

namespace {

struct NamedKind {
    std::string_view name;
    PeriodKind kind;
};
constexpr std::array kNamedKinds = {NamedKind{"All", PeriodKind::All},
                                    NamedKind{"ThisMonth", PeriodKind::ThisMonth},
                                    NamedKind{"LastMonth", PeriodKind::LastMonth},
                                    NamedKind{"Last7", PeriodKind::Last7Days},
                                    NamedKind{"Last30", PeriodKind::Last30Days},
                                    NamedKind{"ThisYear", PeriodKind::ThisYear}};

constexpr std::string_view kCustomSeparator = "..";

} // namespace

PeriodChoice ReadPeriodChoice(std::string_view text)
{
    for (const auto& named : kNamedKinds) {
        if (text == named.name)
            return {named.kind, {}};
    }
    const auto separator = text.find(kCustomSeparator);
    if (separator == std::string_view::npos)
        return {};
    const auto first = ReadIsoDay(text.substr(0, separator));
    const auto last = ReadIsoDay(text.substr(separator + kCustomSeparator.size()));
    if (!first || !last || *last < *first)
        return {};
    return {PeriodKind::Custom, {*first, *last}};
}

std::string PeriodChoiceText(const PeriodChoice& choice)
{
    if (choice.kind == PeriodKind::Custom)
        return IsoDay(choice.custom.first) + std::string(kCustomSeparator) + IsoDay(choice.custom.last);
    for (const auto& named : kNamedKinds) {
        if (named.kind == choice.kind)
            return std::string(named.name);
    }
    return "All";
}

std::optional<DayRange> PeriodDays(const PeriodChoice& choice, sys_days today)
{
    const year_month_day date{today};
    const sys_days monthStart{date.year() / date.month() / 1};
    switch (choice.kind) {
    case PeriodKind::All:
        return std::nullopt;
    case PeriodKind::ThisMonth:
        return DayRange{monthStart, today};
    case PeriodKind::LastMonth:
        return DayRange{AddMonths(monthStart, -1), monthStart - days{1}};
    case PeriodKind::Last7Days:
        return DayRange{today - days{6}, today};
    case PeriodKind::Last30Days:
        return DayRange{today - days{29}, today};
    case PeriodKind::ThisYear:
        return DayRange{sys_days{date.year() / January / 1}, today};
    case PeriodKind::Custom:
        break;
    }
    return choice.custom;
}

} // namespace tallywick
