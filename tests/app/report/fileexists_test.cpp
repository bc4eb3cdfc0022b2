#include "app/files/fileexists.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallywick {
namespace {

TEST(FileExists, OnlyAReadableFileExistsAndOnlyARegularOneWithoutWaiting)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Hits.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    // A trailing separator is tolerated.
    for (const QString& found : {file, file + QLatin1Char('/')}) {
        EXPECT_TRUE(FileExists(found)) << found.toStdString();
        EXPECT_TRUE(RegularFileExists(found)) << found.toStdString();
    }
    for (const QString& path : {file + QStringLiteral("//"), dir.path(), dir.path() + QLatin1Char('/'), missing,
                                QString(), QStringLiteral("/")})
        EXPECT_FALSE(FileExists(path)) << path.toStdString();
    // A pipe without a writer would keep its opening waiting forever.
    for (const QString& path : {pipe, QStringLiteral("/dev/null"), dir.path(), missing, QString()})
        EXPECT_FALSE(RegularFileExists(path)) << path.toStdString();
}

} // namespace
} // namespace tallywick
