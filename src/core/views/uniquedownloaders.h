#pragma once

#include "core/views/period.h"
#include "core/views/recordrules.h"

#include <algorithm>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tallywick {

// Unique downloaders a day: on each day, the distinct pairs of client and user agent that
// downloaded, summed over the days. One person fetching a file three times on a day counts once;
// the same person on two days counts twice. A line without a user agent (the Common format) has
// an empty one.
class DailyDownloaders {
public:
    // Counts the record's downloader on that day unless it was counted there already. The
    // record's text must outlive this object.
    void add(std::chrono::sys_days day, std::string_view record);
    std::int64_t count() const { return static_cast<std::int64_t>(seen_.size()); }

private:
    struct Downloader {
        std::int64_t day;
        std::string_view client;
        std::string_view agent;
        bool operator==(const Downloader&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Downloader& downloader) const;
    };
    std::unordered_set<Downloader, Hash> seen_;
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
    for (const auto& month : months)
        counts.push_back(month.count());
    return counts;
}

// Per item (in the order given), the unique downloaders a day of the records dated in the
// period that hold the item in their request part; undatable records are not counted.
std::vector<std::int64_t> UniquePerDay(const std::vector<std::string_view>& records,
                                       const std::vector<std::string>& items, const Period& period = {});

} // namespace tallywick
