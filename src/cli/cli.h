#pragma once

#include "app/report/reportfile.h"

#include <QStringList>

#include <ostream>

namespace tallywick::cli {

// Where a run of the command line writes, and the seams that tests replace.
struct Environment {
    std::ostream& out;
    std::ostream& err;
    ReportOpener openReport = OpenReportFile;
};

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1, // an I/O error or a corrupt file after it opened
    kExitUsage = 2,  // bad arguments, a file not found, nothing to do
    kExitLocked = 3, // the data folder is held by the running desktop program
};

// Runs one command line; arguments start with the program name.
int RunCli(const QStringList& arguments, Environment& env);

} // namespace tallywick::cli
