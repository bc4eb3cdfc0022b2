#pragma once

#include "core/history/historydate.h"
#include "core/views/calendar.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// A run of days chosen by the user; either end may be open. Records are taken by their own
// date (RecordDay), both ends included.
struct Period {
    std::optional<std::chrono::sys_days> from;
    std::optional<std::chrono::sys_days> to;

    bool isAll() const { return !from && !to; }
    bool contains(std::chrono::sys_days day) const { return (!from || *from <= day) && (!to || day <= *to); }
    friend bool operator==(const Period&, const Period&) = default;
};

inline Period PeriodOf(DayRange range)
{
    return {range.first, range.last};
}

// The non-empty records dated in the period, in their order. With no period every non-empty
// record is taken; with one, a record whose date cannot be read is left out.
template <class Records>
std::vector<std::string> RecordsInPeriod(const Records& records, const Period& period)
{
    std::vector<std::string> taken;
    for (const auto& record : records) {
        if (std::string_view(record).empty())
            continue;
        if (!period.isAll()) {
            const auto day = RecordDay(record);
            if (!day || !period.contains(*day))
                continue;
        }
        taken.emplace_back(record);
    }
    return taken;
}

// The days a view shows for the period: its own ends, an open end closed by the records' span
// (the first or last dated record); nothing when an end stays open.
std::optional<DayRange> ClosedPeriod(const Period& period, const std::optional<DayRange>& recordSpan);

} // namespace tallywick
