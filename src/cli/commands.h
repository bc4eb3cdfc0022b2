#pragma once

#include "cli/cli.h"

namespace tallywick::cli {

// Each takes the whole command line (program name, subcommand, its arguments).
int RunSearch(const Arguments& arguments, Environment& env);
int RunExplain(const Arguments& arguments, Environment& env);
int RunRecord(const Arguments& arguments, Environment& env);
int RunTrack(const Arguments& arguments, Environment& env);
int RunView(const Arguments& arguments, Environment& env);

} // namespace tallywick::cli
