#include "core/views/periodcomparison.h"
#include "core/views/periodtexts.h"
#include "core/views/uniquedownloaders.h"
#include "support/plaindownloaders.h"
#include "viewrecords.h"

#include <gtest/gtest.h>

#include <random>

namespace tallywick {
namespace {

using namespace viewrecords;
using namespace std::chrono;

const std::vector<std::string> kTracked = {std::string(kZip), std::string(kExe), std::string(kZip)};

std::string Download(std::string_view date, std::string_view host, std::string_view agent, std::string_view path = kZip)
{
    return std::string(host) + " - - [" + std::string(date) + ":10:00:00 +0000] \"GET " + std::string(path) +
           " HTTP/1.1\" 200 100 \"-\" \"" + std::string(agent) + "\"";
}

std::vector<std::string_view> Views(const std::vector<std::string>& records)
{
    return {records.begin(), records.end()};
}

TEST(PeriodsToCompare, TheSameSpanOfThePeriodBefore)
{
    // Sunday, December 5, 2004: its week began on Monday, November 29.
    EXPECT_EQ(PeriodsToCompare(ComparedSpan::Week, Day(2004, 12, 5)),
              (ComparedPeriods{{Day(2004, 11, 29), Day(2004, 12, 5)}, {Day(2004, 11, 22), Day(2004, 11, 28)}}));
    EXPECT_EQ(PeriodsToCompare(ComparedSpan::Week, Day(2004, 11, 29)),
              (ComparedPeriods{{Day(2004, 11, 29), Day(2004, 11, 29)}, {Day(2004, 11, 22), Day(2004, 11, 22)}}));
    EXPECT_EQ(PeriodsToCompare(ComparedSpan::Month, Day(2004, 12, 5)),
              (ComparedPeriods{{Day(2004, 12, 1), Day(2004, 12, 5)}, {Day(2004, 11, 1), Day(2004, 11, 5)}}));
    // A day the month before lacks ends at that month's last day.
    EXPECT_EQ(PeriodsToCompare(ComparedSpan::Month, Day(2004, 3, 31)),
              (ComparedPeriods{{Day(2004, 3, 1), Day(2004, 3, 31)}, {Day(2004, 2, 1), Day(2004, 2, 29)}}));
    EXPECT_EQ(PeriodsToCompare(ComparedSpan::Month, Day(2005, 1, 31)),
              (ComparedPeriods{{Day(2005, 1, 1), Day(2005, 1, 31)}, {Day(2004, 12, 1), Day(2004, 12, 31)}}));
    EXPECT_EQ(PeriodsToCompare(ComparedSpan::Year, Day(2004, 2, 29)),
              (ComparedPeriods{{Day(2004, 1, 1), Day(2004, 2, 29)}, {Day(2003, 1, 1), Day(2003, 2, 28)}}));
}

TEST(ComparePeriods, DownloadsUniqueDownloadersAndTheChangePerItem)
{
    const std::vector<std::string> records = {
        Download("04/Nov/2004", "1.1.1.1", "A"), // previous month: Nov 1 to 5
        Download("05/Nov/2004", "1.1.1.1", "A"), // same downloader, another day: counts again
        Download("05/Nov/2004", "1.1.1.1", "A"), // same day: once
        Download("06/Nov/2004", "1.1.1.1", "A"), // after the span
        Download("01/Dec/2004", "1.1.1.1", "A"), // current month: Dec 1 to 5
        Download("01/Dec/2004", "1.1.1.1", "B"), // another agent
        Download("01/Dec/2004", "2.2.2.2", "A"), // another client
        Download("05/Dec/2004", "2.2.2.2", "A"),
        Download("05/Dec/2004", "2.2.2.2", "A", kExe),
        Download("xx/Dec/2004", "2.2.2.2", "A", kExe),
        Download("06/Dec/2004", "2.2.2.2", "A", kExe), // after the day
        "",
    };
    const auto compared = ComparePeriods(Views(records), kTracked, ComparedSpan::Month, Day(2004, 12, 5));
    ASSERT_EQ(compared.items.size(), 2u); // the item listed twice counts once
    EXPECT_EQ(compared.items[0], (ItemComparison{std::string(kZip), 4, 3, 1, 100.0 / 3, 4, 2}));
    // Nothing in the period before: no percent.
    EXPECT_EQ(compared.items[1], (ItemComparison{std::string(kExe), 1, 0, 1, std::nullopt, 1, 0}));

    EXPECT_EQ(ChangePercent(1, 4), -75.0);
    EXPECT_EQ(ChangePercent(0, 0), std::nullopt);
    EXPECT_TRUE(ComparePeriods(Views(records), {}, ComparedSpan::Week, Day(2004, 12, 5)).items.empty());
}

TEST(PeriodTexts, PercentsLinesAndTheMonthLine)
{
    EXPECT_EQ(PercentText(20.0), "+20 %");
    EXPECT_EQ(PercentText(100.0 / 3), "+33.3 %");
    EXPECT_EQ(PercentText(-75.0), "-75 %");
    EXPECT_EQ(PercentText(-0.01), "0 %");
    EXPECT_EQ(PercentText(std::nullopt), "new");
    EXPECT_EQ(MonthComparisonLine(12, 10), "This month: 12 (last month: 10, +20 %)");
    EXPECT_EQ(MonthComparisonLine(5, 0), "This month: 5 (last month: 0)");

    PeriodComparison comparison{PeriodsToCompare(ComparedSpan::Month, Day(2004, 12, 5)),
                                {{"/a.zip", 4, 3, 1, 100.0 / 3, 4, 2}}};
    EXPECT_EQ(JoinLines(ComparisonLines(comparison), "\r\n"),
              "This period:   12/01/2004 - 12/05/2004\r\nPeriod before: 11/01/2004 - 11/05/2004\r\n\r\n"
              "      Now   Before   Change   Change %   Unique now   Unique before  Item\r\n"
              "        4        3       +1    +33.3 %            4               2  /a.zip\r\n");
    EXPECT_EQ(JoinLines(SourcesLines({{{"(direct)", 2, 100.0 * 2 / 3}, {"a.example", 1, 100.0 / 3}}, 3}), "\n"),
              "        2   66.7 %  (direct)\n        1   33.3 %  a.example\n        3           downloads in all\n");
}

TEST(UniquePerDayByMonth, SumsEachMonthsDays)
{
    const std::vector<std::string> records = {
        Download("30/Nov/2004", "1.1.1.1", "A"), Download("30/Nov/2004", "1.1.1.1", "A"),
        Download("30/Nov/2004", "1.1.1.1", "B"), Download("01/Dec/2004", "1.1.1.1", "A"),
        Download("02/Dec/2004", "1.1.1.1", "A"), Download("02/Dec/2004", "1.1.1.1", "A", kExe),
        Download("01/Jan/2005", "1.1.1.1", "A"), // past the last month
    };
    EXPECT_EQ(UniquePerDayByMonth(records, kZip, 2004y / October, 3), (std::vector<std::int64_t>{0, 2, 2}));
    EXPECT_EQ(UniquePerDayByMonth(records, kZip, 2004y / October, 3, {Day(2004, 12, 2), {}}),
              (std::vector<std::int64_t>{0, 0, 1}));
}

TEST(UniquePerDay, MatchesAPlainReadingOnRandomHistories)
{
    std::mt19937 random(24);
    const std::vector<std::string> hosts = {"1.1.1.1", "2.2.2.2", "2001:db8::1", "nohost"};
    const std::vector<std::string> items = {std::string(kZip), std::string(kExe), "", "/missing"};
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> records;
        for (int i = 0; i < 60; ++i) {
            const auto date = std::to_string(10 + random() % 4) + "/Dec/2004";
            auto record = Download(random() % 25 == 0 ? "xx/Dec/2004" : date, hosts[random() % hosts.size()],
                                   random() % 2 ? "A" : "B", random() % 2 ? kZip : kExe);
            if (random() % 5 == 0)
                record = record.substr(0, record.find(" \"-\"")); // the Common format: no agent
            if (random() % 20 == 0)
                record.clear();
            records.push_back(record);
        }
        const auto counts = UniquePerDay(Views(records), items);
        ASSERT_EQ(counts.size(), items.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(counts[i], plain::UniquePerDay(records, items[i])) << "round " << round << " item " << i;
        // A period takes its days only.
        const Period period{Day(2004, 12, 11), Day(2004, 12, 12)};
        EXPECT_EQ(UniquePerDay(Views(records), items, period)[0],
                  plain::UniquePerDay(RecordsInPeriod(records, period), items[0]));
    }
}

} // namespace
} // namespace tallywick
