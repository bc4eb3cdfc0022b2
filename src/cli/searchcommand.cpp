#include "app/files/fileexists.h"
#include "app/report/reportfile.h"
#include "app/report/reportlines.h"
#include "app/report/reportorder.h"
#include "app/store/trackingfile.h"
#include "cli/commands.h"
#include "cli/countoptions.h"
#include "cli/dataoptions.h"
#include "cli/json.h"
#include "cli/jsonspill.h"
#include "cli/jsonstream.h"
#include "cli/labels.h"
#include "cli/leaveoutoptions.h"
#include "cli/options.h"
#include "cli/reportfailure.h"
#include "cli/searchoptions.h"

#include <functional>

namespace tallywick::cli {
namespace {

const char* const kSearchHelp =
    "Searches a report (an access log; \".gz\" files are read decompressed) for two request texts\n"
    "and counts the downloads as the main window does. Reads no settings and no data folder.\n"
    "Several reports (say access.log*, rotated logs) are searched as one, oldest first by the\n"
    "time of their first dated line, whatever order they are given in: a split download that\n"
    "crosses from one into the next is one download, and the lines of all of them are counted.\n"
    "A report that is not a regular file (a pipe, say) is opened once and read as it comes, as\n"
    "cat reads it; it keeps its place in the order given. A \".gz\" report may be several gzip\n"
    "members one after another and may end in zero bytes of padding, as gzip takes it.\n"
    "\n"
    "Text output: the count labels (\"All Found: N of LINES\", then for panel 0 and for panel 1\n"
    "\"Found: N\" and the counts beside it, below), then each panel's result text. A line longer\n"
    "than 1 MiB (1048576 bytes) counts as a line but is never searched; when there were any,\n"
    "\"Lines too long to search: N\" follows the labels. With a --leave-out option, \"Left out: R\n"
    "robots, F failed\" follows them too (\"R robots, T download tools, F failed\" with\n"
    "--leave-out-download-tools): the lines with a hit that the options removed before counting,\n"
    "each line once (as failed when its status and its agent would both remove it); when robots or\n"
    "download tools are left out and no hit line has a user agent (a log in the Common format\n"
    "has none), a line says so: then none could be told. Download tools are curl, wget, HTTP\n"
    "libraries and download managers: --leave-out-robots keeps them.\n"
    "\n"
    "Beside \"Found: N\", for each panel:\n"
    "  \"Complete: C, incomplete: I, size unknown: U\": N downloads by how much of the file they\n"
    "  fetched. A download is a hit that is not a repeat of a split download, together with its\n"
    "  repeats; its bytes are those of its lines with status 200 or 206 and the path of its first\n"
    "  line. It is complete when they reach the file's size: the size given with --size, or else\n"
    "  the largest bytes of any status-200 line of that path in the reports, found or not;\n"
    "  unknown when there is neither. A download manager that fetches a 100 KB file in 20\n"
    "  requests of 5 KB within the time frame is 1 download, complete; one that stops after 10\n"
    "  is 1 download, incomplete; with --with-duplicates each of its requests is a download.\n"
    "  \"Unique a day: D, an hour: H\": the distinct clients (IP address or host), user agents and\n"
    "  paths of the downloads' first lines per UTC day (the podcast measurement's rule) and per\n"
    "  UTC hour (COUNTER's unique item requests). The 20 requests above are 1 of each; the same\n"
    "  client and agent fetching the file again 3 hours later is another download, but the same\n"
    "  downloader of the day. With --ipv6-network-64 the addresses of one IPv6 /64 network are one\n"
    "  client, here and in the split-download test.\n"
    "\n"
    "JSON output: {\"lines\": N, \"overlong_lines\": N, \"all\": N, \"left_out\": {\"robots\": N,\n"
    "\"failed\": N, \"download_tools\": N, \"agents_read\": true}, \"panels\": [{\"text\": SEARCH\n"
    "TEXT, \"found\": N, \"complete\": N, \"incomplete\": N, \"size_unknown\": N,\n"
    "\"unique_per_day\": N, \"unique_per_hour\": N, \"result\": RESULT TEXT}, {...}], \"sizes\":\n"
    "{PATH: BYTES, ...}, \"report_hits\": [LINE, ...], \"collected\": [LINE, ...]}; left_out is\n"
    "zeros when no option is given; agents_read is false only when robots or download tools were\n"
    "left out and no hit line had a user agent; sizes holds every path of a counted download\n"
    "whose size is known.\n"
    "Strings carry the report's bytes: valid UTF-8 as its characters, any other byte as the\n"
    "character of the same value (U+0080 to U+00FF).\n"
    "\n"
    "Exit status: 0 done; 1 a report could not be opened or read to its end (stderr says why,\n"
    "such as \"Permission denied\"), the robot list could not be read, or there was not enough\n"
    "memory; 2 bad arguments (one file named twice among them, under any of its names, or a\n"
    "--tracked FILE whose name is not UTF-8) or \"File Not Found\".";

void WriteText(const SearchRequest& request, const SearchResult& result, std::ostream& out)
{
    const DownloadCounts downloads = result.counts.downloads.value_or(DownloadCounts{});
    out << AllFoundLabel(result.counts.allFound, result.counts.lineCount) << '\n';
    for (int i = 0; i < kPanelCount; ++i)
        out << FoundLabel(result.counts.found[i]) << '\n' << PanelCountsText(downloads.panels[i]);
    if (result.counts.overlongLines > 0)
        out << OverlongLinesLabel(result.counts.overlongLines) << '\n';
    out << LeftOutText(request.leaveOut, result.counts.leftOut, result.counts.agents);
    for (const auto& text : result.texts)
        out << '\n' << text;
}

// The parts of the JSON output that grow with the report, written where they are kept.
struct GrowingParts {
    std::function<bool(int panel, JsonStream& json)> result;
    std::function<bool(JsonStream& json)> reportHits;
    const CollectedHits& collected;
};

// Written as it goes: the result texts and the hits can be hundreds of megabytes. False when a
// part could not be read back.
bool WriteJson(const SearchRequest& request, const SearchCounts& counts, const GrowingParts& parts, std::ostream& out)
{
    const DownloadCounts downloads = counts.downloads.value_or(DownloadCounts{});
    JsonStream json(out);
    bool read = true;
    json.beginObject();
    json.key("lines");
    json.value(counts.lineCount);
    json.key("overlong_lines");
    json.value(counts.overlongLines);
    json.key("all");
    json.value(counts.allFound);
    json.key("left_out");
    json.value(LeftOutJson(counts.leftOut, counts.agents));
    json.key("panels");
    json.beginArray();
    for (int i = 0; i < kPanelCount; ++i) {
        json.beginObject();
        json.key("text");
        json.text(request.texts[i]);
        json.key("found");
        json.value(counts.found[i]);
        Json panelCounts = Json::object();
        SetPanelCounts(panelCounts, downloads.panels[i]);
        json.members(panelCounts);
        json.key("result");
        read = parts.result(i, json) && read;
        json.endObject();
    }
    json.endArray();
    json.key("sizes");
    json.value(SizesJson(downloads.sizes));
    json.key("report_hits");
    read = parts.reportHits(json) && read;
    json.key("collected");
    json.texts(parts.collected);
    json.endObject();
    json.finish();
    return read;
}

// Without tracked items nothing is collected: the result texts and the report hits go into the
// output as the search finds them, kept for it in memory up to a bound, and beyond it read back
// from the reports after the search or, for pipes and compressed reports, by way of temporary
// files.
int SearchIntoJson(const SearchRequest& request, const ReportPaths& reports, Environment& env)
{
    const bool readBack = ReportLines::CanReadBack(reports);
    JsonSpillSink spill(request.moreFlags,
                        readBack ? JsonSpillSink::Beyond::ReportsReadBack : JsonSpillSink::Beyond::TemporaryFiles);
    const auto read = ReadReportFiles(reports, request, spill, env.openReport);
    if (read.status != ReportFileSearch::Status::Done)
        return ReportSearchFailure(read.failedPath, read.status, read.error, env);
    if (const auto error = spill.error()) {
        env.err << "tallywick-cli search: cannot keep the output in a temporary file: " << error->toStdString() << '\n';
        return kExitFailed;
    }
    if (const auto error = spill.mapReports(reports, read.starts)) {
        env.err << "tallywick-cli search: cannot read the report again: " << error->toStdString() << '\n';
        return kExitFailed;
    }
    const CollectedHits none;
    const bool written =
        WriteJson(request, read.counts,
                  {.result = [&](int panel, JsonStream& json) { return spill.writeResult(panel, json); },
                   .reportHits = [&](JsonStream& json) { return spill.writeReportHits(json); },
                   .collected = none},
                  env.out);
    if (!written) {
        env.err << "tallywick-cli search: "
                << (readBack ? "a report changed after it was searched: its lines are no longer where they were"
                             : "the output kept in a temporary file could not be read back")
                << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int RunSearch(const Arguments& arguments, Environment& env)
{
    CommandLine line(QStringLiteral("search"), QStringLiteral("[options] REPORT..."), QString::fromUtf8(kSearchHelp));
    auto& parser = line.parser();
    parser.addOptions(SearchRequestOptions());
    parser.addOption({QStringLiteral("tracked"),
                      QStringLiteral("A tracking.dat whose items the new hits are collected for."),
                      QStringLiteral("FILE")});
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The report files, one or several."),
                                 QStringLiteral("REPORT..."));
    line.namesFile(QStringLiteral("tracked"));
    if (!line.parse(arguments, env))
        return line.exitCode();

    const auto choice = ReadSearchRequest(line, QStringLiteral("search"), env);
    if (choice.exitCode)
        return *choice.exitCode;
    const SearchRequest& request = choice.request;
    const ReportPaths reports = ReportsGiven(line);
    std::vector<std::string> tracked;
    if (parser.isSet(QStringLiteral("tracked"))) {
        const QString trackedPath = parser.value(QStringLiteral("tracked"));
        if (!FileExists(trackedPath))
            return ReportSearchFailure(trackedPath, ReportFileSearch::Status::NotFound, {}, env);
        auto read = ReadTrackingFile(trackedPath);
        if (read.status == LinesRead::Status::Failed)
            return ReportSearchFailure(trackedPath, ReportFileSearch::Status::Failed, read.error, env);
        tracked = std::move(read.lines);
    }

    if (line.json() && tracked.empty())
        return SearchIntoJson(request, OldestReportsFirst(reports), env);
    // The text output shows no report hits.
    const bool keepHits = line.json();
    const auto search =
        SearchReportFiles(OldestReportsFirst(reports), request, tracked, env.openReport, {},
                          keepHits ? ResultTextSink::ReportHits::Keep : ResultTextSink::ReportHits::Drop);
    if (search.status != ReportFileSearch::Status::Done)
        return ReportSearchFailure(search.failedPath, search.status, search.error, env);
    if (!line.json()) {
        WriteText(request, search.outcome.result, env.out);
        return kExitOk;
    }
    const SearchResult& result = search.outcome.result;
    WriteJson(request, result.counts,
              {.result =
                   [&](int panel, JsonStream& json) {
                       json.text(result.texts[panel]);
                       return true;
                   },
               .reportHits =
                   [&](JsonStream& json) {
                       json.texts(result.reportHits);
                       return true;
                   },
               .collected = search.outcome.collected},
              env.out);
    return kExitOk;
}

} // namespace tallywick::cli
