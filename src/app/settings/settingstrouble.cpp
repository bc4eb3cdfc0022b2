#include "app/settings/settingstrouble.h"

#include "app/settings/settingsstore.h"

#include <QDir>

namespace tallywick {

std::optional<QString> DescribeSettingsTrouble(const SettingsStore& settings)
{
    const QString file = QDir::toNativeSeparators(settings.path());
    if (const auto& problem = settings.readProblem())
        return QStringLiteral("The settings file %1 cannot be read (%2).\nTallywick uses its default settings and "
                              "leaves that file as it is, so your changes to the settings are not kept.")
            .arg(file, *problem);
    if (settings.keysNotUtf8().isEmpty())
        return std::nullopt;
    QStringList quoted;
    for (const QString& key : settings.keysNotUtf8())
        quoted.append(QLatin1Char('"') + key + QLatin1Char('"'));
    return QStringLiteral("In the settings file %1, %2 %3 bytes that are not UTF-8. They are left out when read, "
                          "and lost when Tallywick next saves its settings.")
        .arg(file, quoted.join(QStringLiteral(", ")),
             quoted.size() == 1 ? QStringLiteral("holds") : QStringLiteral("hold"));
}

} // namespace tallywick
