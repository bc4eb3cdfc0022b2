#include "app/history/historysteps.h"

#include "app/settings/settingsstore.h"
#include "app/store/archivefolder.h"
#include "app/store/coveragefile.h"
#include "core/history/alltimerecords.h"
#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

// With TimeLimit 12 on 5 December 2026, records of December 2025 and before are past the limit.
class KeepingStepsTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QString historyPath() const { return path("history.dat"); }
    ArchiveFolder archive() const { return ArchiveFolder(path("archive")); }

    // A run as the command line's record makes one: load, collect, close.
    ClosingHistoryOutcome Run(const Records& collected, std::chrono::sys_days today,
                              const SaveFileOpener& open = OpenSaveFile)
    {
        HistoryStore store(historyPath(), settings_, open);
        session_ = HistorySession{};
        LoadHistoryStep(session_, store, today, 12);
        for (const auto& line : collected)
            session_.HistoryChanged |= session_.collected.append(line);
        return RunClosingHistorySteps(session_, store, today, 12);
    }

    // What the all-time counts see on disk, as a later run loads it.
    std::int64_t StoredAllTime()
    {
        HistoryStore store(historyPath(), settings_);
        HistorySession session;
        LoadHistoryStep(session, store, kToday, 12);
        return AllTimeCount(AllTimeRecords(archive().readAll().records, session.History, session.removedForAge),
                            std::nullopt);
    }

    Records Stored() { return HistoryStore(historyPath(), settings_).LoadHistory().lines; }

    QTemporaryDir dir_;
    SettingsStore settings_{path("Tallywick.ini")};
    HistorySession session_;
};

TEST_F(KeepingStepsTest, TheSortOfAMergeArchivesWhatItDrops)
{
    // Newer records are in the history already, so the old ones break its order.
    WriteBytes(historyPath(), RecordOn("01/Jan/2026") + "\r\n" + RecordOn("04/Dec/2026") + "\r\n");
    HistoryStore store(historyPath(), settings_);
    LoadHistoryStep(session_, store, kToday, 12);
    session_.collected.append(RecordOn("17/May/2015"));
    session_.collected.append(RecordOn("02/Feb/2026"));
    session_.HistoryChanged = true;
    ASSERT_TRUE(MergeIfChanged(session_, kToday, 12)->sorted);
    EXPECT_EQ(session_.removedForAge, Records{RecordOn("17/May/2015")});

    const auto closing = RunClosingHistorySteps(session_, store, kToday, 12);
    EXPECT_EQ(closing.archive.added, 1u);
    EXPECT_TRUE(session_.removedForAge.empty());
    EXPECT_EQ(FileBytes(path("archive/2015-05.dat")), RecordOn("17/May/2015") + "\r\n");
    EXPECT_EQ(StoredAllTime(), 4);
}

TEST_F(KeepingStepsTest, RecordingTheSameOldReportAgainAddsNothing)
{
    const Records report = {RecordOn("17/May/2015", "01:00:00"), RecordOn("18/May/2015"), RecordOn("20/May/2015")};
    EXPECT_EQ(Run(report, kToday).archive.added, 3u);
    EXPECT_EQ(StoredAllTime(), 3);
    const auto month = FileBytes(path("archive/2015-05.dat"));

    EXPECT_EQ(Run(report, kToday).archive.added, 0u);
    EXPECT_EQ(FileBytes(path("archive/2015-05.dat")), month);
    EXPECT_EQ(StoredAllTime(), 3);
}

TEST_F(KeepingStepsTest, ASaveCutShortAfterTheArchiveCountsEachRecordOnceAndTheNextSaveEndsIt)
{
    WriteBytes(historyPath(), RecordOn("03/Mar/2025") + "\r\n" + RecordOn("04/Dec/2026") + "\r\n");
    const auto before = FileBytes(historyPath());

    // The disk fills up once the archive is written: "history.dat" stays as it was.
    const auto cut = Run({RecordOn("05/Dec/2026")}, kToday, FailAfter(0));
    EXPECT_EQ(cut.save.status, HistorySaveOutcome::Status::Failed);
    EXPECT_FALSE(cut.problems().isEmpty());
    EXPECT_EQ(FileBytes(historyPath()), before);
    EXPECT_EQ(FileBytes(path("archive/2025-03.dat")), RecordOn("03/Mar/2025") + "\r\n");
    EXPECT_EQ(StoredAllTime(), 2);

    const auto next = Run({RecordOn("05/Dec/2026")}, kToday);
    EXPECT_TRUE(next.problems().isEmpty());
    EXPECT_EQ(next.archive.added, 0u);
    EXPECT_EQ(Stored(), (Records{RecordOn("04/Dec/2026"), RecordOn("05/Dec/2026")}));
    EXPECT_EQ(StoredAllTime(), 3);
}

