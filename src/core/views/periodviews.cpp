#include "core/views/periodviews.h"

#include "core/views/alltimemonthlychart.h"
#include "core/views/dateformat.h"
#include "core/views/historyspan.h"
#include "core/views/recordrules.h"

#include <algorithm>

namespace tallywick {

using namespace std::chrono;

HistoryTextResult HistoryTextInPeriod(const std::vector<std::string>& records, std::optional<std::string_view> item,
                                      const Period& period)
{
    if (period.isAll())
        return HistoryText(records, item);
    const auto taken = RecordsInPeriod(records, period);
    auto result = HistoryText(taken, item);
    result.span = ClosedPeriod(period, result.span);
    return result;
}

MonthlyChartResult MonthlyChartInPeriod(const std::vector<std::string>& records,
                                        const std::vector<std::string>& trackedItems, std::size_t selected,
                                        const Period& period, int timeLimit, sys_days today)
{
    if (period.isAll())
        return MonthlyChart(records, trackedItems, selected, timeLimit, today);
    const year_month_day todayDate{today};
    const year_month currentMonth = todayDate.year() / todayDate.month();
    const auto monthOf = [](sys_days day) {
        const year_month_day date{day};
        return date.year() / date.month();
    };
    const year_month lastMonth = period.to ? monthOf(*period.to) : currentMonth;
    year_month firstMonth = period.from ? monthOf(*period.from) : currentMonth - months{ValidTimeLimit(timeLimit) - 1};
    firstMonth = std::max(firstMonth, lastMonth - months{kMaxAllTimeMonths - 1});
    const int monthCount = std::max(0, static_cast<int>((lastMonth - firstMonth).count()) + 1);

    const auto taken = RecordsInPeriod(records, period);
    const auto counts = CountMonth(taken, SelectedItem(trackedItems, selected).value_or(""), firstMonth, monthCount);
    MonthlyChartResult result;
    result.firstMonth = firstMonth;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        result.categories.push_back(
            {MonthLabel(firstMonth + months{static_cast<int>(i)}), static_cast<double>(counts[i])});
        result.total += counts[i];
    }
    result.span = ClosedPeriod(period, HistorySpan(taken));
    result.today = today;
    return result;
}

} // namespace tallywick
