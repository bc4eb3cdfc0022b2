#include "app/files/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallywick {

QString FolderOf(const QString& path)
{
    const auto last = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QDir::separator()));
    return last < 0 ? QString() : path.left(last + 1);
}

QString DesktopFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || !QFileInfo(desktop).isDir())
        return {};
    return desktop.endsWith(QLatin1Char('/')) ? desktop : desktop + QLatin1Char('/');
}

QString DefaultReportPath(const QString& desktopFolder)
{
    return desktopFolder + QLatin1String(kDefaultReportName);
}

} // namespace tallywick
