#include "core/views/periodcomparison.h"

#include "core/views/recordrules.h"
#include "core/views/uniquedownloaders.h"

#include <algorithm>

namespace tallywick {

using namespace std::chrono;

ComparedPeriods PeriodsToCompare(ComparedSpan span, sys_days day)
{
    const year_month_day date{day};
    switch (span) {
    case ComparedSpan::Week: {
        // c_encoding: Sunday 0; the week starts on Monday.
        const auto sinceMonday = (weekday{day}.c_encoding() + 6) % 7;
        const sys_days monday = day - days{sinceMonday};
        return {{monday, day}, {monday - weeks{1}, day - weeks{1}}};
    }
    case ComparedSpan::Month: {
        const sys_days first{date.year() / date.month() / 1};
        return {{first, day}, {AddMonths(first, -1), AddMonths(day, -1)}};
    }
    case ComparedSpan::Year:
        break;
    }
    const sys_days first{date.year() / January / 1};
    return {{first, day}, {AddMonths(first, -12), AddMonths(day, -12)}};
}

std::optional<double> ChangePercent(std::int64_t now, std::int64_t before)
{
    if (before == 0)
        return std::nullopt;
    return static_cast<double>(now - before) * 100.0 / static_cast<double>(before);
}

PeriodComparison ComparePeriods(const std::vector<std::string_view>& records,
                                const std::vector<std::string>& trackedItems, ComparedSpan span, sys_days day)
{
    PeriodComparison result{PeriodsToCompare(span, day), {}};
    for (const auto& item : trackedItems) {
        if (std::none_of(result.items.begin(), result.items.end(),
                         [&](const ItemComparison& compared) { return compared.item == item; }))
            result.items.push_back({item, 0, 0, 0, std::nullopt, 0, 0});
    }
    const auto& periods = result.periods;
    std::vector<DailyDownloaders> currentDownloaders(result.items.size());
    std::vector<DailyDownloaders> previousDownloaders(result.items.size());
    for (const auto record : records) {
        if (record.empty())
            continue;
        const auto recordDay = RecordDay(record);
        if (!recordDay)
            continue;
        const bool current = periods.current.contains(*recordDay);
        if (!current && !periods.previous.contains(*recordDay))
            continue;
        const auto requestStart = RequestPartStart(record);
        for (std::size_t i = 0; i < result.items.size(); ++i) {
            if (FindText(requestStart, record, result.items[i].item) == 0)
                continue;
            if (current) {
                ++result.items[i].current;
                currentDownloaders[i].add(*recordDay, record);
            } else {
                ++result.items[i].previous;
                previousDownloaders[i].add(*recordDay, record);
            }
        }
    }
    for (std::size_t i = 0; i < result.items.size(); ++i) {
        auto& compared = result.items[i];
        compared.change = compared.current - compared.previous;
        compared.changePercent = ChangePercent(compared.current, compared.previous);
        compared.currentUnique = currentDownloaders[i].count();
        compared.previousUnique = previousDownloaders[i].count();
    }
    return result;
}

} // namespace tallywick
