#include "cli/searchoptions.h"

#include "app/report/reportorder.h"
#include "cli/countoptions.h"
#include "cli/dataoptions.h"

namespace tallywick::cli {

QList<QCommandLineOption> SearchRequestOptions()
{
    QList<QCommandLineOption> options{
        {QStringLiteral("find"),
         QStringLiteral("Search text; the first for panel 0, a second for panel 1 (defaults: \"%1\", \"%2\").")
             .arg(QString::fromUtf8(kDesignedSearchText0.data(), kDesignedSearchText0.size()),
                  QString::fromUtf8(kDesignedSearchText1.data(), kDesignedSearchText1.size())),
         QStringLiteral("TEXT")},
        {QStringLiteral("no-duplicates"),
         QStringLiteral("Leave repeats of split downloads out of the counts (default).")},
        {QStringLiteral("with-duplicates"), QStringLiteral("Count repeats of split downloads too.")},
        {QStringLiteral("long0"), QStringLiteral("Show panel 0's hits from their status on.")},
        {QStringLiteral("long1"), QStringLiteral("Show panel 1's hits from their status on.")},
        {QStringLiteral("split-time"), QStringLiteral("Split-download time frame in minutes (default 30)."),
         QStringLiteral("MIN")},
    };
    options += LeaveOutCommandOptions();
    options += CountCommandOptions();
    return options;
}

SearchRequestChoice ReadSearchRequest(CommandLine& line, const QString& command, Environment& env)
{
    SearchRequestChoice choice;
    const auto& parser = line.parser();
    const ReportPaths reports = ReportsGiven(line);
    if (reports.isEmpty()) {
        choice.exitCode = line.usageError(env, QStringLiteral("give at least one REPORT"));
        return choice;
    }
    if (const auto repeated = RepeatedReport(reports)) {
        choice.exitCode = line.usageError(env, QStringLiteral("%1 is given twice").arg(repeated->text()));
        return choice;
    }
    const auto finds = line.valueBytes(QStringLiteral("find"));
    if (finds.size() > static_cast<std::size_t>(kPanelCount)) {
        choice.exitCode = line.usageError(env, QStringLiteral("--find is given at most twice"));
        return choice;
    }
    if (parser.isSet(QStringLiteral("no-duplicates")) && parser.isSet(QStringLiteral("with-duplicates"))) {
        choice.exitCode =
            line.usageError(env, QStringLiteral("--no-duplicates and --with-duplicates exclude each other"));
        return choice;
    }

    SearchRequest& request = choice.request;
    for (std::size_t i = 0; i < finds.size(); ++i)
        request.texts[i] = finds[i];
    request.noDuplicates = !parser.isSet(QStringLiteral("with-duplicates"));
    request.moreFlags = {parser.isSet(QStringLiteral("long0")), parser.isSet(QStringLiteral("long1"))};
    const auto splitTimeOption = ReadSplitTimeOption(line, env);
    if (splitTimeOption.exitCode) {
        choice.exitCode = splitTimeOption.exitCode;
        return choice;
    }
    request.splitTime = splitTimeOption.minutes.value_or(kDefaultSplitTime);
    const auto counting = ReadCountOptions(line, false, {}, env);
    if (counting.exitCode) {
        choice.exitCode = counting.exitCode;
        return choice;
    }
    request.countDownloads = true;
    request.ipv6Network64 = counting.ipv6Network64;
    request.givenSizes = counting.sizes;
    choice.leaveOut = ReadLeaveOutOptions(line, command, {}, env);
    if (choice.leaveOut.exitCode) {
        choice.exitCode = choice.leaveOut.exitCode;
        return choice;
    }
    request.leaveOut = choice.leaveOut.options;
    return choice;
}

} // namespace tallywick::cli
