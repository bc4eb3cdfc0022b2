#include "core/views/dailytext.h"
#include "core/views/dateformat.h"
#include "core/views/historytext.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace viewrecords;

TEST(HistoryText, AllHistoryOrTheItemInTheRequestPart)
{
    const std::vector<std::string> history = {Record("01/Sep/2004"), "",
                                              Record("02/Sep/2004", "/quarnel/shareware/PELMOR.zip"),
                                              Record("03/Sep/2004", "/index.html", "10:00:00", "pelmor.zip.host"),
                                              "pelmor.zip [no closing bracket after character 38"};
    const auto all = HistoryText(history, std::nullopt);
    EXPECT_EQ(all.hits, 4);
    EXPECT_EQ(all.text.substr(0, history[0].size() + 4), history[0] + "\r\n\r\n");

    const auto zip = HistoryText(history, "pelmor.zip");
    EXPECT_EQ(zip.text, history[0] + "\r\n\r\n" + history[4] + "\r\n\r\n");
    EXPECT_EQ(zip.hits, 2);
    EXPECT_EQ(HistoryText({"", ""}, std::nullopt).text, "");
}

TEST(DailyText, RecordsOfTheDayHoldingTheItemFromCharacter38)
{
    const auto picker = DailyDateRange(Day(2004, 3, 31), 1);
    EXPECT_EQ(FormatDate(picker.value) + " " + FormatDate(picker.earliest), "03/30/2004 02/29/2004");

    const std::vector<std::string> tracked = {std::string(kZip), std::string(kExe)};
    const std::vector<std::string> history = {Record("03/Dec/2004", kZip, "23:59:59"),
                                              Record("04/Dec/2004", kZip, "00:00:00"),
                                              Record("04/Dec/2004", kExe),
                                              Record("xx/Dec/2004"),
                                              Record("04/Dec/2004", "/index.html", "10:00:00", std::string(kZip)),
                                              Record("04/Dec/2004", kZip, "23:59:59"),
                                              Record("05/Dec/2004", kZip, "00:00:00")};
    const auto zip = DailyText(history, tracked, 0, Day(2004, 12, 4));
    ASSERT_TRUE(zip);
    EXPECT_EQ(zip->text, history[1] + "\r\n\r\n" + history[5] + "\r\n\r\n");
    EXPECT_EQ(zip->hits, 2);

    EXPECT_EQ(DailyText(history, tracked, 0, Day(2004, 12, 1))->hits, 0);
    EXPECT_FALSE(DailyText({}, tracked, 0, Day(2004, 12, 4)));
    EXPECT_FALSE(DailyText(history, {}, 0, Day(2004, 12, 4)));
}

} // namespace
} // namespace tallywick
