#include "core/search/countexplanation.h"
#include "core/search/reportsearch.h"

#include "support/chunkedsearch.h"
#include "support/plainfates.h"
#include "support/randomlog.h"
#include "support/testagents.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace tallywick {
namespace {

using Agents = testing::TestAgents;

struct Explained {
    SearchResult result;
    CountExplanation explanation;
};

// The report fed in chunks of the sizes nextSize() gives (all of it at once when it gives 0),
// with their lines found before, as a reading thread finds them, when ahead says so.
template <class NextSize>
Explained Explain(std::string_view report, const SearchRequest& request, const UserAgentMatcher* robots,
                  NextSize&& nextSize, ResultTextSink::ReportHits reportHits = ResultTextSink::ReportHits::Keep,
                  testing::Ahead ahead = testing::Ahead::None)
{
    ResultTextSink texts(request.moreFlags, reportHits);
    ExplainSink fates(robots, ExplainSink::Texts::Keep);
    ReportSearch search(request, texts, fates);
    auto finding = search.findingAhead();
    FoundRun found;
    char before = '\n';
    for (std::size_t at = 0; at < report.size();) {
        const std::size_t size = nextSize();
        const auto chunk = report.substr(at, size == 0 ? report.size() : size);
        if (ahead == testing::Ahead::Found) {
            FindRun(finding.finder, finding.wanted, LineAssembler::RunInPlace(chunk, before), kLongestLine, found);
            search.feed(chunk, &found);
            before = chunk.back();
        } else {
            search.feed(chunk);
        }
        at += chunk.size();
    }
    const auto counts = std::move(search).finish();
    const auto sizes = counts.downloads ? counts.downloads->sizes : FileSizes{};
    return {std::move(texts).finish(counts), std::move(fates).finish(sizes)};
}

std::int64_t Count(const PanelExplanation& panel, bool (*which)(LineFate))
{
    std::int64_t count = 0;
    for (const auto& line : panel.lines)
        count += which(line.fate) ? 1 : 0;
    return count;
}

// What the fates imply agrees with the engine's counts, and each line with the plain reading.
void ExpectAgreement(std::string_view report, const SearchRequest& request, const Explained& explained)
{
    const auto& counts = explained.result.counts;
    const auto plain = plain::Fates(report, request);
    std::set<std::int64_t> leftOutLines[3];
    for (int i = 0; i < kPanelCount; ++i) {
        SCOPED_TRACE("panel " + std::to_string(i));
        const PanelExplanation& panel = explained.explanation.panels[i];
        const auto downloads = panel.count(LineFate::Download);
        const auto repeats = panel.count(LineFate::Repeat);
        EXPECT_EQ(downloads + (request.noDuplicates ? 0 : repeats), counts.found[i]);
        EXPECT_EQ(static_cast<std::int64_t>(panel.downloads.size()), downloads);

        ASSERT_EQ(panel.lines.size(), plain[i].size());
        std::int64_t pastColumn = 0;
        for (std::uint32_t n = 0; n < panel.lines.size(); ++n) {
            const ExplainedLine& line = panel.lines[n];
            const plain::Fate& expected = plain[i][n];
            SCOPED_TRACE("line " + std::to_string(expected.number));
            EXPECT_EQ(line.fate, expected.fate);
            EXPECT_EQ(line.number, expected.number);
            EXPECT_EQ(line.offset, expected.offset);
            EXPECT_EQ(line.download, expected.download);
            EXPECT_EQ(line.matchedLine, expected.matchedLine);
            if (line.fate != LineFate::Robot)
                EXPECT_EQ(line.detail, expected.detail);
            else
                EXPECT_EQ(line.detail, static_cast<std::int64_t>(Agents::kRobotPattern));
            if (line.fate != LineFate::OverLength) {
                EXPECT_TRUE(report.substr(line.offset).starts_with(panel.textOf(n)));
            }
            if (!IsNotAHit(line.fate))
                ++pastColumn;
            if (IsLeftOut(line.fate))
                leftOutLines[static_cast<int>(line.fate) - static_cast<int>(LineFate::Robot)].insert(line.number);
            if (line.fate == LineFate::Repeat) {
                // An earlier line of a download, whose client the split-download test took.
                ASSERT_LT(line.matchedLine, n);
                const ExplainedLine& matched = panel.lines[line.matchedLine];
                EXPECT_TRUE(matched.fate == LineFate::Download || matched.fate == LineFate::Repeat);
                EXPECT_EQ(matched.download, line.download);
                const auto host = HostOfKey(TimeKey(panel.textOf(n)));
                if (!request.ipv6Network64) {
                    EXPECT_TRUE(TimeKey(panel.textOf(line.matchedLine)).starts_with(host));
                }
                EXPECT_LT(std::abs(line.detail), request.splitTime);
            }
        }
        // Every line past the request column, within the bound, is a download, a repeat or left out.
        std::int64_t plainPast = 0;
        ForEachLine(report, [&](std::string_view line) {
            plainPast += line.size() <= kLongestLine && MatchPosition(line, request.texts[i]) > 0 ? 1 : 0;
        });
        EXPECT_EQ(pastColumn, plainPast);
        EXPECT_EQ(downloads + repeats + Count(panel, IsLeftOut), plainPast);

        // Each download's lines are its first line and its repeats; its completeness is counted.
        std::int64_t complete = 0, incomplete = 0, unknown = 0, grouped = 0;
        for (std::uint32_t d = 0; d < panel.downloads.size(); ++d) {
            const auto lines = panel.linesOf(d);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front(), panel.downloads[d].firstLine);
            EXPECT_EQ(panel.lines[lines.front()].fate, LineFate::Download);
            grouped += static_cast<std::int64_t>(lines.size());
            const auto& download = panel.downloads[d];
            (download.sizeKnown() ? (download.complete() ? complete : incomplete) : unknown) += 1;
        }
        EXPECT_EQ(grouped, downloads + repeats);
        if (request.noDuplicates && counts.downloads) {
            EXPECT_EQ(complete, counts.downloads->panels[i].complete);
            EXPECT_EQ(incomplete, counts.downloads->panels[i].incomplete);
            EXPECT_EQ(unknown, counts.downloads->panels[i].sizeUnknown);
        }
    }
    EXPECT_EQ(static_cast<std::int64_t>(leftOutLines[0].size()), counts.leftOut.robots);
    EXPECT_EQ(static_cast<std::int64_t>(leftOutLines[1].size()), counts.leftOut.downloadTools);
    EXPECT_EQ(static_cast<std::int64_t>(leftOutLines[2].size()), counts.leftOut.failed);
}

