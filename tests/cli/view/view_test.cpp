#include "cli/clitest.h"
#include "core/history/historyrecords.h"

#include <QDir>
#include <QFileInfo>

namespace tallywick::testing {
namespace {

const std::string kZip = "/quarnel/shareware/pelmor.zip";
const std::string kExe = "/quarnel/shareware/pelmor.exe";

class ViewTest : public CliTest {
protected:
    void SetUp() override
    {
        QDir().mkpath(dataDir());
        history({Record({.host = "203.0.113.45", .date = "29/Nov/2004", .path = kZip}),
                 Record({.host = "203.0.113.46", .date = "01/Dec/2004", .path = kExe}),
                 Record({.host = "203.0.113.47", .date = "01/Dec/2004", .path = kZip}),
                 Record({.host = "203.0.113.48", .date = "04/Dec/2004", .path = kZip})});
        WriteBytes(dataFile("tracking.dat"), kZip + "\r\n" + kExe + "\r\n");
    }
    void history(const std::vector<std::string>& records) const
    {
        WriteBytes(dataFile("history.dat"), CrLfLines(records));
    }
    CliRun view(const QStringList& arguments) const
    {
        return run(QStringList{"view"} + arguments + QStringList{"--today", "2004-12-05"});
    }
};

TEST_F(ViewTest, HistoryShowsTheRecordsOfAnItemWithTheHistorysDates)
{
    const auto all = view({"history", "--json"});
    ASSERT_EQ(all.code, 0) << all.err;
    EXPECT_NE(all.out.find("\"hits\": 4"), std::string::npos);
    EXPECT_NE(all.out.find("\"from\": \"11/29/2004\",\n  \"to\": \"12/04/2004\""), std::string::npos) << all.out;

    const auto exe = view({"history", "--item", QString::fromStdString(kExe)});
    EXPECT_EQ(exe.out, "Search String: " + kExe + "\nFrom: 11/29/2004\nTo: 12/04/2004\n1 Hits\n\n" +
                           Record({.host = "203.0.113.46", .date = "01/Dec/2004", .path = kExe}) + "\r\n\r\n");
}

TEST_F(ViewTest, DailyDefaultsToYesterdayAndTheFirstTrackedItem)
{
    const auto yesterday = view({"daily"});
    EXPECT_EQ(yesterday.out, "Date: 12/04/2004\nSearch String: " + kZip + "\n1 Hits\n\n" +
                                 Record({.host = "203.0.113.48", .date = "04/Dec/2004", .path = kZip}) + "\r\n\r\n");
    const auto first = view({"daily", "--date", "2004-12-01", "--json"});
    EXPECT_NE(first.out.find("\"hits\": 1"), std::string::npos) << "only the first tracked item's record";
    const auto tooEarly = view({"daily", "--date", "2003-11-30"});
    EXPECT_EQ(tooEarly.code, 2) << "the date picker reaches back TimeLimit months only";
}

TEST_F(ViewTest, ChartsGiveTheirCategoriesTotalsAndLabels)
{
    const auto monthly = view({"monthly", "--time-limit", "2", "--json"});
    EXPECT_EQ(monthly.out, "{\n  \"hits\": 3,\n  \"from\": \"11/29/2004\",\n  \"to\": \"12/04/2004\",\n"
                           "  \"today\": \"Today is Sunday, December 05, 2004\",\n"
                           "  \"categories\": [\n    {\n      \"label\": \"Nov 04\",\n      \"value\": 1\n    },\n"
                           "    {\n      \"label\": \"Dec 04\",\n      \"value\": 2\n    }\n  ],\n  \"total\": 3\n}\n");

    const auto week = view({"by-file", "--span", "week", "--date", "2004-12-01", "--json"});
    EXPECT_NE(week.out.find("\"from\": \"11/28/2004\",\n  \"to\": \"12/04/2004\""), std::string::npos) << week.out;
    EXPECT_NE(week.out.find("\"label\": \"/shareware/pelmor.zip\",\n      \"value\": 3"), std::string::npos);
    EXPECT_NE(week.out.find("\"total\": 4"), std::string::npos);

    const auto text = view({"by-file", "--span", "month"});
    EXPECT_NE(text.out.find("/shareware/pelmor.zip  ████████████████████████████████████████ 2\n"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("/shareware/pelmor.exe  ████████████████████ 1\n"), std::string::npos);
}

TEST_F(ViewTest, ViewsThatComputeNothingSaySo)
{
    WriteBytes(dataFile("tracking.dat"), "");
    for (const char* name : {"daily", "zero-days", "weekday"}) {
        const auto run = view({QString::fromLatin1(name), "--json"});
        EXPECT_EQ(run.out, "{\n  \"computed\": false\n}\n") << name;
        EXPECT_EQ(view({QString::fromLatin1(name)}).out, "Nothing to show: no item is tracked.\n");
    }
    // The month chart still counts every record; the file chart has no category.
    EXPECT_NE(view({"monthly", "--json"}).out.find("\"total\": 4"), std::string::npos);
    EXPECT_NE(view({"by-file", "--json"}).out.find("\"categories\": [],\n  \"total\": 0"), std::string::npos);
    QFile::remove(dataFile("history.dat"));
    const auto empty = view({"history", "--json"});
    EXPECT_EQ(empty.out, "{\n  \"text\": \"\",\n  \"hits\": 0,\n  \"from\": null,\n  \"to\": null\n}\n");
}

TEST_F(ViewTest, WritesNothingEvenWhenTheHistoryNeedsSorting)
{
    history({Record({.host = "203.0.113.48", .date = "04/Dec/2004", .path = kZip}),
             Record({.host = "203.0.113.45", .date = "29/Nov/2004", .path = kZip})});
    setting("NeedSort", "True");
    const auto before = FileBytes(dataFile("history.dat"));
    const auto modified = QFileInfo(configPath()).lastModified();
    const auto sorted = view({"history"});
    EXPECT_LT(sorted.out.find("29/Nov/2004"), sorted.out.find("04/Dec/2004")) << "shown sorted";
    EXPECT_EQ(FileBytes(dataFile("history.dat")), before);
    EXPECT_EQ(QFileInfo(configPath()).lastModified(), modified);
    EXPECT_EQ(storedSetting("NeedSort"), "True");
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files).size(), 2) << "no file added";
}

TEST_F(ViewTest, RefusesOptionsTheViewWouldIgnore)
{
    for (const QStringList& arguments :
         {QStringList{"zero-days", "--item", "x"}, QStringList{"history", "--span", "week"},
          QStringList{"monthly", "--total"}, QStringList{"by-file", "--span", "fortnight"},
          QStringList{"monthly", "--time-limit", "0"}, QStringList{"calendar"}, QStringList{}}) {
        const auto run = view(arguments);
        EXPECT_EQ(run.code, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
} // namespace tallywick::testing
