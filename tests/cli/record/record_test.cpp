#include "app/files/datafolderlock.h"
#include "cli/clitest.h"
#include "core/history/historyrecords.h"
#include "support/unreadablefile.h"

#include <QFileInfo>

namespace tallywick {
namespace {

using namespace testing;

const std::string kZip = "/quarnel/shareware/pelmor.zip";
const std::string kExe = "/quarnel/shareware/pelmor.exe";

bool Holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class RecordTest : public CliTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(dataDir()));
        WriteBytes(dataFile("tracking.dat"), CrLfLines({kZip, kExe, "/never/downloaded.zip"}));
        WriteBytes(report(), CrLfLines({
                                 Record({.host = "198.51.100.1", .time = "10:00:00"}),
                                 Record({.host = "198.51.100.2", .time = "11:00:00", .path = kExe}),
                                 // The same client 10 minutes later: a split download.
                                 Record({.host = "198.51.100.1", .time = "10:10:00", .status = 206}),
                                 Record({.host = "198.51.100.3", .path = "/index.html"}),
                                 Record({.host = "198.51.100.4", .date = "04/Dec/2026"}),
                             }));
    }

    QString report() const { return dir_.filePath("Hits.txt"); }
    CliRun record(QStringList extra = {}, ReportOpener open = OpenReportFile) const
    {
        return run(QStringList{"record", report(), "--today", "2026-12-05"} + extra, std::move(open));
    }
};

TEST_F(RecordTest, RecordsTheNewTrackedDownloadsOnce)
{
    const auto result = record({"--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(CompactJson(result.out),
              R"({"lines":5,"recorded":3,"expired":0,"future":0,"per_item":{"/quarnel/shareware/pelmor.zip":2,)"
              R"("/quarnel/shareware/pelmor.exe":1,"/never/downloaded.zip":0},"removed_partials":0,"history_size":3,)"
              R"("overlong_lines":0,"left_out":{"robots":0,"failed":0,"download_tools":0,"agents_read":true},)"
              R"("panels":[{"find":"GET /quarnel/shareware/pelmor.exe","found":1,"complete":1,"incomplete":0,)"
              R"("size_unknown":0,"unique_per_day":1,"unique_per_hour":1},{"find":"GET /quarnel/shareware/pelmor.zip",)"
              R"("found":2,"complete":2,"incomplete":0,"size_unknown":0,"unique_per_day":2,"unique_per_hour":2}]})");
    // Report order within a day; the merge sorted the day-earlier download to the front.
    const std::string history = CrLfLines({Record({.host = "198.51.100.4", .date = "04/Dec/2026"}),
                                           Record({.host = "198.51.100.1", .time = "10:00:00"}),
                                           Record({.host = "198.51.100.2", .time = "11:00:00", .path = kExe})});
    EXPECT_EQ(FileBytes(dataFile("history.dat")), history);
    EXPECT_EQ(storedSetting("NeedSort"), "False");

    const auto again = record();
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.out, "Lines read: 5\nRecorded: 0\n  0  /quarnel/shareware/pelmor.zip\n"
                         "  0  /quarnel/shareware/pelmor.exe\n  0  /never/downloaded.zip\n"
                         "Removed 0 duplicate items from history.\nHistory: 3 records\n");
    EXPECT_EQ(FileBytes(dataFile("history.dat")), history);
}

TEST_F(RecordTest, ALineCountsForItsFirstTrackedItemAndDuplicatePartialsGo)
{
    WriteBytes(dataFile("tracking.dat"), CrLfLines({"/quarnel/", kZip, kZip}));
    WriteBytes(report(), CrLfLines({Record({.host = "198.51.100.9", .time = "08:00:00", .status = 206}),
                                    Record({.host = "198.51.100.9", .time = "12:00:00", .status = 206})}));
    const auto result = record({"--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(Holds(CompactJson(result.out),
                      R"("recorded":1,"expired":0,"future":0,"per_item":{"/quarnel/":1,)"
                      R"("/quarnel/shareware/pelmor.zip":0},"removed_partials":1,"history_size":1,)"))
        << result.out;
}

