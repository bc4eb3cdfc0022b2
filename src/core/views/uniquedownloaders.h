#pragma once

#include "core/views/period.h"
#include "core/views/recordrules.h"

#include <algorithm>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tallywick {

// Unique downloaders a day: on each day, the distinct pairs of client and user agent that
// downloaded, summed over the days. One person fetching a file three times on a day counts once;
// the same person on two days counts twice. A line without a user agent (the Common format) has
// an empty one.
class DailyDownloaders {
public:
    // Notes the record's downloader on that day. The record's text must outlive this object.
    void add(std::chrono::sys_days day, std::string_view record);
    // The distinct downloaders of each day, added up.
    std::int64_t count();

private:
    // Each client and each agent text gets a number once; a downloader on a day is three numbers,
    // kept in a list that is sorted and made unique when counted: a million downloads are
    // counted without a hash of their texts each.
    struct Downloader {
        std::int64_t day;
        std::uint32_t client;
        std::uint32_t agent;
        auto operator<=>(const Downloader&) const = default; // NOLINT(modernize-use-nullptr): tidy's misreading
    };
    static std::uint32_t numberOf(std::unordered_map<std::string_view, std::uint32_t>& numbers, std::string_view text);

    std::unordered_map<std::string_view, std::uint32_t> clients_;
    std::unordered_map<std::string_view, std::uint32_t> agents_;
    std::vector<Downloader> seen_;
    std::size_t unique_ = 0; // the front of seen_ that is sorted and unique
};

// Per month of monthCount consecutive months from firstMonth, the unique downloaders a day of
// the records dated in the period that hold the item in their request part.
template <class Records>
std::vector<std::int64_t> UniquePerDayByMonth(const Records& records, std::string_view item,
                                              std::chrono::year_month firstMonth, int monthCount,
                                              const Period& period = {})
{
    std::vector<DailyDownloaders> months(static_cast<std::size_t>(std::max(monthCount, 0)));
    for (const auto& record : records) {
        const std::string_view text = record;
        if (text.empty() || !HoldsItemInRequestPart(text, item))
            continue;
        const auto day = RecordDay(text);
        if (!day || !period.contains(*day))
            continue;
        const std::chrono::year_month_day date{*day};
        const auto index = (date.year() / date.month() - firstMonth).count();
        if (index >= 0 && index < monthCount)
            months[static_cast<std::size_t>(index)].add(*day, text);
    }
    std::vector<std::int64_t> counts;
    counts.reserve(months.size());
    for (auto& month : months)
        counts.push_back(month.count());
    return counts;
}

// Per item (in the order given), the unique downloaders a day of the records dated in the
// period that hold the item in their request part; undatable records are not counted.
std::vector<std::int64_t> UniquePerDay(const std::vector<std::string_view>& records,
                                       const std::vector<std::string>& items, const Period& period = {});

} // namespace tallywick
