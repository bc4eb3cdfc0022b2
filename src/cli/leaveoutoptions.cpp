#include "cli/leaveoutoptions.h"
#include "cli/labels.h"

#include "core/search/reportsearch.h"

namespace tallywick::cli {

QList<QCommandLineOption> LeaveOutCommandOptions()
{
    return {
        {QStringLiteral("leave-out-robots"),
         QStringLiteral("Leave out the hits of robots (crawlers, probes, monitors), told by their user agent; "
                        "download tools such as curl and wget are no robots.")},
        {QStringLiteral("leave-out-download-tools"),
         QStringLiteral("Leave out the hits of download tools and HTTP libraries (curl, wget, python-requests, "
                        "download managers), told by their user agent, with or without --leave-out-robots.")},
        {QStringLiteral("leave-out-failed"),
         QStringLiteral("Leave out the hits whose status is not 2xx (304 Not Modified, redirects, errors).")},
    };
}

LeaveOutChoice ReadLeaveOutOptions(CommandLine& line, const QString& command, LeaveOutSettings settings,
                                   Environment& env)
{
    LeaveOutChoice choice;
    const auto& parser = line.parser();
    choice.options.failed = settings.failed || parser.isSet(QStringLiteral("leave-out-failed"));
    const bool robotsAsked = parser.isSet(QStringLiteral("leave-out-robots"));
    const bool toolsAsked = parser.isSet(QStringLiteral("leave-out-download-tools"));
    const bool robots = robotsAsked || settings.robots;
    const bool tools = toolsAsked || settings.downloadTools;
    if (!robots && !tools)
        return choice;
    // Counting robots as people when their list is missing would be a silent wrong answer.
    auto loaded = env.loadRobots();
    if (!loaded.matcher) {
        const char* asker = robotsAsked       ? "--leave-out-robots"
                            : toolsAsked      ? "--leave-out-download-tools"
                            : settings.robots ? "the setting LeaveOutRobots"
                                              : "the setting LeaveOutDownloadTools";
        env.err << "tallywick-cli " << command.toStdString() << ": " << asker
                << " needs the robot list: " << loaded.error.toStdString() << " Nothing was searched or written.\n";
        choice.exitCode = kExitFailed;
        return choice;
    }
    if (!loaded.warning.isEmpty())
        env.err << "tallywick-cli " << command.toStdString() << ": warning: " << loaded.warning.toStdString() << "\n";
    choice.matcher = std::move(loaded.matcher);
    choice.options.robots = robots ? choice.matcher.get() : nullptr;
    choice.options.downloadTools = tools ? choice.matcher.get() : nullptr;
    return choice;
}

Json LeftOutJson(const LeftOutCounts& leftOut, const AgentsRead& agents)
{
    return Json::object()
        .set("robots", leftOut.robots)
        .set("failed", leftOut.failed)
        .set("download_tools", leftOut.downloadTools)
        .set("agents_read", !agents.none());
}

std::string LeftOutText(const LeaveOutOptions& options, const LeftOutCounts& leftOut, const AgentsRead& agents)
{
    if (!options.active())
        return {};
    std::string text = LeftOutLabel(leftOut, options.downloadTools != nullptr) + '\n';
    if (agents.none())
        text += std::string(kNoAgentsNote) + '\n';
    return text;
}

} // namespace tallywick::cli
