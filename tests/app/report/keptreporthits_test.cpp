#include "app/report/keptreporthits.h"

#include "core/search/countexplanation.h"

#include "support/rotatedreports.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallywick {
namespace {

std::vector<std::string> Lines(const KeptReportHits& hits, bool* read = nullptr)
{
    std::vector<std::string> lines;
    const bool wasRead = hits.forEachLine([&](std::string_view line) { lines.emplace_back(line); });
    if (read)
        *read = wasRead;
    return lines;
}

// Two reports searched as one: the places kept read back as the lines the search kept, also
// when a report has grown since, but not once a line has changed.
TEST(KeptReportHits, PlacesReadBackAsTheLinesTheSearchKept)
{
    QTemporaryDir dir;
    const auto written = testing::WriteRotatedReports(QDir(dir.path()));
    const QString& newer = written.newer;
    const std::string& newerText = written.newerText;
    const ReportPaths reports{written.older, newer};

    SearchRequest request;
    const auto keep = SearchReportFiles(reports, request, {});
    ASSERT_EQ(keep.status, ReportFileSearch::Status::Done) << keep.error.toStdString();
    ExplainSink fates(nullptr, ExplainSink::Texts::Drop);
    auto placed = SearchReportFiles(reports, request, {}, OpenReportFile, {}, ResultTextSink::ReportHits::Places,
                                    CoveredDays::Skip, &fates);
    ASSERT_EQ(placed.status, ReportFileSearch::Status::Done) << placed.error.toStdString();
    ASSERT_GT(keep.outcome.result.reportHits.size(), 2000u);
    EXPECT_TRUE(placed.outcome.result.reportHits.empty());

    const KeptReportHits hits(std::move(placed.outcome.result.reportHitPlaces), ReportLines(reports, placed.starts));
    const auto kept = keep.outcome.result.reportHits;
    bool read = false;
    EXPECT_TRUE(Lines(hits, &read) == kept);
    EXPECT_TRUE(read);
    EXPECT_TRUE(Lines(KeptReportHits(LineList(kept))) == kept);

    testing::WriteBytes(newer, newerText + "10.9.9.9 - - [05/Dec/2004:12:00:00 -0800] \"GET / HTTP/1.1\" 200 1\n");
    EXPECT_TRUE(Lines(hits, &read) == kept) << "a live log grows";
    EXPECT_TRUE(read);

    const auto hitAt = newerText.rfind("10.0.");
    testing::WriteBytes(newer, newerText.substr(0, hitAt) + "10.1." + newerText.substr(hitAt + 5));
    EXPECT_TRUE(Lines(hits, &read).empty()) << "nothing of a changed report is handed on";
    EXPECT_FALSE(read);
}

} // namespace
} // namespace tallywick
