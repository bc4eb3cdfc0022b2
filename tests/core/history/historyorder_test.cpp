#include "core/history/historyorder.h"

#include "core/history/historydate.h"
#include "core/history/historyrecords.h"

#include "support/upkeeptext.h"

#include <gtest/gtest.h>

#include <random>

namespace tallywick {
namespace {

using namespace std::chrono;
using namespace testing;
using Records = std::vector<std::string>;

TEST(IsHistoryOutOfOrder, PassesOverUndatableAndEmptyRecords)
{
    EXPECT_FALSE(IsHistoryOutOfOrder({RecordOn("04/Dec/2026", "15:00:00"), RecordOn("04/Dec/2026", "09:00:00"), "",
                                      kUndatable, RecordOn("06/Dec/2026")}));
    EXPECT_TRUE(IsHistoryOutOfOrder({RecordOn("06/Dec/2026"), kUndatable, RecordOn("04/Dec/2026")}));
    EXPECT_TRUE(IsHistoryOutOfOrder({kUndatable, RecordOn("06/Dec/2026"), "", RecordOn("05/Dec/2026")}));
}

TEST(SortHistory, OrdersByDayWithinTheWindow)
{
    std::vector<std::string> shown;
    Records history = {RecordOn("04/Dec/2026", "15:00:00"),
                       RecordOn("04/Dec/2026", "09:00:00"),
                       RecordOn("01/Dec/2025"),
                       RecordOn("01/Jan/2026"),
                       RecordOn("07/Dec/2026"),
                       RecordOn("06/Dec/2026"),
                       kUndatable,
                       ""};
    EXPECT_EQ(SortHistory(history, kToday, 12,
                          [&](const UpkeepNotice& notice) { shown.push_back(UpkeepNoticeText(notice)); }),
              3u);
    // Times of day are not compared; days after today stay, a server clock may run ahead.
    EXPECT_EQ(history,
              (Records{RecordOn("01/Jan/2026"), RecordOn("04/Dec/2026", "15:00:00"),
                       RecordOn("04/Dec/2026", "09:00:00"), RecordOn("06/Dec/2026"), RecordOn("07/Dec/2026")}));
    // The notice gives way to the outcome: the sort is not still running.
    EXPECT_EQ(shown, (std::vector<std::string>{"Please wait while sorting history.",
                                               "History sorted: 5 records kept, 3 removed (2 dated after today)."}));
}

// A computer whose clock was set back (a dead clock battery, a restored virtual machine) sorts
// with a today long before the recorded downloads: none of them may go.
TEST(SortHistory, KeepsEveryRecordDatedAfterAClockSetBack)
{
    Records history = {RecordOn("10/Nov/2026"), RecordOn("04/Dec/2026"), RecordOn("01/Dec/2026")};
    std::vector<std::string> removedForAge;
    EXPECT_EQ(SortHistory(history, Day(2001, 1, 1), 12, {}, &removedForAge), 0u);
    EXPECT_EQ(history, (Records{RecordOn("10/Nov/2026"), RecordOn("01/Dec/2026"), RecordOn("04/Dec/2026")}));
    EXPECT_TRUE(removedForAge.empty());
}

// The sort as the rules state it: a walk over the whole history for every day of the window.
Records SortDayByDay(const Records& history, sys_days today, int TimeLimit)
{
    const year_month_day now{today};
    Records sorted;
    for (sys_days day{(year_month{now.year(), now.month()} - months{TimeLimit}) / 1}; day <= today + days{10};
         day += days{1}) {
        for (const auto& record : history) {
            if (!record.empty() && RecordDay(record) == day && MonthsBefore(day, today) < TimeLimit)
                sorted.push_back(record);
        }
    }
    return sorted;
}

TEST(SortHistory, AgreesWithTheDayByDayWalk)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::mt19937 random(20261205);
    for (int round = 0; round < 300; ++round) {
        const sys_days today = Day(2024, 1, 1) + days{static_cast<int>(random() % 1500)};
        const int TimeLimit = 1 + static_cast<int>(random() % 24);
        Records history;
        for (int i = static_cast<int>(random() % 120); i > 0; --i) {
            const auto kind = random() % 20;
            // From about 26 months back to a few days ahead, so that days repeat.
            const year_month_day date{today - days{static_cast<int>(random() % 800) - 5}};
            char text[16];
            std::snprintf(text, sizeof text, "%02u/%s/%04d", unsigned(date.day()), kMonths[unsigned(date.month()) - 1],
                          int(date.year()));
            history.push_back(kind == 0   ? ""
                              : kind == 1 ? kUndatable
                                          : RecordOn(text, "10:00:" + std::to_string(10 + i % 50)));
        }
        Records sorted = history;
        const auto dropped = SortHistory(sorted, today, TimeLimit);
        ASSERT_EQ(sorted, SortDayByDay(history, today, TimeLimit)) << "round " << round;
        ASSERT_EQ(dropped, history.size() - sorted.size());
    }
}

} // namespace
} // namespace tallywick
