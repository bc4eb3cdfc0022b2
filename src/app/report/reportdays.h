#pragma once

#include "app/report/reportfile.h"

#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace tallywick {

// The days on which the report at path has at least one dated line (ascending); nothing when it
// cannot be opened or read to its end. A ".gz" report is read decompressed.
std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const QString& path,
                                                                 const ReportOpener& open = OpenReportFile);
// The days any of the reports covers; nothing when one of them cannot be read to its end.
std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const QStringList& paths,
                                                                 const ReportOpener& open = OpenReportFile);

} // namespace tallywick
