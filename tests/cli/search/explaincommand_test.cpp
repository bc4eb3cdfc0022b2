#include "cli/clitest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <set>

namespace tallywick {
namespace {

class ExplainCommand : public testing::CliTest {
protected:
    QString write(const QString& name, const std::string& bytes) const
    {
        testing::WriteBytes(dir_.filePath(name), bytes);
        return dir_.filePath(name);
    }

    // The counts that explain's JSON implies, in the form of search's JSON, for the options given.
    void expectSameCounts(const QStringList& reports, const QStringList& options)
    {
        const auto search = run(QStringList{QStringLiteral("search")} + reports + options + QStringList{"--json"});
        const auto explain = run(QStringList{QStringLiteral("explain")} + reports + options + QStringList{"--json"});
        ASSERT_EQ(search.code, 0) << search.err;
        ASSERT_EQ(explain.code, 0) << explain.err;
        const auto counts = QJsonDocument::fromJson(QByteArray::fromStdString(search.out)).object();
        const auto fates = QJsonDocument::fromJson(QByteArray::fromStdString(explain.out)).object();
        const bool noDuplicates = !options.contains(QStringLiteral("--with-duplicates"));
        std::map<QString, std::set<std::pair<QString, int>>> leftOut;
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE("panel " + std::to_string(i));
            const auto panel = fates["panels"].toArray()[i].toObject();
            const auto expected = counts["panels"].toArray()[i].toObject();
            const auto downloads = panel["downloads"].toArray();
            int lines = 0;
            int complete = 0, incomplete = 0, unknown = 0;
            for (const auto& download : downloads) {
                lines += static_cast<int>(download.toObject()["lines"].toArray().size());
                const auto whole = download.toObject()["complete"];
                (whole.isNull() ? unknown : whole.toBool() ? complete : incomplete) += 1;
            }
            EXPECT_EQ(noDuplicates ? downloads.size() : lines, expected["found"].toInteger());
            EXPECT_EQ(panel["found"].toInteger(), expected["found"].toInteger());
            if (noDuplicates) {
                EXPECT_EQ(complete, expected["complete"].toInteger());
                EXPECT_EQ(incomplete, expected["incomplete"].toInteger());
                EXPECT_EQ(unknown, expected["size_unknown"].toInteger());
            }
            for (const auto& line : panel["left_out"].toArray()) {
                const auto entry = line.toObject();
                leftOut[entry["reason"].toString()].emplace(entry["file"].toString(), entry["line"].toInt());
            }
        }
        const auto expected = counts["left_out"].toObject();
        EXPECT_EQ(static_cast<qint64>(leftOut["robot"].size()), expected["robots"].toInteger());
        EXPECT_EQ(static_cast<qint64>(leftOut["download_tool"].size()), expected["download_tools"].toInteger());
        EXPECT_EQ(static_cast<qint64>(leftOut["failed"].size()), expected["failed"].toInteger());
    }
};

// One line of every fate: a download, its repeat, a robot, a download tool, a failed request,
// a text before the request column and a line over the length bound.
TEST_F(ExplainCommand, WritesEveryFateAsJson)
{
    loadRobots_ = [] {
        return LoadedRobots{RobotMatcher::FromPatterns({"^curl", "[Bb]ot"}, {{"http-library"}, {}}), {}, {}};
    };
    const std::string zip = "\"GET /f.zip HTTP/1.1\" ";
    const std::string report =
        "203.0.113.45 - - [05/Dec/2004:10:00:00 -0800] " + zip + "206 40 \"-\" \"Agent/1.0\"\n" +
        "203.0.113.45 - - [05/Dec/2004:10:07:10 -0800] " + zip + "206 60 \"-\" \"Agent/1.0\"\n" +
        "198.51.100.7 - - [05/Dec/2004:10:08:00 -0800] " + zip + "200 100 \"-\" \"Googlebot/2.1\"\n" +
        "198.51.100.8 - - [05/Dec/2004:10:09:00 -0800] " + zip + "200 100 \"-\" \"curl/8.1\"\n" +
        "198.51.100.9 - - [05/Dec/2004:10:10:00 -0800] " + zip + "404 10 \"-\" \"Agent/1.0\"\n" +
        "/f.zip.example - - [05/Dec/2004:10:11:00 -0800] \"GET /index.html HTTP/1.1\" 200 10\n" +
        "198.51.100.9 - - [05/Dec/2004:10:12:00 -0800] " + zip + std::string(kLongestLine, 'x') + "\n";
    const QString path = write(QStringLiteral("access.log"), report);
    const auto result = run({QStringLiteral("explain"), path, QStringLiteral("--find"), QStringLiteral("/f.zip"),
                             QStringLiteral("--panel"), QStringLiteral("0"), QStringLiteral("--leave-out-robots"),
                             QStringLiteral("--leave-out-download-tools"), QStringLiteral("--leave-out-failed"),
                             QStringLiteral("--json")});
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string file = path.toStdString();
    const auto line = [&](int number) {
        return "\"file\": \"" + file + "\",\n" + std::string(10, ' ') + "\"line\": " + std::to_string(number);
    };
    const auto text = [&](int number) {
        std::string bytes;
        std::istringstream lines(report);
        for (int i = 0; i < number; ++i)
            std::getline(lines, bytes);
        return bytes;
    };
    const auto quoted = [](std::string bytes) {
        for (std::size_t at = 0; (at = bytes.find('"', at)) != std::string::npos; at += 2)
            bytes.insert(at, "\\");
        return "\"" + bytes + "\"";
    };
    const std::string expected =
        "{\n  \"panels\": [\n    {\n      \"panel\": 0,\n      \"find\": \"/f.zip\",\n      \"found\": 1,\n"
        "      \"downloads\": [\n        {\n          \"n\": 1,\n          \"path\": \"/f.zip\",\n"
        "          \"lines\": [\n            {\n              " +
        std::string() + "\"file\": \"" + file +
        "\",\n              \"line\": 1,\n              \"text\": " + quoted(text(1)) +
        ",\n              \"fate\": \"download\",\n              \"minutes_since_previous\": null,\n"
        "              \"repeat_of\": null\n            },\n            {\n              \"file\": \"" +
        file + "\",\n              \"line\": 2,\n              \"text\": " + quoted(text(2)) +
        ",\n              \"fate\": \"repeat\",\n              \"minutes_since_previous\": 7,\n"
        "              \"repeat_of\": {\n                \"file\": \"" +
        file +
        "\",\n                \"line\": 1\n              }\n            }\n          ],\n"
        "          \"bytes\": 100,\n          \"size\": 100,\n          \"complete\": true\n        }\n      ],\n"
        "      \"left_out\": [\n        {\n          " +
        line(3) + ",\n          \"text\": " + quoted(text(3)) +
        ",\n          \"reason\": \"robot\",\n          \"pattern\": \"[Bb]ot\"\n        },\n        {\n          " +
        line(4) + ",\n          \"text\": " + quoted(text(4)) +
        ",\n          \"reason\": \"download_tool\"\n        },\n        {\n          " + line(5) +
        ",\n          \"text\": " + quoted(text(5)) +
        ",\n          \"reason\": \"failed\",\n          \"status\": 404\n        }\n      ],\n"
        "      \"not_a_hit\": [\n        {\n          " +
        line(6) + ",\n          \"text\": " + quoted(text(6)) +
        ",\n          \"reason\": \"before_request_column\"\n        },\n        {\n          " + line(7) +
        ",\n          \"text\": \"\",\n          \"reason\": \"over_length\"\n        }\n      ]\n    }\n  ]\n}\n";
    EXPECT_EQ(result.out, expected);

    const auto plain = run({QStringLiteral("explain"), path, QStringLiteral("--find"), QStringLiteral("/f.zip"),
                            QStringLiteral("--panel"), QStringLiteral("0"), QStringLiteral("--leave-out-robots")});
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

    const auto one = run({QStringLiteral("explain"), path, QStringLiteral("--find"), QStringLiteral("/f.zip"),
                          QStringLiteral("--download"), QStringLiteral("2")});
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_NE(one.out.find("Download 2: /f.zip, 100 of 100 bytes, complete\n  " + file + ":3  " + text(3) + "\n"),
              std::string::npos)
        << one.out;
    EXPECT_EQ(one.out.find("Download 1:"), std::string::npos);
    EXPECT_EQ(one.out.find("Not a hit"), std::string::npos);
}

TEST_F(ExplainCommand, AgreesWithSearchOnTheRealLog)
{
    loadRobots_ = [] { return LoadRobotMatcher(QStringLiteral(TALLYWICK_BUILD_TREE)); };
    const QStringList log{QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz")};
    const QStringList finds{"--find", "GET /images/logstash_OSCON.pdf", "--find", ".exe"};
    expectSameCounts(log, finds);
    expectSameCounts(log, finds + QStringList{"--with-duplicates", "--leave-out-failed"});
    expectSameCounts(log, QStringList{"--find", "GET /", "--find", "2015", "--leave-out-robots",
                                      "--leave-out-download-tools", "--split-time", "60"});

    // "GET /images/logstash_OSCON.pdf": 47 lines, 12 downloads.
    const auto explain = run(QStringList{"explain"} + log +
                             QStringList{"--find", "GET /images/logstash_OSCON.pdf", "--panel", "0", "--json"});
    const auto panel = QJsonDocument::fromJson(QByteArray::fromStdString(explain.out))["panels"][0].toObject();
    int lines = 0;
    for (const auto& download : panel["downloads"].toArray())
        lines += static_cast<int>(download.toObject()["lines"].toArray().size());
    EXPECT_EQ(panel["downloads"].toArray().size(), 12);
    EXPECT_EQ(lines, 47);
}

TEST_F(ExplainCommand, RefusesAPanelOrDownloadThatIsNone)
{
    const QString report = write(QStringLiteral("r.log"), "");
    const auto panel = run({QStringLiteral("explain"), report, QStringLiteral("--panel"), QStringLiteral("2")});
    EXPECT_EQ(panel.code, 2);
    EXPECT_NE(panel.err.find("--panel is 0 or 1, not \"2\""), std::string::npos) << panel.err;
    const auto download = run({QStringLiteral("explain"), report, QStringLiteral("--download"), QStringLiteral("0")});
    EXPECT_EQ(download.code, 2);
    EXPECT_EQ(run({QStringLiteral("explain")}).code, 2);
    const auto missing = run({QStringLiteral("explain"), dir_.filePath(QStringLiteral("none.log"))});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, dir_.filePath(QStringLiteral("none.log")).toStdString() + ": File Not Found\n");
}

} // namespace
} // namespace tallywick