// For every combination of the options, on random reports fed whole and in random chunks: the
// fates add up to the engine's counts and agree line by line with the plain reading, and the
// search's own results are those it gives without being asked for fates.
TEST(CountExplanation, FatesAddUpToTheCountsForEveryOptionCombination)
{
    const std::array<std::string, 7> texts = {"GET /quarnel/shareware/pelmor.zip",
                                              "GET /quarnel/shareware/pelmor.exe",
                                              ".zip",
                                              "",
                                              "Dec/2004",
                                              "googlebot",
                                              "HTTP/1.1\" 2"};
    const Agents agents;
    std::mt19937 random(4711);
    for (int options = 0; options < 64; ++options) {
        for (int round = 0; round < 6; ++round) {
            std::string report = random() % 2 == 0 ? randomlog::DownloadReport(random, static_cast<int>(random() % 200))
                                                   : randomlog::Report(random, static_cast<int>(random() % 200));
            if (round == 0 && options % 8 == 0) {
                // A line over the bound, holding the text before, past, or not at all.
                std::string longLine(kLongestLine + 10, 'x');
                longLine.replace(random() % 2 == 0 ? 5 : 600000, 8, "Dec/2004");
                report = report + "\n" + longLine + "\r\n" + randomlog::DownloadReport(random, 20);
            }
            SearchRequest request;
            request.texts = {texts[random() % texts.size()], texts[random() % texts.size()]};
            request.noDuplicates = (options & 1) != 0;
            request.ipv6Network64 = (options & 2) != 0;
            request.leaveOut = {.failed = (options & 4) != 0,
                                .robots = (options & 8) != 0 ? &agents : nullptr,
                                .downloadTools = (options & 16) != 0 ? &agents : nullptr};
            request.countDownloads = (options & 32) != 0;
            request.splitTime = std::array{0, 1, 30, 1000}[random() % 4];
            request.moreFlags = {random() % 2 == 0, random() % 2 == 0};
            SCOPED_TRACE("options " + std::to_string(options) + " round " + std::to_string(round));

            const auto whole = Explain(report, request, &agents, [] { return std::size_t{0}; });
            ExpectAgreement(report, request, whole);
            const auto chunked = Explain(
                report, request, &agents,
                [&] {
                    return report.size() > kLongestLine ? std::size_t{1} + random() % 300000
                                                        : std::size_t{1} + random() % 1000;
                },
                ResultTextSink::ReportHits::Places, testing::Ahead::Found);
            ExpectAgreement(report, request, chunked);
            EXPECT_TRUE(testing::PlacesOfLines(report, chunked.result.reportHitPlaces, whole.result.reportHits));

            // Asking for fates changes nothing the search gives.
            const auto plainSearch = SearchReport(report, request, {}, CollectedHits{}).result;
            EXPECT_EQ(whole.result.counts.allFound, plainSearch.counts.allFound);
            EXPECT_EQ(whole.result.counts.found, plainSearch.counts.found);
            EXPECT_EQ(whole.result.counts.leftOut, plainSearch.counts.leftOut);
            EXPECT_EQ(whole.result.counts.downloads, plainSearch.counts.downloads);
            EXPECT_EQ(whole.result.texts, plainSearch.texts);
            EXPECT_EQ(whole.result.reportHits, plainSearch.reportHits);
        }
    }
}

} // namespace
} // namespace tallywick
