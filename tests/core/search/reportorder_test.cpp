#include "core/search/reportorder.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace std::chrono;

DateValue At(sys_days day, int hour, int minute)
{
    return DateValue::fromDay(day) + DateValue::fromSeconds(hour * 3600 + minute * 60);
}

TEST(FirstLineDate, SkipsLinesWithoutADate)
{
    const auto text = "garbage\r\n"
                      "10:15:42 a time alone is no date\n"
                      "192.0.2.1 - - [05/Dec/2004:10:15:42 -0800] \"GET / HTTP/1.1\" 200 1\n"
                      "192.0.2.1 - - [04/Dec/2004:09:00:00 -0800] \"GET / HTTP/1.1\" 200 1\n";
    EXPECT_EQ(FirstLineDate(text), At(2004y / December / 5, 10, 15) + DateValue::fromSeconds(42));
    EXPECT_EQ(FirstLineDate("no dates\nhere\n"), std::nullopt);
    EXPECT_EQ(FirstLineDate(""), std::nullopt);
}

TEST(OldestFirst, SortsByFirstDateAndPutsUndatedReportsLastInTheirOrder)
{
    const DateValue may17 = At(2015y / May / 17, 0, 0);
    const DateValue may18 = At(2015y / May / 18, 0, 0);
    EXPECT_EQ(OldestFirst({may18, std::nullopt, may17, std::nullopt, may18}),
              (std::vector<std::size_t>{2, 0, 4, 1, 3}));
    EXPECT_EQ(OldestFirst({}), std::vector<std::size_t>{});
}

} // namespace
} // namespace tallywick
