#include "core/log/responsefields.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

constexpr std::string_view kCombined =
    R"(203.0.113.45 - - [17/May/2015:10:05:03 +0000] "GET /images/logstash_OSCON.pdf HTTP/1.1" 206 4096 "http://example.org/" "Mozilla/5.0 (X11; Linux x86_64) Chrome/120.0")";

TEST(ResponseStatus, ReadsTheNumberAfterTheRequest)
{
    EXPECT_EQ(ResponseStatus(kCombined), 206);
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0" 304 -)"), 304);
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0"   404 12)"), 404); // several blanks
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0"200 12)"), 200);    // glued to the quote
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0" 500)"), 500);      // at the line's end
}

TEST(ResponseStatus, ANumberInTheRequestOrHostIsNotTheStatus)
{
    EXPECT_EQ(ResponseStatus(R"(10.0.0.200 - - [d] "GET /404.html?x=\"500\" HTTP/1.0" 200 9)"), 200);
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET /a"b HTTP/1.0" 200 9)"), std::nullopt); // a stray quote
}

TEST(ResponseStatus, NothingWhereNoThreeDigitNumberFollows)
{
    EXPECT_EQ(ResponseStatus(""), std::nullopt);
    EXPECT_EQ(ResponseStatus("no quotes at all 200"), std::nullopt);
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0)"), std::nullopt);          // never closed
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0" - 12)"), std::nullopt);    // no status
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0" 20 12)"), std::nullopt);   // two digits
    EXPECT_EQ(ResponseStatus(R"(h - - [d] "GET / HTTP/1.0" 20000 1)"), std::nullopt); // five digits
}

TEST(UserAgent, IsTheLastQuotedField)
{
    EXPECT_EQ(UserAgent(kCombined), "Mozilla/5.0 (X11; Linux x86_64) Chrome/120.0");
    EXPECT_EQ(UserAgent(R"(h - - [d] "GET / HTTP/1.0" 200 9 "-" "curl/7.88.1"  )"), "curl/7.88.1");
    EXPECT_EQ(UserAgent(R"(h - - [d] "GET / HTTP/1.0" 200 9 "-" "")"), "");
    EXPECT_EQ(UserAgent(R"(h - - [d] "GET / HTTP/1.0" 200 9 "-" "say \"hi\" bot")"), R"(say \"hi\" bot)");
}

TEST(UserAgent, NothingForTheCommonLogFormat)
{
    EXPECT_EQ(UserAgent(R"(h - - [d] "GET / HTTP/1.0" 200 9)"), std::nullopt);
    EXPECT_EQ(UserAgent(""), std::nullopt);
    EXPECT_EQ(UserAgent("\""), std::nullopt);
}

} // namespace
} // namespace tallywick
