#include "app/files/datafolderlock.h"

#include "support/storetesting.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tallywick {
namespace {

using Status = DataFolderLock::Status;

TEST(DataFolderLock, OneHolderPerFolder)
{
    QTemporaryDir dir;
    DataFolderLock first(dir.filePath("Tallywick"));
    ASSERT_EQ(first.tryLock(), Status::Locked) << "the data folder is created for it";
    DataFolderLock second(dir.filePath("Tallywick"));
    EXPECT_EQ(second.tryLock(), Status::Busy);
    // The live owner is named, with the lock file.
    for (const QString& part :
         QStringList{"in use", QString::number(QCoreApplication::applicationPid()), second.lockFilePath()})
        EXPECT_TRUE(second.message().contains(part)) << second.message().toStdString();
    first.unlock();
    EXPECT_EQ(second.tryLock(), Status::Locked);
}

TEST(DataFolderLock, AnotherProcessHoldsItUntilItDies)
{
    QTemporaryDir dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DataFolderLock held(dir.path());
        const char answer = held.tryLock() == Status::Locked ? 'y' : 'n';
        [[maybe_unused]] const auto written = write(ready[1], &answer, 1);
        pause();
        _exit(0);
    }
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');
    DataFolderLock lock(dir.path());
    EXPECT_EQ(lock.tryLock(), Status::Busy);
    EXPECT_TRUE(lock.message().contains(QString::number(child))) << lock.message().toStdString();

    // Killed without unlocking: the lock file stays behind, names a process number no process
    // has now, and is taken over.
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(QFile::exists(lock.lockFilePath()));
    EXPECT_EQ(lock.tryLock(), Status::Locked);
    close(ready[0]);
    close(ready[1]);
}

// After a power loss the lock file may be empty or garbled: it must not lock the folder forever.
TEST(DataFolderLock, ALockWhoseOwnerCannotBeReadIsTakenOverAfterAGracePeriod)
{
    for (const std::string& unreadable : {std::string(), std::string(4, '\0'), std::string("tallywick\n")}) {
        QTemporaryDir dir;
        DataFolderLock lock(dir.path());
        testing::WriteBytes(lock.lockFilePath(), unreadable);
        QFile file(lock.lockFilePath());

        // Just written: its owner may be writing it still.
        EXPECT_EQ(lock.tryLock(), Status::Busy);
        EXPECT_TRUE(lock.message().contains(lock.lockFilePath())) << lock.message().toStdString();

        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        file.close();
        EXPECT_EQ(lock.tryLock(), Status::Locked);
    }
}

} // namespace
} // namespace tallywick
