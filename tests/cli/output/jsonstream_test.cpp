#include "cli/json.h"
#include "cli/jsonstream.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tallywick::cli {
namespace {

// Scripts read the streamed output as they read what Json::dump wrote: it must be the same text.
TEST(JsonStreamTest, LaysOutWhatItWritesAsDumpLaysOutTheSameValue)
{
    const std::vector<std::string> hits{"a \"quoted\" hit", std::string("caf\xC3\xA9 \xFF\tend")};
    const Json counts = Json::object().set("complete", 3).set("unique", std::int64_t{2});
    const Json expected = Json::object()
                              .set("lines", 7)
                              .set("empty", Json::array())
                              .set("none", Json::object())
                              .set("panels", Json::array()
                                                 .push(Json::object()
                                                           .set("text", Json::text("GET /"))
                                                           .set("complete", 3)
                                                           .set("unique", std::int64_t{2})
                                                           .set("hits", Json::texts(hits)))
                                                 .push(Json::array()))
                              .set("sizes", Json::object().set("/a.zip", 10))
                              .set("flag", true);

    std::ostringstream out;
    {
        JsonStream json(out);
        json.beginObject();
        json.key("lines");
        json.value(7);
        json.key("empty");
        json.texts(std::vector<std::string>{});
        json.key("none");
        json.beginObject();
        json.endObject();
        json.key("panels");
        json.beginArray();
        json.beginObject();
        json.key("text");
        json.text("GET /");
        json.members(counts);
        json.key("hits");
        json.texts(hits);
        json.endObject();
        json.beginArray();
        json.endArray();
        json.endArray();
        json.key("sizes");
        json.value(Json::object().set("/a.zip", 10));
        json.key("flag");
        json.value(true);
        json.endObject();
        json.finish();
    }
    EXPECT_EQ(out.str(), expected.dump());
}

// Items laid out ahead, as search --json keeps the report hits, read as items written one by one
// wherever the pieces they come in are cut.
TEST(JsonStreamTest, ItemsLaidOutAheadAreWrittenInPiecesCutAnywhere)
{
    const std::vector<std::string> items{"first \"hit\"", "second", "third"};
    const std::string expected = Json::object().set("hits", Json::texts(items)).dump();
    std::string laidOut;
    for (const auto& item : items) {
        laidOut += JsonStream::ItemStart(2);
        AppendJsonString(laidOut, item);
    }
    for (std::size_t cut = 0; cut <= laidOut.size(); ++cut) {
        std::ostringstream out;
        {
            JsonStream json(out);
            json.beginObject();
            json.key("hits");
            json.beginArray();
            json.laidOutItems(std::string_view(laidOut).substr(0, cut));
            json.laidOutItems(std::string_view(laidOut).substr(cut));
            json.endArray();
            json.endObject();
            json.finish();
        }
        ASSERT_EQ(out.str(), expected) << cut;
    }
}

// A text longer than one piece is cut where no UTF-8 sequence (nor a stray byte) is split.
TEST(JsonStreamTest, ALongTextDecodesAsOnePiece)
{
    std::string text;
    for (int i = 0; text.size() < 300'000; ++i)
        text += i % 7 == 0 ? std::string("\xE2\x82\xAC\xC3") : std::string(i % 5, 'x') + "\"\n\xF0\x9F\x98\x80";
    text += std::string(70'000, '\xE9'); // no ASCII byte to cut before for a whole piece

    std::ostringstream out;
    {
        JsonStream json(out);
        json.text(text);
        json.finish();
    }
    EXPECT_EQ(out.str(), Json::text(text).dump());
}

} // namespace
} // namespace tallywick::cli
