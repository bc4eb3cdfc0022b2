#include "core/search/reportsearch.h"

#include "support/chunkedsearch.h"
#include "support/plainsearch.h"
#include "support/randomlog.h"
#include "support/reallog.h"
#include "support/simdlevels.h"

#include <gtest/gtest.h>

#include <random>

namespace tallywick {
namespace {

void ExpectSame(const SearchResult& engine, const SearchResult& plain)
{
    EXPECT_EQ(engine.counts.lineCount, plain.counts.lineCount);
    EXPECT_EQ(engine.counts.allFound, plain.counts.allFound);
    for (int i = 0; i < kPanelCount; ++i) {
        EXPECT_EQ(engine.counts.found[i], plain.counts.found[i]) << "panel " << i;
        EXPECT_EQ(engine.texts[i], plain.texts[i]) << "panel " << i;
    }
    EXPECT_EQ(engine.reportHits, plain.reportHits);
}

class SearchAgreement : public testing::AtEverySimdLevel {};
TALLYWICK_AT_EVERY_SIMD_LEVEL(SearchAgreement);

// Random reports, random texts and switches, fed whole and in random chunks: the engine agrees
// with the line-by-line reading of the rules.
TEST_P(SearchAgreement, RandomReportsGiveWhatThePlainReadingGives)
{
    const std::array<std::string, 7> texts = {"GET /quarnel/shareware/pelmor.exe",
                                              "GET /quarnel/shareware/pelmor.zip",
                                              ".zip",
                                              "",
                                              "pelmor",
                                              "HTTP/1.1\" 2",
                                              "\" 20"};
    std::mt19937 random(1899);
    for (int round = 0; round < 300; ++round) {
        const std::string report = randomlog::Report(random, static_cast<int>(random() % 200));
        SearchRequest request;
        request.texts = {texts[random() % texts.size()], texts[random() % texts.size()]};
        request.noDuplicates = random() % 2 == 0;
        request.moreFlags = {random() % 2 == 0, random() % 2 == 0};
        request.splitTime = std::array{0, 1, 30, 1000}[random() % 4];
        const auto plain = plain::Search(report, request);

        SCOPED_TRACE("round " + std::to_string(round));
        ExpectSame(testing::SearchInChunks(
                       report, request, [&] { return std::size_t{1} + random() % 300; }, level()),
                   plain);
        ExpectSame(SearchReport(report, request, {}, CollectedHits{}, level()).result, plain);
        const auto placed = testing::SearchInChunks(
            report, request, [&] { return std::size_t{1} + random() % 1000; }, level(), testing::FileSizes::AsItGoes,
            ResultTextSink::ReportHits::Places, testing::Ahead::Found);
        EXPECT_EQ(placed.counts.lineCount, plain.counts.lineCount);
        EXPECT_EQ(placed.counts.found, plain.counts.found);
        EXPECT_EQ(placed.texts, plain.texts);
        EXPECT_TRUE(placed.reportHits.empty());
        EXPECT_TRUE(testing::PlacesOfLines(report, placed.reportHitPlaces, plain.reportHits));
    }
}

// A real server's log (10,000 lines): texts that hit often, seldom, everywhere and never.
TEST_P(SearchAgreement, ARealLogGivesWhatThePlainReadingGives)
{
    const std::string report = testing::RealApacheLog();
    ASSERT_GT(report.size(), 1'000'000u);
    const std::array<std::array<std::string, 2>, 4> texts = {{
        {"GET /images/logstash_OSCON.pdf", "GET /quarnel/shareware/pelmor.zip"},
        {"GET /", ".png"},
        {"", "HTTP/1.1\" 2"},
        {"Googlebot", "\" 304"},
    }};
    for (const auto& pair : texts) {
        for (const std::int64_t splitTime : {0, 30, 100000}) {
            SearchRequest request;
            request.texts = pair;
            request.splitTime = splitTime;
            request.moreFlags = {true, false};
            SCOPED_TRACE(pair[0] + " / " + pair[1] + ", split time " + std::to_string(splitTime));
            ExpectSame(SearchReport(report, request, {}, CollectedHits{}, level()).result,
                       plain::Search(report, request));
        }
    }
}

} // namespace
} // namespace tallywick
