#include "cli/argumentbytes.h"
#include "cli/clitest.h"
#include "core/history/historyrecords.h"

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
    const QString report = dir_.filePath(QStringLiteral("Hits.txt"));
    WriteBytes(report, Record({.host = "198.51.100.1", .path = kLatin1}) + "\r\n" +
                           Record({.host = "198.51.100.2", .path = kReplaced}) + "\r\n");
    const auto result = runBytes({"search", report.toStdString(), "--find", "GET " + kLatin1, "--find=" + kReplaced});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("Found: 1\nFound: 1\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\n198.51.100.1 - - "), std::string::npos) << result.out;
}

TEST_F(ArgumentBytesTest, TrackedItemsAreStoredAndRemovedAsTheBytesGiven)
{
    const auto added = runBytes({"track", "add", kLatin1});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(FileBytes(dataFile("tracking.dat")), kLatin1 + "\r\n");
    EXPECT_EQ(added.out, "Now tracking \"" + kLatin1 + "\".\n");
    EXPECT_EQ(runBytes({"track", "add", kReplaced}).code, 0);
    EXPECT_EQ(FileBytes(dataFile("tracking.dat")), kLatin1 + "\r\n" + kReplaced + "\r\n");

    const auto removed = runBytes({"track", "remove", kLatin1});
    ASSERT_EQ(removed.code, 0) << removed.err;
    EXPECT_EQ(FileBytes(dataFile("tracking.dat")), kReplaced + "\r\n");
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

} // namespace
} // namespace tallywick