TEST_F(RecordTest, TakesItsSearchFromTheSettingsAndItsOptionsForThisRunOnly)
{
    setting("Combo10_0", "GET /index.html");
    setting("Combo11_0", "GET /quarnel/shareware/pelmor.zip");
    setting("Split_Time", "5");
    WriteBytes(dataFile("tracking.dat"), CrLfLines({"/index.html", kZip, kExe}));
    WriteBytes(dataFile("history.dat"),
               CrLfLines({RecordOn("03/Dec/2026"), RecordOn("30/Nov/2026"), RecordOn("01/Dec/2026")}));
    setting("NeedSort", "True");
    const auto result = record({"--json", "--time-limit", "1"});
    ASSERT_EQ(result.code, 0) << result.err;
    // No exe is searched for; the repeat 10 minutes later is a download of its own; the history
    // was sorted at load, and November is past a limit of one month.
    EXPECT_TRUE(
        Holds(CompactJson(result.out),
              R"("recorded":4,"expired":0,"future":0,"per_item":{"/index.html":1,"/quarnel/shareware/pelmor.zip":3,)"))
        << result.out;
    EXPECT_TRUE(Holds(result.out, "\"history_size\": 6")) << result.out;
    EXPECT_EQ(FileBytes(dataFile("history.dat")).substr(0, 2 * RecordOn("01/Dec/2026").size() + 4),
              CrLfLines({RecordOn("01/Dec/2026"), RecordOn("03/Dec/2026")}));
    EXPECT_EQ(storedSetting("TimeLimit"), "<absent>");

    QFile::remove(dataFile("history.dat"));
    const auto again = record({"--json", "--split-time", "30"});
    EXPECT_TRUE(Holds(again.out, "\"recorded\": 3")) << again.out;
    EXPECT_EQ(storedSetting("Split_Time"), "5");
}

