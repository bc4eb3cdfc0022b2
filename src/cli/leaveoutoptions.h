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

// --leave-out-robots and --leave-out-failed, as search and record take them.
QList<QCommandLineOption> LeaveOutCommandOptions();

// The hits a run leaves out: an option given, or else what the settings say (record reads them;
// search passes false). robots points into matcher, which moves with it.
struct LeaveOutChoice {
    LeaveOutOptions options;
    std::unique_ptr<RobotMatcher> matcher;
    std::optional<int> exitCode; // the robot list could not be loaded; stderr says why
};
LeaveOutChoice ReadLeaveOutOptions(CommandLine& line, const QString& command, bool robotsSetting, bool failedSetting,
                                   Environment& env);

// {"robots": R, "failed": F}
Json LeftOutJson(const LeftOutCounts& leftOut);

} // namespace tallywick::cli
