#include "app/robots/robotlist.h"

#include "support/storetesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tallywick {
namespace {

QString ProgramFolder()
{
    // The tests run from the build tree, where the build copies the list as it installs it.
    static int argc = 1;
    static char name[] = "robotlist_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return QCoreApplication::applicationDirPath();
}

TEST(RobotList, TheShippedListTellsRobotsFromPeople)
{
    const auto loaded = LoadRobotMatcher(ProgramFolder());
    ASSERT_TRUE(loaded.matcher) << loaded.error.toStdString();
    EXPECT_GE(loaded.matcher->patternCount(), 1000U);
    EXPECT_EQ(loaded.matcher->rejectedCount(), 0U);

    const RobotMatcher& robots = *loaded.matcher;
    for (const auto* tool : {"curl/7.88.1", "Wget/1.21", "python-requests/2.31", "Download Ninja 7.0"}) {
        EXPECT_TRUE(robots.matches(tool)) << tool;
        EXPECT_EQ(robots.kindOf(tool), AgentKind::DownloadTool) << tool;
    }
    for (const auto* robot : {"Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)",
                              "Mozilla/5.0 (compatible; bingbot/2.0; +http://www.bing.com/bingbot.htm)",
                              // A library's name inside a crawler's agent: not every match is a library.
                              "Mozilla/5.0 (compatible; Googlebot/2.1) Wget/1.21"}) {
        EXPECT_TRUE(robots.matches(robot)) << robot;
        EXPECT_EQ(robots.kindOf(robot), AgentKind::Robot) << robot;
    }
    for (const auto* person : {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                               "Chrome/120.0.0.0 Safari/537.36",
                               "Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0", "", "-"}) {
        EXPECT_FALSE(robots.matches(person)) << person;
        EXPECT_EQ(robots.kindOf(person), AgentKind::Person) << person;
    }
}

TEST(RobotList, ReadsPatternsAndSkipsCommentsAndBlankLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    testing::WriteBytes(path, "# some-list 1.0, MIT licence\r\n# second comment\r\n^curl\thttp-library\r\n\r\n"
                              "[wW]get\nbad(\tx, http-library,\nget\tseo,http-library\n");

    QString error;
    const auto list = ReadRobotList(path, &error);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->description, "some-list 1.0, MIT licence");
    EXPECT_EQ(list->patterns, (std::vector<std::string>{"^curl", "[wW]get", "bad(", "get"}));
    EXPECT_EQ(list->tags, (std::vector<std::vector<std::string>>{
                              {"http-library"}, {}, {"x", "http-library"}, {"seo", "http-library"}}));

