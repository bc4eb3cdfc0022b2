#include "app/report/reportexplain.h"
#include "app/report/reportorder.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/jsonstream.h"
#include "cli/labels.h"
#include "cli/options.h"
#include "cli/reportfailure.h"
#include "cli/searchoptions.h"

#include <array>

namespace tallywick::cli {
namespace {

const char* const kExplainHelp =
    "Searches reports as search does (the same options, several reports as one, oldest first) and\n"
    "tells what became of every line that holds a panel's search text, so that each count can be\n"
    "checked line by line. Reads no settings and no data folder.\n"
    "\n"
    "A line that holds the text is one of:\n"
    "  a download: the first line of a download, counted in \"Found\";\n"
    "  a repeat: the same client asked for a file that matches the same text less than the time\n"
    "  frame (--split-time) before or after an earlier line, so the line joins that line's\n"
    "  download (counted too with --with-duplicates);\n"
    "  left out: a robot's user agent (with the pattern of the robot list that matched), a\n"
    "  download tool's, or a status other than 2xx, as the --leave-out options ask;\n"
    "  not a hit: the text stands only before character 38, where the request begins (in the\n"
    "  client's address or the date, say), or the line is longer than 1 MiB and was never searched.\n"
    "\n"
    "Text output, for each panel: its search text and \"Found: N\"; then a block for each download\n"
    "(\"Download N: PATH, BYTES of SIZE bytes, complete\"; incomplete, or \"size unknown\" when no\n"
    "size is known) with its lines as FILE:LINE and the line, each repeat with the line it joined\n"
    "and the minutes since that line; then the left-out lines and the lines that are no hit,\n"
    "grouped by reason with their counts. --panel shows one panel, --download N only download N.\n"
    "\n"
    "JSON output: {\"panels\": [{\"panel\": 0, \"find\": TEXT, \"found\": N, \"downloads\": [{\"n\": N,\n"
    "\"path\": PATH, \"lines\": [{\"file\": FILE, \"line\": N, \"text\": LINE, \"fate\": \"download\" or\n"
    "\"repeat\", \"minutes_since_previous\": M or null, \"repeat_of\": {\"file\": FILE, \"line\": N} or\n"
    "null}], \"bytes\": B, \"size\": S or null, \"complete\": true, false or null}], \"left_out\":\n"
    "[{\"file\": FILE, \"line\": N, \"text\": LINE, \"reason\": \"robot\", \"download_tool\" or \"failed\",\n"
    "\"pattern\": PATTERN (robot) or \"status\": N (failed)}], \"not_a_hit\": [{\"file\": FILE, \"line\": N,\n"
    "\"text\": LINE, \"reason\": \"before_request_column\" or \"over_length\"}]}]}. A line over the length\n"
    "bound has an empty text. Strings carry the report's bytes as search --json does.\n"
    "\n"
    "What the lines add up to is what search counts: with --no-duplicates the downloads are \"Found\",\n"
    "with --with-duplicates the downloads and repeats are; the left-out lines, each line once, are\n"
    "search's \"Left out\" counts.\n"
    "\n"
    "Exit status: 0 done; 1 a report could not be opened or read to its end, the robot list could\n"
    "not be read, or there was not enough memory; 2 bad arguments or \"File Not Found\".";

struct Shown {
    std::array<bool, kPanelCount> panels{true, true};
    std::optional<std::int64_t> download; // from 1
};

class Writer {
public:
    Writer(const ExplainedSearch& search, const LeaveOutChoice& robots) : search_(search), robots_(robots) {}

