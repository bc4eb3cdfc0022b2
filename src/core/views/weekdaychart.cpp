#include "core/views/weekdaychart.h"

#include "core/views/dateformat.h"
#include "core/views/historyspan.h"
#include "core/views/recordrules.h"

namespace tallywick {

using namespace std::chrono;

namespace {

WeekdayValues WeekdayValuesOver(const std::vector<std::string>& records, std::string_view item, WeekdayMeasure measure,
                                const std::optional<DayRange>& range)
{
    WeekdayValues result;
    result.range = range;
    if (result.range)
        result.occurrences = CountWeekdays(*result.range);

    WeekdayCounts totals{};
    for (const auto& record : records) {
        if (record.empty() || !HoldsItemAtMatchStart(record, item))
            continue;
        if (const auto day = RecordDay(record)) {
            ++totals[weekday{*day}.c_encoding()];
            ++result.hits;
        }
    }
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const auto total = static_cast<double>(totals[i]);
        if (measure == WeekdayMeasure::Total)
            result.values[i] = total;
        else if (result.occurrences[i] > 0)
            result.values[i] = total / static_cast<double>(result.occurrences[i]);
    }
    return result;
}

} // namespace

WeekdayCounts CountWeekdays(DayRange range)
{
    WeekdayCounts counts{};
    const auto dayCount = (range.last - range.first).count() + 1;
    if (dayCount <= 0)
        return counts;
    const auto firstWeekday = weekday{range.first}.c_encoding();
    for (unsigned i = 0; i < counts.size(); ++i) {
        // Every whole week holds each weekday once; the rest holds the first few from the start.
        const auto offset = (i + 7 - firstWeekday) % 7;
        counts[i] = dayCount / 7 + (static_cast<std::int64_t>(offset) < dayCount % 7 ? 1 : 0);
    }
    return counts;
}

std::optional<WeekdayValues> ComputeWeekdayValues(const std::vector<std::string>& history,
                                                  const std::vector<std::string>& trackedItems, std::size_t selected,
                                                  WeekdayMeasure measure, const Period& period)
{
    const auto item = SelectedItem(trackedItems, selected);
    if (history.empty() || !item)
        return std::nullopt;
    if (period.isAll())
        return WeekdayValuesOver(history, *item, measure, HistorySpan(history));
    const auto taken = RecordsInPeriod(history, period);
    return WeekdayValuesOver(taken, *item, measure, ClosedPeriod(period, HistorySpan(taken)));
}

std::optional<WeekdayChartResult> WeekdayChart(const std::vector<std::string>& history,
                                               const std::vector<std::string>& trackedItems, std::size_t selected,
                                               WeekdayMeasure measure, sys_days today, const Period& period)
{
    auto values = ComputeWeekdayValues(history, trackedItems, selected, measure, period);
    if (!values)
        return std::nullopt;
    WeekdayChartResult result{std::move(*values), {}, today};
    for (unsigned i = 0; i < 7; ++i)
        result.categories.push_back({std::string(WeekdayAbbreviation(weekday{i})), result.weekdays.values[i]});
    return result;
}

} // namespace tallywick
