#include "app/clock/today.h"
#include "app/history/alltimedownloads.h"
#include "app/history/historykeeper.h"
#include "app/settings/settingsstore.h"
#include "app/store/coveragefile.h"
#include "app/store/trackingfile.h"
#include "cli/commands.h"
#include "cli/dataoptions.h"
#include "cli/viewoutput.h"
#include "core/views/alltimemonthlychart.h"
#include "core/views/calendar.h"
#include "core/views/dailytext.h"
#include "core/views/dateformat.h"
#include "core/views/downloadsources.h"
#include "core/views/filechart.h"
#include "core/views/historytext.h"
#include "core/views/monthlychart.h"
#include "core/views/period.h"
#include "core/views/periodcomparison.h"
#include "core/views/periodviews.h"
#include "core/views/uniquedownloaders.h"
#include "core/views/weekdaychart.h"
#include "core/views/zerocountdays.h"
#include "core/views/zerodaymarks.h"

#include <array>

namespace tallywick::cli {
namespace {

const char* const kViewHelp =
    "Shows one history view as its window does, computed from the history and the tracked items\n"
    "in the data folder (the history is loaded as the main window loads it, and sorted when the\n"
    "setting NeedSort asks for it). Writes nothing.\n"
    "\n"
    "NAME is one of:\n"
    "  history    the full history text (--item: a tracked item; default \"All History\")\n"
    "  daily      the records of one day (--item; --date, default yesterday)\n"
    "  zero-days  the days of the past month without any tracked download\n"
    "  monthly    downloads per month over the time limit (--item; --all-time: from the first\n"
    "             month with a download, the archived months before the time limit included)\n"
    "  weekday    downloads per weekday, averages or --total (--item)\n"
    "  by-file    downloads per tracked item in a period (--span, --date, default today)\n"
    "  totals     per tracked item: its downloads of all time (the archive of the months past the\n"
    "             time limit and the history, a record in both counted once; a record holding two\n"
    "             items counts for each) and the first and last month with a download\n"
    "  compare    per tracked item, its downloads and unique downloaders a day in this period and\n"
    "             in the same span of the period before (--period week, month or year; --to DAY,\n"
    "             default today: the calendar week from Monday, month or year that holds DAY, up\n"
    "             to DAY; 1-5 Dec against 1-5 Nov, a 31st against the last day of a shorter month)\n"
    "  sources    downloads per referrer host (--item, default every record; --top N, default 10):\n"
    "             the host of an http/https referrer in lower case, without user, port and one\n"
    "             leading \"www.\"; \"(direct)\" without a referrer, \"(unreadable)\" for any other;\n"
    "             the N hosts with most downloads (ties by name), then \"(other)\" for the rest\n"
    "--item defaults to the first tracked item.\n"
    "--from/--to (history, monthly, weekday, totals, sources) count only the records of those days,\n"
    "by their own date, both ends included, either end open; the archive of the months past the\n"
    "time limit is read when --from reaches before it. Weekday averages then divide by the\n"
    "weekdays of the period; the month chart shows the months of the period.\n"
    "Unique downloaders a day: on each day, the distinct pairs of client and user agent that\n"
    "downloaded the item, summed over the days (one person fetching a file twice a day counts once).\n"
    "\n"
    "Text output: the view's labels and text; a chart as a table with a bar per category.\n"
    "JSON output, with these keys where the view has them:\n"
    "  \"text\"        the text shown (history, daily), lines ended by CR LF\n"
    "  \"hits\"        the hit label's number (history, daily, monthly, weekday, by-file)\n"
    "  \"from\", \"to\"  the From/To dates as \"mm/dd/yyyy\" (history, monthly, weekday: the first and\n"
    "                last dated records, null when there are none; monthly --all-time: the first and\n"
    "                last of all time, archive included; by-file: the period)\n"
    "  \"today\"       the today label, \"Today is Sunday, December 05, 2004\" (charts)\n"
    "  \"categories\"  [{\"label\": TEXT, \"value\": N}] in category order (charts; weekday\n"
    "                averages as unrounded numbers; month and weekday names in English)\n"
    "  \"total\"       the sum of the categories (monthly, by-file)\n"
    "  \"days\"        the zero-count days as \"mm/dd/yyyy\", oldest first (zero-days)\n"
    "  \"covered\"     per entry of days: true when a searched report covered the day (no downloads),\n"
    "                false when none did (no log), null when unknown; absent without \"coverage.dat\"\n"
    "  \"items\"       [{\"item\": TEXT, \"total\": N, \"first\": \"mm/yyyy\", \"last\": \"mm/yyyy\",\n"
    "                \"unique_per_day\": N}] (totals; first and last are null when no record of the\n"
    "                item has a readable date)\n"
    "compare JSON: {\"period\": SPAN, \"current\": {\"from\", \"to\"}, \"previous\": {\"from\", \"to\"},\n"
    "  \"items\": [{\"item\", \"current\", \"previous\", \"change\", \"change_percent\" (null when\n"
    "  previous is 0), \"current_unique_per_day\", \"previous_unique_per_day\"}]}\n"
    "sources JSON: {\"from\", \"to\" (the period, null when open), \"total\",\n"
    "  \"sources\": [{\"host\", \"downloads\", \"share_percent\"}]}\n"
    "Where a view computes nothing (daily, zero-days and weekday with an empty history or no\n"
    "tracked item) the output says so, and the JSON is {\"computed\": false}.\n"
    "\n"
    "Exit status: 0 done; 1 a data file could not be read; 2 bad arguments.";

enum class ViewName { History, Daily, ZeroDays, Monthly, Weekday, ByFile, Totals, Compare, Sources };

struct NamedView {
    const char* name;
    ViewName view;
};
constexpr std::array kViewNames = {NamedView{"history", ViewName::History},    NamedView{"daily", ViewName::Daily},
                                   NamedView{"zero-days", ViewName::ZeroDays}, NamedView{"monthly", ViewName::Monthly},
                                   NamedView{"weekday", ViewName::Weekday},    NamedView{"by-file", ViewName::ByFile},
                                   NamedView{"totals", ViewName::Totals},      NamedView{"compare", ViewName::Compare},
                                   NamedView{"sources", ViewName::Sources}};

constexpr std::array kSpanNames = {"day", "week", "month", "year"};
// In the order of ComparedSpan.
constexpr std::array kComparedSpanNames = {"week", "month", "year"};

struct ViewRequest {
    ViewName view;
    std::optional<std::string> item;
    std::optional<std::chrono::sys_days> date;
    TimeSpan span = TimeSpan::Day;
    bool total = false;
    int TimeLimit = kDefaultTimeLimit;
    std::chrono::sys_days today;
    bool allTime = false;
    Period period; // --from/--to; compare's day is its end
    ComparedSpan comparedSpan = ComparedSpan::Month;
    std::size_t top = kDefaultSourceCount;
};

struct ViewData {
    const std::vector<std::string>& History;
    const std::vector<std::string>& TrackedItems;
    std::vector<std::string_view> allTime;  // totals and monthly --all-time only
    std::optional<ReportCoverage> coverage; // zero-days, when "coverage.dat" exists
    // With the archive read for a period: the records of all time, in place of the history.
    std::optional<std::vector<std::string>> widened;

