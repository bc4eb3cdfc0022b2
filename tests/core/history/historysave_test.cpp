#include "core/history/historysave.h"

#include "core/history/historydate.h"
#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Positions = std::vector<std::size_t>;

TEST(PlanHistorySave, CutsAtTheTimeLimitInCalendarMonths)
{
    // Today 5 December 2026, limit 12: December 2025 is 12 months back, January 2026 is 11.
    const auto plan = PlanHistorySave({RecordOn("01/Dec/2025"), RecordOn("31/Dec/2025"), "", RecordOn("01/Jan/2026"),
                                       kUndatable, RecordOn("03/Jan/2027")},
                                      kToday, 12);
    EXPECT_EQ(plan.records, (Positions{3, 4, 5})) << "an undatable record is kept, a future one too";
    EXPECT_EQ(PlanHistorySave({kUndatable}, kToday, 1).records, Positions{0});
    EXPECT_EQ(PlanHistorySave({RecordOn("30/Nov/2026"), RecordOn("01/Dec/2026")}, kToday, 1).records, Positions{1});
}

TEST(PlanHistorySave, FlagsARecordDatedBeforeTheWrittenOneBeforeIt)
{
    EXPECT_TRUE(PlanHistorySave({RecordOn("06/Dec/2026"), RecordOn("04/Dec/2026")}, kToday, 12).NeedSort);
    EXPECT_FALSE(PlanHistorySave({RecordOn("04/Dec/2026"), RecordOn("06/Dec/2026")}, kToday, 12).NeedSort);
    EXPECT_FALSE(PlanHistorySave({RecordOn("04/Dec/2026", "15:00:00"), RecordOn("04/Dec/2026", "09:00:00")}, kToday, 12)
                     .NeedSort);
    // Neither a dropped record nor an undatable one takes part in the order.
    EXPECT_FALSE(
        PlanHistorySave({RecordOn("04/Dec/2026"), RecordOn("01/Nov/2024"), RecordOn("05/Dec/2026")}, kToday, 12)
            .NeedSort);
    EXPECT_FALSE(PlanHistorySave({kUndatable, RecordOn("04/Dec/2026")}, kToday, 12).NeedSort);
    EXPECT_TRUE(PlanHistorySave({RecordOn("06/Dec/2026"), kUndatable, RecordOn("04/Dec/2026")}, kToday, 12).NeedSort);
}

TEST(HistoryItemDate, ReadsTheDateAfterTheBracketFromCharacterTen)
{
    const std::vector<std::string> history = {
        Record({.host = "1.2.3.4"}),
        "a [05/Dec/2026:10:15:42 -0800] \"GET /quarnel/shareware/pelmor.zip HTTP/1.1\" 200 1",
        kUndatable,
    };
    EXPECT_EQ(HistoryItemDate(history, 1), DateValue::fromDay(kToday));
    EXPECT_EQ(HistoryItemDate(history, 2), DateValue{});
    EXPECT_EQ(HistoryItemDate(history, 3), DateValue{});
    EXPECT_EQ(HistoryItemDate(history, 0), DateValue{});
    EXPECT_EQ(HistoryItemDate(history, 4), DateValue{});
}

} // namespace
} // namespace tallywick
