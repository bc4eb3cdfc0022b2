#include "app/files/datafolder.h"
#include "app/files/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(DataFolder, ComesFromTheOptionTheEnvironmentOrThePerUserFolder)
{
    qputenv("TALLYWICK_DATA_DIR", "/from/env");
    EXPECT_EQ(DataFolder::fromOption(QStringLiteral("/given")).path(), QStringLiteral("/given"));
    EXPECT_EQ(DataFolder::fromOption(QString()).historyPath(), QStringLiteral("/from/env/history.dat"));
    qunsetenv("TALLYWICK_DATA_DIR");
    EXPECT_TRUE(DataFolder::fromOption(QString()).path().endsWith(QStringLiteral("/Tallywick")));
    EXPECT_EQ(DataFolder(QStringLiteral("/d/")).file(kTempFileName), QStringLiteral("/d/TempFile.txt"));
}

TEST(DataFolder, IsCreatedOnFirstUse)
{
    QTemporaryDir dir;
    const DataFolder folder(dir.filePath(QStringLiteral("a/b/Tallywick")));
    EXPECT_TRUE(folder.ensureExists());
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());
    const QString file = dir.filePath(QStringLiteral("plain"));
    QFile(file).open(QIODevice::WriteOnly);
    QString error;
    EXPECT_FALSE(DataFolder(file).ensureExists(&error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Paths, FolderOfAndTheDefaultReport)
{
    EXPECT_EQ(FolderOf(QStringLiteral("/home/ann/Desktop/Hits.txt")), QStringLiteral("/home/ann/Desktop/"));
    EXPECT_EQ(FolderOf(QStringLiteral("Hits.txt")), QString());
    EXPECT_EQ(DefaultReportPath(QStringLiteral("/home/ann/Desktop/")), QStringLiteral("/home/ann/Desktop/Hits.txt"));
    EXPECT_EQ(DefaultReportPath(QString()), QStringLiteral("Hits.txt"));
}

} // namespace
} // namespace tallywick