    const std::vector<std::string>& records() const { return widened ? *widened : History; }
    // Views of the records the period may reach: all time when it was read, else the history.
    std::vector<std::string_view> recordViews() const
    {
        if (!allTime.empty())
            return allTime;
        return {History.begin(), History.end()};
    }
};

std::vector<std::string_view> InPeriod(const std::vector<std::string_view>& records, const Period& period)
{
    if (period.isAll())
        return records;
    std::vector<std::string_view> taken;
    for (const auto record : records) {
        const auto day = RecordDay(record);
        if (day && period.contains(*day))
            taken.push_back(record);
    }
    return taken;
}

ViewOutput NotComputed(const ViewData& data)
{
    ViewOutput output;
    output.computed = false;
    output.notComputedReason =
        data.History.empty() ? "Nothing to show: the history is empty." : "Nothing to show: no item is tracked.";
    return output;
}

// The item list a view picks from: the given item alone, or the tracked items (first selected).
std::vector<std::string> ItemsFor(const ViewRequest& request, const ViewData& data)
{
    return request.item ? std::vector<std::string>{*request.item} : data.TrackedItems;
}

ViewOutput HistoryView(const ViewRequest& request, const ViewData& data)
{
    const bool all = !request.item || *request.item == kAllHistoryEntry;
    const auto result = HistoryTextInPeriod(
        data.records(), all ? std::nullopt : std::optional<std::string_view>(*request.item), request.period);
    ViewOutput output;
    output.captions = {"Search String: " + (all ? std::string(kAllHistoryEntry) : *request.item)};
    output.showRange(result.span);
    output.hits = result.hits;
    output.text = result.text;
    return output;
}

ViewOutput DailyView(const ViewRequest& request, const ViewData& data)
{
    const auto day = request.date.value_or(DailyDateRange(request.today, request.TimeLimit).value);
    const auto items = ItemsFor(request, data);
    const auto result = data.TrackedItems.empty() ? std::nullopt : DailyText(data.History, items, 0, day);
    if (!result)
        return NotComputed(data);
    ViewOutput output;
    output.captions = {"Date: " + FormatDate(day), "Search String: " + items.front()};
    output.hits = result->hits;
    output.text = result->text;
    return output;
}

ViewOutput ZeroDaysView(const ViewRequest& request, const ViewData& data)
{
    const auto result = FindZeroCountDays(data.History, data.TrackedItems, request.today);
    if (!result)
        return NotComputed(data);
    ViewOutput output;
    output.captions = {"Days with zero count occurring in the past month."};
    output.days = result->days;
    if (data.coverage)
        output.covered = ZeroDayMarks(result->days, *data.coverage);
    return output;
}

ViewOutput MonthlyView(const ViewRequest& request, const ViewData& data)
{
    const auto items = ItemsFor(request, data);
    const auto result = request.allTime ? AllTimeMonthlyChart(data.allTime, items, 0, request.TimeLimit, request.today)
                                        : MonthlyChartInPeriod(data.records(), items, 0, request.period,
                                                               request.TimeLimit, request.today);
    ViewOutput output;
    output.captions = {"Select Item: " + (items.empty() ? std::string() : items.front())};
    output.showRange(result.span);
    output.categories = result.categories;
    output.total = result.total;
    output.hits = result.total;
    output.today = result.today;
    return output;
}

ViewOutput WeekdayView(const ViewRequest& request, const ViewData& data)
{
    const auto items = ItemsFor(request, data);
    const auto result =
        data.TrackedItems.empty()
            ? std::nullopt
            : WeekdayChart(data.records(), items, 0, request.total ? WeekdayMeasure::Total : WeekdayMeasure::Average,
                           request.today, request.period);
    if (!result)
        return NotComputed(data);
    ViewOutput output;
    output.captions = {"Select Item: " + items.front(), request.total ? "Total" : "Average"};
    output.showRange(result->weekdays.range);
    output.categories = result->categories;
    output.hits = result->weekdays.hits;
    output.today = result->today;
    return output;
}

ViewOutput ByFileView(const ViewRequest& request, const ViewData& data)
{
    const auto result =
        FileChart(data.History, data.TrackedItems, request.span, request.date.value_or(request.today), request.today);
    ViewOutput output;
    output.captions = {std::string("Period: ") + kSpanNames[static_cast<std::size_t>(request.span)]};
    output.showRange(result.range);
    output.categories = result.categories;
    output.total = result.total;
    output.hits = result.total;
    output.today = result.today;
    return output;
}

ViewOutput TotalsView(const ViewRequest& request, const ViewData& data)
{
    const auto records = InPeriod(data.allTime, request.period);
    ViewOutput output;
    output.totals = AllTimeTotals(records, data.TrackedItems);
    std::vector<std::string> items;
    for (const auto& total : *output.totals)
        items.push_back(total.item);
    output.uniquePerDay = UniquePerDay(records, items);
    return output;
}

ViewOutput CompareView(const ViewRequest& request, const ViewData& data)
{
    ViewOutput output;
    output.comparedSpan = kComparedSpanNames[static_cast<std::size_t>(request.comparedSpan)];
    output.comparison = ComparePeriods(data.recordViews(), data.TrackedItems, request.comparedSpan,
                                       request.period.to.value_or(request.today));
    return output;
}

ViewOutput SourcesView(const ViewRequest& request, const ViewData& data)
{
    ViewOutput output;
    output.captions = {"Item: " + request.item.value_or("(every download)")};
    output.hasRange = true;
    output.from = request.period.from;
    output.to = request.period.to;
    output.sources = DownloadSources(data.recordViews(), request.item, request.period, request.top);
    return output;
}

ViewOutput Compute(const ViewRequest& request, const ViewData& data)
{
    switch (request.view) {
    case ViewName::History:
        return HistoryView(request, data);
    case ViewName::Daily:
        return DailyView(request, data);
    case ViewName::ZeroDays:
        return ZeroDaysView(request, data);
    case ViewName::Monthly:
        return MonthlyView(request, data);
    case ViewName::Weekday:
        return WeekdayView(request, data);
    case ViewName::Totals:
        return TotalsView(request, data);
    case ViewName::Compare:
        return CompareView(request, data);
    case ViewName::Sources:
        return SourcesView(request, data);
    case ViewName::ByFile:
        break;
    }
    return ByFileView(request, data);
}

// Which options a view takes, so that one that would be ignored is refused instead.
bool Takes(ViewName view, const QString& option)
{
    if (option == QLatin1String("item"))
        return view != ViewName::ZeroDays && view != ViewName::ByFile && view != ViewName::Totals &&
               view != ViewName::Compare;
    if (option == QLatin1String("from"))
        return view == ViewName::History || view == ViewName::Monthly || view == ViewName::Weekday ||
               view == ViewName::Totals || view == ViewName::Sources;
    if (option == QLatin1String("to"))
        return Takes(view, QStringLiteral("from")) || view == ViewName::Compare;
    if (option == QLatin1String("period"))
        return view == ViewName::Compare;
    if (option == QLatin1String("top"))
        return view == ViewName::Sources;
    if (option == QLatin1String("all-time"))
        return view == ViewName::Monthly;
    if (option == QLatin1String("date"))
        return view == ViewName::Daily || view == ViewName::ByFile;
    if (option == QLatin1String("span"))
        return view == ViewName::ByFile;
    if (option == QLatin1String("total"))
        return view == ViewName::Weekday;
    return true;
}

} // namespace

int RunView(const Arguments& arguments, Environment& env)
{
    CommandLine line(QStringLiteral("view"), QStringLiteral("[options] NAME"), QString::fromUtf8(kViewHelp));
    auto& parser = line.parser();
    parser.addOptions({
        {QStringLiteral("item"), QStringLiteral("The item the view shows."), QStringLiteral("TEXT")},
        {QStringLiteral("date"), QStringLiteral("The day shown (daily) or a day of the period (by-file)."),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("span"),
         QStringLiteral("The period of by-file: day, week, month or year (default: the setting TimeSpan)."),
         QStringLiteral("SPAN")},
        {QStringLiteral("total"), QStringLiteral("weekday: totals instead of averages.")},
        {QStringLiteral("all-time"), QStringLiteral("monthly: include the months before the time limit.")},
        {QStringLiteral("from"), QStringLiteral("The first day counted (history, monthly, weekday, totals, sources)."),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("to"), QStringLiteral("The last day counted; compare: the day whose period is compared."),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("period"), QStringLiteral("compare: week, month or year (default month)."),
         QStringLiteral("SPAN")},
        {QStringLiteral("top"), QStringLiteral("sources: how many hosts are named (default 10)."), QStringLiteral("N")},
        {QStringLiteral("time-limit"),
         QStringLiteral("History time limit in months, 1 to 24 (default: the setting TimeLimit)."),
         QStringLiteral("MONTHS")},
    });
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("The view."));
    if (!line.parse(arguments, env))
        return line.exitCode();

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return line.usageError(env, QStringLiteral("give exactly one view NAME"));
    const auto named = std::find_if(kViewNames.begin(), kViewNames.end(),
                                    [&](const NamedView& v) { return positional.front() == QLatin1String(v.name); });
    if (named == kViewNames.end())
        return line.usageError(env, QStringLiteral("unknown view \"%1\"").arg(positional.front()));
    for (const QString& option : {QStringLiteral("item"), QStringLiteral("date"), QStringLiteral("span"),
                                  QStringLiteral("total"), QStringLiteral("all-time"), QStringLiteral("from"),
                                  QStringLiteral("to"), QStringLiteral("period"), QStringLiteral("top")}) {
        if (parser.isSet(option) && !Takes(named->view, option))
            return line.usageError(env, QStringLiteral("%1 does not take --%2").arg(positional.front(), option));
    }
    if (parser.isSet(QStringLiteral("all-time")) &&
        (parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("to"))))
        return line.usageError(env, QStringLiteral("give --all-time or --from/--to, not both"));
    const auto timeLimitOption = ReadTimeLimitOption(line, env);
    if (timeLimitOption.exitCode)
        return *timeLimitOption.exitCode;

    const auto opened = OpenSettings(line, QStringLiteral("view"), env);
    if (!opened)
        return kExitFailed;
    SettingsStore& settings = *opened;
    ViewRequest request{named->view,
                        {},
                        {},
                        static_cast<TimeSpan>(settings.read(keys::TimeSpan)),
                        false,
                        timeLimitOption.months.value_or(settings.read(keys::TimeLimit)),
                        TodayOr(line.today()),
                        false,
                        {},
                        ComparedSpan::Month,
                        kDefaultSourceCount};
    if (parser.isSet(QStringLiteral("item")))
        request.item = line.valueBytes(QStringLiteral("item")).back();
    request.total = parser.isSet(QStringLiteral("total"));
    request.allTime = parser.isSet(QStringLiteral("all-time"));
    if (parser.isSet(QStringLiteral("span"))) {
        const auto span =
            std::find(kSpanNames.begin(), kSpanNames.end(), parser.value(QStringLiteral("span")).toStdString());
        if (span == kSpanNames.end())
            return line.usageError(env, QStringLiteral("--span is day, week, month or year"));
        request.span = static_cast<TimeSpan>(span - kSpanNames.begin());
    }
    if (parser.isSet(QStringLiteral("date"))) {
        request.date = ParseIsoDate(parser.value(QStringLiteral("date")));
        if (!request.date)
            return line.usageError(env, QStringLiteral("--date wants a date as YYYY-MM-DD"));
        // The daily view's date picker offers only the days of the time limit.
        const auto picker = DailyDateRange(request.today, request.TimeLimit);
        if (request.view == ViewName::Daily && (*request.date < picker.earliest || *request.date > picker.latest))
            return line.usageError(env, QStringLiteral("the daily view shows days from %1 to %2")
                                            .arg(QString::fromStdString(FormatDate(picker.earliest)),
                                                 QString::fromStdString(FormatDate(picker.latest))));
    }

    for (auto [option, end] : {std::pair{QStringLiteral("from"), &request.period.from},
                               std::pair{QStringLiteral("to"), &request.period.to}}) {
        if (!parser.isSet(option))
            continue;
        *end = ParseIsoDate(parser.value(option));
        if (!*end)
            return line.usageError(env, QStringLiteral("--%1 wants a date as YYYY-MM-DD").arg(option));
    }
    if (request.period.from && request.period.to && *request.period.to < *request.period.from)
        return line.usageError(env, QStringLiteral("--from is after --to"));
    if (parser.isSet(QStringLiteral("period"))) {
        const auto span = std::find(kComparedSpanNames.begin(), kComparedSpanNames.end(),
                                    parser.value(QStringLiteral("period")).toStdString());
        if (span == kComparedSpanNames.end())
            return line.usageError(env, QStringLiteral("--period is week, month or year"));
        request.comparedSpan = static_cast<ComparedSpan>(span - kComparedSpanNames.begin());
    }
    if (parser.isSet(QStringLiteral("top"))) {
        bool ok = false;
        const auto top = parser.value(QStringLiteral("top")).toLongLong(&ok);
        if (!ok || top < 1)
            return line.usageError(env, QStringLiteral("--top wants a whole number from 1"));
        request.top = static_cast<std::size_t>(top);
    }
    // A period that starts before the time limit reaches into the archive.
    const auto reachesArchive = [&](std::optional<std::chrono::sys_days> first) {
        return first && !WithinTimeLimit(*first, request.today, request.TimeLimit);
    };
    const bool periodReachesArchive =
        request.view == ViewName::Compare
            ? reachesArchive(
                  PeriodsToCompare(request.comparedSpan, request.period.to.value_or(request.today)).previous.first)
            : reachesArchive(request.period.from);

    const DataFolder folder = DataFolderOf(line);
    const auto tracking = ReadTrackingFile(folder.trackingPath());
    if (tracking.status == LinesRead::Status::Failed) {
        env.err << folder.trackingPath().toStdString() << ": " << tracking.error.toStdString() << '\n';
        return kExitFailed;
    }
    HistoryKeeper history(HistoryKeeperSetup{folder, [&] { return request.today; }, [&] { return request.TimeLimit; }},
                          settings);
    history.load();
    if (const QString refusal = history.saveRefusal(); !refusal.isEmpty()) {
        env.err << refusal.toStdString() << '\n';
        return kExitFailed;
    }

    ViewData data{history.history(), tracking.lines, {}, {}, {}};
    std::optional<AllTimeDownloads> allTime;
    if (request.view == ViewName::Totals || request.allTime || periodReachesArchive) {
        allTime.emplace(folder, history.history(), history.removedForAge());
        if (!allTime->errors().isEmpty()) {
            env.err << "The archive could not be read: " << allTime->errors().join(QStringLiteral(", ")).toStdString()
                    << '\n';
            return kExitFailed;
        }
        data.allTime = allTime->records();
        if (periodReachesArchive)
            data.widened.emplace(data.allTime.begin(), data.allTime.end());
    }
    if (request.view == ViewName::ZeroDays) {
        auto coverage = ReadCoverageFile(folder);
        if (coverage.status == LinesRead::Status::Failed) {
            env.err << folder.file(kCoverageFileName).toStdString() << ": " << coverage.error.toStdString() << '\n';
            return kExitFailed;
        }
        data.coverage = std::move(coverage.coverage);
    }

    const auto output = Compute(request, data);
    if (line.json())
        env.out << ToJson(output).dump();
    else
        WriteText(output, env.out);
    return kExitOk;
}

} // namespace tallywick::cli
