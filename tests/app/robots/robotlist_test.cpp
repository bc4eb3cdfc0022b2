#include "app/robots/robotlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    for (const auto* robot : {"curl/7.88.1", "Wget/1.21", "python-requests/2.31",
                              "Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)",
                              "Mozilla/5.0 (compatible; bingbot/2.0; +http://www.bing.com/bingbot.htm)"})
        EXPECT_TRUE(robots.matches(robot)) << robot;
    for (const auto* person : {"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                               "Chrome/120.0.0.0 Safari/537.36",
                               "Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0", "", "-"})
        EXPECT_FALSE(robots.matches(person)) << person;
}

TEST(RobotList, ReadsPatternsAndSkipsCommentsAndBlankLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# some-list 1.0, MIT licence\r\n# second comment\r\n^curl\r\n\r\n[wW]get\nbad(\n");
    file.close();

    QString error;
    const auto list = ReadRobotList(path, &error);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->description, "some-list 1.0, MIT licence");
    EXPECT_EQ(list->patterns, (std::vector<std::string>{"^curl", "[wW]get", "bad("}));

    const auto matcher = RobotMatcher::FromPatterns(list->patterns);
    ASSERT_TRUE(matcher);
    EXPECT_EQ(matcher->patternCount(), 2U);
    EXPECT_EQ(matcher->rejectedCount(), 1U); // "bad(" does not compile and is left out
    EXPECT_TRUE(matcher->matches("wget 1.0"));
    EXPECT_FALSE(matcher->matches("my curl")); // anchored where the pattern says so
}

TEST(RobotList, AMissingOrEmptyListIsAnError)
{
    QString error;
    EXPECT_FALSE(ReadRobotList("/nonexistent/list.txt", &error));
    EXPECT_FALSE(error.isEmpty());

    QTemporaryDir dir;
    EXPECT_TRUE(FindRobotList(dir.path()).isEmpty());
    const auto loaded = LoadRobotMatcher(dir.path());
    EXPECT_FALSE(loaded.matcher);
    EXPECT_FALSE(loaded.error.isEmpty());

    const auto none = RobotMatcher::FromPatterns({});
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->matches("Googlebot"));
}

} // namespace
} // namespace tallywick
