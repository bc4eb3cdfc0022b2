#include "core/views/dailytext.h"

#include "core/views/recordrules.h"
#include "core/views/viewtext.h"

namespace tallywick {

using namespace std::chrono;

DailyDatePicker DailyDateRange(sys_days today, int timeLimit)
{
    return {today - days{1}, AddMonths(today, -ValidTimeLimit(timeLimit)), today};
}

std::optional<DailyTextResult> DailyText(const std::vector<std::string>& history,
                                         const std::vector<std::string>& trackedItems, std::size_t selected,
                                         sys_days day)
{
    const auto item = SelectedItem(trackedItems, selected);
    if (history.empty() || !item)
        return std::nullopt;
    DailyTextResult result;
    for (const auto& record : history) {
        if (record.empty() || RecordDay(record) != day)
            continue;
        if (HoldsItemAtMatchStart(record, *item))
            AppendRecord(result.text, record, result.hits);
    }
    return result;
}

} // namespace tallywick
