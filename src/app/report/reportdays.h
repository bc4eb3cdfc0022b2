#pragma once

#include "app/report/reportfile.h"

#include <chrono>
#include <optional>
#include <vector>

namespace tallywick {

// The days on which the report at path has at least one dated line (ascending); nothing when it
// cannot be opened or read to its end. A ".gz" report is read decompressed. Where the report is
// searched too, the search gathers them from its own read instead (CoveredDays).
std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const ReportPath& path,
                                                                 const ReportOpener& open = OpenReportFile);

} // namespace tallywick
