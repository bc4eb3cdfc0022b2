#include "core/search/leaveout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace tallywick {
namespace {

// Robots are the user agents that hold "bot", download tools those that begin with "curl"; every
// question is remembered.
class BotMatcher : public UserAgentMatcher {
public:
    AgentKind kindOf(std::string_view userAgent) const override
    {
        asked.emplace_back(userAgent);
        if (userAgent.find("bot") != std::string_view::npos)
            return AgentKind::Robot;
        return userAgent.starts_with("curl") ? AgentKind::DownloadTool : AgentKind::Person;
    }
    mutable std::vector<std::string> asked;
};

std::string Line(std::string_view status, std::string_view agent)
{
    return "192.0.2.7 - - [17/May/2015:10:05:03 +0000] \"GET /f.pdf HTTP/1.1\" " + std::string(status) +
           " 100 \"-\" \"" + std::string(agent) + "\"";
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

TEST(LeaveOutTest, SaysWhenNoJudgedLineHadAUserAgent)
{
    BotMatcher agents;
    LeaveOutTest test({.robots = &agents});
    EXPECT_FALSE(test.agentsRead().none()) << "nothing judged yet";
    const std::string common = R"(h - - [05/Dec/2004:21:16:31 +0000] "GET /f.zip HTTP/1.1" 200 9)";
    test(common);
    test(common);
    EXPECT_TRUE(test.agentsRead().none());
    test(Line("200", "-"));
    EXPECT_EQ(test.agentsRead(), (AgentsRead{.judged = 3, .withAgent = 1}));
    EXPECT_FALSE(test.agentsRead().none()) << "\"-\" is an agent read: the line says it had none";

    LeaveOutTest failedOnly({.failed = true});
    failedOnly(common);
    EXPECT_EQ(failedOnly.agentsRead(), AgentsRead{}) << "agents are not read when they decide nothing";
}

// A client chooses its user agent, so a log may hold as many as it has lines.
TEST(RecentAnswers, StayWithinTheirBoundWhateverTheAgents)
{
    RecentAnswers answers;
    std::mt19937 random(5);
    std::string agent;
    for (int i = 0; i < 20'000; ++i) {
        const std::size_t length = random() % 2 == 0 ? random() % 100 : random() % 8'192;
        agent = std::to_string(i) + std::string(length, 'x');
        EXPECT_FALSE(answers.find(agent));
        answers.remember(agent, i % 3 == 0 ? AgentKind::Robot : AgentKind::Person);
        ASSERT_LE(answers.size(), RecentAnswers::kMostAgents) << i;
        ASSERT_LE(answers.bytes(), RecentAnswers::kMostBytes) << i;
    }
    EXPECT_EQ(answers.find(agent), AgentKind::Person); // the last agent is kept: 19,999 is not a multiple of 3

    const std::string longest(RecentAnswers::kMostBytes + 1, 'x'); // more than all of them may hold
    answers.remember(longest, AgentKind::Robot);
    EXPECT_FALSE(answers.find(longest));
    EXPECT_LE(answers.bytes(), RecentAnswers::kMostBytes);
}

// A few agents repeat often among many that come once or seldom, as in a real log.
TEST(LeaveOutTest, RobotAnswersAgreeWithTheMatcherAndTheFrequentAgentsAreMatchedOnce)
{
    std::mt19937 random(11);
    std::vector<std::string> agents(20'000);
    for (auto& agent : agents) {
        const std::size_t length = 1 + random() % 200;
        for (std::size_t i = 0; i < length; ++i)
            agent += "abot ;/()"[random() % 9];
    }
    BotMatcher bots;
    LeaveOutTest test({.robots = &bots});
    std::set<std::size_t> met;
    for (int i = 0; i < 200'000; ++i) {
        const std::size_t drawn = random() % 10 < 3 ? random() % 10 : random() % agents.size();
        met.insert(drawn);
        const bool robot = agents[drawn].find("bot") != std::string::npos;
        ASSERT_EQ(test(Line("200", agents[drawn])), robot ? LeftOut::Robot : LeftOut::No) << agents[drawn];
    }
    EXPECT_GT(bots.asked.size(), met.size()) << "more distinct agents came than are remembered";
    for (std::size_t frequent = 0; frequent < 10; ++frequent)
        EXPECT_EQ(std::count(bots.asked.begin(), bots.asked.end(), agents[frequent]), 1) << frequent;
}

} // namespace
} // namespace tallywick
