#include "cli/clitest.h"
#include "cli/labels.h"
#include "support/failingdevice.h"
#include "support/reallog.h"

namespace tallywick {
namespace {

const std::string kZipLine =
    R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0")";
const std::string kExeLine =
    R"(198.51.100.77 - - [05/Dec/2004:11:00:00 -0800] "GET /quarnel/shareware/pelmor.exe HTTP/1.1" 206 100 "-" "Getter")";

using namespace testing;

class SearchCommand : public CliTest {};

TEST_F(SearchCommand, PrintsTheLabelsThenEachPanelsResult)
{
    const QString report = writeFile("report.txt", kZipLine + "\n" + kExeLine + "\n" + kZipLine + "\n");
    const auto result = run({"search", report});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "All Found: 2 of 3\nFound: 1\nComplete: 0, incomplete: 0, size unknown: 1\n"
                          "Unique a day: 1, an hour: 1\nFound: 1\nComplete: 1, incomplete: 0, size unknown: 0\n"
                          "Unique a day: 1, an hour: 1\n\n"
                          "198.51.100.77 - - [05/Dec/2004:11:00:00 -0800] \"GET /quarnel/shareware/pelmor.exe \r\n\n"
                          "203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] \"GET /quarnel/shareware/pelmor.zip \r\n");
    EXPECT_TRUE(result.err.empty());
}

TEST_F(SearchCommand, WritesJsonWithExactlyItsKeys)
{
    const QString report = writeFile("report.txt", kZipLine + "\n" + kZipLine + "\n");
    const QString tracked = writeFile("tracking.dat", "/quarnel/shareware/pelmor.zip\r\n");
    const auto result =
        run({"search", report, "--find", ".zip", "--with-duplicates", "--long0", "--tracked", tracked, "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string hit = QuotesEscaped(kZipLine);
    const std::string upToPath = hit.substr(0, hit.find("HTTP/1.1")) + R"(\r\n)";
    const std::string afterPath = hit.substr(hit.find("200 48213")) + R"(\r\n\r\n)";
    const std::string counts = R"("found":2,"complete":2,"incomplete":0,"size_unknown":0,"unique_per_day":1,)"
                               R"("unique_per_hour":1,"result":")";
    EXPECT_EQ(CompactJson(result.out),
              R"({"lines":2,"overlong_lines":0,"all":4,"left_out":{"robots":0,"failed":0,"download_tools":0,)"
              R"("agents_read":true},"panels":[{"text":".zip",)" +
                  counts + afterPath + afterPath + R"("},{"text":"GET /quarnel/shareware/pelmor.zip",)" + counts +
                  upToPath + upToPath + R"("}],"sizes":{"/quarnel/shareware/pelmor.zip":48213},"report_hits":[")" +
                  hit + R"(",")" + hit + R"("],"collected":[")" + hit + R"("]})");
}

TEST_F(SearchCommand, JsonCarriesTheReportsBytesLosslessly)
{
    // A Latin-1 byte, a valid UTF-8 character, a stray continuation byte and a control character.
    const std::string line = kZipLine + " caf\xE9 \xC3\xA9 \x80 \x01";
    const auto result = run({"search", writeFile("r.txt", line), "--json"});
    ASSERT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("caf\xC3\xA9 \xC3\xA9 \xC2\x80 \\u0001\""), std::string::npos) << result.out;
}

