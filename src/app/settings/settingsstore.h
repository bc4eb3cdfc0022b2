#pragma once

#include "app/settings/settingskeys.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;
class QVariant;

namespace tallywick {

// The per-user settings: named text values in the section "Settings" of an INI file. Keys are
// matched without regard to case (a write goes to the spelling already stored); values are
// written and read as text, truth values as "True" and "False". Nothing is ever deleted.
// Every stored write is announced, so that a window shows a changed value without reading it again.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    // $TALLYWICK_CONFIG, or Tallywick/Tallywick.ini in the user's configuration folder.
    static QString defaultPath();

    explicit SettingsStore(const QString& iniPath = defaultPath());
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString path() const;

    // Why the file, which exists, could not be read; nothing when it was read or is absent. Such
    // a store reads every default and writes nothing, so that it never replaces what it could
    // not read.
    const std::optional<QString>& readProblem() const { return readProblem_; }
    // The keys whose stored text holds bytes that are not UTF-8: the file format's reader leaves
    // them out, so they read differently from what was stored.
    const QStringList& keysNotUtf8() const { return keysNotUtf8_; }

    // The stored text, or defaultValue when the key is absent.
    QString read(const QString& key, const QString& defaultValue) const;
    // Stores the text at once; false when the file could not be written.
    bool write(const QString& key, const QString& value);

    QString read(const TextKey& key) const;
    QString read(const RunTimeTextKey& key, const QString& defaultValue) const;
    int read(const IntegerKey& key) const;
    bool read(const TruthKey& key) const;
    bool write(const TextKey& key, const QString& value);
    bool write(const RunTimeTextKey& key, const QString& value);
    bool write(const IntegerKey& key, int value);
    bool write(const TruthKey& key, bool value);

    // The stored text, or nothing when the key is absent.
    std::optional<QString> find(const QString& key) const;
    // A list stored as the INI format joins it (items with commas quoted); a plain text is a
    // list of one.
    std::optional<QStringList> findList(const QString& key) const;
    bool write(const QString& key, const QStringList& values);

signals:
    // A value was written; `key` is spelt as the writer spelt it.
    void changed(const QString& key);
    // A value could not be written to the file (it is full, read-only or gone).
    void writeFailed();

private:
    std::optional<QString> storedSpelling(const QString& key) const;
    bool writeValue(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
    std::optional<QString> readProblem_;
    QStringList keysNotUtf8_;
};

// A truth value as stored: "True" or "False".
QString TruthText(bool value);
// "True"/"False" in any letter case; nothing for anything else.
std::optional<bool> ParseTruth(const QString& text);
// A whole number in decimal, blanks around it allowed; nothing for anything else.
std::optional<int> ParseWholeNumber(const QString& text);

} // namespace tallywick
