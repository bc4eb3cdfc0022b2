#include "core/views/filechart.h"

#include "core/views/recordrules.h"
#include "core/views/shortfilelabel.h"

namespace tallywick {

using namespace std::chrono;

DayRange SetTimeSpanRange(TimeSpan span, sys_days day)
{
    const year_month_day date{day};
    switch (span) {
    case TimeSpan::Week: {
        const sys_days sunday = day - days{weekday{day}.c_encoding()};
        return {sunday, sunday + days{6}};
    }
    case TimeSpan::Month:
        return {sys_days{date.year() / date.month() / 1}, sys_days{date.year() / date.month() / last}};
    case TimeSpan::Year:
        return {sys_days{date.year() / January / 1}, sys_days{date.year() / December / 31}};
    case TimeSpan::Day:
        break;
    }
    return {day, day};
}

std::vector<std::int64_t> CountFileHits(const std::vector<std::string>& history,
                                        const std::vector<std::string>& trackedItems, DayRange range)
{
    std::vector<std::int64_t> counts(trackedItems.size(), 0);
    if (trackedItems.empty())
        return counts;
    for (const auto& record : history) {
        if (record.empty())
            continue;
        const auto day = RecordDay(record);
        if (!day || !range.contains(*day))
            continue;
        const auto requestStart = RequestPartStart(record);
        for (std::size_t i = 0; i < trackedItems.size(); ++i) {
            if (FindText(requestStart, record, trackedItems[i]) > 0)
                ++counts[i];
        }
    }
    return counts;
}

FileChartResult FileChart(const std::vector<std::string>& history, const std::vector<std::string>& trackedItems,
                          TimeSpan span, sys_days day, sys_days today)
{
    FileChartResult result;
    result.range = SetTimeSpanRange(span, day);
    result.today = today;
    const auto counts = CountFileHits(history, trackedItems, result.range);
    result.categories.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        result.categories.push_back({std::string(ShortFileLabel(trackedItems[i])), static_cast<double>(counts[i])});
        result.total += counts[i];
    }
    return result;
}

} // namespace tallywick
