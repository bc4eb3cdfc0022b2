#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Which days the searched reports covered, so that a day without downloads can be told from a
// day for which no report was ever read.
struct ReportCoverage {
    // Days from this one on that no report covered are known to have had no log. Before it the
    // history was kept without this record, so an uncovered day there is unknown.
    std::chrono::sys_days knownFrom;
    std::vector<std::chrono::sys_days> days; // covered days, ascending, each once
};

enum class DayCoverage { Covered, NoLog, Unknown };

DayCoverage CoverageOf(const ReportCoverage& coverage, std::chrono::sys_days day);

// The days of one report: those with at least one dated line, whatever the line requests.
class ReportDays {
public:
    void addLine(std::string_view line);
    // Whole lines, each as addLine() takes it.
    void addLines(std::string_view lines);
    // Days found elsewhere (in any order).
    void addDays(const std::vector<std::chrono::sys_days>& days);
    // Ascending, each once.
    std::vector<std::chrono::sys_days> days() const;

private:
    std::vector<std::chrono::sys_days> days_;
    std::string lastDateText_; // lines of a log come in runs of one day: read each run's date once
};

// Adds the days (ascending or not) to the covered days.
void AddCoveredDays(ReportCoverage& coverage, const std::vector<std::chrono::sys_days>& days);

// Drops covered days TimeLimit or more calendar months back, as the history's save does.
void TrimCoverage(ReportCoverage& coverage, std::chrono::sys_days today, int TimeLimit);

// Where a new record of coverage starts. A history that already held records may have been fed
// reports on any earlier day: those days are unknown. An empty one was fed none, so every day
// of its time window is known.
std::chrono::sys_days NewCoverageStart(bool historyWasEmpty, std::chrono::sys_days today, int TimeLimit);

// "coverage.dat": the first line is knownFrom, then one covered day per line, all "yyyy-mm-dd".
// Lines that are not such a date are passed over; nothing when the first line is not one (after a
// UTF-8 byte-order mark, if there is one).
std::optional<ReportCoverage> ParseCoverage(const std::vector<std::string>& lines);
std::vector<std::string> CoverageLines(const ReportCoverage& coverage);

// "2015-05-17", and back.
std::string IsoDate(std::chrono::sys_days day);
std::optional<std::chrono::sys_days> ParseIsoDay(std::string_view text);

} // namespace tallywick
