#pragma once

#include "cli/cli.h"

#include <QStringList>

#include <sstream>
#include <string>

namespace tallywick {

// One in-process run of tallywick-cli with its output captured.
struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CliRun RunCliWith(QStringList arguments, ReportOpener openReport = OpenReportFile)
{
    std::ostringstream out;
    std::ostringstream err;
    cli::Environment env{out, err, std::move(openReport)};
    arguments.prepend(QStringLiteral("tallywick-cli"));
    const int status = cli::RunCli(arguments, env);
    return {status, out.str(), err.str()};
}

} // namespace tallywick
