#include "app/files/reportchoice.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

const QString kDefault = QStringLiteral("/home/u/Desktop/Hits.txt");
const QString kStored = QStringLiteral("/var/log/access.log");
const QString kKept = QStringLiteral("/tmp/access.log.1");

TEST(ReportChoice, KeptPathOutranksTheStoredOneWhichOutranksTheDefault)
{
    const auto kept = ChooseStartingReport(kKept, kStored, kDefault);
    EXPECT_EQ(kept.path, kKept);
    EXPECT_TRUE(kept.chosen);

    const auto stored = ChooseStartingReport(std::nullopt, kStored, kDefault);
    EXPECT_EQ(stored.path, kStored);
    EXPECT_TRUE(stored.chosen);

    const auto fresh = ChooseStartingReport(std::nullopt, std::nullopt, kDefault);
    EXPECT_EQ(fresh.path, kDefault);
    EXPECT_FALSE(fresh.chosen);
    // An empty value is no choice.
    EXPECT_FALSE(ChooseStartingReport(QString(), QString(), kDefault).chosen);
}

TEST(ReportChoice, OnlyAnUntouchedFreshStartHasNothingOpened)
{
    const auto fresh = ChooseStartingReport(std::nullopt, std::nullopt, kDefault);
    EXPECT_TRUE(NothingOpenedYet(fresh, kDefault, false));
    EXPECT_FALSE(NothingOpenedYet(fresh, kDefault, true));
    EXPECT_FALSE(NothingOpenedYet(fresh, kStored, false));
    // A stored report that is missing now keeps its "File Not Found".
    const auto stored = ChooseStartingReport(std::nullopt, kDefault, kDefault);
    EXPECT_FALSE(NothingOpenedYet(stored, kDefault, false));
}

} // namespace
} // namespace tallywick
