#include "app/settings/settingsstore.h"

#include "app/settings/inibytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    const QFileInfo file(iniPath);
    if (!file.exists())
        return;
    QFile raw(iniPath);
    if (file.isDir() || !raw.open(QIODevice::ReadOnly)) {
        readProblem_ = file.isDir() ? QStringLiteral("it is a folder") : raw.errorString();
    } else if (settings_->status() != QSettings::NoError) {
        readProblem_ = settings_->status() == QSettings::FormatError ? QStringLiteral("it is not a settings file")
                                                                     : QStringLiteral("it cannot be read");
    } else {
        keysNotUtf8_ = IniKeysNotUtf8(raw.readAll(), QString::fromLatin1(kSettingsSection));
    }
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

std::optional<QStringList> SettingsStore::findList(const QString& key) const
{
    const auto name = storedSpelling(key);
    if (!name)
        return std::nullopt;
    return settings_->value(*name).toStringList();
}

QString SettingsStore::read(const QString& key, const QString& defaultValue) const
{
    return find(key).value_or(defaultValue);
}

bool SettingsStore::write(const QString& key, const QString& value)
{
    return writeValue(key, value);
}

bool SettingsStore::write(const QString& key, const QStringList& values)
{
    return writeValue(key, values);
}

bool SettingsStore::writeValue(const QString& key, const QVariant& value)
{
    if (readProblem_)
        return false;
    settings_->setValue(storedSpelling(key).value_or(key), value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        emit writeFailed();
        return false;
    }
    emit changed(key);
    return true;
}

QString SettingsStore::read(const RunTimeTextKey& key, const QString& defaultValue) const
{
    return read(QLatin1String(key.name), defaultValue);
}

bool SettingsStore::write(const TextKey& key, const QString& value)
{
    return write(QLatin1String(key.name), value);
}

bool SettingsStore::write(const RunTimeTextKey& key, const QString& value)
{
    return write(QLatin1String(key.name), value);
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

bool SettingsStore::write(const IntegerKey& key, int value)
{
    return write(QLatin1String(key.name), QString::number(value));
}

bool SettingsStore::write(const TruthKey& key, bool value)
{
    return write(QLatin1String(key.name), TruthText(value));
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
