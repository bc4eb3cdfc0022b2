#pragma once

#include "app/robots/robotlist.h"
#include "cli/json.h"
#include "cli/options.h"
#include "core/search/leaveout.h"

#include <QCommandLineOption>
#include <QList>

#include <memory>
#include <optional>

namespace tallywick::cli {

// --leave-out-robots, --leave-out-download-tools and --leave-out-failed, as search and record take
// them.
QList<QCommandLineOption> LeaveOutCommandOptions();

// The leave-out settings that record reads (search passes none).
struct LeaveOutSettings {
    bool robots = false;
    bool failed = false;
    bool downloadTools = false;
};

// The hits a run leaves out: an option given, or else what the settings say. robots and
// downloadTools point into matcher, which moves with them.
struct LeaveOutChoice {
    LeaveOutOptions options;
    std::unique_ptr<RobotMatcher> matcher;
    std::optional<int> exitCode; // the robot list could not be loaded; stderr says why
};
LeaveOutChoice ReadLeaveOutOptions(CommandLine& line, const QString& command, LeaveOutSettings settings,
                                   Environment& env);

// {"robots": R, "failed": F, "download_tools": T, "agents_read": B}; agents_read is false only
// when robots or download tools were left out and no hit line had a user agent.
Json LeftOutJson(const LeftOutCounts& leftOut, const AgentsRead& agents);

// The lines about what was left out that the text output shows: the counts, and a note when no
// user agent could be read. Nothing when nothing was left out.
std::string LeftOutText(const LeaveOutOptions& options, const LeftOutCounts& leftOut, const AgentsRead& agents);

} // namespace tallywick::cli
