#include "app/report/reportorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <sys/stat.h>

namespace tallywick {
namespace {

QByteArray LogLine(const char* day, const char* time)
{
    return QByteArray("192.0.2.1 - - [") + day + ":" + time + " +0000] \"GET /f HTTP/1.1\" 200 1\r\n";
}

class ReportOrderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& text)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    QString writeGzip(const QString& name, const QByteArray& text)
    {
        const QString path = dir_.filePath(name);
        gzFile file = gzopen(QFile::encodeName(path).constData(), "wb");
        gzwrite(file, text.constData(), static_cast<unsigned>(text.size()));
        gzclose(file);
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(ReportOrderTest, RotatedLogsInAnyOrderAreSearchedOldestFirst)
{
    const auto current = write("access.log", LogLine("19/May/2015", "08:00:00"));
    const auto previous = write("access.log.1", "header\n" + LogLine("18/May/2015", "23:59:00"));
    const auto oldest = writeGzip("access.log.2.gz", LogLine("17/May/2015", "10:00:00"));
    const auto undated = write("notes.txt", "no log here\n");

    EXPECT_EQ(OldestReportsFirst({current, undated, previous, oldest}),
              (QStringList{oldest, previous, current, undated}));
    EXPECT_EQ(OldestReportsFirst({oldest, previous, current}), (QStringList{oldest, previous, current}));
}

TEST_F(ReportOrderTest, AFirstLineCutByTheReadIsReadWhole)
{
    // The first dated line straddles the first block read.
    QByteArray text(256 * 1024 - 20, 'x');
    text += "\n" + LogLine("18/May/2015", "23:59:00");
    const auto late = write("late.log", text);
    const auto early = write("early.log", LogLine("18/May/2015", "23:58:00"));
    EXPECT_EQ(OldestReportsFirst({late, early}), (QStringList{early, late}));
}

TEST_F(ReportOrderTest, APipeKeepsTheOrderGiven)
{
    const auto newer = write("b.log", LogLine("19/May/2015", "08:00:00"));
    const QString fifo = dir_.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Not opened: opening a pipe with no writer would block.
    EXPECT_EQ(OldestReportsFirst({newer, fifo}), (QStringList{newer, fifo}));
    EXPECT_EQ(OldestReportsFirst({newer, dir_.filePath("missing.log")}),
              (QStringList{newer, dir_.filePath("missing.log")}));
}

} // namespace
} // namespace tallywick
