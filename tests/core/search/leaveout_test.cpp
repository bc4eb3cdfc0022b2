#include "core/search/leaveout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallywick {
namespace {

// Robots are the user agents that hold "bot"; every question is remembered.
class BotMatcher : public UserAgentMatcher {
public:
    bool matches(std::string_view userAgent) const override
    {
        asked.emplace_back(userAgent);
        return userAgent.find("bot") != std::string_view::npos;
    }
    mutable std::vector<std::string> asked;
};

std::string Line(std::string_view status, std::string_view agent)
{
    return "192.0.2.7 - - [17/May/2015:10:05:03 +0000] \"GET /f.pdf HTTP/1.1\" " + std::string(status) +
           " 100 \"-\" \"" + std::string(agent) + "\"";
}

TEST(LeaveOutTest, OffByDefault)
{
    LeaveOutTest test({});
    EXPECT_FALSE(test.active());
    EXPECT_EQ(test(Line("404", "Googlebot")), LeftOut::No);
}

TEST(LeaveOutTest, FailedKeepsOnly2xxAndUnreadableStatuses)
{
    LeaveOutTest test({.failed = true});
    for (const auto* kept : {"200", "204", "206", "299"})
        EXPECT_EQ(test(Line(kept, "x")), LeftOut::No) << kept;
    for (const auto* left : {"304", "301", "199", "404", "500"})
        EXPECT_EQ(test(Line(left, "x")), LeftOut::Failed) << left;
    EXPECT_EQ(test(Line("-", "x")), LeftOut::No);
}

TEST(LeaveOutTest, RobotsAreToldByTheirUserAgentOnceEach)
{
    BotMatcher bots;
    LeaveOutTest test({.robots = &bots});
    EXPECT_EQ(test(Line("200", "Googlebot/2.1")), LeftOut::Robot);
    EXPECT_EQ(test(Line("200", "Googlebot/2.1")), LeftOut::Robot);
    EXPECT_EQ(test(Line("404", "Firefox")), LeftOut::No);                   // failed lines stay unless asked
    EXPECT_EQ(test(R"(h - - [d] "GET /bot HTTP/1.0" 200 9)"), LeftOut::No); // no user agent
    EXPECT_EQ(bots.asked, (std::vector<std::string>{"Googlebot/2.1", "Firefox"}));
}

TEST(LeaveOutTest, ALineBothOptionsLeaveOutIsFailed)
{
    BotMatcher bots;
    LeaveOutTest test({.failed = true, .robots = &bots});
    EXPECT_EQ(test(Line("304", "Googlebot")), LeftOut::Failed);
    EXPECT_EQ(test(Line("200", "Googlebot")), LeftOut::Robot);
}

} // namespace
} // namespace tallywick
