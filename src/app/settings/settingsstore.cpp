#include "app/settings/settingsstore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace tallywick {

QString SettingsStore::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TALLYWICK_CONFIG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tallywick/Tallywick.ini");
}

SettingsStore::SettingsStore(const QString& iniPath) :
    settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
    settings_->beginGroup(QLatin1String(kSettingsSection));
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::path() const
{
    return settings_->fileName();
}

std::optional<QString> SettingsStore::storedSpelling(const QString& key) const
{
    const QStringList stored = settings_->childKeys();
    for (const QString& name : stored) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return name;
    }
    return std::nullopt;
}

std::optional<QString> SettingsStore::find(const QString& key) const
{
    const auto name = storedSpelling(key);
    if (!name)
        return std::nullopt;
    const QVariant value = settings_->value(*name);
    // A hand-edited value with bare commas comes back as a list: keep it whole.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString SettingsStore::read(const QString& key, const QString& defaultValue) const
{
    return find(key).value_or(defaultValue);
}

void SettingsStore::write(const QString& key, const QString& value)
{
    settings_->setValue(storedSpelling(key).value_or(key), value);
    settings_->sync();
    emit changed(key);
}

QString SettingsStore::read(const RunTimeTextKey& key, const QString& defaultValue) const
{
    return read(QLatin1String(key.name), defaultValue);
}

void SettingsStore::write(const TextKey& key, const QString& value)
{
    write(QLatin1String(key.name), value);
}

void SettingsStore::write(const RunTimeTextKey& key, const QString& value)
{
    write(QLatin1String(key.name), value);
}

QString SettingsStore::read(const TextKey& key) const
{
    return read(QLatin1String(key.name), QString::fromUtf8(key.defaultValue));
}

int SettingsStore::read(const IntegerKey& key) const
{
    const auto stored = find(QLatin1String(key.name));
    const auto value = stored ? ParseWholeNumber(*stored) : std::nullopt;
    if (!value || *value < key.min || *value > key.max)
        return key.defaultValue;
    return *value;
}

bool SettingsStore::read(const TruthKey& key) const
{
    const auto stored = find(QLatin1String(key.name));
    return (stored ? ParseTruth(*stored) : std::nullopt).value_or(key.defaultValue);
}

void SettingsStore::write(const IntegerKey& key, int value)
{
    write(QLatin1String(key.name), QString::number(value));
}

void SettingsStore::write(const TruthKey& key, bool value)
{
    write(QLatin1String(key.name), TruthText(value));
}

QString TruthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> ParseTruth(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

std::optional<int> ParseWholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace tallywick
