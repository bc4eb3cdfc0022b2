#include "core/log/datevalue.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace std::chrono;

constexpr DateValue Day(int y, unsigned m, unsigned d)
{
    return DateValue::fromDay(sys_days{year{y} / month{m} / day{d}});
}

TEST(DateValueOf, ReadsDayMonthNameAndYear)
{
    EXPECT_EQ(DateValueOf("05/Dec/2004"), Day(2004, 12, 5));
    EXPECT_EQ(DateValueOf("5/dec/2004"), Day(2004, 12, 5)) << "one-digit day, month in any case";
    EXPECT_EQ(DateValueOf("29/Feb/2004"), Day(2004, 2, 29));
    EXPECT_EQ(DateValueOf("01/Jan/1900").dayNumber(), 2) << "day numbers count from 30 December 1899";
}

TEST(DateValueOf, GivesNoDateForAnythingElse)
{
    for (const char* text :
         {"31/Feb/2004", "29/Feb/2100", "05/Dez/2004", "05/Dec/04", "005/Dec/2004", "05/December/2004", "05/Dec/2004/1",
          "05-Dec-2004", "", "0/Dec/2004", "-5/Dec/2004", "05/Dec/-200", " 5/Dec/2004"}) {
        EXPECT_FALSE(DateValueOf(text).isDate()) << text;
    }
}

TEST(TimeValueOf, ReadsTheTimeOfDayAsAFractionOfADay)
{
    EXPECT_NEAR(TimeValueOf("10:15:42").value(), 0.42757, 1e-5);
    EXPECT_EQ(TimeValueOf("23:59:59").seconds(), 86399);
    EXPECT_EQ(TimeValueOf("24:00:00").seconds(), 0);
    EXPECT_EQ(TimeValueOf("10:60:00").seconds(), 0);
    EXPECT_EQ(TimeValueOf("10:15").seconds(), 0);
    EXPECT_EQ(TimeValueOf("ab:cd:ef").seconds(), 0);
}

TEST(DateValue, CutsToTheWholeMinuteExactly)
{
    const DateValue value = Day(2004, 12, 5) + TimeValueOf("10:15:59");
    EXPECT_EQ(value.wholeMinutes(), (Day(2004, 12, 5) + TimeValueOf("10:15:00")).wholeMinutes());
    EXPECT_EQ(value.day(), sys_days{2004y / December / 5});
    EXPECT_FALSE(DateValue{}.isDate());
    EXPECT_FALSE(Day(1899, 12, 29).isDate()) << "values below 0 count as no date";
    EXPECT_EQ(DayOf(value), sys_days{2004y / December / 5});
    EXPECT_EQ(DayOf(DateValue{}), std::nullopt);
}

} // namespace
} // namespace tallywick
