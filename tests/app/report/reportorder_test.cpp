#include "app/report/reportorder.h"

#include "support/storetesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {
namespace {

QByteArray LogLine(const char* day, const char* time)
{
    return QByteArray("192.0.2.1 - - [") + day + ":" + time + " +0000] \"GET /f HTTP/1.1\" 200 1\r\n";
}

QStringList Ordered(const QStringList& paths)
{
    return TextsOf(OldestReportsFirst(ReportPathsOf(paths)));
}

class ReportOrderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& text)
    {
        testing::WriteBytes(dir_.filePath(name), text.toStdString());
        return dir_.filePath(name);
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

    EXPECT_EQ(Ordered({current, undated, previous, oldest}), (QStringList{oldest, previous, current, undated}));
}

TEST_F(ReportOrderTest, AFirstLineCutByTheReadIsReadWhole)
{
    // The first dated line straddles the first block read.
    QByteArray text(256 * 1024 - 20, 'x');
    text += "\n" + LogLine("18/May/2015", "23:59:00");
    const auto late = write("late.log", text);
    const auto early = write("early.log", LogLine("18/May/2015", "23:58:00"));
    EXPECT_EQ(Ordered({late, early}), (QStringList{early, late}));
}

// A pipe is not opened: with no writer, that would block; with one, its lines would be lost to
// the search. It keeps its place, and the files are ordered around it.
TEST_F(ReportOrderTest, APipeKeepsItsPlaceAmongTheOthers)
{
    const auto newer = write("b.log", LogLine("19/May/2015", "08:00:00"));
    const auto older = write("a.log", LogLine("18/May/2015", "08:00:00"));
    const QString fifo = dir_.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(Ordered({newer, fifo}), (QStringList{newer, fifo}));
    EXPECT_EQ(Ordered({newer, fifo, older}), (QStringList{older, fifo, newer}));
    EXPECT_EQ(Ordered({fifo, newer, older}), (QStringList{fifo, older, newer}));
    const QString missing = dir_.filePath("missing.log");
    EXPECT_EQ(Ordered({newer, missing, older}), (QStringList{older, missing, newer}));
}

TEST_F(ReportOrderTest, AFileIsRepeatedUnderAnyOfItsNames)
{
    const auto log = write("access.log", LogLine("19/May/2015", "08:00:00"));
    const auto copy = write("copy.log", LogLine("19/May/2015", "08:00:00"));
    const QString hardLink = dir_.filePath("hard.log");
    const QString symbolicLink = dir_.filePath("symbolic.log");
    ASSERT_EQ(::link(QFile::encodeName(log).constData(), QFile::encodeName(hardLink).constData()), 0);
    ASSERT_TRUE(QFile::link(log, symbolicLink));
    const QString missing = dir_.filePath("missing.log");

    EXPECT_FALSE(RepeatedReport(ReportPathsOf({log, copy, missing, missing})));
    for (const QString& same : {log, hardLink, symbolicLink, dir_.path() + "/./access.log"}) {
        const auto repeated = RepeatedReport(ReportPathsOf({copy, log, same}));
        ASSERT_TRUE(repeated) << same.toStdString();
        EXPECT_EQ(repeated->text(), same);
    }
}

} // namespace
} // namespace tallywick
