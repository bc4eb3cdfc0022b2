#include "cli/reportfailure.h"

namespace tallywick::cli {

int ReportSearchFailure(const ReportPath& report, ReportFileSearch::Status status, const QString& error,
                        Environment& env)
{
    env.err.write(report.bytes().constData(), report.bytes().size());
    if (status == ReportFileSearch::Status::NotFound) {
        env.err << ": File Not Found\n";
        return kExitUsage;
    }
    env.err << ": " << error.toStdString() << '\n';
    return kExitFailed;
}

} // namespace tallywick::cli
