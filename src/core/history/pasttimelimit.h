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

} // namespace tallywick
