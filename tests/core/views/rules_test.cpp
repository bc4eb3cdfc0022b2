#include "core/views/calendar.h"
#include "core/views/dateformat.h"
#include "core/views/historyspan.h"
#include "core/views/recordrules.h"
#include "core/views/shortfilelabel.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace viewrecords;
using namespace std::chrono;

TEST(RecordRules, ItemPlacesAndLetterCase)
{
    const auto record = Record("05/Dec/2004", kZip, "10:15:42", "pelmor.zip.example.com");
    EXPECT_FALSE(HoldsItemInRequestPart(record, "pelmor.zip.example"));
    EXPECT_FALSE(HoldsItemAtMatchStart(record, "pelmor.zip.example"));
    EXPECT_FALSE(HoldsItemInRequestPart(record, "/quarnel/shareware/PELMOR.zip"));

    // The time stamp closes before character 38: the request part is the whole record.
    const std::string shortStamp = "1.2.3.4 - - [05/Dec/2004:10:15:42] \"GET /quarnel/shareware/pelmor.zip\" 200";
    EXPECT_TRUE(HoldsItemInRequestPart(shortStamp, "1.2.3.4"));
    EXPECT_FALSE(HoldsItemAtMatchStart(shortStamp, "1.2.3.4"));

    EXPECT_TRUE(HoldsItemAtMatchStart(std::string(38, 'x'), ""));
    EXPECT_FALSE(HoldsItemAtMatchStart(std::string(37, 'x'), ""));
    EXPECT_FALSE(HoldsItemInRequestPart("203.0.113.45 - - [05/Dec/2004:10:15:42 -0800]", ""));
}

TEST(HistorySpan, FirstAndLastDatedRecords)
{
    const auto span = HistorySpan({"", "garbage", Record("01/Sep/2004"), Record("05/Dec/2004"), Record("99/Dec/2004")});
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, Day(2004, 9, 1));
    EXPECT_EQ(span->last, Day(2004, 12, 5));
    EXPECT_FALSE(HistorySpan({"", "garbage"}));
}

TEST(ShortFileLabel, FolderAndFileOrTheWholeItem)
{
    EXPECT_EQ(ShortFileLabel("GET /quarnel/shareware/pelmor.zip"), "/shareware/pelmor.zip");
    EXPECT_EQ(ShortFileLabel(".exe"), ".exe");
    EXPECT_EQ(ShortFileLabel("GET /pelmor.zip"), "GET /pelmor.zip");
    EXPECT_EQ(ShortFileLabel("/pelmor.zip"), "/pelmor.zip");
    EXPECT_EQ(ShortFileLabel("/quarnel/shareware/pelmor"), "/quarnel/shareware/pelmor");
}

TEST(Calendar, MonthsClampTheDayAndLabels)
{
    EXPECT_EQ(FormatDate(AddMonths(Day(2004, 3, 31), -1)), "02/29/2004");
    EXPECT_EQ(FormatDate(AddMonths(Day(2004, 11, 30), 3)), "02/28/2005");
    EXPECT_EQ(LongDate(Day(2004, 12, 5)), "Sunday, December 05, 2004");
    EXPECT_EQ(MonthLabel(2000y / January), "Jan 00");
}

} // namespace
} // namespace tallywick
