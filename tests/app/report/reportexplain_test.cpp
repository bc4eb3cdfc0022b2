#include "app/report/reportexplain.h"

#include "support/storetesting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

const std::string kLine =
    R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213)";

// Two reports searched as one, the older without a break at its end: each line is placed in its
// own file at its own number, and read back from there until the file changes.
TEST(ReportExplain, LinesArePlacedInTheirFilesAndReadBack)
{
    QTemporaryDir dir;
    const QString older = dir.filePath("access.log.1");
    const QString newer = dir.filePath("access.log");
    testing::WriteBytes(older, "garbage\r\n" + kLine + "\r\n" + kLine);
    testing::WriteBytes(newer, "\n\n" + kLine + "\n");
    const ReportPaths reports{older, newer};
    ASSERT_TRUE(ReportLines::CanReadBack(reports));
    EXPECT_FALSE(ReportLines::CanReadBack({dir.filePath("access.log.2.gz")}));

    SearchRequest request;
    request.texts = {"pelmor.zip", "nothing"};
    request.countDownloads = true;
    const auto search = ExplainReportFiles(reports, request);
    ASSERT_EQ(search.status, ReportFileSearch::Status::Done) << search.error.toStdString();
    const PanelExplanation& panel = search.explanation.panels[0];
    ASSERT_EQ(panel.lines.size(), 3u);
    std::vector<std::pair<std::size_t, std::int64_t>> places;
    for (const auto& line : panel.lines) {
        const auto place = PlaceOf(search.starts, line);
        places.emplace_back(place.report, place.line);
    }
    EXPECT_EQ(places, (std::vector<std::pair<std::size_t, std::int64_t>>{{0, 2}, {0, 3}, {1, 3}}));

    SearchExplanation kept;
    kept.explanation = search.explanation;
    kept.lines = ReportLines(reports, search.starts);
    for (std::uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(kept.lineText(0, i), kLine) << "line " << i;
    testing::WriteBytes(newer, "changed\n");
    EXPECT_EQ(kept.lineText(0, 2), std::nullopt) << "the report changed";
    EXPECT_EQ(kept.lineText(0, 0), kLine) << "the other did not";
}

} // namespace
} // namespace tallywick
