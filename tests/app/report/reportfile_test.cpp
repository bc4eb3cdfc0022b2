#include "app/report/reportfile.h"

#include "app/report/reportorder.h"

#include "app/report/reportdays.h"

#include "support/chunkedsearch.h"
#include "support/failingdevice.h"
#include "support/unreadablefile.h"

#include "support/storetesting.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <variant>

namespace tallywick {
namespace {

const QString kRealLog = QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz");

std::string Gzip(std::string_view bytes)
{
    std::string out(compressBound(static_cast<uLong>(bytes.size())) + 64, '\0');
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, std::string_view bytes)
{
    testing::WriteBytes(dir.filePath(name), std::string(bytes));
    return dir.filePath(name);
}

enum class Read { AsFile, AsPipe };

// The report's bytes, or why they cannot be read.
std::variant<std::string, QString> TryReadAll(const QString& path, Read way = Read::AsFile)
{
    std::string bytes;
    // A pipe's bytes are read where they are searched, not ahead.
    std::unique_ptr<QIODevice> device =
        way == Read::AsFile
            ? OpenReportFile(path)
            : std::make_unique<BytesDevice>(testing::FileBytes(path), BytesDevice::End::Ends, BytesDevice::Kind::Pipe);
    const auto error = ReadReport(*device, IsCompressedReport(path), [&](std::string_view chunk) { bytes += chunk; });
    if (error)
        return *error;
    return bytes;
}

std::string ReadAll(const QString& path, Read way = Read::AsFile)
{
    auto read = TryReadAll(path, way);
    EXPECT_TRUE(std::holds_alternative<std::string>(read)) << path.toStdString();
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : std::string();
}

const std::string kZipLine =
    R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0")";

TEST(ReportFile, CompressedReportsReadLikePlainOnesAlsoInSeveralMembersAndPadded)
{
    QTemporaryDir dir;
    std::string plain;
    // Inflated past several blocks from one block read: what a read could not take waits in zlib.
    for (int i = 0; i < 20000; ++i)
        plain += kZipLine + "\r\n";
    const QString text = WriteFile(dir, "access.log", plain);
    const std::string members = Gzip(plain.substr(0, 1000)) + Gzip(plain.substr(1000));
    const QString gz = WriteFile(dir, "access.log.GZ", members);
    // Zero bytes after the last member, as a tape or a block copy leaves them, longer than a read.
    const QString padded = WriteFile(dir, "padded.gz", members + std::string(std::size_t{1536} * 1024, '\0'));

    for (const Read way : {Read::AsFile, Read::AsPipe}) {
        EXPECT_EQ(ReadAll(gz, way), plain);
        EXPECT_EQ(ReadAll(padded, way), plain);
    }
    const auto fromText = SearchReportFile(text, SearchRequest{}, {});
    const auto fromGz = SearchReportFile(gz, SearchRequest{}, {});
    ASSERT_EQ(fromGz.status, ReportFileSearch::Status::Done);
    EXPECT_EQ(fromGz.outcome.result.counts.lineCount, 20000);
    EXPECT_EQ(fromGz.outcome.result.texts[1], fromText.outcome.result.texts[1]);
}

TEST(ReportFile, ACorruptOrCutCompressedReportFails)
{
    QTemporaryDir dir;
    const std::string packed = Gzip(kZipLine + "\n" + kZipLine + "\n");
    std::string corrupt = packed;
    corrupt[corrupt.size() / 2] = static_cast<char>(corrupt[corrupt.size() / 2] ^ 0x55);
    for (const auto& [name, bytes] :
         {std::pair{"corrupt.gz", corrupt}, std::pair{"cut.gz", packed.substr(0, packed.size() - 6)},
          std::pair{"text.gz", kZipLine}, std::pair{"zeros.gz", std::string(64, '\0')},
          std::pair{"garbage.gz", packed + "garbage"},
          std::pair{"padded-then-data.gz", packed + std::string(16, '\0') + packed}}) {
        const QString path = WriteFile(dir, name, bytes);
        const auto search = SearchReportFile(path, SearchRequest{}, {});
        EXPECT_EQ(search.status, ReportFileSearch::Status::Failed) << name;
        EXPECT_FALSE(search.error.isEmpty());
        const auto fromPipe = TryReadAll(path, Read::AsPipe);
        ASSERT_TRUE(std::holds_alternative<QString>(fromPipe)) << name;
        EXPECT_EQ(std::get<QString>(fromPipe), search.error) << name;
    }
}

// The hits read before the error are not collected: a report's downloads are taken whole or not.
TEST(ReportFile, AReadErrorPartWayFailsTheSearchAndCollectsNothing)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "report.txt", kZipLine);
    const auto failing = [](const ReportPath&) -> std::unique_ptr<QIODevice> {
        return std::make_unique<FailingDevice>(kZipLine + "\n");
    };
    for (const bool texts : {true, false}) {
        const auto search = texts ? SearchReportFile(path, SearchRequest{}, {"pelmor"}, failing)
                                  : CollectReportFile(path, SearchRequest{}, {"pelmor"}, failing);
        EXPECT_EQ(search.status, ReportFileSearch::Status::Failed);
        EXPECT_EQ(search.error, "Input/output error");
        EXPECT_TRUE(search.outcome.collected.empty());
        EXPECT_FALSE(search.outcome.historyChanged);
    }
}

