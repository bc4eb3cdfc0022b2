#pragma once

#include "cli/json.h"
#include "core/history/alltimerecords.h"
#include "core/views/calendar.h"
#include "core/views/chartcategory.h"
#include "core/views/downloadsources.h"
#include "core/views/periodcomparison.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallywick::cli {

// What a history view shows, gathered for the terminal and for JSON. Each part is present only
// where the view's window has it.
struct ViewOutput {
    bool computed = true;
    std::string notComputedReason;
    std::vector<std::string> captions; // fixed texts above the result, e.g. "Search String: ..."
    std::optional<std::string> text;   // text views
    std::optional<std::int64_t> hits;  // views with a hit label
    bool hasRange = false;             // views with From/To labels
    std::optional<std::chrono::sys_days> from;
    std::optional<std::chrono::sys_days> to;
    std::optional<std::chrono::sys_days> today; // chart views
    std::optional<std::vector<ChartCategory>> categories;
    std::optional<std::int64_t> total;                      // month and file charts
    std::optional<std::vector<std::chrono::sys_days>> days; // zero-count days
    // per zero-count day: a report covered it, none did, or unknown; only with "coverage.dat"
    std::optional<std::vector<std::optional<bool>>> covered;
    std::optional<std::vector<AllTimeTotal>> totals;       // all-time totals per tracked item
    std::optional<std::vector<std::int64_t>> uniquePerDay; // per entry of totals
    std::optional<std::string> comparedSpan;               // "week", "month" or "year"
    std::optional<PeriodComparison> comparison;
    std::optional<DownloadSourcesResult> sources;

    // The view has From/To labels, showing range when there is one.
    void showRange(const std::optional<DayRange>& range)
    {
        hasRange = true;
        if (range) {
            from = range->first;
            to = range->last;
        }
    }
};

Json ToJson(const ViewOutput& view);
void WriteText(const ViewOutput& view, std::ostream& out);

// One chart row: the label, a bar of block characters scaled to the largest value, the value.
std::string ChartRow(const ChartCategory& category, double largest, std::size_t labelWidth);

} // namespace tallywick::cli
