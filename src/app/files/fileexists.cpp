#include "app/files/fileexists.h"

#include <QFile>

#include <sys/stat.h>

namespace tallywick {
namespace {

// What name names, found without opening it; false when it is missing, a folder or empty.
bool LookUp(QByteArray name, struct stat& info)
{
    if (name.endsWith('/'))
        name.chop(1);
    return !name.isEmpty() && ::stat(name.constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace

bool FileExists(const QString& path)
{
    return NativeFileExists(QFile::encodeName(path));
}

bool NativeFileExists(const QByteArray& name)
{
    struct stat info {};
    return LookUp(name, info);
}

bool RegularFileExists(const QString& path)
{
    struct stat info {};
    return LookUp(QFile::encodeName(path), info) && S_ISREG(info.st_mode);
}

} // namespace tallywick
