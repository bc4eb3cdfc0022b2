#include "app/files/windowstextfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(WindowsTextFile, EveryLineBreakBecomesOneCrLf)
{
    EXPECT_EQ(WithWindowsLineBreaks("a\nb\n"), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(WithWindowsLineBreaks("a\r\nb\n\nc"), QByteArray("a\r\nb\r\n\r\nc"));
    EXPECT_EQ(WithWindowsLineBreaks("caf\u00e9"), QByteArray("caf\xc3\xa9"));
}

TEST(WindowsTextFile, WritesTheBytesAndSaysWhenItCannot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tallywick1.txt");
    EXPECT_FALSE(WriteWindowsTextFile(path, "one\ntwo"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("one\r\ntwo"));
    EXPECT_TRUE(WriteWindowsTextFile(dir.filePath("missing/tallywick1.txt"), "x"));
}

} // namespace
} // namespace tallywick
