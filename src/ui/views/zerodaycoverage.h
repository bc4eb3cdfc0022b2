#pragma once

#include "core/history/reportcoverage.h"

#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace tallywick {

class DataFolder;

// The days the searched reports covered, from "coverage.dat" in the data folder; nothing when
// there is no such file, or it cannot be read (the view then lists the days unmarked).
std::optional<ReportCoverage> LoadReportCoverage(const DataFolder& folder);

// A zero-count day as the list shows it: "11/21/2004", followed by "no downloads" when a report
// covered the day or "no log" when none did.
QString ZeroDayEntry(std::chrono::sys_days day, std::optional<bool> covered);

} // namespace tallywick
