#include "core/history/historyend.h"

#include "core/history/historydate.h"
#include "core/log/logline.h"

#include <string_view>
#include <unordered_set>

namespace tallywick {

using namespace std::chrono;

HistoryEnd EndOf(const std::vector<std::string>& History)
{
    HistoryEnd end;
    end.ascending = true;
    for (std::size_t i = 0; i < History.size(); ++i) {
        const auto day = History[i].empty() ? std::nullopt : RecordDay(History[i]);
        if (!day)
            return {};
        if (end.lastDay && *day < *end.lastDay)
            return {};
        if (!end.firstDay)
            end.firstDay = day;
        if (day != end.lastDay) {
            end.lastDay = day;
            end.lastDayBegin = i;
        }
    }
    return end;
}

std::optional<AppendPlan> PlanAppend(const HistoryEnd& end, std::span<const std::string> lastDayRecords,
                                     std::size_t historySize, const CollectedHits& collected, std::size_t from)
{
    if (!end.ascending)
        return std::nullopt;
    const std::unordered_set<std::string_view> lastDay(lastDayRecords.begin(), lastDayRecords.end());
    AppendPlan plan{{}, end};
    for (std::size_t i = from; i < collected.size(); ++i) {
        const std::string_view line = collected[i];
        const auto day = RecordDay(line);
        if (!day)
            return std::nullopt;
        if (day == end.lastDay && lastDay.contains(line))
            continue;
        if (plan.end.lastDay && *day < *plan.end.lastDay)
            return std::nullopt;
        if (!plan.end.firstDay)
            plan.end.firstDay = day;
        if (day != plan.end.lastDay) {
            plan.end.lastDay = day;
            plan.end.lastDayBegin = historySize + plan.appended.size();
        }
        plan.appended.push_back(i);
    }
    return plan;
}

std::optional<std::vector<std::size_t>> AppendCollectedHits(std::vector<std::string>& History, HistoryEnd& end,
                                                            const CollectedHits& collected, std::size_t from)
{
    const std::span<const std::string> lastDayRecords(History.data() + end.lastDayBegin,
                                                      History.size() - end.lastDayBegin);
    auto plan = PlanAppend(end, lastDayRecords, History.size(), collected, from);
    if (!plan)
        return std::nullopt;
    History.reserve(History.size() + plan->appended.size());
    for (const auto i : plan->appended)
        History.emplace_back(collected[i]);
    end = plan->end;
    return std::move(plan->appended);
}

std::vector<std::size_t> DuplicatePartialsAmongAppended(std::span<const std::string> lastDayRecords,
                                                        const CollectedHits& collected,
                                                        const std::vector<std::size_t>& appended)
{
    std::unordered_set<std::string> keys;
    for (const auto& record : lastDayRecords) {
        if (IsPartialDownload(record))
            keys.insert(PartialKey(record));
    }
    std::vector<std::size_t> duplicates;
    for (const auto i : appended) {
        const std::string_view line = collected[i];
        if (IsPartialDownload(line) && !keys.insert(PartialKey(line)).second)
            duplicates.push_back(i);
    }
    return duplicates;
}

} // namespace tallywick
