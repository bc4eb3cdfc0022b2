#include "app/files/fileexists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tallywick {

bool FileExists(const QString& path)
{
    QString file = path;
    if (file.endsWith(QLatin1Char('/')) || file.endsWith(QDir::separator()))
        file.chop(1);
    if (file.isEmpty() || QFileInfo(file).isDir())
        return false;
    QFile probe(file);
    return probe.open(QIODevice::ReadOnly);
}

} // namespace tallywick
