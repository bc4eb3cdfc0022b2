#pragma once

#include "app/report/reportpath.h"
#include "core/log/datevalue.h"

#include <optional>

namespace tallywick {

// The date of the first dated line among the first few MB of a report, plain or gzip. Only a
// regular file is read: a pipe's lines would be lost to the search that follows.
std::optional<DateValue> ReportFirstDate(const ReportPath& path);

// The reports in the order to search them as one: oldest first by their first dated line. One
// that is not a regular file (a pipe, say) cannot be read twice, so it is not looked into: it
// keeps its place in the order given, and the others are ordered around it.
ReportPaths OldestReportsFirst(const ReportPaths& paths);

// The first of paths that names the same file as one before it, under any name (a link to it
// included): searched twice, its downloads would count twice. Nothing when there is none.
std::optional<ReportPath> RepeatedReport(const ReportPaths& paths);

} // namespace tallywick
