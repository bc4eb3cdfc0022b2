#pragma once

#include "app/report/reportfile.h"
#include "core/search/countexplanation.h"

#include <cstdint>
#include <vector>

namespace tallywick {

// A search of reports that also kept what became of every line holding a panel's text.
struct ExplainedSearch {
    ReportFileSearch::Status status = ReportFileSearch::Status::Done;
    QString error;
    ReportPath failedPath;
    SearchCounts counts;
    CountExplanation explanation;
    ReportPaths reports;             // in the order searched
    std::vector<ReportStart> starts; // of each of them
};

// Searches the reports as one (see ReadReportFiles) in the order given, keeping each line's fate,
// and its text when asked (a window reads it back from the report instead). The request should
// count downloads: only then are the files' sizes, and so the downloads' completeness, known.
ExplainedSearch ExplainReportFiles(const ReportPaths& paths, const SearchRequest& request,
                                   ExplainSink::Texts texts = ExplainSink::Texts::Drop,
                                   const ReportOpener& open = OpenReportFile, const SearchProgress& progress = {});

// Where a line of the stream stands: which report (index into the reports searched) and its
// line number there, from 1.
struct ReportPlace {
    std::size_t report = 0;
    std::int64_t line = 0;
};
ReportPlace PlaceOf(const std::vector<ReportStart>& starts, const ExplainedLine& line);

} // namespace tallywick
