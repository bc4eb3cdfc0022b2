#include "cli/clitest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tallywick {
namespace {

class ExplainCommand : public testing::CliTest {};

// One line of every fate: a download, its repeat, a robot, a download tool, a failed request,
// a text before the request column and a line over the length bound.
TEST_F(ExplainCommand, WritesEveryFateAsJson)
{
    loadRobots_ = [] {
        return LoadedRobots{RobotMatcher::FromPatterns({"^curl", "[Bb]ot"}, {{"http-library"}, {}}), {}, {}};
    };
    const std::string zip = "\"GET /f.zip HTTP/1.1\" ";
    const std::vector<std::string> lines = {
        "203.0.113.45 - - [05/Dec/2004:10:00:00 -0800] " + zip + "206 40 \"-\" \"Agent/1.0\"",
        "203.0.113.45 - - [05/Dec/2004:10:07:10 -0800] " + zip + "206 60 \"-\" \"Agent/1.0\"",
        "198.51.100.7 - - [05/Dec/2004:10:08:00 -0800] " + zip + "200 100 \"-\" \"Googlebot/2.1\"",
        "198.51.100.8 - - [05/Dec/2004:10:09:00 -0800] " + zip + "200 100 \"-\" \"curl/8.1\"",
        "198.51.100.9 - - [05/Dec/2004:10:10:00 -0800] " + zip + "404 10 \"-\" \"Agent/1.0\"",
        "/f.zip.example - - [05/Dec/2004:10:11:00 -0800] \"GET /index.html HTTP/1.1\" 200 10",
        "198.51.100.9 - - [05/Dec/2004:10:12:00 -0800] " + zip + std::string(kLongestLine, 'x')};
    const QString path = writeFile("access.log", testing::CrLfLines(lines));
    const auto result = run({"explain", path, "--find", "/f.zip", "--panel", "0", "--leave-out-robots",
                             "--leave-out-download-tools", "--leave-out-failed", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string file = path.toStdString();
    const auto text = [&](int number) { return lines[static_cast<std::size_t>(number) - 1]; };
    // {"file":…,"line":n,"text":… of line n.
    const auto at = [&](int number, bool withText = true) {
        return R"({"file":")" + file + R"(","line":)" + std::to_string(number) + R"(,"text":")" +
               testing::QuotesEscaped(withText ? text(number) : "") + "\"";
    };
    const std::string expected =
        R"({"panels":[{"panel":0,"find":"/f.zip","found":1,"downloads":[{"n":1,"path":"/f.zip","lines":[)" + at(1) +
        R"(,"fate":"download","minutes_since_previous":null,"repeat_of":null},)" + at(2) +
        R"(,"fate":"repeat","minutes_since_previous":7,"repeat_of":{"file":")" + file +
        R"(","line":1}}],"bytes":100,"size":100,"complete":true}],"left_out":[)" + at(3) +
        R"(,"reason":"robot","pattern":"[Bb]ot"},)" + at(4) + R"(,"reason":"download_tool"},)" + at(5) +
        R"(,"reason":"failed","status":404}],"not_a_hit":[)" + at(6) + R"(,"reason":"before_request_column"},)" +
        at(7, false) + R"(,"reason":"over_length"}]}]})";
    EXPECT_EQ(testing::CompactJson(result.out), expected);

    const auto plain = run({"explain", path, "--find", "/f.zip", "--panel", "0", "--leave-out-robots"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_NE(plain.out.find("Panel 0: /f.zip\nFound: 3\n\nDownload 1: /f.zip, 100 of 100 bytes, complete\n  " + file +
                             ":1  " + text(1) + "\n  " + file + ":2  (repeat of " + file + ":1, 7 minutes later) " +
                             text(2)),
              std::string::npos)
        << plain.out;
    EXPECT_NE(plain.out.find("\nLeft out, robots: 1\n  " + file + ":3  (pattern [Bb]ot) " + text(3) + "\n"),
              std::string::npos)
        << plain.out;
    EXPECT_NE(plain.out.find("\nNot a hit, lines longer than 1 MiB: 1\n  " + file + ":7  \n"), std::string::npos);

    const auto one = run({"explain", path, "--find", "/f.zip", "--download", "2"});
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_NE(one.out.find("Download 2: /f.zip, 100 of 100 bytes, complete\n  " + file + ":3  " + text(3) + "\n"),
              std::string::npos)
        << one.out;
    EXPECT_EQ(one.out.find("Download 1:"), std::string::npos);
    EXPECT_EQ(one.out.find("Not a hit"), std::string::npos);
}

// That the fates add up to search's counts for every option is core's rule (CountExplanation).
TEST_F(ExplainCommand, GroupsTheRealLogsLinesIntoItsDownloads)
{
    // "GET /images/logstash_OSCON.pdf": 47 lines, 12 downloads.
    const auto explain = run({"explain", QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz"), "--find",
                              "GET /images/logstash_OSCON.pdf", "--panel", "0", "--json"});
    ASSERT_EQ(explain.code, 0) << explain.err;
    const auto panel = QJsonDocument::fromJson(QByteArray::fromStdString(explain.out))["panels"][0].toObject();
    int lines = 0;
    for (const auto& download : panel["downloads"].toArray())
        lines += static_cast<int>(download.toObject()["lines"].toArray().size());
    EXPECT_EQ(panel["downloads"].toArray().size(), 12);
    EXPECT_EQ(lines, 47);
}

TEST_F(ExplainCommand, RefusesAPanelOrDownloadThatIsNone)
{
    const QString report = writeFile("r.log", "");
    const auto panel = run({"explain", report, "--panel", "2"});
    EXPECT_EQ(panel.code, 2);
    EXPECT_NE(panel.err.find("--panel is 0 or 1, not \"2\""), std::string::npos) << panel.err;
    const auto download = run({"explain", report, "--download", "0"});
    EXPECT_EQ(download.code, 2);
    EXPECT_EQ(run({"explain"}).code, 2);
    const auto missing = run({"explain", dir_.filePath("none.log")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, dir_.filePath("none.log").toStdString() + ": File Not Found\n");
}

} // namespace
} // namespace tallywick