TEST_F(SearchCommand, AReportThatCannotBeOpenedIsFileNotFoundWithStatus2)
{
    for (const QString& path : {dir_.filePath("missing.txt"), dir_.path(), QString()}) {
        const auto result = run({"search", path});
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.err, path.toStdString() + ": File Not Found\n");
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(SearchCommand, ATrackedFileThatCannotBeReadIsAFailureNotAnEmptyList)
{
    // Opens, then fails to read at its start.
    const auto result = run({"search", writeFile("Hits.txt", ""), "--tracked", "/proc/self/mem", "--json"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "/proc/self/mem: Input/output error\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(SearchCommand, AFailureAfterOpeningIsReportedWithStatus1)
{
    const QString report = writeFile("report.txt", kZipLine);
    const auto result = run({"search", report, "--json"}, [](const ReportPath&) -> std::unique_ptr<QIODevice> {
        return std::make_unique<FailingDevice>(kZipLine + "\n");
    });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, report.toStdString() + ": Input/output error\n");
    EXPECT_TRUE(result.out.empty()) << "nothing else is written";

    const auto corrupt = run({"search", writeFile("bad.gz", "not gzip at all")});
    EXPECT_EQ(corrupt.code, 1);
    EXPECT_NE(corrupt.err.find("Corrupt compressed report"), std::string::npos);
}

// The shipped list on the real log: robots, and the download tools it tags, each by its option;
// and a report in the Common format, without agents, says so. (Where the agent is found is
// core's rule, LogFields; when the note is due, LeaveOutTest's.)
TEST_F(SearchCommand, RealLogsRobotsAndDownloadTools)
{
    loadRobots_ = [] { return LoadRobotMatcher(QStringLiteral(TALLYWICK_BUILD_TREE)); };
    const std::string common = kZipLine.substr(0, kZipLine.find(" \"-\"")) + "\n";
    const QStringList options{"--find", QString(), "--leave-out-robots", "--leave-out-download-tools"};
    const auto leftOut = [&](const std::string& report) {
        const auto result = run(QStringList{"search", writeFile("r.log", report)} + options);
        EXPECT_EQ(result.code, 0) << result.err;
        const auto from = result.out.find("Left out:");
        return from == std::string::npos ? result.out : result.out.substr(from, result.out.find("\n\n") - from);
    };
    EXPECT_EQ(leftOut(RealApacheLog()), "Left out: 1942 robots, 13 download tools, 0 failed");
    EXPECT_EQ(leftOut(common), "Left out: 0 robots, 0 download tools, 0 failed\n" + std::string(cli::kNoAgentsNote));
    const auto json = run(QStringList{"search", writeFile("r.log", common), "--json"} + options);
    EXPECT_NE(CompactJson(json.out).find(R"("download_tools":0,"agents_read":false})"), std::string::npos) << json.out;
}

TEST_F(SearchCommand, TakesFileSizesAndTheIPv6Option)
{
    std::string privacy = kZipLine;
    privacy.replace(0, 12, "2001:db8:0:1::7");
    std::string next = privacy;
    next.replace(0, 15, "2001:db8:0:1::8");
    const QString report = writeFile("report.txt", privacy + "\n" + next + "\n");
    const auto counted = [&](QStringList options) {
        const auto result = run(QStringList{"search", report, "--json"} + options);
        EXPECT_EQ(result.code, 0) << result.err;
        return CompactJson(result.out);
    };
    EXPECT_NE(counted({}).find(R"("found":2,"complete":2,"incomplete":0,"size_unknown":0,"unique_per_day":2,)"),
              std::string::npos);
    const auto options =
        counted({"--ipv6-network-64", "--size", "/quarnel/shareware/pelmor.zip=100000", "--size", "/other.zip=1"});
    EXPECT_NE(options.find(R"("found":1,"complete":0,"incomplete":1,"size_unknown":0,"unique_per_day":1,)"),
              std::string::npos)
        << options;
    EXPECT_NE(options.find(R"("sizes":{"/quarnel/shareware/pelmor.zip":100000},)"), std::string::npos) << options;

    // What an entry is, is core's rule (FileSizeEntry).
    const auto bad = run({"search", report, "--size", "/f.zip=big"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("--size wants PATH=BYTES"), std::string::npos) << bad.err;
}

// Robots and download tools reach the engine in RealLogsRobotsAndDownloadTools.
TEST_F(SearchCommand, LeavesOutFailedRequestsOnlyWhenAsked)
{
    std::string unmodified = kExeLine;
    unmodified.replace(unmodified.find("206"), 3, "304");
    const QString report = writeFile("report.txt", unmodified + "\n" + kZipLine + "\n");
    const auto plain = run({"search", report}).out;
    EXPECT_TRUE(plain.starts_with("All Found: 2 of 2\n")) << plain;
    EXPECT_EQ(plain.find("Left out"), std::string::npos) << plain;
    const auto json = run({"search", report, "--leave-out-failed", "--json"});
    EXPECT_NE(CompactJson(json.out).find(R"("all":1,"left_out":{"robots":0,"failed":1,)"), std::string::npos)
        << json.out;
}

TEST_F(SearchCommand, WithoutItsListRobotsAreAnErrorNotPeople)
{
    loadRobots_ = [] { return LoadedRobots{nullptr, "The robot list was not found."}; };
    const QString report = writeFile("report.txt", kZipLine);
    const auto result = run({"search", report, "--leave-out-robots"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "tallywick-cli search: --leave-out-robots needs the robot list: The robot list was not "
                          "found. Nothing was searched or written.\n");
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(run({"search", report, "--leave-out-failed"}).code, 0) << "the list is read only for robots";
}

TEST_F(SearchCommand, ARobotListWithoutSomePatternsIsUsedWithAWarning)
{
    loadRobots_ = [] { return LoadedRobots{RobotMatcher::FromPatterns({"^Agent/"}), {}, "The list lacks 1 pattern."}; };
    const QString report = writeFile("report.txt", kZipLine);
    const auto result = run({"search", report, "--leave-out-robots"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "tallywick-cli search: warning: The list lacks 1 pattern.\n");
    EXPECT_NE(result.out.find("Left out: 1 robots, 0 failed"), std::string::npos) << result.out;
}

TEST_F(SearchCommand, SeveralReportsAreOneOldestFirstWhateverTheOrderGiven)
{
    // A split download that crosses from the older log into the newer one is one download.
    std::string later = kZipLine;
    later.replace(later.find("10:15:42"), 8, "10:20:00");
    const QString newer = writeFile("access.log", later + "\n" + kExeLine + "\n");
    const QString older = writeFile("access.log.1", kZipLine + "\n");
    const auto result = run({"search", newer, older, "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("\"lines\": 3,\n  \"overlong_lines\": 0,\n  \"all\": 2,"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\"report_hits\": [\n    \"203.0.113.45"), std::string::npos) << "the older line first";

    const auto missing = run({"search", older, dir_.filePath("access.log.2")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, dir_.filePath("access.log.2").toStdString() + ": File Not Found\n");
}

// A report named twice, however spelt, is ReportOrderTest's rule.
TEST_F(SearchCommand, RejectsBadArguments)
{
    const QString report = writeFile("report.txt", kZipLine);
    for (const QStringList& arguments : {QStringList{"search"}, QStringList{"search", report, report},
                                         QStringList{"search", report, "--split-time", "soon"},
                                         QStringList{"search", report, "--find", "a", "--find", "b", "--find", "c"},
                                         QStringList{"search", report, "--no-duplicates", "--with-duplicates"},
                                         QStringList{"search", report, "--bogus"}, QStringList{"frobnicate"}}) {
        const auto result = run(arguments);
        EXPECT_EQ(result.code, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_EQ(run({"search", "--help"}).code, 0);
}

// Time frames up to 100 years are taken; longer ones are refused. (That long and negative frames
// are compared without overflow is core's rule, SplitDownload.)
TEST_F(SearchCommand, SplitTimeReachesAHundredYearsAndNoFurther)
{
    const std::string later =
        R"(203.0.113.45 - - [05/Dec/2054:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0")";
    const QString report = writeFile("report.txt", kZipLine + "\n" + later + "\n" + kZipLine + "\n");
    const auto found = [&](const char* minutes) {
        return run({"search", report, "--split-time", QString::fromLatin1(minutes)});
    };
    EXPECT_TRUE(found("30").out.starts_with("All Found: 2 of 3\n"));
    EXPECT_TRUE(found("52594920").out.starts_with("All Found: 1 of 3\n")) << "50 years apart, within 100";
    for (const char* minutes : {"52594921", "9200000000000000000", "-9223372036854775808", "99999999999999999999"}) {
        const auto result = found(minutes);
        EXPECT_EQ(result.code, 2) << minutes;
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find("100 years"), std::string::npos) << result.err;
    }
}

} // namespace
} // namespace tallywick
