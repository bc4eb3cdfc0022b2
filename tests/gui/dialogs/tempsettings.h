#pragma once

#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace tallywick {

// A settings file of its own for one test case, and the options the program holds, read from it
// when first asked for: the settings library caches the files it has read, so no two cases share
// one.
class TempSettings {
public:
    TempSettings() : store_(std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("Tallywick.ini")))) {}

    SettingsStore& store() { return *store_; }
    void write(const char* key, const QString& value) { store_->write(QLatin1String(key), value); }
    std::optional<QString> stored(const char* key) const { return store_->find(QLatin1String(key)); }

    Preferences& preferences()
    {
        if (!preferences_)
            preferences_ = std::make_unique<Preferences>(*store_);
        return *preferences_;
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Preferences> preferences_;
};

} // namespace tallywick
