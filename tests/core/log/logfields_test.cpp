#include "core/log/logfields.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace tallywick {
namespace {

constexpr std::string_view kCombined =
    R"(203.0.113.45 - frank [17/May/2015:10:05:03 +0200] "GET /images/logstash_OSCON.pdf?x=1&y HTTP/1.1" 206 4096 "http://example.org/" "Mozilla/5.0 (X11; Linux x86_64) Chrome/120.0")";

TEST(LogFields, ReadsEveryFieldOfACombinedLine)
{
    const auto fields = ReadLogFields(kCombined);
    EXPECT_EQ(fields.format, LogFormat::Combined);
    EXPECT_EQ(fields.client, "203.0.113.45");
    EXPECT_EQ(fields.timeText, "17/May/2015:10:05:03 +0200");
    ASSERT_TRUE(fields.time);
    EXPECT_EQ(fields.time->offsetMinutes, 120);
    ASSERT_TRUE(fields.request);
    EXPECT_EQ(fields.request->method, "GET");
    EXPECT_EQ(fields.request->path, "/images/logstash_OSCON.pdf");
    EXPECT_EQ(fields.request->query, "x=1&y");
    EXPECT_EQ(fields.request->protocol, "HTTP/1.1");
    EXPECT_EQ(fields.status, 206);
    EXPECT_EQ(fields.bytes, 4096);
    EXPECT_EQ(fields.referrer, "http://example.org/");
    EXPECT_EQ(fields.userAgent, "Mozilla/5.0 (X11; Linux x86_64) Chrome/120.0");
    EXPECT_EQ(fields.rest, "");

    const auto upToBytes = ReadLogFields(kCombined, LogFieldsWanted::ThroughBytes);
    EXPECT_FALSE(upToBytes.time);
    EXPECT_EQ(upToBytes.request->path, "/images/logstash_OSCON.pdf");
    EXPECT_EQ(upToBytes.bytes, 4096);
    EXPECT_FALSE(upToBytes.userAgent);
}

TEST(LogFields, ACommonLineHasNoReferrerAndNoUserAgent)
{
    const auto fields = ReadLogFields(R"(h - - [05/Dec/2004:21:16:31 +0000] "GET /f.zip HTTP/1.0" 200 -)");
    EXPECT_EQ(fields.format, LogFormat::Common);
    EXPECT_EQ(fields.status, 200);
    EXPECT_EQ(fields.bytes, std::nullopt) << "\"-\": nothing sent";
    EXPECT_FALSE(fields.referrer);
    EXPECT_FALSE(fields.userAgent);

    // Its request is no user agent, even when the line ends right after it.
    const auto cut = ReadLogFields(R"(h - - [05/Dec/2004:21:16:31 +0000] "GET /f.zip?via=wget HTTP/1.1")");
    EXPECT_EQ(cut.format, LogFormat::Common);
    EXPECT_EQ(cut.request->query, "via=wget");
    EXPECT_FALSE(cut.status);
    EXPECT_FALSE(cut.userAgent);
}

// Apache writes a quote inside a field as \" and a backslash as \\.
TEST(LogFields, EscapesInsideQuotedFields)
{
    const auto slash = ReadLogFields(R"(h - - [d] "GET /dir\\" 404 0 "-" "x")");
    EXPECT_EQ(slash.request->path, R"(/dir\\)");
    EXPECT_EQ(slash.status, 404);
    EXPECT_EQ(slash.userAgent, "x");

    const auto quoted = ReadLogFields(R"(h - - [d] "GET /a\"b HTTP/1.0" 200 9 "r\\\"" "say \"hi\" bot")");
    EXPECT_EQ(quoted.request->path, R"(/a\"b)");
    EXPECT_EQ(quoted.status, 200);
    EXPECT_EQ(quoted.referrer, R"(r\\\")");
    EXPECT_EQ(quoted.userAgent, R"(say \"hi\" bot)");
    EXPECT_EQ(Unescaped(*quoted.userAgent), R"(say "hi" bot)");
    EXPECT_EQ(Unescaped(R"(a\\b\"c\x22)"), R"(a\b"c\x22)");
}

TEST(LogFields, TheUserAgentIsTheFieldAfterTheReferrerWhateverFollows)
{
    const std::string combined = R"(h - - [d] "GET / HTTP/1.1" 200 9 "-" "Googlebot/2.1")";
    // The fields point into the line: it must outlive them.
    const std::string forwarded = combined + R"( "203.0.113.9, 10.0.0.1")";
    const auto nginx = ReadLogFields(forwarded);
    EXPECT_EQ(nginx.userAgent, "Googlebot/2.1");
    EXPECT_EQ(nginx.referrer, "");
    EXPECT_EQ(nginx.rest, R"("203.0.113.9, 10.0.0.1")");
    const std::string withIo = combined + " 512 4096  ";
    const auto combinedio = ReadLogFields(withIo);
    EXPECT_EQ(combinedio.userAgent, "Googlebot/2.1");
    EXPECT_EQ(combinedio.rest, "512 4096");
    EXPECT_EQ(ReadLogFields(R"(h - - [d] "GET / HTTP/1.1" 200 9 "-" "-")").userAgent, "");
    EXPECT_EQ(ReadLogFields(R"(h - - [d] "GET / HTTP/1.1" 200 9 "-" "")").userAgent, "");
}

TEST(LogFields, StatusAndBytesAreWholeWords)
{
    EXPECT_EQ(ReadLogFields(R"(h - - [d] "GET / HTTP/1.0"   404 12)").status, 404); // several blanks
    EXPECT_EQ(ReadLogFields(R"(h - - [d] "GET / HTTP/1.0"200 12)").status, 200);    // glued to the quote
    EXPECT_EQ(ReadLogFields(R"(10.0.0.200 - - [d] "GET /404.html HTTP/1.0" 200 9)").status, 200);
    for (const auto* line : {R"(h - - [d] "GET / HTTP/1.0" - 12)", R"(h - - [d] "GET / HTTP/1.0" 20 12)",
                             R"(h - - [d] "GET / HTTP/1.0" 2000 1)", R"(h - - [d] "GET /a"b HTTP/1.0" 200 9)"})
        EXPECT_FALSE(ReadLogFields(line).status) << line;
    EXPECT_EQ(ReadLogFields(R"(h - - [d] "GET / HTTP/1.0" 200 999999999999999999)").bytes, 999'999'999'999'999'999);
    for (const auto* line : {R"(h - - [d] "GET / HTTP/1.0" 200 9999999999999999999)",
                             R"(h - - [d] "GET / HTTP/1.0" 200 12k)", R"(h - - [d] "GET / HTTP/1.0" 200 -1)"})
        EXPECT_FALSE(ReadLogFields(line).bytes) << line;
}

TEST(LogFields, OddRequests)
{
    const auto none = ReadLogFields(R"(h - - [d] "-" 408 -)");
    ASSERT_TRUE(none.request);
    EXPECT_EQ(none.request->method, "");
    EXPECT_FALSE(none.knownPath());
    EXPECT_EQ(none.status, 408);

    const auto oneWord = ReadLogFields(R"(h - - [d] "\x16\x03\x01" 400 0)");
    EXPECT_EQ(oneWord.request->method, R"(\x16\x03\x01)");
    EXPECT_FALSE(oneWord.knownPath());

    const auto old = ReadLogFields(R"(h - - [d] "GET /a?b?c" 200 1)");
    EXPECT_EQ(old.request->path, "/a");
    EXPECT_EQ(old.request->query, "b?c");
    EXPECT_EQ(old.request->protocol, "");
}

TEST(LogFields, WhatCannotBeReadIsUnknown)
{
    EXPECT_EQ(ReadLogFields("").format, LogFormat::Unknown);
    EXPECT_EQ(ReadLogFields("garbage").client, "");
    const auto noTime = ReadLogFields(R"(h - - "GET / HTTP/1.0" 200 1)");
    EXPECT_EQ(noTime.client, "h");
    EXPECT_FALSE(noTime.request) << "the request follows the time";
    const auto unclosed = ReadLogFields(R"(h - - [d] "GET / HTTP/1.0 200 1)");
    EXPECT_EQ(unclosed.format, LogFormat::Unknown);
    EXPECT_FALSE(unclosed.request);
    const auto badTime = ReadLogFields(R"(h - - [99/Dec/2004:xx:yy:zz -0800] "GET / HTTP/1.0" 200 1)");
    EXPECT_FALSE(badTime.time);
    EXPECT_EQ(badTime.status, 200);
    const auto openReferrer = ReadLogFields(R"(h - - [d] "GET / HTTP/1.0" 200 1 "http://x/ agent)");
    EXPECT_EQ(openReferrer.format, LogFormat::Common);
    EXPECT_FALSE(openReferrer.referrer);
    EXPECT_FALSE(openReferrer.userAgent);
}

// Lines pieced together from the fields' parts and the characters that cut them.
TEST(LogResponse, IsWhatTheFieldsSay)
{
    const std::array<std::string_view, 16> parts = {"h",    " ",      "- - ",  "[05/Dec/2004:21:16:31 +0000]",
                                                    "[",    "]",      "\"",    "\\",
                                                    "GET ", "/f.zip", "?x",    " HTTP/1.1",
                                                    "200",  "-",      "48213", "\"-\" \"Agent\""};
    std::mt19937 random(22);
    for (int i = 0; i < 20'000; ++i) {
        std::string line;
        for (int n = static_cast<int>(random() % 14); n >= 0; --n)
            line += parts[random() % parts.size()];
        const auto fields = ReadLogFields(line, LogFieldsWanted::ThroughBytes);
        const auto response = ReadLogResponse(line);
        ASSERT_EQ(response.status, fields.status) << line;
        ASSERT_EQ(response.bytes, fields.bytes) << line;
        ASSERT_EQ(response.path, fields.request ? fields.request->path : std::string_view{}) << line;
    }
    const auto typical = ReadLogResponse(kCombined);
    EXPECT_EQ(typical.path, "/images/logstash_OSCON.pdf");
    EXPECT_EQ(typical.status, 206);
    EXPECT_EQ(typical.bytes, 4096);
}

TEST(LogTime, ReadsTheOffsetAndCountsInUtc)
{
    const auto east = ReadLogTime("06/Dec/2004:01:30:00 +0200");
    ASSERT_TRUE(east);
    const auto west = ReadLogTime("05/Dec/2004:15:30:00 -0800");
    ASSERT_TRUE(west);
    EXPECT_EQ(east->utcSeconds(), west->utcSeconds()); // 23:30 UTC, both
    EXPECT_EQ(east->utcDay(), west->utcDay());
    EXPECT_EQ(DateValue::fromSeconds(east->utcSeconds()).day(),
              std::chrono::sys_days{std::chrono::year{2004} / 12 / 5});
    EXPECT_EQ(east->utcHour() % 24, 23);

    const auto midnight = ReadLogTime("05/Dec/2004:00:00:00 +0000");
    ASSERT_TRUE(midnight) << "midnight is a time";
    EXPECT_EQ(midnight->utcHour() % 24, 0);

    const auto noOffset = ReadLogTime("05/Dec/2004:10:00:00");
    ASSERT_TRUE(noOffset);
    EXPECT_FALSE(noOffset->offsetMinutes);
    for (const auto* odd : {"05/Dec/2004:10:00:00 +2400", "05/Dec/2004:10:00:00 0800", "05/Dec/2004:10:00:00 +08:00"}) {
        const auto time = ReadLogTime(odd);
        ASSERT_TRUE(time) << odd;
        EXPECT_FALSE(time->offsetMinutes) << odd << ": taken as UTC";
        EXPECT_EQ(time->utcSeconds(), noOffset->utcSeconds()) << odd;
    }
    for (const auto* bad : {"", "05/Dec/2004", "05/Dec/2004:25:00:00 +0000", "5/Dcx/2004:10:00:00 +0000"})
        EXPECT_FALSE(ReadLogTime(bad)) << bad;
}

} // namespace
} // namespace tallywick
