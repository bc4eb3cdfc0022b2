#include "app/files/fileexists.h"

#include "support/unreadablefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {
namespace {

TEST(FileExists, AFileIsThereReadableOrNotAndOnlyARegularOneIsRegular)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Hits.txt");
    QFile(file).open(QIODevice::WriteOnly);
    const QString missing = dir.filePath("missing.txt");
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Held open, so that opening the pipe would not wait: the pipe must be found all the same.
    const int held = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(held, 0);

    // A trailing separator is tolerated.
    for (const QString& found : {file, file + QLatin1Char('/')}) {
        EXPECT_TRUE(FileExists(found)) << found.toStdString();
        EXPECT_TRUE(RegularFileExists(found)) << found.toStdString();
    }
    EXPECT_TRUE(FileExists(pipe));
    EXPECT_TRUE(FileExists("/dev/null"));
    if (const QString unreadable = testing::UnreadableFile(); !unreadable.isEmpty()) {
        // Reading it says why; "File Not Found" would be wrong.
        EXPECT_TRUE(FileExists(unreadable));
        EXPECT_TRUE(RegularFileExists(unreadable));
    }
    for (const QString& path :
         QStringList{file + "//", dir.path(), dir.path() + QLatin1Char('/'), missing, QString(), "/"})
        EXPECT_FALSE(FileExists(path)) << path.toStdString();
    for (const QString& path : QStringList{pipe, "/dev/null", dir.path(), missing, QString()})
        EXPECT_FALSE(RegularFileExists(path)) << path.toStdString();
    ::close(held);
}

} // namespace
} // namespace tallywick
