#include "core/search/reportsearch.h"

#include "support/chunkedsearch.h"

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

TEST(SearchReport, CountsEachPanelAndShowsTheShortForm)
{
    const std::string zip = Line("203.0.113.45", "10:15:42", kZip);
    const std::string exe = Line("198.51.100.77", "11:00:00", kExe);
    const auto result = Search(zip + "\r\n" + exe + "\r\n" + Line("198.51.100.77", "12:00:00", "GET /index.html"));

    EXPECT_EQ(result.counts.lineCount, 3);
    EXPECT_EQ(result.counts.allFound, 2);
    EXPECT_EQ(result.counts.found[0], 1);
    EXPECT_EQ(result.counts.found[1], 1);
    EXPECT_EQ(result.texts[1],
              "203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] \"GET /quarnel/shareware/pelmor.zip \r\n");
    EXPECT_EQ(result.texts[0],
              "198.51.100.77 - - [05/Dec/2004:11:00:00 -0800] \"GET /quarnel/shareware/pelmor.exe \r\n");
    EXPECT_EQ(result.reportHits, (std::vector<std::string>{zip, exe}));
}

TEST(SearchReport, TheLongFormShowsTheLineFromItsStatusFollowedByAnEmptyLine)
{
    SearchRequest request;
    request.moreFlags = {false, true};
    const auto result = Search(Line("203.0.113.45", "10:15:42", kZip), request);
    EXPECT_EQ(result.texts[1], "200 48213 \"-\" \"Agent/1.0\"\r\n\r\n");
}

TEST(SearchReport, OtherStatusesAreCountedButNeverRepeats)
{
    SearchRequest request;
    request.moreFlags = {false, true};
    const std::string missing = Line("203.0.113.45", "10:15:42", kZip, "404");
    const auto result = Search(missing + "\n" + missing, request);
    EXPECT_EQ(result.counts.found[1], 2);
    EXPECT_EQ(result.texts[1], missing.substr(1) + "\r\n\r\n" + missing.substr(1) + "\r\n\r\n");
    EXPECT_EQ(result.reportHits.size(), 2u);
}

TEST(SearchReport, ARepeatIsLeftOutOfTheCountsOnlyWithNoDuplicatesButAlwaysOutOfTheHits)
{
    const std::string line = Line("203.0.113.45", "10:15:42", kZip);
    const std::string twice = line + "\n" + line + "\n";

    const auto without = Search(twice);
    EXPECT_EQ(without.counts.found[1], 1);
    EXPECT_EQ(without.counts.allFound, 1);

    SearchRequest withDuplicates;
    withDuplicates.noDuplicates = false;
    const auto with = Search(twice, withDuplicates);
    EXPECT_EQ(with.counts.found[1], 2);
    EXPECT_EQ(with.counts.allFound, 2);

    EXPECT_EQ(without.reportHits, std::vector<std::string>{line});
    EXPECT_EQ(with.reportHits, std::vector<std::string>{line});
}

TEST(SearchReport, PanelsAreIndependentAndALineHittingBothCountsTwice)
{
    SearchRequest request;
    request.texts = {".zip", "pelmor"};
    const std::string line = Line("203.0.113.45", "10:15:42", kZip);
    const auto result = Search(line + "\n" + Line("203.0.113.45", "10:16:00", kZip), request);
    EXPECT_EQ(result.counts.found[0], 1) << "the second line repeats the first of panel 0";
    EXPECT_EQ(result.counts.found[1], 1);
    EXPECT_EQ(result.counts.allFound, 2);
    EXPECT_EQ(result.reportHits, (std::vector<std::string>{line, line})) << "once for each panel, panel 0 first";
}

TEST(SearchReport, ATextBeforeCharacter38IsNoHit)
{
    SearchRequest request;
    request.texts = {"203.0.113.45", "05/Dec/2004"};
    const auto result = Search(Line("203.0.113.45", "10:15:42", kZip), request);
    EXPECT_EQ(result.counts.allFound, 0);
    // The same text later in the line is found there.
    request.texts = {"Dec", "10:15:42 -0800"};
    const auto later = Search(Line("203.0.113.45", "10:15:42", "GET /Dec/report.zip"), request);
    EXPECT_EQ(later.counts.found[0], 1);
    EXPECT_EQ(later.counts.found[1], 0) << "the time starts at character 31 and reaches beyond 38";
}

