#include "core/history/historydate.h"

#include "core/log/logline.h"

namespace tallywick {

using namespace std::chrono;

std::optional<sys_days> RecordDay(std::string_view record)
{
    return DayOf(RecordDate(record));
}

DateValue HistoryItemDate(const std::vector<std::string>& History, std::size_t index)
{
    if (index < 1 || index > History.size())
        return {};
    return RecordDate(History[index - 1]);
}

std::int64_t MonthsBefore(sys_days day, sys_days today)
{
    const year_month_day from{day};
    const year_month_day to{today};
    const auto monthIndex = [](const year_month_day& date) {
        return std::int64_t{int(date.year())} * 12 + unsigned(date.month());
    };
    return monthIndex(to) - monthIndex(from);
}

bool WithinTimeLimit(sys_days day, sys_days today, int TimeLimit)
{
    return MonthsBefore(day, today) < TimeLimit;
}

std::size_t CountDatedAfter(const std::vector<std::string>& records, sys_days today)
{
    std::size_t count = 0;
    for (const auto& record : records) {
        const auto day = RecordDay(record);
        if (day && *day > today)
            ++count;
    }
    return count;
}

} // namespace tallywick
