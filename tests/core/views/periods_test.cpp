#include "core/views/dateformat.h"
#include "core/views/periodchoice.h"
#include "core/views/periodviews.h"
#include "core/views/weekdaychart.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace viewrecords;
using namespace std::chrono;

const std::vector<std::string> kTracked = {std::string(kZip), std::string(kExe)};
constexpr sys_days kToday{2004y / December / 5};

// Time limit 3 on December 5, 2004: the history starts with October. A period from September 30
// to October 2 crosses a month end and the time limit.
const std::vector<std::string> kRecords = {Record("29/Sep/2004"),
                                           Record("30/Sep/2004", kZip, "23:59:59"),
                                           Record("30/Sep/2004", kExe),
                                           Record("xx/Oct/2004"),
                                           Record("01/Oct/2004", kZip, "00:00:00"),
                                           "",
                                           Record("02/Oct/2004"),
                                           Record("03/Oct/2004"),
                                           Record("04/Dec/2004", kExe)};

TEST(Period, TakesTheRecordsOfItsDaysBothEndsIncluded)
{
    const Period period{Day(2004, 9, 30), Day(2004, 10, 2)};
    EXPECT_EQ(RecordsInPeriod(kRecords, period),
              (std::vector<std::string>{kRecords[1], kRecords[2], kRecords[4], kRecords[6]}));
    // Open ends; no period takes every non-empty record, undatable ones too.
    EXPECT_EQ(RecordsInPeriod(kRecords, Period{Day(2004, 10, 3), {}}).size(), 2u);
    EXPECT_EQ(RecordsInPeriod(kRecords, Period{{}, Day(2004, 9, 29)}).size(), 1u);
    EXPECT_EQ(RecordsInPeriod(kRecords, Period{}).size(), kRecords.size() - 1);
    EXPECT_TRUE(RecordsInPeriod(kRecords, Period{Day(2004, 10, 2), Day(2004, 10, 1)}).empty());

    EXPECT_EQ(ClosedPeriod({Day(2004, 9, 30), {}}, DayRange{Day(2004, 9, 1), Day(2004, 11, 1)}),
              (DayRange{Day(2004, 9, 30), Day(2004, 11, 1)}));
    EXPECT_EQ(ClosedPeriod({{}, Day(2004, 9, 30)}, std::nullopt), std::nullopt);
    EXPECT_EQ(ClosedPeriod({Day(2004, 9, 1), Day(2004, 9, 2)}, std::nullopt),
              (DayRange{Day(2004, 9, 1), Day(2004, 9, 2)}));
}

TEST(PeriodViews, CountOnlyThePeriodAndShowItAsFromTo)
{
    const Period period{Day(2004, 9, 30), Day(2004, 10, 2)};
    const auto text = HistoryTextInPeriod(kRecords, std::string(kZip), period);
    EXPECT_EQ(text.hits, 3); // Sep 30 23:59, Oct 1, Oct 2
    EXPECT_EQ(text.span, (DayRange{Day(2004, 9, 30), Day(2004, 10, 2)}));
    EXPECT_EQ(HistoryTextInPeriod(kRecords, std::nullopt, {}).hits, 8);

    // The months the period touches, though September lies before the time limit.
    const auto chart = MonthlyChartInPeriod(kRecords, kTracked, 0, period, 3, kToday);
    EXPECT_EQ(chart.categories, (std::vector<ChartCategory>{{"Sep 04", 1}, {"Oct 04", 2}}));
    EXPECT_EQ(chart.total, 3);
    // An open start is the first month of the time limit, an open end the current month.
    const auto fromOctober = MonthlyChartInPeriod(kRecords, kTracked, 1, {{}, Day(2004, 12, 31)}, 3, kToday);
    EXPECT_EQ(fromOctober.categories, (std::vector<ChartCategory>{{"Oct 04", 0}, {"Nov 04", 0}, {"Dec 04", 1}}));
    EXPECT_EQ(MonthlyChartInPeriod(kRecords, kTracked, 0, {Day(2004, 11, 1), {}}, 3, kToday).categories.size(), 2u);
    EXPECT_TRUE(MonthlyChartInPeriod(kRecords, kTracked, 0, {Day(2004, 11, 1), Day(2004, 10, 1)}, 3, kToday)
                    .categories.empty());
}

