#include "app/files/datafolderlock.h"

#include "app/files/datafolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace tallywick {
namespace {

// A file written just now may still be on its way; one from the future has a clock to blame.
bool IsPastGrace(const QString& path)
{
    const qint64 age = QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime());
    return age < 0 || age > std::chrono::milliseconds(kUnreadableLockGrace).count();
}

} // namespace

DataFolderLock::DataFolderLock(const QString& dataFolder) :
    folder_(dataFolder), lock_(DataFolder(dataFolder).file(kLockFileName))
{
    // Held for as long as the desktop program runs: only a dead holder makes it stale.
    lock_.setStaleLockTime(0);
}

DataFolderLock::~DataFolderLock() = default;

QString DataFolderLock::lockFilePath() const
{
    return DataFolder(folder_).file(kLockFileName);
}

DataFolderLock::Status DataFolderLock::tryLock()
{
    if (status_ == Status::Locked)
        return status_;
    message_.clear();
    QString error;
    if (!DataFolder(folder_).ensureExists(&error)) {
        message_ = error;
        return status_ = Status::Failed;
    }
    if (lock_.tryLock(0))
        return status_ = Status::Locked;
    if (lock_.error() == QLockFile::LockFailedError) {
        const QString folder = QDir::toNativeSeparators(folder_);
        const QString file = QDir::toNativeSeparators(lockFilePath());
        qint64 pid = 0;
        QString host;
        QString application;
        if (lock_.getLockInfo(&pid, &host, &application)) {
            message_ = QStringLiteral("The data folder %1 is in use by %2 (process %3%4; lock file %5).")
                           .arg(folder, application.isEmpty() ? QStringLiteral("another program") : application)
                           .arg(pid)
                           .arg(host.isEmpty() ? QString() : QStringLiteral(" on ") + host, file);
            return status_ = Status::Busy;
        }
        if (IsPastGrace(lockFilePath()) && lock_.removeStaleLockFile() && lock_.tryLock(0))
            return status_ = Status::Locked;
        message_ = QStringLiteral("The data folder %1 is in use by another program, whose lock file %2 cannot be "
                                  "read. If no Tallywick is running, remove that file.")
                       .arg(folder, file);
        return status_ = Status::Busy;
    }
    message_ = QStringLiteral("Cannot create the lock file %1.").arg(QDir::toNativeSeparators(lockFilePath()));
    return status_ = Status::Failed;
}

void DataFolderLock::unlock()
{
    lock_.unlock();
    status_ = Status::Unlocked;
}

} // namespace tallywick
