#include "core/search/reportsearch.h"

#include "support/plaindownloads.h"
#include "support/reallog.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

// The real log (17 to 20 May 2015, all times +0000), with No duplicates on and a time frame of
// 30 minutes. Counted by hand from its lines (grep, then each host's lines in time order); no
// host of these lines is shorter than nine characters or begins another.
//
// "GET /images/logstash_OSCON.pdf": 47 lines, all of one path. Its size is 1,693,678 bytes, the
// bytes of each of its 11 status-200 lines. 12 downloads (Found: 12): 10 begin with a 200 of the
// whole file, which makes them complete whatever follows (89.2.87.1 at 15:05 on the 17th, then
// 16 parts of 206 within the minute; 83.42.229.238 at 19:05 on the 19th and 16 parts;
// 80.187.96.71 on the 20th and 2 parts; 66.249.81.20 twice within a minute), and 2 are a lone
// 304, which delivers nothing: 10 complete, 2 incomplete. Their 12 clients are all different:
// 12 unique a day and an hour.
//
// "GET /favicon.ico": 799 lines, 788 of status 200 with 3,638 bytes each (its size) and 11 of 304.
// 37 of the 200s repeat an earlier line of their client within 30 minutes: 762 downloads, of
// which the 751 that begin with a 200 are complete and the 11 lone 304s incomplete. Clients that
// come back later the same UTC day (more than 30 minutes on) with the same agent make 44
// downloads that are no new downloader of the day: 718 unique a day; no client and agent has
// two downloads in one hour: 762 unique an hour.
TEST(RealLogDownloads, CountedByHand)
{
    const std::string log = testing::RealApacheLog();
    ASSERT_GT(log.size(), 1'000'000u);
    SearchRequest request;
    request.texts = {"GET /images/logstash_OSCON.pdf", "GET /favicon.ico"};
    request.countDownloads = true;
    const auto result = SearchReport(log, request, {}, CollectedHits{}).result;
    ASSERT_TRUE(result.counts.downloads);
    EXPECT_EQ(result.counts.found[0], 12);
    EXPECT_EQ(result.counts.downloads->panels[0], (PanelDownloads{.downloads = 12,
                                                                  .complete = 10,
                                                                  .incomplete = 2,
                                                                  .sizeUnknown = 0,
                                                                  .uniquePerDay = 12,
                                                                  .uniquePerHour = 12}));
    EXPECT_EQ(result.counts.found[1], 762);
    EXPECT_EQ(result.counts.downloads->panels[1], (PanelDownloads{.downloads = 762,
                                                                  .complete = 751,
                                                                  .incomplete = 11,
                                                                  .sizeUnknown = 0,
                                                                  .uniquePerDay = 718,
                                                                  .uniquePerHour = 762}));
    EXPECT_EQ(result.counts.downloads->sizes,
              (FileSizes{{"/favicon.ico", 3638}, {"/images/logstash_OSCON.pdf", 1693678}}));
    EXPECT_EQ(*result.counts.downloads, plain::Downloads(log, request));
}

} // namespace
} // namespace tallywick
