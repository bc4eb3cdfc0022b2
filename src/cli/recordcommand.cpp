#include "app/clock/today.h"
#include "app/files/fileexists.h"
#include "app/history/historykeeper.h"
#include "app/report/reportfile.h"
#include "app/report/reportorder.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/filesizesetting.h"
#include "app/settings/settingsstore.h"
#include "cli/commands.h"
#include "cli/countoptions.h"
#include "cli/dataoptions.h"
#include "cli/json.h"
#include "cli/labels.h"
#include "cli/leaveoutoptions.h"
#include "cli/reportfailure.h"
#include "core/history/addedrecords.h"
#include "core/log/logline.h"

#include <unordered_map>

namespace tallywick::cli {
namespace {

const char* const kRecordHelp =
    "Records the new downloads of a report in the history, as the main window does when it\n"
    "searches the report and is then closed: for a scheduled job. Several reports (say\n"
    "access.log*, rotated logs) are searched as one, oldest first by the time of their first\n"
    "dated line, whatever order they are given in; a pipe is read once, as it comes, and keeps\n"
    "its place. Reads the settings (the two search texts stored in slot 0 of each panel's\n"
    "list, Split_Time, TimeLimit, NeedSort, LeaveOutRobots, LeaveOutDownloadTools,\n"
    "LeaveOutFailed, IPv6Network64, FileSizes; --leave-out-robots, --leave-out-download-tools,\n"
    "--leave-out-failed and --ipv6-network-64 turn theirs on for this run, and --size adds to\n"
    "FileSizes), the tracked items and the history; searches the report with No duplicates on;\n"
    "merges the new tracked downloads into the history; removes duplicate partial downloads\n"
    "when there are any; saves \"history.dat\" and \"NeedSort\", with the records past the time\n"
    "limit moved to the archive (\"archive/yyyy-mm.dat\") first; adds the days the report covers\n"
    "(read in the same pass as the search) to \"coverage.dat\". Recording the same report again\n"
    "records nothing.\n"
    "Holds the data folder's lock while it runs.\n"
    "\n"
    "Text output: the lines read, the downloads recorded in all and per tracked item, those too\n"
    "old to keep and the records dated after today (each when there are any), the duplicate\n"
    "partial downloads removed, and the records written to \"history.dat\". Records dated after\n"
    "today (a server clock ahead, or this computer's clock set back) are kept like any other.\n"
    "A line longer than 1 MiB (1048576 bytes) counts as a line but is never searched; when there\n"
    "were any, the text output says how many. When robots, download tools or failed requests are\n"
    "left out, it says \"Left out: R robots, F failed\" (with \"T download tools\" when they are\n"
    "left out): the lines with a hit that were removed before counting; and when robots or\n"
    "download tools are left out but no hit line has a user agent, it says so.\n"
    "JSON output: {\"lines\": N, \"recorded\": N, \"expired\": N, \"future\": N, \"per_item\": {ITEM:\n"
    "N, ...}, \"removed_partials\": N, \"history_size\": N, \"overlong_lines\": N, \"left_out\":\n"
    "{\"robots\": N, \"failed\": N, \"download_tools\": N, \"agents_read\": true}, \"panels\":\n"
    "[{\"find\": TEXT, \"found\": N, \"complete\": N, \"incomplete\": N, \"size_unknown\": N,\n"
    "\"unique_per_day\": N, \"unique_per_hour\": N}, {...}]}. lines: the lines of the report;\n"
    "recorded: the downloads this run added that are in the saved \"history.dat\"; expired: the\n"
    "downloads this run added that were TimeLimit or more months old and that this save wrote to\n"
    "the archive as new (an old report recorded again adds nothing there); future: the records of\n"
    "the saved \"history.dat\" dated after today; per_item: every tracked item (0 included) with\n"
    "the recorded downloads whose first tracked item it is, adding up to recorded;\n"
    "removed_partials: duplicate partial downloads removed (0 when there were none);\n"
    "history_size: the records written to \"history.dat\"; overlong_lines: the lines too long to\n"
    "search; left_out: the lines with a hit removed as robots, as failed and as download tools\n"
    "(zeros when none is left out), and agents_read: false only when robots or download tools\n"
    "were left out and no hit line had a user agent; panels: for each of the two texts searched,\n"
    "its downloads (\"Found\") and the counts beside them, as \"tallywick-cli search --help\" tells\n"
    "them.\n"
    "\n"
    "Exit status: 0 done; 1 a file could not be opened, read or written (the settings file and\n"
    "the robot list included; stderr says which and why, such as \"Permission denied\"; no\n"
    "record is lost: \"history.dat\" is left as it was, or keeps the records the archive could\n"
    "not take; when \"history.dat\" was saved and a later part failed, the output says what was\n"
    "recorded and stderr which part was not saved), or there was not enough memory; 2 bad\n"
    "arguments (a --data-dir or --config whose name is not UTF-8 among them) or \"File Not\n"
    "Found\"; 3 the data folder is in use by another process. Nothing is written on 2 or 3. When\n"
    "only the output could not be written, stderr says \"the output could not be written\" and the\n"
    "status is 1, but the history was saved.";

struct ItemCount {
    std::string item;
    std::int64_t count = 0;
};

// Every tracked item once, in list order, with the recorded lines whose first tracked item it is.
std::vector<ItemCount> CountPerItem(const std::vector<std::string>& trackedItems, const CollectedHits& collected,
                                    const std::vector<std::size_t>& recorded)
{
    std::vector<ItemCount> counts;
    std::vector<std::size_t> entryOfItem; // for each tracked item, its entry in counts
    std::unordered_map<std::string_view, std::size_t> entries;
    for (const auto& item : trackedItems) {
        const auto [entry, added] = entries.try_emplace(item, counts.size());
        if (added)
            counts.push_back({item, 0});
        entryOfItem.push_back(entry->second);
    }
    for (const auto i : recorded) {
        const auto& line = collected[i];
        for (std::size_t t = 0; t < trackedItems.size(); ++t) {
            if (MatchPosition(line, trackedItems[t]) > 0) {
                ++counts[entryOfItem[t]].count;
                break;
            }
        }
    }
    return counts;
}

struct RecordSummary {
    std::int64_t lines = 0;
    std::int64_t overlongLines = 0;
    std::int64_t recorded = 0;
    std::int64_t expired = 0;
    std::int64_t future = 0;
    std::vector<ItemCount> perItem;
    std::int64_t removedPartials = 0;
    std::int64_t historySize = 0;
    LeftOutCounts leftOut;
    // The two texts searched and what they found.
    LeaveOutOptions leaveOut;
    AgentsRead agents;
    std::array<std::string, kPanelCount> texts;
    std::array<std::int64_t, kPanelCount> found{};
    DownloadCounts downloads;
};

Json PanelsJson(const RecordSummary& summary)
{
    Json panels = Json::array();
    for (int i = 0; i < kPanelCount; ++i) {
        Json panel = Json::object().set("find", Json::text(summary.texts[i])).set("found", summary.found[i]);
        panels.push(std::move(SetPanelCounts(panel, summary.downloads.panels[i])));
    }
    return panels;
}

Json ToJson(const RecordSummary& summary)
{
    Json perItem = Json::object();
    for (const auto& entry : summary.perItem)
        perItem.set(entry.item, entry.count);
    return Json::object()
        .set("lines", summary.lines)
        .set("recorded", summary.recorded)
        .set("expired", summary.expired)
        .set("future", summary.future)
        .set("per_item", std::move(perItem))
        .set("removed_partials", summary.removedPartials)
        .set("history_size", summary.historySize)
        .set("overlong_lines", summary.overlongLines)
        .set("left_out", LeftOutJson(summary.leftOut, summary.agents))
        .set("panels", PanelsJson(summary));
}

RecordSummary Summarize(const SearchResult& search, const ClosingHistoryOutcome& closing,
                        const std::vector<std::string>& trackedItems, const CollectedHits& collected)
{
    const auto appended = closing.merge ? closing.merge->appended : std::vector<std::size_t>{};
    RecordSummary summary;
    summary.lines = search.counts.lineCount;
    summary.overlongLines = search.counts.overlongLines;
    summary.leftOut = search.counts.leftOut;
    const auto fate = FateOfAddedRecords(collected, appended, closing.keptAppended, closing.archive.newlyArchived);
    summary.recorded = static_cast<std::int64_t>(fate.kept.size());
    summary.expired = fate.expired;
    summary.future = static_cast<std::int64_t>(closing.future);
    summary.perItem = CountPerItem(trackedItems, collected, fate.kept);
    summary.removedPartials = closing.removedPartials.value_or(0);
    summary.historySize = static_cast<std::int64_t>(closing.save.written);
    return summary;
}

void WriteText(const RecordSummary& summary, std::ostream& out)
{
    out << "Lines read: " << summary.lines << '\n';
    if (summary.overlongLines > 0)
        out << "Lines too long to search: " << summary.overlongLines << '\n';
    out << LeftOutText(summary.leaveOut, summary.leftOut, summary.agents);
    out << "Recorded: " << summary.recorded << '\n';
    for (const auto& entry : summary.perItem)
        out << "  " << entry.count << "  " << entry.item << '\n';
    if (summary.expired > 0)
        out << "Too old to keep: " << summary.expired << '\n';
    if (summary.future > 0)
        out << "Dated after today: " << summary.future << '\n';
    out << RemovedStatusText(summary.removedPartials) << '\n' << "History: " << summary.historySize << " records\n";
}

} // namespace

int RunRecord(const Arguments& arguments, Environment& env)
{
    const QString command = QStringLiteral("record");
    CommandLine line(command, QStringLiteral("[options] REPORT..."), QString::fromUtf8(kRecordHelp));
    auto& parser = line.parser();
    parser.addOptions({
        {QStringLiteral("split-time"),
         QStringLiteral("Split-download time frame in minutes for this run (default: the setting Split_Time)."),
         QStringLiteral("MIN")},
        {QStringLiteral("time-limit"),
         QStringLiteral("History time limit in months, 1 to 24, for this run (default: the setting TimeLimit)."),
         QStringLiteral("MONTHS")},
    });
    parser.addOptions(LeaveOutCommandOptions());
    parser.addOptions(CountCommandOptions());
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The report files, one or several."),
                                 QStringLiteral("REPORT..."));
    if (!line.parse(arguments, env))
        return line.exitCode();
    const ReportPaths given = ReportsGiven(line);
    if (given.isEmpty())
        return line.usageError(env, QStringLiteral("give at least one REPORT"));
    if (const auto repeated = RepeatedReport(given))
        return line.usageError(env, QStringLiteral("%1 is given twice").arg(repeated->text()));
    const auto splitTimeOption = ReadSplitTimeOption(line, env);
    if (splitTimeOption.exitCode)
        return *splitTimeOption.exitCode;
    const auto timeLimitOption = ReadTimeLimitOption(line, env);
    if (timeLimitOption.exitCode)
        return *timeLimitOption.exitCode;

