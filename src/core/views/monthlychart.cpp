#include "core/views/monthlychart.h"

#include "core/views/dateformat.h"
#include "core/views/historyspan.h"
#include "core/views/recordrules.h"

#include <algorithm>

namespace tallywick {

using namespace std::chrono;

std::vector<std::int64_t> CountMonth(const std::vector<std::string>& history, std::string_view item,
                                     year_month firstMonth, int monthCount)
{
    std::vector<std::int64_t> counts(static_cast<std::size_t>(std::max(monthCount, 0)), 0);
    for (const auto& record : history) {
        if (record.empty())
            continue;
        const auto day = RecordDay(record);
        if (!day)
            continue;
        const year_month_day date{*day};
        const auto index = (date.year() / date.month() - firstMonth).count();
        if (index >= 0 && index < monthCount && HoldsItemInRequestPart(record, item))
            ++counts[static_cast<std::size_t>(index)];
    }
    return counts;
}

MonthlyChartResult MonthlyChart(const std::vector<std::string>& history, const std::vector<std::string>& trackedItems,
                                std::size_t selected, int timeLimit, sys_days today)
{
    const int monthCount = ValidTimeLimit(timeLimit);
    const year_month_day todayDate{today};
    const year_month currentMonth = todayDate.year() / todayDate.month();
    const year_month firstMonth = currentMonth - months{monthCount - 1};

    const auto counts = CountMonth(history, SelectedItem(trackedItems, selected).value_or(""), firstMonth, monthCount);

    MonthlyChartResult result;
    result.firstMonth = firstMonth;
    result.categories.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        result.categories.push_back(
            {MonthLabel(firstMonth + months{static_cast<int>(i)}), static_cast<double>(counts[i])});
        result.total += counts[i];
    }
    result.span = HistorySpan(history);
    result.today = today;
    return result;
}

} // namespace tallywick
