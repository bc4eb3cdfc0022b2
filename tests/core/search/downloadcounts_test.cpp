#include "core/search/reportsearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallywick {
namespace {

constexpr std::string_view kZip = "/quarnel/shareware/pelmor.zip";

std::string Line(std::string_view client, std::string_view time, std::string_view status, std::string_view bytes,
                 std::string_view agent = "Agent/1.0", std::string_view path = kZip)
{
    return std::string(client) + " - - [" + std::string(time) + "] \"GET " + std::string(path) + " HTTP/1.1\" " +
           std::string(status) + " " + std::string(bytes) + " \"-\" \"" + std::string(agent) + "\"\n";
}

PanelDownloads Count(const std::string& report, SearchRequest request = {})
{
    request.texts = {"GET /never", "GET /quarnel/shareware/pelmor.zip"};
    request.countDownloads = true;
    const auto result = SearchReport(report, request, {}, CollectedHits{}).result;
    EXPECT_TRUE(result.counts.downloads);
    return result.counts.downloads ? result.counts.downloads->panels[1] : PanelDownloads{};
}

// A download manager opens 20 connections, each fetching a twentieth of the file: one download,
// complete; a browser fetches the whole file once; a third client gives up after half.
TEST(DownloadCounts, ADownloadManagersTwentyRequestsAreOneCompleteDownload)
{
    std::string report;
    for (int part = 0; part < 20; ++part)
        report += Line("198.51.100.7", "05/Dec/2004:10:00:" + std::to_string(10 + part) + " -0800", "206", "5000",
                       "Download Ninja 7.0");
    report += Line("203.0.113.45", "05/Dec/2004:11:00:00 -0800", "200", "100000");
    report += Line("192.0.2.99", "05/Dec/2004:12:00:00 -0800", "206", "50000");
    const auto panel = Count(report);
    EXPECT_EQ(
        panel,
        (PanelDownloads{
            .downloads = 3, .complete = 2, .incomplete = 1, .sizeUnknown = 0, .uniquePerDay = 3, .uniquePerHour = 3}));

    SearchRequest withDuplicates;
    withDuplicates.noDuplicates = false;
    const auto each = Count(report, withDuplicates);
    EXPECT_EQ(each.downloads, 22) << "every hit is a download of its own";
    EXPECT_EQ(each.complete, 1);
    EXPECT_EQ(each.incomplete, 21);
    EXPECT_EQ(each.uniquePerDay, 3);
}

// The size is the largest status-200 bytes of the path in the report, whatever the line holds,
// or the size given, which wins. "-" and HEAD's bytes tell no size.
TEST(DownloadCounts, TheSizeComesFromAnyStatus200LineOrIsGiven)
{
    const std::string part = Line("198.51.100.7", "05/Dec/2004:10:00:00 -0800", "206", "600");
    const std::string head = "192.0.2.1 - - [05/Dec/2004:09:00:00 -0800] \"HEAD /quarnel/shareware/pelmor.zip "
                             "HTTP/1.1\" 200 - \"-\" \"x\"\n";
    EXPECT_EQ(Count(part + head).sizeUnknown, 1);
    // The whole file, fetched by a request the text does not find (HTTP/1.0 and a query).
    const std::string whole = "192.0.2.1 - - [05/Dec/2004:09:00:00 -0800] \"GET /quarnel/shareware/pelmor.zip?x=1 "
                              "HTTP/1.0\" 200 1000 \"-\" \"x\"\n";
    SearchRequest request;
    request.texts = {"x", "pelmor.zip HTTP/1.1"};
    request.countDownloads = true;
    const auto found = SearchReport(part + whole, request, {}, CollectedHits{}).result;
    EXPECT_EQ(found.counts.found[1], 1);
    EXPECT_EQ(found.counts.downloads->panels[1].incomplete, 1);
    EXPECT_EQ(found.counts.downloads->sizes, (FileSizes{{std::string(kZip), 1000}}));

    request.givenSizes = {{std::string(kZip), 600}};
    const auto given = SearchReport(part + whole, request, {}, CollectedHits{}).result;
    EXPECT_EQ(given.counts.downloads->panels[1].complete, 1);
    EXPECT_EQ(given.counts.downloads->sizes, (FileSizes{{std::string(kZip), 600}}));
}

// Sizes read after the search look for the start the downloads' paths share, or for each path, or
// read every line when the paths are many; either way a path that another path begins with, or a
// size from before its download, counts as it does when read as the search goes.
TEST(DownloadCounts, SizesReadAfterTheSearchAreTheSizesReadAsItGoes)
{
    for (const auto& [files, folder] : {std::pair{1, "/f/"}, {2, "/f/"}, {12, "/f/"}, {12, "/downloads/"}}) {
        std::string report;
        for (int file = 0; file < files; ++file) {
            const std::string path = folder + std::to_string(file) + ".zip";
            const auto client = [&](int n) {
                return std::string(1, char('a' + file)) + std::to_string(n) + ".example";
            };
            report += Line(client(1), "05/Dec/2004:09:00:00 -0800", "200", "900", "x", path + ".md5");
            report += Line(client(2), "05/Dec/2004:09:00:00 -0800", "200", "500", "x", path);
            report += Line(client(3), "05/Dec/2004:10:00:00 -0800", "206", "400", "y", path);
            report += Line(client(3), "05/Dec/2004:10:05:00 -0800", "206", "300", "y", path);
            report += Line(client(4), "05/Dec/2004:11:00:00 -0800", "200", "700", "z", path + "?big");
        }
        SearchRequest request;
        request.texts = {"GET /", "never"};
        request.noDuplicates = true;
        request.splitTime = 30;
        request.countDownloads = true;
        ResultTextSink texts(request.moreFlags);
        ReportSearch asItGoes(request, texts);
        asItGoes.feed(report);
        const auto expected = std::move(asItGoes).finish().downloads;
        const auto later = SearchReport(report, request, {}, CollectedHits{}).result.counts.downloads;
        ASSERT_TRUE(later && expected);
        EXPECT_EQ(*later, *expected);
        EXPECT_EQ(later->panels[0].downloads, 4 * files);
        EXPECT_EQ(later->panels[0].complete, 3 * files) << "the .md5, the two parts, the query's whole";
        EXPECT_EQ(later->panels[0].incomplete, files) << "500 of the 700 a later line shows";
    }
}

// Bytes count towards a download from its lines of status 200 or 206 and of its own path; a
// 304 or a 404 is a download of its own that delivered nothing.
TEST(DownloadCounts, OnlyDeliveredBytesOfTheSamePathCount)
{
    SearchRequest request;
    request.givenSizes = {{std::string(kZip), 1000}, {std::string(kZip) + ".md5", 10}};
    std::string report = Line("198.51.100.7", "05/Dec/2004:10:00:00 -0800", "206", "500");
    report += Line("198.51.100.7", "05/Dec/2004:10:01:00 -0800", "206", "500", "Agent/1.0", std::string(kZip) + ".md5");
    report += Line("198.51.100.7", "05/Dec/2004:10:02:00 -0800", "304", "500");
    EXPECT_EQ(Count(report, request).incomplete, 1) << "the .md5 is a repeat of another path";
    report += Line("198.51.100.7", "05/Dec/2004:10:03:00 -0800", "206", "-");
    EXPECT_EQ(Count(report, request).incomplete, 1);
    report += Line("198.51.100.7", "05/Dec/2004:10:04:00 -0800", "200", "500");
    EXPECT_EQ(Count(report, request).complete, 1);
    report += Line("198.51.100.7", "05/Dec/2004:10:05:00 -0800", "404", "1000");
    const auto panel = Count(report, request);
    EXPECT_EQ(panel.downloads, 2);
    EXPECT_EQ(panel.incomplete, 1);
}

// A repeat belongs to the download of the earliest line it repeats ("192.168.1.1" takes
// "192.168.1.10"); a slow download is logged late, with the time it began.
TEST(DownloadCounts, ARepeatGoesToTheEarliestLineItRepeats)
{
    SearchRequest request;
    request.givenSizes = {{std::string(kZip), 1000}};
    const std::string report = Line("192.168.1.10", "05/Dec/2004:10:00:00 -0800", "206", "500") +
                               Line("192.168.1.1", "05/Dec/2004:10:40:00 -0800", "206", "100") +
                               Line("192.168.1.1", "05/Dec/2004:10:20:00 -0800", "206", "500");
    const auto panel = Count(report, request);
    EXPECT_EQ(panel.downloads, 2) << "10:40 is 40 minutes after 10:00";
    EXPECT_EQ(panel.complete, 1) << "10:20 repeats both, and goes to the earlier";
}

// The podcast rule (a day) and COUNTER's (an hour) count UTC days and hours.
TEST(DownloadCounts, UniqueDownloadersByUtcDayAndHour)
{
    SearchRequest request;
    request.splitTime = 0;
    std::string report = Line("198.51.100.7", "05/Dec/2004:15:30:00 -0800", "200", "9"); // 23:30 UTC
    report += Line("198.51.100.7", "06/Dec/2004:00:10:00 +0200", "200", "9");            // 22:10 UTC
    report += Line("198.51.100.7", "06/Dec/2004:00:10:00 +0000", "200", "9");            // the next day
    report += Line("198.51.100.7", "06/Dec/2004:00:20:00 +0000", "200", "9", "Other/1"); // another agent
    report += Line("198.51.100.8", "06/Dec/2004:00:20:00 +0000", "200", "9", "Other/1"); // another client
    report += Line("198.51.100.8", "xx/Dec/2004:00:20:00 +0000", "200", "9", "Other/1"); // no day
    report += Line("198.51.100.8", "yy/Dec/2004:00:20:00 +0000", "200", "9", "Other/1"); // no day either
    const auto panel = Count(report, request);
    EXPECT_EQ(panel.downloads, 7);
    EXPECT_EQ(panel.uniquePerDay, 5);
    EXPECT_EQ(panel.uniquePerHour, 6);
}

// One client whose privacy addresses change within its /64 network, and an IPv4-mapped one.
TEST(DownloadCounts, AnIPv6NetworkIsOneClientWhenAsked)
{
    const std::string report = Line("2001:db8:0:1::7", "05/Dec/2004:10:00:00 -0800", "206", "500") +
                               Line("2001:db8::1:a:b:c:d", "05/Dec/2004:10:05:00 -0800", "206", "500") +
                               Line("::ffff:203.0.113.45", "05/Dec/2004:10:06:00 -0800", "206", "500") +
                               Line("203.0.113.45", "05/Dec/2004:10:07:00 -0800", "206", "500");
    SearchRequest request;
    request.givenSizes = {{std::string(kZip), 1000}};
    const auto apart = Count(report, request);
    EXPECT_EQ(apart.downloads, 4);
    EXPECT_EQ(apart.uniquePerDay, 4);
    request.ipv6Network64 = true;
    const auto together = Count(report, request);
    EXPECT_EQ(together.downloads, 2);
    EXPECT_EQ(together.complete, 2);
    EXPECT_EQ(together.uniquePerDay, 2);
}

TEST(DownloadCounts, OffTheSearchCountsNothingBesideFound)
{
    EXPECT_FALSE(
        SearchReport(Line("1.2.3.4", "05/Dec/2004:10:00:00 -0800", "200", "9"), SearchRequest{}, {}, CollectedHits{})
            .result.counts.downloads);
}

TEST(FileSizeEntry, IsAPathAndAWholeNumberOfBytes)
{
    using Entry = std::pair<std::string, std::int64_t>;
    EXPECT_EQ(ParseFileSizeEntry("/f.zip=48213"), (Entry{"/f.zip", 48213}));
    EXPECT_EQ(ParseFileSizeEntry("/a=b.zip=0"), (Entry{"/a=b.zip", 0})) << "split at the last =";
    EXPECT_EQ(ParseFileSizeEntry("/f.zip?x=1=5"), (Entry{"/f.zip", 5})) << "the query is dropped";
    for (const auto* bad :
         {"", "/f.zip", "/f.zip=", "=5", "/f.zip=-1", "/f.zip=1k", "/f.zip= 5", "/f.zip=9999999999999999999"})
        EXPECT_FALSE(ParseFileSizeEntry(bad)) << bad;
}

} // namespace
} // namespace tallywick