// Rotated logs, given in any order, search as the one log they were cut from (which the engine
// searches as the plain reading does: SearchAgreement on the real log); the middle one
// lacks its last line break, which must not join its last line to the next file's first.
TEST(ReportFile, SeveralReportsSearchAsTheirConcatenationInAnyOrderGiven)
{
    QTemporaryDir dir;
    const std::string log = ReadAll(kRealLog);
    const auto cut = [&](std::size_t line) {
        std::size_t at = 0;
        for (std::size_t i = 0; i < line; ++i)
            at = log.find('\n', at) + 1;
        return at;
    };
    const std::size_t first = cut(3000);
    const std::size_t second = cut(7000);
    QStringList files{WriteFile(dir, "access.log.2.gz", Gzip(log.substr(0, first))),
                      WriteFile(dir, "access.log.1", log.substr(first, second - first - 1)),
                      WriteFile(dir, "access.log", log.substr(second))};
    SearchRequest request;
    request.texts = {"GET /images/logstash_OSCON.pdf", "GET /favicon.ico"};
    request.countDownloads = true; // a file's size may come from another report, read again or not
    const std::vector<std::string> tracked{"/images/logstash_OSCON.pdf", "/favicon.ico"};
    const auto whole = SearchReportFile(kRealLog, request, tracked);
    ASSERT_EQ(whole.status, ReportFileSearch::Status::Done);
    EXPECT_FALSE(whole.outcome.collected.empty());
    // Sizes as the search goes: every line read once.
    const auto asItGoes = [&](std::string_view report) {
        return testing::SearchInChunks(report, request, [] { return std::size_t{1} << 20; }).counts.downloads;
    };
    const auto inMemory = asItGoes(log);
    const auto wholeDays = ReadReportDays(kRealLog);
    ASSERT_TRUE(wholeDays && !wholeDays->empty());

    std::sort(files.begin(), files.end());
    do {
        // The days come from the search's own read.
        const auto search =
            SearchReportFiles(OldestReportsFirst(ReportPathsOf(files)), request, tracked, OpenReportFile, {},
                              ResultTextSink::ReportHits::Keep, CoveredDays::Gather);
        ASSERT_EQ(search.status, ReportFileSearch::Status::Done);
        EXPECT_EQ(search.days, wholeDays);
        const auto& result = search.outcome.result;
        EXPECT_EQ(result.counts.lineCount, 10000) << files.join(u' ').toStdString();
        EXPECT_EQ(result.texts[0], whole.outcome.result.texts[0]);
        EXPECT_EQ(result.texts[1], whole.outcome.result.texts[1]);
        EXPECT_EQ(result.reportHits, whole.outcome.result.reportHits);
        EXPECT_EQ(result.counts.downloads, inMemory);
        const auto& collected = search.outcome.collected;
        EXPECT_TRUE(std::equal(collected.begin(), collected.end(), whole.outcome.collected.begin(),
                               whole.outcome.collected.end()));
    } while (std::next_permutation(files.begin(), files.end()));

    // Plain files only: every size comes from reading them again after the search.
    const auto plainOnly =
        SearchReportFiles(ReportPathsOf({dir.filePath("access.log.1"), dir.filePath("access.log")}), request, tracked);
    const auto plainCounts = asItGoes(std::string_view(log).substr(first));
    ASSERT_TRUE(plainOnly.outcome.result.counts.downloads && plainCounts);
    EXPECT_EQ(*plainOnly.outcome.result.counts.downloads, *plainCounts);
    EXPECT_GT(plainCounts->panels[1].complete, 0);

    const auto missing = SearchReportFiles({files[0], dir.filePath("gone.log")}, request, tracked);
    EXPECT_EQ(missing.status, ReportFileSearch::Status::NotFound);
    EXPECT_EQ(missing.failedPath.text(), dir.filePath("gone.log"));
}