    // Looked up, not opened: a pipe is opened once, by the search.
    for (const ReportPath& report : given) {
        if (!NativeFileExists(report.bytes()))
            return ReportSearchFailure(report, ReportFileSearch::Status::NotFound, {}, env);
    }
    const ReportPaths reports = OldestReportsFirst(given);
    const DataFolder folder = DataFolderOf(line);
    DataFolderLock lock(folder.path());
    if (const auto refused = LockDataFolder(lock, command, env))
        return *refused;

    const auto opened = OpenSettings(line, command, env);
    if (!opened)
        return kExitFailed;
    SettingsStore& settings = *opened;
    const auto today = TodayOr(line.today());
    const int TimeLimit = timeLimitOption.months.value_or(settings.read(keys::TimeLimit));
    SearchRequest request;
    for (int panel = 0; panel < kPanelCount; ++panel)
        request.texts[panel] = StoredSearchText(settings, panel);
    request.noDuplicates = true;
    request.splitTime = splitTimeOption.minutes.value_or(settings.read(keys::SplitTime));
    const auto counting = ReadCountOptions(line, settings.read(keys::IPv6Network64), ReadFileSizes(settings), env);
    if (counting.exitCode)
        return *counting.exitCode;
    // Only the JSON shows the counts beside "Found"; the text does not pay for them.
    request.countDownloads = line.json();
    request.ipv6Network64 = counting.ipv6Network64;
    request.givenSizes = counting.sizes;
    const auto leaveOut = ReadLeaveOutOptions(line, command,
                                              {.robots = settings.read(keys::LeaveOutRobots),
                                               .failed = settings.read(keys::LeaveOutFailed),
                                               .downloadTools = settings.read(keys::LeaveOutDownloadTools)},
                                              env);
    if (leaveOut.exitCode)
        return *leaveOut.exitCode;
    request.leaveOut = leaveOut.options;

