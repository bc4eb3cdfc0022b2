#pragma once

#include "cli/leaveoutoptions.h"
#include "cli/options.h"
#include "core/search/reportsearch.h"

#include <QCommandLineOption>
#include <QList>

#include <optional>

namespace tallywick::cli {

// The options that say what a search of reports looks for and counts, as search and explain
// take them: --find, --no-duplicates, --with-duplicates, --long0, --long1, --split-time, the
// leave-out options and the count options.
QList<QCommandLineOption> SearchRequestOptions();

struct SearchRequestChoice {
    SearchRequest request;
    LeaveOutChoice leaveOut;     // the robot matcher the request points into
    std::optional<int> exitCode; // the options were wrong or the robot list could not be loaded
};

// The request the options give, counting downloads; also refuses an empty or repeated list of
// reports (given as the positional arguments).
SearchRequestChoice ReadSearchRequest(CommandLine& line, const QString& command, Environment& env);

} // namespace tallywick::cli
