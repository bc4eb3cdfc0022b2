#pragma once

#include "app/report/reportfile.h"
#include "app/robots/robotlist.h"

#include <QStringList>

#include <ostream>
#include <string>
#include <vector>

namespace tallywick::cli {

// The robot list installed beside the running program.
LoadedRobots LoadRobotsBesideProgram();

// Where a run of the command line writes, and the seams that tests replace.
struct Environment {
    std::ostream& out;
    std::ostream& err;
    ReportOpener openReport = OpenReportFile;
    std::function<LoadedRobots()> loadRobots = LoadRobotsBesideProgram;
};

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1, // an I/O error or a corrupt file after it opened
    kExitUsage = 2,  // bad arguments, a file not found, nothing to do
    kExitLocked = 3, // the data folder is held by the running desktop program
};

// A command line, starting with the program name: the bytes of its arguments as given, and
// their text, which the option parser reads (bytes that are not UTF-8 show as U+FFFD there).
struct Arguments {
    std::vector<std::string> bytes;
    QStringList text;

    static Arguments fromBytes(std::vector<std::string> bytes);
    static Arguments fromText(const QStringList& text);
};

// Runs one command line. Search texts and tracked items are taken as the bytes given.
int RunCli(const Arguments& arguments, Environment& env);
// The same for arguments given as text, which stands for its UTF-8 bytes.
int RunCli(const QStringList& arguments, Environment& env);

} // namespace tallywick::cli
