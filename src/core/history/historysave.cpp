#include "core/history/historysave.h"

#include "core/history/historydate.h"

#include <optional>

namespace tallywick {

using namespace std::chrono;

HistorySavePlan PlanHistorySave(const std::vector<std::string>& History, sys_days today, int TimeLimit)
{
    HistorySavePlan plan;
    plan.records.reserve(History.size());
    std::optional<sys_days> previous;
    for (std::size_t i = 0; i < History.size(); ++i) {
        const auto& record = History[i];
        if (record.empty())
            continue;
        const auto day = RecordDay(record);
        if (day) {
            if (!WithinTimeLimit(*day, today, TimeLimit))
                continue;
            if (previous && *day < *previous)
                plan.NeedSort = true;
            previous = day;
        }
        plan.records.push_back(i);
    }
    return plan;
}

} // namespace tallywick
