#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace tallywick {

inline constexpr const char* kLockFileName = "tallywick.lock";

// One lock per data folder: the desktop program holds it while it runs, and the command line's
// writing commands for their run, so that nobody's save overwrites another's work. A lock left
// behind by a process that no longer runs is taken over; one held by a running process never
// expires. A lock file whose owner cannot be read (empty or garbled after a power loss) is
// taken over once it is older than kUnreadableLockGrace: younger, its owner may be writing it.
inline constexpr std::chrono::seconds kUnreadableLockGrace{10};

class DataFolderLock {
public:
    enum class Status { Unlocked, Locked, Busy, Failed };

    explicit DataFolderLock(const QString& dataFolder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the lock without waiting, creating the data folder first when needed.
    Status tryLock();
    void unlock();
    Status status() const { return status_; }

    // Why the lock could not be taken (Busy, Failed); it names the lock file.
    const QString& message() const { return message_; }
    QString lockFilePath() const;

private:
    QString folder_;
    QLockFile lock_;
    Status status_ = Status::Unlocked;
    QString message_;
};

} // namespace tallywick
