#include "core/views/alltimemonthlychart.h"

#include "core/views/dateformat.h"
#include "core/views/recordrules.h"

#include <algorithm>

namespace tallywick {

using namespace std::chrono;

MonthlyChartResult AllTimeMonthlyChart(const std::vector<std::string_view>& records,
                                       const std::vector<std::string>& trackedItems, std::size_t selected,
                                       int timeLimit, sys_days today)
{
    const year_month_day todayDate{today};
    const year_month currentMonth = todayDate.year() / todayDate.month();
    year_month firstMonth = currentMonth - months{ValidTimeLimit(timeLimit) - 1};
    const year_month earliestShown = currentMonth - months{kMaxAllTimeMonths - 1};

    struct Dated {
        std::string_view record;
        sys_days day;
    };
    std::vector<Dated> dated;
    dated.reserve(records.size());
    MonthlyChartResult result;
    for (const auto record : records) {
        const auto day = RecordDay(record);
        if (!day)
            continue;
        dated.push_back({record, *day});
        const year_month_day date{*day};
        firstMonth = std::clamp(date.year() / date.month(), earliestShown, firstMonth);
        if (!result.span)
            result.span = DayRange{*day, *day};
        result.span->first = std::min(result.span->first, *day);
        result.span->last = std::max(result.span->last, *day);
    }

    const auto monthCount = (currentMonth - firstMonth).count() + 1;
    std::vector<std::int64_t> counts(static_cast<std::size_t>(monthCount), 0);
    const auto item = SelectedItem(trackedItems, selected).value_or("");
    for (const auto& entry : dated) {
        const year_month_day date{entry.day};
        const auto index = (date.year() / date.month() - firstMonth).count();
        if (index >= 0 && index < monthCount && HoldsItemInRequestPart(entry.record, item))
            ++counts[static_cast<std::size_t>(index)];
    }

    result.firstMonth = firstMonth;
    result.categories.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        result.categories.push_back(
            {MonthLabel(firstMonth + months{static_cast<int>(i)}), static_cast<double>(counts[i])});
        result.total += counts[i];
    }
    result.today = today;
    return result;
}

} // namespace tallywick
