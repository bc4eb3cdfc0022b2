#include "core/log/logline.h"

#include "support/printers.h"

#include <gtest/gtest.h>

#include <string>

namespace tallywick {
namespace {

using namespace std::chrono;

const std::string kLine =
    R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0")";
constexpr std::string_view kZip = "GET /quarnel/shareware/pelmor.zip";

std::string WithStatus(std::string line, std::string_view status)
{
    return line.replace(line.find("\" 200") + 2, 3, status);
}

DateValue At(int y, unsigned m, unsigned d, int hh, int mm, int ss)
{
    return DateValue::fromDay(sys_days{year{y} / month{m} / day{d}}) + DateValue::fromSeconds(hh * 3600 + mm * 60 + ss);
}

TEST(LineCuts, OfTheExampleLine)
{
    EXPECT_EQ(MatchPosition(kLine, kZip), 48u);
    EXPECT_EQ(RequestEnd(kLine, 48, kZip), 81u);
    EXPECT_EQ(StatusFrom(kLine), 90u);
    EXPECT_TRUE(StatusAccepted(kLine));
    EXPECT_EQ(TimeKey(kLine), "203.0.113.45 - - [05/Dec/2004:10:15:42");
    EXPECT_EQ(HostOfKey(TimeKey(kLine)), "203.0.113.45");
    EXPECT_EQ(KeyDateTime(TimeKey(kLine)), At(2004, 12, 5, 10, 15, 42));
    EXPECT_EQ(RecordDate(kLine), At(2004, 12, 5, 0, 0, 0));
    EXPECT_EQ(StatusPart(kLine, 81), R"(200 48213 "-" "Agent/1.0")");
}

TEST(LineCuts, ASearchTextMatchesOnlyFromCharacter38)
{
    EXPECT_EQ(MatchPosition(kLine, ".zip"), 77u);
    EXPECT_EQ(RequestEnd(kLine, 77, ".zip"), 81u);
    EXPECT_EQ(MatchPosition(kLine, "203.0.113"), 0u) << "only in the host";
    EXPECT_EQ(MatchPosition(kLine, "Dec/2004"), 0u) << "only before character 38";
    EXPECT_EQ(MatchPosition(kLine, "get /quarnel/shareware/pelmor.zip"), 0u) << "letter case counts";
    EXPECT_EQ(MatchPosition(kLine, ""), 38u);
    EXPECT_EQ(MatchPosition(std::string(37, 'x'), ""), 0u);
}

TEST(LineCuts, StatusesOutsideTheAcceptedThree)
{
    const auto notFound = WithStatus(kLine, "404");
    EXPECT_FALSE(StatusAccepted(notFound));
    EXPECT_EQ(StatusPart(notFound, 81), std::string_view(notFound).substr(1)) << "the line from its second character";

    const auto notModified = WithStatus(kLine, "304");
    EXPECT_TRUE(StatusAccepted(notModified));
    EXPECT_TRUE(StatusPart(notModified, 81).starts_with("304 "));
    EXPECT_TRUE(IsPartialDownload(WithStatus(kLine, "206")));
    EXPECT_FALSE(IsPartialDownload(kLine));
}

TEST(LineCuts, StatusPartTriesTheStatusesInOrderNotByPosition)
{
    // A 304 line whose referrer happens to hold the text of a 200: the 200 is tried first.
    const std::string line = WithStatus(kLine, "304").replace(kLine.find("\"-\""), 3, "\"x\" 200\"");
    EXPECT_TRUE(StatusPart(line, 81).starts_with("200\""));
}

TEST(LineCuts, ShortHostsHaveNoHost)
{
    const std::string line =
        R"(1.2.3.4 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 1)";
    EXPECT_EQ(HostOfKey(TimeKey(line)), "");
    EXPECT_EQ(TimeKey(line), "1.2.3.4 - - [05/Dec/2004:10:15:42");
    EXPECT_EQ(RecordDate(line), At(2004, 12, 5, 0, 0, 0)) << "the [ stands after character 10";
    const std::string threeCharacters = "::1" + line.substr(7);
    EXPECT_EQ(RecordDate(threeCharacters), DateValue{}) << "the [ before character 10 is not found";
    const std::string nineCharacters = "1.2.3.456" + line.substr(7);
    EXPECT_EQ(HostOfKey(TimeKey(nineCharacters)), "1.2.3.456");
    EXPECT_EQ(RecordDate(nineCharacters), At(2004, 12, 5, 0, 0, 0));
}

TEST(LineCuts, LinesWithoutTheUsualFieldsCutShortWithoutFailing)
{
    EXPECT_EQ(TimeKey("garbage"), "garbage");
    EXPECT_EQ(TimeKey("no colon in this line at all, none"), "no colon");
    EXPECT_EQ(StatusFrom("short"), 8u);
    EXPECT_FALSE(StatusAccepted(""));
    EXPECT_EQ(KeyDateTime("x"), DateValue{});
    EXPECT_EQ(RecordDate("[05/Dec/2004"), DateValue{});
    EXPECT_EQ(StatusPart("", 0), "");
}

TEST(LineCuts, TheDateEndsAtTheFirstColonAfterTheSeparatorSoIpv6HostsCutRight)
{
    const std::string ipv6 =
        R"(2001:db8::1 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 206 4 "-" "Agent")";
    EXPECT_EQ(TimeKey(ipv6), "2001:db8::1 - - [05/Dec/2004:10:15:42");
    EXPECT_EQ(HostOfKey(TimeKey(ipv6)), "2001:db8::1");
    EXPECT_EQ(KeyDateTime(TimeKey(ipv6)), At(2004, 12, 5, 10, 15, 42));
    EXPECT_EQ(PartialKey(ipv6), R"(2001:db8::1 - - [05/Dec/2004: "-" "Agent")");

    // A long IPv6 host holds a colon at or after character 20: the plain search would cut there.
    const std::string longHost =
        R"(2001:0db8:85a3:0000:0000:8a2e:0370:7334 - - [06/Dec/2004:23:59:01 +0000] "GET /a.zip HTTP/1.1" 200 4)";
    EXPECT_EQ(KeyDateTime(TimeKey(longHost)), At(2004, 12, 6, 23, 59, 1));
    EXPECT_EQ(RecordDate(longHost), At(2004, 12, 6, 0, 0, 0));

    // A line without the separator keeps the first colon from character 20.
    const std::string odd = "no separator here at all:10:15:42";
    EXPECT_EQ(DateColon(odd), 25u);
}

TEST(PartialKey, KeepsHostDateAndClientPartOnly)
{
    const auto partial = WithStatus(kLine, "206");
    EXPECT_EQ(PartialKey(partial), R"(203.0.113.45 - - [05/Dec/2004: "-" "Agent/1.0")");

    std::string otherTime = partial;
    otherTime.replace(otherTime.find("10:15:42"), 8, "23:01:00");
    otherTime.replace(otherTime.find("48213"), 5, "99");
    EXPECT_EQ(PartialKey(otherTime), PartialKey(partial)) << "time and size play no part";

    const std::string withoutClient =
        R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 206 48213)";
    EXPECT_EQ(PartialKey(withoutClient), "203.0.113.45 - - [05/Dec/2004:") << "a missing client part is empty";
}

} // namespace
} // namespace tallywick
