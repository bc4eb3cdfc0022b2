#include "core/search/reportsearch.h"

#include "support/chunkedsearch.h"
#include "support/plaindownloads.h"
#include "support/randomlog.h"
#include "support/testagents.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace tallywick {
namespace {

using Agents = testing::TestAgents;

// Field by field, so that a failure names the counts that differ.
void ExpectSame(const DownloadCounts& engine, const DownloadCounts& plain)
{
    const auto fields = [](const PanelDownloads& p) {
        return std::tuple(p.downloads, p.complete, p.incomplete, p.sizeUnknown, p.uniquePerDay, p.uniquePerHour);
    };
    for (int i = 0; i < kPanelCount; ++i)
        EXPECT_EQ(fields(engine.panels[i]), fields(plain.panels[i])) << "panel " << i;
    EXPECT_EQ(engine.sizes, plain.sizes);
}

// Random reports of downloads, random texts, switches and sizes, fed whole and in random
// chunks: the engine's counts beside "Found" agree with the plain reading, and its downloads are
// "Found".
TEST(DownloadAgreement, RandomReportsGiveWhatThePlainReadingGives)
{
    const std::array<std::string, 6> texts = {
        "GET /quarnel/shareware/pelmor.zip", "GET /quarnel/shareware/pelmor.exe", "pelmor", ".zip", "", "HTTP/1.1\" 2"};
    const Agents agents;
    std::mt19937 random(2514);
    for (int round = 0; round < 400; ++round) {
        const std::string report = randomlog::DownloadReport(random, static_cast<int>(random() % 250));
        SearchRequest request;
        request.texts = {texts[random() % texts.size()], texts[random() % texts.size()]};
        request.noDuplicates = random() % 4 != 0;
        request.splitTime = std::array{0, 1, 30, 1000}[random() % 4];
        request.ipv6Network64 = random() % 2 == 0;
        request.leaveOut = {.failed = random() % 4 == 0,
                            .robots = random() % 3 == 0 ? &agents : nullptr,
                            .downloadTools = random() % 3 == 0 ? &agents : nullptr};
        request.countDownloads = true;
        if (random() % 2 == 0)
            request.givenSizes = {{"/quarnel/shareware/pelmor.zip", std::array{48213, 100, 0}[random() % 3]},
                                  {"/not/in/the/report", 5}};
        SCOPED_TRACE("round " + std::to_string(round));
        const auto plain = plain::Downloads(report, request);

        const auto whole = SearchReport(report, request, {}, CollectedHits{}).result;
        ASSERT_TRUE(whole.counts.downloads);
        ExpectSame(*whole.counts.downloads, plain);
        for (int i = 0; i < kPanelCount; ++i)
            EXPECT_EQ(whole.counts.downloads->panels[i].downloads, whole.counts.found[i]) << "panel " << i;

        const auto sizes = random() % 2 == 0 ? testing::FileSizes::AsItGoes : testing::FileSizes::Later;
        const auto ahead = random() % 2 == 0 ? testing::Ahead::None : testing::Ahead::Found;
        const auto chunked = testing::SearchInChunks(
            report, request, [&] { return std::size_t{1} + random() % 600; }, BestSimdLevel(), sizes,
            ResultTextSink::ReportHits::Keep, ahead);
        ASSERT_TRUE(chunked.counts.downloads);
        ExpectSame(*chunked.counts.downloads, plain);

        // The counts beside "Found" change nothing of the classic ones.
        auto classic = request;
        classic.countDownloads = false;
        const auto without = SearchReport(report, classic, {}, CollectedHits{}).result;
        EXPECT_FALSE(without.counts.downloads);
        EXPECT_EQ(without.counts.allFound, whole.counts.allFound);
        EXPECT_EQ(without.counts.leftOut, whole.counts.leftOut);
        for (int i = 0; i < kPanelCount; ++i)
            EXPECT_EQ(without.texts[i], whole.texts[i]) << "panel " << i;
        EXPECT_EQ(without.reportHits, whole.reportHits);
    }
}

} // namespace
} // namespace tallywick
