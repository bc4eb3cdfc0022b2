#pragma once

#include "core/history/historydate.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace tallywick {

// The dated records older than the time limit: the next save leaves them out of the history
// (into the archive). Works on the history and on the collected downloads alike.
template <class Records>
std::size_t CountPastTimeLimit(const Records& records, std::chrono::sys_days today, int TimeLimit)
{
    std::size_t count = 0;
    for (const auto& record : records) {
        const auto day = RecordDay(record);
        if (day && !WithinTimeLimit(*day, today, TimeLimit))
            ++count;
    }
    return count;
}

// Said after a search that collected such downloads: without it they show in the views for
// the session and are gone after the save, without a word.
// "774 downloads are older than the history time limit (12 months) and leave the history at
// the next save"
std::string PastTimeLimitStatusText(std::size_t count, int TimeLimit);

// What the History Time Limit dialog says of the chosen value before OK.
std::string TimeLimitRemovalText(std::size_t count);

} // namespace tallywick
