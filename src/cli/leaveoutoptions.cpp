#include "cli/leaveoutoptions.h"

namespace tallywick::cli {

QList<QCommandLineOption> LeaveOutCommandOptions()
{
    return {
        {QStringLiteral("leave-out-robots"),
         QStringLiteral("Leave out the hits of robots (crawlers, probes, HTTP libraries), told by their user agent.")},
        {QStringLiteral("leave-out-failed"),
         QStringLiteral("Leave out the hits whose status is not 2xx (304 Not Modified, redirects, errors).")},
    };
}

LeaveOutChoice ReadLeaveOutOptions(CommandLine& line, const QString& command, bool robotsSetting, bool failedSetting,
                                   Environment& env)
{
    LeaveOutChoice choice;
    choice.options.failed = failedSetting || line.parser().isSet(QStringLiteral("leave-out-failed"));
    const bool robotsAsked = line.parser().isSet(QStringLiteral("leave-out-robots"));
    if (!robotsAsked && !robotsSetting)
        return choice;
    // Counting robots as people when their list is missing would be a silent wrong answer.
    auto loaded = env.loadRobots();
    if (!loaded.matcher) {
        env.err << "tallywick-cli " << command.toStdString() << ": "
                << (robotsAsked ? "--leave-out-robots" : "the setting LeaveOutRobots")
                << " needs the robot list: " << loaded.error.toStdString() << " Nothing was searched or written.\n";
        choice.exitCode = kExitFailed;
        return choice;
    }
    if (!loaded.warning.isEmpty())
        env.err << "tallywick-cli " << command.toStdString() << ": warning: " << loaded.warning.toStdString() << "\n";
    choice.matcher = std::move(loaded.matcher);
    choice.options.robots = choice.matcher.get();
    return choice;
}

Json LeftOutJson(const LeftOutCounts& leftOut)
{
    return Json::object().set("robots", leftOut.robots).set("failed", leftOut.failed);
}

} // namespace tallywick::cli
