#include "app/files/fileexists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {
namespace {

QString WithoutTrailingSeparator(const QString& path)
{
    QString file = path;
    if (file.endsWith(QLatin1Char('/')) || file.endsWith(QDir::separator()))
        file.chop(1);
    return file;
}

} // namespace

bool FileExists(const QString& path)
{
    const QString file = WithoutTrailingSeparator(path);
    if (file.isEmpty() || QFileInfo(file).isDir())
        return false;
    QFile probe(file);
    return probe.open(QIODevice::ReadOnly);
}

bool RegularFileExists(const QString& path)
{
    const QString file = WithoutTrailingSeparator(path);
    if (file.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(file);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Without waiting, and checked again on what was opened: the name may have changed hands.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool regular = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    ::close(descriptor);
    return regular;
}

} // namespace tallywick
