#pragma once

#include <QString>

#include <optional>

namespace tallywick {

class SettingsStore;

// What the user must be told about the settings file before anything relies on it: it could not
// be read (defaults are used, and it is never written), or settings in it hold bytes that are
// not UTF-8 (they read without those bytes, and lose them when the file is written). Nothing
// when all is well.
std::optional<QString> DescribeSettingsTrouble(const SettingsStore& settings);

} // namespace tallywick
