#include "app/files/fileexists.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallywick {
namespace {

TEST(FileExists, OnlyAReadableFileExists)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Hits.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(file + QLatin1Char('/'))) << "a trailing separator is tolerated";
    EXPECT_FALSE(FileExists(dir.path())) << "a folder";
    EXPECT_FALSE(FileExists(dir.path() + QLatin1Char('/')));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(QStringLiteral("/")));
}

TEST(RegularFileExists, APipeOrADeviceIsNotFoundAndNeverWaitedFor)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Hits.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    EXPECT_TRUE(RegularFileExists(file));
    EXPECT_TRUE(RegularFileExists(file + QLatin1Char('/')));
    EXPECT_FALSE(RegularFileExists(pipe)) << "no writer: opening it would wait forever";
    EXPECT_FALSE(RegularFileExists(QStringLiteral("/dev/null")));
    EXPECT_FALSE(RegularFileExists(dir.path()));
    EXPECT_FALSE(RegularFileExists(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(RegularFileExists(QString()));
}

} // namespace
} // namespace tallywick
