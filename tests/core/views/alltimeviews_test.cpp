#include "core/views/alltimemonthlychart.h"
#include "core/views/zerodaymarks.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace viewrecords;
using namespace std::chrono;

const std::vector<std::string> kTracked = {std::string(kZip), std::string(kExe)};
constexpr sys_days kToday{2004y / December / 5};

std::vector<std::string_view> Views(const std::vector<std::string>& records)
{
    return {records.begin(), records.end()};
}

TEST(AllTimeMonthlyChart, ReachesBackToTheFirstRecordOfAnyItem)
{
    const std::vector<std::string> records = {Record("17/May/2002", kExe), Record("20/Jun/2002"), Record("xx/Dec/2004"),
                                              Record("01/Dec/2004"), Record("07/Dec/2004")};
    const auto chart = AllTimeMonthlyChart(Views(records), kTracked, 0, 12, kToday);
    ASSERT_EQ(chart.categories.size(), 32u); // May 02 to Dec 04
    EXPECT_EQ(chart.categories.front(), (ChartCategory{"May 02", 0}));
    EXPECT_EQ(chart.categories[1], (ChartCategory{"Jun 02", 1}));
    EXPECT_EQ(chart.categories.back(), (ChartCategory{"Dec 04", 2}));
    EXPECT_EQ(chart.total, 3);
    ASSERT_TRUE(chart.span);
    EXPECT_EQ(chart.span->first, Day(2002, 5, 17));
    EXPECT_EQ(chart.span->last, Day(2004, 12, 7));
}

TEST(AllTimeMonthlyChart, IsThePlainChartWhenNothingIsOlder)
{
    const std::vector<std::string> records = {Record("01/Mar/2004"), Record("01/Dec/2004", kExe)};
    const auto chart = AllTimeMonthlyChart(Views(records), kTracked, 0, 12, kToday);
    EXPECT_EQ(chart.categories, MonthlyChart(records, kTracked, 0, 12, kToday).categories);
    EXPECT_EQ(AllTimeMonthlyChart({}, kTracked, 0, 3, kToday).categories.size(), 3u);
}

TEST(AllTimeMonthlyChart, AStrayAncientDateDoesNotSizeTheChart)
{
    const std::vector<std::string> records = {Record("01/Jan/1900"), Record("01/Dec/2004")};
    const auto chart = AllTimeMonthlyChart(Views(records), kTracked, 0, 12, kToday);
    EXPECT_EQ(chart.categories.size(), static_cast<std::size_t>(kMaxAllTimeMonths));
    EXPECT_EQ(chart.total, 1);
}

TEST(ZeroDayMarks, TellCoveredNoLogAndUnknownDaysAndMarkTheExport)
{
    const ReportCoverage coverage{Day(2004, 11, 20), {Day(2004, 11, 10), Day(2004, 11, 25)}};
    const std::vector<sys_days> days = {Day(2004, 11, 10), Day(2004, 11, 11), Day(2004, 11, 25), Day(2004, 11, 26)};
    const auto marks = ZeroDayMarks(days, coverage);
    EXPECT_EQ(marks, (std::vector<std::optional<bool>>{true, std::nullopt, true, false}));
    EXPECT_EQ(MarkedZeroCountText(days, marks), "11/10/2004\r\n11/11/2004\r\n11/25/2004\r\n11/26/2004 (no log)\r\n");
    EXPECT_EQ(MarkedZeroCountText({}, {}), "");
}

} // namespace
} // namespace tallywick