    std::string file(const ExplainedLine& line) const
    {
        const auto place = PlaceOf(search_.starts, line);
        const QByteArray bytes = search_.reports.value(static_cast<qsizetype>(place.report)).bytes();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    std::int64_t lineNumber(const ExplainedLine& line) const { return PlaceOf(search_.starts, line).line; }
    std::string where(const ExplainedLine& line) const { return file(line) + ":" + std::to_string(lineNumber(line)); }
    std::string pattern(const ExplainedLine& line) const
    {
        if (line.detail < 0 || !robots_.matcher)
            return {};
        return robots_.matcher->patternAt(static_cast<std::size_t>(line.detail));
    }

private:
    const ExplainedSearch& search_;
    const LeaveOutChoice& robots_;
};

constexpr std::array kLeftOut = {LineFate::Robot, LineFate::DownloadTool, LineFate::Failed};
constexpr std::array kNotAHit = {LineFate::BeforeRequestColumn, LineFate::OverLength};

std::string ReasonWords(LineFate fate)
{
    switch (fate) {
    case LineFate::Robot:
        return "Left out, robots";
    case LineFate::DownloadTool:
        return "Left out, download tools";
    case LineFate::Failed:
        return "Left out, failed";
    case LineFate::BeforeRequestColumn:
        return "Not a hit, the text only before the request (character 38)";
    case LineFate::OverLength:
        return "Not a hit, lines longer than 1 MiB";
    case LineFate::Download:
    case LineFate::Repeat:
        break;
    }
    return {};
}

const char* ReasonKey(LineFate fate)
{
    switch (fate) {
    case LineFate::Robot:
        return "robot";
    case LineFate::DownloadTool:
        return "download_tool";
    case LineFate::Failed:
        return "failed";
    case LineFate::BeforeRequestColumn:
        return "before_request_column";
    case LineFate::OverLength:
        return "over_length";
    case LineFate::Download:
        return "download";
    case LineFate::Repeat:
        return "repeat";
    }
    return "";
}

std::string MinutesWords(std::int64_t minutes)
{
    if (minutes == 0)
        return "in the same minute";
    const auto amount = minutes < 0 ? -minutes : minutes;
    return std::to_string(amount) + (amount == 1 ? " minute " : " minutes ") + (minutes < 0 ? "earlier" : "later");
}

std::string DownloadHeading(const CountExplanation& explanation, const ExplainedDownload& download, std::int64_t n)
{
    std::string heading = "Download " + std::to_string(n) + ": ";
    heading += download.path == kNoIndex ? "(no path)" : explanation.paths[download.path];
    heading += ", " + std::to_string(download.delivered);
    if (!download.sizeKnown())
        return heading + " bytes, size unknown";
    return heading + " of " + std::to_string(download.size) + " bytes, " +
           (download.complete() ? "complete" : "incomplete");
}

void WriteText(const ExplainedSearch& search, const SearchRequest& request, const Shown& shown, const Writer& writer,
               std::ostream& out)
{
    bool first = true;
    for (int i = 0; i < kPanelCount; ++i) {
        if (!shown.panels[i])
            continue;
        const PanelExplanation& panel = search.explanation.panels[i];
        if (!first)
            out << '\n';
        first = false;
        out << "Panel " << i << ": " << request.texts[i] << '\n' << FoundLabel(search.counts.found[i]) << '\n';
        for (std::uint32_t d = 0; d < panel.downloads.size(); ++d) {
            if (shown.download && *shown.download != d + 1)
                continue;
            out << '\n' << DownloadHeading(search.explanation, panel.downloads[d], d + 1) << '\n';
            for (const auto index : panel.linesOf(d)) {
                const ExplainedLine& line = panel.lines[index];
                out << "  " << writer.where(line) << "  ";
                if (line.fate == LineFate::Repeat)
                    out << "(repeat of " << writer.where(panel.lines[line.matchedLine]) << ", "
                        << MinutesWords(line.detail) << ") ";
                out << panel.textOf(index) << '\n';
            }
        }
        if (shown.download)
            continue;
        for (const auto& group : {std::vector<LineFate>(kLeftOut.begin(), kLeftOut.end()),
                                  std::vector<LineFate>(kNotAHit.begin(), kNotAHit.end())}) {
            for (const LineFate fate : group) {
                const auto count = panel.count(fate);
                if (count == 0)
                    continue;
                out << '\n' << ReasonWords(fate) << ": " << count << '\n';
                for (std::uint32_t index = 0; index < panel.lines.size(); ++index) {
                    const ExplainedLine& line = panel.lines[index];
                    if (line.fate != fate)
                        continue;
                    out << "  " << writer.where(line) << "  ";
                    if (fate == LineFate::Robot && !writer.pattern(line).empty())
                        out << "(pattern " << writer.pattern(line) << ") ";
                    if (fate == LineFate::Failed)
                        out << "(status " << line.detail << ") ";
                    out << panel.textOf(index) << '\n';
                }
            }
        }
    }
}

// Written as it goes: a report of a million lines is not held twice.
void WriteJson(const ExplainedSearch& search, const SearchRequest& request, const Shown& shown, const Writer& writer,
               std::ostream& out)
{
    const auto place = [&](const ExplainedLine& line) {
        return Json::object().set("file", Json::text(writer.file(line))).set("line", writer.lineNumber(line));
    };
    JsonStream json(out);
    json.beginObject();
    json.key("panels");
    json.beginArray();
    for (int i = 0; i < kPanelCount; ++i) {
        if (!shown.panels[i])
            continue;
        const PanelExplanation& panel = search.explanation.panels[i];
        json.beginObject();
        json.members(Json::object()
                         .set("panel", i)
                         .set("find", Json::text(request.texts[i]))
                         .set("found", search.counts.found[i]));
        json.key("downloads");
        json.beginArray();
        for (std::uint32_t d = 0; d < panel.downloads.size(); ++d) {
            if (shown.download && *shown.download != d + 1)
                continue;
            const ExplainedDownload& download = panel.downloads[d];
            json.beginObject();
            json.members(Json::object()
                             .set("n", std::int64_t{d} + 1)
                             .set("path", download.path == kNoIndex
                                              ? Json()
                                              : Json::text(search.explanation.paths[download.path])));
            json.key("lines");
            json.beginArray();
            for (const auto index : panel.linesOf(d)) {
                const ExplainedLine& line = panel.lines[index];
                const bool repeat = line.fate == LineFate::Repeat;
                json.value(place(line)
                               .set("text", Json::text(panel.textOf(index)))
                               .set("fate", Json::text(ReasonKey(line.fate)))
                               .set("minutes_since_previous", repeat ? Json(line.detail) : Json())
                               .set("repeat_of", repeat ? place(panel.lines[line.matchedLine]) : Json()));
            }
            json.endArray();
            json.members(Json::object()
                             .set("bytes", download.delivered)
                             .set("size", download.sizeKnown() ? Json(download.size) : Json())
                             .set("complete", download.sizeKnown() ? Json(download.complete()) : Json()));
            json.endObject();
        }
        json.endArray();
        for (const bool leftOut : {true, false}) {
            json.key(leftOut ? "left_out" : "not_a_hit");
            json.beginArray();
            for (std::uint32_t index = 0; index < panel.lines.size() && !shown.download; ++index) {
                const ExplainedLine& line = panel.lines[index];
                if (leftOut ? !IsLeftOut(line.fate) : !IsNotAHit(line.fate))
                    continue;
                Json entry = place(line)
                                 .set("text", Json::text(panel.textOf(index)))
                                 .set("reason", Json::text(ReasonKey(line.fate)));
                if (line.fate == LineFate::Robot)
                    entry.set("pattern", writer.pattern(line).empty() ? Json() : Json::text(writer.pattern(line)));
                if (line.fate == LineFate::Failed)
                    entry.set("status", line.detail);
                json.value(entry);
            }
            json.endArray();
        }
        json.endObject();
    }
    json.endArray();
    json.endObject();
    json.finish();
}

} // namespace

int RunExplain(const Arguments& arguments, Environment& env)
{
    CommandLine line(QStringLiteral("explain"), QStringLiteral("[options] REPORT..."), QString::fromUtf8(kExplainHelp));
    auto& parser = line.parser();
    parser.addOptions(SearchRequestOptions());
    parser.addOptions({
        {QStringLiteral("panel"), QStringLiteral("Explain one panel only: 0 or 1."), QStringLiteral("0|1")},
        {QStringLiteral("download"), QStringLiteral("Show download N only (from 1), with its lines."),
         QStringLiteral("N")},
    });
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The report files, one or several."),
                                 QStringLiteral("REPORT..."));
    if (!line.parse(arguments, env))
        return line.exitCode();

