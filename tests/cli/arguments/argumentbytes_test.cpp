#include "cli/argumentbytes.h"
#include "cli/clitest.h"
#include "core/history/historyrecords.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace tallywick {
namespace {

using namespace testing;
using Bytes = std::vector<std::string>;
using cli::SplitArgumentBytes;

TEST(SplitArgumentBytes, FollowsTheOptionParsersRules)
{
    const auto takesValue = [](std::string_view name) { return name == "find" || name == "config"; };
    const auto split = SplitArgumentBytes(
        {"--find", "caf\xe9", "report.log", "--json", "--find=\xff=", "--config", "--json", "-", "--", "--find"},
        takesValue);
    EXPECT_EQ(split.values.at("find"), (Bytes{"caf\xe9", "\xff="}));
    EXPECT_EQ(split.values.at("config"), Bytes{"--json"}) << "a value may look like an option";
    EXPECT_EQ(split.positional, (Bytes{"report.log", "-", "--find"}));
    EXPECT_FALSE(split.values.contains("json"));
}

const std::string kLatin1 = "/caf\xe9.zip";
// What the Latin-1 name turned into when it went through text: U+FFFD in UTF-8.
const std::string kReplaced = "/caf\xef\xbf\xbd.zip";

class ArgumentBytesTest : public CliTest {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dataDir())); }
};

TEST_F(ArgumentBytesTest, SearchTextsAreTheBytesGiven)
{
    const QString report = dir_.filePath("Hits.txt");
    WriteBytes(report, Record({.host = "198.51.100.1", .path = kLatin1}) + "\r\n" +
                           Record({.host = "198.51.100.2", .path = kReplaced}) + "\r\n");
    const auto result = runBytes({"search", report.toStdString(), "--find", "GET " + kLatin1, "--find=" + kReplaced});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("All Found: 2 of 2\nFound: 1\n")) << result.out;
    EXPECT_NE(result.out.find("\nFound: 1\n", result.out.find("\nFound: 1\n") + 1), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\n198.51.100.1 - - "), std::string::npos) << result.out;
}

TEST_F(ArgumentBytesTest, TheViewsItemIsTheBytesGiven)
{
    WriteBytes(dataFile("tracking.dat"), kLatin1 + "\r\n" + kReplaced + "\r\n");
    WriteBytes(dataFile("history.dat"), Record({.date = "04/Dec/2026", .path = kLatin1}) + "\r\n");
    const auto result = runBytes({"view", "history", "--item", kLatin1, "--today", "2026-12-05"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("Search String: " + kLatin1 + "\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\n1 Hits\n"), std::string::npos) << result.out;
}

// A name that is not UTF-8, as a Latin-1 system leaves them.
TEST_F(ArgumentBytesTest, ReportsAreOpenedByTheBytesOfTheirNames)
{
    WriteBytes(dataFile("tracking.dat"), "/quarnel/shareware/pelmor.zip\r\n");
    const std::string report = QFile::encodeName(dir_.path()).toStdString() + "/acc\xe8s.log";
    {
        QFile file;
        const int descriptor = ::open(report.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(descriptor, 0);
        ASSERT_TRUE(file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        const std::string line = Record({.date = "04/Dec/2026"}) + "\r\n";
        file.write(line.data(), static_cast<qint64>(line.size()));
    }
    const auto searched = runBytes({"search", report});
    ASSERT_EQ(searched.code, 0) << searched.err;
    EXPECT_TRUE(searched.out.starts_with("All Found: 1 of 1\n")) << searched.out;

    const auto recorded = runBytes({"record", report, "--today", "2026-12-05", "--json"});
    ASSERT_EQ(recorded.code, 0) << recorded.err;
    EXPECT_NE(recorded.out.find("\"recorded\": 1,"), std::string::npos) << recorded.out;

    // A missing one is named as it was given.
    const std::string missing = QFile::encodeName(dir_.path()).toStdString() + "/gon\xe9.log";
    const auto notFound = runBytes({"search", missing});
    EXPECT_EQ(notFound.code, 2);
    EXPECT_EQ(notFound.err, missing + ": File Not Found\n");
}

// Its text would name another folder ("d" and U+FFFD): the run would read and write there.
TEST_F(ArgumentBytesTest, AFolderOrSettingsFileNotNamedInUtf8IsRefused)
{
    const QString report = dir_.filePath("Hits.txt");
    WriteBytes(report, Record({}) + "\r\n");
    const std::string folder = QFile::encodeName(dir_.path()).toStdString() + "/d\xff";
    const std::string config = QFile::encodeName(dir_.path()).toStdString() + "/c\xff.ini";
    const std::string goodConfig = configPath().toStdString();
    const std::string goodFolder = dataDir().toStdString();
    for (const Bytes& arguments :
         {Bytes{"record", report.toStdString(), "--data-dir", folder, "--config", goodConfig},
          Bytes{"record", report.toStdString(), "--data-dir=" + folder, "--config", goodConfig},
          Bytes{"track", "add", "x", "--data-dir", goodFolder, "--config", config},
          Bytes{"search", report.toStdString(), "--tracked", folder},
          Bytes{"view", "history", "--config", config, "--data-dir", goodFolder}}) {
        std::vector<std::string> line{"tallywick-cli"};
        line.insert(line.end(), arguments.begin(), arguments.end());
        const auto result = runCli(cli::Arguments::fromBytes(line), OpenReportFile);
        EXPECT_EQ(result.code, 2) << arguments[0];
        EXPECT_NE(result.err.find("is not valid UTF-8"), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
    // Nor may the variable that stands in for --data-dir.
    qputenv("TALLYWICK_DATA_DIR", QByteArray::fromStdString(folder));
    const auto fromEnvironment =
        runCli(cli::Arguments::fromBytes({"tallywick-cli", "view", "history", "--config", goodConfig}), OpenReportFile);
    qunsetenv("TALLYWICK_DATA_DIR");
    EXPECT_EQ(fromEnvironment.code, 2);
    EXPECT_NE(fromEnvironment.err.find("$TALLYWICK_DATA_DIR is not valid UTF-8"), std::string::npos)
        << fromEnvironment.err;
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"data", "Hits.txt"}))
        << "no folder or file was made in their place";
}

} // namespace
} // namespace tallywick
