// tallywick-cli in a child process whose address space is limited (setrlimit): a report without
// line breaks is read in bounded memory, and running out of memory is an error, not an abort.

#include "support/storetesting.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace tallywick {
namespace {

constexpr rlim_t kAddressSpace = rlim_t{400} << 20;

const QByteArray kZipLine =
    R"(203.0.113.45 - - [05/Dec/2004:10:15:42 -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0")";

void StartLimited(QProcess& process, const QStringList& arguments)
{
    process.setChildProcessModifier([] {
        const rlimit limit{kAddressSpace, kAddressSpace};
        setrlimit(RLIMIT_AS, &limit);
    });
    process.start(QStringLiteral(TALLYWICK_CLI_PROGRAM), arguments);
    ASSERT_TRUE(process.waitForStarted());
}

class MemoryLimit : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef __SANITIZE_ADDRESS__
        GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit in a limited address space";
#endif
    }
    QString path(const char* name) const
    {
        return dir_.filePath(QString::fromLatin1(name));
    }
    QTemporaryDir dir_;
};

TEST_F(MemoryLimit, ALineLongerThanTheAddressSpaceCountsAndTheNextLineIsSearched)
{
    // 1.5 GB of zero bytes without a break (a sparse file), then a download.
    QFile report(path("zeros.log"));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    ASSERT_TRUE(report.seek(qint64{1536} << 20));
    report.write("\n" + kZipLine + "\n");
    report.close();

    QProcess process;
    StartLimited(process, {"search", report.fileName()});
    ASSERT_TRUE(process.waitForFinished(120'000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().startsWith(
        "All Found: 1 of 2\nFound: 0\nComplete: 0, incomplete: 0, size unknown: 0\nUnique a day: 0, an hour: 0\n"
        "Found: 1\nComplete: 1, incomplete: 0, size unknown: 0\nUnique a day: 1, an hour: 1\n"
        "Lines too long to search: 1\n"));
}

TEST_F(MemoryLimit, AnEndlessSourceIsReadUntilInterrupted)
{
    QProcess process;
    StartLimited(process, {"search", "/dev/zero"});
    EXPECT_FALSE(process.waitForFinished(1500))
        << "ended with " << process.exitCode() << ": " << process.readAllStandardError().toStdString();
    process.kill();
    process.waitForFinished();
}

TEST_F(MemoryLimit, RunningOutOfMemoryIsAnErrorWithExit1)
{
    // Every line a download without repeats, all kept to collect the tracked item's: they
    // outgrow the address space.
    QFile report(path("hits.log"));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    QByteArray block;
    for (int i = 0; i < 10'000; ++i)
        block += kZipLine + "\n";
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(report.write(block), block.size());
    report.close();
    testing::WriteBytes(path("tracking.dat"), "/quarnel/shareware/pelmor.zip\r\n");

    QProcess process;
    StartLimited(process, {"search", report.fileName(), "--split-time", "0", "--long1", "--tracked",
                           path("tracking.dat"), "--json"});
    ASSERT_TRUE(process.waitForFinished(120'000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().contains("memory"));
}

} // namespace
} // namespace tallywick
