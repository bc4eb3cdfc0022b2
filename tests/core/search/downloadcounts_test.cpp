#include "core/search/reportsearch.h"
#include "support/chunkedsearch.h"

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
    SearchRequest request;
    request.texts = {"GET /never", "GET /quarnel/shareware/pelmor.zip"};
    request.countDownloads = true;
    const auto counts = SearchReport(report, request, {}, CollectedHits{}).result.counts;
    ASSERT_TRUE(counts.downloads);
    EXPECT_EQ(
        counts.downloads->panels[1],
        (PanelDownloads{
            .downloads = 3, .complete = 2, .incomplete = 1, .sizeUnknown = 0, .uniquePerDay = 3, .uniquePerHour = 3}));
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

// A path's first download may come long after a line that gives its size: the lines searched
// before the path was known are read again for it, whatever pieces they come in; a size that
// follows the download is taken as the search goes.
TEST(DownloadCounts, ASizeFarBeforeItsPathsFirstDownloadCounts)
{
    const auto filler = [](int lines) {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += Line("c" + std::to_string(i) + ".example", "05/Dec/2004:09:30:00 -0800", "200", "10", "x",
                         "/index.html");
        return text;
    };
    // Only the 206 lines are hits: the sizes come from lines that are not.
    const std::string report =
        filler(3000) + Line("a.example", "05/Dec/2004:09:00:00 -0800", "200", "1000", "x", "/f/a.zip") + filler(6000) +
        Line("b.example", "05/Dec/2004:10:00:00 -0800", "206", "1000", "y", "/f/a.zip") +
        Line("e.example", "05/Dec/2004:10:00:00 -0800", "206", "700", "y", "/f/b.zip") + filler(3000) +
        Line("d.example", "05/Dec/2004:11:00:00 -0800", "200", "700", "y", "/f/b.zip");
    ASSERT_GT(report.size(), std::size_t{1} << 20);
    SearchRequest request;
    request.texts = {"\" 206 ", "never"};
    request.countDownloads = true;
    const auto inOne = [&] { return report.size(); };
    const auto asItGoes = testing::SearchInChunks(report, request, inOne).counts.downloads;
    ASSERT_TRUE(asItGoes);
    EXPECT_EQ(asItGoes->panels[0].downloads, 2);
    EXPECT_EQ(asItGoes->panels[0].complete, 2);
    for (const std::size_t chunk : {report.size(), std::size_t{4096}, std::size_t{65537}}) {
        const auto later = testing::SearchInChunks(
            report, request, [&] { return chunk; }, BestSimdLevel(), testing::FileSizes::Later);
        EXPECT_EQ(later.counts.downloads, asItGoes) << chunk;
    }
    EXPECT_EQ(SearchReport(report, request, {}, CollectedHits{}).result.counts.downloads, asItGoes);
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
