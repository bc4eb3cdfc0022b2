#include "app/files/fileexists.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
} // namespace tallywick
