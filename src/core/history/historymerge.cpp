#include "core/history/historymerge.h"

#include "core/history/historyorder.h"

#include <string_view>
#include <unordered_set>

namespace tallywick {

MergeResult MergeCollectedHits(std::vector<std::string>& History, const CollectedHits& collected,
                               std::chrono::sys_days today, int TimeLimit, const UpkeepStatus& status)
{
    MergeResult result;
    // One pass over History against the collected lines' own index.
    std::unordered_set<std::string_view> held;
    if (!collected.empty()) {
        for (const auto& record : History) {
            if (collected.contains(record))
                held.insert(record);
        }
    }
    for (std::size_t i = 0; i < collected.size(); ++i) {
        if (!held.contains(collected[i]))
            result.appended.push_back(i);
    }
    // History may reallocate below: the views into it are done with.
    held.clear();
    History.reserve(History.size() + result.appended.size());
    for (const auto i : result.appended)
        History.emplace_back(collected[i]);

    if (IsHistoryOutOfOrder(History)) {
        SortHistory(History, today, TimeLimit, status, &result.removedForAge);
        result.sorted = true;
    }
    return result;
}

} // namespace tallywick
