#include "core/views/dateformat.h"
#include "core/views/zerocountdays.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace viewrecords;

const std::vector<std::string> kTracked = {std::string(kExe), std::string(kZip)};

// The listed days as "mm/dd/yyyy" lines.
std::string Listed(const std::vector<std::string>& history, std::chrono::sys_days today,
                   const std::vector<std::string>& tracked = kTracked)
{
    const auto result = FindZeroCountDays(history, tracked, today);
    return result ? ZeroCountText(result->days) : "not computed";
}

TEST(ZeroCountDays, PeriodIsOneMonthBackPlusOneDayToToday)
{
    const auto december = FindZeroCountDays({Record("01/Jan/2004")}, kTracked, Day(2004, 12, 5));
    ASSERT_TRUE(december);
    EXPECT_EQ(FormatDate(december->period.first), "11/06/2004");
    EXPECT_EQ(december->days.size(), 30u);
    const auto march = FindZeroCountDays({Record("01/Jan/2004")}, kTracked, Day(2004, 3, 31));
    ASSERT_TRUE(march);
    EXPECT_EQ(FormatDate(march->period.first), "03/01/2004");
    EXPECT_EQ(march->days.size(), 31u);
}

TEST(ZeroCountDays, DaysWithoutTrackedRecords)
{
    const std::vector<std::string> history = {Record("27/Feb/2004"), Record("28/Feb/2004", "/index.html"),
                                              Record("29/Feb/2004", kExe, "23:59:59"),
                                              Record("02/Mar/2004", "/index.html", "10:00:00", std::string(kZip)),
                                              Record("03/Mar/2004")}; // after today: ignored
    EXPECT_EQ(Listed(history, Day(2004, 3, 2)).substr(std::size_t{12} * 24),
              "02/28/2004\r\n03/01/2004\r\n03/02/2004\r\n");
    EXPECT_EQ(
        Listed({Record("05/Dec/2004", "/index.html")}, Day(2004, 12, 5), {"/none", ""}).substr(std::size_t{12} * 28),
        "12/04/2004\r\n");
    EXPECT_EQ(Listed({}, Day(2004, 12, 5)), "not computed");
    EXPECT_EQ(Listed({Record("05/Dec/2004")}, Day(2004, 12, 5), {}), "not computed");
}

TEST(ZeroCountDays, WalkEndsAfterTheFirstTrackedRecordBeforeThePeriodOnly)
{
    // Out of order on purpose: what lies before the ending record is never examined.
    const auto ended = Listed({Record("20/Nov/2004"), Record("01/Nov/2004"), Record("25/Nov/2004")}, Day(2004, 12, 5));
    EXPECT_NE(ended.find("11/20/2004"), std::string::npos);
    EXPECT_EQ(ended.find("11/25/2004"), std::string::npos);

    const auto walked = Listed(
        {Record("20/Nov/2004"), Record("01/Oct/2004", "/index.html"), Record("xx/Oct/2004"), Record("25/Nov/2004")},
        Day(2004, 12, 5));
    EXPECT_EQ(walked.find("11/20/2004"), std::string::npos);
    EXPECT_EQ(walked.size(), 12u * 28);
}

} // namespace
} // namespace tallywick
