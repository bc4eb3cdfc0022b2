#include "app/history/historysteps.h"

#include "app/settings/settingsstore.h"
#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include "support/upkeeptext.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

class HistoryStepsTest : public ::testing::Test {
protected:
    QString historyPath() const { return dir_.filePath("history.dat"); }
    UpkeepStatus statusBar()
    {
        return [this](const UpkeepNotice& notice) { shown_.push_back(UpkeepNoticeText(notice)); };
    }

    QTemporaryDir dir_;
    SettingsStore settings_{dir_.filePath("Tallywick.ini")};
    HistoryStore store_{historyPath(), settings_};
    HistorySession session_;
    std::vector<std::string> shown_;
};

TEST_F(HistoryStepsTest, LoadSortsWhenTheLastSaveFoundTheFileOutOfOrder)
{
    WriteBytes(historyPath(), RecordOn("06/Dec/2026") + "\r\n" + RecordOn("04/Dec/2026") + "\r\n");
    EXPECT_FALSE(LoadHistoryStep(session_, store_, kToday, 12).sorted);
    EXPECT_EQ(session_.History, (Records{RecordOn("06/Dec/2026"), RecordOn("04/Dec/2026")}));
    settings_.write(keys::NeedSort, true);
    EXPECT_TRUE(LoadHistoryStep(session_, store_, kToday, 12).sorted);
    EXPECT_EQ(session_.History, (Records{RecordOn("04/Dec/2026"), RecordOn("06/Dec/2026")}));
}

TEST_F(HistoryStepsTest, AMergeApartLeavesTheSessionWholeAndKeepsWhatCameMeanwhile)
{
    session_.History = {RecordOn("04/Dec/2026")};
    EXPECT_FALSE(BeginMerge(session_, kToday, 12)) << "nothing to merge";
    CollectedHits found;
    found.append(RecordOn("01/Dec/2026"));
    found.append(RecordOn("01/Dec/2026"));
    EXPECT_TRUE(AddFoundDownloads(session_, found));
    EXPECT_FALSE(AddFoundDownloads(session_, found)) << "held already";

    const auto work = BeginMerge(session_, kToday, 12);
    ASSERT_TRUE(work);
    auto merged = RunMerge(session_.History, *work);
    EXPECT_EQ(session_.History, Records{RecordOn("04/Dec/2026")}) << "untouched until applied";
    // A search collects another download while the merge runs: it waits for the next one.
    session_.collected.append(RecordOn("05/Dec/2026"));
    const auto result = ApplyMerge(session_, std::move(merged));
    EXPECT_TRUE(result.sorted);
    EXPECT_EQ(session_.History, (Records{RecordOn("01/Dec/2026"), RecordOn("04/Dec/2026")}));
    EXPECT_TRUE(session_.HistoryChanged);
    ApplyMerge(session_, RunMerge(session_.History, *BeginMerge(session_, kToday, 12)));
    EXPECT_EQ(session_.History.back(), RecordOn("05/Dec/2026"));
    EXPECT_FALSE(session_.HistoryChanged);
}

TEST_F(HistoryStepsTest, ClosingMergesTrimsAndSavesInThatOrder)
{
    const auto partial = [](const char* time) { return Record({.time = time, .status = 206}); };
    session_.History = {RecordOn("04/Dec/2026"), partial("10:00:00")};
    session_.collected.append(partial("18:00:00"));
    session_.collected.append(RecordOn("01/Dec/2026"));
    EXPECT_FALSE(RunClosingHistorySteps(session_, store_, kToday, 12).merge) << "nothing merges unless changed";
    EXPECT_EQ(session_.History.size(), 2u);

    session_.HistoryChanged = true;
    const auto closing = RunClosingHistorySteps(session_, store_, kToday, 12, statusBar());
    ASSERT_TRUE(closing.merge);
    EXPECT_EQ(closing.merge->appended.size(), 2u);
    EXPECT_FALSE(session_.HistoryChanged);
    EXPECT_EQ(closing.removedPartials, 1);
    EXPECT_EQ(closing.save.written, 3u);
    EXPECT_EQ(shown_, (std::vector<std::string>{"Please wait while sorting history.", "History sorted: 4 records kept.",
                                                "Please wait while trimming history.",
                                                "Removed 1 duplicate items from history."}));
    EXPECT_EQ(store_.LoadHistory().lines,
              (Records{RecordOn("01/Dec/2026"), RecordOn("04/Dec/2026"), partial("10:00:00")}));
}

} // namespace
} // namespace tallywick
