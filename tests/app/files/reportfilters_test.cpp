#include "app/files/reportfilters.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(ReportFilters, OpenShowsRotatedAndCompressedLogsFirst)
{
    const QStringList filters = OpenReportFilters();
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters[0], QStringLiteral("Logs (*.log *.log.* *.gz *.txt)"));
    EXPECT_EQ(filters[1], QStringLiteral("Text (*.txt)"));
    EXPECT_EQ(filters[2], QStringLiteral("All files (*)"));
    for (const char* name :
         {"access.log", "access.log.1", "access.log.2.gz", "other_vhosts_access.log.14", "Hits.txt", "ACCESS.LOG"})
        EXPECT_TRUE(FilterMatches(filters[0], QString::fromLatin1(name))) << name;
    for (const char* name : {"history.dat", "logo.png", "catalog"})
        EXPECT_FALSE(FilterMatches(filters[0], QString::fromLatin1(name))) << name;
}

TEST(ReportFilters, SaveAsKeepsTextFirst)
{
    const QStringList filters = SaveReportFilters();
    ASSERT_FALSE(filters.isEmpty());
    EXPECT_EQ(filters.first(), QStringLiteral("Text (*.txt)"));
    EXPECT_TRUE(filters.contains(QStringLiteral("All files (*)")));
}

TEST(ReportFilters, AFilterWithoutPatternsMatchesNothing)
{
    EXPECT_FALSE(FilterMatches(QStringLiteral("Logs"), QStringLiteral("a.log")));
    EXPECT_FALSE(FilterMatches(QStringLiteral(")Logs("), QStringLiteral("a.log")));
    EXPECT_TRUE(FilterMatches(QStringLiteral("All files (*)"), QStringLiteral("anything")));
}

} // namespace
} // namespace tallywick
