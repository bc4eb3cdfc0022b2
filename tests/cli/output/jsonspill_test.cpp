#include "cli/json.h"
#include "cli/jsonspill.h"

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
        JsonSpillSink spill(more, sizes);
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

TEST(JsonSpillSink, ATemporaryFileThatCannotBeMadeIsAnError)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A folder inside a file: not even root can make one there.
    JsonSpillSink spill({false, false}, {.keptInMemory = 1, .batch = 1}, file.fileName() + "/folder");
    for (const auto& line : Lines())
        spill.take({0, line, 60, false});
    ASSERT_TRUE(spill.error());
    EXPECT_FALSE(spill.error()->isEmpty());
}

} // namespace
} // namespace tallywick::cli
