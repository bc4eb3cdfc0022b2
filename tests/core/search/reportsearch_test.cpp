#include "core/search/reportsearch.h"

#include "support/chunkedsearch.h"
#include "support/testagents.h"

#include <gtest/gtest.h>

#include <string>

namespace tallywick {
namespace {

// A download line of the given host, time, request and status, with a client part.
std::string Line(std::string_view host, std::string_view time, std::string_view request,
                 std::string_view status = "200")
{
    return std::string(host) + " - - [05/Dec/2004:" + std::string(time) + " -0800] \"" + std::string(request) +
           " HTTP/1.1\" " + std::string(status) + " 48213 \"-\" \"Agent/1.0\"";
}

const std::string kZip = "GET /quarnel/shareware/pelmor.zip";
const std::string kExe = "GET /quarnel/shareware/pelmor.exe";

SearchResult Search(std::string_view report, const SearchRequest& request = {})
{
    return testing::SearchInChunks(report, request, [&] { return report.size(); });
}

// One concrete hit of each form, as the main window shows it; the plain reading checks the rest.
TEST(SearchReport, ShowsTheShortFormOrTheLongFormOfEachHit)
{
    const std::string zip = Line("203.0.113.45", "10:15:42", kZip);
    const std::string exe = Line("198.51.100.77", "11:00:00", kExe);
    SearchRequest request;
    request.moreFlags = {false, true};
    const auto result =
        Search(zip + "\r\n" + exe + "\r\n" + Line("198.51.100.77", "12:00:00", "GET /index.html"), request);
    EXPECT_EQ(result.counts.lineCount, 3);
    EXPECT_EQ(result.counts.found, (std::array<std::int64_t, kPanelCount>{1, 1}));
    EXPECT_EQ(result.texts[0],
              "198.51.100.77 - - [05/Dec/2004:11:00:00 -0800] \"GET /quarnel/shareware/pelmor.exe \r\n");
    EXPECT_EQ(result.texts[1], "200 48213 \"-\" \"Agent/1.0\"\r\n\r\n");
    EXPECT_EQ(result.reportHits, (std::vector<std::string>{zip, exe}));
}

TEST(SearchReport, ATextHoldingALineBreakMatchesNothing)
{
    SearchRequest request;
    request.texts = {"pelmor.zip\r\n", "\n"};
    EXPECT_EQ(Search(Line("203.0.113.45", "10:15:42", kZip) + "\r\n", request).counts.allFound, 0);
}

TEST(SearchReport, ManyLinesCountBeyondSixteenBits)
{
    std::string report;
    const std::string line = Line("1.2.3.4", "10:15:42", kZip) + "\n";
    for (int i = 0; i < 70000; ++i)
        report += line;
    const auto result = Search(report);
    EXPECT_EQ(result.counts.lineCount, 70000);
    EXPECT_EQ(result.counts.found[1], 70000) << "a host under nine characters never repeats";
    EXPECT_EQ(result.counts.allFound, 70000);
}

TEST(SearchReport, BinaryBytesAreSearchedLikeText)
{
    std::string report("\0\xff\x80 - - [\0", 10);
    report += "\n" + std::string(300'000, 'z') + kZip + "\n";
    report += std::string("\0", 1) + Line("203.0.113.45", "10:15:42", kZip).substr(1);
    SearchRequest request;
    request.moreFlags = {true, true};
    const auto result = Search(report, request);
    EXPECT_EQ(result.counts.lineCount, 3);
    EXPECT_EQ(result.counts.found[1], 2);
}

// A line longer than the longest searched counts as a line but is never a hit, however the report
// arrives, and whether its lines were found ahead; one of exactly that length is searched.
TEST(SearchReport, LinesLongerThanTheLongestSearchedCountButNeverHit)
{
    const std::string hit = Line("203.0.113.45", "10:15:42", kZip);
    const std::string longest = hit + std::string(kLongestLine - hit.size(), 'z');
    const std::string report = hit + "\r\n" + longest + "z\r\n" + longest + "\r" + longest + "\n" +
                               std::string(3 * kLongestLine, '\0') + "\n" + hit + "\n" + longest + "zz";
    SearchRequest request;
    request.splitTime = 0;
    for (const auto ahead : {testing::Ahead::None, testing::Ahead::Found}) {
        for (const std::size_t chunkSize :
             {report.size(), std::size_t{1} << 20, std::size_t{4093}, std::size_t{1} << 22}) {
            const auto result = testing::SearchInChunks(
                report, request, [&] { return chunkSize; }, BestSimdLevel(), testing::FileSizes::AsItGoes,
                ResultTextSink::ReportHits::Keep, ahead);
            EXPECT_EQ(result.counts.lineCount, 7) << chunkSize;
            EXPECT_EQ(result.counts.overlongLines, 3) << chunkSize;
            EXPECT_EQ(result.counts.found[1], 4) << chunkSize;
            ASSERT_EQ(result.reportHits.size(), 4u) << chunkSize;
            EXPECT_EQ(result.reportHits[1], longest) << chunkSize;
        }
    }
}

// Pieces found ahead are taken for the very run they were found in, never for another that holds
// as many bytes.
TEST(SearchReport, TakesPiecesFoundAheadOnlyForTheirOwnRun)
{
    const std::string zip = Line("203.0.113.45", "10:15:42", kZip) + "\n";
    const std::string exe = Line("203.0.113.45", "10:15:42", kExe) + "\n";
    ASSERT_EQ(zip.size(), exe.size());
    ResultTextSink texts({});
    ReportSearch search(SearchRequest{}, texts);
    auto finding = search.findingAhead();
    FoundRun found;
    FindRun(finding.finder, finding.wanted, zip, kLongestLine, found);
    search.feed(exe, &found);
    const auto counts = std::move(search).finish();
    EXPECT_EQ(counts.found, (std::array<std::int64_t, kPanelCount>{1, 0}));
}

std::string AgentLine(std::string_view time, std::string_view status, std::string_view agent)
{
    auto line = Line("203.0.113.45", time, kZip, status);
    return line.replace(line.rfind("Agent/1.0"), 9, agent);
}

TEST(SearchReport, LeftOutLinesAreRemovedBeforeTheSplitDownloadTest)
{
    const testing::TestAgents bots;
    const std::string robot = AgentLine("10:15:00", "206", "Googlebot/2.1");
    const std::string unmodified = AgentLine("10:16:00", "304", "Firefox");
    const std::string person = AgentLine("10:17:00", "206", "Firefox");
    const std::string report = robot + "\n" + unmodified + "\n" + person + "\n";

    const auto counted = Search(report);
    EXPECT_EQ(counted.counts.found[1], 1) << "off, the robot's line starts the download the others repeat";
    EXPECT_EQ(counted.counts.leftOut, LeftOutCounts{});

    SearchRequest request;
    request.leaveOut = {.failed = true, .robots = &bots};
    const auto result = Search(report, request);
    EXPECT_EQ(result.counts.found[1], 1);
    EXPECT_EQ(result.reportHits, std::vector<std::string>{person}) << "the person's line starts a new download";
    EXPECT_EQ(result.counts.leftOut, (LeftOutCounts{.robots = 1, .failed = 1}));
    EXPECT_EQ(result.counts.lineCount, 3);

    request.noDuplicates = false;
    EXPECT_EQ(Search(report, request).counts.allFound, 1) << "left-out lines are not counted as repeats either";
}

TEST(SearchReport, TheWholeRoadCollectsNewTrackedHitsOnce)
{
    const std::string zip = Line("203.0.113.45", "10:15:42", kZip);
    const std::string exe = Line("198.51.100.77", "11:00:00", kExe);
    const std::string report = zip + "\n" + exe + "\n";
    const std::vector<std::string> tracked = {"/quarnel/shareware/pelmor.zip"};

    auto first = SearchReport(report, SearchRequest{}, tracked, CollectedHits{});
    EXPECT_TRUE(first.historyChanged);
    ASSERT_EQ(first.collected.size(), 1u);
    EXPECT_EQ(first.collected[0], zip);

    const auto again = SearchReport(report, SearchRequest{}, tracked, std::move(first.collected));
    EXPECT_FALSE(again.historyChanged) << "searching the same report again collects nothing new";
    EXPECT_EQ(again.collected.size(), 1u);

    const auto untracked = SearchReport(report, SearchRequest{}, {}, CollectedHits{});
    EXPECT_FALSE(untracked.historyChanged);
    EXPECT_TRUE(untracked.collected.empty());
}

} // namespace
} // namespace tallywick
