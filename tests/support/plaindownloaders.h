#pragma once

// Unique downloaders a day and download sources read plainly: a set of (day, client, agent)
// texts per item, a map of hosts sorted in full. The views must agree with them.

#include "core/history/historydate.h"
#include "core/log/logfields.h"
#include "core/views/downloadsources.h"
#include "core/views/recordrules.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tallywick::plain {

inline std::int64_t UniquePerDay(const std::vector<std::string>& records, const std::string& item)
{
    std::set<std::tuple<long, std::string, std::string>> seen;
    for (const auto& record : records) {
        if (record.empty() || !HoldsItemInRequestPart(record, item))
            continue;
        const auto day = RecordDay(record);
        if (!day)
            continue;
        const auto client = record.substr(0, record.find(' '));
        const auto agent = ReadLogFields(record).userAgent;
        seen.insert({static_cast<long>(day->time_since_epoch().count()), client, std::string(agent.value_or(""))});
    }
    return static_cast<std::int64_t>(seen.size());
}

// Every host with its downloads, most first and ties by name, before any top cut.
inline std::vector<std::pair<std::string, std::int64_t>> AllSources(const std::vector<std::string>& records)
{
    std::map<std::string, std::int64_t> byHost;
    for (const auto& record : records) {
        if (!record.empty())
            ++byHost[SourceHost(ReadLogFields(record).referrer)];
    }
    std::vector<std::pair<std::string, std::int64_t>> sorted(byHost.begin(), byHost.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return sorted;
}

} // namespace tallywick::plain
