#include "core/history/historyorder.h"

#include "core/history/historydate.h"

#include <algorithm>
#include <cstdint>

namespace tallywick {

using namespace std::chrono;

bool IsHistoryOutOfOrder(const std::vector<std::string>& History)
{
    std::optional<sys_days> previous;
    for (const auto& record : History) {
        if (record.empty())
            continue;
        const auto day = RecordDay(record);
        if (!day)
            continue;
        if (previous && *day < *previous)
            return true;
        previous = day;
    }
    return false;
}

std::size_t SortHistory(std::vector<std::string>& History, sys_days today, int TimeLimit, const UpkeepStatus& status,
                        std::vector<std::string>* removedForAge)
{
    if (History.empty())
        return 0;
    Announce(status, {.kind = UpkeepNotice::Kind::Sorting});

    struct Dated {
        std::int64_t day;
        std::size_t index;
    };
    std::vector<Dated> kept;
    std::size_t future = 0;
    kept.reserve(History.size());
    for (std::size_t i = 0; i < History.size(); ++i) {
        if (History[i].empty())
            continue;
        const auto day = RecordDay(History[i]);
        if (day && WithinTimeLimit(*day, today, TimeLimit)) {
            kept.push_back({day->time_since_epoch().count(), i});
            if (*day > today)
                ++future;
        } else if (day && removedForAge) {
            removedForAge->push_back(History[i]);
        }
    }
    // One stable sort by day gives exactly what walking the window day by day would.
    std::stable_sort(kept.begin(), kept.end(), [](const Dated& a, const Dated& b) { return a.day < b.day; });

    std::vector<std::string> sorted;
    sorted.reserve(kept.size());
    for (const auto& entry : kept)
        sorted.push_back(std::move(History[entry.index]));
    const std::size_t dropped = History.size() - sorted.size();
    History = std::move(sorted);
    Announce(status,
             {.kind = UpkeepNotice::Kind::Sorted, .kept = History.size(), .removed = dropped, .future = future});
    return dropped;
}

} // namespace tallywick
