#include "cli/clitest.h"
#include "core/history/historyrecords.h"

#include <QFileInfo>

namespace tallywick {
namespace {

using namespace testing;

const QString kRealLog = QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz");

// The real log of 17 to 20 May 2015, with its downloads tracked; a record can hold two items.
class AllTimeTest : public CliTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(dataDir()));
        setting("Combo10_0", "GET /files/");
        setting("Combo11_0", "GET /images/logstash_OSCON.pdf");
        WriteBytes(dataFile("tracking.dat"), "/files/lumberjack/lumberjack-0.3.0.exe\r\n/images/logstash_OSCON.pdf\r\n"
                                             "/files/\r\n/never/downloaded.zip\r\n");
    }
    CliRun record(const char* today, const QString& report = kRealLog) const
    {
        return run({"record", report, "--today", QString::fromUtf8(today)});
    }
    CliRun view(const QStringList& arguments, const char* today) const
    {
        return run(QStringList{"view"} + arguments + QStringList{"--today", today});
    }
    std::string totals(const char* today) const
    {
        const auto result = view({"totals", "--json"}, today);
        EXPECT_EQ(result.code, 0) << result.err;
        return result.out;
    }
};

TEST_F(AllTimeTest, AnOldReportRecordedLaterHasTheTotalsOfOneRecordedInItsTime)
{
    const auto inItsTime = record("2015-05-25");
    ASSERT_EQ(inItsTime.code, 0) << inItsTime.err;
    const auto totalsInItsTime = totals("2015-05-25");
    EXPECT_EQ(totalsInItsTime, totals("2018-05-25")) << "the totals do not depend on today";
    EXPECT_FALSE(QFileInfo::exists(dataFile("archive")));

    // The same report three years later in a new data folder: all of it goes to the archive.
    ASSERT_TRUE(QDir(dataDir()).removeRecursively());
    SetUp();
    const auto later = record("2018-05-25");
    ASSERT_EQ(later.code, 0) << later.err;
    EXPECT_TRUE(QFileInfo(dataFile("archive/2015-05.dat")).size() > 0);
    EXPECT_EQ(totals("2018-05-25"), totalsInItsTime);
    // That recording it once more adds nothing is KeepingStepsTest's.

    const auto item = [](const char* name, int total, int uniquePerDay, bool dated = true) {
        const std::string month = dated ? "\"05/2015\"" : "null";
        return std::string("    {\n      \"item\": \"") + name + "\",\n      \"total\": " + std::to_string(total) +
               ",\n      \"first\": " + month + ",\n      \"last\": " + month +
               ",\n      \"unique_per_day\": " + std::to_string(uniquePerDay) + "\n    }";
    };
    EXPECT_EQ(totalsInItsTime, "{\n  \"items\": [\n" + item("/files/lumberjack/lumberjack-0.3.0.exe", 13, 8) + ",\n" +
                                   item("/images/logstash_OSCON.pdf", 12, 12) + ",\n" + item("/files/", 299, 170) +
                                   ",\n" + item("/never/downloaded.zip", 0, 0, false) + "\n  ]\n}\n");
}

TEST_F(AllTimeTest, ZeroDaysTellDaysWithoutLogFromDaysWithoutDownload)
{
    const QString report = dir_.filePath("nov.log");
    const auto tracked = [](const char* date) { return Record({.date = date, .path = "/files/x.zip"}); };
    const auto visit = [](const char* date) { return Record({.date = date, .path = "/index.html"}); };
    // Downloads on 20 and 25 November, a visit only on 21 November; no log from 22 to 24. How
    // days are told apart is core's rule (ZeroDayMarks); here, that record keeps them and the view
    // says them.
    WriteBytes(report, tracked("20/Nov/2004") + "\n" + visit("21/Nov/2004") + "\n" + tracked("25/Nov/2004") + "\n");
    WriteBytes(dataFile("tracking.dat"), "/files/\r\n");
    ASSERT_EQ(record("2004-11-26", report).code, 0);
    EXPECT_EQ(FileBytes(dataFile("coverage.dat")), "2003-12-01\r\n2004-11-20\r\n2004-11-21\r\n2004-11-25\r\n");

    const auto days = view({"zero-days"}, "2004-12-05");
    ASSERT_EQ(days.code, 0) << days.err;
    EXPECT_NE(days.out.find("11/19/2004  no log\n11/21/2004  no downloads\n11/22/2004  no log\n11/23/2004  no log\n"
                            "11/24/2004  no log\n11/26/2004  no log\n"),
              std::string::npos)
        << days.out;
}

TEST_F(AllTimeTest, TheMonthChartReachesBeforeTheTimeLimitOnlyWhenAsked)
{
    ASSERT_EQ(record("2018-05-25").code, 0);
    const auto plain = view({"monthly", "--item", "/files/"}, "2018-05-25");
    EXPECT_NE(plain.out.find("0 Hits"), std::string::npos) << plain.out;
    const auto allTime = view({"monthly", "--item", "/files/", "--all-time", "--json"}, "2018-05-25");
    ASSERT_EQ(allTime.code, 0) << allTime.err;
    EXPECT_NE(allTime.out.find("\"label\": \"May 15\",\n      \"value\": 299"), std::string::npos) << allTime.out;
    EXPECT_NE(allTime.out.find("\"total\": 299"), std::string::npos);
    EXPECT_NE(allTime.out.find("\"from\": \"05/17/2015\""), std::string::npos);
    EXPECT_EQ(QByteArray::fromStdString(allTime.out).count("\"label\""), 37); // May 15 to May 18

    for (const QStringList& refused : {QStringList{"daily", "--all-time"}, QStringList{"totals", "--item", "x"}})
        EXPECT_EQ(view(refused, "2018-05-25").code, 2);
}

TEST_F(AllTimeTest, AnArchiveThatCannotBeReadIsNotCountedAsEmpty)
{
    ASSERT_TRUE(QDir().mkpath(dataFile("archive/2015-05.dat")));
    const auto result = view({"totals"}, "2018-05-25");
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("2015-05.dat"), std::string::npos);
}

} // namespace
} // namespace tallywick
