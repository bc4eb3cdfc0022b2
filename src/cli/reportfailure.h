#pragma once

#include "app/report/reportfile.h"
#include "cli/cli.h"

namespace tallywick::cli {

// Says on stderr why a report was not searched and gives the exit status: a report that
// cannot be opened is "File Not Found" (a usage error), one that breaks off an I/O failure.
int ReportSearchFailure(const QString& report, ReportFileSearch::Status status, const QString& error, Environment& env);

} // namespace tallywick::cli