    Shown shown;
    if (parser.isSet(QStringLiteral("panel"))) {
        const QString panel = parser.value(QStringLiteral("panel"));
        if (panel != QLatin1String("0") && panel != QLatin1String("1"))
            return line.usageError(env, QStringLiteral("--panel is 0 or 1, not \"%1\"").arg(panel));
        shown.panels = {panel == QLatin1String("0"), panel == QLatin1String("1")};
    }
    if (parser.isSet(QStringLiteral("download"))) {
        const auto n = ParseInteger(parser.value(QStringLiteral("download")));
        if (!n || *n < 1)
            return line.usageError(env, QStringLiteral("--download takes a download's number, 1 or more, not \"%1\"")
                                            .arg(parser.value(QStringLiteral("download"))));
        shown.download = n;
    }
    const auto choice = ReadSearchRequest(line, QStringLiteral("explain"), env);
    if (choice.exitCode)
        return *choice.exitCode;

    const auto search = ExplainReportFiles(OldestReportsFirst(ReportsGiven(line)), choice.request,
                                           ExplainSink::Texts::Keep, env.openReport);
    if (search.status != ReportFileSearch::Status::Done)
        return ReportSearchFailure(search.failedPath, search.status, search.error, env);
    const Writer writer(search, choice.leaveOut);
    if (line.json())
        WriteJson(search, choice.request, shown, writer, env.out);
    else
        WriteText(search, choice.request, shown, writer, env.out);
    return kExitOk;
}

} // namespace tallywick::cli