// Whether the past records are still in the history (the save's cut) or already out of it (the
// sort at load's), those of a month that cannot be written stay in "history.dat" once each; those of a
// month that was written leave it, to the archive by month. (Where the time limit cuts, and that an
// undatable record stays, are core's: PlanHistorySave, RecordsPastTimeLimit.)
TEST_F(KeepingStepsTest, RecordsTheArchiveCannotTakeStayInTheHistoryOnce)
{
    for (const bool sortAtLoad : {false, true}) {
        SCOPED_TRACE(sortAtLoad ? "sorted at load" : "cut by the save");
        QFile::remove(historyPath());
        ASSERT_TRUE(QDir(path("archive")).removeRecursively());
        const Records old = {RecordOn("03/Mar/2025", "01:00:00"), RecordOn("03/Mar/2025", "02:00:00"),
                             RecordOn("04/Apr/2025")};
        const std::string recent = RecordOn("04/Dec/2026") + "\r\n";
        const std::string past = old[0] + "\r\n" + old[1] + "\r\n" + old[2] + "\r\n";
        WriteBytes(historyPath(), sortAtLoad ? recent + past : past + recent);
        settings_.write(keys::NeedSort, sortAtLoad);
        ASSERT_TRUE(QDir().mkpath(path("archive/2025-03.dat"))); // a month that cannot be read

        const auto closing = Run({}, kToday);
        EXPECT_EQ(closing.save.status, HistorySaveOutcome::Status::Saved);
        EXPECT_EQ(closing.archive.notArchived, (Records{old[0], old[1]}));
        EXPECT_EQ(closing.problems().size(), 1);
        EXPECT_EQ(Stored(), (Records{old[0], old[1], RecordOn("04/Dec/2026")}));
        EXPECT_EQ(FileBytes(path("archive/2025-04.dat")), old[2] + "\r\n");
        EXPECT_EQ(StoredAllTime(), 4);

        ASSERT_TRUE(QDir(path("archive/2025-03.dat")).removeRecursively());
        EXPECT_EQ(Run({}, kToday).archive.added, 2u);
        EXPECT_EQ(Stored(), Records{RecordOn("04/Dec/2026")});
        EXPECT_EQ(StoredAllTime(), 4);
    }
}

// With "NeedSort" set and every record past the time limit, the sort at load moves them all to
// the archive: "history.dat" must not keep them.
TEST_F(KeepingStepsTest, AHistoryTheUpkeepEmptiedIsSavedEmpty)
{
    WriteBytes(historyPath(), RecordOn("04/Apr/2025") + "\r\n" + RecordOn("03/Mar/2025") + "\r\n");
    settings_.write(keys::NeedSort, true);
    const auto closing = Run({}, kToday);
    EXPECT_EQ(closing.save.status, HistorySaveOutcome::Status::Saved);
    EXPECT_EQ(closing.archive.added, 2u);
    EXPECT_EQ(FileBytes(historyPath()), "");
    EXPECT_FALSE(settings_.read(keys::NeedSort));
    EXPECT_EQ(StoredAllTime(), 2);
}

TEST_F(KeepingStepsTest, CoveredDaysAreKeptFromTheFirstSaveThatHasThem)
{
    // A history that held records when the first covered days were recorded: earlier days unknown.
    WriteBytes(historyPath(), RecordOn("01/Dec/2026") + "\r\n");
    HistoryStore store(historyPath(), settings_);
    LoadHistoryStep(session_, store, kToday, 12);
    EXPECT_FALSE(RunClosingHistorySteps(session_, store, kToday, 12).coverageError);
    EXPECT_FALSE(QFileInfo::exists(path("coverage.dat"))) << "no report, no file";

    session_.coveredDays = {Day(2026, 12, 4), Day(2026, 12, 3)};
    EXPECT_FALSE(RunClosingHistorySteps(session_, store, kToday, 12).coverageError);
    EXPECT_EQ(FileBytes(path("coverage.dat")), "2026-12-05\r\n2026-12-03\r\n2026-12-04\r\n");

    // The next run adds its days and keeps the start.
    LoadHistoryStep(session_, store, Day(2026, 12, 7), 12);
    session_.coveredDays = {Day(2026, 12, 6), Day(2026, 12, 4)};
    RunClosingHistorySteps(session_, store, Day(2026, 12, 7), 12);
    EXPECT_EQ(FileBytes(path("coverage.dat")), "2026-12-05\r\n2026-12-03\r\n2026-12-04\r\n2026-12-06\r\n");
}

// A coverage file that cannot be read is left alone; once readable, a new data folder knows every
// day of its window.
TEST_F(KeepingStepsTest, ANewDataFolderKnowsEveryDayOfItsWindowUnlessItsCoverageCannotBeRead)
{
    ASSERT_TRUE(QDir().mkpath(path("coverage.dat")));
    HistoryStore store(historyPath(), settings_);
    LoadHistoryStep(session_, store, kToday, 12);
    session_.coveredDays = {Day(2026, 12, 4)};
    const auto closing = RunClosingHistorySteps(session_, store, kToday, 12);
    ASSERT_TRUE(closing.coverageError);
    EXPECT_EQ(closing.problems().size(), 1);
    EXPECT_TRUE(QFileInfo(path("coverage.dat")).isDir());

    ASSERT_TRUE(QDir(path("coverage.dat")).removeRecursively());
    session_.coveredDays = {Day(2026, 12, 4)};
    EXPECT_FALSE(RunClosingHistorySteps(session_, store, kToday, 12).coverageError);
    EXPECT_EQ(FileBytes(path("coverage.dat")), "2026-01-01\r\n2026-12-04\r\n");
}

} // namespace
} // namespace tallywick
