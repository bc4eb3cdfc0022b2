#include "cli/reportfailure.h"

namespace tallywick::cli {

int ReportSearchFailure(const QString& report, ReportFileSearch::Status status, const QString& error, Environment& env)
{
    if (status == ReportFileSearch::Status::NotFound) {
        env.err << report.toStdString() << ": File Not Found\n";
        return kExitUsage;
    }
    env.err << report.toStdString() << ": " << error.toStdString() << '\n';
    return kExitFailed;
}

} // namespace tallywick::cli