    // The same keeping of the history as the desktop program's, without its event loop.
    HistoryKeeperSetup keeping{folder, [today] { return today; }, [TimeLimit] { return TimeLimit; }};
    keeping.backgroundMergeFrom = kNoBackgroundMerge;
    // A day's records are added at the end of the file without reading the rest, where they can be.
    keeping.wholeHistory = false;
    HistoryKeeper history(std::move(keeping), settings);
    if (const auto problem = history.readTrackedItems()) {
        env.err << "tallywick-cli record: " << problem->toStdString() << " Nothing was written.\n";
        return kExitFailed;
    }
    const std::vector<std::string>& trackedItems = history.trackedItems();
    history.load();
    if (const QString refusal = history.saveRefusal(); !refusal.isEmpty()) {
        env.err << refusal.toStdString() << '\n';
        return kExitFailed;
    }

    auto search = CollectReportFiles(reports, request, trackedItems, env.openReport, CoveredDays::Gather);
    if (search.status != ReportFileSearch::Status::Done)
        return ReportSearchFailure(search.failedPath, search.status, search.error, env);
    history.takeSearch({search.outcome.collected, trackedItems, KeptReportHits{},
                        search.days.value_or(std::vector<std::chrono::sys_days>{})});

    const auto closing = history.close();
    switch (closing.save.status) {
    case HistorySaveOutcome::Status::Saved:
    case HistorySaveOutcome::Status::Untouched:
        break;
    case HistorySaveOutcome::Status::Refused:
    case HistorySaveOutcome::Status::Failed:
        env.err << closing.save.error.toStdString() << '\n';
        return kExitFailed;
    }

    // The history is saved from here on: what it recorded is said even when a later part failed.
    const bool saved = closing.save.status == HistorySaveOutcome::Status::Saved;
    auto summary = Summarize(search.outcome.result, closing, trackedItems, history.session().collected);
    summary.leaveOut = request.leaveOut;
    summary.agents = search.outcome.result.counts.agents;
    summary.texts = request.texts;
    for (int panel = 0; panel < kPanelCount; ++panel)
        summary.found[panel] = search.outcome.result.counts.found[panel];
    summary.downloads = search.outcome.result.counts.downloads.value_or(DownloadCounts{});
    if (line.json())
        env.out << ToJson(summary).dump();
    else
        WriteText(summary, env.out);
    if (const auto problems = closing.problems(); !problems.isEmpty()) {
        env.err << "tallywick-cli record: " << folder.historyPath().toStdString()
                << (saved ? " was saved with the downloads recorded above, but:\n" : " needed no change, but:\n")
                << problems.join(QLatin1Char('\n')).toStdString() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace tallywick::cli
