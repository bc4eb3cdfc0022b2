#include "app/files/datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallywick {

QString DataFolder::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TALLYWICK_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // Not AppDataLocation itself: that follows whatever application name the process set.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tallywick");
}

DataFolder DataFolder::fromOption(const QString& option)
{
    return DataFolder(option.isEmpty() ? defaultPath() : option);
}

DataFolder::DataFolder(QString path) : path_(std::move(path)) {}

bool DataFolder::ensureExists(QString* error) const
{
    const QFileInfo info(path_);
    if (info.isDir())
        return true;
    if (info.exists()) {
        if (error)
            *error = QStringLiteral("%1 is not a folder").arg(path_);
        return false;
    }
    if (!QDir().mkpath(path_)) {
        if (error)
            *error = QStringLiteral("Cannot create the folder %1").arg(path_);
        return false;
    }
    return true;
}

QString DataFolder::file(const QString& name) const
{
    return QDir(path_).filePath(name);
}

} // namespace tallywick
