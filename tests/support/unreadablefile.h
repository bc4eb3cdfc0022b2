#pragma once

#include <QFile>
#include <QString>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace tallywick::testing {

// A regular file that is there but that no one may read, root included (tests run as root, for
// whom a file's read bits do not count; a sysctl file keeps its mode for root too). Empty where
// the system has none, or lets it be read.
inline QString UnreadableFile()
{
    const QString path = QStringLiteral("/proc/sys/vm/drop_caches");
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (descriptor >= 0) {
        ::close(descriptor);
        return {};
    }
    return errno == EACCES ? path : QString();
}

} // namespace tallywick::testing
