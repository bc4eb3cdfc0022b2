#include "app/files/datafolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(DataFolder, ComesFromTheOptionTheEnvironmentOrThePerUserFolder)
{
    qputenv("TALLYWICK_DATA_DIR", "/from/env");
    EXPECT_EQ(DataFolder::fromOption("/given").path(), "/given");
    EXPECT_EQ(DataFolder::fromOption(QString()).historyPath(), "/from/env/history.dat");
    qunsetenv("TALLYWICK_DATA_DIR");
    EXPECT_TRUE(DataFolder::fromOption(QString()).path().endsWith("/Tallywick"));
}

TEST(DataFolder, IsCreatedOnFirstUse)
{
    QTemporaryDir dir;
    const DataFolder folder(dir.filePath("a/b/Tallywick"));
    EXPECT_TRUE(folder.ensureExists());
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());
    const QString file = dir.filePath("plain");
    QFile(file).open(QIODevice::WriteOnly);
    QString error;
    EXPECT_FALSE(DataFolder(file).ensureExists(&error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace tallywick
