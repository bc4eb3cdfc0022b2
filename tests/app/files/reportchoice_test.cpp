#include "app/files/reportchoice.h"

#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

const QString kDefault = "/home/u/Desktop/Hits.txt";
const QString kStored = "/var/log/access.log";
const QString kKept = "/tmp/access.log.1";

TEST(ReportChoice, KeptPathOutranksTheStoredOneWhichOutranksTheDefault)
{
    const struct {
        std::optional<QString> kept, stored;
        QString path;
        bool chosen;
    } cases[] = {{kKept, kStored, kKept, true},
                 {std::nullopt, kStored, kStored, true},
                 {std::nullopt, std::nullopt, kDefault, false},
                 {QString(), QString(), kDefault, false}}; // an empty value is no choice
    for (const auto& c : cases) {
        const auto choice = ChooseStartingReport(c.kept, c.stored, kDefault);
        EXPECT_EQ(choice.path, c.path) << c.path.toStdString();
        EXPECT_EQ(choice.chosen, c.chosen) << c.path.toStdString();
    }
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

TEST(ReportChoice, StoredListStandsForThePathOnlyWhenAllOfItIsThere)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QStringList list{folder.filePath("a.log"), folder.filePath("b.log")};
    for (const QString& path : list)
        testing::WriteBytes(path, "");
    const QString path = list.constLast();
    EXPECT_EQ(StartingReportFiles(path, list), list);
    EXPECT_EQ(StartingReportFiles(path, std::nullopt), QStringList{path});
    // A list from an earlier choice than the stored path.
    EXPECT_EQ(StartingReportFiles(list.constFirst(), list), QStringList{list.constFirst()});
    QFile::remove(list.constFirst());
    EXPECT_EQ(StartingReportFiles(path, list), QStringList{path});
}

TEST(ReportChoice, ReportsToSearchNamesEachFileOnce)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString older = folder.filePath("older.log");
    const QString newer = folder.filePath("newer.log");
    testing::WriteBytes(older, testing::RecordOn("03/Dec/2026"));
    testing::WriteBytes(newer, testing::RecordOn("04/Dec/2026"));
    const QString sameAsNewer = folder.filePath("./newer.log");
    EXPECT_EQ(ReportsToSearch({newer, older, newer, sameAsNewer}), (QStringList{older, newer}));
}

} // namespace
} // namespace tallywick
