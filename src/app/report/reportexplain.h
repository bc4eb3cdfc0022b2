#pragma once

#include "app/report/reportfile.h"
#include "app/report/reportlines.h"
#include "core/search/countexplanation.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
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

// What the main window keeps of its last search to explain its counts: the fates of the lines
// (their texts too when the reports cannot be read back), where to read the lines back, the
// search texts, whether repeats were counted, and the robot patterns that matched.
struct SearchExplanation {
    CountExplanation explanation;
    ReportPaths reports;
    std::vector<ReportStart> starts;
    ReportLines lines; // when the texts were not kept
    std::array<std::string, kPanelCount> texts;
    std::array<std::int64_t, kPanelCount> found{};
    bool noDuplicates = true;
    std::map<std::int64_t, std::string> robotPatterns; // by their place in the list

    // The text of a panel's line: kept, read back (through reader when given: for many lines),
    // or nothing (the report changed).
    std::optional<std::string> lineText(int panel, std::uint32_t line, ReportLines::Reader* reader = nullptr) const;
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
