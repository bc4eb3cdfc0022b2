#include "app/files/reportfilters.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(ReportFilters, OpenShowsRotatedAndCompressedLogsFirst)
{
    const QString logs = OpenReportFilters().first();
    for (const char* name :
         {"access.log", "access.log.1", "access.log.2.gz", "other_vhosts_access.log.14", "Hits.txt", "ACCESS.LOG"})
        EXPECT_TRUE(FilterMatches(logs, QString::fromLatin1(name))) << name;
    for (const char* name : {"history.dat", "logo.png", "catalog"})
        EXPECT_FALSE(FilterMatches(logs, QString::fromLatin1(name))) << name;
    EXPECT_TRUE(FilterMatches(OpenReportFilters().last(), "anything"));
}

TEST(ReportFilters, AFilterWithoutPatternsMatchesNothing)
{
    EXPECT_FALSE(FilterMatches("Logs", "a.log"));
    EXPECT_FALSE(FilterMatches(")Logs(", "a.log"));
}

} // namespace
} // namespace tallywick
