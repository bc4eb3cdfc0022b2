#include "core/history/reportcoverage.h"

#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Days = std::vector<std::chrono::sys_days>;

Days ReportDaysOf(const std::vector<std::string>& lines)
{
    ReportDays report;
    for (const auto& line : lines)
        report.addLine(line);
    return report.days();
}

TEST(ReportDays, AreTheDaysWithADatedLineWhateverItRequests)
{
    const auto days = ReportDaysOf({Record({.date = "01/Dec/2026", .path = "/index.html"}), "garbage line", "",
                                    Record({.date = "01/Dec/2026", .time = "23:00:00"}), kUndatable,
                                    Record({.date = "05/Dec/2026", .path = "/robots.txt", .status = 404}),
                                    // a report out of order still gives each day once
                                    RecordOn("01/Dec/2026"), RecordOn("30/Nov/2026")});
    EXPECT_EQ(days, (Days{Day(2026, 11, 30), Day(2026, 12, 1), Day(2026, 12, 5)}));
    EXPECT_TRUE(ReportDaysOf({}).empty());
}

TEST(ReportCoverage, TellsCoveredDaysFromDaysWithoutLogAcrossAGap)
{
    ReportCoverage coverage{Day(2026, 11, 1), {}};
    AddCoveredDays(coverage, {Day(2026, 11, 28), Day(2026, 11, 29)});
    // a gap of three days: 30 November to 2 December
    AddCoveredDays(coverage, {Day(2026, 12, 3), Day(2026, 12, 4)});
    for (int d = 30; d <= 32; ++d)
        EXPECT_EQ(CoverageOf(coverage, Day(2026, 11, 29) + std::chrono::days{d - 29}), DayCoverage::NoLog) << d;
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 11, 29)), DayCoverage::Covered);
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 12, 3)), DayCoverage::Covered);
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 12, 5)), DayCoverage::NoLog);
}

TEST(ReportCoverage, OverlappingReportsCoverEachDayOnce)
{
    ReportCoverage coverage{Day(2026, 11, 1), {}};
    AddCoveredDays(coverage, {Day(2026, 12, 1), Day(2026, 12, 2), Day(2026, 12, 3)});
    AddCoveredDays(coverage, {Day(2026, 12, 3), Day(2026, 12, 2), Day(2026, 12, 4)});
    EXPECT_EQ(coverage.days, (Days{Day(2026, 12, 1), Day(2026, 12, 2), Day(2026, 12, 3), Day(2026, 12, 4)}));
}

TEST(ReportCoverage, DaysBeforeTheStartAreUnknownUnlessCovered)
{
    // Made today in a folder whose history already held records.
    ReportCoverage coverage{NewCoverageStart(false, kToday, 12), {}};
    EXPECT_EQ(coverage.knownFrom, kToday);
    AddCoveredDays(coverage, {Day(2026, 12, 1), kToday});
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 11, 30)), DayCoverage::Unknown);
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 12, 1)), DayCoverage::Covered);
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 12, 2)), DayCoverage::Unknown);
    EXPECT_EQ(CoverageOf(coverage, Day(2026, 12, 6)), DayCoverage::NoLog);

    // A new folder knows every day of its time window.
    EXPECT_EQ(NewCoverageStart(true, kToday, 12), Day(2026, 1, 1));
    EXPECT_EQ(NewCoverageStart(true, kToday, 1), Day(2026, 12, 1));
    EXPECT_EQ(NewCoverageStart(true, kToday, 0), Day(2026, 1, 1));
}

TEST(ReportCoverage, IsBoundedByTheTimeLimit)
{
    ReportCoverage coverage{Day(2024, 1, 1), {Day(2025, 12, 31), Day(2026, 1, 1), Day(2026, 12, 6)}};
    TrimCoverage(coverage, kToday, 12);
    EXPECT_EQ(coverage.days, (Days{Day(2026, 1, 1), Day(2026, 12, 6)}));
    EXPECT_EQ(coverage.knownFrom, Day(2024, 1, 1));
}

TEST(CoverageFile, RoundTripsAndPassesOverGarbage)
{
    const ReportCoverage coverage{Day(2026, 11, 15), {Day(2026, 11, 2), Day(2026, 12, 5)}};
    const auto lines = CoverageLines(coverage);
    EXPECT_EQ(lines, (std::vector<std::string>{"2026-11-15", "2026-11-02", "2026-12-05"}));
    const auto read = ParseCoverage(lines);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->knownFrom, coverage.knownFrom);
    EXPECT_EQ(read->days, coverage.days);

    const auto messy =
        ParseCoverage({"2026-11-15", "2026-12-05", "", "2026-02-30", "junk", "2026-12-01", "2026-12-05"});
    ASSERT_TRUE(messy);
    EXPECT_EQ(messy->days, (Days{Day(2026, 12, 1), Day(2026, 12, 5)}));
    // A byte-order mark an editor put before the first date changes nothing.
    const auto marked = ParseCoverage({"\xEF\xBB\xBF"
                                       "2026-11-15",
                                       "2026-12-01"});
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->knownFrom, Day(2026, 11, 15));
    EXPECT_EQ(marked->days, Days{Day(2026, 12, 1)});
    EXPECT_EQ(ParseCoverage({}), std::nullopt);
    EXPECT_EQ(ParseCoverage({"15/11/2026", "2026-12-05"}), std::nullopt);
    EXPECT_EQ(ParseIsoDay("+026-11-15"), std::nullopt);
    EXPECT_EQ(ParseIsoDay("2026-1-015"), std::nullopt);
}

} // namespace
} // namespace tallywick
