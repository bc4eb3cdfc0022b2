#include "core/history/historyarchive.h"

#include "core/history/historymerge.h"
#include "core/history/historyorder.h"
#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using namespace std::chrono;
using Records = std::vector<std::string>;

// With TimeLimit 12 on 5 December 2026, December 2025 is the first month past the limit.
TEST(RecordsPastTimeLimit, TakesDatedRecordsFromTheLimitBackAndNeverUndatableOnes)
{
    const Records history = {RecordOn("30/Nov/2025"), "", kUndatable, RecordOn("01/Dec/2025"), RecordOn("01/Jan/2026"),
                             RecordOn("06/Dec/2026")};
    EXPECT_EQ(RecordsPastTimeLimit(history, kToday, 12), (Records{RecordOn("30/Nov/2025"), RecordOn("01/Dec/2025")}));
    EXPECT_EQ(RecordsPastTimeLimit(history, kToday, 1).size(), 3u);
}

TEST(RecordsPastTimeLimit, AreWhatEveryUpkeepRemovalDrops)
{
    const Records history = {RecordOn("04/Dec/2026"), RecordOn("03/Mar/2025"), RecordOn("01/Dec/2025"), kUndatable,
                             RecordOn("01/Jan/2026")};
    const auto expected = RecordsPastTimeLimit(history, kToday, 12);

    // The sort at load.
    Records sorted = history;
    Records removed;
    EXPECT_EQ(SortHistory(sorted, kToday, 12, {}, &removed), 3u);
    EXPECT_EQ(removed, expected);

    // A merge that finds disorder, with newer records already in the history.
    Records merged = {RecordOn("01/Jan/2026"), RecordOn("04/Dec/2026")};
    CollectedHits collected;
    collected.append(RecordOn("03/Mar/2025"));
    collected.append(RecordOn("02/Feb/2026"));
    const auto merge = MergeCollectedHits(merged, collected, kToday, 12);
    EXPECT_TRUE(merge.sorted);
    EXPECT_EQ(merge.removedForAge, Records{RecordOn("03/Mar/2025")});
    EXPECT_EQ(merged, (Records{RecordOn("01/Jan/2026"), RecordOn("02/Feb/2026"), RecordOn("04/Dec/2026")}));

    // A future record the sort drops is not removed for age.
    Records future = {RecordOn("09/Dec/2026"), RecordOn("01/Dec/2026")};
    Records none;
    SortHistory(future, kToday, 12, {}, &none);
    EXPECT_TRUE(none.empty());
}

TEST(RecordsByMonth, GroupsDatedRecordsInTheirOrder)
{
    const auto months =
        RecordsByMonth({RecordOn("20/May/2015", "1"), RecordOn("01/Jun/2015"), kUndatable, RecordOn("17/May/2015")});
    ASSERT_EQ(months.size(), 2u);
    EXPECT_EQ(months.at(2015y / May), (Records{RecordOn("20/May/2015", "1"), RecordOn("17/May/2015")}));
    EXPECT_EQ(months.at(2015y / June), Records{RecordOn("01/Jun/2015")});
}

TEST(MergeIntoArchiveMonth, AddsEachRecordOnceAndNothingTheSecondTime)
{
    Records month = {RecordOn("17/May/2015")};
    const Records added = {RecordOn("18/May/2015"), RecordOn("17/May/2015"), RecordOn("18/May/2015"), ""};
    EXPECT_EQ(MergeIntoArchiveMonth(month, added), 1u);
    EXPECT_EQ(month, (Records{RecordOn("17/May/2015"), RecordOn("18/May/2015")}));
    EXPECT_EQ(MergeIntoArchiveMonth(month, added), 0u);
    EXPECT_EQ(month.size(), 2u);
}

TEST(MergeIntoArchiveMonth, TrimsDuplicatePartialDownloadsAsTheHistoryIs)
{
    const auto partial = [](const char* date, const char* time) {
        return Record({.date = date, .time = time, .status = 206});
    };
    Records month = {partial("17/May/2015", "10:00:00")};
    EXPECT_EQ(MergeIntoArchiveMonth(month, {partial("17/May/2015", "10:05:00"), partial("18/May/2015", "10:00:00"),
                                            partial("18/May/2015", "11:00:00")}),
              1u);
    EXPECT_EQ(month, (Records{partial("17/May/2015", "10:00:00"), partial("18/May/2015", "10:00:00")}));
}

TEST(ArchiveFileName, NamesTheMonthAndReadsBackOnlySuchNames)
{
    EXPECT_EQ(ArchiveFileName(2015y / May), "2015-05.dat");
    EXPECT_EQ(ArchiveFileName(987y / December), "0987-12.dat");
    EXPECT_EQ(ArchiveMonthOf("2015-05.dat"), 2015y / May);
    for (const auto* name : {"2015-13.dat", "2015-00.dat", "2015-5.dat", "2015-05.txt", "15-05.dat", "20a5-05.dat",
                             "-015-05.dat", "2015-05.dat~", ""})
        EXPECT_EQ(ArchiveMonthOf(name), std::nullopt) << name;
}

} // namespace
} // namespace tallywick