TEST(SearchReport, AnEmptyReportShowsZeroesAndEmptyTexts)
{
    const auto result = Search("");
    EXPECT_EQ(result.counts.allFound, 0);
    EXPECT_EQ(result.counts.lineCount, 0);
    EXPECT_EQ(result.counts.found[0], 0);
    EXPECT_TRUE(result.texts[0].empty());
    EXPECT_TRUE(result.texts[1].empty());
}

TEST(SearchReport, AnEmptyTextMatchesEveryLineOf38CharactersAndNoShorterOne)
{
    SearchRequest request;
    request.texts = {"", kZip};
    request.noDuplicates = false;
    const std::string report =
        std::string(37, 'x') + "\n" + std::string(38, 'y') + "\n\n" + Line("1.2.3.4", "10:00:00", kZip);
    const auto result = Search(report, request);
    EXPECT_EQ(result.counts.lineCount, 4);
    EXPECT_EQ(result.counts.found[0], 2);
    EXPECT_EQ(result.texts[0], "\r\n1.2.3.4 - - [05/Dec/2004:10:00:00 -0800] \r\n")
        << "a line without a blank from 38 on shows nothing before its break";
    EXPECT_EQ(result.counts.found[1], 1) << "the empty text does not stop the search";
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
// arrives; one of exactly that length is searched.
TEST(SearchReport, LinesLongerThanTheLongestSearchedCountButNeverHit)
{
    const std::string hit = Line("203.0.113.45", "10:15:42", kZip);
    const std::string longest = hit + std::string(kLongestLine - hit.size(), 'z');
    const std::string report = hit + "\r\n" + longest + "z\r\n" + longest + "\r" + longest + "\n" +
                               std::string(3 * kLongestLine, '\0') + "\n" + hit + "\n" + longest + "zz";
    SearchRequest request;
    request.splitTime = 0;
    for (const std::size_t chunkSize : {report.size(), std::size_t{1} << 20, std::size_t{4093}, std::size_t{1} << 22}) {
        const auto result = testing::SearchInChunks(report, request, [&] { return chunkSize; });
        EXPECT_EQ(result.counts.lineCount, 7) << chunkSize;
        EXPECT_EQ(result.counts.overlongLines, 3) << chunkSize;
        EXPECT_EQ(result.counts.found[1], 4) << chunkSize;
        ASSERT_EQ(result.reportHits.size(), 4u) << chunkSize;
        EXPECT_EQ(result.reportHits[1], longest) << chunkSize;
    }
}

// Robots are the user agents that hold "bot".
class BotMatcher final : public UserAgentMatcher {
public:
    AgentKind kindOf(std::string_view userAgent) const override
    {
        return userAgent.find("bot") != std::string_view::npos ? AgentKind::Robot : AgentKind::Person;
    }
};

std::string AgentLine(std::string_view time, std::string_view status, std::string_view agent)
{
    auto line = Line("203.0.113.45", time, kZip, status);
    return line.replace(line.rfind("Agent/1.0"), 9, agent);
}

TEST(SearchReport, LeftOutLinesAreRemovedBeforeTheSplitDownloadTest)
{
    const BotMatcher bots;
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

TEST(SearchReport, ALeftOutLineCountsOnceWhateverHitsItAndWhateverRemovesIt)
{
    const BotMatcher bots;
    SearchRequest request;
    request.texts = {".zip", "pelmor"};
    request.leaveOut = {.failed = true, .robots = &bots};
    const std::string both = AgentLine("10:15:00", "404", "Googlebot/2.1");
    const std::string robot = AgentLine("10:20:00", "200", "bingbot");
    const auto result = Search(both + "\n" + robot + "\n", request);
    EXPECT_EQ(result.counts.allFound, 0);
    EXPECT_EQ(result.counts.leftOut, (LeftOutCounts{.robots = 1, .failed = 1}));
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
