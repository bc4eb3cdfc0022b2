#include "app/report/reportexplain.h"

#include <algorithm>

namespace tallywick {
namespace {

// Hits go nowhere: the explanation holds what the caller needs.
class NoHits final : public HitSink {
public:
    void take(const SearchHit&) override {}
};

} // namespace

ExplainedSearch ExplainReportFiles(const ReportPaths& paths, const SearchRequest& request, ExplainSink::Texts texts,
                                   const ReportOpener& open, const SearchProgress& progress)
{
    ExplainedSearch search;
    search.reports = paths;
    NoHits hits;
    const auto* robots = request.leaveOut.robots ? request.leaveOut.robots : request.leaveOut.downloadTools;
    ExplainSink sink(robots, texts);
    try {
        const auto read = ReadReportFiles(paths, request, hits, open, progress, nullptr, &sink);
        search.status = read.status;
        search.error = read.error;
        search.failedPath = read.failedPath;
        if (read.status != ReportFileSearch::Status::Done)
            return search;
        search.counts = read.counts;
        search.explanation = std::move(sink).finish(read.counts.downloads ? read.counts.downloads->sizes : FileSizes{});
        search.starts = read.starts;
    } catch (const std::bad_alloc&) {
        search.status = ReportFileSearch::Status::Failed;
        search.error = QStringLiteral("Not enough memory to search the report");
        search.explanation = {};
    }
    return search;
}

std::optional<std::string> SearchExplanation::lineText(int panel, std::uint32_t line, ReportLines::Reader* reader) const
{
    const PanelExplanation& kept = explanation.panels[static_cast<std::size_t>(panel)];
    if (!kept.textEnds.empty())
        return std::string(kept.textOf(line));
    if (kept.lines[line].fate == LineFate::OverLength)
        return std::string(); // too long to show
    return reader ? reader->line(kept.lines[line].offset) : lines.line(kept.lines[line].offset);
}

ReportPlace PlaceOf(const std::vector<ReportStart>& starts, const ExplainedLine& line)
{
    const auto after =
        std::upper_bound(starts.begin(), starts.end(), line.offset,
                         [](std::uint64_t offset, const ReportStart& start) { return offset < start.offset; });
    if (after == starts.begin())
        return {0, line.number};
    const auto report = static_cast<std::size_t>(after - starts.begin() - 1);
    return {report, line.number - starts[report].linesBefore};
}

} // namespace tallywick
