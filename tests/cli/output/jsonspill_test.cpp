#include "cli/json.h"
#include "cli/jsonspill.h"

#include "app/report/reportfile.h"

#include "support/rotatedreports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tallywick::cli {
namespace {

// Hits with quotes, backslashes, a tab, UTF-8 and stray bytes; some repeats, which go to the
// result text only.
std::vector<std::string> Lines()
{
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back("10.0.0." + std::to_string(i % 7) + R"( - - [05/Dec/2004:10:15:42 -0800] "GET /caf)" +
                        "\xC3\xA9" + "\\x\"" + std::to_string(i) + " HTTP/1.1\" 200 " +
                        std::string(i % 3 == 0 ? "\xFF\t" : "9"));
    return lines;
}

std::string Written(JsonSpillSink& sink, bool& read)
{
    std::ostringstream out;
    JsonStream json(out);
    json.beginObject();
    json.key("results");
    json.beginArray();
    read = sink.writeResult(0, json) && sink.writeResult(1, json);
    json.endArray();
    json.key("hits");
    read = sink.writeReportHits(json) && read;
    json.endObject();
    json.finish();
    return out.str();
}

// Whether kept in memory or in temporary files, escaped here or on the escaping thread in
// batches of any size, the parts are written as Json::dump writes the texts and the hits a
// ResultTextSink builds from the same hits.
TEST(JsonSpillSink, WritesWhatTheTextsAndHitsKeptInMemoryAre)
{
    const auto lines = Lines();
    const JsonSpillSink::Sizes standard;
    for (const JsonSpillSink::Sizes sizes : {standard, JsonSpillSink::Sizes{.keptInMemory = 1000, .batch = 300},
                                             JsonSpillSink::Sizes{.keptInMemory = 1, .batch = 1},
                                             JsonSpillSink::Sizes{.keptInMemory = standard.keptInMemory, .batch = 1}}) {
        const std::array<bool, kPanelCount> more{false, true};
        ResultTextSink texts(more);
        JsonSpillSink spill(more, JsonSpillSink::Beyond::TemporaryFiles, sizes);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const SearchHit hit{static_cast<int>(i % 2), lines[i], 60, i % 5 == 0};
            texts.take(hit);
            spill.take(hit);
        }
        const auto result = std::move(texts).finish({});
        const Json expected =
            Json::object()
                .set("results", Json::array().push(Json::text(result.texts[0])).push(Json::text(result.texts[1])))
                .set("hits", Json::texts(result.reportHits));
        bool read = false;
        EXPECT_EQ(Written(spill, read), expected.dump()) << sizes.keptInMemory << " " << sizes.batch;
        EXPECT_TRUE(read);
        EXPECT_FALSE(spill.error());
    }
}

std::string ExpectedJson(const SearchResult& result)
{
    return Json::object()
        .set("results", Json::array().push(Json::text(result.texts[0])).push(Json::text(result.texts[1])))
        .set("hits", Json::texts(result.reportHits))
        .dump();
}

// Beyond the bound the hits of reports that can be read again are made into the parts from the
// reports after the search, after those kept in memory: the same output, however much is kept.
// Not once a line has changed since.
TEST(JsonSpillSink, ReadsBackTheHitsOfReportsBeyondTheBound)
{
    QTemporaryDir dir;
    const auto written = testing::WriteRotatedReports(QDir(dir.path()));
    const ReportPaths reports{written.older, written.newer};
    SearchRequest request;
    request.moreFlags = {false, true};
    const auto kept = SearchReportFiles(reports, request, {});
    ASSERT_EQ(kept.status, ReportFileSearch::Status::Done);
    ASSERT_GT(kept.outcome.result.reportHits.size(), 2000u);
    const std::string expected = ExpectedJson(kept.outcome.result);

    const JsonSpillSink::Sizes standard;
    for (const JsonSpillSink::Sizes sizes : {standard, JsonSpillSink::Sizes{.keptInMemory = 100'000, .batch = 30'000},
                                             JsonSpillSink::Sizes{.keptInMemory = 1, .batch = 1}}) {
        JsonSpillSink spill(request.moreFlags, JsonSpillSink::Beyond::ReportsReadBack, sizes);
        const auto read = ReadReportFiles(reports, request, spill);
        ASSERT_EQ(read.status, ReportFileSearch::Status::Done);
        EXPECT_FALSE(spill.mapReports(reports, read.starts));
        bool wasRead = false;
        EXPECT_EQ(Written(spill, wasRead), expected) << sizes.keptInMemory;
        EXPECT_TRUE(wasRead);
    }

    JsonSpillSink spill(request.moreFlags, JsonSpillSink::Beyond::ReportsReadBack, {.keptInMemory = 1, .batch = 1});
    const auto read = ReadReportFiles(reports, request, spill);
    std::string changed = written.newerText;
    changed[changed.rfind("10.0.")] = '9';
    testing::WriteBytes(written.newer, changed);
    EXPECT_FALSE(spill.mapReports(reports, read.starts));
    bool wasRead = true;
    Written(spill, wasRead);
    EXPECT_FALSE(wasRead);
}

TEST(JsonSpillSink, ATemporaryFileThatCannotBeMadeIsAnError)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A folder inside a file: not even root can make one there.
    JsonSpillSink spill({false, false}, JsonSpillSink::Beyond::TemporaryFiles, {.keptInMemory = 1, .batch = 1},
                        file.fileName() + "/folder");
    for (const auto& line : Lines())
        spill.take({0, line, 60, false});
    ASSERT_TRUE(spill.error());
    EXPECT_FALSE(spill.error()->isEmpty());
}

} // namespace
} // namespace tallywick::cli
