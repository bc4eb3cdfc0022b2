#include "core/history/addedrecords.h"

#include "core/history/historydate.h"

#include <string_view>
#include <unordered_set>

namespace tallywick {

AddedRecordsFate FateOfAddedRecords(const CollectedHits& collected, const std::vector<std::size_t>& appended,
                                    const std::vector<std::string>& savedHistory, std::chrono::sys_days today,
                                    int TimeLimit)
{
    AddedRecordsFate fate;
    const std::unordered_set<std::string_view> saved(savedHistory.begin(), savedHistory.end());
    for (const auto i : appended) {
        const std::string_view line = collected[i];
        const auto day = RecordDay(line);
        if (day && !WithinTimeLimit(*day, today, TimeLimit))
            ++fate.expired;
        else if (saved.contains(line))
            ++fate.kept;
    }
    return fate;
}

} // namespace tallywick
