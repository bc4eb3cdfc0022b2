#include "core/views/zerocountdays.h"

#include "core/views/dateformat.h"
#include "core/views/recordrules.h"

#include <algorithm>

namespace tallywick {

using namespace std::chrono;

namespace {

bool IsTrackedRecord(std::string_view record, const std::vector<std::string>& trackedItems)
{
    return std::any_of(trackedItems.begin(), trackedItems.end(),
                       [&](const std::string& item) { return HoldsItemAtMatchStart(record, item); });
}

} // namespace

std::optional<ZeroCountResult> FindZeroCountDays(const std::vector<std::string>& history,
                                                 const std::vector<std::string>& trackedItems, sys_days today)
{
    if (history.empty() || trackedItems.empty())
        return std::nullopt;
    const DayRange period{AddMonths(today, -1) + days{1}, today};
    std::vector<bool> seen(static_cast<std::size_t>((period.last - period.first).count() + 1), false);

    auto latestExamined = period.first;
    for (auto it = history.rbegin(); it != history.rend() && latestExamined >= period.first; ++it) {
        if (it->empty() || !IsTrackedRecord(*it, trackedItems))
            continue;
        const auto day = RecordDay(*it);
        if (!day)
            continue;
        latestExamined = *day;
        if (period.contains(*day))
            seen[static_cast<std::size_t>((*day - period.first).count())] = true;
    }

    ZeroCountResult result{period, {}};
    for (auto day = period.first; day <= period.last; day += days{1}) {
        if (!seen[static_cast<std::size_t>((day - period.first).count())])
            result.days.push_back(day);
    }
    return result;
}

std::string ZeroCountText(const std::vector<sys_days>& days)
{
    std::string text;
    for (const auto day : days)
        text += FormatDate(day) + "\r\n";
    return text;
}

} // namespace tallywick