    const auto matcher = RobotMatcher::FromPatterns(list->patterns, list->tags);
    ASSERT_TRUE(matcher);
    EXPECT_EQ(matcher->patternCount(), 3U);
    EXPECT_EQ(matcher->rejectedCount(), 1U); // "bad(" does not compile and is left out
    EXPECT_TRUE(matcher->matches("wget 1.0"));
    EXPECT_FALSE(matcher->matches("my curl")); // anchored where the pattern says so
    EXPECT_EQ(matcher->kindOf("curl/8"), AgentKind::DownloadTool);
    EXPECT_EQ(matcher->kindOf("wget 1.0"), AgentKind::Robot) << "\"[wW]get\" has no tag here";
    EXPECT_EQ(matcher->matchingPatterns("curl/8 get"), (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(matcher->kindOf("curl/8 get"), AgentKind::DownloadTool) << "both libraries";
    EXPECT_EQ(matcher->kindOf("my cur"), AgentKind::Person);
    // The pattern that makes a robot is the first untagged one that matches.
    EXPECT_EQ(matcher->robotPattern("curl/8 wget"), std::optional<std::size_t>(1));
    EXPECT_EQ(matcher->patternAt(1), "[wW]get");
    EXPECT_EQ(matcher->robotPattern("curl/8 get"), std::nullopt) << "a download tool";
    EXPECT_EQ(matcher->robotPattern("my cur"), std::nullopt);
    EXPECT_EQ(RobotMatcher::FromPatterns(list->patterns)->kindOf("curl/8"), AgentKind::Robot) << "no tags";
}

QString WriteList(const QTemporaryDir& dir, const std::vector<std::string>& patterns)
{
    std::string lines;
    for (const auto& pattern : patterns)
        lines += pattern + "\n";
    testing::WriteBytes(dir.filePath("list.txt"), lines);
    return dir.filePath("list.txt");
}

TEST(RobotList, PatternsLeftOutAreNamedWithTheLibrarysReason)
{
    QTemporaryDir dir;
    const QString name = QDir::toNativeSeparators(dir.filePath("list.txt"));

    const auto some = LoadRobotList(WriteList(dir, {"^curl", "bad(", "x[", "[wW]get", "a**", "\\8"}));
    ASSERT_TRUE(some.matcher) << some.error.toStdString();
    EXPECT_TRUE(some.error.isEmpty());
    EXPECT_EQ(some.warning, name + " is used without 4 of its 6 patterns, which the regular-expression library cannot "
                                   "take: \"bad(\": missing ): bad(; \"x[\": missing ]: [; \"a**\": bad repetition "
                                   "operator: **; and 1 more.");
    EXPECT_EQ(some.matcher->patternCount(), 2U);
    EXPECT_EQ(some.matcher->rejectedCount(), 4U);
    EXPECT_TRUE(some.matcher->matches("Wget/1.21"));

    const auto none = LoadRobotList(WriteList(dir, {"bad(", "%1["}));
    EXPECT_FALSE(none.matcher);
    EXPECT_EQ(none.error, name + " holds no usable pattern: the regular-expression library cannot take any of them: "
                                 "\"bad(\": missing ): bad(; \"%1[\": missing ]: [.");

    const auto overlong = LoadRobotList(WriteList(dir, {"^curl", "(" + std::string(5'000, 'a')}));
    EXPECT_LT(overlong.warning.size(), 400) << "a pattern and its reason are shortened";

    const auto whole = LoadRobotMatcher(ProgramFolder());
    EXPECT_TRUE(whole.warning.isEmpty()) << whole.warning.toStdString();
}

TEST(RobotList, ALargeListOfLiteralsCompiles)
{
    std::mt19937 random(3);
    std::vector<std::string> patterns(100'000);
    for (auto& pattern : patterns)
        for (std::size_t length = 6 + random() % 14; pattern.size() < length;)
            pattern += "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[random() % 62];
    const auto matcher = RobotMatcher::FromPatterns(patterns);
    EXPECT_FALSE(matcher->overMemoryBudget());
    EXPECT_EQ(matcher->patternCount(), patterns.size());
    EXPECT_TRUE(matcher->matches("Mozilla/5.0 (compatible; " + patterns.back() + ")"));
    EXPECT_FALSE(matcher->matches("Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0"));
}

TEST(RobotList, AListTooLargeForTheMemoryBudgetSaysSo)
{
    // A few bytes each, which the library expands into a thousand instructions.
    std::vector<std::string> patterns;
    for (int i = 0; i < 800; ++i)
        patterns.push_back(std::to_string(i) + "[a-z]{1000}");
    const auto matcher = RobotMatcher::FromPatterns(patterns);
    EXPECT_TRUE(matcher->overMemoryBudget());
    EXPECT_FALSE(matcher->matches("Googlebot")); // and does not crash

    patterns.emplace_back("bad(");
    QTemporaryDir dir;
    const auto loaded = LoadRobotList(WriteList(dir, patterns));
    EXPECT_FALSE(loaded.matcher);
    EXPECT_EQ(loaded.error, QDir::toNativeSeparators(dir.filePath("list.txt")) +
                                " is too large for the matcher's memory budget (64 MB): its 800 patterns do not "
                                "compile together. Besides, the regular-expression library cannot take 1 of its 801 "
                                "patterns: \"bad(\": missing ): bad(.");
}

TEST(RobotList, AMissingOrEmptyListIsAnError)
{
    QString error;
    EXPECT_FALSE(ReadRobotList("/nonexistent/list.txt", &error));
    EXPECT_FALSE(error.isEmpty());

    QTemporaryDir dir;
    const auto loaded = LoadRobotMatcher(dir.path());
    EXPECT_FALSE(loaded.matcher);
    EXPECT_FALSE(loaded.error.isEmpty());
    const auto empty = LoadRobotList(WriteList(dir, {}));
    EXPECT_FALSE(empty.matcher);
    EXPECT_EQ(empty.error, QDir::toNativeSeparators(dir.filePath("list.txt")) + " holds no pattern.");
}

} // namespace
} // namespace tallywick
