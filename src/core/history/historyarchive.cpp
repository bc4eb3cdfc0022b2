#include "core/history/historyarchive.h"

#include "core/history/historydate.h"
#include "core/log/logline.h"

#include <charconv>
#include <cstdio>
#include <unordered_set>

namespace tallywick {

using namespace std::chrono;

std::vector<std::string> RecordsPastTimeLimit(const std::vector<std::string>& History, sys_days today, int TimeLimit)
{
    std::vector<std::string> past;
    for (const auto& record : History) {
        if (record.empty())
            continue;
        const auto day = RecordDay(record);
        if (day && !WithinTimeLimit(*day, today, TimeLimit))
            past.push_back(record);
    }
    return past;
}

std::map<year_month, std::vector<std::string>> RecordsByMonth(const std::vector<std::string>& records)
{
    std::map<year_month, std::vector<std::string>> months;
    for (const auto& record : records) {
        if (record.empty())
            continue;
        if (const auto day = RecordDay(record)) {
            const year_month_day date{*day};
            months[date.year() / date.month()].push_back(record);
        }
    }
    return months;
}

std::size_t MergeIntoArchiveMonth(std::vector<std::string>& month, const std::vector<std::string>& records)
{
    std::unordered_set<std::string> held(month.begin(), month.end());
    std::unordered_set<std::string> partialKeys;
    for (const auto& record : month) {
        if (IsPartialDownload(record))
            partialKeys.insert(PartialKey(record));
    }
    std::size_t added = 0;
    for (const auto& record : records) {
        if (record.empty() || held.contains(record))
            continue;
        if (IsPartialDownload(record) && !partialKeys.insert(PartialKey(record)).second)
            continue;
        held.insert(record);
        month.push_back(record);
        ++added;
    }
    return added;
}

std::string ArchiveFileName(year_month month)
{
    char name[16];
    std::snprintf(name, sizeof name, "%04d-%02u.dat", int(month.year()), unsigned(month.month()));
    return name;
}

std::optional<year_month> ArchiveMonthOf(std::string_view fileName)
{
    // yyyy-mm.dat
    if (fileName.size() != 11 || fileName[4] != '-' || fileName.substr(7) != ".dat")
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        const auto* first = fileName.data() + from;
        const auto* end = first + length;
        const auto [ptr, error] = std::from_chars(first, end, value);
        if (error != std::errc{} || ptr != end || *first == '+' || *first == '-')
            return std::nullopt;
        return value;
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    if (!y || !m || *m < 1 || *m > 12)
        return std::nullopt;
    return year{*y} / month{static_cast<unsigned>(*m)};
}

} // namespace tallywick
