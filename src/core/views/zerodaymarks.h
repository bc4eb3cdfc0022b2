#pragma once

#include "core/history/reportcoverage.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// Per zero-count day: true when a searched report covered it (no downloads), false when none
// did (no log), nothing when that is unknown.
std::vector<std::optional<bool>> ZeroDayMarks(const std::vector<std::chrono::sys_days>& days,
                                              const ReportCoverage& coverage);

// " (no log)" for a day no report covered; empty otherwise.
std::string ZeroDayNote(std::optional<bool> covered);

// The "nocount.txt" content with the marks: one "mm/dd/yyyy" per line, a day with no log followed
// by " (no log)", each line ended by CR LF.
std::string MarkedZeroCountText(const std::vector<std::chrono::sys_days>& days,
                                const std::vector<std::optional<bool>>& marks);

} // namespace tallywick
