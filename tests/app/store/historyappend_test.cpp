// Records added at the end of "history.dat" without rewriting it, and what a run killed while
// it adds them leaves behind.

#include "app/settings/settingsstore.h"
#include "app/store/historyindexfile.h"
#include "app/store/historystore.h"
#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

Records DayOfRecords(const char* date, int count)
{
    Records records;
    for (int i = 0; i < count; ++i)
        records.push_back(Record({.date = date, .agent = "Agent/" + std::to_string(i)}));
    return records;
}

std::vector<std::string_view> Views(const Records& records)
{
    return {records.begin(), records.end()};
}

class HistoryAppendTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    HistoryStore Store() { return HistoryStore(path("history.dat"), settings_); }
    // The history as a save leaves it, with its index.
    void Saved(const Records& history)
    {
        ASSERT_EQ(Store().SaveHistory(history, kToday, 12, HistoryStore::Index::Write).status,
                  HistorySaveOutcome::Status::Saved);
        ASSERT_TRUE(QFile::exists(path("history.idx")));
    }
    Records Loaded() { return Store().LoadHistory().lines; }

    QTemporaryDir dir_;
    SettingsStore settings_{path("Tallywick.ini")};
};

TEST_F(HistoryAppendTest, AddsAtTheEndAndTheIndexFollows)
{
    const auto old = DayOfRecords("03/Dec/2026", 3);
    Saved(old);
    auto store = Store();
    auto tail = store.LoadTail();
    ASSERT_TRUE(tail);
    EXPECT_EQ(tail->lastDayRecords, old);
    const auto added = DayOfRecords("04/Dec/2026", 2);
    const auto saved = store.AppendHistory(*tail, Views(added));
    EXPECT_EQ(saved.status, HistorySaveOutcome::Status::Saved);
    EXPECT_EQ(saved.written, 5u);

    Records all = old;
    all.insert(all.end(), added.begin(), added.end());
    EXPECT_EQ(Loaded(), all);
    const auto next = Store().LoadTail();
    ASSERT_TRUE(next) << "the index describes the file as it is now";
    EXPECT_EQ(next->lastDayRecords, added);
    EXPECT_EQ(next->index.records(), 5u);

    // A file changed by anyone else is read whole, and nothing is added to it without reading it.
    WriteBytes(path("history.dat"), FileBytes(path("history.dat")) + all[0] + "\r\n");
    EXPECT_FALSE(Store().LoadTail());
    EXPECT_EQ(Loaded().size(), 6u);
}

// An addition cut short (the run was killed, the disk filled up) leaves the file as it was before
// it to the next load; the next save leaves its part out.
TEST_F(HistoryAppendTest, AnAdditionCutShortIsNotReadAndTheNextSaveCutsIt)
{
    const auto old = DayOfRecords("03/Dec/2026", 3);
    Saved(old);
    const auto before = FileBytes(path("history.dat"));
    auto index = *ReadHistoryIndex(path("history.idx"));
    auto store = Store();
    const auto tail = store.LoadTail();
    ASSERT_TRUE(tail);
    ASSERT_EQ(store.AppendHistory(*tail, Views(DayOfRecords("04/Dec/2026", 2))).status,
              HistorySaveOutcome::Status::Saved);
    const auto after = FileBytes(path("history.dat"));

    // As a run killed between its announcement and the end of its writing leaves it.
    index.pending = HistoryIndex::Pending{after.size() - before.size(), TailHash(after)};
    ASSERT_FALSE(WriteHistoryIndex(path("history.idx"), index));
    for (const std::size_t cut : {before.size(), before.size() + 10, after.size() - 3}) {
        WriteBytes(path("history.dat"), after.substr(0, cut));
        EXPECT_EQ(Loaded(), old) << cut;
        EXPECT_FALSE(Store().LoadTail());
    }
    auto next = Store();
    next.LoadHistory();
    ASSERT_EQ(next.SaveHistory(old, kToday, 12, HistoryStore::Index::Write).status, HistorySaveOutcome::Status::Saved);
    EXPECT_EQ(FileBytes(path("history.dat")), before);

    // Written whole, though its run ended before it said so: it is read.
    ASSERT_FALSE(WriteHistoryIndex(path("history.idx"), index));
    WriteBytes(path("history.dat"), after);
    EXPECT_EQ(Loaded().size(), 5u);
}

// The real thing: a run adding records is killed at some moment; the file loads as the history
// before the addition or after it, never as anything else.
TEST_F(HistoryAppendTest, AKilledAdditionLoadsAsTheOldOrTheNewHistory)
{
    const auto old = DayOfRecords("03/Dec/2026", 200);
    const auto added = DayOfRecords("04/Dec/2026", 100'000);
    Records all = old;
    all.insert(all.end(), added.begin(), added.end());
    int killedPartWay = 0;
    for (int round = 0; round < 12; ++round) {
        QFile::remove(path("history.dat"));
        QFile::remove(path("history.idx"));
        Saved(old);
        const pid_t child = ::fork();
        if (child == 0) {
            auto store = Store();
            const auto tail = store.LoadTail();
            const bool saved =
                tail && store.AppendHistory(*tail, Views(added)).status == HistorySaveOutcome::Status::Saved;
            ::_exit(saved ? 0 : 1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(round * 2500));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto loaded = Loaded();
        if (WIFSIGNALED(status))
            ++killedPartWay;
        ASSERT_TRUE(loaded == old || loaded == all) << "round " << round << ": " << loaded.size() << " records";
    }
    EXPECT_GT(killedPartWay, 0);
}

} // namespace
} // namespace tallywick
