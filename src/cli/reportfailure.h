#pragma once

#include "app/report/reportfile.h"
#include "cli/cli.h"

namespace tallywick::cli {

// Says on stderr why a report was not searched, under the name it was given by, and gives the
// exit status: a report that is not there is "File Not Found" (a usage error); one that cannot
// be opened or read to its end says the reason, as an I/O failure.
int ReportSearchFailure(const ReportPath& report, ReportFileSearch::Status status, const QString& error,
                        Environment& env);

} // namespace tallywick::cli