// A file's size given by a line of a plain report searched before any download of the file:
// that report is read again for it up to where the download came, wherever the reports before
// it (a compressed one, which is not read again, lacking its last line break) put it in the
// stream searched.
TEST(ReportFile, ASizeFromAnEarlierReportIsReadAgainPastACompressedOne)
{
    const auto line = [](std::string_view client, std::string_view status, std::string_view bytes,
                         std::string_view path) {
        return std::string(client) + " - - [05/Dec/2004:10:00:00 -0800] \"GET " + std::string(path) + " HTTP/1.1\" " +
               std::string(status) + " " + std::string(bytes) + " \"-\" \"x\"\n";
    };
    std::string filler;
    for (int i = 0; i < 4000; ++i)
        filler += line("c" + std::to_string(i) + ".example", "200", "10", "/index.html");
    QTemporaryDir dir;
    const std::string first = filler.substr(0, filler.size() - 1);
    const std::string second = line("a.example", "200", "1000", "/f/a.zip") + filler + filler;
    const std::string third = line("b.example", "206", "1000", "/f/a.zip");
    const QStringList files{WriteFile(dir, "access.log.2.gz", Gzip(first)), WriteFile(dir, "access.log.1", second),
                            WriteFile(dir, "access.log", third)};
    SearchRequest request;
    request.texts = {"\" 206 ", "never"}; // the size comes from a line that is no hit
    request.countDownloads = true;
    const auto search = SearchReportFiles(ReportPathsOf(files), request, {});
    ASSERT_EQ(search.status, ReportFileSearch::Status::Done);
    const auto& downloads = search.outcome.result.counts.downloads;
    ASSERT_TRUE(downloads);
    EXPECT_EQ(downloads->panels[0].complete, 1);
    EXPECT_EQ(downloads, testing::SearchInChunks(first + "\n" + second + third, request, [] {
                             return std::size_t{1} << 20;
                         }).counts.downloads);
}

// A log that grows while it is searched: the line written meanwhile is searched, but its day is
// not counted as covered, since the days are read only up to the size it began with.
TEST(ReportFile, ADayIsCoveredOnlyByLinesThereWhenTheSearchBegan)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "access.log", kZipLine + "\n");
    auto grown = std::make_shared<std::once_flag>();
    const auto growing = [grown](const ReportPath& report) {
        std::call_once(*grown, [&] {
            QFile file(report.text());
            if (file.open(QIODevice::Append))
                file.write(QByteArray::fromStdString(kZipLine).replace("05/Dec/2004", "06/Dec/2004") + "\n");
        });
        return OpenReportFile(report);
    };
    const auto search = SearchReportFiles(ReportPathsOf({path}), SearchRequest{}, {}, growing, {},
                                          ResultTextSink::ReportHits::Keep, CoveredDays::Gather);
    ASSERT_EQ(search.status, ReportFileSearch::Status::Done);
    EXPECT_EQ(search.outcome.result.counts.lineCount, 2);
    ASSERT_TRUE(search.days);
    EXPECT_EQ(*search.days, (std::vector<std::chrono::sys_days>{std::chrono::year{2004} / 12 / 5}));
}

TEST(ReportFile, AMissingReportIsNotFoundAndAnUnreadableOneSaysWhy)
{
    QTemporaryDir dir;
    const auto search = SearchReportFile(dir.filePath("Hits.txt"), SearchRequest{}, {});
    EXPECT_EQ(search.status, ReportFileSearch::Status::NotFound);
    EXPECT_EQ(SearchReportFile(dir.path(), SearchRequest{}, {}).status, ReportFileSearch::Status::NotFound)
        << "a folder";

    const QString unreadable = testing::UnreadableFile();
    if (unreadable.isEmpty())
        GTEST_SKIP() << "no file here that root cannot read";
    const auto refused = SearchReportFiles({WriteFile(dir, "a.log", kZipLine), unreadable}, SearchRequest{}, {});
    EXPECT_EQ(refused.status, ReportFileSearch::Status::Failed);
    EXPECT_EQ(refused.error, "Permission denied");
    EXPECT_EQ(refused.failedPath.text(), unreadable);
}

} // namespace
} // namespace tallywick