TEST_F(RecordTest, LeavesOutWhatTheSettingsOrItsOptionsSay)
{
    loadRobots_ = [] { return LoadRobotMatcher(QStringLiteral(TALLYWICK_BUILD_TREE)); };
    // A robot's fetch, a 304 and a download tool's fetch do not start the download that the
    // person's line 5 minutes later is.
    WriteBytes(report(), CrLfLines({Record({.host = "198.51.100.1", .time = "10:00:00", .agent = "Googlebot/2.1"}),
                                    Record({.host = "198.51.100.1", .time = "10:01:00", .status = 304}),
                                    Record({.host = "198.51.100.1", .time = "10:02:00", .agent = "Wget/1.21"}),
                                    Record({.host = "198.51.100.1", .time = "10:05:00", .status = 206})}));
    setting("LeaveOutFailed", "true");
    setting("LeaveOutDownloadTools", "True");
    const auto result = record({"--leave-out-robots"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("Lines read: 4\nLeft out: 1 robots, 1 download tools, 1 failed\nRecorded: 1\n"))
        << result.out;
    EXPECT_EQ(FileBytes(dataFile("history.dat")),
              CrLfLines({Record({.host = "198.51.100.1", .time = "10:05:00", .status = 206})}));
}

// The counts beside "Found" take the settings IPv6Network64 and FileSizes; --size adds to them.
TEST_F(RecordTest, CountsDownloadsWithTheSizesAndTheIPv6OptionOfTheSettings)
{
    WriteBytes(report(), CrLfLines({Record({.host = "2001:db8:0:1::7", .time = "10:00:00", .status = 206}),
                                    Record({.host = "2001:db8:0:1::8", .time = "10:05:00", .status = 206}),
                                    Record({.host = "198.51.100.2", .time = "11:00:00", .path = kExe})}));
    setting("IPv6Network64", "True");
    setting("FileSizes", "/quarnel/shareware/pelmor.zip=100000|garbage");
    const auto result = record({"--json", "--size", "/quarnel/shareware/pelmor.exe=90000"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(Holds(CompactJson(result.out), R"("found":1,"complete":0,"incomplete":1,"size_unknown":0,)"
                                               R"("unique_per_day":1,"unique_per_hour":1},{"find":"GET /quarnel/)"
                                               R"(shareware/pelmor.zip","found":1,"complete":0,"incomplete":1,)"))
        << result.out;
    EXPECT_TRUE(Holds(result.out, "\"recorded\": 2,")) << result.out;
}

// Which downloads are too old to keep is core's rule (FateOfAddedRecords); here, that it is said.
TEST_F(RecordTest, DownloadsTooOldToKeepAreNotCountedAsRecorded)
{
    WriteBytes(report(), CrLfLines({Record({.host = "198.51.100.1", .date = "16/Mar/2015"}),
                                    Record({.host = "198.51.100.3", .date = "04/Dec/2026"})}));
    const auto mixed = record();
    ASSERT_EQ(mixed.code, 0) << mixed.err;
    EXPECT_TRUE(Holds(mixed.out, "Recorded: 1\n")) << mixed.out;
    EXPECT_TRUE(Holds(mixed.out, "Too old to keep: 1\n")) << mixed.out;
    EXPECT_TRUE(Holds(mixed.out, "History: 1 records\n")) << mixed.out;
}

// A computer whose clock was set back (a dead clock battery at boot, a restored virtual machine)
// records with a today before the downloads already recorded: none of them is lost.
TEST_F(RecordTest, AClockSetBackLosesNoDownload)
{
    ASSERT_EQ(record().code, 0);
    const auto back = run({"record", report(), "--today", "2026-11-20", "--json"});
    ASSERT_EQ(back.code, 0) << back.err;
    EXPECT_TRUE(Holds(CompactJson(back.out), R"("recorded":0,"expired":0,"future":3,)")) << back.out;
    EXPECT_EQ(FileBytes(dataFile("history.dat")),
              CrLfLines({Record({.host = "198.51.100.4", .date = "04/Dec/2026"}),
                         Record({.host = "198.51.100.1", .time = "10:00:00"}),
                         Record({.host = "198.51.100.2", .time = "11:00:00", .path = kExe})}));
    const auto text = run({"record", report(), "--today", "2026-11-20"});
    EXPECT_TRUE(Holds(text.out, "Dated after today: 3\n")) << text.out;
}

// The history is saved before the covered days: when only they fail, the output says what was
// recorded and stderr which part was saved.
TEST_F(RecordTest, ACoverageFileThatCannotBeWrittenIsSaidAfterTheSavedHistory)
{
    ASSERT_TRUE(QDir().mkpath(dataFile("coverage.dat")));
    const auto result = record();
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(Holds(result.out, "Recorded: 3\n")) << result.out;
    EXPECT_TRUE(Holds(result.err, "history.dat was saved with the downloads recorded above, but:\n"
                                  "The days the searched reports covered were not recorded"))
        << result.err;
    EXPECT_TRUE(Holds(FileBytes(dataFile("history.dat")), Record({.host = "198.51.100.4", .date = "04/Dec/2026"})));
}

class RecordWritesNothingTest : public RecordTest {
protected:
    void SetUp() override
    {
        RecordTest::SetUp();
        WriteBytes(dataFile("history.dat"), kHistory);
        setting("NeedSort", "True");
    }
    void TearDown() override
    {
        EXPECT_EQ(FileBytes(dataFile("history.dat")), kHistory);
        EXPECT_EQ(storedSetting("NeedSort"), "True");
        EXPECT_FALSE(QFile::exists(dataFile("tallywick.lock")));
    }
    const std::string kHistory = CrLfLines({RecordOn("03/Dec/2026"), RecordOn("01/Dec/2026")});
};

TEST_F(RecordWritesNothingTest, WhileAnotherProcessHoldsTheDataFolder)
{
    DataFolderLock desktop(dataDir());
    ASSERT_EQ(desktop.tryLock(), DataFolderLock::Status::Locked);
    const auto result = record();
    EXPECT_EQ(result.code, 3);
    EXPECT_TRUE(Holds(result.err, "in use") && Holds(result.err, "Nothing was written")) << result.err;
    desktop.unlock();
}

TEST_F(RecordWritesNothingTest, WhenTheReportIsNotFoundOrCannotBeRead)
{
    const QString missing = dir_.filePath("missing.log");
    const auto notFound = run({"record", missing});
    EXPECT_EQ(notFound.code, 2);
    EXPECT_EQ(notFound.err, missing.toStdString() + ": File Not Found\n");

    const auto failed =
        record({}, [](const ReportPath&) { return std::make_unique<FailingReadDevice>(Record({}) + "\r\n"); });
    EXPECT_EQ(failed.code, 1);
    EXPECT_TRUE(Holds(failed.err, "Input/output error")) << failed.err;
    EXPECT_TRUE(failed.out.empty());

    if (const QString unreadable = UnreadableFile(); !unreadable.isEmpty()) {
        const auto refused = run({"record", report(), unreadable});
        EXPECT_EQ(refused.code, 1);
        EXPECT_EQ(refused.err, unreadable.toStdString() + ": Permission denied\n");
    }
}

TEST_F(RecordWritesNothingTest, WhenTheRobotListTheSettingsAskForIsMissing)
{
    setting("LeaveOutRobots", "True");
    loadRobots_ = [] { return LoadedRobots{nullptr, "The robot list was not found."}; };
    const auto result = record();
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "tallywick-cli record: the setting LeaveOutRobots needs the robot list: The robot list was "
                          "not found. Nothing was searched or written.\n");
}

TEST_F(RecordWritesNothingTest, WhenTheArgumentsAreWrong)
{
    EXPECT_EQ(run({"record"}).code, 2);
    for (const char* bad : {"0", "25", "twelve"})
        EXPECT_EQ(record({"--time-limit", QString::fromUtf8(bad)}).code, 2) << bad;
    EXPECT_EQ(record({"--split-time", "soon"}).code, 2);
    EXPECT_EQ(record({"--today", "5 Dec"}).code, 2);
}

TEST_F(RecordWritesNothingTest, WhenTheSettingsFileCannotBeRead)
{
    useConfig(dir_.filePath("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(configPath()));
    const auto result = record();
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(Holds(result.err, configPath().toStdString() + " cannot be read")) << result.err;
    EXPECT_EQ(run({"track", "available"}).code, 1);
    EXPECT_EQ(run({"view", "history"}).code, 1);
    useConfig({});
}

// Without the flag the next load would take an unsorted history for a sorted one.
TEST_F(RecordTest, AHistoryOutOfOrderIsNotSavedWithoutItsFlag)
{
    const std::string outOfOrder = CrLfLines({RecordOn("03/Dec/2026"), RecordOn("01/Dec/2026")});
    WriteBytes(dataFile("history.dat"), outOfOrder);
    WriteBytes(dataFile("tracking.dat"), "");
    WriteBytes(dir_.filePath("file"), "");
    useConfig(dir_.filePath("file/Tallywick.ini"));
    const auto result = record();
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(Holds(result.err, "\"NeedSort\" could not be written to " + configPath().toStdString())) << result.err;
    EXPECT_EQ(FileBytes(dataFile("history.dat")), outOfOrder);
    // In order, it is saved and the flag's failure said: HistoryStoreTest.
}

TEST_F(RecordTest, ASettingWhoseBytesAreNotUtf8IsNamedOnce)
{
    WriteBytes(configPath(), "[Settings]\nCombo10_0=GET /caf\xe9\nCombo11_0=GET /quarnel/\n");
    const auto result = record();
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.err,
              "tallywick-cli record: warning: the setting \"Combo10_0\" in " + configPath().toStdString() +
                  " holds bytes that are not UTF-8; they are left out when it is read, and lost when the file is "
                  "next written.\n");
}

TEST_F(RecordTest, AHistoryThatCannotBeReadIsLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(dataFile("history.dat")));
    const auto result = record();
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(Holds(result.err, "history.dat could not be read")) << result.err;
    EXPECT_TRUE(QFileInfo(dataFile("history.dat")).isDir());
    EXPECT_EQ(storedSetting("NeedSort"), "<absent>");
}

} // namespace
} // namespace tallywick
