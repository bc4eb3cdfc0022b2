#include "core/search/reportsearch.h"

#include "support/plainsearch.h"
#include "support/randomlog.h"

#include <gtest/gtest.h>

#include <random>

namespace tallywick {
namespace {

void ExpectSame(const SearchResult& engine, const SearchResult& plain)
{
    EXPECT_EQ(engine.lineCount, plain.lineCount);
    EXPECT_EQ(engine.allFound, plain.allFound);
    for (int i = 0; i < kPanelCount; ++i) {
        EXPECT_EQ(engine.panels[i].found, plain.panels[i].found) << "panel " << i;
        EXPECT_EQ(engine.panels[i].text, plain.panels[i].text) << "panel " << i;
    }
    EXPECT_EQ(engine.reportHits, plain.reportHits);
}

// Random reports, random texts and switches, fed whole and in random chunks: the engine agrees
// with the line-by-line reading of the rules.
TEST(SearchAgreement, RandomReportsGiveWhatThePlainReadingGives)
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

        ReportSearch chunked(request);
        for (std::size_t at = 0; at < report.size();) {
            const std::size_t size = 1 + random() % 300;
            chunked.feed(std::string_view(report).substr(at, size));
            at += size;
        }
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectSame(std::move(chunked).finish(), plain);
        ExpectSame(SearchReport(report, request, {}, CollectedHits{}).result, plain);
    }
}

} // namespace
} // namespace tallywick
