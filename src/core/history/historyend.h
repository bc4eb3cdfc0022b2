#pragma once

#include "core/search/collectedhits.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tallywick {

// What a merge needs to know of a history to add records at its end without reading the rest of
// it: whether every record is dated (none empty) and the days ascend, and its first and last day.
struct HistoryEnd {
    bool ascending = false;
    std::optional<std::chrono::sys_days> firstDay; // none for an empty history
    std::optional<std::chrono::sys_days> lastDay;
    std::size_t lastDayBegin = 0; // where the records of lastDay begin
    bool operator==(const HistoryEnd&) const = default;
};

// One pass over the history.
HistoryEnd EndOf(const std::vector<std::string>& History);

// The merge of the collected lines from `from` on (those before it are held by the history) when
// it does nothing but append: every line the history does not hold is dated no earlier than the
// last day, or than the line appended before it, so that the history stays in order and nothing
// is sorted. A line can only equal a record of its own day, so only the last day's records are
// compared. Nothing when the merge would do more (a line of an earlier day or without a date, or
// a history out of order): MergeCollectedHits does it then, with the same outcome as this.
struct AppendPlan {
    std::vector<std::size_t> appended; // positions in collected, in collected order
    HistoryEnd end;                    // the history's end once they are appended
};
std::optional<AppendPlan> PlanAppend(const HistoryEnd& end, std::span<const std::string> lastDayRecords,
                                     std::size_t historySize, const CollectedHits& collected, std::size_t from);

// PlanAppend carried out on a history in memory; end follows it.
std::optional<std::vector<std::size_t>> AppendCollectedHits(std::vector<std::string>& History, HistoryEnd& end,
                                                            const CollectedHits& collected, std::size_t from);

// Of the appended lines, those the closing's removal of duplicate partial downloads would drop:
// a partial download whose key a record of the last day or an earlier appended line already has
// (keys hold the date, so no record of another day shares one). For a history that holds no
// duplicate partial downloads itself.
std::vector<std::size_t> DuplicatePartialsAmongAppended(std::span<const std::string> lastDayRecords,
                                                        const CollectedHits& collected,
                                                        const std::vector<std::size_t>& appended);

} // namespace tallywick