TEST(PeriodViews, WeekdayAveragesDivideByTheWeekdaysOfThePeriod)
{
    // Thursday, September 30 to Wednesday, October 13: Thursday to Sunday... twice each.
    const Period period{Day(2004, 9, 30), Day(2004, 10, 13)};
    const auto values = ComputeWeekdayValues(kRecords, kTracked, 0, WeekdayMeasure::Average, period);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->range, (DayRange{Day(2004, 9, 30), Day(2004, 10, 13)}));
    EXPECT_EQ(values->occurrences, (WeekdayCounts{2, 2, 2, 2, 2, 2, 2}));
    // Thu Sep 30: 1, Fri Oct 1: 1, Sat Oct 2: 1, Sun Oct 3: 1; Sep 29 and Dec 4 lie outside.
    EXPECT_EQ(values->values, (std::array<double, 7>{0.5, 0, 0, 0, 0.5, 0.5, 0.5}));
    EXPECT_EQ(values->hits, 4);
    // An open end is closed by the last record in the period.
    const auto open = ComputeWeekdayValues(kRecords, kTracked, 0, WeekdayMeasure::Total, {Day(2004, 10, 1), {}});
    EXPECT_EQ(open->range, (DayRange{Day(2004, 10, 1), Day(2004, 12, 4)}));
    EXPECT_EQ(open->hits, 3);
    // A period without records still computes, with zeros.
    const auto empty =
        ComputeWeekdayValues(kRecords, kTracked, 0, WeekdayMeasure::Average, {Day(2004, 11, 1), Day(2004, 11, 7)});
    EXPECT_EQ(empty->hits, 0);
    EXPECT_EQ(empty->occurrences, (WeekdayCounts{1, 1, 1, 1, 1, 1, 1}));
}

TEST(PeriodChoice, DaysOfEachChoiceOnAGivenDay)
{
    const auto days = [](PeriodKind kind, sys_days today) { return PeriodDays({kind, {}}, today); };
    EXPECT_EQ(days(PeriodKind::All, kToday), std::nullopt);
    EXPECT_EQ(days(PeriodKind::ThisMonth, kToday), (DayRange{Day(2004, 12, 1), kToday}));
    EXPECT_EQ(days(PeriodKind::LastMonth, Day(2004, 3, 31)), (DayRange{Day(2004, 2, 1), Day(2004, 2, 29)}));
    EXPECT_EQ(days(PeriodKind::LastMonth, Day(2005, 1, 10)), (DayRange{Day(2004, 12, 1), Day(2004, 12, 31)}));
    EXPECT_EQ(days(PeriodKind::Last7Days, Day(2004, 12, 3)), (DayRange{Day(2004, 11, 27), Day(2004, 12, 3)}));
    EXPECT_EQ(days(PeriodKind::Last30Days, kToday), (DayRange{Day(2004, 11, 6), kToday}));
    EXPECT_EQ(days(PeriodKind::ThisYear, kToday), (DayRange{Day(2004, 1, 1), kToday}));
    const PeriodChoice custom{PeriodKind::Custom, {Day(2004, 2, 28), Day(2004, 3, 1)}};
    EXPECT_EQ(PeriodDays(custom, kToday), custom.custom);
}

TEST(PeriodChoice, StoredTextsRoundTripAndGarbageReadsAsAll)
{
    for (const auto* text : {"All", "ThisMonth", "LastMonth", "Last7", "Last30", "ThisYear", "2004-02-28..2004-03-01"})
        EXPECT_EQ(PeriodChoiceText(ReadPeriodChoice(text)), text);
    EXPECT_EQ(ReadPeriodChoice("2004-02-28..2004-03-01"),
              (PeriodChoice{PeriodKind::Custom, {Day(2004, 2, 28), Day(2004, 3, 1)}}));
    for (const auto* garbage : {"", "all", "Last 7", "2004-03-01..2004-02-28", "2004-02-30..2004-03-01",
                                "2004-2-28..2004-03-01", "2004-02-28..", "..", "+004-02-28..2004-03-01"})
        EXPECT_EQ(ReadPeriodChoice(garbage), PeriodChoice{}) << garbage;
}

TEST(IsoDay, ReadsOnlyRealDaysInTheFixedForm)
{
    EXPECT_EQ(ReadIsoDay("2004-02-29"), Day(2004, 2, 29));
    EXPECT_EQ(IsoDay(Day(987, 1, 5)), "0987-01-05");
    for (const auto* bad : {"2003-02-29", "2004-13-01", "2004-00-10", "2004/02/01", "20040-2-01", " 2004-02-01"})
        EXPECT_EQ(ReadIsoDay(bad), std::nullopt) << bad;
}

} // namespace
} // namespace tallywick
