#include "ui/about/sysinfo.h"

#include <QCoreApplication>

#include "app/settings/settingskeys.h"
#include "ui/common/dialogs.h"

#include <QProcess>
#include <QStandardPaths>

namespace tallywick {

QStringList SystemInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

QString FindSystemInfoProgram(const QStringList& folders)
{
    for (const QString& name : SystemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(name, folders);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void StartSysInfo(QWidget* parent)
{
    const QString program = FindSystemInfoProgram();
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
        return;
    Dialogs::message(
        parent, QLatin1String(kApplicationTitle),
        QCoreApplication::translate("tallywick::AboutDialog", "System Information Is Unavailable At This Time"));
}

} // namespace tallywick
