#include "app/store/historystore.h"

#include "app/settings/settingsstore.h"
#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;
using Status = HistorySaveOutcome::Status;

class HistoryStoreTest : public ::testing::Test {
protected:
    QString historyPath() const { return dir_.filePath("history.dat"); }
    QString storedNeedSort() const { return settings_.read("NeedSort", "absent"); }

    QTemporaryDir dir_;
    SettingsStore settings_{dir_.filePath("Tallywick.ini")};
    HistoryStore store_{historyPath(), settings_};
};

TEST_F(HistoryStoreTest, SavesWithinTheTimeLimitAndStoresTheOrderFlag)
{
    const auto saved =
        store_.SaveHistory({RecordOn("01/Dec/2025"), "", RecordOn("06/Dec/2026"), RecordOn("04/Dec/2026")}, kToday, 12);
    EXPECT_EQ(saved.status, Status::Saved);
    EXPECT_EQ(saved.written, 2u);
    EXPECT_EQ(FileBytes(historyPath()), RecordOn("06/Dec/2026") + "\r\n" + RecordOn("04/Dec/2026") + "\r\n");
    EXPECT_EQ(storedNeedSort(), "True");
    EXPECT_TRUE(store_.NeedSort());
    store_.SaveHistory({RecordOn("04/Dec/2026"), RecordOn("06/Dec/2026")}, kToday, 12);
    EXPECT_EQ(storedNeedSort(), "False");
}

TEST_F(HistoryStoreTest, AHistorySavedByOneRunLoadsUnchangedInTheNext)
{
    const Records records = {RecordOn("01/Jan/2026"), kUndatable, RecordOn("06/Dec/2026"),
                             "bytes \xe9\xff\x01 kept as they are", RecordOn("05/Jan/2027")};
    ASSERT_EQ(store_.SaveHistory(records, kToday, 12).status, Status::Saved);
    const auto loaded = HistoryStore(historyPath(), settings_).LoadHistory();
    EXPECT_EQ(loaded.status, LinesRead::Status::Read);
    EXPECT_EQ(loaded.lines, records);

    WriteBytes(historyPath(), "\r\na\r\n\r\nb\nc\rd");
    EXPECT_EQ(store_.LoadHistory().lines, (Records{"a", "b", "c", "d"})) << "blank lines disappear";
}

// An empty history is written only where the file held records at load: the upkeep moved them
// all out, and a file left as it was would hold them for good.
TEST_F(HistoryStoreTest, AnEmptyHistoryIsWrittenOnlyOverRecordsItWasLoadedFrom)
{
    WriteBytes(historyPath(), "kept\r\n");
    settings_.write(keys::NeedSort, true);
    EXPECT_EQ(store_.SaveHistory({}, kToday, 12).status, Status::Untouched);
    EXPECT_EQ(FileBytes(historyPath()), "kept\r\n");
    EXPECT_EQ(storedNeedSort(), "True");

    ASSERT_EQ(store_.LoadHistory().lines, Records{"kept"});
    const auto emptied = store_.SaveHistory({}, kToday, 12);
    EXPECT_EQ(emptied.status, Status::Saved);
    EXPECT_EQ(emptied.written, 0u);
    EXPECT_EQ(FileBytes(historyPath()), "");
    EXPECT_EQ(storedNeedSort(), "False");

    EXPECT_EQ(store_.LoadHistory().status, LinesRead::Status::Read);
    EXPECT_EQ(store_.SaveHistory({}, kToday, 12).status, Status::Untouched);
}

TEST_F(HistoryStoreTest, AFileThatWasNotReadToItsEndIsNeverReplaced)
{
    const std::string stored = RecordOn("01/Dec/2026") + "\r\n" + RecordOn("02/Dec/2026") + "\r\n";
    WriteBytes(historyPath(), stored);
    settings_.write(keys::NeedSort, true);
    const std::string served = stored.substr(0, stored.size() - 30);
    HistoryStore history(historyPath(), settings_, OpenSaveFile,
                         [&](const QString&) { return std::make_unique<FailingReadDevice>(served); });
    const auto loaded = history.LoadHistory();
    EXPECT_EQ(loaded.status, LinesRead::Status::Failed);
    EXPECT_EQ(loaded.lines, Records{RecordOn("01/Dec/2026")}) << "the lines read before the failure";
    EXPECT_TRUE(history.saveRefusal().contains("Input/output error"));

    const auto saved = history.SaveHistory(loaded.lines, kToday, 12);
    EXPECT_EQ(saved.status, Status::Refused);
    EXPECT_EQ(saved.error, history.saveRefusal());
    EXPECT_EQ(FileBytes(historyPath()), stored);
    EXPECT_EQ(storedNeedSort(), "True");

    // One that cannot be opened at all: the same.
    QFile::remove(historyPath());
    ASSERT_TRUE(QDir().mkpath(historyPath()));
    EXPECT_EQ(store_.LoadHistory().status, LinesRead::Status::Failed);
    EXPECT_EQ(store_.SaveHistory({RecordOn("04/Dec/2026")}, kToday, 12).status, Status::Refused);
}

TEST_F(HistoryStoreTest, ASaveThatFailsHalfWayKeepsThePreviousFileAndFlag)
{
    WriteBytes(historyPath(), "previous\r\n");
    settings_.write(keys::NeedSort, true);
    HistoryStore history(historyPath(), settings_, FailAfter(1 << 20));
    const auto saved = history.SaveHistory(Records(30000, RecordOn("04/Dec/2026")), kToday, 12);
    EXPECT_EQ(saved.status, Status::Failed);
    EXPECT_TRUE(saved.error.contains("No space")) << saved.error.toStdString();
    EXPECT_EQ(FileBytes(historyPath()), "previous\r\n");
    EXPECT_EQ(storedNeedSort(), "True");
}

// The flag that asks for a sort is never lost: without it the history stays as it was.
TEST_F(HistoryStoreTest, ASettingsFileThatCannotBeWrittenFailsTheSave)
{
    WriteBytes(historyPath(), "previous\r\n");
    WriteBytes(dir_.filePath("file"), "");
    SettingsStore unwritable(dir_.filePath("file/Tallywick.ini"));
    HistoryStore history(historyPath(), unwritable);

    const auto outOfOrder = history.SaveHistory({RecordOn("04/Dec/2026"), RecordOn("01/Dec/2026")}, kToday, 12);
    EXPECT_EQ(outOfOrder.status, Status::Failed);
    EXPECT_TRUE(
        outOfOrder.error.contains("\"NeedSort\" could not be written to " + dir_.filePath("file/Tallywick.ini")))
        << outOfOrder.error.toStdString();
    EXPECT_EQ(FileBytes(historyPath()), "previous\r\n");

    const auto inOrder = history.SaveHistory({RecordOn("01/Dec/2026")}, kToday, 12);
    EXPECT_EQ(inOrder.status, Status::Saved);
    EXPECT_TRUE(inOrder.flagError.endsWith("history.dat was saved.")) << inOrder.flagError.toStdString();
    EXPECT_EQ(FileBytes(historyPath()), RecordOn("01/Dec/2026") + "\r\n");
}

} // namespace
} // namespace tallywick
