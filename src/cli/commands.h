#pragma once

#include "cli/cli.h"

namespace tallywick::cli {

// Each takes the whole command line (program name, subcommand, its arguments).
int RunSearch(const QStringList& arguments, Environment& env);
int RunRecord(const QStringList& arguments, Environment& env);
int RunTrack(const QStringList& arguments, Environment& env);
int RunView(const QStringList& arguments, Environment& env);

} // namespace tallywick::cli
