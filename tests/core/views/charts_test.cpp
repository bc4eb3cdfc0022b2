#include "core/views/dateformat.h"
#include "core/views/filechart.h"
#include "core/views/monthlychart.h"
#include "core/views/weekdaychart.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace viewrecords;
using namespace std::chrono;

const std::vector<std::string> kTracked = {std::string(kZip), std::string(kExe)};
constexpr sys_days kToday{2004y / December / 5};

TEST(MonthlyChart, TimeLimitMonthsEndingWithTheCurrentOne)
{
    const std::vector<std::string> history = {Record("31/Dec/2003"),
                                              Record("01/Jan/2004"),
                                              Record("29/Feb/2004", kExe),
                                              Record("xx/Dec/2004"),
                                              Record("02/Dec/2004", "/index.html", "10:00:00", std::string(kZip)),
                                              Record("31/Dec/2004", kZip, "23:59:59")};
    const auto chart = MonthlyChart(history, kTracked, 0, 12, kToday);
    ASSERT_EQ(chart.categories.size(), 12u);
    EXPECT_EQ(chart.categories.front(), (ChartCategory{"Jan 04", 1}));
    EXPECT_EQ(chart.categories.back(), (ChartCategory{"Dec 04", 1}));
    EXPECT_EQ(chart.total, 2);

    const auto oneMonth =
        MonthlyChart({Record("31/Mar/2003"), Record("31/Mar/2004", "/index.html")}, {}, 0, 1, Day(2004, 3, 31));
    EXPECT_EQ(oneMonth.categories, (std::vector<ChartCategory>{{"Mar 04", 1}})); // no items: every record counts
}

TEST(CountWeekdays, MatchesADayByDayCount)
{
    for (int length = 0; length < 30; ++length) {
        for (int start = 0; start < 7; ++start) {
            const DayRange range{Day(2004, 11, 1) + days{start}, Day(2004, 11, 1) + days{start + length - 1}};
            WeekdayCounts expected{};
            for (auto day = range.first; day <= range.last; day += days{1})
                ++expected[weekday{day}.c_encoding()];
            EXPECT_EQ(CountWeekdays(range), expected) << "start " << start << " length " << length;
        }
    }
}

TEST(WeekdayChart, TotalsAndAveragesOverTheWholeHistoryPeriod)
{
    // Monday, November 1 to Sunday, November 14, 2004: every weekday twice.
    const std::vector<std::string> history = {Record("01/Nov/2004", "/index.html"),
                                              Record("01/Nov/2004"),
                                              Record("08/Nov/2004"),
                                              Record("08/Nov/2004"),
                                              Record("xx/Nov/2004"),
                                              Record("10/Nov/2004", "/index.html", "10:00:00", std::string(kZip)),
                                              Record("14/Nov/2004", kExe)};
    const auto total = WeekdayChart(history, kTracked, 0, WeekdayMeasure::Total, kToday);
    ASSERT_TRUE(total);
    EXPECT_EQ(total->categories[1], (ChartCategory{"Mon", 3}));
    EXPECT_EQ(total->weekdays.hits, 3);
    const auto average = WeekdayChart(history, kTracked, 0, WeekdayMeasure::Average, kToday);
    EXPECT_EQ(average->weekdays.values, (std::array<double, 7>{0, 1.5, 0, 0, 0, 0, 0}));

    // Monday to Wednesday: the other weekdays do not occur and average 0.
    const auto shortPeriod =
        WeekdayChart({Record("01/Nov/2004"), Record("02/Nov/2004"), Record("02/Nov/2004"), Record("03/Nov/2004", kExe)},
                     kTracked, 0, WeekdayMeasure::Average, kToday);
    EXPECT_EQ(shortPeriod->weekdays.occurrences, (WeekdayCounts{0, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(shortPeriod->weekdays.values, (std::array<double, 7>{0, 1, 2, 0, 0, 0, 0}));

    EXPECT_FALSE(WeekdayChart({}, kTracked, 0, WeekdayMeasure::Total, kToday));
    EXPECT_FALSE(WeekdayChart(history, {}, 0, WeekdayMeasure::Total, kToday));
}

TEST(FileChart, PeriodsAndCountsPerItem)
{
    const auto rangeText = [](TimeSpan span, sys_days day) {
        const auto range = SetTimeSpanRange(span, day);
        return FormatDate(range.first) + "-" + FormatDate(range.last);
    };
    EXPECT_EQ(rangeText(TimeSpan::Week, Day(2004, 12, 1)), "11/28/2004-12/04/2004");
    EXPECT_EQ(rangeText(TimeSpan::Week, Day(2004, 11, 28)), "11/28/2004-12/04/2004");
    EXPECT_EQ(rangeText(TimeSpan::Month, Day(2004, 2, 10)), "02/01/2004-02/29/2004");
    EXPECT_EQ(rangeText(TimeSpan::Year, Day(2004, 7, 4)), "01/01/2004-12/31/2004");

    const std::vector<std::string> tracked = {std::string(kZip), "pelmor", std::string(kExe)};
    const std::vector<std::string> history = {Record("27/Nov/2004"),
                                              Record("28/Nov/2004", kZip, "00:00:00"),
                                              Record("01/Dec/2004", kExe),
                                              Record("xx/Dec/2004"),
                                              Record("02/Dec/2004", "/index.html", "10:00:00", "pelmor.example.com"),
                                              Record("04/Dec/2004", kZip, "23:59:59")};
    const auto week = FileChart(history, tracked, TimeSpan::Week, Day(2004, 12, 1), kToday);
    EXPECT_EQ(week.categories,
              (std::vector<ChartCategory>{{"/shareware/pelmor.zip", 2}, {"pelmor", 3}, {"/shareware/pelmor.exe", 1}}));
    EXPECT_EQ(week.total, 6); // a record holding two items counts for both
    EXPECT_EQ(FileChart(history, tracked, TimeSpan::Day, Day(2004, 11, 27), kToday).total, 2);
    EXPECT_TRUE(FileChart(history, {}, TimeSpan::Year, kToday, kToday).categories.empty());
}

} // namespace
} // namespace tallywick
