#pragma once

#include "ui/main/program.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace tallywick {

// The desktop program's command line: its options and arguments, and the start they ask for.
class ProgramCommandLine {
public:
    ProgramCommandLine();

    QCommandLineParser& parser() { return parser_; }
    // Once parsed: the data folder, the settings file and the reports, absolute (a running
    // program that is handed them works in another folder).
    ProgramSetup setup() const;

private:
    QCommandLineParser parser_;
    QCommandLineOption dataDir_;
    QCommandLineOption config_;
};

} // namespace tallywick
