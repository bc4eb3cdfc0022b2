#include "app/store/archivefolder.h"

#include "app/report/reportdays.h"
#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

class ArchiveFolderTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir_;
    ArchiveFolder archive_{path("archive")};
};

TEST_F(ArchiveFolderTest, ReadsItsMonthsOldestFirstAndNothingElse)
{
    ASSERT_TRUE(archive_.add({RecordOn("02/Jun/2015"), RecordOn("17/May/2015"), kUndatable}).added == 2);
    WriteBytes(path("archive/notes.dat"), RecordOn("01/Jan/2015") + "\r\n");
    WriteBytes(path("archive/2015-04.dat~"), RecordOn("01/Apr/2015") + "\r\n");
    EXPECT_EQ(archive_.readAll().records, (Records{RecordOn("17/May/2015"), RecordOn("02/Jun/2015")}));
    EXPECT_FALSE(QFileInfo::exists(path("archive/0000-00.dat")));
}

TEST_F(ArchiveFolderTest, AFailedWriteLeavesTheMonthWholeAndHandsItsRecordsBack)
{
    archive_.add({RecordOn("17/May/2015")});
    const auto before = FileBytes(path("archive/2015-05.dat"));
    const auto add = archive_.add({RecordOn("18/May/2015")}, FailAfter(10));
    EXPECT_EQ(add.added, 0u);
    EXPECT_EQ(add.notArchived, Records{RecordOn("18/May/2015")});
    EXPECT_FALSE(add.error.isEmpty());
    EXPECT_EQ(FileBytes(path("archive/2015-05.dat")), before);
}

TEST_F(ArchiveFolderTest, AnUnreadableMonthIsReported)
{
    ASSERT_TRUE(QDir().mkpath(path("archive/2015-05.dat")));
    EXPECT_EQ(archive_.readAll().errors.size(), 1);
}

TEST(ReadReportDays, ReadsTheDaysOfACompressedReport)
{
    using namespace std::chrono;
    const auto days = ReadReportDays(QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz"));
    ASSERT_TRUE(days);
    EXPECT_EQ(*days, (std::vector<sys_days>{Day(2015, 5, 17), Day(2015, 5, 18), Day(2015, 5, 19), Day(2015, 5, 20)}));
    EXPECT_FALSE(ReadReportDays(QStringLiteral(TALLYWICK_TEST_DATA "/no-such-report.log")));
}

} // namespace
} // namespace tallywick
