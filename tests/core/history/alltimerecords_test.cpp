#include "core/history/alltimerecords.h"

#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using namespace std::chrono;
using Records = std::vector<std::string>;

const std::string kZip = "/quarnel/shareware/pelmor.zip";
const std::string kExe = "/quarnel/shareware/pelmor.exe";

std::string Download(const std::string& date, const std::string& path, const std::string& time = "10:15:42")
{
    return Record({.date = date, .time = time, .path = path});
}

TEST(AllTimeRecords, CountsARecordArchivedAndStillInTheHistoryOnce)
{
    const Records archived = {Download("17/May/2015", kZip), Download("18/May/2015", kZip), ""};
    const Records history = {Download("18/May/2015", kZip), "", Download("01/Dec/2026", kZip)};
    const Records removed = {Download("17/May/2015", kZip), Download("02/Jun/2015", kZip)};

    const auto records = AllTimeRecords(archived, history, removed);
    EXPECT_EQ(records.size(), 4u);
    EXPECT_EQ(AllTimeCount(records, std::nullopt), 4);
    EXPECT_EQ(AllTimeCount(records, kZip), 4);
    EXPECT_EQ(AllTimeCount(records, kExe), 0);
}

TEST(AllTimeRecords, KeepsTheHistorysOwnRepeatsAsTheViewsCountThem)
{
    const auto twice = Download("01/Dec/2026", kZip);
    EXPECT_EQ(AllTimeRecords({twice}, {twice, twice}).size(), 2u);
}

TEST(AllTimeTotals, CountPerItemWithFirstAndLastMonth)
{
    const std::string both =
        "10.0.0.1 - - [05/Dec/2026:10:00:00 -0800] \"GET " + kZip + "?from=" + kExe + " HTTP/1.1\" 200 1";
    const Records archived = {Download("17/May/2015", kZip), Download("20/Jun/2015", kExe)};
    const Records history = {Download("01/Nov/2026", kZip), both,
                             // undatable: counted, names no month
                             Record({.date = "99/Xyz/2026", .path = kExe})};
    const auto totals = AllTimeTotals(AllTimeRecords(archived, history), {kZip, kExe, kZip, "/none"});

    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(totals[0].item, kZip);
    EXPECT_EQ(totals[0].total, 3);
    EXPECT_EQ(totals[0].first, 2015y / May);
    EXPECT_EQ(totals[0].last, 2026y / December);
    EXPECT_EQ(totals[1].item, kExe);
    EXPECT_EQ(totals[1].total, 3);
    EXPECT_EQ(totals[1].first, 2015y / June);
    EXPECT_EQ(totals[1].last, 2026y / December);
    EXPECT_EQ(totals[2].total, 0);
    EXPECT_EQ(totals[2].first, std::nullopt);
    EXPECT_EQ(totals[2].last, std::nullopt);

    const auto onlyUndatable =
        AllTimeTotals(AllTimeRecords({}, {Record({.date = "99/Xyz/2026", .path = kExe})}), {kExe});
    EXPECT_EQ(onlyUndatable[0].total, 1);
    EXPECT_EQ(onlyUndatable[0].first, std::nullopt);
}

TEST(AllTimeTotals, MatchItemsInTheRequestPartOnly)
{
    // The item inside the host part does not count.
    const std::string inHost = "pelmor.zip.example - - [05/Dec/2026:10:00:00 -0800] \"GET /index.html HTTP/1.1\" 200 1";
    EXPECT_EQ(AllTimeTotals(AllTimeRecords({}, {inHost}), {"pelmor.zip"})[0].total, 0);
    EXPECT_TRUE(AllTimeTotals(AllTimeRecords({}, {inHost}), {}).empty());
}

} // namespace
} // namespace tallywick
